#include "FileFinder.h"
#include "FileSystem.h"
#include "TempDir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

struct RelativeCase {
    const char* from;
    DWORD fromAttributes;
    const char* to;
    DWORD toAttributes;
    const char* expected; // empty: no common root
};

constexpr DWORD kDir = FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD kFile = FILE_ATTRIBUTE_NORMAL;

const RelativeCase kRelativeCases[] = {
    {"C:\\p\\site\\a", kDir, "C:\\p\\site\\a", kDir, "."},
    {"C:\\p\\site\\a", kDir, "C:\\p\\site\\a\\b", kDir, ".\\b"},
    {"C:\\p\\site\\a", kDir, "C:\\p\\site\\b", kDir, "..\\b"},
    {"C:\\p\\site\\a\\x", kDir, "C:\\p\\site\\b\\y", kDir, "..\\..\\b\\y"},
    {"C:\\p\\site\\a", kDir, "C:\\p", kDir, "..\\.."},
    {"C:\\P\\Site\\A", kDir, "c:\\p\\site\\b", kDir, "..\\b"},          // names ignore case
    {"/home/u/p/site/a/", kDir, "/home/u/p\\site/b", kDir, "..\\b"},    // '/' and '\' mixed
    {"/home/u/p/site/a/overview.htm", kFile, "/home/u/p/site/b/overview.htm", kFile, "..\\b\\overview.htm"},
    {"/p/site/../site/a", kDir, "/p/site/../site/b/c", kDir, "..\\b\\c"},   // text, not resolved
    {"/p/site/a", kDir, "/p/site/a/page.htm", kFile, ".\\page.htm"},
    {"/p/site/a/b/", kFile, "/p/site/a/page.htm", kFile, "..\\page.htm"}, // a file path ending in a separator
    {"C:\\p", kDir, "D:\\p", kDir, ""},
    {"relative\\a", kDir, "/rooted/a", kDir, ""},
};

TEST(RelativePathTest, ComputesTheShellsRelativePath) {
    for (const auto& c : kRelativeCases) {
        char out[MAX_PATH] = "junk";
        const BOOL ok = PathRelativePathToA(out, c.from, c.fromAttributes, c.to, c.toAttributes);
        EXPECT_EQ(ok != FALSE, *c.expected != '\0') << c.from << " -> " << c.to;
        EXPECT_STREQ(out, c.expected) << c.from << " -> " << c.to;
    }
}

std::vector<std::string> find(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(data.cFileName + std::string((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "/" : ""));
    } while (FindNextFileA(h, &data));
    FindClose(h);
    return names;
}

TEST(FileFinderTest, MatchesIgnoringCaseAndListsSortedByName) {
    TempDir dir;
    for (const char* name : {"b.HTM", "a.htm", "C.html", "d.gif", "noext", "x.htm.bak"})
        dir.write(std::string("f/") + name, "x");
    std::filesystem::create_directory(dir / "f/Sub.htm");
    dir.write("f/.~tvAbc123.part", "temporary file of a write in progress");

    EXPECT_EQ(find(dir / "f\\*.htm"), (std::vector<std::string>{"a.htm", "b.HTM", "Sub.htm/"}));
    EXPECT_EQ(find(dir / "f/*.HTM*"),
              (std::vector<std::string>{"a.htm", "b.HTM", "C.html", "Sub.htm/", "x.htm.bak"}));
    EXPECT_EQ(find(dir / "f/?.gif"), (std::vector<std::string>{"d.gif"}));
    EXPECT_EQ(find(dir / "f/*"), (std::vector<std::string>{"./", "../", "a.htm", "b.HTM", "C.html", "d.gif",
                                                           "noext", "Sub.htm/", "x.htm.bak"}));
    EXPECT_EQ(find(dir / "f/*.*").size(), 9u); // "*.*" takes names without a dot too
    EXPECT_EQ(find(dir / "f/NOEXT"), (std::vector<std::string>{"noext"}));
    EXPECT_TRUE(find(dir / "f/*.png").empty());
    EXPECT_TRUE(find(dir / "missing/*").empty());
}

