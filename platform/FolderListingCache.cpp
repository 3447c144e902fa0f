#include "FolderListingCache.h"

#include "Encoding.h"
#include "FileSystem.h"
#include "PrivateProfile.h"
#include "ReadAhead.h"
#include "ReadPass.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace {

// Beyond this many folders the listings are dropped and gathered anew.
constexpr size_t kMaxListings = 200000;

std::string folderKey(const std::string& folder) {
    std::string key = folder.empty() ? std::string(".") : folder;
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    return key;
}

// A name folded for a lookup ignoring case, as Windows folds it.
std::string folded(std::string_view name) {
    if (!encoding::isAscii(name))
        return encoding::toLower(encoding::utf8ToCp1252(name));
    std::string text(name);
    for (char& c : text)
        c = encoding::toLower(c);
    return text;
}

// The folded name appended to text; most names are plain ASCII.
void appendFolded(std::string& text, std::string_view name) {
    if (encoding::isAscii(name)) {
        for (const char c : name)
            text += encoding::toLower(c);
    } else {
        text += folded(name);
    }
}

// A path that names its entry one way only: no "." or ".." step and no
// doubled separator. A change made through any other path may be known
// under another spelling, so every pass then looks at everything again.
bool isPlainPath(std::string_view path) {
    if (path.find("//") != std::string_view::npos)
        return false;
    for (size_t start = 0; start <= path.size();) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view step = path.substr(start, end - start);
        if (step == "." || step == "..")
            return false;
        start = end + 1;
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : path.substr(0, slash);
}

} // namespace

FolderListingCache& FolderListingCache::instance() {
    static FolderListingCache cache;
    return cache;
}

bool FolderListingCache::sameStamp(const Listing& listing, const struct stat& st) {
    return listing.device == st.st_dev && listing.inode == st.st_ino &&
           listing.mtime.tv_sec == st.st_mtim.tv_sec && listing.mtime.tv_nsec == st.st_mtim.tv_nsec;
}

FolderListingCache::Read FolderListingCache::read(const std::string& folder, const struct stat* folderStat,
                                                  Listing& listing) {
    listing = Listing{};
    // Read with the system call itself: a listing for every folder of a
    // large process must cost no more than the calls it needs.
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Read::Unopened;
    struct stat opened;
    if (!folderStat) {
        if (fstat(fd, &opened) != 0) {
            close(fd);
            return Read::Unopened;
        }
        folderStat = &opened;
    }
    listing.device = folderStat->st_dev;
    listing.inode = folderStat->st_ino;
    listing.mtime = folderStat->st_mtim;
    listing.settled = platform::isSettledTime(folderStat->st_mtim);
    bool complete = true;
    alignas(8) char buffer[16384];
    for (;;) {
        const ssize_t n = getdents64(fd, buffer, sizeof buffer);
        if (n <= 0) {
            complete = n == 0;
            break;
        }
        for (ssize_t at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            const std::string_view name(entry->d_name);
            if (name != "." && name != "..")
                listing.names.addRead(name);
            at += entry->d_reclen;
        }
    }
    close(fd);
    listing.names.sort();
    return complete ? Read::Complete : Read::Cut;
}

auto FolderListingCache::Names::append(std::string_view name) -> Slot {
    Slot slot;
    slot.name = static_cast<uint32_t>(m_text.size());
    slot.nameSize = static_cast<uint16_t>(name.size());
    m_text += name;
    slot.folded = static_cast<uint32_t>(m_text.size());
    appendFolded(m_text, name);
    slot.foldedSize = static_cast<uint16_t>(m_text.size() - slot.folded);
    return slot;
}

void FolderListingCache::Names::addRead(std::string_view name) {
    m_slots.push_back(append(name));
}

void FolderListingCache::Names::sort() {
    // In name order within a folded name, so that of several names
    // differing in case only the same one is always taken.
    std::sort(m_slots.begin(), m_slots.end(), [this](const Slot& a, const Slot& b) {
        const int byFolded = foldedOf(a).compare(foldedOf(b));
        return byFolded != 0 ? byFolded < 0 : nameOf(a) < nameOf(b);
    });
    auto kept = m_slots.begin();
    for (auto at = m_slots.begin(); at != m_slots.end(); ++at) {
        if (kept != m_slots.begin() && foldedOf(*at) == foldedOf(*(kept - 1)))
            (kept - 1)->several = true;
        else
            *kept++ = *at;
    }
    m_slots.erase(kept, m_slots.end());
    m_slots.shrink_to_fit();
    m_text.shrink_to_fit();
}

