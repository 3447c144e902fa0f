// Test entry of the headless suites: every run gets its own registry folder,
// so no test reads or writes the user's own profile.

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::string registry = (std::filesystem::temp_directory_path() / "tolvane-registry-XXXXXX").string();
    if (!mkdtemp(registry.data()))
        return 2;
    setenv("TOLVANE_REGISTRY_DIR", registry.c_str(), 1);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(registry, ec);
    return result;
}
