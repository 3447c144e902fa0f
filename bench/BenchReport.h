#pragma once

// What every benchmark prints: one line per measured step, with its size and
// time, so that runs can be compared by eye or by a script. Benchmarks are
// built with the project but never run by the tests:
//   build/bin/bench_<name> [sizes...]

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

class BenchTimer {
public:
    BenchTimer() : m_start(std::chrono::steady_clock::now()) {}
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

// The processor time this process spent in its own code (user) and in the
// system's (files and folders) since it was made: what tells the program's
// work apart from the file system's.
class CpuTimer {
public:
    CpuTimer() : m_start(now()) {}
    double userSeconds() const { return now().user - m_start.user; }
    double systemSeconds() const { return now().system - m_start.system; }

private:
    struct Times {
        double user;
        double system;
    };
    static Times now() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
        return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
    }
    Times m_start;
};

inline void benchReport(const std::string& step, long size, double seconds, const char* unit = "items") {
    std::printf("%-40s %10ld %s %12.6f s\n", step.c_str(), size, unit, seconds);
    std::fflush(stdout);
}
