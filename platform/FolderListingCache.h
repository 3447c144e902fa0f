#pragma once

// The listings of folders in which a name was looked up in another case
// (project folders written on Windows), kept so that every further name
// missing in the same folder costs one look at the folder's stamp instead of
// a new listing. A listing is used only while the folder's device, inode and
// modification time are those it was read with, so a change made by anyone
// is seen; a folder changed so recently that a further change could leave
// its time as it is gets listed anew each time. The program's own creations,
// renames and deletions forget the listings they touch at once. Inside a read
// pass, a folder is listed (or its kept listing checked) before the first
// name is looked up in it, and the listing then answers without any look at
// the folder, also for names asked for in their exact case: a missing name
// costs no failed open, and every name of the folder no stat.

#include "SpinningLock.h"

#include <cstdint>
#include <ctime>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

class FolderListingCache {
public:
    static FolderListingCache& instance();

    // The entry of folder (a disk path; empty for the current folder) whose
    // name equals name ignoring case, the first in name order; false when
    // there is none or the folder cannot be listed. folderStat, when given,
    // is a stat of the folder made just before.
    bool findOtherCase(const std::string& folder, const std::string& name, std::string& found,
                       const struct stat* folderStat = nullptr);
    enum class Answer { Unknown, Unlistable, Missing, Found };
    // In a read pass, a name of a folder from its listing, read or checked
    // first when the pass's epoch has none: Found with the entry's name (the
    // name itself when it is there in its exact case), or Missing.
    // Unlistable for a folder that cannot be listed under this path (missing,
    // in another case, or no folder); Unknown outside a pass and for a name
    // that several entries hold in different cases.
    Answer lookUpInPass(const std::string& folder, std::string_view name, std::string& found);
    // Something at this disk path was created, renamed or deleted: the
    // listing of its folder goes, and the path's own, and what a read pass
    // knew of a profile file there. A folder moved or deleted with what it
    // holds takes the listings below it along (withTree), and every read
    // pass under way starts a new epoch.
    void forgetAround(const std::string& diskPath, bool withTree = false);
    // A file was just renamed into place at this disk path under exactly
    // that name: a listing kept of its folder gains the name instead of
    // being read again, so that a generation writing thousands of pages
    // lists no folder twice. What a read pass knew of the file itself goes.
    void noteFileWritten(const std::string& diskPath);
    void clear();

private:
    // The names of a folder's entries by their folded names, held in one
    // text: a listing is kept for every folder of a large process.
    class Names {
    public:
        // Of the entries whose names fold to folded: the first in name
        // order, and whether there are several.
        struct Hit {
            std::string_view first;
            bool several = false;
        };
        std::optional<Hit> find(std::string_view folded) const;
        // An entry read from the folder; sort() orders what was added so.
        void addRead(std::string_view name);
        void sort();
        // An entry added to a sorted listing.
        void add(std::string_view name);

    private:
        struct Slot {
            uint32_t folded = 0;
            uint32_t name = 0;
            uint16_t foldedSize = 0;
            uint16_t nameSize = 0;
            bool several = false;
        };
        std::string_view foldedOf(const Slot& slot) const {
            return {m_text.data() + slot.folded, slot.foldedSize};
        }
        std::string_view nameOf(const Slot& slot) const { return {m_text.data() + slot.name, slot.nameSize}; }
        Slot append(std::string_view name);
        // The first slot whose folded name is not before folded.
        std::vector<Slot>::const_iterator firstNotBefore(std::string_view folded) const;
        std::string m_text;
        std::vector<Slot> m_slots; // by folded name
    };
    struct Listing {
        dev_t device = 0;
        ino_t inode = 0;
        timespec mtime{};
        // Kept for later lookups only when the folder's time had settled.
        bool settled = false;
        // The read pass's epoch in which it was read or its stamp checked.
        unsigned long epoch = 0;
        // A folder that could not be opened under this path in that epoch
        // (missing, in another case, or no folder): no names to tell.
        bool unlistable = false;
        Names names;
    };

    // Shared by lookups in a listing already read in the epoch; whatever
    // reads, checks or changes a listing holds it alone.
    using Lock = SpinningLock<std::shared_mutex>;

    static bool sameStamp(const Listing& listing, const struct stat& st);
    enum class Read { Unopened, Cut, Complete };
    // Lists a folder, its stamp from folderStat when given, else from the
    // opened folder itself.
    static Read read(const std::string& folder, const struct stat* folderStat, Listing& listing);
    // The listing of folder for the read pass's epoch, read or checked now
    // when it has none; end() when the folder could not be read to its end.
    std::unordered_map<std::string, Listing>::iterator
    listInPass(std::unique_lock<Lock>& lock, const std::string& key, unsigned long epoch);
    // Keeps a listing read under key (in place of one kept before) and
    // notes under which path its folder was listed.
    std::unordered_map<std::string, Listing>::iterator keep(const std::string& key, Listing listing);
    void forgetTree(const std::string& folder);

    Lock m_mutex;
    std::unordered_map<std::string, Listing> m_listings;
    // The changes told so far: a listing read without the lock is kept only
    // when none was told meanwhile.
    unsigned long m_changes = 0;
    // The path under which each folder was listed in a read pass's epoch
    // (by a hash of it). A folder listed under two paths in one epoch
    // (through a symbolic link, a "." or ".." step, a relative path) may be
    // known there under either: what the program changes in it has every
    // pass look at everything again. Only the newest epoch counts: passes
    // run one at a time, in one thread, with the threads reading for it.
    struct Identity {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Identity&) const = default;
    };
    struct IdentityHash {
        size_t operator()(const Identity& id) const {
            return std::hash<ino_t>{}(id.inode) ^ (std::hash<dev_t>{}(id.device) << 1);
        }
    };
    struct Known {
        size_t path = 0;
        unsigned long epoch = 0;
        bool several = false;
    };
    std::unordered_map<Identity, Known, IdentityHash> m_identities;
    // Whether the folder listed under this path was listed under another
    // path as well in the same epoch.
    bool knownUnderOtherPaths(const std::string& folder) const;
    void noteIdentity(const Listing& listing, const std::string& key);
};
