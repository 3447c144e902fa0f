#include "Golden.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemMeasure.h"
#include "ItemWorkProduct.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// A project whose tree file was made to reach the folder "outside" beside
// it: a site url climbing out through "..", and an external url whose
// folder lands there too.
class ProjectFolderBoundsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.write("proj/site.tvx",
                    "[APPLICATION_KIND]\r\nTolvane=yes\r\n[STD_OPTION]\r\nTwoLanguages=yes\r\n"
                    "GenerationLang=EN\r\nGenerationLang2=FR\r\nDataVersion=v2.4.5\r\n"
                    "[PROCESS_OPTION]\r\nGenerateHeader=yes\r\nActivityProcedureInSeparatedPage=no\r\n");
        m_dir.write("proj/tolvane/MenuTreeV2.dat",
                    "\r\n0*N1*home*../site/home/overview.htm* *i.gif*o.gif*f*true*false* * *"
                    "\r\n0*N2*Escape*../site/../../outside/overview.htm* *i.gif*o.gif*f*true*true* * *"
                    "\r\n0*N3*Away*../../outside/page.htm* *i.gif*o.gif*f*true*true* * *");
        m_dir.write("proj/site/home/process.data", "[PROCESSUS]\r\nClass=MEASURE\r\n");
        m_dir.write("proj/site/home/am/2024.dat", "[DATA]\r\nValue=1\r\n");
        m_dir.write("proj/tolvane/templates/activity/standard.txt", "<p>standard</p>\n");
        m_dir.write("outside/process.data", "[PROCESSUS]\r\nClass=ROLE\r\nVersion=stolen\r\n");
        m_dir.write("outside/overview.htm", "not the program's");
        m_dir.write("outside/notes.txt", "secret notes");
        m_dir.write("outside/RoleDescription.txt", "secret description");
        m_dir.write("outside/am/run.dat", "[DATA]\r\nValue=7\r\n");
        m_dir.write("outside/ar/example.doc", "x");
        m_dir.write("outside/template.txt", "secret template");
        m_dir.write("document.txt", "a document to copy");
        m_outside = dumpFolder(m_dir / "outside");
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
    }
    ProcessItem* item(const char* uid) { return static_cast<ProcessItem*>(m_manager->findItemByUid(uid)); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::string m_outside;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(ProjectFolderBoundsTest, PathsLeavingTheProjectFolderAreRefused) {
    struct PathCase {
        const char* relative;
        bool inside;
    };
    const PathCase cases[] = {
        {"site/a/overview.htm", true},
        {"site/../site/a/", true},
        {"", true},
        {"./a/./b/..", true},
        {"..a/b../c..d", true},
        {"/etc/passwd", true}, // below the folder
        {"site/../../outside/", false},
        {"..", false},
        {"a/../..", false},
        {"a\\..\\..\\x", false},
        {"site/./../..", false},
        {"a/../../proj/site/", false}, // out and back in is still out
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(Project::staysInProjectFolder(c.relative), c.inside) << c.relative;
        EXPECT_EQ(m_manager->getPathInProject(c.relative).IsEmpty(), !c.inside) << c.relative;
    }
    const std::string site = m_dir.path() + "proj/site/";
    EXPECT_EQ(m_manager->getPathInSite("../site/a/").str(), site + "../site/a/");
    EXPECT_EQ(m_manager->getPathInSite("../tolvane/x").str(), site + "../tolvane/x");
    EXPECT_EQ(m_manager->getPathInSite("../../x"), "");
    // Only what lies below the site root may be moved by a rename or a removal.
    EXPECT_EQ(m_manager->getMovablePathInSite("../site/a").str(), site + "../site/a");
    for (const char* folder : {"../site", "../site/", "", "../tolvane", "../site/a/../..", "../sitex/a"})
        EXPECT_EQ(m_manager->getMovablePathInSite(folder), "") << folder;
}

TEST_F(ProjectFolderBoundsTest, HostileUrlsMakeLinksWhoseFilesAreNeverTouched) {
    ProcessItem* escape = item("N2");
    ProcessItem* away = item("N3");
    ASSERT_NE(escape, nullptr);
    ASSERT_NE(away, nullptr);
    EXPECT_EQ(escape->getKind(), kExternal);
    EXPECT_EQ(away->getKind(), kExternal);
    EXPECT_NE(m_dir.read("proj/site/ZevoRiruradiruzuz.log")
                  .find("Menu tree item Escape kept as an external link: its url "
                        "../site/../../outside/overview.htm leads outside the project folder"),
              std::string::npos);

    for (ProcessItem* hostile : {escape, away}) {
        SCOPED_TRACE(hostile->getName().str());
        hostile->load(1);
        EXPECT_EQ(hostile->getClassKind(), 1);
        EXPECT_EQ(hostile->getVersion(), "");
        EXPECT_EQ(hostile->readNotes(), "");
        EXPECT_EQ(hostile->getDataFilePath(), "");
        EXPECT_EQ(m_manager->getItemPagePath(hostile, 0), "");
        EXPECT_EQ(hostile->writeNotes("changed"), 0);
        EXPECT_EQ(hostile->save(), 0);
        EXPECT_EQ(hostile->writeValue("Version", "changed"), 0);
        m_manager->createItemHeader(hostile, 0);
        m_manager->discardItemFolder(hostile);
        EXPECT_EQ(
            m_manager->copyDocumentIntoItem((m_dir / "document.txt").c_str(), hostile, 0, nullptr, nullptr),
            "");
        EXPECT_EQ(m_manager->createItemFolder(hostile), 0);
    }
    // The class files of such an item reach no further.
    escape->setClassKind(kRoleClass);
    ASSERT_NE(escape->getItemRole(), nullptr);
    EXPECT_EQ(escape->getDescription(0), "");
    escape->getExtension()->writeDescription("changed", 0);
    away->setClassKind(kWorkProductClass);
    ASSERT_NE(away->getItemWorkProduct(), nullptr);
    away->getExtension()->loadData();
    EXPECT_TRUE(away->getItemWorkProduct()->isArchiveEmpty());

    m_manager->createMissingPages(1);
    m_manager->createHeaders(1);
    m_manager->generate();
    EXPECT_EQ(dumpFolder(m_dir / "outside"), m_outside);
}

TEST_F(ProjectFolderBoundsTest, StoredFileNamesStayInsideTheProjectFolder) {
    ProcessItem* home = item("N1");
    ASSERT_NE(home->getItemMeasure(), nullptr);
    CString name, type, department, value, comment, planned;
    home->getItemMeasure()->readMeasureData("../../../../outside/am/run.dat", name, type, department, value,
                                            comment, planned);
    EXPECT_EQ(value, "");

    // An activity template named beyond the project folder is not read.
    WritePrivateProfileStringA("PROCESS_OPTION", "TemplateActivity", "../../../../outside/template.txt",
                               (m_dir / "proj/site.tvx").c_str());
    Item* activity = m_manager->addItem(home, "Act", 0, "i.gif", "o.gif", 2, "", "", 0, 1, 0, 1, "", 0, "N9");
    ASSERT_EQ(m_manager->createItemFiles(activity, "ACTIVITY", "ACTIVITY", 0), 1);
    EXPECT_EQ(m_dir.read("proj/site/home/Act/overview.htm").find("secret"), std::string::npos);
    ASSERT_FALSE(m_ui.messages.empty());
    EXPECT_EQ(m_ui.messages[0].text, "Template not found - use default generation");
    EXPECT_EQ(dumpFolder(m_dir / "outside"), m_outside);
}

} // namespace
