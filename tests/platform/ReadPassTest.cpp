// An operation that only reads runs in a read pass, which looks at each
// folder and profile file once. What the program itself changes meanwhile
// is seen at once; what others change is seen by the next pass, as by a
// program that reads the disk afresh.

#include "ReadPass.h"
#include "AtomicFileWriter.h"
#include "FileSystem.h"
#include "FolderListingCache.h"
#include "PrivateProfile.h"
#include "TempDir.h"
#include "TextOutStream.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// A time long past: what was last changed then is kept once read.
const timespec kOldTime{1000000000, 123456789};

void age(const std::string& path) {
    const timespec times[2] = {kOldTime, kOldTime};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

std::string get(const std::string& file) {
    char buffer[64];
    GetPrivateProfileStringA("S", "k", "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

// An item folder as an open meets it: its data file is read and a name
// missing in it makes the folder be listed.
struct ItemFolder {
    TempDir dir;
    std::string item = dir / "Item";
    std::string data = item + "/process.data";

    ItemFolder() {
        dir.write("Item/process.data", "[S]\r\nk=old\r\n");
        age(data);
        age(item);
    }
    bool exists(const std::string& name) const { return platform::fileExists((item + "/" + name).c_str()); }
    // What a pass reads: the data file, and a missing description.
    void readAsAnOpen() const {
        EXPECT_EQ(get(data), "old");
        EXPECT_FALSE(exists("description.txt"));
    }
};

struct OwnChange {
    const char* what;
    std::function<void(const ItemFolder&)> change;
    std::function<bool(const ItemFolder&)> seen;
};

TEST(ReadPassTest, TheProgramsOwnChangesAreSeenWithinThePass) {
    const OwnChange changes[] = {
        {"file written",
         [](const ItemFolder& f) {
             ASSERT_TRUE(platform::writeFileReplacing((f.item + "/description.txt").c_str(), "d"));
         },
         [](const ItemFolder& f) { return f.exists("description.txt") && f.exists("DESCRIPTION.txt"); }},
        {"file copied in another case",
         [](const ItemFolder& f) {
             ASSERT_TRUE(CopyFileA(f.data.c_str(), (f.item + "/Description.TXT").c_str(), TRUE));
         },
         [](const ItemFolder& f) { return f.exists("description.txt"); }},
        {"data file moved away",
         [](const ItemFolder& f) { ASSERT_TRUE(MoveFileA(f.data.c_str(), (f.item + "/old.data").c_str())); },
         [](const ItemFolder& f) { return !f.exists("process.data") && get(f.data).empty(); }},
        {"data file deleted", [](const ItemFolder& f) { ASSERT_TRUE(DeleteFileA(f.data.c_str())); },
         [](const ItemFolder& f) { return !f.exists("process.data") && get(f.data).empty(); }},
        {"log appended",
         [](const ItemFolder& f) {
             TextOutStream log((f.item + "/description.txt").c_str(), TextOutStream::Mode::Append);
             ASSERT_TRUE(log.is_open());
         },
         [](const ItemFolder& f) { return f.exists("description.txt"); }},
        {"key written",
         [](const ItemFolder& f) {
             ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "new", f.data.c_str()));
         },
         [](const ItemFolder& f) { return get(f.data) == "new"; }},
        {"data file replaced whole",
         [](const ItemFolder& f) {
             ASSERT_TRUE(platform::writeFileReplacing(f.data.c_str(), "[S]\r\nk=new\r\n"));
         },
         [](const ItemFolder& f) { return get(f.data) == "new"; }},
        {"data file replaced through a path with a step up",
         [](const ItemFolder& f) {
             ASSERT_TRUE(platform::writeFileReplacing((f.item + "/../Item/process.data").c_str(),
                                                      "[S]\r\nk=new\r\n"));
         },
         [](const ItemFolder& f) { return get(f.data) == "new"; }},
        {"file written through a doubled separator",
         [](const ItemFolder& f) {
             ASSERT_TRUE(platform::writeFileReplacing((f.item + "//description.txt").c_str(), "d"));
         },
         [](const ItemFolder& f) { return f.exists("description.txt"); }},
        {"item folder deleted with its files",
         [](const ItemFolder& f) { ASSERT_TRUE(platform::deleteTree(f.item.c_str())); },
         [](const ItemFolder& f) { return !f.exists("process.data") && get(f.data).empty(); }},
        {"item folder moved away",
         [](const ItemFolder& f) { ASSERT_TRUE(MoveFileA(f.item.c_str(), (f.item + "Old").c_str())); },
         [](const ItemFolder& f) { return !f.exists("process.data") && get(f.data).empty(); }},
        {"data file cut in place and given up",
         [](const ItemFolder& f) {
             TextOutStream out(f.data.c_str(), TextOutStream::Mode::InPlace);
             out << "[S]\nk=new\n";
             out.discard();
         },
         [](const ItemFolder& f) { return get(f.data).empty(); }},
        {"data file rewritten in place",
         [](const ItemFolder& f) {
             TextOutStream out(f.data.c_str(), TextOutStream::Mode::InPlace);
             out << "[S]\nk=new\n";
         },
         [](const ItemFolder& f) { return get(f.data) == "new"; }},
    };
    for (const OwnChange& c : changes) {
        platform::clearProfileCache();
        ItemFolder folder;
        ReadPass pass;
        folder.readAsAnOpen();
        c.change(folder);
        EXPECT_TRUE(c.seen(folder)) << c.what;
    }
}

// A change at one path of an item folder, and how it shows through a path
// of the same folder.
struct PathChange {
    const char* what;
    std::function<void(const std::string& folder)> change;
    std::function<bool(const std::string& folder)> seen;
};

bool fileAt(const std::string& path) {
    return platform::fileExists(path.c_str());
}

const PathChange kPathChanges[] = {
    {"file written",
     [](const std::string& folder) {
         ASSERT_TRUE(platform::writeFileReplacing((folder + "/description.txt").c_str(), "d"));
     },
     [](const std::string& folder) { return fileAt(folder + "/description.txt"); }},
    {"key written",
     [](const std::string& folder) {
         ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "new", (folder + "/process.data").c_str()));
     },
     [](const std::string& folder) { return get(folder + "/process.data") == "new"; }},
    {"data file deleted",
     [](const std::string& folder) { ASSERT_TRUE(DeleteFileA((folder + "/process.data").c_str())); },
     [](const std::string& folder) {
         return !fileAt(folder + "/process.data") && get(folder + "/process.data").empty();
     }},
    {"data file rewritten in place",
     [](const std::string& folder) {
         TextOutStream out((folder + "/process.data").c_str(), TextOutStream::Mode::InPlace);
         out << "[S]\nk=new\n";
     },
     [](const std::string& folder) { return get(folder + "/process.data") == "new"; }},
    {"folder made",
     [](const std::string& folder) { ASSERT_TRUE(CreateDirectoryA((folder + "/Images").c_str(), nullptr)); },
     [](const std::string& folder) { return platform::folderExists((folder + "/Images").c_str()); }},
};

