// Opens a synthetic process of each size (default 20,000 items) as the main
// window does: the settings, the menu tree, every item's data file and
// descriptions (the first link refresh). Beside it, a plain read of the same
// files, the floor the open is measured against: with a warm cache the open
// should cost little more than reading its files once. With several sizes,
// each open's time is also compared with the one before.

#include "BenchReport.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The files the open reads: the settings, the menu tree, every data file
// and every description.
std::vector<std::string> projectFiles(const fs::path& root) {
    std::vector<std::string> files{(root / "site.tvx").string(), (root / "tolvane/MenuTreeV2.dat").string()};
    for (const auto& entry : fs::recursive_directory_iterator(root / "site")) {
        const std::string name = entry.path().filename().string();
        if (name == "process.data" || name.find("Description") != std::string::npos)
            files.push_back(entry.path().string());
    }
    return files;
}

// Reads each file once by its exact name; the number of bytes read.
long readFiles(const std::vector<std::string>& files) {
    long bytes = 0;
    std::string content;
    for (const auto& file : files)
        if (platform::readDiskFileBytes(file, content))
            bytes += static_cast<long>(content.size());
    return bytes;
}

// As a program that just started: nothing parsed, no folder listed.
double openProject(const fs::path& root, int& items) {
    platform::clearProfileCache();
    FolderListingCache::instance().clear();
    BenchTimer open;
    ProcessManager manager((root / "site.tvx").string().c_str(), nullptr, 1, 0);
    manager.loadMenuTree(nullptr, 1);
    manager.updateLinks(nullptr, 0);
    items = manager.getItemCount();
    return open.seconds();
}

} // namespace

int main(int argc, char** argv) {
    SyntheticRun run(argc, argv, {20000});
    GrowthReport growth("open");
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        buildSyntheticProcess(root, n, true);
        // The project opened once before, by another process, as by the
        // program an earlier day: the system's caches hold what an open needs
        // (names that are missing included), while this process opens it
        // for the first time.
        const std::vector<std::string> files = projectFiles(root);
        if (const pid_t child = fork(); child == 0) {
            int items = 0;
            openProject(root, items);
            _exit(0);
        } else if (child > 0) {
            waitpid(child, nullptr, 0);
        }
        readFiles(files);
        int items = 0;
        const double openSeconds = openProject(root, items);
        BenchTimer read;
        readFiles(files);
        const double readSeconds = read.seconds();
        benchReport("read the project's files once", n, readSeconds);
        benchReport("open the project (warm cache)", items, openSeconds);
        std::printf("open / read: %.2f\n", openSeconds / readSeconds);
        growth.add(items, openSeconds);
    }
    return 0;
}
