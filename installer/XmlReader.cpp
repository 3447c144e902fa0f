#include "XmlReader.h"

#include "Exception.h"
#include "InputFile.h"
#include "InstallerMessages.h"
#include "Text.h"
#include "XmlEncoding.h"

#include "Encoding.h"

#include <expat.h>

#include <utility>

static_assert(sizeof(XML_Char) == sizeof(char16_t), "Tarnwick needs the 16-bit build of the XML parser");

template <class Handler> void XmlReader::guarded(Handler&& handler) noexcept {
    if (m_handlerError)
        return;
    try {
        handler();
    } catch (...) {
        m_handlerError = std::current_exception();
        XML_StopParser(m_parser, XML_FALSE);
    }
}

namespace {

const std::u16string kSource = u"os\\XmlReader";

const char16_t* wide(const XML_Char* text) {
    return reinterpret_cast<const char16_t*>(text);
}

XmlReader& readerOf(void* data) {
    return *static_cast<XmlReader*>(data);
}

void XMLCALL declaration(void* data, const XML_Char* version, const XML_Char* encoding, int standalone) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onXmlDeclaration(wide(version), wide(encoding), standalone); });
}

void XMLCALL startElement(void* data, const XML_Char* name, const XML_Char** attributes) {
    XmlReader& reader = readerOf(data);
    reader.guarded(
        [&] { reader.onStartElement(wide(name), reinterpret_cast<const char16_t**>(attributes)); });
}

void XMLCALL endElement(void* data, const XML_Char* name) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onEndElement(wide(name)); });
}

void XMLCALL characterData(void* data, const XML_Char* text, int length) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onCharacterData(wide(text), length); });
}

void XMLCALL comment(void* data, const XML_Char* text) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onComment(wide(text)); });
}

void XMLCALL processingInstruction(void* data, const XML_Char* target, const XML_Char* value) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onProcessingInstruction(wide(target), wide(value)); });
}

void XMLCALL startCdataSection(void* data) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onStartCdataSection(); });
}

void XMLCALL endCdataSection(void* data) {
    XmlReader& reader = readerOf(data);
    reader.guarded([&] { reader.onEndCdataSection(); });
}

// The parser knows UTF-8, UTF-16, ISO-8859-1 and US-ASCII itself; the one
// other encoding that files may declare is Windows-1252, given here with its
// own map (bytes 0x80 to 0x9F are mostly letters and signs, not controls).
int XMLCALL unknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
    if (!name || !text::equals(wide(name), u"Windows-1252", false))
        return XML_STATUS_ERROR;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        info->map[byte] = encoding::cp1252ToUtf16(std::string_view(&c, 1))[0];
    }
    info->data = nullptr;
    info->convert = nullptr;
    info->release = nullptr;
    return XML_STATUS_OK;
}

} // namespace

XmlReader::~XmlReader() {
    freeParser();
}

void XmlReader::freeParser() {
    if (m_parser)
        XML_ParserFree(m_parser);
    m_parser = nullptr;
}