// A change at one path forgets only what the pass knew there: the pass goes
// on in its epoch, and sees the change.
TEST(ReadPassTest, AChangeAtOnePathKeepsWhatThePassKnowsElsewhere) {
    for (const PathChange& c : kPathChanges) {
        platform::clearProfileCache();
        ItemFolder folder;
        ReadPass pass;
        folder.readAsAnOpen();
        const unsigned long epoch = ReadPass::current();
        c.change(folder.item);
        EXPECT_TRUE(c.seen(folder.item)) << c.what;
        EXPECT_EQ(ReadPass::current(), epoch) << c.what;
    }
}

// The same folder may be reached by several paths: through a step up,
// through a "." step or through a symbolic link. What the program changes
// under one of them is seen under every other within the pass.
TEST(ReadPassTest, TheProgramsOwnChangesAreSeenUnderEveryPathOfTheFolder) {
    struct OtherPath {
        const char* what;
        std::function<std::string(const ItemFolder&)> make;
    };
    const OtherPath otherPaths[] = {
        {"a step up", [](const ItemFolder& f) { return f.item + "/../Item"; }},
        {"a dot step", [](const ItemFolder& f) { return f.dir / "./Item"; }},
        {"a symbolic link",
         [](const ItemFolder& f) {
             EXPECT_EQ(symlink(f.item.c_str(), (f.dir / "Link").c_str()), 0);
             return f.dir / "Link";
         }},
    };
    for (const OtherPath& other : otherPaths) {
        for (const PathChange& c : kPathChanges) {
            for (const bool throughOther : {false, true}) {
                platform::clearProfileCache();
                ItemFolder folder;
                const std::string path = other.make(folder);
                ReadPass pass;
                folder.readAsAnOpen();
                EXPECT_EQ(get(path + "/process.data"), "old");
                EXPECT_FALSE(fileAt(path + "/description.txt"));
                EXPECT_FALSE(platform::folderExists((path + "/Images").c_str()));
                c.change(throughOther ? path : folder.item);
                EXPECT_TRUE(c.seen(throughOther ? folder.item : path))
                    << c.what << (throughOther ? " through " : ", seen through ") << other.what;
            }
        }
    }
}

