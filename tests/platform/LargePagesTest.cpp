// The program asks for large pages for its heap where the system gives them
// only on request, by starting again at once; the program started again
// runs with its arguments and its environment as they were given. Started
// otherwise than from its own file (by the dynamic loader, under a memory
// checker), it goes on as started.

#include "RunProgram.h"

#include <gtest/gtest.h>
#include <fstream>
#include <link.h>
#include <string>
#include <sys/auxv.h>
#include <unistd.h>
#include <vector>

namespace {

bool givenOnRequest() {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(in, modes);
    return modes.find("[madvise]") != std::string::npos;
}

// The dynamic loader that loaded this program.
std::string dynamicLoader() {
    std::string path;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            if (info->dlpi_addr == getauxval(AT_BASE) && info->dlpi_name)
                *static_cast<std::string*>(data) = info->dlpi_name;
            return 0;
        },
        &path);
    return path;
}

TEST(LargePagesTest, TheProgramRunsWithItsArgumentsAndEnvironmentWithLargePagesWhereTheyAreAskedFor) {
    struct Case {
        const char* name;
        std::vector<std::string> before; // what starts the probe
        std::string tunables;            // what the probe was given
        bool startsAgain;                // where the system gives large pages on request
    };
    const std::string loader = dynamicLoader();
    ASSERT_FALSE(loader.empty());
    std::vector<Case> cases{
        {"directly", {"env", "-u", "GLIBC_TUNABLES"}, "(none)", true},
        {"with other tunables", {"env", "GLIBC_TUNABLES=glibc.malloc.perturb=0"}, "glibc.malloc.perturb=0", true},
        {"with empty tunables", {"env", "GLIBC_TUNABLES="}, "", true},
        {"with the user's own choice", {"env", "GLIBC_TUNABLES=glibc.malloc.hugetlb=0"}, "glibc.malloc.hugetlb=0",
         false},
        // The marker of a second start, set by something else: nothing is
        // taken from it, and the program goes on as started.
        {"with a stray marker",
         {"env", "TOLVANE_STARTED_WITH_LARGE_PAGES=x", "GLIBC_TUNABLES=glibc.malloc.perturb=0"},
         "glibc.malloc.perturb=0",
         false},
        // The loader takes the program to run from its arguments.
        {"by the loader", {"env", "-u", "GLIBC_TUNABLES", loader}, "(none)", false},
    };
    if (access("/usr/bin/valgrind", X_OK) == 0)
        cases.push_back({"under a memory checker",
                         {"env", "-u", "GLIBC_TUNABLES", "/usr/bin/valgrind", "-q", "--error-exitcode=3"},
                         "(none)",
                         false});
    const std::vector<std::string> arguments{"a b;$(touch x) \"'\\*", "", "second"};
    for (const Case& test : cases) {
        std::vector<std::string> argv = test.before;
        argv.push_back(TOLVANE_LARGE_PAGES_PROBE);
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const ProgramResult run = runProgram(argv);
        ASSERT_EQ(run.exitCode, 0) << test.name << ": " << run.errors;
        // Started again in the same process ("env" runs the probe in its own).
        std::string expected = "parent=" + std::to_string(getpid()) + "\n";
        for (const std::string& argument : arguments)
            expected += "argument=" + argument + "\n";
        expected += "tunables=" + test.tunables + "\nmarker=(none)\nlarge=" +
                    (test.startsAgain && givenOnRequest() ? "1" : "0") + "\n";
        EXPECT_EQ(run.output, expected) << test.name;
    }
}

} // namespace
