// A copy of the program that changes a shared project: opens it, then adds
// (and every third round renames) items under its own name, each change
// under the multi-user lock, or in single-user mode on the tree as the other
// copy saved it. Run twice at once by the shared-project tests, the two
// taking turns: before each round a worker waits for a byte on its turn
// file descriptor, and after it hands one on through the other. The word
// that a project is open in another copy too is expected; the worker writes
// every message it was shown into the message file when one is given.
//   tree_worker <settings file> <worker name> <rounds> <wait fd> <hand-on fd> [<message file>]

#include "FileSystem.h"
#include "Item.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A message other than the rename's reminder means a change failed: print
// it so the test shows it.
class PrintingUserInterface : public UserInterface {
public:
    explicit PrintingUserInterface(const CString& openElsewhere) : m_openElsewhere(openElsewhere) {}
    int messageBox(const CString& text, const CString&, UINT style) override {
        shown.push_back(text.str());
        if (text == loadString(32969) || text == m_openElsewhere)
            return defaultAnswer(style);
        std::fprintf(stderr, "message: %s\n", text.GetString());
        ++failures;
        return defaultAnswer(style);
    }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    void setProgressRange(int, int) override {}
    void setProgressPos(int) override {}
    int failures = 0;
    std::vector<std::string> shown;

private:
    CString m_openElsewhere;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 6 && argc != 7)
        return 2;
    const int waitFd = std::atoi(argv[4]);
    const int handOnFd = std::atoi(argv[5]);
    // Only the two turn descriptors stay open, so that a copy that ends
    // early ends the other's wait too instead of leaving it blocked.
    for (int fd = 3; fd < 256; ++fd)
        if (fd != waitFd && fd != handOnFd)
            close(fd);
    signal(SIGPIPE, SIG_IGN);
    CString openElsewhere;
    openElsewhere.Format(loadString(33534), platform::shownPath(argv[1]).GetString());
    PrintingUserInterface quiet(openElsewhere);
    ui::install(&quiet);
    const std::string name = argv[2];
    const int rounds = std::atoi(argv[3]);
    ProcessManager manager(argv[1], nullptr, 0, 0);
    for (int round = 0; round < rounds; ++round) {
        char token = 0;
        if (read(waitFd, &token, 1) != 1)
            return 3;
        const CString itemName = (name + " " + std::to_string(round)).c_str();
        Item* item =
            manager.addItem(nullptr, itemName, 0, "bookc.gif", "booko.gif", 0, "", "", 0, 1, 0, 1, "", 1, "");
        if (!item)
            return 1;
        if (round % 3 == 2)
            manager.changeItem(item, itemName + " renamed", 0, "bookc.gif", "booko.gif", 0, item->getUrl(), 1,
                               "", "");
        // The other copy may have ended after its last round.
        if (write(handOnFd, &token, 1) != 1 && round + 1 < rounds)
            return 3;
    }
    ui::install(nullptr);
    if (argc == 7) {
        std::ofstream messages(argv[6], std::ios::binary);
        for (const std::string& text : quiet.shown)
            messages << text << "\n";
    }
    return quiet.failures == 0 ? 0 : 1;
}
