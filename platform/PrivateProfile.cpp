#include "PrivateProfile.h"

#include "AtomicFileWriter.h"
#include "FileSystem.h"
#include "ReadAhead.h"
#include "ReadPass.h"
#include "SpinningLock.h"

#include <algorithm>
#include <cstring>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace {

// The parsed files kept, by an estimate of the memory they take: enough for
// every data file of a large process, so that a generation, which reads each
// of them again after the open did, parses none of them a second time.
constexpr size_t kCacheBudget = size_t{512} << 20;

struct Stamp {
    off_t size = -1;
    timespec mtime{};
    ino_t inode = 0;
    dev_t device = 0;
    bool operator==(const Stamp& o) const {
        return size == o.size && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec &&
               inode == o.inode && device == o.device;
    }
};

bool stampOf(const struct stat& st, Stamp& stamp) {
    if (!S_ISREG(st.st_mode))
        return false;
    stamp = Stamp{st.st_size, st.st_mtim, st.st_ino, st.st_dev};
    return true;
}

bool stampOf(const std::string& disk, Stamp& stamp) {
    struct stat st;
    return stat(disk.c_str(), &st) == 0 && stampOf(st, stamp);
}

// What a parsed file of these bytes takes in memory, roughly: its bytes
// twice (the lines and their names) and a fixed cost per line.
size_t memoryEstimate(std::string_view bytes) {
    return 2 * bytes.size() + 192 * (static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1) +
           256;
}

class ProfileCache {
public:
    std::shared_ptr<const ProfileFile> read(const char* fileName) {
        const std::string key = platform::convertedPath(fileName);
        bool known;
        unsigned long changes;
        {
            std::lock_guard lock(m_mutex);
            if (const unsigned long epoch = ReadPass::current()) {
                // Asked for by the exact name of a file looked at in this epoch
                // of a read pass: that name was there then, and is taken as it was.
                const auto it = m_entries.find(key);
                if (it != m_entries.end() && it->second.epoch == epoch) {
                    m_order.splice(m_order.begin(), m_order, it->second.order);
                    return it->second.file;
                }
            }
            known = m_entries.count(key) != 0;
            changes = m_changes;
        }
        if (known) {
            // Parsed before: one look at the file tells whether that still holds.
            return load(platform::diskEntry(fileName), -1, changes);
        }
        // Never parsed: opened first and looked at through what was opened,
        // which spares a look at the path before.
        platform::DiskEntry entry;
        const int fd = platform::openDiskEntry(fileName, entry);
        return load(entry, fd, changes);
    }

    bool update(const platform::DiskEntry& entry, const std::function<bool(ProfileFile&)>& edit) {
        std::lock_guard lock(m_mutex);
        const std::string& disk = entry.path;
        const auto current = load(entry, -1, m_changes);
        auto changed = std::make_shared<ProfileFile>(current ? *current : ProfileFile());
        if (!edit(*changed))
            return true;
        const std::string bytes = changed->serialize();
        AtomicFileWriter out(disk);
        if (!out.write(bytes) || !out.commit()) {
            forget(disk);
            return false;
        }
        Stamp stamp;
        if (stampOf(disk, stamp))
            store(disk, stamp, changed, memoryEstimate(bytes));
        else
            forget(disk);
        return true;
    }

    void forgetInPass(const std::string& disk) {
        std::lock_guard lock(m_mutex);
        ++m_changes;
        const auto it = m_entries.find(disk);
        if (it != m_entries.end())
            it->second.epoch = 0;
    }

    void keep(const std::string& disk, int change) {
        std::lock_guard lock(m_mutex);
        if ((m_kept[disk] += change) <= 0)
            m_kept.erase(disk);
    }

    void clear() {
        std::lock_guard lock(m_mutex);
        ++m_changes;
        m_entries.clear();
        m_order.clear();
        m_memory = 0;
    }

private:
    struct Entry {
        Stamp stamp;
        // Read while the file could still change within the same clock tick
        // without its stamp moving: parsed again at the next read (after the
        // read pass's epoch in which it was read).
        bool settled = false;
        // The read pass's epoch in which the stamp was last checked.
        unsigned long epoch = 0;
        std::shared_ptr<const ProfileFile> file;
        size_t memory = 0;
        std::list<const std::string*>::iterator order;
    };

    // The parsed file for an entry looked at just now; fd, when not -1, is
    // the entry opened, read here or closed. The file is read and parsed
    // without the lock, so that threads reading ahead parse side by side;
    // what is read is taken as it stands for the read pass's epoch only
    // when no change was told since changes was taken, before the look.
    std::shared_ptr<const ProfileFile> load(const platform::DiskEntry& entry, int fd, unsigned long changes) {
        const std::string& disk = entry.path;
        Stamp stamp;
        if (!entry.exists || !stampOf(entry.st, stamp)) {
            if (fd >= 0)
                close(fd);
            std::lock_guard lock(m_mutex);
            forget(disk);
            return nullptr;
        }
        {
            std::lock_guard lock(m_mutex);
            const auto it = m_entries.find(disk);
            if (it != m_entries.end() && it->second.settled && it->second.stamp == stamp) {
                if (fd >= 0)
                    close(fd);
                m_order.splice(m_order.begin(), m_order, it->second.order);
                if (m_changes == changes)
                    it->second.epoch = ReadPass::current();
                return it->second.file;
            }
        }
        std::string bytes;
        if (!(fd >= 0 ? platform::readOpenDiskFile(fd, bytes, entry.st.st_size)
                      : platform::readDiskFileBytes(disk, bytes, entry.st.st_size))) {
            std::lock_guard lock(m_mutex);
            forget(disk);
            return nullptr;
        }
        auto file = std::make_shared<const ProfileFile>(ProfileFile::parse(bytes));
        // The file may have changed while it was read: keep the stamp taken
        // before, so a later change is still seen.
        std::lock_guard lock(m_mutex);
        store(disk, stamp, file, memoryEstimate(bytes), m_changes == changes);
        return file;
    }

