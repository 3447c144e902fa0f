#include "EditorText.h"

#include "Encoding.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The next code point of UTF-8 text at position; a byte that does not begin
// a valid sequence is one Windows-1252 character.
unsigned nextCodePoint(std::string_view text, size_t& position) {
    const auto byte = static_cast<unsigned char>(text[position]);
    int length = 0;
    unsigned code = 0;
    if (byte < 0x80) {
        ++position;
        return byte;
    }
    if ((byte & 0xE0) == 0xC0) {
        length = 2;
        code = byte & 0x1F;
    } else if ((byte & 0xF0) == 0xE0) {
        length = 3;
        code = byte & 0x0F;
    } else if ((byte & 0xF8) == 0xF0) {
        length = 4;
        code = byte & 0x07;
    }
    bool valid = length > 0 && position + length <= text.size();
    for (int i = 1; valid && i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[position + i]);
        valid = (next & 0xC0) == 0x80;
        code = (code << 6) | (next & 0x3F);
    }
    if (valid) {
        position += length;
        return code;
    }
    ++position;
    const std::string utf8 = encoding::cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
    size_t inner = 0;
    return nextCodePoint(utf8, inner);
}

bool startsWithNoCase(const CString& text, const CString& part) {
    return text.GetLength() >= part.GetLength() && text.Left(part.GetLength()).CompareNoCase(part) == 0;
}

bool endsWithNoCase(const CString& text, const CString& part) {
    return text.GetLength() >= part.GetLength() && text.Right(part.GetLength()).CompareNoCase(part) == 0;
}

} // namespace

CString escapeWide(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t position = 0;
    while (position < utf8.size()) {
        const unsigned code = nextCodePoint(utf8, position);
        if (code > 126) {
            char reference[16];
            std::snprintf(reference, sizeof reference, "&#x%04X;", code);
            out += reference;
        } else {
            out += static_cast<char>(code);
        }
    }
    return CString(std::move(out));
}

CString stripEnclosingTag(const CString& html, const CString& tag) {
    CString text = html;
    text.Trim(" \t\r\n");
    CString upper = tag;
    upper.MakeUpper();
    const CString open = "<" + upper;
    const CString close = "</" + upper + ">";
    if (!startsWithNoCase(text, open) || !endsWithNoCase(text, close))
        return text;
    const int start = text.Find('>', open.GetLength());
    const int end = text.GetLength() - close.GetLength();
    if (start < 0 || start + 1 > end)
        return text;
    return text.Mid(start + 1, end - start - 1);
}

CString stripAffix(const CString& text, const CString& part, int fromEnd) {
    if (text.IsEmpty() || part.IsEmpty() || text.GetLength() < part.GetLength())
        return text;
    if (fromEnd && endsWithNoCase(text, part))
        return text.Left(text.GetLength() - part.GetLength());
    if (!fromEnd && startsWithNoCase(text, part))
        return text.Mid(part.GetLength());
    return text;
}

int cssLengthToPx(const CString& text) {
    const int value = std::atoi(text);
    if (value == 0)
        return 0;
    // The unit is looked for after the first character, in this order.
    const CString rest = text.Mid(1);
    if (rest.Find("pt") >= 0)
        return value * 4 / 3;
    if (rest.Find("mm") >= 0)
        return value * 38 / 10;
    if (rest.Find("cm") >= 0)
        return value * 38;
    if (rest.Find("pc") >= 0)
        return value * 16;
    if (rest.Find("in") >= 0)
        return value * 96;
    return value;
}

namespace {

void appendPercentEncoded(std::string& out, std::string_view path) {
    static const char* const kHex = "0123456789ABCDEF";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
}

} // namespace

std::string pathToFileUrl(const std::string& diskPath) {
    std::string url = "file://";
    if (diskPath.empty() || diskPath[0] != '/')
        url += '/';
    appendPercentEncoded(url, diskPath);
    return url;
}

std::string fileUrlToPath(std::string_view url) {
    if (url.size() < 5 || !encoding::equalsNoCase(url.substr(0, 5), "file:"))
        return std::string();
    std::string_view rest = url.substr(5);
    if (rest.substr(0, 2) == "//") {
        // An authority (normally empty) precedes the path.
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    const size_t end = rest.find_first_of("?#");
    if (end != std::string_view::npos)
        rest = rest.substr(0, end);
    std::string path;
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size()) {
            const std::string hex(rest.substr(i + 1, 2));
            char* stop = nullptr;
            const long value = std::strtol(hex.c_str(), &stop, 16);
            if (stop == hex.c_str() + 2) {
                path += static_cast<char>(value);
                i += 2;
                continue;
            }
        }
        path += rest[i];
    }
    return path;
}

namespace {

// The scheme of an address ("http" in "http://..."); empty for a relative
// address. One letter before ':' is a drive, not a scheme.
std::string_view schemeOf(std::string_view address) {
    size_t i = 0;
    while (i < address.size() && (std::isalnum(static_cast<unsigned char>(address[i])) || address[i] == '+' ||
                                  address[i] == '-' || address[i] == '.'))
        ++i;
    if (i < 2 || i >= address.size() || address[i] != ':' ||
        !std::isalpha(static_cast<unsigned char>(address[0])))
        return std::string_view();
    return address.substr(0, i);
}

std::string normalized(const std::string& path) {
    std::vector<std::string> segments;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty())
                segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string out;
    for (const std::string& segment : segments)
        out += "/" + segment;
    return out.empty() ? "/" : out;
}

} // namespace

std::string percentDecoded(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string localPathOf(std::string_view address, const std::string& baseFolder) {
    std::string path;
    const std::string_view scheme = schemeOf(address);
    if (!scheme.empty()) {
        if (!encoding::equalsNoCase(scheme, "file"))
            return std::string();
        std::string_view rest = address.substr(scheme.size() + 1);
        if (rest.substr(0, 2) == "//")
            return normalized(fileUrlToPath(address));
        path = percentDecoded(rest.substr(0, rest.find_first_of("?#")));
    } else {
        path = percentDecoded(address.substr(0, address.find_first_of("?#")));
    }
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (path.empty() || path[0] != '/')
        path = baseFolder + "/" + path;
    return normalized(path);
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string addressFromPage(const std::string& filePath, const std::string& pageFolder) {
    const std::string file = normalized(filePath);
    if (filePath.empty() || pageFolder.empty() ||
        !encoding::equalsNoCase(folderOf(file), normalized(pageFolder)))
        return pathToFileUrl(filePath);
    std::string address;
    appendPercentEncoded(address, file.substr(file.rfind('/') + 1));
    return address;
}
