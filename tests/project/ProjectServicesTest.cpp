#include "CStringListe.h"
#include "CTime.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "ScopedTimeZone.h"
#include "TempDir.h"
#include "TextOutStream.h"
#include "TooltipScript.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The fixture menu tree (Home, Qualité..., shortcuts, external, Blank url)
// opened as a process project.
class ProjectServicesTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.copyFixture("menu-tree-project", "proj");
        m_dir.write("proj/site.tvx", "[STD_OPTION]\r\nGenerationLang=EN\r\nDataVersion=v2.4.5\r\n");
        m_dir.write("proj/tolvane/trad.ini", "[TRAD]\r\nPageUid_EN=Page uid\r\n");
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), &m_window, 0, 0);
    }
    Item* item(const char* uid) { return m_manager->findItemByUid(uid); }
    std::string read(const std::string& path) { return m_dir.read("proj/" + path); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    RecordingMainWindow m_window;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(ProjectServicesTest, ItemListFileExportAndImport) {
    m_manager->exportItems();
    const std::string csv = read("tmp/items.csv");
    EXPECT_EQ(csv.substr(0, 31), "uid;name;nameL2;icon;iconOpen\r\n");
    EXPECT_NE(csv.find("N1;Home;Accueil;bookc.gif;booko.gif;\r\n"), std::string::npos);
    EXPECT_EQ(m_ui.messages.back().text, "items.csv generated in <site root>/tmp directory");
    m_dir.write("in.csv", "header\r\nN1;ignored;Maison;;home.gif;\r\nN4;x;;\r\nN99;unknown;a;b;c;\r\nbroken\r\n");
    m_manager->importItems((m_dir / "in.csv").c_str());
    EXPECT_EQ(item("N1")->getName(), "Home");
    EXPECT_EQ(item("N1")->getNameL2(), "Maison");
    EXPECT_EQ(item("N1")->getIcon(), "bookc.gif");
    EXPECT_EQ(item("N1")->getOpenIcon(), "home.gif");
    EXPECT_EQ(item("N4")->getNameL2(), "");
    EXPECT_EQ(m_ui.messages.back().text, "2 imports performed");
    EXPECT_NE(read("tolvane/MenuTreeV2.dat").find("*Maison*"), std::string::npos);
    m_manager->importItems((m_dir / "missing.csv").c_str());
    EXPECT_EQ(m_ui.messages.back().text, "Can not read file " + m_dir.path() + "missing.csv");
}

// A list that cannot be written is never announced as generated.
TEST_F(ProjectServicesTest, AnItemListFileThatCannotBeWrittenIsToldAsAFailure) {
    std::filesystem::remove_all(m_dir / "proj/tmp");
    m_manager->exportItems();
    m_manager->writeHtmlFileList();
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(m_ui.messages[0].text, "Error in method Project::exportItems");
    EXPECT_EQ(m_ui.messages[1].text, "File " + m_dir.path() + "proj/tmp/htmlFileList.csv writing error");
    EXPECT_FALSE(m_dir.exists("proj/tmp"));
}

TEST_F(ProjectServicesTest, HtmlFileListWalksTheSite) {
    m_dir.write("proj/site/a.html", "");
    m_dir.write("proj/site/Zed/b.htm", "");
    m_dir.write("proj/site/_private/c.htm", "");
    m_dir.write("proj/site/home/x.txt", "");
    m_manager->writeHtmlFileList();
    const std::string site = m_dir.path() + "proj/site/";
    EXPECT_EQ(read("tmp/htmlFileList.csv"),
              site + "a.html\r\n" + site + "home/overview.htm\r\n" + site + "Zed/b.htm\r\n\r\n3 files\r\n");
}

// The project files keep paths with '\\' (an url of the fixture has them);
// the user is shown them as paths of this system.
TEST_F(ProjectServicesTest, MessagesShowStoredPathsWithSlashes) {
    std::filesystem::create_directories(m_dir / "proj/site/Blank/Sub");
    EXPECT_EQ(m_manager->createItemFolder(item("N6")), 0);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Creation of directory " + m_dir.path() +
                                         "proj/site/../site/Blank/Sub/ failed. Notice that path length "
                                         "should not exceed 248 characters.");
}