// A thread reading for the pass (as one reading ahead does) is still at
// work when the program changes something elsewhere, and reads the item
// folder through its symbolic link after the pass has gone on to a new
// epoch: what the pass then changes through the link is seen through the
// folder's own path all the same.
TEST(ReadPassTest, AReaderLateForAChangeHidesNoneOfTheProgramsChanges) {
    struct Late {
        const char* what;
        // The reader's share of the pass, from those taken before and after
        // the change.
        std::function<ReadPass::Share(const ReadPass::Share&, const ReadPass::Share&)> share;
    };
    const Late readers[] = {
        {"a reader that joined before the change",
         [](const ReadPass::Share& before, const ReadPass::Share&) { return before; }},
        {"a look begun before the change and ended after it",
         [](const ReadPass::Share& before, const ReadPass::Share& after) {
             return ReadPass::Share{before.epoch, after.changesSeen};
         }},
    };
    for (const Late& reader : readers) {
        for (const PathChange& c : kPathChanges) {
            platform::clearProfileCache();
            FolderListingCache::instance().clear();
            ItemFolder folder;
            folder.dir.write("Old/x.txt", "x");
            const std::string link = folder.dir / "Link";
            ASSERT_EQ(symlink(folder.item.c_str(), link.c_str()), 0);
            ReadPass pass;
            folder.readAsAnOpen();
            const ReadPass::Share before = ReadPass::share();
            ASSERT_TRUE(platform::deleteTree((folder.dir / "Old").c_str()));
            folder.readAsAnOpen();
            EXPECT_EQ(get(link + "/process.data"), "old");
            EXPECT_FALSE(fileAt(link + "/description.txt"));
            EXPECT_FALSE(platform::folderExists((link + "/Images").c_str()));
            const ReadPass::Share after = ReadPass::share();
            std::thread([&] {
                ReadPass::Joined joined(reader.share(before, after));
                EXPECT_EQ(get(link + "/process.data"), "old");
            }).join();
            c.change(link);
            EXPECT_TRUE(c.seen(folder.item)) << c.what << " after " << reader.what;
        }
    }
}

// Another copy of the program changes the folder and the data file between
// two passes, without the folder's or the file's time staying as it was.
TEST(ReadPassTest, ChangesMadeByOthersAreSeenByTheNextPass) {
    platform::clearProfileCache();
    ItemFolder folder;
    {
        ReadPass pass;
        folder.readAsAnOpen();
    }
    folder.dir.write("Item/DESCRIPTION.txt", "d");
    folder.dir.write("Item/process.data", "[S]\r\nk=new\r\n"); // in place, same size
    {
        ReadPass pass;
        EXPECT_TRUE(folder.exists("description.txt"));
        EXPECT_EQ(get(folder.data), "new");
    }
    // And outside any pass, as ever.
    folder.dir.write("Item/process.data", "[S]\r\nk=out\r\n");
    EXPECT_EQ(get(folder.data), "out");
}

