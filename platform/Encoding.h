#pragma once

// Text inside the program is Windows-1252 bytes, as the original kept it.
// These helpers convert at the edges (file names on disk, UTF-16 text) and
// fold case the way the code page defines it.

#include <string>
#include <string_view>

namespace encoding {

// Every byte maps to one code point (the five unassigned bytes map to the
// C1 control of the same value), so the round trip is lossless.
std::string cp1252ToUtf8(std::string_view text);

// Code points that Windows-1252 cannot hold become '?'. Bytes that are not
// valid UTF-8 are taken as Windows-1252 bytes and kept as they are.
std::string utf8ToCp1252(std::string_view text);

// Whether the bytes form valid UTF-8 (ASCII included).
bool isValidUtf8(std::string_view text);

std::u16string cp1252ToUtf16(std::string_view text);
std::string utf16ToCp1252(std::u16string_view text);

// Lossless conversions between UTF-16 and UTF-8 (a lone surrogate becomes
// U+FFFD), for files kept in their own encoding.
std::string utf16ToUtf8(std::u16string_view text);
std::u16string utf8ToUtf16(std::string_view text);

// Valid UTF-8 sequences kept; any other byte taken as Windows-1252.
std::string toValidUtf8(std::string_view text);

// Lower-cases the characters of UTF-8 text that Windows-1252 holds, as
// toLower does on the code page; every other character stays as it is
// (bytes that are not UTF-8 are taken as Windows-1252, as in toValidUtf8).
std::string toLowerUtf8(std::string_view text);

// Whether every byte of the text is ASCII, the same in every encoding here.
bool isAscii(std::string_view text);

char toLower(char c);
char toUpper(char c);
std::string toLower(std::string_view text);
std::string toUpper(std::string_view text);

// <0, 0, >0 like strcmp, after folding both sides to lower case.
int compareNoCase(std::string_view a, std::string_view b);
inline bool equalsNoCase(std::string_view a, std::string_view b) {
    return compareNoCase(a, b) == 0;
}

// The value of a hexadecimal digit of either case; -1 for any other character.
int hexDigit(char c);

} // namespace encoding
