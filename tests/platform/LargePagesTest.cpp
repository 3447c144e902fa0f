// The program asks for large pages for its heap where the system gives them
// only on request, by starting again at once; the program started again
// runs with its arguments and its environment as they were given.

#include "RunProgram.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

bool givenOnRequest() {
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(in, modes);
    return modes.find("[madvise]") != std::string::npos;
}

// The environment variable set as asked while a test runs.
class Tunables {
public:
    explicit Tunables(const std::optional<std::string>& value) {
        if (const char* old = std::getenv("GLIBC_TUNABLES"))
            m_old = old;
        if (value)
            setenv("GLIBC_TUNABLES", value->c_str(), 1);
        else
            unsetenv("GLIBC_TUNABLES");
    }
    ~Tunables() {
        if (m_old)
            setenv("GLIBC_TUNABLES", m_old->c_str(), 1);
        else
            unsetenv("GLIBC_TUNABLES");
    }

private:
    std::optional<std::string> m_old;
};

struct Case {
    const char* name;
    std::optional<std::string> tunables;
    // Started again with large pages where the system gives them on request.
    bool largeOnRequest;
};

TEST(LargePagesTest, TheProgramStartedAgainRunsAsGivenWithLargePagesWhereTheyAreAskedFor) {
    const Case cases[] = {
        {"no tunables", std::nullopt, true},
        {"other tunables", std::string("glibc.malloc.perturb=0"), true},
        {"the user's own choice", std::string("glibc.malloc.hugetlb=0"), false},
    };
    const std::string odd = "a b;$(touch x) \"'\\*";
    for (const Case& c : cases) {
        Tunables set(c.tunables);
        const ProgramResult run = runProgram({TOLVANE_LARGE_PAGES_PROBE, odd, "", "second"});
        ASSERT_EQ(run.exitCode, 0) << c.name << run.errors;
        // Started again in the same process, with the same arguments.
        const std::string expected = "parent=" + std::to_string(getpid()) + "\nargument=" + odd +
                                     "\nargument=\nargument=second\ntunables=" +
                                     c.tunables.value_or("(none)") + "\nmarker=(none)\nlarge=" +
                                     (c.largeOnRequest && givenOnRequest() ? "1" : "0") + "\n";
        EXPECT_EQ(run.output, expected) << c.name;
    }
}

} // namespace
