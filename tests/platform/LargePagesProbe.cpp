// Started by the large-page tests: starts as the program does, grows its
// heap, and tells on its output what it runs with, one "name=value" a line:
// its parent, its arguments, the allocator's tunables and the marker of a
// second start as its environment holds them, and whether its heap asks for
// large pages.

#include "LargePages.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* orNone(const char* value) {
    return value ? value : "(none)";
}

// Whether a mapping of the heap is marked to take large pages.
bool heapAsksForLargePages() {
    std::ifstream maps("/proc/self/smaps");
    bool inHeap = false;
    for (std::string line; std::getline(maps, line);) {
        if (line.find(" [heap]") != std::string::npos)
            inHeap = true;
        else if (inHeap && line.rfind("VmFlags:", 0) == 0) {
            if ((line + " ").find(" hg ") != std::string::npos)
                return true;
            inHeap = false;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    platform::startWithLargePages(argv);
    // Grown in small blocks, as items are built: through the heap, not mappings of their own.
    std::vector<void*> blocks;
    for (int n = 0; n < 16 * 1024; ++n)
        blocks.push_back(std::malloc(512));
    std::printf("parent=%ld\n", static_cast<long>(getppid()));
    for (int n = 1; n < argc; ++n)
        std::printf("argument=%s\n", argv[n]);
    std::printf("tunables=%s\n", orNone(std::getenv("GLIBC_TUNABLES")));
    std::printf("marker=%s\n", orNone(std::getenv("TOLVANE_STARTED_WITH_LARGE_PAGES")));
    std::printf("large=%d\n", heapAsksForLargePages() ? 1 : 0);
    for (void* block : blocks)
        std::free(block);
    return 0;
}
