#include "XmlBackup.h"
#include "Exception.h"
#include "TempDir.h"
#include "XmlFileRecord.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

namespace {

XmlFileRecord fileIn(const std::u16string& directory, const std::u16string& name,
                     const std::u16string& backup) {
    XmlFileRecord file;
    file.directory = directory;
    file.fileName = name;
    file.backupFileName = backup;
    return file;
}

// The error of a backup that cannot be made; number 0 when it was made.
Exception backupError(const XmlFileRecord& file) {
    try {
        XmlBackup::makeBackup(file);
    } catch (const Exception& error) {
        return error;
    }
    return Exception(u"", 0, 0);
}

TEST(XmlBackupTest, BackupNamesPutTheCounterInPlaceOfTheHash) {
    struct Case {
        const char16_t* fileName;
        const char16_t* pattern;
        std::uint32_t counter;
        const char16_t* name;
    } cases[] = {
        {u"web.config", u"", 0, u"D:\\App\\web.config.back"},
        {u"web.config", u"", 1, u"D:\\App\\web.config.1.back"},
        {u"web.config", u"", 2, u"D:\\App\\web.config.2.back"},
        {u"web.config", u"#backup.xml", 0, u"D:\\App\\backup.xml"},
        {u"web.config", u"#backup.xml", 1, u"D:\\App\\1backup.xml"},
        {u"web.config", u"old_#", 0, u"D:\\App\\old"},
        {u"web.config", u"old_#", 1, u"D:\\App\\old_1"},
        {u"web.config", u"a#b#c", 1, u"D:\\App\\a1b"},
        // Without "#" the counter goes at the end.
        {u"web.config", u"saved.xml", 0, u"D:\\App\\saved.xml"},
        {u"web.config", u"saved.xml", 3, u"D:\\App\\saved.xml3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(narrow(XmlBackup::backupName(fileIn(u"D:\\App\\", c.fileName, c.pattern), c.counter)),
                  narrow(c.name))
            << narrow(c.pattern) << " " << c.counter;
    }
}

TEST(XmlBackupTest, ABackupTakesTheFirstFreeNameAndNeverReplacesAFile) {
    TempDir dir;
    dir.write("app.xml", "<a>now</a>");
    dir.write("app.xml.back", "<a>older</a>");
    const XmlFileRecord file = fileIn(wide(dir.path()), u"app.xml", u"");
    EXPECT_EQ(narrow(XmlBackup::makeBackup(file)), dir / "app.xml.1.back");
    EXPECT_EQ(narrow(XmlBackup::makeBackup(file)), dir / "app.xml.2.back");
    EXPECT_EQ(dir.read("app.xml.back"), "<a>older</a>");
    EXPECT_EQ(dir.read("app.xml.2.back"), "<a>now</a>");

    dir.write("app.xml", "<a>changed</a>");
    EXPECT_TRUE(XmlBackup::restoreFromBackup(wide(dir / "app.xml.2.back"), file));
    EXPECT_EQ(dir.read("app.xml"), "<a>now</a>");
    EXPECT_FALSE(XmlBackup::restoreFromBackup(u"", file));
    EXPECT_FALSE(XmlBackup::restoreFromBackup(wide(dir / "missing.back"), file));
    EXPECT_EQ(dir.read("app.xml"), "<a>now</a>");
}

// Where no backup can be made, the file fails with 4115 and the backup's
// path, however the copy fails, instead of trying names without end.
TEST(XmlBackupTest, ABackupThatCannotBeMadeFailsAfterBoundedAttempts) {
    TempDir dir;
    const Exception missing = backupError(fileIn(wide(dir.path()), u"gone.xml", u""));
    EXPECT_EQ(missing.number(), 4115);
    EXPECT_EQ(missing.arguments(), std::vector<std::u16string>{wide(dir / "gone.xml.back")});
    EXPECT_FALSE(dir.exists("gone.xml.back"));

    dir.write("full.xml", "<a/>");
    dir.write("full.xml.back", "");
    for (int i = 1; i < XmlBackup::kMaxAttempts; ++i)
        dir.write("full.xml." + std::to_string(i) + ".back", "");
    const Exception full = backupError(fileIn(wide(dir.path()), u"full.xml", u""));
    EXPECT_EQ(full.number(), 4115) << "every name is taken";
    const std::string last = "full.xml." + std::to_string(XmlBackup::kMaxAttempts - 1) + ".back";
    EXPECT_EQ(full.arguments(), std::vector<std::u16string>{wide(dir / last)});
}

} // namespace
