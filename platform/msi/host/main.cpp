// msihost: runs the custom actions of an installer package with the
// installer stand-in (see MsiHost.h).

#include "MsiHost.h"

#include <cstdio>

int main(int argc, char** argv) {
    MsiHost host;
    std::string error;
    if (!host.parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return MsiHost::kBadCommandLine;
    }
    return host.run();
}
