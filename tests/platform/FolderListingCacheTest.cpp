// Names looked up in another case are answered from folder listings kept
// between lookups; whatever changes a folder, the program or anyone else,
// the next lookup sees the folder as it is.

#include "FileSystem.h"
#include "TempDir.h"
#include "TextOutStream.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A time long past: listings of folders last changed then are kept.
const timespec kOldTime{1000000000, 123456789};

void setFolderTime(const std::string& folder, const timespec& time) {
    const timespec times[2] = {time, time};
    ASSERT_EQ(utimensat(AT_FDCWD, folder.c_str(), times, 0), 0) << folder;
}

timespec folderTime(const std::string& folder) {
    struct stat st {};
    stat(folder.c_str(), &st);
    return st.st_mtim;
}

// A project folder written on Windows: the program asks for "site\item\..."
// where the disk has "Site/Item/...".
struct WindowsFolder {
    TempDir dir;
    std::string item = dir / "Site/Item";

    WindowsFolder() {
        dir.write("Site/Item/Notes.TXT", "notes");
        setFolderTime(item, kOldTime);
        setFolderTime(dir / "Site", kOldTime);
    }
    // The program's path of a name in the item folder.
    std::string asStored(const std::string& name) const { return dir.path() + "site\\item\\" + name; }
    bool exists(const std::string& name) const { return platform::pathExists(asStored(name).c_str()); }
};

struct Lookup {
    const char* name; // as the program asks for it
    bool before;
    bool after;
};

struct Change {
    const char* what;
    std::function<void(const WindowsFolder&)> change;
    std::vector<Lookup> lookups;
};

void expectChangeSeen(const Change& c, bool restoreTime) {
    WindowsFolder folder;
    for (const Lookup& l : c.lookups) // the listings are read and kept
        EXPECT_EQ(folder.exists(l.name), l.before) << c.what << ", before: " << l.name;
    c.change(folder);
    if (restoreTime)
        setFolderTime(folder.item, kOldTime);
    for (const Lookup& l : c.lookups)
        EXPECT_EQ(folder.exists(l.name), l.after) << c.what << ", after: " << l.name;
}

// The program's own changes, with the folder's time put back as though they
// had happened within the clock tick of the listing: the listing must go
// because the program made them, not because the time moved.
TEST(FolderListingCacheTest, TheProgramsOwnChangesAreSeenAtTheNextLookup) {
    const Change changes[] = {
        {"file written",
         [](const WindowsFolder& f) {
             ASSERT_TRUE(platform::writeFileReplacing((f.item + "/Extra.TXT").c_str(), "x"));
         },
         {{"extra.txt", false, true}, {"notes.txt", true, true}}},
        {"file copied",
         [](const WindowsFolder& f) {
             ASSERT_TRUE(CopyFileA((f.item + "/Notes.TXT").c_str(), (f.item + "/Copy.TXT").c_str(), TRUE));
         },
         {{"copy.txt", false, true}}},
        {"file renamed",
         [](const WindowsFolder& f) {
             ASSERT_TRUE(MoveFileA((f.item + "/Notes.TXT").c_str(), (f.item + "/Renamed.TXT").c_str()));
         },
         {{"notes.txt", true, false}, {"renamed.txt", false, true}}},
        {"file deleted",
         [](const WindowsFolder& f) { ASSERT_TRUE(DeleteFileA((f.item + "/Notes.TXT").c_str())); },
         {{"notes.txt", true, false}}},
        {"folder made",
         [](const WindowsFolder& f) { ASSERT_TRUE(CreateDirectoryA((f.item + "/Sub").c_str(), nullptr)); },
         {{"sub", false, true}}},
        {"log appended",
         [](const WindowsFolder& f) {
             TextOutStream log((f.item + "/Log.TXT").c_str(), TextOutStream::Mode::Append);
             ASSERT_TRUE(log.is_open());
         },
         {{"log.txt", false, true}}},
        {"folder deleted",
         [](const WindowsFolder& f) { ASSERT_TRUE(platform::deleteTree(f.item.c_str())); },
         {{"notes.txt", true, false}}},
    };
    for (const Change& c : changes)
        expectChangeSeen(c, c.what != std::string("folder deleted"));
}

// Someone else (another copy of the program, the user's file manager)
// changes the folder between two lookups.
TEST(FolderListingCacheTest, ChangesMadeByOthersAreSeenAtTheNextLookup) {
    const Change changes[] = {
        {"file made",
         [](const WindowsFolder& f) {
             close(open((f.item + "/Other.TXT").c_str(), O_CREAT | O_WRONLY, 0644));
         },
         {{"other.txt", false, true}}},
        {"file renamed",
         [](const WindowsFolder& f) {
             ASSERT_EQ(std::rename((f.item + "/Notes.TXT").c_str(), (f.item + "/NOTES.txt").c_str()), 0);
         },
         {{"notes.txt", true, true}, {"NOTES.txt", true, true}}},
        {"file renamed away",
         [](const WindowsFolder& f) {
             ASSERT_EQ(std::rename((f.item + "/Notes.TXT").c_str(), (f.item + "/Moved.TXT").c_str()), 0);
         },
         {{"notes.txt", true, false}, {"moved.txt", false, true}}},
        {"file deleted",
         [](const WindowsFolder& f) { ASSERT_EQ(unlink((f.item + "/Notes.TXT").c_str()), 0); },
         {{"notes.txt", true, false}}},
        {"folder replaced",
         [](const WindowsFolder& f) {
             // A new folder of the same name (which may even get the old one's inode).
             std::filesystem::remove_all(f.item);
             f.dir.write("Site/Item/Fresh.TXT", "f");
         },
         {{"notes.txt", true, false}, {"fresh.txt", false, true}}},
    };
    for (const Change& c : changes)
        expectChangeSeen(c, false);
}

// A folder changed within the last clock tick may change again without its
// time moving: its listing is not trusted for later lookups, so a file made
// by someone else then is found all the same. A file asked for by its exact
// name is found whatever any listing says.
TEST(FolderListingCacheTest, ANameOnDiskNeverLooksMissing) {
    WindowsFolder folder;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    setFolderTime(folder.item, now);
    EXPECT_FALSE(folder.exists("late.txt"));
    folder.dir.write("Site/Item/Late.TXT", "late");
    setFolderTime(folder.item, now); // the same tick
    EXPECT_TRUE(folder.exists("late.txt"));

    // A kept listing, then a file in the exact case asked for, the folder's time unchanged.
    EXPECT_TRUE(folder.exists("notes.txt"));
    const timespec kept = folderTime(folder.item);
    folder.dir.write("Site/Item/exact.txt", "e");
    setFolderTime(folder.item, kept);
    EXPECT_TRUE(platform::fileExists((folder.item + "/exact.txt").c_str()));
}

} // namespace
