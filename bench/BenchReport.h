#pragma once

// What every benchmark prints: one line per measured step, with its size and
// time, so that runs can be compared by eye or by a script. Benchmarks are
// built with the project but never run by the tests:
//   build/bin/bench_<name> [sizes...]

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>

class BenchTimer {
public:
    BenchTimer() : m_start(std::chrono::steady_clock::now()) {}
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

// The best of a few runs of a step that answers its seconds: others using
// the machine only ever make a run slower.
template <typename Step> double bestOf(int runs, Step step) {
    double best = step();
    for (int r = 1; r < runs; ++r)
        best = std::min(best, step());
    return best;
}

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

// Prints, from the second size on, how a step's time grew from the size
// before beside how the items grew: a step in time linear in the items
// shows two close numbers.
class GrowthReport {
public:
    explicit GrowthReport(std::string step) : m_step(std::move(step)) {}
    void add(long items, double seconds) {
        if (m_items > 0)
            std::printf("%s %ld / %ld items: %.2f (items %.2f)\n", m_step.c_str(), items, m_items,
                        seconds / m_seconds, static_cast<double>(items) / m_items);
        std::fflush(stdout);
        m_items = items;
        m_seconds = seconds;
    }

private:
    std::string m_step;
    long m_items = 0;
    double m_seconds = 0;
};
