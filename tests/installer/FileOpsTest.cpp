#include "FileOps.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

std::u16string wide(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

TEST(FileOpsTest, CreatesEveryMissingFolderOfAPath) {
    TempDir dir;
    std::vector<std::u16string> created;
    EXPECT_EQ(files::createFolders(wide(dir / "a\\b/c\\config.xml"), false, &created), 0);
    EXPECT_TRUE(dir.exists("a/b/c"));
    EXPECT_FALSE(dir.exists("a/b/c/config.xml"));
    ASSERT_EQ(created.size(), 3u);
    EXPECT_EQ(files::diskPath(created.back()), dir / "a/b/c");

    created.clear();
    EXPECT_EQ(files::createFolders(wide(dir / "a/b/c/d"), true, &created), 0);
    EXPECT_EQ(created.size(), 1u) << "only the missing folder";
    EXPECT_EQ(files::createFolders(wide(dir / "a/b"), true, &created), 0) << "an existing path";
}

TEST(FileOpsTest, AFolderThatCannotBeMadeGivesTheErrorAndRemovesItsEmptyParent) {
    TempDir dir;
    std::vector<std::u16string> created;
    const std::string tooLong(300, 'n');
    EXPECT_EQ(files::createFolders(wide(dir / ("new/" + tooLong + "/file.xml")), false, &created),
              ENAMETOOLONG);
    EXPECT_EQ(created.size(), 1u);
    EXPECT_FALSE(dir.exists("new")) << "made a moment before and empty";

    dir.write("a/blocker", "a file where a folder should go");
    EXPECT_EQ(files::createFolders(wide(dir / "a/blocker/x/y.xml"), false, nullptr), ENOTDIR);
    EXPECT_TRUE(dir.exists("a/blocker"));
}

TEST(FileOpsTest, DeletesAFile) {
    TempDir dir;
    dir.write("x.back", "backup");
    EXPECT_TRUE(files::deleteFile(wide(dir / "x.back")));
    EXPECT_FALSE(dir.exists("x.back"));
    EXPECT_FALSE(files::deleteFile(wide(dir / "x.back")));
}

TEST(FileOpsTest, ACopyNeverReplacesAnExistingTargetWhenAskedNotTo) {
    TempDir dir;
    dir.write("a.xml", "<a/>");
    dir.write("b.xml", "<b/>");
    EXPECT_EQ(files::copyFile(wide(dir / "a.xml"), wide(dir / "b.xml"), true), EEXIST);
    EXPECT_EQ(dir.read("b.xml"), "<b/>");
    EXPECT_EQ(files::copyFile(wide(dir / "a.xml"), wide(dir / "b.xml"), false), 0);
    EXPECT_EQ(dir.read("b.xml"), "<a/>");
    EXPECT_EQ(files::copyFile(wide(dir / "a.xml"), wide(dir / "c.xml"), true), 0);
    EXPECT_EQ(dir.read("c.xml"), "<a/>");
    EXPECT_EQ(files::copyFile(wide(dir / "missing.xml"), wide(dir / "d.xml"), true), ENOENT);
    EXPECT_FALSE(dir.exists("d.xml"));
}

} // namespace
