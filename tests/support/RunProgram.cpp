#include "RunProgram.h"

#include "TempDir.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

pid_t spawn(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* actions) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t child = 0;
    return posix_spawnp(&child, args[0], actions, nullptr, args.data(), environ) == 0 ? child : -1;
}

} // namespace

int startProgram(const std::vector<std::string>& argv) {
    return spawn(argv, nullptr);
}

int waitForProgram(int pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ProgramResult runProgram(const std::vector<std::string>& argv) {
    ProgramResult result;
    TempDir dir;
    const std::string outPath = dir / "out", errPath = dir / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const pid_t child = spawn(argv, &actions);
    posix_spawn_file_actions_destroy(&actions);
    if (child < 0)
        return result;
    result.exitCode = waitForProgram(child);
    result.output = dir.read("out");
    result.errors = dir.read("err");
    return result;
}
