#pragma once

// Runs a program by its argument vector (never through a shell) and waits
// for it; its output and error output are caught when asked for.

#include <string>
#include <vector>

struct ProgramResult {
    int exitCode = -1; // -1 when it could not start or did not exit normally
    std::string output;
    std::string errors;
};

ProgramResult runProgram(const std::vector<std::string>& argv);

// Starts a program that shares the test's output and open files; -1 when it
// could not start. waitForProgram answers its exit status (-1 when it did
// not exit normally).
int startProgram(const std::vector<std::string>& argv);
int waitForProgram(int pid);
