#include "ReadPass.h"

#include <atomic>

namespace {

// Epochs are numbered across threads, so that an answer kept in one
// thread's pass never passes for another's.
std::atomic<unsigned long> g_epochs{0};
// The program's changes on disk, from any thread.
std::atomic<unsigned long> g_changes{0};
thread_local int t_depth = 0;
thread_local unsigned long t_epoch = 0;
thread_local unsigned long t_changesSeen = 0;
// Reading in another thread's pass (see Joined).
thread_local bool t_joined = false;

} // namespace

ReadPass::ReadPass() {
    if (t_depth++ == 0) {
        t_changesSeen = g_changes.load();
        t_epoch = ++g_epochs;
    }
}

ReadPass::~ReadPass() {
    if (--t_depth == 0)
        t_epoch = 0;
}

unsigned long ReadPass::current() {
    if (t_depth == 0)
        return 0;
    const unsigned long changes = g_changes.load();
    if (changes != t_changesSeen) {
        // The pass joined has gone on to a new epoch, which this thread
        // cannot share: it reads on outside any pass.
        if (t_joined)
            return 0;
        t_changesSeen = changes;
        t_epoch = ++g_epochs;
    }
    return t_epoch;
}

void ReadPass::noteChange() {
    ++g_changes;
}

ReadPass::Share ReadPass::share() {
    const unsigned long epoch = current();
    return Share{epoch, t_changesSeen};
}

ReadPass::Joined::Joined(const Share& share) {
    t_depth = 1;
    t_joined = true;
    t_epoch = share.epoch;
    t_changesSeen = share.changesSeen;
}

ReadPass::Joined::~Joined() {
    t_depth = 0;
    t_joined = false;
    t_epoch = 0;
}
