#include "FileSystem.h"
#include "PrivateProfile.h"
#include "ProfileFile.h"
#include "TempDir.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// A settings file as the original's users write it by hand: CR LF, comments,
// blank lines, odd spacing, duplicates and names in mixed case.
const char* kSettings = "; project settings\r\n"
                        "[STD_OPTION]\r\n"
                        "TwoLanguages = yes \r\n"
                        "Title=  \"  Quoted title  \"  \r\n"
                        "Single='x'\r\n"
                        "Mismatched=\"x'\r\n"
                        "Empty=\r\n"
                        "Dup=first\r\n"
                        "dup=second\r\n"
                        "; a comment = not a key\r\n"
                        "not a key line\r\n"
                        "\r\n"
                        "[Process_Option]\r\n"
                        "GenerateRole=yes\r\n"
                        "[std_option]\r\n"
                        "Late=hidden by the first section\r\n";

std::string get(const std::string& file, const char* section, const char* key, const char* def = "",
                DWORD size = 999) {
    std::string buffer(size, '\x7F');
    const DWORD n = GetPrivateProfileStringA(section, key, def, buffer.data(), size, file.c_str());
    EXPECT_EQ(buffer[n], '\0');
    return std::string(buffer.data(), n);
}

std::vector<std::string> list(const std::string& file, const char* section, DWORD size = 999) {
    std::string buffer(size, '\x7F');
    const DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), size, file.c_str());
    std::vector<std::string> names;
    for (size_t pos = 0; pos < n;) {
        names.emplace_back(buffer.data() + pos);
        pos += names.back().size() + 1;
    }
    return names;
}

struct ReadCase {
    const char* section;
    const char* key;
    const char* def;
    const char* expected;
};

const ReadCase kReadCases[] = {
    {"STD_OPTION", "TwoLanguages", "", "yes"},                // trimmed
    {"std_option", "twolanguages", "", "yes"},                // names ignore case
    {"STD_OPTION", "Title", "", "  Quoted title  "},          // quotes removed, inside kept
    {"STD_OPTION", "Single", "", "x"},                        // single quotes too
    {"STD_OPTION", "Mismatched", "", "\"x'"},                 // only matching quotes
    {"STD_OPTION", "Empty", "default", ""},                   // present but empty: not the default
    {"STD_OPTION", "DUP", "", "first"},                       // the first of equal keys wins
    {"STD_OPTION", "Late", "none", "none"},                   // the first of equal sections wins
    {"STD_OPTION", "; a comment", "none", "none"},            // comments are no keys
    {"STD_OPTION", "Missing", "fallback  \t ", "fallback"},   // default loses trailing blanks
    {"STD_OPTION", "Missing", "  lead", "  lead"},            // but keeps leading ones
    {"NoSuchSection", "TwoLanguages", "d", "d"},
    {"PROCESS_OPTION", "GenerateRole", "", "yes"},
};

TEST(PrivateProfileTest, ReadsValuesAsWindowsDoes) {
    TempDir dir;
    dir.write("p.tvx", kSettings);
    for (const auto& c : kReadCases)
        EXPECT_EQ(get(dir / "p.tvx", c.section, c.key, c.def), c.expected) << c.section << "/" << c.key;
}

TEST(PrivateProfileTest, CutsAValueToTheBufferLessOne) {
    TempDir dir;
    const std::string longValue(1500, 'v');
    dir.write("p.ini", "[S]\nK=" + longValue + "\n");
    EXPECT_EQ(get(dir / "p.ini", "S", "K", "", 999), std::string(998, 'v'));
    EXPECT_EQ(get(dir / "p.ini", "S", "K", "", 50000), longValue);
    EXPECT_EQ(get(dir / "p.ini", "S", "K", "", 1), "");
    EXPECT_EQ(get(dir / "p.ini", "S", "Missing", "abcdef", 4), "abc");
}

TEST(PrivateProfileTest, MissingFileGivesTheDefaultAndEmptyLists) {
    TempDir dir;
    EXPECT_EQ(get(dir / "none.ini", "S", "K", "def "), "def");
    EXPECT_TRUE(list(dir / "none.ini", nullptr).empty());
    EXPECT_TRUE(list(dir / "none.ini", "S").empty());
    EXPECT_FALSE(dir.exists("none.ini"));
}

