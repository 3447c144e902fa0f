#include "ProcessRunner.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "ui/UserInterface.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sstream>
#include <unistd.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace process {
namespace {

Result spawn(const std::vector<std::string>& args, bool wait) {
    Result result;
    if (args.empty() || args[0].empty()) {
        result.error = "no program given";
        return result;
    }
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        result.error.Format("%s: %s", encoding::utf8ToCp1252(args[0]).c_str(), std::strerror(rc));
        return result;
    }
    result.started = true;
    if (!wait) {
        std::thread([pid] {
            int status;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
        return result;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            result.exitCode = -1;
            return result;
        }
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Tells the user why a program could not be started.
bool reportIfFailed(const Result& result, const CString& target) {
    if (result.started)
        return true;
    ui::MessageBox("Cannot open \"" + target + "\": " + result.error, ui::kApplicationTitle,
                   MB_OK | MB_ICONSTOP);
    return false;
}

std::string argumentFor(const CString& target) {
    return isAddress(target) ? encoding::cp1252ToUtf8(target.str()) : platform::diskPath(target.str());
}

} // namespace

Result run(const std::vector<CString>& argv, bool wait) {
    std::vector<std::string> args;
    for (const auto& a : argv)
        args.push_back(encoding::cp1252ToUtf8(a.str()));
    return spawn(args, wait);
}

CString browserCommand() {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string program = (folder.empty() ? std::string(".") : folder) + "/xdg-open";
        if (access(program.c_str(), X_OK) == 0)
            return "\"" + encoding::utf8ToCp1252(program) + "\" %1";
    }
    return CString();
}

bool isAddress(const CString& target) {
    CString lower = target;
    lower.MakeLower();
    return lower.Find("http:") == 0 || lower.Find("https:") == 0 || lower.Find("file:") == 0 ||
           lower.Find("mailto:") == 0 || lower.Find("ftp:") == 0;
}

bool openWithDesktop(const CString& target, bool reportFailure) {
    const Result result = spawn({"xdg-open", argumentFor(target)}, false);
    return reportFailure ? reportIfFailed(result, target) : result.started;
}

bool openInTextEditor(const CString& path) {
    for (const char* variable : {"VISUAL", "EDITOR"}) {
        const char* editor = std::getenv(variable);
        if (!editor || !*editor)
            continue;
        std::vector<std::string> args;
        std::istringstream words(editor);
        for (std::string word; words >> word;)
            args.push_back(word);
        if (args.empty())
            continue;
        args.push_back(platform::diskPath(path.str()));
        return reportIfFailed(spawn(args, false), path);
    }
    return openWithDesktop(path);
}

} // namespace process
