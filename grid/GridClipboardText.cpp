#include "GridClipboardText.h"

#include <cstring>

namespace {

bool isSeparator(char c) {
    return c == '\t' || c == ',';
}

bool isBlank(char c) {
    return c == ' ' || c == '\r' || c == '\v' || c == '\f';
}

// The end of a line: a line feed, or a CR just before one or at the end.
bool atLineEnd(const std::string& s, size_t i) {
    return i >= s.size() || s[i] == '\n' || (s[i] == '\r' && (i + 1 >= s.size() || s[i + 1] == '\n'));
}

// With a double quote at start: the end of the quoted field (just after its
// closing quote) when that quote is followed only by blanks up to a
// separator or the end of the line; 0 otherwise.
size_t quotedFieldEnd(const std::string& s, size_t start, std::string& value) {
    value.clear();
    size_t i = start + 1;
    while (i < s.size()) {
        if (s[i] == '"') {
            if (i + 1 < s.size() && s[i + 1] == '"') {
                value += '"';
                i += 2;
                continue;
            }
            size_t after = i + 1;
            while (after < s.size() && isBlank(s[after]) && !atLineEnd(s, after))
                ++after;
            if (atLineEnd(s, after) || isSeparator(s[after]))
                return i + 1;
            return 0;
        }
        value += s[i++];
    }
    return 0;
}

} // namespace

CString GridClipboardText::quoteField(const CString& text) {
    const std::string& s = text.str();
    if (s.find_first_of("\t,\r\n") == std::string::npos && (s.empty() || s[0] != '"'))
        return text;
    std::string quoted = "\"";
    for (char c : s) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return CString(quoted);
}

std::vector<std::vector<CString>> GridClipboardText::split(const CString& text) {
    const std::string s(text.GetString(), std::strlen(text.GetString()));
    std::vector<std::vector<CString>> lines;
    size_t i = 0;
    while (i < s.size()) {
        std::vector<CString> fields;
        while (!atLineEnd(s, i)) {
            size_t start = i;
            while (start < s.size() && isBlank(s[start]) && !atLineEnd(s, start))
                ++start;
            std::string value;
            size_t end = start < s.size() && s[start] == '"' ? quotedFieldEnd(s, start, value) : 0;
            if (end) {
                fields.emplace_back(value);
                i = end;
                while (!atLineEnd(s, i) && isBlank(s[i]))
                    ++i;
            } else {
                size_t stop = i;
                while (!atLineEnd(s, stop) && !isSeparator(s[stop]))
                    ++stop;
                CString field(s.substr(i, stop - i));
                fields.push_back(field.Trim());
                i = stop;
            }
            if (i < s.size() && isSeparator(s[i]))
                ++i;
        }
        lines.push_back(std::move(fields));
        if (i < s.size() && s[i] == '\r')
            ++i;
        if (i < s.size() && s[i] == '\n')
            ++i;
    }
    return lines;
}
