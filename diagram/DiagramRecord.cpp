#include "DiagramRecord.h"

#include "CTime.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace DiagramRecord {

namespace {

locale_t cLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

struct Escape {
    const char* text;
    const char* word;
};
const Escape kEscapes[] = {{":", "\\colon"}, {";", "\\semicolon"}, {",", "\\comma"}};

// CR LF pairs, then lone CRs and LFs, as "\newline".
void replaceLineBreaks(CString& text) {
    if (text.FindOneOf("\r\n") < 0)
        return;
    text.Replace("\r\n", "\\newline");
    text.Replace("\r", "\\newline");
    text.Replace("\n", "\\newline");
}

} // namespace

CString escape(const CString& text) {
    CString escaped = text;
    if (escaped.FindOneOf(":;,\r\n") < 0)
        return escaped;
    for (const Escape& e : kEscapes)
        escaped.Replace(e.text, e.word);
    replaceLineBreaks(escaped);
    return escaped;
}

CString unescape(const CString& text) {
    CString plain = text;
    if (plain.Find('\\') < 0)
        return plain;
    for (const Escape& e : kEscapes)
        plain.Replace(e.word, e.text);
    plain.Replace("\\newline", "\r\n");
    return plain;
}

CString withoutLineBreaks(const CString& text) {
    CString written = text;
    replaceLineBreaks(written);
    return written;
}

double readDouble(const CString& text) {
    return strtod_l(text.GetString(), nullptr, cLocale());
}

int readInt(const CString& text) {
    const long value = strtol_l(text.GetString(), nullptr, 10, cLocale());
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int readGroup(const CString& text) {
    return std::clamp(readInt(text), -kGroupLimit, kGroupLimit);
}

double readClampedDouble(const CString& text) {
    const double value = readDouble(text);
    if (std::isnan(value))
        return 0.0;
    if (value > kCoordinateLimit)
        return kCoordinateLimit;
    if (value < -kCoordinateLimit)
        return -kCoordinateLimit;
    return value;
}

double readCoordinate(const CString& text) {
    const double value = readClampedDouble(text);
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    double rounded = value;
    std::from_chars(digits, written.ptr, rounded);
    return rounded;
}

void appendFixed(std::string& out, double value) {
    // Room for the largest double written in full.
    char digits[400];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6);
    out.append(digits, written.ptr);
}

CString splitRecordType(CString& text) {
    const int colon = text.Find(':');
    if (colon < 0)
        return CString();
    CString type = text.Left(colon);
    type.Trim();
    text = text.Mid(colon + 1);
    text.Trim();
    return type;
}

void dropFinalSemicolon(CString& fields) {
    std::string& s = fields.str();
    if (!s.empty() && s.back() == ';')
        s.pop_back();
}

CString makeUniqueEntityName() {
    static std::atomic<int> counter{0};
    CString name;
    name.Format("G%ld%d", static_cast<long>(CTime::GetCurrentTime().GetTime()), counter++);
    return name;
}

Writer::Writer(const CString& type) : m_line(type.str()) {
    m_line.reserve(160);
    m_line += ':';
}

void Writer::separate() {
    if (!m_first)
        m_line += ',';
    m_first = false;
}

Writer& Writer::number(double value) {
    separate();
    appendFixed(m_line, value);
    return *this;
}

Writer& Writer::integer(long value) {
    separate();
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    m_line.append(digits, written.ptr);
    return *this;
}

Writer& Writer::text(const CString& value) {
    separate();
    m_line += escape(value).str();
    return *this;
}

Writer& Writer::plain(const CString& value) {
    separate();
    m_line += withoutLineBreaks(value).str();
    return *this;
}

Writer& Writer::end() {
    m_line += ';';
    return *this;
}

} // namespace DiagramRecord
