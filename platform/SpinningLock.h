#pragma once

// A lock tried a while before the thread that wants it sleeps. The caches
// that threads reading ahead share hold their locks for a lookup only,
// far shorter than the system calls that put a thread to sleep and wake
// it again; under contention those calls, not the work, set the pace.

#include <mutex>
#include <shared_mutex>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

template <class Mutex = std::mutex>
class SpinningLock {
public:
    void lock() {
        if (!tried([this] { return m_mutex.try_lock(); }))
            m_mutex.lock();
    }
    bool try_lock() { return m_mutex.try_lock(); }
    void unlock() { m_mutex.unlock(); }

    // Shared by readers, for a lock that can be (std::shared_mutex).
    void lock_shared() {
        if (!tried([this] { return m_mutex.try_lock_shared(); }))
            m_mutex.lock_shared();
    }
    bool try_lock_shared() { return m_mutex.try_lock_shared(); }
    void unlock_shared() { m_mutex.unlock_shared(); }

private:
    // Tries to take the lock a while, pausing between attempts; false when
    // it was not had.
    template <class Attempt>
    static bool tried(Attempt attempt) {
        for (int n = 0; n < kAttempts; ++n) {
            if (attempt())
                return true;
            for (int pause = 0; pause < 8; ++pause) {
#if defined(__x86_64__) || defined(__i386__)
                _mm_pause();
#endif
            }
        }
        return false;
    }
    static constexpr int kAttempts = 100;
    Mutex m_mutex;
};
