#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "tolvane-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    const fs::path file = fs::path(m_path) / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(fs::path(m_path) / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempDir::exists(const std::string& name) const { return fs::exists(fs::path(m_path) / name); }

std::set<std::string> TempDir::entries() const {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(m_path))
        paths.insert(entry.path().string());
    return paths;
}

void TempDir::copyFixture(const std::string& fixture, const std::string& as) const {
    fs::copy(fs::path(fixturesFolder()) / fixture, fs::path(m_path) / (as.empty() ? fixture : as),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::string fixturesFolder() {
    const char* dir = std::getenv("TOLVANE_FIXTURES");
    return dir ? dir : TOLVANE_FIXTURES_DIR;
}