auto FolderListingCache::Names::firstNotBefore(std::string_view folded) const
    -> std::vector<Slot>::const_iterator {
    return std::lower_bound(m_slots.begin(), m_slots.end(), folded,
                            [this](const Slot& s, std::string_view f) { return foldedOf(s) < f; });
}

void FolderListingCache::Names::add(std::string_view name) {
    const Slot slot = append(name);
    const auto at = m_slots.begin() + (firstNotBefore(foldedOf(slot)) - m_slots.cbegin());
    if (at == m_slots.end() || foldedOf(*at) != foldedOf(slot)) {
        m_slots.insert(at, slot);
        return;
    }
    if (nameOf(*at) != name)
        at->several = true;
    if (name < nameOf(*at)) {
        at->name = slot.name;
        at->nameSize = slot.nameSize;
    } else {
        // Known already: a file written again adds nothing to the text.
        m_text.resize(slot.name);
    }
}

auto FolderListingCache::Names::find(std::string_view folded) const -> std::optional<Hit> {
    const auto at = firstNotBefore(folded);
    if (at == m_slots.end() || foldedOf(*at) != folded)
        return std::nullopt;
    return Hit{nameOf(*at), at->several};
}

void FolderListingCache::noteIdentity(const Listing& listing, const std::string& key) {
    if (listing.unlistable || listing.epoch == 0)
        return;
    if (m_identities.size() >= kMaxListings) {
        // What was noted in the epochs under way goes: they end.
        m_identities.clear();
        ReadPass::noteChange();
    }
    const size_t path = std::hash<std::string>{}(key);
    const auto [at, added] = m_identities.try_emplace(Identity{listing.device, listing.inode});
    // A look begun in an epoch that has ended since tells nothing of the
    // epoch under way.
    if (added || at->second.epoch < listing.epoch)
        at->second = Known{path, listing.epoch, false};
    else if (at->second.epoch == listing.epoch && at->second.path != path)
        at->second.several = true;
}

bool FolderListingCache::knownUnderOtherPaths(const std::string& folder) const {
    const auto it = m_listings.find(folder);
    if (it == m_listings.end() || it->second.unlistable)
        return false;
    const auto known = m_identities.find(Identity{it->second.device, it->second.inode});
    return known != m_identities.end() && known->second.several;
}

auto FolderListingCache::keep(const std::string& key, Listing listing)
    -> std::unordered_map<std::string, Listing>::iterator {
    noteIdentity(listing, key);
    if (const auto it = m_listings.find(key); it != m_listings.end()) {
        it->second = std::move(listing);
        return it;
    }
    if (m_listings.size() >= kMaxListings)
        m_listings.clear();
    return m_listings.emplace(key, std::move(listing)).first;
}

