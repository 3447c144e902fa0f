#include "MsiText.h"

#include "Encoding.h"

#include <cstdio>

namespace msitext {

std::u16string fromUtf8(std::string_view text) {
    return encoding::utf8ToUtf16(text);
}

std::string toUtf8(std::u16string_view text) {
    return encoding::utf16ToUtf8(text);
}

std::u16string fromPointer(const char16_t* text) {
    return text ? std::u16string(text) : std::u16string();
}

std::optional<int> toInteger(std::u16string_view text) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (negative)
        ++i;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        value = value * 10 + (text[i] - u'0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

std::u16string toUpper(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) {
        if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            c = static_cast<char16_t>(c - 0x20);
    }
    return out;
}

UINT copyOut(std::u16string_view text, char16_t* buffer, DWORD* length) {
    if (!length)
        return buffer ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const DWORD size = static_cast<DWORD>(text.size());
    if (!buffer) {
        *length = size;
        return ERROR_SUCCESS;
    }
    const DWORD room = *length;
    *length = size;
    if (room > size) {
        text.copy(buffer, size);
        buffer[size] = 0;
        return ERROR_SUCCESS;
    }
    if (room > 0) {
        text.copy(buffer, room - 1);
        buffer[room - 1] = 0;
    }
    return ERROR_MORE_DATA;
}

std::string forLog(std::u16string_view text) {
    std::string out;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] >= 0x20)
            continue;
        out += toUtf8(text.substr(start, i - start));
        if (i < text.size()) {
            char code[12];
            std::snprintf(code, sizeof code, "<U+%04X>", static_cast<unsigned>(text[i]));
            out += code;
        }
        start = i + 1;
    }
    return out;
}

} // namespace msitext
