#include "EditedPage.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "HtmlTree.h"
#include "cHtmlDocument.h"

#include <cctype>

namespace {

size_t findNoCase(std::string_view text, std::string_view part, size_t from = 0) {
    if (part.size() > text.size())
        return std::string_view::npos;
    for (size_t i = from; i + part.size() <= text.size(); ++i)
        if (encoding::equalsNoCase(text.substr(i, part.size()), part))
            return i;
    return std::string_view::npos;
}

// The character set a page declares in its head; empty when none.
std::string declaredCharset(std::string_view bytes) {
    const size_t body = findNoCase(bytes, "<body");
    const std::string_view head = bytes.substr(0, body);
    const size_t at = findNoCase(head, "charset=");
    if (at == std::string_view::npos)
        return std::string();
    size_t start = at + 8;
    while (start < head.size() && (head[start] == '"' || head[start] == '\''))
        ++start;
    size_t end = start;
    while (end < head.size() &&
           (std::isalnum(static_cast<unsigned char>(head[end])) || head[end] == '-' || head[end] == '_'))
        ++end;
    return encoding::toLower(head.substr(start, end - start));
}

std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 20);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

// Where the marker that begins at offset in the UTF-8 text begins in the
// page's bytes: both hold the same ASCII, so it is the occurrence of the
// marker of the same rank.
size_t byteOffsetOfMarker(std::string_view utf8, size_t offset, std::string_view bytes) {
    const std::string_view marker = cHtmlDocument::kGeneratedMarker;
    size_t rank = 0;
    for (size_t at = findNoCase(utf8, marker); at < offset; at = findNoCase(utf8, marker, at + marker.size()))
        ++rank;
    size_t at = findNoCase(bytes, marker);
    for (; rank > 0 && at != std::string_view::npos; --rank)
        at = findNoCase(bytes, marker, at + marker.size());
    return at;
}

} // namespace

bool EditedPage::isUtf8Page(std::string_view text, bool valid) {
    const std::string charset = declaredCharset(text);
    if (charset.empty())
        return valid;
    return charset == "utf-8" || charset == "utf8";
}

bool EditedPage::read(std::string& utf8) {
    m_tail.clear();
    m_utf8 = false;
    std::string bytes;
    if (!platform::readFileBytes(m_path, bytes))
        return false;
    m_utf8 = isUtf8Page(bytes, encoding::isValidUtf8(bytes));
    utf8 = m_utf8 ? encoding::toValidUtf8(bytes) : encoding::cp1252ToUtf8(bytes);
    // The marker is found as the editor's document will find it.
    htmltree::Source source;
    htmltree::parse(utf8, "", &source);
    if (source.marker != std::string::npos) {
        const size_t marker = byteOffsetOfMarker(utf8, source.marker, bytes);
        if (marker != std::string::npos)
            m_tail = bytes.substr(marker);
    }
    return true;
}

std::string EditedPage::compose(const cHtmlDocument& document) const {
    bool cut = false;
    std::string html = m_tail.empty() ? document.getDocumentHtml(false) : document.getEditedHtml(cut);
    // Without a place for it, the kept part is left out rather than written twice.
    const bool tail = cut && !m_tail.empty();
    const std::string edited = withCrLf(html);
    const std::string& kept = tail ? m_tail : std::string();
    const auto encoded = [&](bool utf8) {
        std::string bytes = (utf8 ? edited : encoding::utf8ToCp1252(edited)) + kept;
        if (!tail && (bytes.empty() || bytes.back() != '\n'))
            bytes += "\r\n";
        return bytes;
    };
    // The page's own declaration decides; without one the page keeps the
    // character set it was read in, unless a read of what is written would
    // take it in the other (bytes written in Windows-1252 that happen to be
    // valid UTF-8, a kept part that is not): then it is written in that one.
    const bool declared = !declaredCharset(edited + kept).empty();
    const bool utf8 = isUtf8Page(edited + kept, m_utf8);
    std::string bytes = encoded(utf8);
    if (!declared && encoding::isValidUtf8(bytes) != utf8)
        bytes = encoded(!utf8);
    return bytes;
}

bool EditedPage::write(const std::string& bytes) const {
    return platform::writeFileReplacing(m_path, bytes);
}
