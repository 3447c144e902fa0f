#include "PrivateProfile.h"

#include "AtomicFileWriter.h"
#include "FileSystem.h"

#include <algorithm>
#include <cstring>
#include <list>
#include <mutex>
#include <sys/stat.h>
#include <unordered_map>

namespace {

// Enough for the settings file, the labels file and the items being worked on.
constexpr size_t kCacheCapacity = 64;

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

bool stampOf(const std::string& disk, Stamp& stamp) {
    struct stat st;
    if (stat(disk.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp = Stamp{st.st_size, st.st_mtim, st.st_ino, st.st_dev};
    return true;
}

class ProfileCache {
public:
    std::shared_ptr<const ProfileFile> read(const std::string& disk) {
        std::lock_guard lock(m_mutex);
        return load(disk);
    }

    bool update(const std::string& disk, const std::function<bool(ProfileFile&)>& edit) {
        std::lock_guard lock(m_mutex);
        const auto current = load(disk);
        auto changed = std::make_shared<ProfileFile>(current ? *current : ProfileFile());
        if (!edit(*changed))
            return true;
        AtomicFileWriter out(disk);
        if (!out.write(changed->serialize()) || !out.commit()) {
            forget(disk);
            return false;
        }
        Stamp stamp;
        if (stampOf(disk, stamp))
            store(disk, stamp, changed);
        else
            forget(disk);
        return true;
    }

    void clear() {
        std::lock_guard lock(m_mutex);
        m_entries.clear();
        m_order.clear();
    }

private:
    struct Entry {
        Stamp stamp;
        std::shared_ptr<const ProfileFile> file;
        std::list<std::string>::iterator order;
    };

    std::shared_ptr<const ProfileFile> load(const std::string& disk) {
        Stamp stamp;
        if (!stampOf(disk, stamp)) {
            forget(disk);
            return nullptr;
        }
        const auto it = m_entries.find(disk);
        if (it != m_entries.end() && it->second.stamp == stamp) {
            m_order.splice(m_order.begin(), m_order, it->second.order);
            return it->second.file;
        }
        std::string bytes;
        if (!platform::readDiskFileBytes(disk, bytes)) {
            forget(disk);
            return nullptr;
        }
        auto file = std::make_shared<const ProfileFile>(ProfileFile::parse(bytes));
        // The file may have changed while it was read: keep the stamp taken
        // before, so a later change is still seen.
        store(disk, stamp, file);
        return file;
    }

    void store(const std::string& disk, const Stamp& stamp, std::shared_ptr<const ProfileFile> file) {
        const auto it = m_entries.find(disk);
        if (it != m_entries.end()) {
            it->second.stamp = stamp;
            it->second.file = std::move(file);
            m_order.splice(m_order.begin(), m_order, it->second.order);
            return;
        }
        m_order.push_front(disk);
        m_entries.emplace(disk, Entry{stamp, std::move(file), m_order.begin()});
        while (m_entries.size() > kCacheCapacity) {
            m_entries.erase(m_order.back());
            m_order.pop_back();
        }
    }

    void forget(const std::string& disk) {
        const auto it = m_entries.find(disk);
        if (it == m_entries.end())
            return;
        m_order.erase(it->second.order);
        m_entries.erase(it);
    }

    std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_entries;
    std::list<std::string> m_order; // most recently used first
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
    const auto file = fileName ? cache().read(platform::diskPath(fileName)) : nullptr;
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
    return platform::updateProfile(fileName, [&](ProfileFile& file) {
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
    return fileName ? cache().read(diskPath(fileName)) : nullptr;
}

bool updateProfile(const char* fileName, const std::function<bool(ProfileFile&)>& edit) {
    return fileName && cache().update(diskPath(fileName), edit);
}

void clearProfileCache() { cache().clear(); }

} // namespace platform