// In a pass, the first name looked up in a folder has the folder listed, and
// every name of it is then answered as a lookup outside a pass answers it:
// in its exact case, in another case, missing, through a folder in another
// case, or held by two entries in different cases.
TEST(ReadPassTest, AFolderListedAtItsFirstLookupAnswersAsTheDiskDoes) {
    struct Lookup {
        const char* path;
        bool exists;
        const char* content;
    };
    const Lookup lookups[] = {
        {"Item/process.data", true, "p"},    {"Item/Description.txt", true, "d"},
        {"Item/description.TXT", true, "d"}, {"Item/DescriptionL2.txt", false, ""},
        {"item/PROCESS.data", true, "p"},    {"Item/Twice.txt", true, "upper"},
        {"Item/twice.txt", true, "lower"},   {"Item/TWICE.txt", true, "upper"},
        {"Missing/process.data", false, ""}, {"Missing/Deeper/process.data", false, ""},
        {"ITEM/Twice.txt", true, "upper"},   {"Item/process.data/x", false, ""},
        {"ITEM/process.data/x", false, ""},
    };
    for (const bool inPass : {false, true}) {
        FolderListingCache::instance().clear();
        TempDir dir;
        dir.write("Item/process.data", "p");
        dir.write("Item/Description.txt", "d");
        dir.write("Item/Twice.txt", "upper");
        dir.write("Item/twice.txt", "lower");
        std::optional<ReadPass> pass;
        if (inPass)
            pass.emplace();
        for (const Lookup& l : lookups) {
            std::string bytes;
            EXPECT_EQ(platform::fileExists((dir / l.path).c_str()), l.exists)
                << l.path << " in pass " << inPass;
            EXPECT_EQ(platform::readFileBytes((dir / l.path).c_str(), bytes), l.exists) << l.path;
            EXPECT_EQ(bytes, l.content) << l.path << " in pass " << inPass;
        }
    }
}

// Files the program writes under their exact disk names join the listing
// the pass holds of their folder, which then answers every name as a
// listing read afresh does: the first in name order of names differing in
// case only, any case of a name held once, names of the code page.
TEST(ReadPassTest, NamesWrittenInThePassAnswerAsTheDiskDoes) {
    // Disk names (UTF-8), each written with itself as its text, in this
    // order, into a folder that holds twice.txt.
    const char* const written[] = {"Twice.txt", "b.txt", "A.txt", "\xC3\x89t\xC3\xA9.txt", "twice.txt"};
    // Program names (the code page).
    const char* const lookups[] = {"twice.txt", "Twice.txt",     "TWICE.txt",     "a.txt", "A.TXT",
                                   "B.txt",     "\xE9t\xE9.txt", "\xC9T\xC9.TXT", "c.txt"};
    TempDir dir;
    dir.write("Item/twice.txt", "lower");
    const auto answers = [&] {
        std::vector<std::string> found;
        for (const char* name : lookups) {
            std::string bytes;
            found.push_back(platform::readFileBytes((dir / "Item/" + name).c_str(), bytes) ? bytes : "-");
        }
        return found;
    };
    std::vector<std::string> inPass;
    {
        ReadPass pass;
        EXPECT_FALSE(platform::fileExists((dir / "Item/c.txt").c_str()));
        for (const char* name : written) {
            AtomicFileWriter out(dir / "Item/" + name);
            ASSERT_TRUE(out.write(name) && out.commit()) << name;
        }
        inPass = answers();
    }
    FolderListingCache::instance().clear();
    EXPECT_EQ(inPass, answers());
}

// Passes nest: the inner one keeps the outer one's answers, which go with
// the outer one.
TEST(ReadPassTest, PassesNestAndEndWithTheOutermost) {
    EXPECT_EQ(ReadPass::current(), 0u);
    std::optional<ReadPass> outer;
    outer.emplace();
    const unsigned long epoch = ReadPass::current();
    EXPECT_NE(epoch, 0u);
    {
        ReadPass inner;
        EXPECT_EQ(ReadPass::current(), epoch);
    }
    EXPECT_EQ(ReadPass::current(), epoch);
    ReadPass::noteChange();
    EXPECT_NE(ReadPass::current(), epoch);
    outer.reset();
    EXPECT_EQ(ReadPass::current(), 0u);
}

} // namespace
