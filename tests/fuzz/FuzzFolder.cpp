#include "FuzzFolder.h"

#include "FuzzProperty.h"
#include "Project.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

void useTemporaryRegistry() {
    static std::unique_ptr<TempDir> registry;
    if (registry)
        return;
    registry = std::make_unique<TempDir>();
    setenv("TOLVANE_REGISTRY_DIR", registry->path().c_str(), 1);
}

// The segments of a path with "." dropped and ".." taking the one before away;
// false when ".." would climb above where the path starts.
bool normalSegments(const std::string& path, std::vector<std::string>& segments) {
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string::npos)
            end = path.size();
        const std::string segment = path.substr(pos, end - pos);
        if (segment == "..") {
            if (segments.empty())
                return false;
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        pos = end + 1;
    }
    return true;
}

} // namespace

FuzzFolder::FuzzFolder() : m_project(m_dir / "proj/") {
    useTemporaryRegistry();
    fs::create_directories(m_project);
}

std::string FuzzFolder::write(const std::string& name, std::string_view bytes) const {
    m_dir.write("proj/" + name, std::string(bytes));
    return m_project + name;
}

std::string FuzzFolder::writeSettings() const {
    return write("site.tvx", "[STD_OPTION]\r\nDataVersion=" + Project::getVersionString().str() + "\r\n");
}

std::string FuzzFolder::read(const std::string& name) const {
    return m_dir.read("proj/" + name);
}

bool FuzzFolder::exists(const std::string& name) const {
    return m_dir.exists("proj/" + name);
}

bool FuzzFolder::isInside(const CString& path) const {
    std::string disk = path.str();
    for (char& c : disk)
        if (c == '\\')
            c = '/';
    if (disk.compare(0, m_project.size(), m_project) != 0)
        return false;
    std::vector<std::string> segments;
    return normalSegments(disk.substr(m_project.size()), segments);
}

void FuzzFolder::requireNothingOutside() const {
    for (const auto& entry : fs::directory_iterator(m_dir.path()))
        fuzzRequire(entry.path().filename() == "proj", "nothing is written outside the project folder",
                    entry.path().string());
}
