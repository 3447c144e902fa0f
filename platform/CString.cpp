#include "CString.h"

#include "Encoding.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <locale.h>

namespace {

const char* kWhitespace = " \t\n\v\f\r";

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

// Runs the formatting with the C locale current on this thread, so that
// "%f" always writes a '.' even when the GUI toolkit set the user's locale.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }

private:
    locale_t m_previous;
};

} // namespace

CString::CString(const char* text, int length) {
    if (text && length > 0)
        m_s.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0)
        m_s.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        return '\0';
    return m_s[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    if (index >= 0 && index < GetLength())
        m_s[static_cast<size_t>(index)] = ch;
}

int CString::Find(char ch, int start) const {
    if (start < 0)
        start = 0;
    if (start >= GetLength())
        return -1;
    const size_t pos = m_s.find(ch, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(const char* sub, int start) const {
    if (!sub)
        return -1;
    if (start < 0)
        start = 0;
    if (start > GetLength())
        return -1;
    const size_t pos = m_s.find(sub, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
    const size_t pos = m_s.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(const char* chars) const {
    if (!chars || !*chars)
        return -1;
    const size_t pos = m_s.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength() - first);
}

CString CString::Mid(int first, int count) const {
    if (first < 0)
        first = 0;
    if (count < 0)
        count = 0;
    if (first >= GetLength())
        return CString();
    if (count > GetLength() - first)
        count = GetLength() - first;
    return CString(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(0, static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_s.substr(m_s.size() - static_cast<size_t>(count)));
}

CString CString::SpanIncluding(const char* chars) const {
    const size_t n = m_s.find_first_not_of(chars ? chars : "");
    return Left(n == std::string::npos ? GetLength() : static_cast<int>(n));
}

CString CString::SpanExcluding(const char* chars) const {
    if (!chars || !*chars)
        return *this;
    const size_t n = m_s.find_first_of(chars);
    return Left(n == std::string::npos ? GetLength() : static_cast<int>(n));
}

void CString::MakeUpper() {
    m_s = encoding::toUpper(m_s);
}

void CString::MakeLower() {
    m_s = encoding::toLower(m_s);
}

void CString::MakeReverse() {
    std::reverse(m_s.begin(), m_s.end());
}

int CString::Replace(char oldCh, char newCh) {
    int count = 0;
    for (char& c : m_s)
        if (c == oldCh) {
            c = newCh;
            ++count;
        }
    return count;
}

int CString::Replace(const char* oldText, const char* newText) {
    if (!oldText || !*oldText)
        return 0;
    const std::string_view from(oldText);
    const std::string_view to(newText ? newText : "");
    int count = 0;
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = m_s.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
        out.append(m_s, pos, hit - pos);
        out.append(to);
        ++count;
    }
    if (count) {
        out.append(m_s, pos);
        m_s.swap(out);
    }
    return count;
}

int CString::Remove(char ch) {
    const auto before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return static_cast<int>(before - m_s.size());
}

int CString::Insert(int index, char ch) {
    index = std::clamp(index, 0, GetLength());
    m_s.insert(static_cast<size_t>(index), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text) {
    index = std::clamp(index, 0, GetLength());
    if (text)
        m_s.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index < 0)
        index = 0;
    if (count > 0 && index < GetLength()) {
        count = std::min(count, GetLength() - index);
        m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    }
    return GetLength();
}

CString& CString::TrimLeft() {
    return TrimLeft(kWhitespace);
}

CString& CString::TrimLeft(char ch) {
    const char set[2] = {ch, '\0'};
    if (ch == '\0')
        return *this;
    return TrimLeft(set);
}

CString& CString::TrimLeft(const char* chars) {
    const size_t n = m_s.find_first_not_of(chars ? chars : "");
    m_s.erase(0, n == std::string::npos ? m_s.size() : n);
    return *this;
}

CString& CString::TrimRight() {
    return TrimRight(kWhitespace);
}

CString& CString::TrimRight(char ch) {
    const char set[2] = {ch, '\0'};
    if (ch == '\0')
        return *this;
    return TrimRight(set);
}

CString& CString::TrimRight(const char* chars) {
    const size_t n = m_s.find_last_not_of(chars ? chars : "");
    m_s.erase(n == std::string::npos ? 0 : n + 1);
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char ch) {
    return TrimRight(ch).TrimLeft(ch);
}

CString& CString::Trim(const char* chars) {
    return TrimRight(chars).TrimLeft(chars);
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    if (!format) {
        m_s.clear();
        return;
    }
    CLocaleScope scope;
    char small[256];
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) {
        m_s.clear();
        return;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        m_s.assign(small, static_cast<size_t>(n));
        return;
    }
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(n));
    m_s.swap(out);
}

int CString::Compare(const char* other) const {
    const int r = std::strcmp(m_s.c_str(), other ? other : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* other) const {
    return encoding::compareNoCase(m_s.c_str(), other ? other : "");
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_s.resize(static_cast<size_t>(minLength));
    return m_s.data();
}

char* CString::GetBufferSetLength(int length) {
    m_s.resize(static_cast<size_t>(std::max(length, 0)));
    return m_s.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(strnlen(m_s.c_str(), m_s.size()));
    m_s.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

CString& CString::operator=(const char* text) {
    m_s = text ? text : "";
    return *this;
}

CString& CString::operator=(const std::string& text) {
    m_s = text;
    return *this;
}

CString& CString::operator=(char ch) {
    m_s.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text) {
    m_s += text.m_s;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text)
        m_s += text;
    return *this;
}

CString& CString::operator+=(char ch) {
    m_s += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.str() + b.str());
}
CString operator+(const CString& a, const char* b) {
    return CString(a) += b;
}
CString operator+(const char* a, const CString& b) {
    return CString(a) += b;
}
CString operator+(const CString& a, char b) {
    return CString(a) += b;
}
CString operator+(char a, const CString& b) {
    return CString(a) += b;
}

bool operator==(const CString& a, const CString& b) {
    return a.str() == b.str();
}
bool operator==(const CString& a, const char* b) {
    return a.Compare(b) == 0;
}
bool operator==(const char* a, const CString& b) {
    return b.Compare(a) == 0;
}
bool operator!=(const CString& a, const CString& b) {
    return !(a == b);
}
bool operator!=(const CString& a, const char* b) {
    return !(a == b);
}
bool operator!=(const char* a, const CString& b) {
    return !(a == b);
}
bool operator<(const CString& a, const CString& b) {
    return a.Compare(b) < 0;
}
bool operator<(const CString& a, const char* b) {
    return a.Compare(b) < 0;
}
bool operator<(const char* a, const CString& b) {
    return b.Compare(a) > 0;
}
bool operator>(const CString& a, const CString& b) {
    return a.Compare(b) > 0;
}
bool operator<=(const CString& a, const CString& b) {
    return a.Compare(b) <= 0;
}
bool operator>=(const CString& a, const CString& b) {
    return a.Compare(b) >= 0;
}
std::strong_ordering operator<=>(const CString& a, const CString& b) {
    return a.Compare(b) <=> 0;
}
std::strong_ordering operator<=>(const CString& a, const char* b) {
    return a.Compare(b) <=> 0;
}
