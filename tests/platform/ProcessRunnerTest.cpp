#include "ProcessRunner.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

// Puts a script of that name first on PATH for the test's lifetime; it writes
// its arguments, one per line, into a file.
class FakeProgram {
public:
    FakeProgram(const TempDir& dir, const std::string& name) : m_dir(dir) {
        dir.write("bin/" + name, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + dir.path() +
                                     "args.txt\"\n");
        chmod((dir / ("bin/" + name)).c_str(), 0755);
        m_oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (dir / "bin:" + m_oldPath).c_str(), 1);
    }
    ~FakeProgram() { setenv("PATH", m_oldPath.c_str(), 1); }

    // The arguments of the last run, waiting for a program started without waiting.
    std::string arguments() const {
        for (int i = 0; i < 500 && !m_dir.exists("args.txt"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        for (int i = 0; i < 50 && m_dir.read("args.txt").empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return m_dir.read("args.txt");
    }

private:
    const TempDir& m_dir;
    std::string m_oldPath;
};

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
    const bool ok = process::openWithDesktop("/tmp");
    setenv("PATH", oldPath.c_str(), 1);
    EXPECT_FALSE(ok);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].text.Find("xdg-open"), -1);
}

} // namespace
