#pragma once

// What every benchmark prints: one line per measured step, with its size and
// time, so that runs can be compared by eye or by a script. Benchmarks are
// built with the project but never run by the tests:
//   build/bin/bench_<name> [sizes...]

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

inline void benchReport(const std::string& step, long size, double seconds, const char* unit = "items") {
    std::printf("%-40s %10ld %s %12.6f s\n", step.c_str(), size, unit, seconds);
    std::fflush(stdout);
}
