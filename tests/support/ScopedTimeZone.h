#pragma once

// Runs a test in a fixed time zone, and gives the clock back afterwards.

#include "CTime.h"

#include <cstdlib>
#include <ctime>
#include <string>

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone = "UTC") {
        const char* old = std::getenv("TZ");
        m_hadZone = old != nullptr;
        if (old)
            m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        CTime::setClockForTests(0);
        if (m_hadZone)
            setenv("TZ", m_old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadZone = false;
    std::string m_old;
};