TEST(FileFinderTest, MaskTable) {
    struct {
        const char* name;
        const char* mask;
        bool match;
    } cases[] = {
        {"abc", "a*c", true},  {"ac", "a*c", true},  {"abd", "a*c", false}, {"abc", "a?c", true},
        {"ac", "a?c", false},  {"ABC", "*b*", true}, {"\xC9t\xE9", "\xE9T*", true}, {"", "*", true},
        {"a.b.c", "*.c", true}, {"abc", "abc?", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesFileMask(c.name, c.mask), c.match) << c.name << " ~ " << c.mask;
}

TEST(FileSystemTest, FindsNamesWrittenInAnotherCase) {
    TempDir dir;
    dir.write("Proj/Site/Home/Overview.HTM", "home");
    const std::string asStored = dir.path() + "proj\\site\\home\\overview.htm";
    EXPECT_TRUE(platform::fileExists(asStored.c_str()));
    std::string bytes;
    ASSERT_TRUE(platform::readFileBytes(asStored.c_str(), bytes));
    EXPECT_EQ(bytes, "home");
    // A write through another case replaces the existing file, as on Windows.
    ASSERT_TRUE(platform::writeFileReplacing(asStored.c_str(), "new"));
    EXPECT_EQ(dir.read("Proj/Site/Home/Overview.HTM"), "new");
    EXPECT_FALSE(dir.exists("proj"));
}

TEST(FileSystemTest, KeepsAccentedNamesInTheSystemsEncoding) {
    TempDir dir;
    const std::string path = dir.path() + "Qualit\xE9.txt"; // Windows-1252 text
    ASSERT_TRUE(platform::writeFileReplacing(path.c_str(), "q"));
    EXPECT_TRUE(dir.exists("Qualit\xC3\xA9.txt")); // UTF-8 on disk
    EXPECT_EQ(find(dir / "*.txt"), (std::vector<std::string>{"Qualit\xE9.txt"}));
    EXPECT_TRUE(platform::fileExists((dir.path() + "QUALIT\xC9.TXT").c_str()));
}

TEST(FileSystemTest, CopyAndMoveFollowWindowsRules) {
    TempDir dir;
    dir.write("a.txt", "A");
    dir.write("b.txt", "B");
    EXPECT_FALSE(CopyFileA((dir / "a.txt").c_str(), (dir / "b.txt").c_str(), TRUE));
    EXPECT_EQ(dir.read("b.txt"), "B");
    EXPECT_TRUE(CopyFileA((dir / "a.txt").c_str(), (dir / "b.txt").c_str(), FALSE));
    EXPECT_EQ(dir.read("b.txt"), "A");
    EXPECT_FALSE(CopyFileA((dir / "none.txt").c_str(), (dir / "c.txt").c_str(), FALSE));

    EXPECT_FALSE(MoveFileA((dir / "a.txt").c_str(), (dir / "b.txt").c_str())); // target exists
    EXPECT_TRUE(MoveFileA((dir / "a.txt").c_str(), (dir / "c.txt").c_str()));
    EXPECT_FALSE(dir.exists("a.txt"));
    EXPECT_TRUE(MoveFileA((dir / "c.txt").c_str(), (dir / "C.txt").c_str())); // a change of case
    EXPECT_EQ(dir.read("C.txt"), "A");
    EXPECT_FALSE(dir.exists("c.txt"));

    EXPECT_TRUE(CreateDirectoryA((dir / "folder").c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryA((dir / "folder").c_str(), nullptr));
    EXPECT_FALSE(CreateDirectoryA((dir / "x/y").c_str(), nullptr));
    EXPECT_TRUE(MoveFileA((dir / "folder").c_str(), (dir / "renamed").c_str()));
    EXPECT_EQ(GetFileAttributesA((dir / "renamed").c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(GetFileAttributesA((dir / "folder").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(RemoveDirectoryA((dir / "renamed").c_str()));
    EXPECT_TRUE(DeleteFileA((dir / "C.txt").c_str()));
    EXPECT_FALSE(DeleteFileA((dir / "C.txt").c_str()));
}

TEST(FileSystemTest, CopyKeepsTheModificationTime) {
    TempDir dir;
    dir.write("a.txt", "A");
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    utimensat(AT_FDCWD, (dir / "a.txt").c_str(), old, 0);
    ASSERT_TRUE(CopyFileA((dir / "a.txt").c_str(), (dir / "b.txt").c_str(), TRUE));
    std::time_t t = 0;
    ASSERT_TRUE(platform::lastWriteTime((dir / "b.txt").c_str(), t));
    EXPECT_EQ(t, 1000000000);
}

TEST(FileSystemTest, TreeCopyAndDeleteNeverFollowLinks) {
    TempDir dir;
    dir.write("outside/keep.txt", "precious");
    dir.write("src/a.txt", "a");
    dir.write("src/sub/b.txt", "b");
    ASSERT_EQ(symlink((dir / "outside").c_str(), (dir / "src/link").c_str()), 0);

    ASSERT_TRUE(platform::copyTree((dir / "src").c_str(), (dir / "copy").c_str()));
    EXPECT_EQ(dir.read("copy/sub/b.txt"), "b");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "copy/link"));

    ASSERT_TRUE(platform::deleteTree((dir / "copy").c_str()));
    ASSERT_TRUE(platform::deleteTree((dir / "src").c_str()));
    EXPECT_FALSE(dir.exists("src"));
    EXPECT_EQ(dir.read("outside/keep.txt"), "precious");
    EXPECT_TRUE(platform::deleteTree((dir / "never-existed").c_str()));
}

TEST(FileFinderTest, MarksLinksSoThatWalksPassThemBy) {
    TempDir dir;
    dir.write("outside/x.txt", "x");
    dir.write("f/file.txt", "f");
    std::filesystem::create_directory(dir / "f/real");
    ASSERT_EQ(symlink("../outside", (dir / "f/folderLink").c_str()), 0);
    ASSERT_EQ(symlink("file.txt", (dir / "f/fileLink").c_str()), 0);
    ASSERT_EQ(symlink("missing", (dir / "f/dangling").c_str()), 0);
    std::map<std::string, DWORD> attributes;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((dir / "f/*").c_str(), &data);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    do {
        attributes[data.cFileName] = data.dwFileAttributes;
    } while (FindNextFileA(h, &data));
    FindClose(h);
    EXPECT_EQ(attributes["file.txt"], FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(attributes["real"], FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(attributes["folderLink"], FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    EXPECT_EQ(attributes["fileLink"], FILE_ATTRIBUTE_REPARSE_POINT);
    EXPECT_EQ(attributes["dangling"], FILE_ATTRIBUTE_REPARSE_POINT);
}

TEST(FileSystemTest, TreeWalksNeverWriteOrDeleteThroughLinks) {
    TempDir dir;
    dir.write("outside/keep.txt", "precious");
    // A tree named with a trailing separator is still the link itself.
    for (const char* separator : {"/", "\\"}) {
        ASSERT_EQ(symlink((dir / "outside").c_str(), (dir / "link").c_str()), 0);
        EXPECT_TRUE(platform::deleteTree((dir / "link" + separator).c_str())) << separator;
        EXPECT_FALSE(std::filesystem::is_symlink(dir / "link")) << separator;
        EXPECT_EQ(dir.read("outside/keep.txt"), "precious") << separator;
    }

    // A copy into a tree whose folders or files below the top are links
    // writes nothing through them; the rest is copied.
    dir.write("src/sub/new.txt", "new");
    dir.write("src/keep.txt", "copied over a link");
    dir.write("src/plain.txt", "plain");
    std::filesystem::create_directory(dir / "dst");
    ASSERT_EQ(symlink((dir / "outside").c_str(), (dir / "dst/sub").c_str()), 0);
    ASSERT_EQ(symlink((dir / "outside/keep.txt").c_str(), (dir / "dst/keep.txt").c_str()), 0);
    EXPECT_FALSE(platform::copyTree((dir / "src").c_str(), (dir / "dst").c_str()));
    EXPECT_FALSE(dir.exists("outside/new.txt"));
    EXPECT_EQ(dir.read("outside/keep.txt"), "precious");
    EXPECT_EQ(dir.read("dst/plain.txt"), "plain");

    // A link copied again may stay; a file where the copy needs a link is no success.
    ASSERT_EQ(symlink("plain.txt", (dir / "src/alias").c_str()), 0);
    std::filesystem::remove_all(dir / "src/sub");
    std::filesystem::remove(dir / "src/keep.txt");
    ASSERT_TRUE(platform::copyTree((dir / "src").c_str(), (dir / "copy").c_str()));
    EXPECT_TRUE(platform::copyTree((dir / "src").c_str(), (dir / "copy").c_str()));
    std::filesystem::remove(dir / "copy/alias");
    dir.write("copy/alias", "a file");
    EXPECT_FALSE(platform::copyTree((dir / "src").c_str(), (dir / "copy").c_str()));
    EXPECT_EQ(dir.read("copy/alias"), "a file");
}

TEST(FileSystemTest, ProgramFileAndFolder) {
    char buffer[1001];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    ASSERT_GT(n, 0u);
    const CString folder = getApplicationFolder();
    EXPECT_EQ(std::string(buffer).substr(0, static_cast<size_t>(folder.GetLength())), folder.str());
    EXPECT_EQ(buffer[folder.GetLength()], '/');
    char tiny[5];
    EXPECT_EQ(GetModuleFileNameA(nullptr, tiny, sizeof tiny), 4u);
    EXPECT_EQ(tiny[4], '\0');
}

} // namespace
