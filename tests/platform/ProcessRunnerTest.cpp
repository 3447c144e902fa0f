#include "ProcessRunner.h"
#include "FakeProgram.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

TEST(ProcessRunnerTest, ArgumentsReachTheProgramUntouchedByAnyShell) {
    TempDir dir;
    FakeProgram program(dir, "ss");
    const auto result = process::run({"ss", "Get", "$(touch " + CString(dir.path().c_str()) + "pwned)", "a b;c"}, true);
    ASSERT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(dir.read("args.txt"), "Get\n$(touch " + dir.path() + "pwned)\na b;c\n");
    EXPECT_FALSE(dir.exists("pwned"));
}

TEST(ProcessRunnerTest, AMissingProgramIsReportedNotACrash) {
    const auto result = process::run({"no-such-program-tolvane"}, true);
    EXPECT_FALSE(result.started);
    EXPECT_NE(result.error.Find("no-such-program-tolvane"), -1);
}

TEST(ProcessRunnerTest, DesktopHandlerGetsFileSystemPathsAndAddresses) {
    TempDir dir;
    FakeProgram opener(dir, "xdg-open");
    dir.write("Site/Index.htm", "x");
    ASSERT_TRUE(process::openWithDesktop((dir.path() + "site\\index.htm").c_str()));
    EXPECT_EQ(opener.arguments(), dir.path() + "Site/Index.htm\n");
    std::remove((dir / "args.txt").c_str());
    ASSERT_TRUE(process::openWithDesktop("https://example.org/a\\b"));
    EXPECT_EQ(opener.arguments(), "https://example.org/a\\b\n");
}

TEST(ProcessRunnerTest, TextFilesOpenInTheUsersEditor) {
    TempDir dir;
    FakeProgram editor(dir, "myeditor");
    dir.write("trad.ini", "[TRAD]\r\n");
    setenv("VISUAL", "myeditor --wait", 1);
    const bool ok = process::openInTextEditor((dir / "trad.ini").c_str());
    unsetenv("VISUAL");
    ASSERT_TRUE(ok);
    EXPECT_EQ(editor.arguments(), "--wait\n" + dir.path() + "trad.ini\n");
}

TEST(ProcessRunnerTest, WithoutADesktopHandlerTheUserIsTold) {
    RecordingUserInterface recorder;
    const std::string oldPath = std::getenv("PATH");
    setenv("PATH", "/nonexistent", 1);
    // A folder as the program names it, the user is shown a path of this system.
    const bool ok = process::openWithDesktop("/p/proj/tmp\\");
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_FALSE(ok);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              "\"/p/proj/tmp/\" could not be opened: the desktop's opener xdg-open is "
              "missing (package xdg-utils).");
}

// The messages posted by the threads that wait for started programs, once
// there are as many as expected (or after five seconds).
std::vector<RecordingUserInterface::Message> postedMessages(const RecordingUserInterface& recorder,
                                                            size_t expected) {
    for (int i = 0; i < 500 && recorder.postedMessages().size() < expected; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return recorder.postedMessages();
}

TEST(ProcessRunnerTest, AnOpenerThatFailsLaterIsReportedThen) {
    // The exit statuses of the desktop's opener, and another program's.
    const struct {
        const char* program;
        int exitCode;
        const char* message; // null: nothing to say
    } cases[] = {
        {"xdg-open", 0, nullptr},
        {"xdg-open", 3,
         "\"/p/index.htm\" could not be opened: no program on this system is set up to open it "
         "(xdg-open found none)."},
        {"xdg-open", 2, "\"/p/index.htm\" could not be opened: it does not exist."},
        {"xdg-open", 4,
         "\"/p/index.htm\" could not be opened: the program that opens it failed (xdg-open ended "
         "with status 4)."},
        // A browser's messages name the page as the user knows it.
        {"browser", 1,
         "\"/p index.htm\" could not be opened: the program that opens it failed (browser ended "
         "with status 1)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + std::to_string(c.exitCode));
        TempDir dir;
        FakeProgram program(dir, c.program, c.exitCode);
        RecordingUserInterface recorder;
        const bool started = std::string(c.program) == "xdg-open"
                                 ? process::openWithDesktop("/p/index.htm")
                                 : process::startBrowser(c.program, "/p/index.htm", "/p index.htm");
        EXPECT_TRUE(started);
        EXPECT_EQ(program.arguments(), "/p/index.htm\n");
        const auto posted = postedMessages(recorder, c.message ? 1 : 0);
        EXPECT_TRUE(recorder.messages.empty());
        if (!c.message) {
            EXPECT_TRUE(posted.empty());
            continue;
        }
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_EQ(posted[0].text, c.message);
        EXPECT_EQ(posted[0].style & MB_ICONMASK, MB_ICONSTOP);
    }
}

} // namespace