void XmlReader::parse(const std::u16string& fileName) {
    freeParser();
    m_handlerError = nullptr;
    m_parser = XML_ParserCreate(nullptr);
    if (!m_parser)
        throw Exception(kSource, 257, messages::kParserUnavailable);
    XML_SetUserData(m_parser, this);
    XML_SetXmlDeclHandler(m_parser, declaration);
    XML_SetElementHandler(m_parser, startElement, endElement);
    XML_SetCharacterDataHandler(m_parser, characterData);
    XML_SetProcessingInstructionHandler(m_parser, processingInstruction);
    XML_SetCommentHandler(m_parser, comment);
    XML_SetCdataSectionHandler(m_parser, startCdataSection, endCdataSection);
    XML_SetUnknownEncodingHandler(m_parser, unknownEncoding, nullptr);

    if (!fileName.empty())
        m_fileName = fileName;
    InputFile file;
    if (!file.open(m_fileName))
        throw Exception(kSource, 55, messages::kCannotOpen, {m_fileName});
    for (;;) {
        void* buffer = XML_GetBuffer(m_parser, kBufferSize);
        if (!buffer)
            throw Exception(kSource, 63, messages::kParserUnavailable);
        const ssize_t read = file.read(buffer, kBufferSize);
        if (read < 0)
            throw Exception(kSource, 68, messages::kCannotRead, {m_fileName});
        // A short read is the end of the file: that buffer closes the document.
        const bool last = read < kBufferSize;
        const XML_Status status = XML_ParseBuffer(m_parser, static_cast<int>(read), last);
        if (m_handlerError)
            std::rethrow_exception(std::exchange(m_handlerError, nullptr));
        if (status == XML_STATUS_ERROR) {
            XML_ParsingStatus parsing;
            XML_GetParsingStatus(m_parser, &parsing);
            if (parsing.parsing == XML_FINISHED || parsing.parsing == XML_SUSPENDED)
                break;
            const XML_Error code = XML_GetErrorCode(m_parser);
            const XML_LChar* message = XML_ErrorString(code);
            throw Exception(kSource, 101, messages::kParseError,
                            {m_fileName,
                             text::toText(static_cast<std::int32_t>(XML_GetCurrentLineNumber(m_parser))),
                             text::toText(static_cast<std::int32_t>(XML_GetCurrentColumnNumber(m_parser))),
                             encoding::utf8ToUtf16(message ? message : "")});
        }
        if (last)
            break;
    }
    freeParser();
}

bool XmlReader::isName(std::u16string_view text, const XmlEncoding& encoding) {
    if (text.empty() || text.size() > kBufferSize)
        return false;
    // The element <text/> in a document of that encoding, read as a file
    // is: it parses, and its one element has the whole text as its name.
    std::string bytes = !encoding.isUtf16() ? "" : encoding.bigEndian() ? "\xFE\xFF" : "\xFF\xFE";
    bytes += encoding.encode(u"<?xml version=\"1.0\" encoding=\"" + XmlEncoding::nameOf(encoding.code()) +
                             u"\"?><" + std::u16string(text) + u"/>");
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (!parser)
        return false;
    XML_SetUnknownEncodingHandler(parser, unknownEncoding, nullptr);
    struct Name {
        std::u16string_view wanted;
        bool found = false;
    } name{text};
    XML_SetUserData(parser, &name);
    XML_SetStartElementHandler(parser, [](void* data, const XML_Char* element, const XML_Char**) {
        Name& seen = *static_cast<Name*>(data);
        seen.found = std::u16string_view(wide(element)) == seen.wanted;
    });
    const bool parsed =
        XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return parsed && name.found;
}

void XmlReader::onXmlDeclaration(const char16_t*, const char16_t*, int) {}
void XmlReader::onStartElement(const char16_t*, const char16_t**) {}
void XmlReader::onEndElement(const char16_t*) {}
void XmlReader::onCharacterData(const char16_t*, int) {}
void XmlReader::onComment(const char16_t*) {}
void XmlReader::onProcessingInstruction(const char16_t*, const char16_t*) {}
void XmlReader::onStartCdataSection() {}
void XmlReader::onEndCdataSection() {}

std::int64_t XmlReader::currentByteIndex() const {
    return m_parser ? XML_GetCurrentByteIndex(m_parser) : -1;
}

std::int64_t XmlReader::currentByteCount() const {
    return m_parser ? XML_GetCurrentByteCount(m_parser) : 0;
}

std::int64_t XmlReader::currentLine() const {
    return m_parser ? static_cast<std::int64_t>(XML_GetCurrentLineNumber(m_parser)) : 0;
}

std::int64_t XmlReader::currentColumn() const {
    return m_parser ? static_cast<std::int64_t>(XML_GetCurrentColumnNumber(m_parser)) : 0;
}
