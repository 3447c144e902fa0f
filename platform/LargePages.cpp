#include "LargePages.h"

#include <cstdlib>
#include <fstream>
#include <string>
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

// Puts the environment back as the program was started with, so that the
// programs it starts in turn (a browser, a file manager) get it unchanged.
void restore(const char* started) {
    if (started[0] == '=')
        setenv(kTunables, started + 1, 1);
    else
        unsetenv(kTunables);
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
    if (!argv || !argv[0] || before.find("glibc.malloc.hugetlb") != std::string::npos || !givenOnRequest())
        return;
    const std::string marker = tunables ? "=" + before : "-";
    setenv(kStartedAgain, marker.c_str(), 1);
    setenv(kTunables, (before.empty() ? std::string(kLargePages) : before + ":" + kLargePages).c_str(), 1);
    execv("/proc/self/exe", argv);
    // Not started again: go on as started.
    restore(marker.c_str());
}

} // namespace platform
