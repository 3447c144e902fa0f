#pragma once

// The encodings in which Tarnwick reads and writes XML files: the table of
// the five names that a declaration or an FW_XmlFile row may give (code 0
// "UTF-8", 1 "UTF-16", 2 "ISO-8859-1", 3 "Windows-1252", 4 "US-ASCII"),
// and for UTF-16 the byte order, which the file's first bytes decide.
//
// Text is encoded exactly in the encoding named: ISO-8859-1 byte for byte,
// Windows-1252 through its own map, US-ASCII as seven-bit bytes. A character
// that the encoding lacks is written as a character reference, so it reaches
// the file whole where the XML text allows references (attribute values and
// character data); callers keep such characters out of names.

#include <cstdint>
#include <string>
#include <string_view>

class XmlEncoding {
public:
    enum Code { kUtf8 = 0, kUtf16 = 1, kIso88591 = 2, kWindows1252 = 3, kUsAscii = 4 };

    XmlEncoding() = default;
    explicit XmlEncoding(int code, bool bigEndian = false) : m_code(code), m_bigEndian(bigEndian) {}

    // The code of a name of the table, compared ignoring the case of A to Z;
    // -1 for any other name.
    static int codeOfName(std::u16string_view name);
    // The name as the table writes it; empty for a code outside the table.
    static std::u16string nameOf(int code);
    // The form of a file's bytes as the XML parser detects it: UTF-16 in
    // either byte order from its byte order mark or from the zero bytes
    // beside its first ASCII character; anything else is read as UTF-8
    // until a declaration names another single-byte encoding.
    static XmlEncoding detect(std::string_view bytes);

    int code() const { return m_code; }
    bool isUtf16() const { return m_code == kUtf16; }
    bool bigEndian() const { return m_bigEndian; }
    // Bytes per code unit: 2 for UTF-16, 1 otherwise.
    int unitSize() const { return isUtf16() ? 2 : 1; }

    bool canEncode(char32_t c) const;
    bool canEncode(std::u16string_view text) const;
    // The bytes of text in this encoding; characters it lacks become "&#N;".
    std::string encode(std::u16string_view text) const;
    // The code unit that starts at pos (a byte, or a 16-bit unit in the
    // file's byte order); -1 outside the bytes.
    int unitAt(std::string_view bytes, std::int64_t pos) const;

private:
    int m_code = kUtf8;
    bool m_bigEndian = false;
};
