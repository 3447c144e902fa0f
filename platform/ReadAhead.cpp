#include "ReadAhead.h"

#include "FileSystem.h"
#include "PrivateProfile.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace {

// Beyond a few threads the file system, not the parsing, sets the pace.
constexpr unsigned kMaxThreads = 3;
// Fewer items than this are read faster than threads start.
constexpr size_t kMinItems = 64;

// The files read ahead and not yet taken, while threads read ahead.
struct Kept {
    unsigned long epoch = 0;
    unsigned long changes = 0;
    std::string bytes;
};

struct Store {
    std::mutex mutex;
    std::unordered_map<std::string, Kept> files;
    // The program's changes on disk while anything was read ahead.
    unsigned long changes = 0;
    // The read-aheads under way.
    std::atomic<int> live{0};
};

Store& store() {
    static Store instance;
    return instance;
}

} // namespace

ReadAhead::ReadAhead(std::vector<Files> items, OtherFiles otherFiles)
    : m_items(std::move(items)), m_otherFiles(std::move(otherFiles)) {
    const unsigned processors = std::thread::hardware_concurrency();
    if (ReadPass::current() == 0 || processors < 2 || m_items.size() < kMinItems)
        return;
    const ReadPass::Share share = ReadPass::share();
    const unsigned count = std::min(kMaxThreads, processors - 1);
    m_threads.reserve(count);
    ++store().live;
    m_live = true;
    for (unsigned i = 0; i < count; ++i) {
        try {
            m_threads.emplace_back([this, share] { readAhead(share); });
        } catch (...) {
            break; // the reader reads what no thread does
        }
    }
}

ReadAhead::~ReadAhead() {
    m_stop = true;
    for (std::thread& thread : m_threads)
        thread.join();
    if (!m_live)
        return;
    Store& kept = store();
    std::lock_guard lock(kept.mutex);
    if (--kept.live == 0)
        kept.files.clear();
}

void ReadAhead::reached(size_t position) {
    size_t next = m_next.load();
    while (next <= position && !m_next.compare_exchange_weak(next, position + 1)) {
    }
}

void ReadAhead::readAhead(ReadPass::Share share) {
    ReadPass::Joined joined(share);
    Store& kept = store();
    try {
        // Once the reader's pass has gone on to a new epoch, nothing read
        // here would serve it any more.
        while (!m_stop && ReadPass::current() != 0) {
            const size_t position = m_next.fetch_add(1);
            if (position >= m_items.size())
                break;
            const Files& item = m_items[position];
            const auto profile = platform::readProfile(item.profile.c_str());
            const std::vector<std::string>* others = m_otherFiles ? m_otherFiles(profile.get()) : nullptr;
            for (size_t n = 0; others && !item.folder.empty() && n < others->size(); ++n) {
                const std::string path = item.folder + (*others)[n];
                unsigned long changes;
                {
                    std::lock_guard lock(kept.mutex);
                    changes = kept.changes;
                }
                std::string bytes;
                if (!platform::readFileBytes(path.c_str(), bytes))
                    continue;
                std::lock_guard lock(kept.mutex);
                if (kept.changes == changes)
                    kept.files[path] = Kept{ReadPass::current(), changes, std::move(bytes)};
            }
        }
    } catch (...) {
        // Whatever was not read ahead, the reader reads itself.
    }
}

bool ReadAhead::take(const char* path, std::string& bytes) {
    Store& kept = store();
    if (kept.live == 0)
        return false;
    const unsigned long epoch = ReadPass::current();
    std::lock_guard lock(kept.mutex);
    const auto it = kept.files.find(path);
    if (it == kept.files.end())
        return false;
    const bool valid = epoch != 0 && it->second.epoch == epoch && it->second.changes == kept.changes;
    if (valid)
        bytes = std::move(it->second.bytes);
    kept.files.erase(it);
    return valid;
}

void ReadAhead::noteChange() {
    Store& kept = store();
    if (kept.live == 0)
        return;
    std::lock_guard lock(kept.mutex);
    ++kept.changes;
}