TEST(PrivateProfileTest, ListsSectionsAndKeysInFileOrder) {
    TempDir dir;
    dir.write("p.tvx", kSettings);
    EXPECT_EQ(list(dir / "p.tvx", nullptr),
              (std::vector<std::string>{"STD_OPTION", "Process_Option", "std_option"}));
    EXPECT_EQ(list(dir / "p.tvx", "std_OPTION"),
              (std::vector<std::string>{"TwoLanguages", "Title", "Single", "Mismatched", "Empty", "Dup", "dup"}));
    // A list cut short ends with two NULs and answers size - 2.
    std::string small(8, '\x7F');
    EXPECT_EQ(GetPrivateProfileStringA(nullptr, nullptr, "", small.data(), 8, (dir / "p.tvx").c_str()), 6u);
    EXPECT_EQ(small, std::string("STD_OP\0\0", 8));
}

TEST(PrivateProfileTest, RewritesAKeyInPlaceKeepingEverythingElse) {
    TempDir dir;
    dir.write("p.tvx", kSettings);
    ASSERT_TRUE(WritePrivateProfileStringA("std_option", "twoLANGUAGES", "false", (dir / "p.tvx").c_str()));
    std::string expected = kSettings;
    expected.replace(expected.find("TwoLanguages = yes "), 19, "TwoLanguages=false");
    EXPECT_EQ(dir.read("p.tvx"), expected);
    EXPECT_EQ(get(dir / "p.tvx", "STD_OPTION", "TwoLanguages"), "false");
}

TEST(PrivateProfileTest, AddsKeysAndSectionsWhereWindowsPutsThem) {
    TempDir dir;
    dir.write("p.ini", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("A", "new", "n", (dir / "p.ini").c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("C", "z", "3", (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[A]\r\nx=1\r\nnew=n\r\n\r\n[B]\r\ny=2\r\n[C]\r\nz=3\r\n");
}

TEST(PrivateProfileTest, CreatesTheFileButNotItsFolder) {
    TempDir dir;
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "v", (dir / "new.ini").c_str()));
    EXPECT_EQ(dir.read("new.ini"), "[S]\r\nK=v\r\n");
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "v", (dir / "missing/new.ini").c_str()));
    // Deleting from a file that does not exist does not create it.
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", nullptr, (dir / "other.ini").c_str()));
    EXPECT_FALSE(dir.exists("other.ini"));
}

TEST(PrivateProfileTest, DeletesAKeyWithANullValueAndASectionWithANullKey) {
    TempDir dir;
    dir.write("p.ini", "[A]\r\nx=1\r\ny=2\r\n; note\r\n[B]\r\nz=3\r\n[a]\r\nw=4\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("a", "X", nullptr, (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[A]\r\ny=2\r\n; note\r\n[B]\r\nz=3\r\n[a]\r\nw=4\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("A", nullptr, nullptr, (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[B]\r\nz=3\r\n");
    EXPECT_EQ(get(dir / "p.ini", "A", "y", "gone"), "gone");
}

