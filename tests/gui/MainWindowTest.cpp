#include "AppProfile.h"
#include "DiagramEditorAvailability.h"
#include "ExtendedPictureHolder.h"
#include "FileSystem.h"
#include "ImageIndex.h"
#include "ItemIcons.h"
#include "ItemListePlus.h"
#include "MenuCreatorDlg.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TolvaneApp.h"
#include "WxText.h"
#include "WxUserInterface.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

namespace {

// The buttons that need an open project, and those that never do.
const int kProjectButtons[] = {1010, 1011, 1012, 1219, 1004, 1006, 1016, 1017, 1400, 1401,
                               1070, 1067, 1069, 1068, 1018, 1019, 1209, 1073, 1392, 1152};
const int kAlwaysEnabled[] = {1, 16, 1215, 1216, 1217, 1151, 1161, 1208, 1205, 1206, 1207};

// The demo project in a temporary folder; the program folder is a folder of
// the test's own, so that "administrator.ini" is what the test puts there.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, (m_dir / "Demo").c_str()));
        setApplicationFolderForTests((m_dir / "Demo/bin").c_str());
        CreateDirectoryA((m_dir / "Demo/bin").c_str(), nullptr);
        AppProfile::WriteProfileString("File", "Last", nullptr);
        // The tip of the day, switched off, never comes between the commands.
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
    }
    void TearDown() override { setApplicationFolderForTests(""); }
    std::string project() const { return m_dir / "Demo/Demo.tvx"; }
    static bool enabled(CMenuCreatorDlg& dialog, int id) { return dialog.FindWindow(id)->IsEnabled(); }
    // The window as it is without a project: only its own commands work.
    static void expectNoProject(CMenuCreatorDlg& dialog) {
        EXPECT_EQ(dialog.getProject(), nullptr);
        EXPECT_EQ(fromWx(dialog.GetTitle()), "Maravex Tolvane - v2.4.5");
        for (int id : kProjectButtons)
            EXPECT_FALSE(enabled(dialog, id)) << id;
        for (int id : kAlwaysEnabled)
            EXPECT_TRUE(enabled(dialog, id)) << id;
    }
    static int countNodes(wxTreeCtrl* tree) {
        return tree->IsEmpty() ? 0 : static_cast<int>(tree->GetCount());
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
};

TEST_F(MainWindowTest, StartsWithTheProjectOfTheCommandLine) {
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), project());
    EXPECT_EQ(fromWx(dialog.GetTitle()), "Maravex Tolvane - v2.4.5  - Demo process");
    ASSERT_NE(dialog.getProject(), nullptr);
    // Parameters, Tools and Edit banner have no window yet: they stay disabled.
    for (int id : kProjectButtons)
        EXPECT_EQ(enabled(dialog, id), id != 1070 && id != 1067 && id != 1391) << id;
    for (int id : kAlwaysEnabled)
        EXPECT_TRUE(enabled(dialog, id)) << id;
    // The diagram editor is not part of this version: its two buttons say so.
    for (int id : {1008, 1391}) {
        EXPECT_FALSE(enabled(dialog, id)) << id;
        EXPECT_EQ(dialog.FindWindow(id)->GetToolTipText(), kDiagramEditorMissing) << id;
    }
    EXPECT_EQ(countNodes(dialog.getTree()), dialog.getProject()->getItemCount());
    // Each node carries its item, and each item knows its node.
    Item* test = dialog.getProject()->findItemByName("Test");
    const wxTreeItemId node(test->getTreeHandle());
    ASSERT_TRUE(node.IsOk());
    EXPECT_EQ(static_cast<ItemNodeData*>(dialog.getTree()->GetItemData(node))->getItem(), test);
    EXPECT_EQ(fromWx(dialog.getTree()->GetItemText(node)), "Test");

    // The deferred link refresh runs on the timer, once the window is up.
    EXPECT_TRUE(dialog.getTimer(CMenuCreatorDlg::kLinkRefreshTimer).IsRunning());
    EXPECT_TRUE(dialog.getProject()->isLinkRefreshPending());
    dialog.OnTimer(CMenuCreatorDlg::kLinkRefreshTimer);
    EXPECT_FALSE(dialog.getProject()->isLinkRefreshPending());
    EXPECT_FALSE(dialog.getTimer(CMenuCreatorDlg::kLinkRefreshTimer).IsRunning());
}

