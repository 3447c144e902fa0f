// The program itself, started on a copy of the demo under a window manager
// and driven from outside by the pointer: the tip of the day comes over the
// main window and holds it until it is closed, and "Exit" then ends the
// process, whatever was closed first.

#include "AppProfile.h"
#include "DialogLook.h"
#include "MenuCreatorDlg.h"
#include "RealEvents.h"
#include "RunProgram.h"
#include "TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace realevents;
using namespace std::chrono_literals;

namespace {

class ProgramWindowsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(waitUntil(windowManagerRuns)) << "no window manager on the display";
        std::filesystem::copy(TOLVANE_DEMO_DIR, m_dir / "Demo", std::filesystem::copy_options::recursive);
        // The program shares the test's profile folder.
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 1);
        m_pid = startProgram({TOLVANE_PROGRAM, m_dir / "Demo/Demo.tvx"});
        ASSERT_GT(m_pid, 0);
        ASSERT_TRUE(waitUntil([this] { return (m_main = findShownWindow("Maravex Tolvane", false)) != 0; }))
            << "no main window";
        ASSERT_TRUE(waitUntil([this] { return (m_tip = findShownWindow("Tip of the Day", true)) != 0; }))
            << "no tip of the day";
        // The window manager has put both up (the main one maximised).
        waitUntil([this] { return screenRectOf(m_main).width > 1000; }, 5s);
    }
    void TearDown() override {
        if (m_pid > 0 && !ended()) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    // Whether the program has ended; its exit status is then kept.
    bool ended() {
        int status = 0;
        if (m_exitStatus == kRunning && waitpid(m_pid, &status, WNOHANG) == m_pid)
            m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : kAbnormalEnd;
        return m_exitStatus != kRunning;
    }
    // The program's exit status once it ended within the time; kRunning
    // when it did not.
    int exitStatusWithin(std::chrono::milliseconds timeout) {
        waitUntil([this] { return ended(); }, timeout);
        return m_exitStatus;
    }
    // Where "Exit" is on the screen: the main window's controls are laid
    // out here by the same code, in a window of the same size (not shown;
    // it is also the window the pointer's scale is read from).
    wxPoint exitButton() {
        const wxRect client = screenRectOf(m_main);
        m_probe.SetClientSize(client.GetSize());
        m_probe.Layout();
        wxWindow* exit = m_probe.FindWindow(CMenuCreatorDlg::IDC_EXIT);
        wxPoint at = exit->GetPosition() + exit->GetSize() / 2;
        for (wxWindow* parent = exit->GetParent(); parent && parent != &m_probe; parent = parent->GetParent())
            at += parent->GetPosition();
        return client.GetPosition() + at;
    }
    // Whether the window's area on the screen shows more than black.
    static bool painted(unsigned long window) {
        const wxRect area = screenRectOf(window);
        const wxImage screen = screenPicture();
        int lit = 0;
        for (int y = area.y; y < area.GetBottom(); y += 8)
            for (int x = area.x; x < area.GetRight(); x += 8)
                if (screen.GetRed(x, y) + screen.GetGreen(x, y) + screen.GetBlue(x, y) > 300)
                    ++lit;
        return lit * 64 > area.width * area.height / 2;
    }
    // The program has had the time to handle a click: a short while in
    // which it must go on as it is.
    bool stillUpAfterAWhile(unsigned long window) {
        return !waitUntil([this, window] { return ended() || !isShownWindow(window); }, 1500ms);
    }

    static constexpr int kRunning = -1;
    static constexpr int kAbnormalEnd = -2;

    TempDir m_dir;
    CMenuCreatorDlg m_probe{"", nullptr};
    int m_pid = -1;
    int m_exitStatus = kRunning;
    unsigned long m_main = 0;
    unsigned long m_tip = 0;
};

TEST_F(ProgramWindowsTest, TheTipOfTheDayHoldsTheMainWindowAndExitThenEndsTheProgram) {
    EXPECT_TRUE(waitUntil([this] { return windowIsAbove(m_tip, m_main); }, 5s))
        << "the tip of the day is behind the main window";
    // The picture once both windows have drawn themselves.
    waitUntil([this] { return painted(m_tip) && painted(m_main); }, 5s);
    saveScreen("tip-of-the-day-over-the-main-window", m_dir.path());

    // "Exit" under the tip takes no click.
    click(exitButton());
    EXPECT_TRUE(stillUpAfterAWhile(m_main)) << "the main window took a click under the tip of the day";
    EXPECT_TRUE(isShownWindow(m_tip));

    askToClose(m_tip);
    ASSERT_TRUE(waitUntil([this] { return !isShownWindow(m_tip); })) << "the tip of the day did not close";
    click(exitButton());
    EXPECT_EQ(exitStatusWithin(10s), 0) << "the program did not end on Exit";
}

TEST_F(ProgramWindowsTest, TheMainWindowsCloseBoxWaitsForTheTipOfTheDay) {
    // Closing the main window first: nothing happens while the tip is up,
    // and both close in turn afterwards.
    askToClose(m_main);
    EXPECT_TRUE(stillUpAfterAWhile(m_main)) << "the main window closed under the tip of the day";
    askToClose(m_tip);
    ASSERT_TRUE(waitUntil([this] { return !isShownWindow(m_tip); })) << "the tip of the day did not close";
    EXPECT_FALSE(ended());
    askToClose(m_main);
    EXPECT_EQ(exitStatusWithin(10s), 0) << "the program did not end when its window closed";
}

} // namespace
