#include "CTime.h"
#include "Project.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "ScopedTimeZone.h"
#include "StringTable.h"
#include "TempDir.h"
#include "TextOutStream.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

TEST(ProjectTest, OpeningMakesTmpAndAsksForTheIcons) {
    TempDir dir;
    dir.copyFixture("menu-tree-project", "proj");
    RecordingMainWindow window;
    Project project((dir / "proj/site.tvx").c_str(), &window, 0);
    EXPECT_EQ(Project::getInstance(), &project);
    EXPECT_TRUE(dir.exists("proj/tmp"));
    EXPECT_FALSE(dir.exists("proj/tolvane/save"));
    EXPECT_EQ(window.calls, std::vector<std::string>{"loadIconImages " + dir.path() + "proj/"});
    EXPECT_FALSE(project.isBusy());
    EXPECT_EQ(project.getGenerationLanguage(), "FR");
    EXPECT_EQ(project.getGenerationLanguage2(), "EN");
    EXPECT_FALSE(project.isSourceControlOn()); // "Yes" is not "yes"
    EXPECT_EQ(project.getSourceControlProject(), "$/Proj");
    EXPECT_EQ(project.readCharset(), "iso-8859-1");
}

TEST(ProjectTest, WhatKeepsAPathFromOpeningIsSaidBeforeAnythingIsWritten) {
    TempDir dir;
    dir.copyFixture("menu-tree-project", "proj");
    // A project whose tree is read from the administrator's kit.
    dir.copyFixture("menu-tree-project", "devkit");
    std::filesystem::create_directories(dir / "devkit/devkit/Administrator");
    std::filesystem::rename(dir / "devkit/tolvane/MenuTreeV2.dat",
                            dir / "devkit/devkit/Administrator/MenuTreeV2.dat");
    dir.write("notree/site.tvx", "[STD_OPTION]\r\nSiteName=x\r\n");
    dir.write("proj/tolvane/administrator.ini", "[APPLICATION_KIND]\r\nTolvane=yes\r\n");
    std::filesystem::create_directories(dir / "empty");
    ASSERT_EQ(mkfifo((dir / "pipe.tvx").c_str(), 0600), 0);
    const std::string root = dir.path();
    struct Case {
        std::string path;
        int layout;
        std::string message; // empty: the project opens
    } cases[] = {
        {root + "proj/site.tvx", 0, ""},
        {root + "proj/SITE.TVX", 0, ""}, // found in another case, as every project file
        {root + "devkit/site.tvx", 0, ""},
        {root + "proj/tolvane/administrator.ini", 1, ""},
        {root + "missing.tvx", 0,
         "The project \"" + root + "missing.tvx\" cannot be opened: this file does not exist."},
        {"", 0, "The project \"\" cannot be opened: this file does not exist."},
        {root + "empty", 0,
         "The project \"" + root +
             "empty\" cannot be opened: this is a folder. A project is opened by its "
             "settings file (*.tvx)."},
        {root + "proj", 0,
         "The project \"" + root +
             "proj\" cannot be opened: this is a folder. A project is opened by its "
             "settings file (*.tvx)."},
        {root + "notree/site.tvx", 0,
         "The project \"" + root + "notree/site.tvx\" cannot be opened: its menu tree file \"" + root +
             "notree/tolvane/MenuTreeV2.dat\" is missing."},
        {root + "proj/tolvane/administrator.ini", 0,
         "The project \"" + root +
             "proj/tolvane/administrator.ini\" cannot be opened: its menu tree file \"" + root +
             "proj/tolvane/tolvane/MenuTreeV2.dat\" is missing."},
        // A pipe would block the reader for ever.
        {root + "pipe.tvx", 0,
         "The project \"" + root +
             "pipe.tvx\" cannot be opened: its settings file cannot be read (not a "
             "regular file)."},
    };
    const auto before = dir.entries();
    for (const Case& c : cases)
        EXPECT_EQ(Project::checkProjectFiles(c.path.c_str(), c.layout), c.message.c_str()) << c.path;
    EXPECT_EQ(dir.entries(), before);
}