TEST_F(MainWindowTest, StartsWithTheProjectAroundTheProgramFolder) {
    // The administrator settings file is the project's settings file; the
    // project folder is the program folder's parent.
    const CString administrator = CMenuCreatorDlg::getAdministratorSettingsPath();
    ASSERT_TRUE(CopyFileA(project().c_str(), administrator, TRUE));
    {
        CMenuCreatorDlg dialog("", nullptr);
        dialog.OnInitDialog();
        ASSERT_NE(dialog.getProject(), nullptr);
        EXPECT_EQ(dialog.getProject()->getProjectDirectory(), m_dir.path() + "Demo/");
        EXPECT_TRUE(enabled(dialog, 1400));
        EXPECT_GT(countNodes(dialog.getTree()), 20);
        EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), "");
    }
    // The key must say exactly "yes".
    WritePrivateProfileStringA("APPLICATION_KIND", "Tolvane", "Yes", administrator);
    CMenuCreatorDlg dialog("", nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.getProject(), nullptr);
    EXPECT_FALSE(enabled(dialog, 1400));
}

TEST_F(MainWindowTest, StartsWithoutAProject) {
    CMenuCreatorDlg dialog("", nullptr);
    dialog.OnInitDialog();
    expectNoProject(dialog);
    EXPECT_EQ(countNodes(dialog.getTree()), 0);
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), "");
    EXPECT_FALSE(dialog.getTimer(CMenuCreatorDlg::kLinkRefreshTimer).IsRunning());
    // Ending without a project writes no site file.
    dialog.OnOK();
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(MainWindowTest, APathThatNamesNoProjectIsSaidOnceAndTheWindowGoesOnWithout) {
    // The demo's folder without its settings file, a settings file without
    // its tree file, an empty folder, a name that does not exist, a pipe.
    const std::string noSettings = m_dir / "NoSettings";
    ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, noSettings.c_str()));
    DeleteFileA((noSettings + "/Demo.tvx").c_str());
    const std::string noTree = m_dir / "NoTree";
    ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, noTree.c_str()));
    DeleteFileA((noTree + "/tolvane/MenuTreeV2.dat").c_str());
    std::filesystem::create_directories(m_dir / "Empty");
    ASSERT_EQ(mkfifo((m_dir / "pipe.tvx").c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string says;
    } cases[] = {
        {m_dir / "Missing/Demo.tvx", "this file does not exist"},
        {m_dir / "Empty", "this is a folder"},
        {noSettings, "this is a folder"},
        {noTree + "/Demo.tvx", "its menu tree file \"" + noTree + "/tolvane/MenuTreeV2.dat\" is missing"},
        {m_dir / "pipe.tvx", "its settings file cannot be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        m_ui.messages.clear();
        // The tips file beside the program is rewritten at every start.
        m_dir.write("Demo/bin/Tips.tip", "");
        const auto before = m_dir.entries();
        CMenuCreatorDlg dialog(c.path.c_str(), nullptr);
        dialog.OnInitDialog();
        ASSERT_EQ(m_ui.messages.size(), 1u);
        const std::string text = m_ui.messages[0].text.str();
        EXPECT_NE(text.find("\"" + c.path + "\""), std::string::npos) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        expectNoProject(dialog);
        EXPECT_FALSE(dialog.getTimer(CMenuCreatorDlg::kLinkRefreshTimer).IsRunning());
        dialog.OnOK();
        EXPECT_EQ(m_ui.messages.size(), 1u);
        // Nothing was made beside the path, and it is not the last project.
        EXPECT_EQ(m_dir.entries(), before);
        EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), "");
    }
}

TEST_F(MainWindowTest, ClosingRewritesTheSiteFramesOnce) {
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    const std::string index = m_dir / "Demo/index.htm";
    DeleteFileA(index.c_str());
    dialog.OnClose();
    EXPECT_TRUE(platform::fileExists(index.c_str()));
    EXPECT_TRUE(m_dir.exists("Demo/applet/treeView.htm"));
    // Exit after the close box does not write them a second time.
    DeleteFileA(index.c_str());
    dialog.OnOK();
    EXPECT_FALSE(platform::fileExists(index.c_str()));
}

