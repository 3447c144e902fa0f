#pragma once

// Code-page conversions of Tarnwick's text. The system code page (CP_ACP) is
// UTF-8 here. Windows-1252 uses its real map (its five unassigned bytes
// stand for the C1 controls of the same value, as the system converts
// them); ISO-8859-1 maps each byte to the code of the same number. A code
// page that the library does not know converts to the empty text, as a
// refused conversion does.

#include <string>
#include <string_view>

namespace codepage {

constexpr unsigned CP_ACP = 0;
constexpr unsigned CP_UTF8 = 65001;
constexpr unsigned kWindows1252 = 1252;
constexpr unsigned kLatin1 = 28591;

// Characters that the code page cannot hold become "?".
std::string toMultiByte(std::u16string_view text, unsigned codePage);
std::u16string fromMultiByte(std::string_view bytes, unsigned codePage);
std::string toUtf8(std::u16string_view text);
// The low byte of every UTF-16 unit, in order (the "US-ASCII" encoding).
std::string lowBytes(std::u16string_view text);

} // namespace codepage
