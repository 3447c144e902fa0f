#include "CTime.h"

#include <atomic>
#include <locale.h>
#include <string>

namespace {

std::atomic<std::time_t> g_fixedClock{0};

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

// Windows writes "%#d" for a day without its leading zero; strftime says "%-d".
std::string translateFormat(const char* format) {
    std::string out;
    for (const char* p = format; *p; ++p) {
        out += *p;
        if (*p == '%' && p[1] == '#') {
            out += '-';
            ++p;
        } else if (*p == '%' && p[1] == '%') {
            out += '%';
            ++p;
        }
    }
    return out;
}

CString formatTm(const std::tm& tm, const char* format) {
    if (!format || !*format)
        return CString();
    const std::string fmt = translateFormat(format);
    std::string out(256, '\0');
    for (;;) {
        const size_t n = strftime_l(out.data(), out.size(), fmt.c_str(), &tm, cLocale());
        if (n > 0 || out.size() > 64 * fmt.size() + 256) {
            out.resize(n);
            return CString(out);
        }
        out.resize(out.size() * 2);
    }
}

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = dst < 0 ? -1 : (dst > 0 ? 1 : 0);
    m_time = std::mktime(&tm);
}

CTime CTime::GetCurrentTime() {
    const std::time_t fixed = g_fixedClock.load();
    return CTime(fixed != 0 ? fixed : std::time(nullptr));
}

void CTime::setClockForTests(std::time_t fixed) { g_fixedClock.store(fixed); }

std::tm CTime::local() const {
    std::tm tm{};
    localtime_r(&m_time, &tm);
    return tm;
}

CString CTime::Format(const char* format) const { return formatTm(local(), format); }

CString CTime::FormatGmt(const char* format) const {
    std::tm tm{};
    gmtime_r(&m_time, &tm);
    return formatTm(tm, format);
}
