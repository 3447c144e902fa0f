// The program started with large pages runs with its arguments and its
// environment as it was given them, however it was started.

#include "RunProgram.h"

#include <gtest/gtest.h>
#include <link.h>
#include <string>
#include <sys/auxv.h>
#include <unistd.h>
#include <vector>

namespace {

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

std::string expectedOutput(const std::string& tunables) {
    return "argument one\nargument two words\nargument \nGLIBC_TUNABLES " + tunables +
           "\nTOLVANE_STARTED_WITH_LARGE_PAGES (none)\n";
}

TEST(LargePagesTest, TheProgramRunsWithItsArgumentsAndEnvironment) {
    const std::vector<std::string> arguments{"one", "two words", ""};
    struct Case {
        const char* name;
        std::vector<std::string> before; // what starts the probe
        std::string tunables;            // what the probe was given
    };
    const std::string loader = dynamicLoader();
    ASSERT_FALSE(loader.empty());
    std::vector<Case> cases{
        {"directly", {"env", "-u", "GLIBC_TUNABLES"}, "(none)"},
        {"with tunables", {"env", "GLIBC_TUNABLES=glibc.malloc.check=0"}, "glibc.malloc.check=0"},
        {"with empty tunables", {"env", "GLIBC_TUNABLES="}, ""},
        // Started by the loader itself, which takes the program from its arguments.
        {"by the loader", {"env", "-u", "GLIBC_TUNABLES", loader}, "(none)"},
    };
    if (access("/usr/bin/valgrind", X_OK) == 0)
        cases.push_back({"under a memory checker",
                         {"env", "-u", "GLIBC_TUNABLES", "/usr/bin/valgrind", "-q", "--error-exitcode=3"},
                         "(none)"});
    for (const Case& test : cases) {
        std::vector<std::string> argv = test.before;
        argv.push_back(LARGE_PAGES_PROBE);
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const ProgramResult result = runProgram(argv);
        EXPECT_EQ(result.exitCode, 0) << test.name << ": " << result.errors;
        EXPECT_EQ(result.output, expectedOutput(test.tunables)) << test.name;
    }
}

} // namespace
