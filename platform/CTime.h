#pragma once

// A point in time in whole seconds, with the class library's accessors and
// strftime-style formatting in the C locale (English day and month names
// whatever the user's locale). The current time comes from a clock that
// tests can set.

#include "CString.h"

#include <ctime>

class CTime {
public:
    CTime() = default;
    CTime(std::time_t time) : m_time(time) {}
    // Local time; dst < 0 lets the system decide whether daylight saving applies.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    static CTime GetCurrentTime();

    std::time_t GetTime() const { return m_time; }
    int GetYear() const { return local().tm_year + 1900; }
    int GetMonth() const { return local().tm_mon + 1; }
    int GetDay() const { return local().tm_mday; }
    int GetHour() const { return local().tm_hour; }
    int GetMinute() const { return local().tm_min; }
    int GetSecond() const { return local().tm_sec; }
    int GetDayOfWeek() const { return local().tm_wday + 1; } // 1 = Sunday

    // Local time. Besides the strftime codes, "%#d" and the like drop the
    // leading zero, as on Windows.
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;

    bool operator==(const CTime& o) const { return m_time == o.m_time; }
    bool operator!=(const CTime& o) const { return m_time != o.m_time; }
    bool operator<(const CTime& o) const { return m_time < o.m_time; }
    bool operator>(const CTime& o) const { return m_time > o.m_time; }
    std::time_t operator-(const CTime& o) const { return m_time - o.m_time; }

    // Tests fix the clock; 0 returns to the system clock.
    static void setClockForTests(std::time_t fixed);

private:
    std::tm local() const;
    std::time_t m_time = 0;
};
