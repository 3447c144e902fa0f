// Two running copies of the program change one project folder in turn:
// every change of one must be seen by the other's next change, and no item
// may be lost, whether the project is shared on purpose (multi-user mode)
// or the same project was simply opened twice.

#include "FileSystem.h"
#include "ItemListePlus.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "StringTable.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRounds = 30;

class SharedProjectTest : public testing::Test {
protected:
    // Runs two copies of the program on the project, "First" and "Second",
    // each adding (and every third round renaming) kRounds items. The copies
    // take turns: each change of one comes between two of the other's,
    // whatever the speed of the machine.
    void runTwoCopies(const std::string& settings) {
        m_dir.write("proj/site.tvx", settings);
        m_dir.write("proj/tolvane/MenuTreeV2.dat", "");
        int toFirst[2], toSecond[2];
        ASSERT_EQ(pipe(toFirst), 0);
        ASSERT_EQ(pipe(toSecond), 0);
        auto worker = [&](const char* name, int waitFd, int handOnFd) {
            return startProgram({TOLVANE_TREE_WORKER, settingsPath(), name, std::to_string(kRounds),
                                 std::to_string(waitFd), std::to_string(handOnFd),
                                 m_dir / (std::string(name) + ".messages")});
        };
        const int first = worker("First", toFirst[0], toSecond[1]);
        const int second = worker("Second", toSecond[0], toFirst[1]);
        ASSERT_GT(first, 0);
        ASSERT_GT(second, 0);
        const bool started = write(toFirst[1], "t", 1) == 1;
        for (int fd : {toFirst[0], toFirst[1], toSecond[0], toSecond[1]})
            close(fd);
        ASSERT_TRUE(started);
        EXPECT_EQ(waitForProgram(first), 0);
        EXPECT_EQ(waitForProgram(second), 0);
    }

    // Each copy added its item after the other's last change: nothing lost,
    // and the items alternate.
    void expectEveryItemInTurn() {
        RecordingUserInterface ui;
        ProcessManager manager(settingsPath().c_str(), nullptr, 0, 0);
        std::vector<std::string> names;
        std::set<std::string> uids;
        for (int i = 1; i <= manager.getItemCount(); ++i) {
            names.push_back(manager.getItemList()->at(i)->getName().str());
            uids.insert(manager.getItemList()->at(i)->getUid().str());
        }
        std::vector<std::string> expected;
        for (int round = 0; round < kRounds; ++round)
            for (const char* name : {"First", "Second"})
                expected.push_back(std::string(name) + " " + std::to_string(round) +
                                   (round % 3 == 2 ? " renamed" : ""));
        EXPECT_EQ(names, expected);
        EXPECT_EQ(uids.size(), expected.size());
    }

    // How many of the two copies were told that the project was open in the other.
    int copiesToldOfTheOther() const {
        CString notice;
        notice.Format(loadString(33534), platform::shownPath(settingsPath().c_str()).GetString());
        int told = 0;
        for (const char* name : {"First", "Second"})
            told += m_dir.read(std::string(name) + ".messages").find(notice.str()) != std::string::npos;
        return told;
    }

    std::string settingsPath() const { return m_dir / "proj/site.tvx"; }

    TempDir m_dir;
};

TEST_F(SharedProjectTest, TwoCopiesChangingOneProjectLoseNothing) {
    runTwoCopies("[STD_OPTION]\r\nMultiUsers=yes\r\nDataVersion=v2.4.5\r\n");
    expectEveryItemInTurn();
    // Sharing is the mode's purpose: nobody is told.
    EXPECT_EQ(copiesToldOfTheOther(), 0);
}

TEST_F(SharedProjectTest, TwoCopiesOfOneProjectInSingleUserModeLoseNothing) {
    runTwoCopies("[STD_OPTION]\r\nDataVersion=v2.4.5\r\n");
    expectEveryItemInTurn();
    // The copy that opened the project second was told that the first had it.
    EXPECT_EQ(copiesToldOfTheOther(), 1);
}

} // namespace
