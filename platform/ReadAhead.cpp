#include "ReadAhead.h"

#include "FileSystem.h"
#include "PrivateProfile.h"

#include <algorithm>
#include <cerrno>

namespace {

// Beyond a few threads the file system, not the parsing, sets the pace.
constexpr unsigned kMaxThreads = 7;
// Fewer items than this are read faster than threads start.
constexpr size_t kMinItems = 64;

// The program's changes on disk so far: a file read ahead before the last
// one is not taken.
std::atomic<unsigned long> g_changes{0};

// The read-ahead whose threads read for this thread, if any.
thread_local ReadAhead* t_reading = nullptr;

} // namespace

ReadAhead::ReadAhead(std::vector<Files> items, OtherFiles otherFiles)
    : m_items(std::move(items)), m_otherFiles(std::move(otherFiles)) {
    const unsigned processors = std::thread::hardware_concurrency();
    if (ReadPass::current() == 0 || processors < 2 || m_items.size() < kMinItems)
        return;
    m_slots = std::make_unique<Slot[]>(m_items.size());
    const ReadPass::Share share = ReadPass::share();
    const unsigned count = std::min(kMaxThreads, processors - 1);
    m_threads.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        try {
            m_threads.emplace_back([this, share] { readAhead(share); });
        } catch (...) {
            break; // the reader reads what no thread does
        }
    }
    m_outer = t_reading;
    t_reading = this;
}

ReadAhead::~ReadAhead() {
    m_stop = true;
    for (std::thread& thread : m_threads)
        thread.join();
    if (m_slots)
        t_reading = m_outer;
}

void ReadAhead::reached(size_t position) {
    m_reached = position;
    size_t next = m_next.load();
    while (next <= position && !m_next.compare_exchange_weak(next, position + 1)) {
    }
}

void ReadAhead::readAhead(ReadPass::Share share) {
    ReadPass::Joined joined(share);
    try {
        // Once the reader's pass has gone on to a new epoch, nothing read
        // here would serve it any more.
        while (!m_stop && ReadPass::current() != 0) {
            const size_t position = m_next.fetch_add(1);
            if (position >= m_items.size())
                break;
            const Files& item = m_items[position];
            Slot& slot = m_slots[position];
            slot.changes = g_changes.load();
            slot.epoch = ReadPass::current();
            slot.profile = platform::readProfile(item.profile.c_str());
            const std::vector<std::string>* others = m_otherFiles ? m_otherFiles(slot.profile.get()) : nullptr;
            for (size_t n = 0; others && !item.folder.empty() && n < others->size(); ++n) {
                // A missing file is kept as such too: most items lack some
                // of the files of their class, and the reader then needs no
                // look of its own to find that out. Any other failure (a
                // lack of memory or of file handles here) the reader meets
                // again, or not, by itself.
                Kept kept;
                kept.path = item.folder + (*others)[n];
                kept.error = platform::readFileBytes(kept.path.c_str(), kept.bytes) ? 0 : platform::lastErrorCode();
                if (kept.error == 0 || kept.error == ENOENT || kept.error == ENOTDIR)
                    slot.files.push_back(std::move(kept));
            }
            slot.ready.store(true, std::memory_order_release);
        }
    } catch (...) {
        // Whatever was not read ahead, the reader reads itself.
    }
}

ReadAhead::Slot* ReadAhead::reachedSlot() const {
    if (m_reached >= m_items.size())
        return nullptr;
    Slot& slot = m_slots[m_reached];
    if (!slot.ready.load(std::memory_order_acquire) || slot.epoch == 0 || slot.epoch != ReadPass::current() ||
        slot.changes != g_changes.load())
        return nullptr;
    return &slot;
}

bool ReadAhead::takeFromSlot(const char* path, std::string& bytes, int& error) {
    Slot* slot = reachedSlot();
    if (!slot)
        return false;
    for (Kept& kept : slot->files) {
        if (kept.taken || kept.path != path)
            continue;
        // Taken once: a second read of the file goes to the disk.
        kept.taken = true;
        bytes = std::move(kept.bytes);
        error = kept.error;
        return true;
    }
    return false;
}

bool ReadAhead::take(const char* path, std::string& bytes, int& error) {
    return t_reading && t_reading->takeFromSlot(path, bytes, error);
}

std::shared_ptr<const ProfileFile> ReadAhead::takeProfile(const char* path) {
    Slot* slot = t_reading ? t_reading->reachedSlot() : nullptr;
    if (!slot || !slot->profile || t_reading->m_items[t_reading->m_reached].profile != path)
        return nullptr;
    return slot->profile;
}

void ReadAhead::noteChange() {
    ++g_changes;
}