TEST_F(MainWindowTest, SiteGenerationAndTreeUpdate) {
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    dialog.OnSiteGeneration();
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_TRUE(m_dir.exists("Demo/site/Development_workflow/headerL2.htm"));
    EXPECT_TRUE(m_dir.exists("Demo/indexL2.htm"));
    EXPECT_EQ(m_ui.progressPositions.back(), 0);
    EXPECT_EQ(m_ui.waitCursorDepth, 0);
    DeleteFileA((m_dir / "Demo/applet/treeView.htm").c_str());
    dialog.OnUpdateTree();
    EXPECT_TRUE(m_dir.exists("Demo/applet/treeView.htm"));
    EXPECT_EQ(m_ui.waitCursorCount, 2);
}

// The program's own user interface, with a look at each progress step and
// a count of the commands run under the wait cursor.
class WatchedUserInterface : public WxUserInterface {
public:
    WatchedUserInterface() { ui::install(this); }
    ~WatchedUserInterface() override { ui::install(nullptr); }
    void beginWaitCursor() override {
        ++commands;
        WxUserInterface::beginWaitCursor();
    }
    void setProgressPos(int position) override {
        WxUserInterface::setProgressPos(position);
        if (onStep)
            onStep();
    }
    int commands = 0;
    std::function<void()> onStep;
};

// Handles whatever the display has sent, as the window's own loop would.
void handlePendingEvents() {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    for (int i = 0; i < 20; ++i)
        loop.YieldFor(wxEVT_CATEGORY_ALL);
}

// A shown window with the demo open, its bar driven by the program's own
// user interface.
class GenerationFeedbackTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_dialog = std::make_unique<CMenuCreatorDlg>(project().c_str(), nullptr);
        m_dialog->OnInitDialog();
        m_dialog->OnTimer(CMenuCreatorDlg::kLinkRefreshTimer);
        m_dialog->Show();
        handlePendingEvents();
        m_watched.setProgressBar(gauge());
        m_watched.commands = 0;
    }
    void TearDown() override {
        m_watched.setProgressBar(nullptr);
        m_dialog.reset();
        MainWindowTest::TearDown();
    }
    wxGauge* gauge() const {
        return static_cast<wxGauge*>(m_dialog->FindWindow(CMenuCreatorDlg::IDC_PROGRESS));
    }
    // A small window on the main one that counts its paints.
    wxWindow* addPaintCounter(int& paints) {
        auto* canvas = new wxWindow(m_dialog.get(), wxID_ANY, wxPoint(0, 0), wxSize(20, 20));
        canvas->Bind(wxEVT_PAINT, [&paints, canvas](wxPaintEvent&) {
            wxPaintDC dc(canvas);
            ++paints;
        });
        handlePendingEvents();
        return canvas;
    }
    // Clicks "Site generation" as a user does, through the display.
    void clickSiteGeneration() {
        wxWindow* button = m_dialog->FindWindow(CMenuCreatorDlg::IDC_SITE_GENERATION);
        wxUIActionSimulator user;
        user.MouseMove(button->GetScreenRect().GetPosition() + button->GetSize() / 2);
        user.MouseClick();
    }

    WatchedUserInterface m_watched;
    std::unique_ptr<CMenuCreatorDlg> m_dialog;
};

TEST_F(GenerationFeedbackTest, TheWindowIsRepaintedAndTakesNoInputWhileTheBarMoves) {
    // A part of the window that needs painting once the generation has begun.
    int paints = 0;
    wxWindow* canvas = addPaintCounter(paints);
    int paintsBefore = -1, paintsDuring = 0, steps = 0, stepsWithInput = 0, stepsFull = 0,
        stepsWithDisabledBar = 0;
    m_watched.onStep = [&] {
        if (steps++ == 0) {
            paintsBefore = paints;
            canvas->Refresh();
        }
        paintsDuring = paints;
        if (gauge()->GetValue() == gauge()->GetRange())
            ++stepsFull;
        if (m_dialog->FindWindow(CMenuCreatorDlg::IDC_SITE_GENERATION)->IsEnabled() ||
            m_dialog->getTree()->IsEnabled())
            ++stepsWithInput;
        if (!gauge()->IsEnabled())
            ++stepsWithDisabledBar;
    };
    m_dialog->OnSiteGeneration();
    EXPECT_GT(steps, 10);
    EXPECT_GT(paintsDuring, paintsBefore) << "no repaint while the generation ran";
    EXPECT_EQ(stepsWithInput, 0);
    EXPECT_EQ(stepsWithDisabledBar, 0) << "a disabled bar is drawn without its filled part";
    // The bar filled up as the run went, then ends empty, as after any run.
    EXPECT_GT(stepsFull, 0);
    EXPECT_EQ(gauge()->GetValue(), 0);
    EXPECT_TRUE(m_dialog->FindWindow(CMenuCreatorDlg::IDC_SITE_GENERATION)->IsEnabled());
    EXPECT_FALSE(m_dialog->FindWindow(CMenuCreatorDlg::IDC_EDIT_DIAGRAM)->IsEnabled()) << "as before the run";
    EXPECT_EQ(m_watched.commands, 1);
}

