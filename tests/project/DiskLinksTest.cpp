#include "DiskLinks.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A site made on Windows: "site/home" holds "Overview.htm", which the
// program's links call "site/Home/overview.htm".
TEST(DiskLinksTest, ALinkToAFileThatExistsTakesItsSpelling) {
    TempDir dir;
    dir.write("p/site/home/Overview.htm", "");
    dir.write("p/applet/empty.htm", "");
    const struct {
        const char* folder; // below the temporary folder
        const char* link;
        const char* spelled;
    } cases[] = {
        {"p", "site/Home/overview.htm", "site/home/Overview.htm"},
        {"p/", "./site/HOME/overview.htm#top", "./site/home/Overview.htm#top"},
        {"p/applet", "../site/Home/overview.htm?x=1", "../site/home/Overview.htm?x=1"},
        {"p\\applet\\", "..\\site\\Home\\overview.htm", "..\\site\\home\\Overview.htm"},
        {"p/site/../applet", "../site/Home/overview.htm", "../site/home/Overview.htm"},
        {"p", "site/HOME", "site/home"},                         // a folder
        {"p", "applet/empty.htm", "applet/empty.htm"},           // already right
        {"p", "site/Home/missing.htm", "site/Home/missing.htm"}, // not there: as written
        {"p", "site/Home/../home/overview.htm", "site/Home/../home/overview.htm"},
        {"p", "http://example.org/site/Home", "http://example.org/site/Home"},
        {"p", "", ""},
        {"p", "#Top", "#Top"},
    };
    for (const auto& c : cases) {
        DiskLinks links((dir / c.folder).c_str());
        EXPECT_EQ(links.get(c.link), c.spelled) << c.folder << " " << c.link;
    }
    // Above the root there is nothing to find.
    DiskLinks fromRoot("/");
    EXPECT_EQ(fromRoot.get("../../Etc"), "../../Etc");
}

} // namespace
