#pragma once

// Text conversions of the page editor: HTML text as it leaves the document
// (every character above 126 as a numeric reference), the cutting of an
// enclosing tag or of a leading or trailing piece, CSS lengths in pixels,
// and the file addresses of pages and pictures.

#include "CString.h"

#include <string>
#include <string_view>

// UTF-8 text with every code point above 126 written as "&#x%04X;" (one
// reference per code point, so a character beyond the 16-bit range is one
// reference of five or six digits). Bytes that are not UTF-8 are taken as
// Windows-1252 characters.
CString escapeWide(std::string_view utf8);

// The html without its enclosing tag: trimmed of blanks, tabs and line ends,
// and when it begins with "<" + tag and ends with "</" + tag + ">" (case
// ignored), the text between the end of the opening tag and the closing one.
CString stripEnclosingTag(const CString& html, const CString& tag);

// The text without part at its end (fromEnd) or at its start, compared
// ignoring case; the text as it is when part is not there or either is empty.
CString stripAffix(const CString& text, const CString& part, int fromEnd);

// Pixels of a CSS length: its leading decimal number, converted by the
// first unit found after its first character ("pt", "mm", "cm", "pc",
// "in"); pixels when there is none; 0 without a number.
int cssLengthToPx(const CString& text);

// The "file://" address of a file-system path (UTF-8, '/'), every byte
// outside the letters, digits and "-._~/" percent-encoded.
std::string pathToFileUrl(const std::string& diskPath);
// The text with every "%" and two hexadecimal digits replaced by the byte they give.
std::string percentDecoded(std::string_view text);
// The address by which a page in pageFolder refers to a file (both
// file-system paths): its name, percent-encoded as above, when it lies in
// that folder, so that the page works from disk and from a web server
// alike; its "file://" address otherwise.
std::string addressFromPage(const std::string& filePath, const std::string& pageFolder);
// The file-system path of a "file:" address (percent-decoded, host part
// dropped); empty for any other address.
std::string fileUrlToPath(std::string_view url);

// The file-system path of a picture or link address when it names a local
// file: a "file:" address, or a relative or absolute path resolved against
// baseFolder (a file-system folder without trailing '/'); "." and ".."
// segments resolved. Empty for an address of another scheme (a web address).
std::string localPathOf(std::string_view address, const std::string& baseFolder);
// The folder of a path (up to its last '/'), without the '/'.
std::string folderOf(const std::string& path);
