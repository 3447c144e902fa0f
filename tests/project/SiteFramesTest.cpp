#include "Golden.h"
#include "ProcessManager.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "StdOption.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The three forms of the navigation tree, as the two settings choose them.
enum class TreeForm { Script, Applet, Legacy };

const char* formName(TreeForm form) {
    switch (form) {
    case TreeForm::Script:
        return "script";
    case TreeForm::Applet:
        return "applet";
    default:
        return "legacy";
    }
}

// The fixture tree, in list order (level, uid, flags):
//   0 N1 Home
//   1   N2 Plan
//   2     N3 Tom's \ notes      icon "BookC.GIF", no second name
//   2     N4 Draft              invisible
//   3       N5 Draft notes      visible, hidden with its parent
//   2     N6 Archive            its only child is invisible
//   3       N7 Old              invisible
//   1   N8 The "Web" site       external, url with apostrophes
//   1   N9 Forms                opens in a new window
//   1   N10 Hidden tail         invisible, last child of Home
//   0 N11 Support
// Settings: both languages, script tree, Width 220, BannerHeight 90,
// TreeviewFontSize 11, Height absent.
class SiteFramesTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.copyFixture("site-frames", "proj");
        open();
    }
    void open() {
        m_manager.reset();
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), &m_window, 0, 0);
        ASSERT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text.str();
    }
    void useForm(TreeForm form) {
        StdOption::instance().setJavaScriptTreeview(form == TreeForm::Script);
        StdOption::instance().setUseStdTreeComponent(form == TreeForm::Applet);
    }
    Item* item(const char* uid) { return m_manager->findItemByUid(uid); }
    std::string read(const std::string& name) { return m_dir.read("proj/" + name); }
    bool exists(const std::string& name) { return m_dir.exists("proj/" + name); }
    void expectGolden(const std::string& file) {
        const std::string name = std::filesystem::path(file).filename().string();
        const std::string difference = compareWithGolden(read(file), "site-frames/" + name);
        EXPECT_TRUE(difference.empty()) << difference;
    }
    // The line of a written file that begins with the prefix (CR LF removed).
    std::string lineStarting(const std::string& file, const std::string& prefix) {
        const std::string text = read(file);
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            if (text.compare(start, prefix.size(), prefix) == 0)
                return text.substr(start, end - start);
            start = end + 2;
        }
        return "<no line starting with " + prefix + ">";
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : m_ui.messages)
            texts.push_back(message.text.str());
        return texts;
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    RecordingMainWindow m_window;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(SiteFramesTest, ScriptTreeAndFramesetsInBothLanguages) {
    m_manager->createSiteFrames();
    for (const char* file : {"applet/treeView.htm", "applet/treeViewL2.htm", "index.htm", "indexL2.htm",
                             "indexWF.htm", "indexWFL2.htm"})
        expectGolden(file);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(SiteFramesTest, AppletTreeInBothLanguages) {
    useForm(TreeForm::Applet);
    m_manager->createSiteFrames();
    for (const char* file : {"applet/TreeMenu.dat", "applet/TreeMenuL2.dat", "applet/project_tree.htm",
                             "applet/project_treeL2.htm"})
        expectGolden(file);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(SiteFramesTest, LegacyTreeWritesItsDataAndRunsNothing) {
    std::filesystem::create_directories(m_dir / "proj/site");
    useForm(TreeForm::Legacy);
    m_manager->createSiteFrames();
    expectGolden("applet/tree.dat");
    expectGolden("applet/treeL2.dat");
    // The contents page of this form comes with the site template.
    EXPECT_FALSE(exists("applet/project_tree.htm"));
    EXPECT_FALSE(exists("applet/project_treeL2.htm"));
    // The batch file that is not run is said in the log, not in a message.
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const std::string log = read("site/ZevoRiruradiruzuz.log");
    for (const char* file : {"tree.dat", "treeL2.dat"})
        EXPECT_NE(
            log.find(std::string("The tree data file ") + file +
                     " was written, but the batch file zipper.bat was not run: batch files cannot run on "
                     "this system.\r\n"),
            std::string::npos)
            << file;
}

TEST_F(SiteFramesTest, ContentsFrameFollowsTheTreeForm) {
    const struct {
        TreeForm form;
        const char* tree;
        const char* treeL2;
        const char* scrolling;
    } cases[] = {
        {TreeForm::Script, "treeView.htm", "treeViewL2.htm", "auto"},
        {TreeForm::Applet, "project_tree.htm", "project_treeL2.htm", "no"},
        {TreeForm::Legacy, "project_tree.htm", "project_treeL2.htm", "no"},
    };
    const std::string attributes = "\" frameborder=\"0\" marginwidth=\"0\"  marginheight=\"0\" scrolling=\"";
    for (const auto& c : cases) {
        useForm(c.form);
        m_manager->createSiteFrames();
        const std::string contents = "<frame name=\"contents\" src=\"applet/";
        EXPECT_EQ(lineStarting("index.htm", contents), contents + c.tree + attributes + c.scrolling + "\">")
            << formName(c.form);
        EXPECT_EQ(lineStarting("indexL2.htm", contents),
                  contents + c.treeL2 + attributes + c.scrolling + "\">")
            << formName(c.form);
        for (const char* page : {"indexWF.htm", "indexWFL2.htm"})
            EXPECT_EQ(lineStarting(page, contents), contents + "empty.htm" + attributes + c.scrolling + "\">")
                << formName(c.form) << " " << page;
    }
}

TEST_F(SiteFramesTest, VisibleChildrenAndLastVisibleSibling) {
    const struct {
        const char* uid;
        int hasVisibleChildren;
        int lastVisibleSibling;
    } cases[] = {
        {"N1", 1, 0},  // N11 is a later visible top item
        {"N2", 1, 0},  // N8 and N9 follow
        {"N3", 0, 0},  // N6 follows; the invisible N4 between does not matter
        {"N4", 1, 0},  // a visible child, though the item itself is invisible
        {"N5", 0, 1},  // the only child of its parent
        {"N6", 0, 1},  // its only child is invisible
        {"N7", 0, 0},  // invisible: never the last visible one
        {"N8", 0, 0},  //
        {"N9", 0, 1},  // only the invisible N10 comes after it
        {"N10", 0, 0}, //
        {"N11", 0, 1}, // the last visible top item
    };
    for (const auto& c : cases) {
        EXPECT_EQ(m_manager->hasVisibleChildren(item(c.uid)), c.hasVisibleChildren) << c.uid;
        EXPECT_EQ(m_manager->getLastVisibleSibling(item(c.uid)), c.lastVisibleSibling) << c.uid;
    }
    EXPECT_EQ(m_manager->hasVisibleChildren(nullptr), 0);
    EXPECT_EQ(m_manager->getLastVisibleSibling(nullptr), 0);
}

TEST_F(SiteFramesTest, ScriptStringsAreEscaped) {
    const struct {
        const char* name;
        const char* url;
        const char* quotedName;
        const char* quotedUrl;
    } cases[] = {
        {"It's", "http://x/?a='b'", "'It\\'s'", "'http://x/?a=\\'b\\''"},
        {"a \\ b", "http://x/a\\b", "'a \\\\ b'", "'http://x/a\\\\b'"},
        {"say \"hi\"", "http://x/\"q\"", "'say \\\"hi\\\"'", "'http://x/\\\"q\\\"'"},
        // The backslash is escaped before the quote, so the quote's own one stays single.
        {"end\\'", "http://x/\\'", "'end\\\\\\''", "'http://x/\\\\\\''"},
        {"two\r\nlines\n", "http://x/\ry", "'two  lines '", "'http://x/ y'"},
    };
    for (const auto& c : cases) {
        item("N11")->setNameText(c.name);
        item("N11")->setUrl(c.url);
        m_manager->createTreeViewPage(0);
        EXPECT_EQ(lineStarting("applet/treeView.htm", "d.add(11, "),
                  std::string("d.add(11, 0, ") + c.quotedName + ", " + c.quotedUrl + ", " + c.quotedName +
                      ", 'main', 'IconImages/bookc.gif', 'IconImages/booko.gif', false, false, true);")
            << c.name;
    }
}

TEST_F(SiteFramesTest, OneLanguageLeavesSecondLanguageFilesAlone) {
    const char* secondLanguageFiles[] = {"indexL2.htm",
                                         "indexWFL2.htm",
                                         "applet/treeViewL2.htm",
                                         "applet/TreeMenuL2.dat",
                                         "applet/project_treeL2.htm",
                                         "applet/treeL2.dat"};
    StdOption::instance().setTwoLanguages(false);
    for (TreeForm form : {TreeForm::Script, TreeForm::Applet, TreeForm::Legacy}) {
        for (const char* file : secondLanguageFiles)
            m_dir.write("proj/" + std::string(file), "old");
        for (const char* file : {"index.htm", "indexWF.htm"})
            m_dir.write("proj/" + std::string(file), "old");
        m_ui.messages.clear();
        useForm(form);
        m_manager->createSiteFrames();
        for (const char* file : secondLanguageFiles)
            EXPECT_EQ(read(file), "old") << formName(form) << " " << file;
        EXPECT_NE(read("index.htm"), "old") << formName(form);
        EXPECT_NE(read("indexWF.htm"), "old") << formName(form);
        EXPECT_TRUE(m_ui.messages.empty()) << formName(form);
    }
}

TEST_F(SiteFramesTest, AMissingAppletFolderIsCreated) {
    const struct {
        TreeForm form;
        const char* treeFile;
    } cases[] = {
        {TreeForm::Script, "applet/treeViewL2.htm"},
        {TreeForm::Applet, "applet/project_treeL2.htm"},
        {TreeForm::Legacy, "applet/treeL2.dat"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(m_dir / "proj/applet");
        useForm(c.form);
        m_manager->createSiteFrames();
        EXPECT_TRUE(exists(c.treeFile)) << formName(c.form);
        EXPECT_TRUE(m_ui.messages.empty()) << formName(c.form) << ": " << messages().front();
    }
}

TEST_F(SiteFramesTest, AnAppletFolderThatCannotBeMadeIsToldOnce) {
    std::filesystem::remove_all(m_dir / "proj/applet");
    m_dir.write("proj/applet", "a file in the folder's place");
    const std::string told = "Creation of directory " + m_dir.path() +
                             "proj/applet failed. Notice that path length should not exceed 248 characters.";
    // A generation, a tree update and the exit, in both languages and every form.
    for (TreeForm form : {TreeForm::Script, TreeForm::Applet, TreeForm::Legacy}) {
        useForm(form);
        m_manager->createSiteFrames();
        // The framesets are written all the same.
        EXPECT_TRUE(exists("index.htm") && exists("indexWFL2.htm")) << formName(form);
    }
    EXPECT_EQ(messages(), std::vector<std::string>{told});
    EXPECT_EQ(read("applet"), "a file in the folder's place");

    // Once it could be made, a new failure is told again.
    std::filesystem::remove(m_dir / "proj/applet");
    m_manager->createSiteFrames();
    std::filesystem::remove_all(m_dir / "proj/applet");
    m_dir.write("proj/applet", "in the way again");
    m_manager->createSiteFrames();
    m_manager->createSiteFrames();
    EXPECT_EQ(messages(), (std::vector<std::string>{told, told}));
}

TEST_F(SiteFramesTest, AnItemWithoutUrlHasNoLinkInEitherLanguage) {
    item("N11")->setUrl("");
    m_manager->createSiteFrames();
    for (const char* tree : {"applet/treeView.htm", "applet/treeViewL2.htm"})
        EXPECT_NE(lineStarting(tree, "d.add(11, 0, ").find(", '', "), std::string::npos) << tree;
    useForm(TreeForm::Applet);
    m_manager->createSiteFrames();
    for (const char* data : {"applet/TreeMenu.dat", "applet/TreeMenuL2.dat"})
        EXPECT_NE(lineStarting(data, "N11|root|").find("|point||main|"), std::string::npos) << data;
}

// A project folder made on Windows, where names are found whatever their
// case: the folder "site/home" and the icon "Home.GIF" hold what the
// program's links call "site/Home" and "home.gif".
TEST_F(SiteFramesTest, LinksTakeTheCaseOfTheFilesOnDisk) {
    for (const char* file : {"site/home/overview.htm", "site/home/overviewL2.htm", "site/home/topbanner1.htm",
                             "site/home/plan/overview.htm", "applet/IconImages/Home.GIF", "css/DTree.css",
                             "site/home/plan/Tom_s___notes/Content.htm"})
        m_dir.write("proj/" + std::string(file), "");
    m_manager->createSiteFrames();
    const struct {
        const char* page;
        const char* frame;
        const char* src;
    } frames[] = {
        {"index.htm", "b1", "site/home/topbanner1.htm"},
        {"index.htm", "main", "site/home/overview.htm"},
        // A file that is not there keeps the link as the program writes it.
        {"indexL2.htm", "b1", "site/Home/topbanner2.htm"},
        {"indexL2.htm", "main", "site/home/overviewL2.htm"},
    };
    for (const auto& c : frames) {
        const std::string start = std::string("<frame name=\"") + c.frame + "\" src=\"";
        EXPECT_EQ(lineStarting(c.page, start).substr(0, start.size() + std::string(c.src).size() + 1),
                  start + c.src + "\"")
            << c.page << " " << c.frame;
    }

    EXPECT_EQ(lineStarting("applet/treeView.htm", "d.add(1, "),
              "d.add(1, 0, 'Home', '../site/home/overview.htm', 'Home', 'main', 'IconImages/Home.GIF', "
              "'IconImages/Home.GIF', false, true, false);");
    EXPECT_EQ(lineStarting("applet/treeView.htm", "d.add(2, "),
              "d.add(2, 1, 'Plan', '../site/home/plan/overview.htm', 'Plan', 'main', 'IconImages/bookc.gif', "
              "'IconImages/booko.gif', false, true, false);");
    EXPECT_EQ(lineStarting("applet/treeView.htm", "<link rel="),
              "<link rel=\"StyleSheet\" href=\"../css/DTree.css\" type=\"text/css\" />");

    useForm(TreeForm::Applet);
    m_manager->createSiteFrames();
    EXPECT_EQ(
        lineStarting("applet/TreeMenu.dat", "N1|"),
        "N1|root|Home|Arial|N|11|0|0|0|false|home.gif|home.gif|point|../site/home/overview.htm|main|Home");
    EXPECT_EQ(lineStarting("applet/project_tree.htm", "<param name=\"image1\""),
              "<param name=\"image1\" value=\"home.gif|./IconImages/Home.GIF\">");
    useForm(TreeForm::Legacy);
    m_manager->createSiteFrames();
    EXPECT_NE(read("applet/tree.dat").find("\r\n0*Home*../site/home/overview.htm* *home.gif*"),
              std::string::npos);

    // The header frameset of a framed item, and the trail of its header.
    Item* notes = item("N3");
    notes->setFrame(1);
    m_manager->createItemHeader(notes, 0);
    const std::string folder = "site/home/plan/Tom_s___notes/";
    EXPECT_EQ(lineStarting(folder + "overview.htm", "<frame name=\"c\""),
              "<frame name=\"c\" src=\"Content.htm\" scrolling=\"yes\" frameborder=\"0\" marginwidth=\"0\"  "
              "marginheight=\"0\">");
    EXPECT_EQ(lineStarting(folder + "header.htm", "<a href="),
              "<a href=\"../../overview.htm\" target=\"main\">Home</a> / <a href=\"../overview.htm\" "
              "target=\"main\">Plan</a> / Tom's \\ notes");
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(SiteFramesTest, EmptyTree) {
    m_dir.write("proj/tolvane/MenuTreeV2.dat", "\r\n");
    open();
    m_manager->createTreeViewPage(0);
    EXPECT_EQ(lineStarting("applet/treeView.htm", "d.add("), "<no line starting with d.add(>");
    EXPECT_NE(read("applet/treeView.htm")
                  .find("      d.add(0,-1,'', '', '', '', '', '', true, true, true);\r\n"
                        "    document.write(d);\r\n"),
              std::string::npos);
    useForm(TreeForm::Applet);
    m_manager->createAppletTreePage(0);
    EXPECT_EQ(read("applet/TreeMenu.dat"), "");
    EXPECT_NE(read("applet/project_tree.htm")
                  .find("\r\n<!-- Images -->\r\n"
                        "<param name=\"image1\" value=\"point|./IconImages/point.gif\">\r\n"
                        "\r\n<!-- Nodes -->\r\n"),
              std::string::npos);
    EXPECT_TRUE(m_ui.messages.empty());
}

} // namespace
