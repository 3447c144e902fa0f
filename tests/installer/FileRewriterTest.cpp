#include "FileRewriter.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::u16string wide(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

struct stat statOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info;
}

bool rewrite(const std::string& path, const std::string& bytes,
             FileRewriter::ReadOnly readOnly = FileRewriter::ReadOnly::Refuse) {
    FileRewriter file(wide(path), readOnly);
    return file.isOpen() && file.write(bytes.substr(0, 3)) && file.write(bytes.substr(3)) && file.commit();
}

// Whichever way the file is reached and however many names it has, it
// takes the new bytes and stays the file it was: its mode, its other names,
// a symbolic link to it; nothing else is left in the folder.
TEST(FileRewriterTest, TheFileTakesTheBytesAndKeepsItsModeAndNames) {
    struct Case {
        const char* what;
        const char* alias; // a second name of the file, or a link to it
        bool symbolic;
    } cases[] = {
        {"one name", nullptr, false},
        {"two names", "alias.xml", false},
        {"reached through a symbolic link", "link.xml", true},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("file.xml", "<old>longer than the new bytes</old>");
        ASSERT_EQ(chmod((dir / "file.xml").c_str(), 0640), 0);
        std::string path = dir / "file.xml";
        if (c.alias) {
            const int made = c.symbolic ? symlink("file.xml", (dir / c.alias).c_str())
                                        : link(path.c_str(), (dir / c.alias).c_str());
            ASSERT_EQ(made, 0) << c.what;
            if (c.symbolic)
                path = dir / c.alias;
        }
        const auto entries = dir.entries();
        const struct stat before = statOf(dir / "file.xml");

        ASSERT_TRUE(rewrite(path, "<new/>")) << c.what;
        EXPECT_EQ(dir.read("file.xml"), "<new/>") << c.what;
        const struct stat after = statOf(dir / "file.xml");
        EXPECT_EQ(after.st_mode, before.st_mode) << c.what;
        EXPECT_EQ(after.st_nlink, before.st_nlink) << c.what;
        EXPECT_EQ(after.st_uid, before.st_uid) << c.what;
        EXPECT_EQ(after.st_gid, before.st_gid) << c.what;
        if (c.alias) {
            EXPECT_EQ(dir.read(c.alias), "<new/>") << c.what;
            struct stat link {};
            ASSERT_EQ(lstat((dir / c.alias).c_str(), &link), 0);
            EXPECT_EQ(S_ISLNK(link.st_mode), c.symbolic) << c.what;
        }
        EXPECT_EQ(dir.entries(), entries) << c.what;
    }
}

TEST(FileRewriterTest, AMissingFileIsCreatedWithTheModeOfNewFiles) {
    TempDir dir;
    const mode_t mask = umask(022);
    EXPECT_TRUE(rewrite(dir / "new.xml", "<new/>"));
    umask(mask);
    EXPECT_EQ(dir.read("new.xml"), "<new/>");
    EXPECT_EQ(statOf(dir / "new.xml").st_mode & 07777, 0644u);
    EXPECT_EQ(dir.entries().size(), 1u);
}

// A file whose mode lets nobody write it is refused before anything is
// written, unless a backup is being put back; it then stays read-only.
TEST(FileRewriterTest, AReadOnlyFileIsWrittenOnlyWhenAsked) {
    TempDir dir;
    dir.write("file.xml", "<old/>");
    ASSERT_EQ(chmod((dir / "file.xml").c_str(), 0444), 0);
    FileRewriter refused(wide(dir / "file.xml"), FileRewriter::ReadOnly::Refuse);
    EXPECT_FALSE(refused.isOpen());
    EXPECT_EQ(refused.error(), EACCES);
    EXPECT_EQ(dir.read("file.xml"), "<old/>");
    if (geteuid() != 0)
        GTEST_SKIP() << "only root writes a file that nobody may write";
    EXPECT_TRUE(rewrite(dir / "file.xml", "<back/>", FileRewriter::ReadOnly::Write));
    EXPECT_EQ(dir.read("file.xml"), "<back/>");
    EXPECT_EQ(statOf(dir / "file.xml").st_mode & 07777, 0444u);
    EXPECT_EQ(dir.entries().size(), 1u);
}

// Until the commit nothing reaches the file, and a rewrite given up leaves
// no stage behind.
TEST(FileRewriterTest, ARewriteNotCommittedLeavesTheFileAsItWas) {
    TempDir dir;
    dir.write("file.xml", "<old/>");
    {
        FileRewriter file(wide(dir / "file.xml"), FileRewriter::ReadOnly::Refuse);
        ASSERT_TRUE(file.isOpen());
        ASSERT_TRUE(file.write("<new/>"));
        EXPECT_EQ(dir.read("file.xml"), "<old/>");
    }
    EXPECT_EQ(dir.read("file.xml"), "<old/>");
    EXPECT_EQ(dir.entries().size(), 1u);

    FileRewriter inFolder(wide(dir / "none/file.xml"), FileRewriter::ReadOnly::Refuse);
    EXPECT_FALSE(inFolder.isOpen()) << "a file in a missing folder";
    EXPECT_EQ(inFolder.error(), ENOENT);
}

} // namespace
