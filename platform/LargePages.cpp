#include "LargePages.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/auxv.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kLargePages = "glibc.malloc.hugetlb=1";
// Set in the program started again: "=" and the tunables it was started
// with, or "-" when it had none.
constexpr const char* kStartedAgain = "TOLVANE_STARTED_WITH_LARGE_PAGES";

// Large pages are given to memory that asks for them, and only to that.
bool givenOnRequest() {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(in, modes);
    return modes.find("[madvise]") != std::string::npos;
}

// The program runs from the file that /proc/self/exe names, so that running
// that file again runs it again. Not so when it was started by the dynamic
// loader named as the program (which would take the program's first
// argument for the program to run), nor under a tool that runs it in its
// own process, such as a memory checker (which would be left behind).
bool runsFromItsOwnFile() {
    const auto* started = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
    struct stat program, running;
    return started && stat(started, &program) == 0 && stat("/proc/self/exe", &running) == 0 &&
           program.st_dev == running.st_dev && program.st_ino == running.st_ino;
}

// Puts the environment back as the program was started with, so that the
// programs it starts in turn (a browser, a file manager) get it unchanged.
void restore(const char* started) {
    if (started[0] == '=')
        setenv(kTunables, started + 1, 1);
    else if (started[0] == '-')
        unsetenv(kTunables);
    // Anything else was not set by a start of the program: the tunables stay.
    unsetenv(kStartedAgain);
}

} // namespace

namespace platform {

void startWithLargePages(char** argv) {
    if (const char* started = std::getenv(kStartedAgain)) {
        restore(std::string(started).c_str());
        return;
    }
    const char* tunables = std::getenv(kTunables);
    const std::string before = tunables ? tunables : "";
    if (!argv || !argv[0] || before.find("glibc.malloc.hugetlb") != std::string::npos || !givenOnRequest() ||
        !runsFromItsOwnFile())
        return;
    const std::string marker = tunables ? "=" + before : "-";
    setenv(kStartedAgain, marker.c_str(), 1);
    setenv(kTunables, (before.empty() ? std::string(kLargePages) : before + ":" + kLargePages).c_str(), 1);
    execv("/proc/self/exe", argv);
    // Not started again: go on as started.
    restore(marker.c_str());
}

} // namespace platform
