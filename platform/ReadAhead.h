#pragma once

// Reads ahead, in threads of its own, the files that the thread that made
// it is about to read one item after the other in a read pass: each item's
// profile file is parsed into the profile cache, its folder listed on the
// way, and the other files of its folder that its profile tells are read
// and kept until the reader asks for them, all in the pass's epoch. The
// reader says which item it has come to, and the threads leave that item
// and those before it to the reader. Outside a read pass, for a few items,
// and on a machine with one processor, nothing is read ahead. The reader
// finds what it would have found itself: once the program changes anything
// on disk, nothing read ahead before is taken any more.

#include "ReadPass.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class ProfileFile;

class ReadAhead {
public:
    // What the reader reads of one item, by program paths: its profile
    // file, and other files of its folder (the path its names follow).
    struct Files {
        std::string profile;
        std::string folder;
    };
    // The names of the other files read of an item with this profile file
    // (null when it has none); called in the threads that read ahead.
    using OtherFiles = std::function<const std::vector<std::string>*(const ProfileFile* profile)>;
    // items: in the order the reader will read them.
    ReadAhead(std::vector<Files> items, OtherFiles otherFiles);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The reader has come to the item at this position: what was read
    // ahead of it is what take() gives up, until the next one.
    void reached(size_t position);
    // The threads reading ahead; none where reading ahead does not pay.
    size_t threadCount() const { return m_threads.size(); }

    // A file of the item the reader has come to, read ahead in the
    // reader's read pass under exactly this path, given up to the reader
    // with the error that the read met (0 when it was read); false when
    // there is none. Only the thread that made the read-ahead takes.
    static bool take(const char* path, std::string& bytes, int& error);
    // The profile file of the item the reader has come to, as parsed ahead
    // under exactly this path in the reader's read pass; null when there is none.
    static std::shared_ptr<const ProfileFile> takeProfile(const char* path);
    // The program changed something on disk.
    static void noteChange();

private:
    // A file read ahead, kept until the reader takes it.
    struct Kept {
        std::string path;
        std::string bytes;
        // Why it could not be read (it is missing, mostly); 0 when read.
        int error = 0;
        bool taken = false;
    };
    // What was read ahead of one item; the reader looks only once ready.
    struct Slot {
        std::atomic<bool> ready{false};
        // The read pass's epoch and the program's changes before anything
        // of the item was read: while both still hold, all of it does.
        unsigned long epoch = 0;
        unsigned long changes = 0;
        std::shared_ptr<const ProfileFile> profile;
        std::vector<Kept> files;
    };

    void readAhead(ReadPass::Share share);
    // The slot of the item the reader has come to, once read and while
    // what it holds is still what the reader would read; null otherwise.
    Slot* reachedSlot() const;
    bool takeFromSlot(const char* path, std::string& bytes, int& error);

    const std::vector<Files> m_items;
    const OtherFiles m_otherFiles;
    std::unique_ptr<Slot[]> m_slots;
    std::atomic<size_t> m_next{0};
    std::atomic<bool> m_stop{false};
    // The item the reader has come to, and the read-ahead it took from
    // before this one was made.
    size_t m_reached = SIZE_MAX;
    ReadAhead* m_outer = nullptr;
    std::vector<std::thread> m_threads;
};