TEST(ProjectTest, SourceControlNeedsExactlyYes) {
    TempDir dir;
    dir.write("p/site.tvx", "[CM]\r\nCM=yes\r\nUser=me\r\n[STD_OPTION]\r\nCharset=utf-8\r\n");
    Project project((dir / "p/site.tvx").c_str(), nullptr, 0);
    EXPECT_TRUE(project.isSourceControlOn());
    EXPECT_EQ(project.getSourceControlUser(), "me");
    EXPECT_EQ(project.readCharset(), "utf-8");
}

TEST(ProjectTest, TheBaseProjectManagesNoItemClass) {
    TempDir dir;
    RecordingUserInterface ui;
    Project project((dir / "site.tvx").c_str(), nullptr, 0);
    EXPECT_EQ(project.createItemFiles(nullptr, "ROLE", "Role", 0), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Role is not managed in this application");
    EXPECT_EQ(project.isProcessMode(), 0);
    EXPECT_EQ(project.isLinkRefreshPending(), 1);
    EXPECT_EQ(Project::getVersionString(), "v2.4.5");
}

TEST(ProjectTest, LogIsASequenceOfDatedBlocks) {
    TempDir dir;
    dir.write("p/site/.keep", "");
    ScopedTimeZone zone;
    CTime::setClockForTests(CTime(2026, 12, 8, 19, 5, 0).GetTime());
    Project project((dir / "p/site.tvx").c_str(), nullptr, 0);
    for (const char* line : {"first\n", "second\n"}) {
        TextOutStream* log = project.openLog();
        ASSERT_NE(log, nullptr);
        *log << line;
        Project::closeLog(log);
    }
    const std::string block = "\r\n\r\n------------Tuesday, December 08, 2026 - 19:05:00------------\r\n";
    const std::string footer = "\r\n\r\n---------------------------------\r\n";
    EXPECT_EQ(dir.read("p/site/ZevoRiruradiruzuz.log"),
              block + "first\r\n" + footer + block + "second\r\n" + footer);
}

TEST(ProjectTest, LogThatCannotBeOpenedGoesNowhere) {
    TempDir dir;
    Project project((dir / "p/site.tvx").c_str(), nullptr, 0); // no "site" folder
    EXPECT_EQ(project.openLog(), nullptr);
    Project::closeLog(nullptr);
}

TEST(ProjectTest, HomeItemIsTheLastWithTheHomeUrl) {
    TempDir dir;
    Project project((dir / "site.tvx").c_str(), nullptr, 0);
    ItemListePlus* list = project.getItemList();
    EXPECT_EQ(project.getHomeItem(), nullptr);
    Item* first = project.createItem(nullptr, "Home", "../site/Home/overview.htm", 0, "", "", 0, 0, "");
    Item* second = project.createItem(nullptr, "Home2", "../site/home/overview.htm", 0, "", "", 0, 0, "");
    list->append(first);
    EXPECT_EQ(project.getHomeItem(), first);
    list->append(second);
    EXPECT_EQ(project.getHomeItem(), second);
}

TEST(ProjectTest, UidIndexFollowsChangesOfTheListAndOfUids) {
    TempDir dir;
    Project project((dir / "site.tvx").c_str(), nullptr, 0);
    ItemListePlus* list = project.getItemList();
    Item* a = project.createItem(nullptr, "a", "../site/a/overview.htm", 0, "", "", 0, 0, "");
    a->setUid("N1");
    list->append(a);
    EXPECT_EQ(project.findItemByUid("n1"), a);
    a->setUid("N2");
    EXPECT_EQ(project.findItemByUid("N1"), nullptr);
    EXPECT_EQ(project.findItemByUid("N2"), a);
    list->remove(a);
    EXPECT_EQ(project.findItemByUid("N2"), nullptr);
    list->append(a);
    Item* twin = project.createItem(nullptr, "twin", "../site/a/overview.htm", 0, "", "", 0, 0, "");
    twin->setUid("N2");
    list->append(twin);
    EXPECT_EQ(project.findItemByUid("N2"), a); // the first of equal uids
    ItemListe other;
    other.append(twin);
    EXPECT_EQ(project.findItemByUid("N2", &other), twin);
    other.removeAll();
}

class LabelsTest : public testing::Test {
protected:
    std::unique_ptr<Project> open(const char* lang1, const char* lang2) {
        m_dir.write("p/site.tvx", std::string("[STD_OPTION]\r\nGenerationLang=") + lang1 +
                                      "\r\nGenerationLang2=" + lang2 + "\r\n");
        return std::make_unique<Project>((m_dir / "p/site.tvx").c_str(), nullptr, 0);
    }
    void labels(const std::string& text) { m_dir.write("p/tolvane/trad.ini", "[TRAD]\r\n" + text); }

    TempDir m_dir;
};

TEST_F(LabelsTest, KeyWithLanguageSuffix) {
    labels("Description_FR=D\xE9scription\r\nDescription=Plain\r\n");
    auto project = open("FR", "EN");
    EXPECT_EQ(project->getLabel(0, "Description"), "D\xE9scription");
    labels("Description_FR=Changed\r\n"); // edited while open: the old text until reopened
    EXPECT_EQ(project->getLabel(0, "Description"), "D\xE9scription");
    project.reset();
    EXPECT_EQ(open("FR", "EN")->getLabel(0, "Description"), "Changed");
}

TEST_F(LabelsTest, FallbackToThePlainKeyOnlyWhenTheFirstLanguageIsNotEnglish) {
    labels("Description=Plain\r\n");
    EXPECT_EQ(open("FR", "DE")->getLabel(0, "Description"), "Plain");
    EXPECT_EQ(open("FR", "DE")->getLabel(1, "Description"), "Plain"); // the first language decides
    EXPECT_EQ(open("EN", "DE")->getLabel(0, "Description"), "");
    EXPECT_EQ(open("EN", "DE")->getLabel(1, "Description"), "");
    EXPECT_EQ(open("", "")->getLabel(0, "Description"), "Plain"); // no suffix at all
}

TEST_F(LabelsTest, FallbackIsCachedUnderThePlainKeyOnly) {
    labels("Description=Plain\r\n");
    auto project = open("FR", "EN");
    EXPECT_EQ(project->getLabel(0, "Description"), "Plain");
    labels("Description=Edited\r\n");
    // The suffixed key is read again and falls back again to the file's text;
    // the plain key itself answers from the cache.
    EXPECT_EQ(project->getLabel(0, "Description"), "Edited");
    EXPECT_EQ(project->translateLabel("", "Description"), "Edited");
}

TEST_F(LabelsTest, EmptyValuesAndMissingFilesGiveEmptyLabels) {
    labels("Empty_FR=\r\n");
    auto project = open("FR", "EN");
    EXPECT_EQ(project->getLabel(0, "Empty"), "");
    m_dir.write("p/tolvane/trad.ini", "");
    EXPECT_EQ(project->getLabel(1, "Anything"), "");
}

TEST(StringTableTest, LoadsTextsByIdAndNothingForUnknownIds) {
    EXPECT_EQ(loadString(33042), "Operation failed for unknown reason (error in method %s)");
    EXPECT_EQ(loadString(1), "");
    EXPECT_EQ(loadString(65535), "");
    for (int i = 1; i < kStringTableSize; ++i)
        ASSERT_LT(kStringTable[i - 1].id, kStringTable[i].id) << "the table must stay sorted";
    CString message;
    message.Format(loadString(32964), "a", "b");
    EXPECT_EQ(message, "a creation failed. Verify the directory b exist.");
}

} // namespace