TEST_F(GenerationFeedbackTest, TheDeferredRefreshDrawsItsBarAndKeepsTheWindowAsItIs) {
    int paints = 0;
    wxWindow* canvas = addPaintCounter(paints);
    int paintsBefore = -1, paintsDuring = 0, steps = 0, stepsGreyed = 0;
    m_watched.onStep = [&] {
        if (steps++ == 0) {
            paintsBefore = paints;
            canvas->Refresh();
        }
        paintsDuring = paints;
        if (!m_dialog->FindWindow(CMenuCreatorDlg::IDC_SITE_GENERATION)->IsEnabled())
            ++stepsGreyed;
    };
    m_dialog->getProject()->setLinksNeedRefresh();
    m_dialog->OnTimer(CMenuCreatorDlg::kLinkRefreshTimer);
    EXPECT_GT(steps, 10);
    EXPECT_GT(paintsDuring, paintsBefore) << "no repaint while the refresh ran";
    EXPECT_EQ(stepsGreyed, 0) << "the window is not greyed at start-up";
}

TEST_F(GenerationFeedbackTest, AClickDuringAGenerationStartsNoSecondOne) {
    bool clicked = false;
    m_watched.onStep = [&] {
        if (!clicked) {
            clicked = true;
            clickSiteGeneration();
        }
    };
    m_dialog->OnSiteGeneration();
    m_watched.onStep = nullptr;
    handlePendingEvents();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(m_watched.commands, 1);
    // Once it has ended, the same click generates again.
    clickSiteGeneration();
    handlePendingEvents();
    EXPECT_EQ(m_watched.commands, 2);
}

// Every control below a window, the windows that only group others included.
void collectControls(wxWindow* window, std::vector<wxWindow*>& controls) {
    for (wxWindow* child : window->GetChildren()) {
        if (child->IsTopLevel())
            continue;
        controls.push_back(child);
        collectControls(child, controls);
    }
}

TEST_F(MainWindowTest, AtItsLeastSizeEveryControlIsWholeAndInsideTheWindow) {
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    dialog.Show();
    dialog.SetSize(1, 1);
    handlePendingEvents();
    dialog.Layout();
    EXPECT_EQ(dialog.GetSize(), dialog.GetMinSize());
    // It still fits a screen of 1024 x 768 pixels, with room for a panel.
    EXPECT_LE(dialog.GetMinSize().GetWidth(), 1024);
    EXPECT_LE(dialog.GetMinSize().GetHeight(), 700);
    const wxRect client(dialog.GetClientAreaOrigin(), dialog.GetClientSize());
    std::vector<wxWindow*> controls;
    collectControls(&dialog, controls);
    ASSERT_GT(controls.size(), 50u);
    for (wxWindow* control : controls) {
        SCOPED_TRACE(std::to_string(control->GetId()) + " " + control->GetLabel().utf8_string());
        const wxPoint origin =
            dialog.ScreenToClient(control->GetParent()->ClientToScreen(control->GetPosition()));
        const wxRect rect(origin, control->GetSize());
        EXPECT_TRUE(client.Contains(rect))
            << "at " << rect.x << "," << rect.y << " size " << rect.width << "x" << rect.height << " in "
            << client.width << "x" << client.height;
        const wxSize least = control->GetEffectiveMinSize();
        EXPECT_GE(rect.width, least.x);
        EXPECT_GE(rect.height, least.y);
    }
    // The tree keeps room for its items.
    EXPECT_GE(dialog.getTree()->GetSize().GetHeight(), 150);
    EXPECT_GE(dialog.getTree()->GetSize().GetWidth(), 200);
}

