#include "FuzzProperty.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Control characters and bytes outside ASCII shown as escapes, cut to a readable length.
std::string printable(std::string_view text) {
    constexpr size_t kShown = 600;
    std::string out;
    for (size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    if (text.size() > kShown)
        out += "...";
    return out;
}

} // namespace

void fuzzFail(std::string_view property, std::string_view detail) {
    std::fprintf(stderr, "\nPROPERTY FAILED: %.*s\n", static_cast<int>(property.size()), property.data());
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", printable(detail).c_str());
    std::fflush(stderr);
    std::abort();
}

FuzzParts fuzzSplit(std::string_view bytes) {
    constexpr std::string_view kSeparator = "%%%%";
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find('\n', at);
        const size_t lineEnd = end == std::string_view::npos ? bytes.size() : end;
        std::string_view line = bytes.substr(at, lineEnd - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line == kSeparator) {
            const size_t rest = end == std::string_view::npos ? bytes.size() : end + 1;
            return {bytes.substr(0, at), bytes.substr(rest), true};
        }
        if (end == std::string_view::npos)
            break;
        at = end + 1;
    }
    return {bytes, {}, false};
}
