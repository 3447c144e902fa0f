#include "WxText.h"

#include "Encoding.h"

// Converted through the program's own code-page table rather than the
// system's converter, which refuses a whole text for one of the five bytes
// that Windows-1252 leaves unassigned.

wxString toWx(const CString& text) {
    return wxString::FromUTF8(encoding::cp1252ToUtf8(text.str()));
}

wxString toWx(const char* text) {
    return toWx(CString(text));
}

CString fromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return CString(encoding::utf8ToCp1252(std::string_view(utf8.data(), utf8.length())));
}
