#pragma once

// A stand-in for an outside program: a script of the given name put first
// on PATH for the test's lifetime, which writes its arguments, one per
// line, into the file "args.txt" of the test's folder and ends with the
// given status.

#include "TempDir.h"

#include <chrono>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <thread>

class FakeProgram {
public:
    FakeProgram(const TempDir& dir, const std::string& name, int exitCode = 0) : m_dir(dir) {
        // The arguments are written aside and renamed into place, so that a
        // reader never sees the first of them without the others.
        dir.write("bin/" + name, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                     dir.path() + "args.part\"\nmv \"" + dir.path() + "args.part\" \"" +
                                     dir.path() + "args.txt\"\nexit " + std::to_string(exitCode) + "\n");
        chmod((dir / ("bin/" + name)).c_str(), 0755);
        m_oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", (dir / "bin:" + m_oldPath).c_str(), 1);
    }
    ~FakeProgram() { setenv("PATH", m_oldPath.c_str(), 1); }

    // The arguments of the last run, waiting for a program started without waiting.
    std::string arguments() const {
        for (int i = 0; i < 500 && !m_dir.exists("args.txt"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        for (int i = 0; i < 50 && m_dir.read("args.txt").empty(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return m_dir.read("args.txt");
    }

private:
    const TempDir& m_dir;
    std::string m_oldPath;
};
