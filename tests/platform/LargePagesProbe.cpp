// Starts as the program does, then writes its arguments and the variables
// of its environment that starting again touches, one a line.

#include "LargePages.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

int main(int argc, char** argv) {
    platform::startWithLargePages(argv);
    for (int n = 1; n < argc; ++n)
        std::printf("argument %s\n", argv[n]);
    for (const char* name : {"GLIBC_TUNABLES", "TOLVANE_STARTED_WITH_LARGE_PAGES"}) {
        const char* value = std::getenv(name);
        std::printf("%s %s\n", name, value ? value : "(none)");
    }
    return 0;
}
