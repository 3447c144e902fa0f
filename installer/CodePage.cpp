#include "CodePage.h"

#include "Encoding.h"

namespace codepage {

std::string toMultiByte(std::u16string_view text, unsigned codePage) {
    switch (codePage) {
    case CP_ACP:
    case CP_UTF8:
        return encoding::utf16ToUtf8(text);
    case kWindows1252:
        return encoding::utf16ToCp1252(text);
    case kLatin1: {
        std::string out;
        for (const char16_t c : text)
            out += c <= 0xFF ? static_cast<char>(c) : '?';
        return out;
    }
    default:
        return {};
    }
}

std::u16string fromMultiByte(std::string_view bytes, unsigned codePage) {
    switch (codePage) {
    case CP_ACP:
    case CP_UTF8:
        return encoding::utf8ToUtf16(bytes);
    case kWindows1252:
        return encoding::cp1252ToUtf16(bytes);
    case kLatin1: {
        std::u16string out;
        for (const char c : bytes)
            out += static_cast<char16_t>(static_cast<unsigned char>(c));
        return out;
    }
    default:
        return {};
    }
}

std::string toUtf8(std::u16string_view text) {
    return toMultiByte(text, CP_UTF8);
}

std::string lowBytes(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text)
        out += static_cast<char>(c & 0xFF);
    return out;
}

} // namespace codepage