TEST_F(MainWindowTest, ToolTipsComeFromTheStringTable) {
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(fromWx(dialog.FindWindow(1)->GetToolTipText()), "Exit Tolvane");
    EXPECT_EQ(fromWx(dialog.FindWindow(1400)->GetToolTipText()), "Generate the web site");
    EXPECT_EQ(fromWx(dialog.FindWindow(1161)->GetToolTipText()), "Name or uid of the item to search for");
    EXPECT_NE(fromWx(dialog.FindWindow(16)->GetToolTipText()), "");
    EXPECT_EQ(CMenuCreatorDlg::getToolTipText(1165), "");
    EXPECT_EQ(CMenuCreatorDlg::getToolTipText(1152), "");
}

TEST_F(MainWindowTest, EveryClassHasBothIcons) {
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    for (int kind = 1; kind <= 24; ++kind) {
        for (const CString& icon : {getClosedIconForClass(kind), getOpenIconForClass(kind)}) {
            const ImageIndex* record = dialog.getIcons().find(icon);
            ASSERT_NE(record, nullptr) << kind << " " << icon.str();
            EXPECT_GE(record->getImageIndex(), 0) << icon.str();
        }
    }
    EXPECT_EQ(getClosedIconForClass(15), "artfc_w.gif");
    EXPECT_EQ(getOpenIconForClass(15), "artfo_w.gif");
    for (int kind : {1, 3, 17, 18, 20, 21, 22, 24}) {
        EXPECT_EQ(getClosedIconForClass(kind), "bookc.gif");
        EXPECT_EQ(getOpenIconForClass(kind), "booko.gif");
    }
}

TEST_F(MainWindowTest, MissingIconsAreReplacedByTheDefault) {
    // Five items with a missing icon: three messages, five nodes.
    std::string tree = m_dir.read("Demo/tolvane/MenuTreeV2.dat");
    for (int n = 0; n < 5; ++n)
        tree += "\r\n0*N9" + std::to_string(n) + "*Lost" + std::to_string(n) +
                "*../site/Lost/overview.htm* *gone" + std::to_string(n) + ".gif*gone.gif*f*true*false* * *";
    m_dir.write("Demo/tolvane/MenuTreeV2.dat", tree);
    // And a file that is no picture still gets its record.
    m_dir.write("Demo/applet/IconImages/broken.gif", "not a picture");
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    ASSERT_EQ(m_ui.messages.size(), 3u);
    EXPECT_EQ(m_ui.messages[0].text,
              "Icon 'gone0.gif'  not found (item uid: N90)! Replaced with default icon ( 'bookc.gif' )");
    EXPECT_EQ(m_ui.messages[1].text,
              "Icon 'gone.gif'  not found (item uid: N90)! Replaced with default icon ( 'bookc.gif' )");
    EXPECT_EQ(countNodes(dialog.getTree()), dialog.getProject()->getItemCount());
    const wxTreeItemId lost(dialog.getProject()->findItemByUid("N94")->getTreeHandle());
    EXPECT_EQ(dialog.getTree()->GetItemImage(lost), dialog.getIcons().find("bookc.gif")->getImageIndex());
    ASSERT_NE(dialog.getIcons().find("broken.gif"), nullptr);
    EXPECT_EQ(dialog.getIcons().find("broken.gif")->getImageIndex(), -1);
}

TEST_F(MainWindowTest, WithoutTheDefaultIconTheTreeStaysEmpty) {
    DeleteFileA((m_dir / "Demo/applet/IconImages/bookc.gif").c_str());
    CMenuCreatorDlg dialog(project().c_str(), nullptr);
    dialog.OnInitDialog();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Default icon 'bookc.gif' not found! Treeview will be hidden.");
    EXPECT_EQ(countNodes(dialog.getTree()), 0);
}

TEST(PictureTest, CandidateFiles) {
    EXPECT_EQ(ExtendedPictureHolder::candidates("a/b.gif"), std::vector<CString>{"a/b.gif"});
    EXPECT_EQ(ExtendedPictureHolder::candidates("a/b.Jpg"), std::vector<CString>{"a/b.Jpg"});
    EXPECT_EQ(
        ExtendedPictureHolder::candidates("a/b"),
        (std::vector<CString>{"A/B.BMP", "A/B.RLE", "A/B.DIB", "A/B.GIF", "A/B.JPG", "A/B.WMF", "A/B.EMF"}));
    EXPECT_EQ(ExtendedPictureHolder::candidates("a/b.png").size(), 7u);
    ExtendedPictureHolder picture;
    EXPECT_FALSE(picture.loadFromFile("/nowhere/b.gif"));
    EXPECT_EQ(picture.getHandle(), nullptr);
}

