#include "CTime.h"
#include "ScopedTimeZone.h"

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {

class CTimeTest : public testing::Test {
protected:
    ScopedTimeZone m_zone;
};

TEST_F(CTimeTest, FormatsTheLogBannerAndDatesInEnglish) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "fr_FR.UTF-8"); // may be absent; the names must be English anyway
    const CTime t(2026, 12, 8, 19, 5, 0);
    EXPECT_STREQ(t.Format("%A, %B %d, %Y - %H:%M:%S"), "Tuesday, December 08, 2026 - 19:05:00");
    EXPECT_STREQ(t.Format("%d/%m/%Y"), "08/12/2026");
    EXPECT_STREQ(t.Format("%#d/%#m"), "8/12");
    EXPECT_STREQ(t.Format("100%%"), "100%");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST_F(CTimeTest, ClockCanBeFixedByTests) {
    CTime::setClockForTests(1366924402);
    EXPECT_EQ(CTime::GetCurrentTime().GetTime(), 1366924402);
    const CTime now = CTime::GetCurrentTime();
    EXPECT_EQ(now.GetYear(), 2013);
    EXPECT_EQ(now.GetMonth(), 4);
    EXPECT_EQ(now.GetDay(), 25);
    EXPECT_EQ(now.GetDayOfWeek(), 5); // Thursday
    CTime::setClockForTests(0);
    EXPECT_GT(CTime::GetCurrentTime().GetTime(), 1366924402);
}

TEST_F(CTimeTest, BuildsLocalTimesFromTheirParts) {
    const CTime t(1980, 1, 1, 0, 0, 0);
    EXPECT_EQ(t.GetTime(), 315532800);
    EXPECT_EQ(CTime(1980, 1, 2, 0, 0, 0) - t, 86400);
    EXPECT_TRUE(t < CTime(1980, 1, 2, 0, 0, 0));
}

} // namespace
