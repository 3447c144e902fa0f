#include "Golden.h"

#include "TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

std::string compareWithGolden(const std::string& actual, const std::string& goldenName) {
    const std::filesystem::path path = std::filesystem::path(fixturesFolder()) / "golden" / goldenName;
    if (const char* update = std::getenv("TOLVANE_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "missing golden file " + path.string();
    std::ostringstream text;
    text << in.rdbuf();
    const std::string expected = text.str();
    return describeDifference(expected, actual, goldenName);
}

std::string describeDifference(const std::string& expected, const std::string& actual,
                               const std::string& name) {
    if (expected == actual)
        return {};
    size_t line = 1, start = 0;
    for (size_t i = 0; i < std::min(expected.size(), actual.size()) && expected[i] == actual[i]; ++i)
        if (expected[i] == '\n') {
            ++line;
            start = i + 1;
        }
    auto lineAt = [start](const std::string& s) {
        const size_t end = s.find('\n', start);
        return start >= s.size() ? std::string("<end of text>")
                                 : s.substr(start, end == std::string::npos ? end : end - start);
    };
    return name + ": first difference at line " + std::to_string(line) + "\n  expected: " + lineAt(expected) +
           "\n  actual:   " + lineAt(actual);
}

std::string dumpFolder(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string dump;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        dump += "== " + std::filesystem::relative(file, folder).string() + " ==\n" + text.str() + "\n";
    }
    return dump;
}