TEST_F(ProjectServicesTest, HtmlFileListNeverEntersLinkedFolders) {
    m_dir.write("proj/site/Zed/b.htm", "");
    m_dir.write("outside/secret.htm", "");
    ASSERT_EQ(symlink(".", (m_dir / "proj/site/again").c_str()), 0);
    ASSERT_EQ(symlink("../../../outside", (m_dir / "proj/site/Zed/out").c_str()), 0);
    ASSERT_EQ(symlink("../../outside", (m_dir / "proj/site/linked.htm").c_str()), 0);
    m_manager->writeHtmlFileList();
    const std::string site = m_dir.path() + "proj/site/";
    EXPECT_EQ(read("tmp/htmlFileList.csv"),
              site + "home/overview.htm\r\n" + site + "Zed/b.htm\r\n\r\n2 files\r\n");
}

TEST_F(ProjectServicesTest, DefaultPageOfAnItem) {
    Item* home = item("N1");
    m_manager->createItemPage(home, 1, nullptr, 0, 0, 0);
    EXPECT_EQ(read("site/home/overview.htm"),
              "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
              "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n"
              "<html>\r\n<head>\r\n"
              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
              "<meta name=\"Generator\" Content=\"Tolvane\">\r\n"
              "<meta name=\"Robots\" Content=\"All\">\r\n"
              "<title>Home</title>\r\n"
              "<link rel=\"stylesheet\" href=\"../../css/project.css\" type=\"text/css\">\r\n"
              "<script language=\"JavaScript1.2\" src=\"../../JScript/Tooltip.js\" type=\"text/javascript\"></script>\r\n"
              "</head>\r\n\r\n<body>\r\n"
              "<div id=\"ZQtooltip\"></div>\r\n"
              "<script language=\"JavaScript1.2\"  type=\"text/javascript\">\r\n"
              "var toolTipDefaultOffsetX=-80;\r\nvar toolTipDefaultOffsetY_WTA=5;\r\nvar toolTipDefaultOffsetY=20;\r\n"
              "var Text = new Array();\r\nvar ie=document.all;\r\nvar ns6=document.getElementById && !document.all;\r\n"
              "var enabletip=false;\r\nif (ie||ns6)\r\n"
              "    var tooltipObj=document.all? document.all[\"ZQtooltip\"] : document.getElementById? "
              "document.getElementById(\"ZQtooltip\") : \"\" \r\n"
              " document.onmousemove=moveToolTip\r\n</script>\r\n"
              "<h1 class=\"banner\">Home</h1>\r\n<BR>\r\n<br>\r\n"
              "<p align=\"center\"><font size=\"0\" color=\"#006600\">Page uid: N1</font></p>\r\n"
              "</body>\r\n</html>\r\n");
    // Without overwrite an existing page is kept and the skip is logged.
    m_dir.write("proj/site/home/overview.htm", "hand-made page");
    m_manager->createItemPage(home, 0, nullptr, 0, 0, 0);
    EXPECT_EQ(read("site/home/overview.htm"), "hand-made page");
    EXPECT_NE(read("site/ZevoRiruradiruzuz.log").find("-- Home already exist. Generation skiped\r\n"), std::string::npos);
}

TEST_F(ProjectServicesTest, PagesThatCannotBeWrittenAreReported) {
    // The folder of N2 does not exist.
    m_manager->createItemPage(item("N2"), 1, nullptr, 0, 0, 0);
    ASSERT_FALSE(m_ui.messages.empty());
    EXPECT_NE(m_ui.messages.back().text.Find("creation failed"), -1);
    EXPECT_EQ(read("site/ZevoRiruradiruzuz.log").find("> Generating"), std::string::npos);
    // A folder that exists already is refused when the page asks for its creation.
    m_ui.messages.clear();
    m_manager->createItemPage(item("N1"), 1, nullptr, 1, 0, 0);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_NE(m_ui.messages[0].text.Find("Creation of directory"), -1);
}

