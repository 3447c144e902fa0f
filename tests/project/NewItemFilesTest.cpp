#include "FileFinder.h"
#include "Golden.h"
#include "ItemActivity.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TextOutStream.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class NewItemFilesTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.copyFixture("new-items", "proj");
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
    }
    ProcessItem* add(const char* keyword, const char* name, const char* uid, const char* description = "",
                     int frame = 0) {
        Item* parent = m_manager->findItemByUid("N1");
        auto* item = static_cast<ProcessItem*>(
            m_manager->addItem(parent, name, 0, "bookc.gif", "booko.gif", 2, description, "", 0, 1, frame, 1, "", 0, uid));
        m_manager->createItemFiles(item, keyword, keyword, frame);
        return item;
    }
    void expectGolden(const char* folder, const char* golden) {
        const std::string difference = compareWithGolden(dumpFolder(m_dir / (std::string("proj/site/Process/") + folder)),
                                                         std::string("new-items/") + golden);
        EXPECT_TRUE(difference.empty()) << difference;
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(NewItemFilesTest, FilesOfEveryClass) {
    struct {
        const char* keyword;
        const char* name;
        const char* uid;
        const char* folder;
        int kind;
    } classes[] = {
        {"ROLE", "Tester", "N10", "Tester", 2},
        {"WORKFLOW", "Flow", "N11", "Flow", 9},
        {"ACTIVITY", "Build", "N12", "Build", 4},
        {"MACRO-ACTIVITY", "Macro", "N13", "Macro", 5},
        {"PHASE", "Phase one", "N14", "Phase_one", 6},
        {"WORKPRODUCT", "Plan", "N15", "Plan", 7},
        {"MEASURE", "Effort", "N16", "Effort", 19},
        {"GLOSSARY", "Terms", "N17", "Terms", 21},
    };
    for (const auto& c : classes) {
        ProcessItem* item = add(c.keyword, c.name, c.uid, "First line <BR> second line");
        EXPECT_EQ(item->getClassKind(), c.kind) << c.keyword;
        expectGolden(c.folder, (std::string(c.folder) + ".txt").c_str());
    }
    EXPECT_TRUE(m_ui.messages.empty());
    const std::string log = m_dir.read("proj/site/ZevoRiruradiruzuz.log");
    for (const char* line : {"Create Role Tester", "Create Workflow Flow", "Create activity Build", "Create macro activity Macro",
                             "Create phase Phase one", "Create Work Product Plan", "Create MEASURE Effort",
                             "> Generating ../site/Process/Tester/overview.htm file"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

TEST_F(NewItemFilesTest, ActivityProcedureInASeparatePageAndFramedItems) {
    WritePrivateProfileStringA("PROCESS_OPTION", "ActivityProcedureInSeparatedPage", "ask",
                               (m_dir / "proj/site.tvx").c_str());
    m_ui.answers = {IDYES};
    ProcessItem* activity = add("ACTIVITY", "Design", "N20", "", 1);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Do you want the procedure to be defined in a separated html page?");
    EXPECT_TRUE(activity->getItemActivity()->isSeparatedProcedureText());
    expectGolden("Design", "Design-separated-framed.txt");
}

TEST_F(NewItemFilesTest, AnExistingFolderKeepsTheItemOutOfTheTree) {
    fs::create_directories(m_dir / "proj/site/Process/Taken");
    m_dir.write("proj/site/Process/Taken/keep.htm", "someone's page");
    const int before = m_manager->getItemCount();
    ProcessItem* item = add("ACTIVITY", "Taken", "N30");
    EXPECT_EQ(item->getClassKind(), 1); // no class given
    EXPECT_EQ(m_manager->getItemCount(), before);
    EXPECT_EQ(m_manager->findItemByUid("N30"), nullptr);
    EXPECT_EQ(m_dir.read("proj/tolvane/MenuTreeV2.dat").find("N30"), std::string::npos);
    EXPECT_EQ(m_dir.read("proj/site/Process/Taken/keep.htm"), "someone's page");
    ASSERT_FALSE(m_ui.messages.empty());
    EXPECT_NE(m_ui.messages[0].text.Find("Creation of directory"), -1);
    EXPECT_FALSE(m_manager->isItemFolderFree(m_manager->findItemByUid("N1"), "Taken", 2));
    EXPECT_TRUE(m_manager->isItemFolderFree(m_manager->findItemByUid("N1"), "Free", 2));
}

TEST_F(NewItemFilesTest, AGenericItemWhoseFolderExistsWritesNothing) {
    // The folder and pages of another item, in both languages and framed.
    for (const char* file :
         {"overview.htm", "overviewL2.htm", "header.htm", "headerL2.htm", "content.htm", "contentL2.htm"})
        m_dir.write(std::string("proj/site/Process/Taken/") + file, std::string("someone's ") + file);
    const std::string before = dumpFolder(m_dir / "proj/site/Process/Taken");
    ProcessItem* item = add("GLOSSARY", "Taken", "N31", "", 1);
    EXPECT_EQ(dumpFolder(m_dir / "proj/site/Process/Taken"), before);
    EXPECT_EQ(m_manager->findItemByUid("N31"), nullptr);
    EXPECT_EQ(item->getClassKind(), 1);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text.Find("Creation of directory"), 0);
}

TEST_F(NewItemFilesTest, MissingTemplateGivesTheBuiltInSkeleton) {
    WritePrivateProfileStringA("PROCESS_OPTION", "TemplateActivity", "none.txt", (m_dir / "proj/site.tvx").c_str());
    add("ACTIVITY", "Review", "N40");
    ASSERT_EQ(m_ui.messages.size(), 2u); // once per language
    EXPECT_EQ(m_ui.messages[0].text, "Template not found - use default generation");
    expectGolden("Review", "Review-skeleton.txt");
}

TEST_F(NewItemFilesTest, HeaderFramesetFooterAndNavigationBar) {
    ProcessItem* flow = add("WORKFLOW", "Flow", "N11");
    ProcessItem* build = static_cast<ProcessItem*>(
        m_manager->addItem(flow, "Build", 0, "bookc.gif", "booko.gif", 2, "", "", 0, 1, 0, 1, "", 0, "N12"));
    fs::create_directories(m_dir / "proj/site/Process/Flow/Build");
    ProcessItem* test = static_cast<ProcessItem*>(
        m_manager->addItem(flow, "Test", 0, "bookc.gif", "booko.gif", 2, "", "", 0, 1, 0, 1, "", 0, "N13"));
    m_manager->addItem(nullptr, "-> Build", 0, "i", "o", 0, "", "", 0, 1, 0, 1, "", 0, "N14", build);
    build->setVersion("2");
    build->setVersionMinor("4");
    m_manager->createItemHeader(build, 0);
    m_manager->createItemHeader(build, 1);
    TextOutStream page((m_dir / "proj/site/Process/Flow/Build/footer.htm").c_str());
    m_manager->writeParentLinks(build, page, 1, 0, 1, "");
    m_manager->writePageFooter(test, page, 1, 1, 0, "T");
    page.close();
    expectGolden("Flow/Build", "Build-header-footer.txt");
}

TEST(CompareDoublesTest, SortsNumbersAscending) {
    const double values[] = {2.5, -1, 2.5, 0};
    std::vector<double> sorted(values, values + 4);
    std::qsort(sorted.data(), sorted.size(), sizeof(double), ProcessManager::compareDoubles);
    EXPECT_EQ(sorted, (std::vector<double>{-1, 0, 2.5, 2.5}));
}

TEST_F(NewItemFilesTest, GlossaryHeaderHasTheAlphabetBar) {
    ProcessItem* glossary = add("GLOSSARY", "Terms", "N17");
    m_manager->createItemHeader(glossary, 0);
    const std::string header = m_dir.read("proj/site/Process/Terms/header.htm");
    EXPECT_NE(header.find("<area href=\"content.htm#A\" target=\"c\" alt=\"\" shape=\"rect\" coords=\"0, 5,17,19\">"),
              std::string::npos);
    EXPECT_NE(header.find("coords=\"450, 5,467,19\">"), std::string::npos); // Z
    EXPECT_NE(header.find("src=\"../../../images/alphabet.gif\" usemap=\"#FPMap0\""), std::string::npos);
    EXPECT_NE(m_dir.read("proj/site/Process/Terms/overview.htm").find("<frameset rows=\"7%,93%\""), std::string::npos);
}

} // namespace