TEST(PrivateProfileTest, KeepsEachLinesOwnLineEnd) {
    TempDir dir;
    dir.write("p.ini", "[S]\nk=v\r\nother=w");
    EXPECT_EQ(get(dir / "p.ini", "S", "other"), "w");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "v2", (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[S]\nk=v2\r\nother=w");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "other", "w2", (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[S]\nk=v2\r\nother=w2");
    // A line added after the last one ends it; new lines end as the file's first line does.
    ASSERT_TRUE(WritePrivateProfileStringA("S", "new", "n", (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[S]\nk=v2\r\nother=w2\nnew=n\n");
    ASSERT_TRUE(WritePrivateProfileStringA("T", "t", "1", (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[S]\nk=v2\r\nother=w2\nnew=n\n[T]\nt=1\n");
    // Removing a line keeps the others as they are.
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", nullptr, (dir / "p.ini").c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[S]\nother=w2\nnew=n\n[T]\nt=1\n");
}

TEST(PrivateProfileTest, FilesInAccentedFoldersAreReadAndWritten) {
    TempDir dir;
    dir.write("Qualit\xC3\xA9/site.tvx", "[STD_OPTION]\r\nDataVersion=v2\r\n"); // UTF-8 on disk
    const std::string file = dir.path() + "Qualit\xE9/site.tvx";                // the program's Windows-1252
    EXPECT_EQ(get(file, "STD_OPTION", "DataVersion"), "v2");
    ASSERT_TRUE(WritePrivateProfileStringA("STD_OPTION", "Name", "x", file.c_str()));
    EXPECT_EQ(dir.read("Qualit\xC3\xA9/site.tvx"), "[STD_OPTION]\r\nDataVersion=v2\r\nName=x\r\n");
}

TEST(PrivateProfileTest, SeesChangesMadeByOthersAfterCaching) {
    TempDir dir;
    dir.write("p.ini", "[S]\r\nk=aaaa\r\n");
    EXPECT_EQ(get(dir / "p.ini", "S", "k"), "aaaa");
    // Same size, new content, written by another program: replaced by rename,
    // so the identity of the file changes even within one clock tick.
    dir.write("p.tmp", "[S]\r\nk=bbbb\r\n");
    ASSERT_EQ(std::rename((dir / "p.tmp").c_str(), (dir / "p.ini").c_str()), 0);
    EXPECT_EQ(get(dir / "p.ini", "S", "k"), "bbbb");
    // Rewritten in place with another size.
    dir.write("p.ini", "[S]\r\nk=c\r\n");
    EXPECT_EQ(get(dir / "p.ini", "S", "k"), "c");
    std::remove((dir / "p.ini").c_str());
    EXPECT_EQ(get(dir / "p.ini", "S", "k", "gone"), "gone");
}

// A file read just after it changed may change again within the same clock
// tick, leaving size, time and inode as they were: it is read again the
// next time, never answered from what was parsed.
TEST(PrivateProfileTest, AFileChangedAMomentAgoIsReadAgain) {
    TempDir dir;
    const std::string file = dir / "p.ini";
    dir.write("p.ini", "[S]\r\nk=aaaa\r\n");
    EXPECT_EQ(get(file, "S", "k"), "aaaa");
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    dir.write("p.ini", "[S]\r\nk=bbbb\r\n"); // in place: same inode, same size
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    EXPECT_EQ(get(file, "S", "k"), "bbbb");
}

// How another copy of the program may rewrite a data file it shares: in
// place or by renaming a new file over it, with a time whose seconds are
// those of the file read before.
struct RewriteCase {
    const char* what;
    bool replacedByRename;
    long nanosecondsLater;
    const char* rewritten;
    const char* expected;
};

const RewriteCase kRewriteCases[] = {
    {"size, time and inode kept: served from what was parsed", false, 0, "[S]\r\nk=bbbb\r\n", "aaaa"},
    {"same second, another nanosecond", false, 1, "[S]\r\nk=bbbb\r\n", "bbbb"},
    {"same size and time, another inode", true, 0, "[S]\r\nk=bbbb\r\n", "bbbb"},
    {"same time and inode, another size", false, 0, "[S]\r\nk=bbbbb\r\n", "bbbbb"},
};

// A file last changed long ago is kept parsed; any change of its size, its
// modification time to the nanosecond or its inode makes it read again.
TEST(PrivateProfileTest, AFileIsReadAgainWhenItsSizeTimeOrInodeChanged) {
    for (const auto& c : kRewriteCases) {
        TempDir dir;
        const std::string file = dir / "p.ini";
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const timespec old{now.tv_sec - 100, 500000000};
        const timespec times[2] = {old, old};
        dir.write("p.ini", "[S]\r\nk=aaaa\r\n");
        ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        EXPECT_EQ(get(file, "S", "k"), "aaaa") << c.what;
        if (c.replacedByRename) {
            dir.write("p.tmp", c.rewritten);
            ASSERT_EQ(std::rename((dir / "p.tmp").c_str(), file.c_str()), 0);
        } else {
            dir.write("p.ini", c.rewritten);
        }
        const timespec later{old.tv_sec, old.tv_nsec + c.nanosecondsLater};
        const timespec newTimes[2] = {later, later};
        ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), newTimes, 0), 0);
        EXPECT_EQ(get(file, "S", "k"), c.expected) << c.what;
    }
}

// What stands in a file's place but is no file reads as a missing file: a
// pipe is never waited on for a writer, a folder never parsed, a file that
// cannot be read gives the default too.
TEST(PrivateProfileTest, WhatIsNoReadableFileGivesTheDefault) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "pipe.ini").c_str(), 0644), 0);
    dir.write("folder.ini/inside.txt", "x");
    dir.write("closed.ini", "[S]\r\nK=v\r\n");
    ASSERT_EQ(chmod((dir / "closed.ini").c_str(), 0), 0);
    const bool rootReadsAnything = geteuid() == 0;
    for (const std::string name : {"pipe.ini", "folder.ini", "closed.ini"}) {
        if (name == "closed.ini" && rootReadsAnything)
            continue;
        platform::clearProfileCache();
        EXPECT_EQ(get(dir / name, "S", "K", "def"), "def") << name;
        EXPECT_TRUE(list(dir / name, nullptr).empty()) << name;
    }
}