// "ss" names an unrelated system tool here: the source-control commands are
// never run, and the log says, for each page, what was skipped.
TEST_F(ProjectServicesTest, SourceControlCommandsAreSkippedAndLogged) {
    m_dir.write("bin/ss", "#!/bin/sh\necho ran >> \"" + m_dir.path() + "ss.log\"\n");
    chmod((m_dir / "bin/ss").c_str(), 0755);
    const std::string path = std::getenv("PATH");
    setenv("PATH", (m_dir / "bin:" + path).c_str(), 1);
    m_dir.write("proj/site.tvx", "[STD_OPTION]\r\nDataVersion=v2.4.5\r\n[CM]\r\nCM=yes\r\nProjectName=P\r\nUser=me\r\n");
    m_manager.reset();
    m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), &m_window, 0, 0);
    m_manager->createItemPage(item("N2"), 0, nullptr, 0, 0, 0);
    m_manager->createItemPage(item("N1"), 0, nullptr, 0, 0,
                              0); // its page exists: skipped, logged all the same
    setenv("PATH", path.c_str(), 1);
    EXPECT_FALSE(m_dir.exists("ss.log"));
    const std::string log = read("site/ZevoRiruradiruzuz.log");
    const char* lines[] = {
        "Source-control commands skipped (ss Cp $/P/site/home/ -Yme; ss Create Qualite__plan_ -Yme): no "
        "source-control program is run here\r\n",
        "Source-control commands skipped (ss Cp $/P/site/ -Yme; ss Create Home -Yme): no source-control "
        "program "
        "is run here\r\n",
    };
    for (const char* line : lines)
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_EQ(log.find("site/site"), std::string::npos);
}

TEST_F(ProjectServicesTest, DocumentsCopiedIntoAnItem) {
    ScopedTimeZone zone;
    m_dir.write("doc/Plan v1.doc", "document");
    const timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    utimensat(AT_FDCWD, (m_dir / "doc/Plan v1.doc").c_str(), times, 0);
    CTime modified;
    CString fileName;
    EXPECT_EQ(m_manager->copyDocumentIntoItem((m_dir / "doc/Plan v1.doc").c_str(), item("N1"), 1, &modified,
                                              &fileName),
              "Plan v1.2023_11_14_22_13_20.doc");
    EXPECT_EQ(fileName, "Plan v1.doc");
    EXPECT_EQ(read("site/home/Plan_v1_2023_11_14_22_13_20_doc"), "document");
    // The same again: the target exists.
    EXPECT_EQ(m_manager->copyDocumentIntoItem((m_dir / "doc/Plan v1.doc").c_str(), item("N1"), 1, nullptr, nullptr), "");
    EXPECT_EQ(m_ui.messages.back().text, "Destination file already exist - Action aborted");
    EXPECT_EQ(m_manager->copyDocumentIntoItem((m_dir / "doc/none").c_str(), item("N1"), 0, nullptr, nullptr), "");
    EXPECT_EQ(m_ui.messages.back().text, "Error reading file modification date");
    m_dir.write("doc/README", "r");
    EXPECT_EQ(m_manager->copyDocumentIntoItem((m_dir / "doc/README").c_str(), item("N1"), 1, nullptr, nullptr)
                  .Left(1),
              ".");
    const std::string table =
        m_manager->makeDocumentTable("Plan v1.doc", "The plan", 1, 1, &modified, "Plan", 1, 1).str();
    EXPECT_EQ(table, "<hr>\n<p>file: <a href=\"Plan_v1_doc\" target=_blank> Plan</a> </p>\n"
                     "<p>Modification date: 14/11/2023</p><br>\n<p>Description: The plan</p><br>\n");
    // A reference keeps its address in the paragraph form too.
    const std::string reference =
        m_manager->makeDocumentTable("http://example.com/a b.pdf", "d", 0, 1, nullptr, "a b.pdf", 0, 0).str();
    EXPECT_NE(reference.find("<a href=\"http://example.com/a b.pdf\"> a b.pdf</a>"), std::string::npos)
        << reference;
    const std::string grid = m_manager->makeDocumentTable("a b.doc", "d", 0, 0, nullptr, "a", 0, 0).str();
    EXPECT_NE(grid.find("<a href=\"a b.doc\"> a</a>"), std::string::npos);
    EXPECT_NE(grid.find("<td width=\"23%\">Na</td>"), std::string::npos);
}

