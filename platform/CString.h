#pragma once

// The program's string: bytes in the Windows-1252 code page, with the
// operations of the class library's string that the program uses. Indexes
// are 0-based; "not found" is -1; out-of-range arguments are clamped the way
// the original class clamps them. Case operations fold the code page's
// letters, accented ones included.

#include <compare>
#include <cstdarg>
#include <functional>
#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_s(text ? text : "") {}
    CString(const char* text, int length);
    CString(const std::string& text) : m_s(text) {}
    CString(std::string&& text) : m_s(std::move(text)) {}
    explicit CString(std::string_view text) : m_s(text) {}
    explicit CString(char ch, int repeat = 1);

    // Length and access.
    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    char GetAt(int index) const;
    char operator[](int index) const { return GetAt(index); }
    char operator[](size_t index) const { return GetAt(static_cast<int>(index)); }
    void SetAt(int index, char ch);
    operator const char*() const { return m_s.c_str(); }
    const char* GetString() const { return m_s.c_str(); }
    const std::string& str() const { return m_s; }
    std::string& str() { return m_s; }

    // Search.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;

    // Extraction.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* chars) const;
    CString SpanExcluding(const char* chars) const;

    // Changes in place.
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* chars);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* chars);
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* chars);

    // Formatting, always in the C locale whatever the user's locale.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);

    // Comparison.
    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;
    int Collate(const char* other) const { return Compare(other); }
    int CollateNoCase(const char* other) const { return CompareNoCase(other); }

    // Raw buffer access for calls that fill a character buffer.
    char* GetBuffer(int minLength);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    CString& operator=(const char* text);
    CString& operator=(const std::string& text);
    CString& operator=(char ch);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

private:
    std::string m_s;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const char* b);
CString operator+(const char* a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator<(const CString& a, const char* b);
bool operator<(const char* a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
// Pairs, tuples and other composite keys compare texts through these; the
// conversion to a pointer would otherwise make them compare addresses.
std::strong_ordering operator<=>(const CString& a, const CString& b);
std::strong_ordering operator<=>(const CString& a, const char* b);

template <> struct std::hash<CString> {
    size_t operator()(const CString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