TEST(PrivateProfileTest, KeepsTheEncodingOfFilesWithAByteOrderMark) {
    TempDir dir;
    dir.write("u8.ini", "\xEF\xBB\xBF[S]\r\nname=\xC3\xA9t\xC3\xA9\r\n");
    EXPECT_EQ(get(dir / "u8.ini", "S", "name"), "\xE9t\xE9");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "other", "\xE0", (dir / "u8.ini").c_str()));
    EXPECT_EQ(dir.read("u8.ini"), "\xEF\xBB\xBF[S]\r\nname=\xC3\xA9t\xC3\xA9\r\nother=\xC3\xA0\r\n");

    dir.write("u16.ini", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xE9\0", 18));
    EXPECT_EQ(get(dir / "u16.ini", "S", "k"), "\xE9");
}

// Text converted by the C library, as another editor would have saved it.
std::string convert(const std::string& utf8, const char* charset) {
    iconv_t cd = iconv_open(charset, "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << charset;
    std::string in = utf8;
    std::string out(in.size() * 4 + 4, '\0');
    char* from = in.data();
    char* to = out.data();
    size_t fromLeft = in.size();
    size_t toLeft = out.size();
    EXPECT_NE(iconv(cd, &from, &fromLeft, &to, &toLeft), static_cast<size_t>(-1)) << charset;
    iconv_close(cd);
    out.resize(out.size() - toLeft);
    return out;
}

struct EncodingCase {
    const char* name;
    const char* byteOrderMark;
    const char* charset;         // the text encoding of the file's bytes
    const char* changedLine;     // the rewritten line as the file holds it
    const char* name1252;        // "Name" as the program reads it
    const char* accentedSection; // what "[QUALITÉ]" finds, or the default
};

// Characters of many scripts, in keys the program never touches; line ends
// of both kinds and a last line without one.
const std::string kBefore = "; R\u00e9glages \u2014 \u65e5\u672c\u8a9e\r\n"
                            "[STD_OPTION]\n"
                            "Title = \u041f\u0440\u043e\u0435\u043a\u0442 \u00ab\u03a9\u00bb\r\n";
const std::string kOldLine = "DataVersion = v2\n";
const std::string kAfter = "Name=Qualit\u00e9 \u20ac\r\n"
                           "[Qualit\u00e9]\r\n"
                           "\u00c9tat=ok\n"
                           "[\u041a\u043b\u044e\u0447]\r\n"
                           "k=\u03c9";

const EncodingCase kEncodingCases[] = {
    {"UTF-8 with mark", "\xEF\xBB\xBF", "UTF-8", "DataVersion=v3 \u00e9\u20ac\n", "Qualit\xE9 \x80", "ok"},
    {"UTF-16 little-endian", "\xFF\xFE", "UTF-16LE", "DataVersion=v3 \u00e9\u20ac\n", "Qualit\xE9 \x80",
     "ok"},
    {"UTF-16 big-endian", "\xFE\xFF", "UTF-16BE", "DataVersion=v3 \u00e9\u20ac\n", "Qualit\xE9 \x80", "ok"},
    // Without a mark, bytes beyond ASCII that all form UTF-8 sequences come
    // from an editor writing UTF-8.
    {"UTF-8 without mark", "", "UTF-8", "DataVersion=v3 \u00e9\u20ac\n", "Qualit\xE9 \x80", "ok"},
};

TEST(PrivateProfileTest, RewritesKeepEveryOtherLineInTheFilesOwnEncoding) {
    for (const auto& c : kEncodingCases) {
        TempDir dir;
        const std::string file = dir / "site.tvx";
        auto inFile = [&](const std::string& utf8) { return convert(utf8, c.charset); };
        const std::string before = c.byteOrderMark + inFile(kBefore);
        const std::string after = inFile(kAfter);
        dir.write("site.tvx", before + inFile(kOldLine) + after);

        EXPECT_EQ(get(file, "STD_OPTION", "Name"), c.name1252) << c.name;
        EXPECT_EQ(get(file, "QUALIT\xC9", "\xC9TAT", "none"), c.accentedSection) << c.name;
        // A name the code page cannot hold is not any name spelt with '?'.
        EXPECT_EQ(get(file, "????", "k", "none"), "none") << c.name;

        ASSERT_TRUE(WritePrivateProfileStringA("std_option", "DATAVERSION", "v3 \xE9\x80", file.c_str()))
            << c.name;
        EXPECT_EQ(dir.read("site.tvx"), before + inFile(c.changedLine) + after) << c.name;
        EXPECT_EQ(get(file, "STD_OPTION", "DataVersion"), "v3 \xE9\x80") << c.name;

        // A section added after a last line without line end.
        ASSERT_TRUE(WritePrivateProfileStringA("NEW", "x", "1", file.c_str())) << c.name;
        EXPECT_EQ(dir.read("site.tvx"),
                  before + inFile(c.changedLine) + after + inFile("\r\n[NEW]\r\nx=1\r\n"))
            << c.name;
    }
}

TEST(PrivateProfileTest, FilesInTheCodePageStayInTheCodePage) {
    TempDir dir;
    const std::string file = dir / "site.tvx";
    dir.write("site.tvx", "[STD_OPTION]\r\nName=Qualit\xE9\r\nDataVersion=v2\r\n");
    EXPECT_EQ(get(file, "STD_OPTION", "Name"), "Qualit\xE9");
    ASSERT_TRUE(WritePrivateProfileStringA("STD_OPTION", "DataVersion", "v3 \x80", file.c_str()));
    EXPECT_EQ(dir.read("site.tvx"), "[STD_OPTION]\r\nName=Qualit\xE9\r\nDataVersion=v3 \x80\r\n");
}

struct FileIdentity {
    ino_t inode = 0;
    timespec modified{};
    std::string bytes;
    bool operator==(const FileIdentity& o) const {
        return inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && bytes == o.bytes;
    }
};

FileIdentity identity(const TempDir& dir, const std::string& name) {
    struct stat st {};
    stat((dir / name).c_str(), &st);
    return FileIdentity{st.st_ino, st.st_mtim, dir.read(name)};
}

TEST(PrivateProfileTest, WritesThatChangeNothingLeaveTheFileUntouched) {
    TempDir dir;
    const std::string file = dir / "p.ini";
    dir.write("p.ini", "[S]\r\nk = \"v\"  \r\nempty=\nlast=x");
    const FileIdentity before = identity(dir, "p.ini");
    struct {
        const char* section;
        const char* key;
        const char* value;
    } const unchanged[] = {
        {"s", "K", "v"},           // the value the key reads as
        {"S", "empty", ""},        // an empty value
        {"S", "LAST", "x"},        // no line end is added
        {"S", "missing", nullptr}, // no key to delete
        {"T", "k", nullptr},       // no section to delete from
        {"T", nullptr, nullptr},   // no section to delete
    };
    for (const auto& c : unchanged) {
        EXPECT_TRUE(WritePrivateProfileStringA(c.section, c.key, c.value, file.c_str()));
        EXPECT_TRUE(identity(dir, "p.ini") == before)
            << c.section << "/" << (c.key ? c.key : "(null)") << " = " << (c.value ? c.value : "(null)");
    }
    ASSERT_TRUE(WritePrivateProfileStringA("S", "k", "w", file.c_str()));
    EXPECT_EQ(dir.read("p.ini"), "[S]\r\nk=w\r\nempty=\nlast=x");
}

TEST(PrivateProfileTest, UpdateWritesOnceAndSkipsUnchangedFiles) {
    TempDir dir;
    dir.write("p.ini", "[S]\r\na=1\r\n");
    ASSERT_TRUE(platform::updateProfile((dir / "p.ini").c_str(), [](ProfileFile& f) {
        f.set("S", "a", "2");
        f.set("S", "b", "3");
        f.set("T", "c", "4");
        return true;
    }));
    EXPECT_EQ(dir.read("p.ini"), "[S]\r\na=2\r\nb=3\r\n[T]\r\nc=4\r\n");
    // An edit that changes nothing leaves the file as its author wrote it.
    dir.write("p.ini", "[S]  \nb=1");
    ASSERT_TRUE(platform::updateProfile((dir / "p.ini").c_str(),
                                        [](ProfileFile& f) { return f.removeKey("S", "zz"); }));
    EXPECT_EQ(dir.read("p.ini"), "[S]  \nb=1");
}

} // namespace

// A section found once reads its keys as a lookup by name does, and only in
// the file it was found in.
TEST(ProfileFileTest, ASectionFoundOnceReadsItsOwnFileOnly) {
    const ProfileFile file = ProfileFile::parse("[Other]\r\nk=no\r\n[S]\r\nk = \"yes\"\r\nempty=\r\n");
    const ProfileFile other = ProfileFile::parse("[S]\r\nk=other\r\n");
    const ProfileFile::Section section = file.section("s");
    ASSERT_TRUE(section);
    std::string value = "stale";
    EXPECT_TRUE(file.get(section, "K", value));
    EXPECT_EQ(value, "yes");
    EXPECT_TRUE(file.get(section, "empty", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(file.get(section, "missing", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(other.get(section, "k", value));
    EXPECT_FALSE(file.section("none"));
    EXPECT_FALSE(file.get(file.section("none"), "k", value));
}