TEST_F(ProjectServicesTest, SearchByNameAndNeighbours) {
    int position = 0;
    EXPECT_EQ(m_manager->findNextItemByName("QUALIT", &position, 0), item("N2"));
    EXPECT_EQ(position, 2);
    ++position;
    EXPECT_EQ(m_manager->findNextItemByName("qualit", &position, 0), item("N3")); // the shortcut's name holds it
    ++position;
    EXPECT_EQ(m_manager->findNextItemByName("qualit", &position, 0), nullptr);
    EXPECT_EQ(position, 4);
    position = 1;
    EXPECT_EQ(m_manager->findNextItemByName("translation", &position, 1), item("N2")); // no second name
    EXPECT_EQ(m_manager->getPreviousItem(item("N3")), item("N2"));
    EXPECT_EQ(m_manager->getNextItem(item("N1")), nullptr); // it has children
    EXPECT_EQ(m_manager->getPreviousItem(item("N5")), nullptr); // the previous entry is deeper
    EXPECT_EQ(m_manager->getNextItem(item("N7")), nullptr);
    EXPECT_EQ(m_manager->getNextItem(nullptr), nullptr);
}

TEST_F(ProjectServicesTest, KindChangesAndShortcuts) {
    // Another top item with the same name as the shortcut's target.
    Item* twin = m_manager->addItem(nullptr, "Sub folder", 0, "i", "o", 0, "", "", 0, 0, 0, 1, "", 0, "");
    ASSERT_NE(twin, nullptr);
    Item* sub = item("N6");
    m_manager->createShortcut(sub);
    Item* shortcut = m_manager->getItemList()->at(m_manager->getItemList()->indexOf(sub) + 2);
    EXPECT_EQ(shortcut->getName(), "-> Sub folder");
    EXPECT_EQ(shortcut->getUrl(), sub->getUrl()); // the item itself, not the twin found by name
    EXPECT_EQ(shortcut->getReferencedUid(), "N6");
    EXPECT_EQ(shortcut->getNameL2(), "");
    m_manager->changeItemKind(item("N2"), "External");
    EXPECT_EQ(m_ui.messages.back().text, "1 shortcut items -> Qualit\xE9, plan* have been removed too");
    EXPECT_EQ(item("N2")->getUrl(), "bad url");
    EXPECT_EQ(item("N2")->getName(), "bad name");
    EXPECT_EQ(item("N3"), nullptr);
}

