// Opens a synthetic process of each size (default 20,000 items) as the main
// window does: the settings, the menu tree, every item's data file and
// descriptions (the first link refresh). Beside it, a plain read of the same
// files, the floor the open is measured against: with a warm cache the open
// should take no longer than reading its files once. Each open is the first
// of a process of its own, started as the program starts (with large memory
// pages where the system gives them on request). With several sizes, each
// open's time is also compared with the one before.

#include "BenchReport.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "LargePages.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "SyntheticProcess.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <spawn.h>
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
    manager.updateLinks(0, 0);
    items = manager.getItemCount();
    return open.seconds();
}

// The open in a program of its own (this benchmark started again with
// "--open" and the folder), as the first open of a program that just
// started; the seconds it took, infinite when that program failed.
double openInNewProcess(const fs::path& root, int& items) {
    constexpr double kFailed = std::numeric_limits<double>::infinity();
    int channel[2];
    if (pipe(channel) != 0)
        return kFailed;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, channel[0]);
    std::string self = "/proc/self/exe", option = "--open", folder = root.string();
    char* args[] = {self.data(), option.data(), folder.data(), nullptr};
    pid_t child = 0;
    const bool started = posix_spawn(&child, self.c_str(), &actions, nullptr, args, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(channel[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t n; started && (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<size_t>(n));
    close(channel[0]);
    int status = 1;
    if (started)
        waitpid(child, &status, 0);
    double seconds = kFailed;
    if (status != 0 || std::sscanf(answer.c_str(), "%lf %d", &seconds, &items) != 2)
        return kFailed;
    return seconds;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--open") {
        // Started as the program starts.
        platform::startWithLargePages(argv);
        QuietUserInterface quiet;
        ui::install(&quiet);
        int items = 0;
        const double seconds = openProject(argv[2], items);
        std::printf("%.9f %d\n", seconds, items);
        ui::install(nullptr);
        return 0;
    }
    SyntheticRun run(argc, argv, {20000});
    GrowthReport growth("open");
    for (const long n : run.sizes()) {
        const fs::path root = run.folder(std::to_string(n));
        buildSyntheticProcess(root, n, true);
        // The project opened once before, as by the program an earlier day:
        // the system's caches hold what an open needs (names that are missing
        // included).
        const std::vector<std::string> files = projectFiles(root);
        int items = 0;
        openInNewProcess(root, items);
        const double openSeconds = bestOf(3, [&] { return openInNewProcess(root, items); });
        const double readSeconds = bestOf(3, [&files] {
            BenchTimer read;
            readFiles(files);
            return read.seconds();
        });
        benchReport("read the project's files once", n, readSeconds);
        benchReport("open the project (warm cache)", items, openSeconds);
        std::printf("open / read: %.2f\n", openSeconds / readSeconds);
        growth.add(items, openSeconds);
    }
    return 0;
}
