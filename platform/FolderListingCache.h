#pragma once

// The listings of folders in which a name was looked up in another case
// (project folders written on Windows), kept so that every further name
// missing in the same folder costs one look at the folder's stamp instead of
// a new listing. A listing is used only while the folder's device, inode and
// modification time are those it was read with, so a change made by anyone
// is seen; a folder changed so recently that a further change could leave
// its time as it is gets listed anew each time. The program's own creations,
// renames and deletions forget the listings they touch at once.

#include <ctime>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <unordered_map>

class FolderListingCache {
public:
    static FolderListingCache& instance();

    // The entry of folder (a disk path; empty for the current folder) whose
    // name equals name ignoring case, the first in name order; false when
    // there is none or the folder cannot be listed. folderStat, when given,
    // is a stat of the folder made just before.
    bool findOtherCase(const std::string& folder, const std::string& name, std::string& found,
                       const struct stat* folderStat = nullptr);
    // Something at this disk path was created, renamed or deleted: the
    // listing of its folder goes, and the path's own. A folder moved or
    // deleted with what it holds takes the listings below it along (withTree).
    void forgetAround(const std::string& diskPath, bool withTree = false);
    void clear();

private:
    struct Listing {
        dev_t device = 0;
        ino_t inode = 0;
        timespec mtime{};
        // Folded name -> the first entry of that name in name order.
        std::unordered_map<std::string, std::string> byFoldedName;
    };

    static bool sameStamp(const Listing& listing, const struct stat& st);
    // False when the folder could not be read to its end.
    static bool read(const std::string& folder, const struct stat& st, Listing& listing);
    void forgetTree(const std::string& folder);

    std::mutex m_mutex;
    std::unordered_map<std::string, Listing> m_listings;
};