bool FolderListingCache::findOtherCase(const std::string& folder, const std::string& name, std::string& found,
                                       const struct stat* folderStat) {
    const std::string key = folderKey(folder);
    const unsigned long epoch = ReadPass::current();
    const auto answer = [&](const Listing& listing) {
        const auto hit = listing.names.find(folded(name));
        if (!hit)
            return false;
        found = hit->first;
        return true;
    };
    if (epoch != 0) {
        std::lock_guard lock(m_mutex);
        const auto it = m_listings.find(key);
        if (it != m_listings.end() && it->second.epoch == epoch && !it->second.unlistable)
            return answer(it->second);
    }
    struct stat st;
    if (folderStat)
        st = *folderStat;
    else if (stat(key.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return false;
    std::lock_guard lock(m_mutex);
    auto it = m_listings.find(key);
    if (it != m_listings.end() && it->second.settled && sameStamp(it->second, st)) {
        it->second.epoch = epoch;
        noteIdentity(it->second, key);
        return answer(it->second);
    }
    if (it != m_listings.end())
        m_listings.erase(it);
    // A listing cut short by an error serves this lookup only; one of a
    // folder changed a moment ago serves the rest of the read pass too.
    Listing fresh;
    if (read(key, &st, fresh) != Read::Complete || (!fresh.settled && epoch == 0))
        return answer(fresh);
    fresh.epoch = epoch;
    return answer(keep(key, std::move(fresh))->second);
}

auto FolderListingCache::listInPass(std::unique_lock<Lock>& lock, const std::string& key,
                                    unsigned long epoch)
    -> std::unordered_map<std::string, Listing>::iterator {
    // The folder is looked at without the lock, so that threads reading
    // ahead list folders side by side; what they read is kept only when no
    // change was made meanwhile, else it is looked at again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto it = m_listings.find(key);
        if (it != m_listings.end() && it->second.epoch == epoch)
            return it;
        const unsigned long changes = m_changes;
        if (it != m_listings.end() && !it->second.unlistable && it->second.settled) {
            // Kept from before: one look at the folder's stamp tells whether it holds.
            lock.unlock();
            struct stat st;
            const bool stamped = stat(key.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
            lock.lock();
            if (m_changes != changes)
                continue;
            it = m_listings.find(key);
            if (stamped && it != m_listings.end() && it->second.settled && sameStamp(it->second, st)) {
                it->second.epoch = epoch;
                noteIdentity(it->second, key);
                return it;
            }
        }
        lock.unlock();
        Listing fresh;
        const Read result = read(key, nullptr, fresh);
        lock.lock();
        if (m_changes != changes)
            continue;
        it = m_listings.find(key);
        if (result == Read::Cut) {
            if (it != m_listings.end())
                m_listings.erase(it);
            return m_listings.end();
        }
        // A folder that cannot be opened under this path is remembered as
        // such for the epoch, so that its names cost no further attempt.
        fresh.unlistable = result == Read::Unopened;
        fresh.epoch = epoch;
        return keep(key, std::move(fresh));
    }
    return m_listings.end();
}

FolderListingCache::Answer FolderListingCache::lookUpInPass(const std::string& folder, std::string_view name,
                                                            std::string& found) {
    const unsigned long epoch = ReadPass::current();
    if (epoch == 0 || name.empty() || name == "." || name == "..")
        return Answer::Unknown;
    const std::string key = folderKey(folder);
    const auto answer = [&](const Listing& listing) {
        if (listing.unlistable)
            return Answer::Unlistable;
        const auto hit = listing.names.find(folded(name));
        if (!hit)
            return Answer::Missing;
        if (hit->several && hit->first != name)
            return Answer::Unknown;
        found = hit->first;
        return Answer::Found;
    };
    {
        // Listed already in this epoch, as mostly: the threads reading
        // ahead look it up side by side.
        std::shared_lock shared(m_mutex);
        const auto it = m_listings.find(key);
        if (it != m_listings.end() && it->second.epoch == epoch)
            return answer(it->second);
    }
    std::unique_lock lock(m_mutex);
    const auto it = listInPass(lock, key, epoch);
    return it == m_listings.end() ? Answer::Unknown : answer(it->second);
}

void FolderListingCache::forgetAround(const std::string& diskPath, bool withTree) {
    const std::string path = folderKey(diskPath);
    std::unique_lock lock(m_mutex);
    ++m_changes;
    // A whole tree changed, or what may be known under another path: every
    // pass looks at everything again. One path changed: only what was known
    // of it and of its folder.
    const bool onePath = !withTree && isPlainPath(path) && !knownUnderOtherPaths(folderOf(path)) &&
                         !knownUnderOtherPaths(path);
    if (!m_listings.empty()) {
        m_listings.erase(folderOf(path));
        m_listings.erase(path);
        if (withTree)
            forgetTree(path);
    }
    lock.unlock();
    if (onePath)
        platform::forgetProfileInPass(path);
    else
        ReadPass::noteChange();
    // Told last: a thread reading ahead that sees the change finds nothing
    // known from before it in the caches.
    ReadAhead::noteChange();
}

void FolderListingCache::noteFileWritten(const std::string& diskPath) {
    const std::string path = folderKey(diskPath);
    std::unique_lock lock(m_mutex);
    if (!isPlainPath(path) || knownUnderOtherPaths(folderOf(path))) {
        lock.unlock();
        forgetAround(path);
        return;
    }
    ++m_changes;
    m_listings.erase(path);
    const auto it = m_listings.find(folderOf(path));
    if (it != m_listings.end() && it->second.unlistable) {
        m_listings.erase(it);
    } else if (it != m_listings.end()) {
        // Its stamp stays the one it was read with, so that once the pass
        // is over the folder, changed by the write, is listed anew.
        it->second.settled = false;
        const size_t slash = path.rfind('/');
        it->second.names.add(slash == std::string::npos ? std::string_view(path)
                                                        : std::string_view(path).substr(slash + 1));
    }
    lock.unlock();
    platform::forgetProfileInPass(path);
    ReadAhead::noteChange(); // told last, as in forgetAround
}

void FolderListingCache::forgetTree(const std::string& folder) {
    const std::string prefix = folder == "/" ? folder : folder + "/";
    for (auto it = m_listings.begin(); it != m_listings.end();)
        it = it->first.compare(0, prefix.size(), prefix) == 0 ? m_listings.erase(it) : std::next(it);
}

void FolderListingCache::clear() {
    std::lock_guard lock(m_mutex);
    ++m_changes;
    m_listings.clear();
    m_identities.clear();
}
