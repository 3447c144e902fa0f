#pragma once

// An operation that only reads the project (opening it, refreshing its
// links) runs inside a read pass: what it has looked at once on disk, a
// folder's listing or a profile file's stamp, is taken as it was for the
// rest of the pass, so each is looked at once per operation instead of once
// per item. The operation sees the disk as it stood when it first looked,
// as a reader that read everything at once would. Any change the program
// itself makes on disk starts a new epoch, in which everything is looked at
// again; what other programs change is seen by the next operation.

class ReadPass {
public:
    ReadPass();
    ~ReadPass();
    ReadPass(const ReadPass&) = delete;
    ReadPass& operator=(const ReadPass&) = delete;

    // The epoch under way in this thread's pass; 0 outside any pass. What
    // was looked at in the epoch still answered holds for it.
    static unsigned long current();
    // The program created, wrote, moved or deleted something on disk (in
    // any thread): every pass under way starts a new epoch.
    static void noteChange();

    // What a thread reading ahead for this thread's pass needs to read in
    // the same epoch; taken inside a pass.
    struct Share {
        unsigned long epoch = 0;
        unsigned long changesSeen = 0;
    };
    static Share share();
    // While one lives, this thread reads in the epoch of another thread's
    // pass; once a change is made, that pass goes on to a new epoch and this
    // thread reads outside any pass, so that only one epoch of the pass is
    // ever under way.
    class Joined {
    public:
        explicit Joined(const Share& share);
        ~Joined();
        Joined(const Joined&) = delete;
        Joined& operator=(const Joined&) = delete;
    };
};