    // trusted: taken as it stands for the read pass's epoch.
    void store(const std::string& disk, const Stamp& stamp, std::shared_ptr<const ProfileFile> file,
               size_t memory, bool trusted = true) {
        const bool settled = platform::isSettledTime(stamp.mtime);
        const unsigned long epoch = trusted ? ReadPass::current() : 0;
        auto it = m_entries.find(disk);
        if (it != m_entries.end()) {
            m_memory -= it->second.memory;
            it->second.stamp = stamp;
            it->second.settled = settled;
            it->second.epoch = epoch;
            it->second.file = std::move(file);
            it->second.memory = memory;
            m_order.splice(m_order.begin(), m_order, it->second.order);
        } else {
            it = m_entries.emplace(disk, Entry{stamp, settled, epoch, std::move(file), memory, {}}).first;
            m_order.push_front(&it->first);
            it->second.order = m_order.begin();
        }
        m_memory += memory;
        // The least recently used go first; the files kept parsed stay.
        for (auto last = m_order.end(); m_memory > kCacheBudget && last != m_order.begin();) {
            --last;
            if (m_kept.count(**last))
                continue;
            const auto victim = m_entries.find(**last);
            m_memory -= victim->second.memory;
            last = m_order.erase(last);
            m_entries.erase(victim);
        }
    }

    void forget(const std::string& disk) {
        const auto it = m_entries.find(disk);
        if (it == m_entries.end())
            return;
        m_memory -= it->second.memory;
        m_order.erase(it->second.order);
        m_entries.erase(it);
    }

    // Recursive: writing a file through update() tells the cache of the change.
    SpinningLock<std::recursive_mutex> m_mutex;
    // The changes told so far (see load).
    unsigned long m_changes = 0;
    std::unordered_map<std::string, Entry> m_entries;
    // Most recently used first, by the names the entries are kept under.
    std::list<const std::string*> m_order;
    size_t m_memory = 0;
    // Files kept parsed whatever else is read, with the number of keepers.
    std::unordered_map<std::string, int> m_kept;
};

ProfileCache& cache() {
    static ProfileCache instance;
    return instance;
}

// Copies a NUL-separated list of names, ended by a second NUL.
DWORD copyNameList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    if (size < 2) {
        if (size == 1)
            buffer[0] = '\0';
        return 0;
    }
    DWORD used = 0;
    for (const auto& name : names) {
        for (char c : name) {
            if (used + 2 >= size) {
                buffer[used] = '\0';
                buffer[used + 1] = '\0';
                return size - 2;
            }
            buffer[used++] = c;
        }
        if (used + 2 >= size) {
            buffer[used] = '\0';
            buffer[used + 1] = '\0';
            return size - 2;
        }
        buffer[used++] = '\0';
    }
    buffer[used] = '\0';
    return used;
}

DWORD copyValue(std::string_view value, LPSTR buffer, DWORD size) {
    if (size == 0)
        return 0;
    const size_t n = std::min<size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                               LPCSTR fileName) {
    if (!buffer || size == 0)
        return 0;
    const auto file = fileName ? cache().read(fileName) : nullptr;
    if (!section)
        return copyNameList(file ? file->sectionNames() : std::vector<std::string>{}, buffer, size);
    if (!key)
        return copyNameList(file ? file->keyNames(section) : std::vector<std::string>{}, buffer, size);
    if (file) {
        if (const auto value = file->get(section, key))
            return copyValue(*value, buffer, size);
    }
    std::string_view fallback(defaultValue ? defaultValue : "");
    while (!fallback.empty() && (fallback.back() == ' ' || fallback.back() == '\t'))
        fallback.remove_suffix(1);
    return copyValue(fallback, buffer, size);
}

BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
    if (!section || !fileName)
        return FALSE;
    return platform::updateProfile(fileName,
                                   [&](ProfileFile& file) {
                                       if (!key)
                                           return file.removeSection(section);
                                       if (!value)
                                           return file.removeKey(section, key);
                                       return file.set(section, key, value);
                                   })
               ? TRUE
               : FALSE;
}

namespace platform {

std::shared_ptr<const ProfileFile> readProfile(const char* fileName) {
    if (auto file = fileName ? ReadAhead::takeProfile(fileName) : nullptr)
        return file;
    return fileName ? cache().read(fileName) : nullptr;
}

bool updateProfile(const char* fileName, const std::function<bool(ProfileFile&)>& edit) {
    return fileName && cache().update(diskEntry(fileName), edit);
}

void clearProfileCache() {
    cache().clear();
    // Told once the cache is empty: a thread reading ahead that sees the
    // change parses the files again.
    ReadAhead::noteChange();
}

void forgetProfileInPass(const std::string& diskPath) {
    cache().forgetInPass(diskPath);
}

KeptProfile::KeptProfile(const char* fileName) : m_disk(diskPath(fileName ? fileName : "")) {
    cache().keep(m_disk, 1);
}

KeptProfile::~KeptProfile() {
    cache().keep(m_disk, -1);
}

} // namespace platform
