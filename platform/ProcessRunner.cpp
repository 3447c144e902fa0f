#include "ProcessRunner.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "ui/UserInterface.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace process {
namespace {

// What the reaper of a program started without waiting does with its exit
// status (-1 when it was killed).
using ExitWatch = std::function<void(int exitCode)>;

Result spawn(const std::vector<std::string>& args, bool wait, ExitWatch watch = nullptr) {
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
        result.startError = rc;
        result.error.Format("%s: %s", encoding::utf8ToCp1252(args[0]).c_str(), std::strerror(rc));
        return result;
    }
    result.started = true;
    auto reap = [pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
            if (errno != EINTR)
                return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    if (!wait) {
        std::thread([reap, watch] {
            const int exitCode = reap();
            if (watch)
                watch(exitCode);
        }).detach();
        return result;
    }
    result.exitCode = reap();
    return result;
}

// The last name of a program path.
std::string programName(const std::string& program) {
    const auto slash = program.rfind('/');
    return slash == std::string::npos ? program : program.substr(slash + 1);
}

// Why a program that was to open target says it could not, from its exit
// status; empty when it did not fail. The desktop's opener tells a missing
// file and a missing handler apart.
CString failureText(const std::string& program, int exitCode) {
    CString text;
    if (exitCode <= 0)
        return text;
    const std::string name = programName(program);
    if (name == "xdg-open" && exitCode == 2)
        text = "it does not exist";
    else if (name == "xdg-open" && exitCode == 3)
        text = "no program on this system is set up to open it (xdg-open found none)";
    else
        text.Format("the program that opens it failed (%s ended with status %d)",
                    encoding::utf8ToCp1252(name).c_str(), exitCode);
    return text;
}

CString cannotOpen(const CString& target, const CString& why) {
    return "\"" + platform::shownPath(target) + "\" could not be opened: " + why + ".";
}

// Starts a program that opens target, without waiting for it. The user is
// told when it cannot be started, and, from the thread that waits for it,
// when it ends with a failure.
bool startOpener(const std::vector<std::string>& args, const CString& target) {
    const std::string program = args.empty() ? std::string() : args[0];
    const Result result = spawn(args, false, [program, target](int exitCode) {
        const CString why = failureText(program, exitCode);
        if (!why.IsEmpty())
            ui::postMessageBox(cannotOpen(target, why), MB_OK | MB_ICONSTOP);
    });
    if (!result.started) {
        const CString why = programName(program) == "xdg-open" && result.startError == ENOENT
                                ? CString("the desktop's opener xdg-open is missing (package xdg-utils)")
                                : "its program could not be started (" + result.error + ")";
        ui::MessageBox(cannotOpen(target, why), ui::kApplicationTitle, MB_OK | MB_ICONSTOP);
    }
    return result.started;
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

bool openWithDesktop(const CString& target) {
    return startOpener({"xdg-open", argumentFor(target)}, target);
}

bool startBrowser(const CString& browser, const CString& address, const CString& shownAs) {
    return startOpener({encoding::cp1252ToUtf8(browser.str()), encoding::cp1252ToUtf8(address.str())},
                       shownAs);
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
        return startOpener(args, path);
    }
    return openWithDesktop(path);
}

} // namespace process
