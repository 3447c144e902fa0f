#include "EditedPage.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "cHtmlDocument.h"

#include <cctype>
#include <string_view>

namespace {

size_t findNoCase(std::string_view text, std::string_view part, size_t from = 0) {
    if (part.size() > text.size())
        return std::string_view::npos;
    for (size_t i = from; i + part.size() <= text.size(); ++i)
        if (encoding::equalsNoCase(text.substr(i, part.size()), part))
            return i;
    return std::string_view::npos;
}

size_t rfindNoCase(std::string_view text, std::string_view part) {
    for (size_t i = text.size() >= part.size() ? text.size() - part.size() + 1 : 0; i-- > 0;)
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

} // namespace

bool EditedPage::read(std::string& utf8) {
    m_tail.clear();
    std::string bytes;
    if (!platform::readFileBytes(m_path, bytes))
        return false;
    const size_t marker = findNoCase(bytes, cHtmlDocument::kGeneratedMarker);
    if (marker != std::string::npos)
        m_tail = bytes.substr(marker);
    const std::string charset = declaredCharset(bytes);
    const bool isUtf8 =
        charset == "utf-8" || charset == "utf8" || (charset.empty() && encoding::isValidUtf8(bytes));
    utf8 = isUtf8 ? encoding::toValidUtf8(bytes) : encoding::cp1252ToUtf8(bytes);
    return true;
}

std::string EditedPage::compose(const std::string& html, bool utf8Charset) const {
    std::string_view edited(html);
    if (!m_tail.empty()) {
        size_t cut = findNoCase(edited, cHtmlDocument::kGeneratedMarker);
        if (cut == std::string_view::npos)
            cut = rfindNoCase(edited, "</body");
        if (cut != std::string_view::npos)
            edited = edited.substr(0, cut);
    }
    std::string bytes = withCrLf(edited);
    if (!utf8Charset)
        bytes = encoding::utf8ToCp1252(bytes);
    if (!m_tail.empty())
        return bytes + m_tail;
    if (bytes.empty() || bytes.back() != '\n')
        bytes += "\r\n";
    return bytes;
}

bool EditedPage::write(const std::string& bytes) const {
    return platform::writeFileReplacing(m_path, bytes);
}
