#pragma once

// The text operations on which Tarnwick's rules rest, on UTF-16 text.
// Comparisons that ignore case fold only the letters A to Z, as the C
// run-time's wide comparisons do in the "C" locale.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// The pieces between occurrences of the separator; empty pieces stay (a
// trailing one too); an empty text gives no pieces.
std::vector<std::u16string> split(std::u16string_view text, std::u16string_view separator);
// Every occurrence of what, left to right, the search going on after the
// inserted text; an empty text or an empty what leaves the text as it is.
std::u16string replaceAll(std::u16string_view text, std::u16string_view what, std::u16string_view with);
// False for an empty prefix (suffix) or a text shorter than it.
bool startsWith(std::u16string_view prefix, std::u16string_view text, bool caseSensitive);
bool endsWith(std::u16string_view text, std::u16string_view suffix, bool caseSensitive);
std::u16string trimRight(std::u16string_view text, std::u16string_view set);
std::u16string trimLeft(std::u16string_view text, std::u16string_view set);
std::u16string trim(std::u16string_view text, std::u16string_view set);
bool equals(std::u16string_view a, std::u16string_view b, bool caseSensitive);

std::u16string toText(std::int32_t value);
std::u16string toTextUnsigned(std::uint32_t value);
// Optional leading white space and sign, then the decimal digits up to the
// first other character; 0 without digits; kept within the 32-bit range.
std::int32_t toInt(std::u16string_view text);

// The index of the first unit of text that starts a character no XML
// document can hold, not even as a reference: a control character but tab,
// line feed and carriage return, U+FFFE, U+FFFF, or half a surrogate pair
// (a whole pair is a character beyond U+FFFF). npos when there is none.
size_t findNonXmlCharacter(std::u16string_view text);
// For attribute values: quotes, "&", "<", ">" as entities and tab and the
// line ends as character references.
std::u16string escapeAttribute(std::u16string_view text);
// For character data: "&", "<", ">" as entities; tab and the line ends stay.
std::u16string escapeText(std::u16string_view text);

} // namespace text
