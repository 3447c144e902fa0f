// Two running copies of the program change one project folder at the same
// time in multi-user mode: every change of one must be seen by the other's
// next change, and no item may be lost.

#include "ItemListePlus.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

pid_t startWorker(const std::string& settings, const char* name, int rounds) {
    const std::string roundsText = std::to_string(rounds);
    char* argv[] = {const_cast<char*>(TOLVANE_TREE_WORKER), const_cast<char*>(settings.c_str()),
                    const_cast<char*>(name), const_cast<char*>(roundsText.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, TOLVANE_TREE_WORKER, nullptr, nullptr, argv, environ) != 0)
        return -1;
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SharedProjectTest, TwoCopiesChangingOneProjectLoseNothing) {
    TempDir dir;
    dir.write("proj/site.tvx", "[STD_OPTION]\r\nMultiUsers=yes\r\nDataVersion=v2.4.5\r\n");
    dir.write("proj/tolvane/MenuTreeV2.dat", "");
    const std::string settings = dir / "proj/site.tvx";
    constexpr int kRounds = 100;
    const pid_t first = startWorker(settings, "First", kRounds);
    const pid_t second = startWorker(settings, "Second", kRounds);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    EXPECT_EQ(waitFor(first), 0);
    EXPECT_EQ(waitFor(second), 0);

    RecordingUserInterface ui;
    ProcessManager manager(settings.c_str(), nullptr, 0, 0);
    std::set<std::string> names;
    std::set<std::string> uids;
    for (int i = 1; i <= manager.getItemCount(); ++i) {
        names.insert(manager.getItemList()->at(i)->getName().str());
        uids.insert(manager.getItemList()->at(i)->getUid().str());
    }
    EXPECT_EQ(manager.getItemCount(), 2 * kRounds);
    EXPECT_EQ(uids.size(), static_cast<size_t>(2 * kRounds));
    for (const char* worker : {"First", "Second"})
        for (int round = 0; round < kRounds; ++round) {
            const std::string name = std::string(worker) + " " + std::to_string(round) + (round % 3 == 2 ? " renamed" : "");
            EXPECT_TRUE(names.count(name)) << name;
        }
}

} // namespace
