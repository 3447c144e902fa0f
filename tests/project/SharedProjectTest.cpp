// Two running copies of the program change one project folder at the same
// time in multi-user mode: every change of one must be seen by the other's
// next change, and no item may be lost.

#include "ItemListePlus.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

TEST(SharedProjectTest, TwoCopiesChangingOneProjectLoseNothing) {
    TempDir dir;
    dir.write("proj/site.tvx", "[STD_OPTION]\r\nMultiUsers=yes\r\nDataVersion=v2.4.5\r\n");
    dir.write("proj/tolvane/MenuTreeV2.dat", "");
    const std::string settings = dir / "proj/site.tvx";
    constexpr int kRounds = 30;
    // The copies take turns: each change of one comes between two of the
    // other's, whatever the speed of the machine.
    int toFirst[2], toSecond[2];
    ASSERT_EQ(pipe(toFirst), 0);
    ASSERT_EQ(pipe(toSecond), 0);
    auto worker = [&](const char* name, int waitFd, int handOnFd) {
        return startProgram({TOLVANE_TREE_WORKER, settings, name, std::to_string(kRounds),
                             std::to_string(waitFd), std::to_string(handOnFd)});
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

    RecordingUserInterface ui;
    ProcessManager manager(settings.c_str(), nullptr, 0, 0);
    std::vector<std::string> names;
    std::set<std::string> uids;
    for (int i = 1; i <= manager.getItemCount(); ++i) {
        names.push_back(manager.getItemList()->at(i)->getName().str());
        uids.insert(manager.getItemList()->at(i)->getUid().str());
    }
    // Each copy added its item after the other's last change: nothing lost,
    // and the items alternate.
    std::vector<std::string> expected;
    for (int round = 0; round < kRounds; ++round)
        for (const char* name : {"First", "Second"})
            expected.push_back(std::string(name) + " " + std::to_string(round) +
                               (round % 3 == 2 ? " renamed" : ""));
    EXPECT_EQ(names, expected);
    EXPECT_EQ(uids.size(), expected.size());
}

} // namespace
