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

    // The reader has come to the item at this position.
    void reached(size_t position);
    // The threads reading ahead; none where reading ahead does not pay.
    size_t threadCount() const { return m_threads.size(); }

    // A file read ahead in this thread's read pass under exactly this path,
    // given up to the reader; false when there is none.
    static bool take(const char* path, std::string& bytes);
    // The program changed something on disk.
    static void noteChange();

private:
    void readAhead(ReadPass::Share share);

    const std::vector<Files> m_items;
    const OtherFiles m_otherFiles;
    std::atomic<size_t> m_next{0};
    std::atomic<bool> m_stop{false};
    // Counted among the read-aheads under way.
    bool m_live = false;
    std::vector<std::thread> m_threads;
};
