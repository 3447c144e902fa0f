#pragma once

// Text helpers of the installer stand-in: UTF-8 at the edges (libmsi, the
// log), the buffer rule of every call that answers a text, integers as the
// installer reads them.

#include "Msi.h"

#include <optional>
#include <string>
#include <string_view>

namespace msitext {

std::u16string fromUtf8(std::string_view text);
std::string toUtf8(std::u16string_view text);
// A null pointer reads as the empty text.
std::u16string fromPointer(const char16_t* text);

// The whole text as a signed 32-bit integer: an optional "-" and digits,
// nothing else; none for any other text or a value out of range.
std::optional<int> toInteger(std::u16string_view text);

// Upper case of the letters a-z and of the Latin-1 letters, for the
// installer's comparisons that ignore case.
std::u16string toUpper(std::u16string_view text);

// Answers a text into a caller's buffer: with a null buffer only the length;
// with a buffer too small for the text and its NUL, as much as fits and
// ERROR_MORE_DATA; the length always becomes the text's length.
UINT copyOut(std::u16string_view text, char16_t* buffer, DWORD* length);

// A text for the log: UTF-8 with control characters written as <U+0001>.
std::string forLog(std::u16string_view text);

} // namespace msitext