TEST_F(ProjectServicesTest, PagePathsAtSeveralLevels) {
    const std::string site = m_dir.path() + "proj/site/";
    struct {
        const char* uid;
        int frame;
        int language;
        const char* pagePath; // after the site root
        const char* filePath;
    } cases[] = {
        {"N1", 0, 0, "../site/home/overview.htm", "../site/home/overview.htm"},
        {"N1", 0, 1, "../site/home/overviewL2.htm", "../site/home/overviewL2.htm"},
        {"N1", 1, 0, "../site/home/content.htm", "../site/home/overview.htm"},
        {"N1", 1, 1, "../site/home/contentL2.htm", "../site/home/overviewL2.htm"},
        {"N2", 0, 1, "../site/home/Qualit_\\plan/overviewL2.htm", "../site/home/Qualit_\\plan/overviewL2.htm"},
        {"N6", 1, 0, "..\\site\\Blank\\Sub\\content.htm", "..\\site\\Blank\\Sub\\overview.htm"},
        {"N7", 0, 0, "../site/gone/overview.htm", "../site/gone/overview.htm"},
        // An external item still gets the second language's overview path.
        {"N4", 0, 1, "http://example.org/overviewL2.htm", "http://example.org/overviewL2.htm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.uid) + " frame " + std::to_string(c.frame) + " language " + std::to_string(c.language));
        Item* it = item(c.uid);
        it->setFrame(c.frame);
        EXPECT_EQ(m_manager->getItemPagePath(it, c.language).str(), site + c.pagePath);
        EXPECT_EQ(m_manager->getItemFilePath(it, c.language).str(), site + c.filePath);
    }
}

TEST_F(ProjectServicesTest, BannersHeadersAndBreadcrumbs) {
    struct {
        const char* headerImage;
        const char* image;
        int addBreak;
        bool option;
        const char* banner;
    } cases[] = {
        {"logo.gif", "", 0, true, "<h1 class=\"banner\"><img alt=\"\" border=\"0\" src=\"../../images/PageHeader/logo.gif\" "
                                  "align=\"left\">T</h1>\n"},
        {"logo.gif", "", 1, false, "<h1 class=\"banner\">T</h1>\n<BR>\n"},
        {"empty.gif", "", 0, true, "<h1 class=\"banner\">T</h1>\n"},
        {"logo.gif", "x.png", 0, false, "<h1 class=\"banner\"><img alt=\"\" border=\"0\" src=\"x.png\" align=\"left\">T</h1>\n"},
    };
    for (const auto& c : cases) {
        WritePrivateProfileStringA("STD_OPTION", "PageHeaderImage", c.option ? "yes" : "false",
                                   (m_dir / "proj/site.tvx").c_str());
        EXPECT_EQ(m_manager->getPageBanner("T", "../../", c.headerImage, c.addBreak, c.image), c.banner);
    }
    Item* deep = item("N7"); // level 2: Blank url > Sub folder > -> Gone
    deep->setFrame(1);
    std::filesystem::create_directories(m_dir / "proj/site/gone");
    m_manager->Project::createItemHeader(deep, 0); // the plain project's version
    EXPECT_EQ(read("site/gone/header.htm"),
              "<HTML><HEAD><TITLE>-> Gone</TITLE></HEAD>\r\n"
              "<BODY><p style=\"margin-left: 0; margin-top: -10\"><b><font size=\"2\">\r\n"
              "<a href=\"../../overview.htm\" target=\"main\">Blank url</a> / <a href=\"../overview.htm\" "
              "target=\"main\">Sub folder</a> / </font>-> Gone\r\n</body></html>\r\n");
    const std::string frameset = read("site/gone/overview.htm");
    EXPECT_NE(frameset.find("window.status = \"Blank url / Sub folder / -> Gone\""), std::string::npos);
    EXPECT_NE(frameset.find("<frameset rows=\"0%,100%\""), std::string::npos);
    EXPECT_NE(frameset.find("<frame name=\"c\" src=\"content.htm\""), std::string::npos);

    const std::string crumb =
        m_manager->writeBreadcrumb(item("N6"), item("N6"), (m_dir / "proj/site/Blank/Sub").c_str(), 0).str();
    // Links are relative to the page's file; the url "..\site\Blank\Sub\..."
    // climbs out of the site and back in, and still reaches the page.
    EXPECT_EQ(crumb, "<img alt=\"\" border=\"0\" src=\"../../../applet/IconImages/bookc.gif\">&nbsp;"
                     "<a href=\"..\" target=\"main\"><font size=\"1\">Blank url</font></a> / "
                     "<img alt=\"\" border=\"0\" src=\"../../../applet/IconImages/bookc.gif\">&nbsp;"
                     "<a href=\"../../site/Blank/Sub/overview.htm\" target=\"main\"><font size=\"1\">Sub folder</font></a> / ");
    EXPECT_EQ(Project::getTooltipAttributes("3"), " onMouseover=\"ShowTip(Text[3])\" onMouseout=\"HideTip(event)\" ");
}

TEST_F(ProjectServicesTest, AnItemPathFrameSizeFromADamagedFileStaysAPercentage) {
    const std::pair<const char*, const char*> cases[] = {
        {"-2147483648", "<frameset rows=\"0%,100%\""},
        {"2147483647", "<frameset rows=\"100%,0%\""},
        {"4", "<frameset rows=\"4%,96%\""},
    };
    Item* deep = item("N7");
    deep->setFrame(1);
    std::filesystem::create_directories(m_dir / "proj/site/gone");
    for (const auto& [ipfs, rows] : cases) {
        WritePrivateProfileStringA("STD_OPTION", "IPFS", ipfs, (m_dir / "proj/site.tvx").c_str());
        m_manager->Project::createItemHeader(deep, 0);
        EXPECT_NE(read("site/gone/overview.htm").find(rows), std::string::npos) << ipfs;
    }
}

} // namespace
