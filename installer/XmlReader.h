#pragma once

// Feeds one file through the XML parser and turns its events into calls of
// the virtual handlers below, in 16-bit characters whatever the file's
// encoding (UTF-8, UTF-16 in either byte order, ISO-8859-1, US-ASCII, and
// Windows-1252 with its own map). Inside a handler the position accessors
// tell where the event's markup or text starts. The reader keeps no
// document; a derived class builds what it needs.
//
// The file is read in buffers of 65,536 bytes and its last buffer is
// parsed as the end of the document, so a file that ends too soon (an
// element left open, no root element, an empty file) is a parse error,
// never a document that is taken as whole.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

class XmlEncoding;
struct XML_ParserStruct;

class XmlReader {
public:
    explicit XmlReader(std::u16string fileName = {}) : m_fileName(std::move(fileName)) {}
    virtual ~XmlReader();
    XmlReader(const XmlReader&) = delete;
    XmlReader& operator=(const XmlReader&) = delete;

    // Parses the file given, or the stored one when fileName is empty, to its
    // end. Every failure is an Exception with message 4110 to 4113; the
    // handlers may have been called for what came before the error.
    void parse(const std::u16string& fileName = {});
    const std::u16string& fileName() const { return m_fileName; }

    // version and encoding may be null; standalone is -1 when not given.
    virtual void onXmlDeclaration(const char16_t* version, const char16_t* encoding, int standalone);
    // attributes: names and values in turn, in the order of the start tag,
    // closed by a null.
    virtual void onStartElement(const char16_t* name, const char16_t** attributes);
    virtual void onEndElement(const char16_t* name);
    // length in 16-bit units; the text is not closed by a NUL.
    virtual void onCharacterData(const char16_t* text, int length);
    virtual void onComment(const char16_t* text);
    virtual void onProcessingInstruction(const char16_t* target, const char16_t* data);
    // The markers around the character data of a CDATA section.
    virtual void onStartCdataSection();
    virtual void onEndCdataSection();

    // Within a handler: the byte offset in the file of the event's first
    // byte, the number of bytes of its markup or text in the file (0 for
    // the end of an empty-element tag), its line (from 1) and its column
    // (from 0).
    std::int64_t currentByteIndex() const;
    std::int64_t currentByteCount() const;
    std::int64_t currentLine() const;
    std::int64_t currentColumn() const;

    static constexpr int kBufferSize = 65536;

    // Whether the parser reads the text as the name of an element in a file
    // of that encoding (XML's rules for names, as this parser knows them,
    // which differ a little between encodings): only such a name, once
    // written into the file, reads back from it. The encoding must hold
    // every character of the text.
    static bool isName(std::u16string_view text, const XmlEncoding& encoding);

    // Runs a handler; an error that it throws stops the parser and is
    // thrown again by parse once the parser has returned, so that no
    // exception passes through the parser's own code.
    template <class Handler> void guarded(Handler&& handler) noexcept;

private:
    void freeParser();

    std::u16string m_fileName;
    XML_ParserStruct* m_parser = nullptr;
    std::exception_ptr m_handlerError;
};