TEST(BrowserTest, PathFromTheRegisteredCommand) {
    struct {
        const char* command;
        const char* path;
    } cases[] = {
        {"\"C:\\Program Files\\Web\\browser.exe\" -osint -url \"%1\"", "C:\\Program Files\\Web\\browser.exe"},
        {"C:\\PROGRA~1\\WEB\\BROWSER.EXE -nohome", "C:\\PROGRA~1\\WEB\\BROWSER.EXE"},
        {"\"/usr/bin/xdg-open\" %1", "/usr/bin/xdg-open"},
        // An "exe" inside a folder name does not end the program's path.
        {"\"/opt/executables/bin/xdg-open\" %1", "/opt/executables/bin/xdg-open"},
        {"\"only one quote", "\"only one quote"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(browserPathFromCommand(c.command), c.path) << c.command;
    EXPECT_EQ(browserAddress("/home/u/My Project\\index.htm", "/usr/bin/xdg-open"),
              "file:///home/u/My%20Project/index.htm");
    EXPECT_EQ(browserAddress("file:///p/User reference/Documentation.htm", "C:\\Web\\IEXPLORE.EXE"),
              "file:///p/User reference/Documentation.htm");
    CString given = "/opt/browser";
    EXPECT_EQ(getBrowserPath(given), "/opt/browser");
}

TEST(BrowserTest, WithoutABrowserTheUserIsTold) {
    RecordingUserInterface recorder;
    const std::string path = std::getenv("PATH");
    setenv("PATH", "/nonexistent", 1);
    const bool opened = openInBrowser("/home/u/Demo/index.htm");
    setenv("PATH", path.c_str(), 1);
    EXPECT_FALSE(opened);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text,
              "\"/home/u/Demo/index.htm\" could not be opened: no web browser was found "
              "(the desktop's opener xdg-open, of the package xdg-utils, is missing).");
}

// The program's own user interface, its boxes recorded instead of shown.
class BoxRecordingUserInterface : public WxUserInterface {
public:
    BoxRecordingUserInterface() { ui::install(this); }
    ~BoxRecordingUserInterface() override { ui::install(nullptr); }
    int messageBox(const CString& text, const CString&, UINT style) override {
        texts.push_back(text);
        return UserInterface::defaultAnswer(style);
    }
    std::vector<CString> texts;
};

TEST(WxUserInterfaceTest, AMessageOfAnotherThreadIsShownByTheWindowsThread) {
    BoxRecordingUserInterface boxes;
    std::thread([] {
        ui::postMessageBox("\"/p/index.htm\" could not be opened: it does not exist.");
    }).join();
    EXPECT_TRUE(boxes.texts.empty()) << "not from the thread that asked";
    handlePendingEvents();
    EXPECT_EQ(boxes.texts, std::vector<CString>{"\"/p/index.htm\" could not be opened: it does not exist."});
}

TEST(CommandLineTest, FirstArgumentThatIsNoSwitchMadeAbsolute) {
    EXPECT_EQ(CTolvaneApp::getCommandLineProject({"tolvane", "-v", "/p/Qualit\xE9/site.tvx", "other"}),
              "/p/Qualit\xE9/site.tvx");
    EXPECT_EQ(CTolvaneApp::getCommandLineProject({"tolvane"}), "");
    // A relative path names the file in the folder the program was started from.
    TempDir dir;
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::create_directories(dir / "Qualit\xC3\xA9");
    std::filesystem::current_path(dir / "Qualit\xC3\xA9");
    const CString folder = CString(dir.path().c_str()) + "Qualit\xE9/";
    EXPECT_EQ(CTolvaneApp::getCommandLineProject({"tolvane", "Demo/Demo.tvx"}), folder + "Demo/Demo.tvx");
    EXPECT_EQ(CTolvaneApp::getCommandLineProject({"tolvane", "./Demo.tvx"}), folder + "Demo.tvx");
    EXPECT_EQ(CTolvaneApp::getCommandLineProject({"tolvane", "../x.tvx"}), folder + "../x.tvx");
    std::filesystem::current_path(started);
}

} // namespace
