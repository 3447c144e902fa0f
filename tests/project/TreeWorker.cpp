// A copy of the program that changes a shared project: opens it, then adds
// (and every third round renames) items under its own name, each change under
// the multi-user lock. Run twice at once by the multi-user test, the two
// taking turns: before each round a worker waits for a byte on its turn
// file descriptor, and after it hands one on through the other.
//   tree_worker <settings file> <worker name> <rounds> <wait fd> <hand-on fd>

#include "Item.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// A message other than the rename's reminder means a change failed: print
// it so the test shows it.
class PrintingUserInterface : public UserInterface {
public:
    int messageBox(const CString& text, const CString&, UINT style) override {
        if (text == loadString(32969))
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
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 6)
        return 2;
    const int waitFd = std::atoi(argv[4]);
    const int handOnFd = std::atoi(argv[5]);
    // Only the two turn descriptors stay open, so that a copy that ends
    // early ends the other's wait too instead of leaving it blocked.
    for (int fd = 3; fd < 256; ++fd)
        if (fd != waitFd && fd != handOnFd)
            close(fd);
    signal(SIGPIPE, SIG_IGN);
    PrintingUserInterface quiet;
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
    return quiet.failures == 0 ? 0 : 1;
}
