#pragma once

// An existing target file, held as its bytes and edited in place: byte
// ranges are removed and text is inserted, encoded in the file's own
// encoding, so that everything the edits do not touch (formatting,
// comments, references, the declaration, the byte order mark) stays byte
// for byte. Every edit is told to the listener.
//
// The file's form comes from its first bytes, as the parser detects it:
// UTF-16 with or without a byte order mark, in either byte order, stays
// UTF-16 in that byte order; other files are UTF-8 until the declaration
// names their encoding (setEncoding). Callers look at the bytes in code
// units (unitAt), so markup characters are found at character boundaries
// in UTF-16 files too, and text is only ever inserted there.

#include "ByteStreamListener.h"
#include "XmlEncoding.h"

#include <string>
#include <string_view>

class ByteStreamUpdater {
public:
    explicit ByteStreamUpdater(ByteStreamListener* listener) : m_listener(listener) {}

    // The code of the encoding table that the declaration names; -1 (a name
    // outside the table) is error 4114. UTF-16 keeps the byte order found.
    void setEncoding(int code);
    const XmlEncoding& encoding() const { return m_encoding; }

    // Reads the whole file and detects its form (4111, 4115, 4112 on failure).
    void load(const std::u16string& path);
    // Replaces the file whole with the bytes (4115, 4116 on failure).
    void save(const std::u16string& path) const;
    bool modified() const { return m_modified; }
    const std::string& bytes() const { return m_bytes; }
    BytePosition size() const { return static_cast<BytePosition>(m_bytes.size()); }

    int unitSize() const { return m_encoding.unitSize(); }
    // The code unit at pos; -1 outside the file.
    int unitAt(BytePosition pos) const { return m_encoding.unitAt(m_bytes, pos); }
    BytePosition encodedLength(std::u16string_view text) const;

    // Removes [start, end) (end cut to the size); nothing when start is not
    // below end.
    void remove(BytePosition start, BytePosition end);
    // Inserts the encoded text before the byte at position; nothing for an
    // empty text. A position outside the file is std::out_of_range.
    void insert(std::u16string_view text, BytePosition position);
    void replace(BytePosition start, BytePosition end, std::u16string_view text);

private:
    ByteStreamListener* m_listener;
    std::string m_bytes;
    XmlEncoding m_encoding;
    bool m_modified = false;
};
