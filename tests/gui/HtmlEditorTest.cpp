// The page editor under a display: a page of the demo project opens in the
// browser, is edited through the toolbar's commands, goes through the
// source view and back, and is written back; the file on disk is checked,
// its generated part byte for byte. Sub-dialogs are answered by test hooks.

#include "CAddFile.h"
#include "CColorMenu.h"
#include "CDHtmlEditDlg.h"
#include "CHrProperties.h"
#include "CHtmlEditor.h"
#include "CInsertHyperlink.h"
#include "CTableProperties.h"
#include "CUniRichEdit.h"
#include "DialogLook.h"
#include "Encoding.h"
#include "EventPump.h"
#include "FileSystem.h"
#include "Item.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "SiteChecks.h"
#include "StringTable.h"
#include "TempDir.h"
#include "WxText.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <string>
#include <utime.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/radiobut.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>
#include <wx/utils.h>
#include <wx/webview.h>

namespace {

const char* const kAnalyst = "N17653000002";

// The part of the page the generator owns: written in its own way on
// purpose (upper case, attributes the clean-up would take away).
const std::string kGenerated =
    "<!--PROCESS_HYPERLINK-->\r\n<H2 CLASS=Gen onClick=\"x()\">Generated \xE9</H2>\r\n"
    "<P>generated <SPAN style=\"color:red\">part</SPAN></P>\r\n</body>\r\n</html>\r\n";

const std::string kPage =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n<head>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\r\n"
    "<title>Analyst</title>\r\n"
    "<link rel=\"stylesheet\" href=\"../../../css/project.css\" type=\"text/css\">\r\n"
    "</head>\r\n<body>\r\n<h1 class=\"banner\">Analyst</h1>\r\n"
    "<div id=\"intro\">Intro of the caf\xE9</div>\r\n<div id=\"target\">Developer page</div>\r\n"
    "<table border=\"1\" id=\"grid\"><tr><td id=\"first\">a</td><td>b</td></tr>"
    "<tr><td>c</td><td>d</td></tr></table>\r\n"
    "<hr id=\"rule\">\r\n<img id=\"web\" src=\"http://example.com/Roles/Analyst/logo.gif\">"
    "<img id=\"shared\" src=\"../../../images/top.gif\">\r\n" +
    kGenerated;

// The demo project in a temporary folder with a page of its own for the
// analyst, and the editor open on it.
class HtmlEditorTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, (m_dir / "Demo").c_str()));
        m_manager = std::make_unique<ProcessManager>((m_dir / "Demo/Demo.tvx").c_str(), nullptr, 0, 0);
        m_item = static_cast<ProcessItem*>(m_manager->findItemByUid(kAnalyst));
        ASSERT_NE(m_item, nullptr);
        m_pagePath = m_manager->getItemPagePath(m_item, 0);
        ASSERT_TRUE(platform::writeFileReplacing(m_pagePath, kPage));
    }
    void TearDown() override { m_owned.reset(); }

    // Opens the editor and waits until the page is editable and cleaned.
    void open(int viewOnly = 0, int linkMode = 1) {
        const CString folder = m_manager->getProjectDirectory() + m_item->getFolder(1, 1);
        m_owned = std::make_unique<CDHtmlEditDlg>(m_manager.get(), m_item, viewOnly, m_pagePath,
                                                  "Edit Analyst", folder, linkMode, 0, nullptr);
        m_dialog = m_owned.get();
        ASSERT_TRUE(m_dialog->OnInitDialog());
        m_dialog->Show();
        if (viewOnly) {
            ASSERT_TRUE(pumpUntil([this] { return editor()->isReady() && !editor()->isWaitingForReady(); }));
            return;
        }
        waitUntilSettled();
    }
    void waitUntilSettled() {
        ASSERT_TRUE(pumpUntil([this] {
            return m_dialog->isDesignReady() && editor()->isReady() && !editor()->isWaitingForReady() &&
                   !editor()->isBusy();
        })) << "design ready "
            << m_dialog->isDesignReady() << ", editor ready " << editor()->isReady() << ", waiting "
            << editor()->isWaitingForReady() << ", mode " << editor()->getMode();
    }
    CHtmlEditor* editor() const { return m_dialog->getEditor(); }
    std::string run(const std::string& script) {
        wxString result;
        EXPECT_TRUE(editor()->runScript(wxString::FromUTF8(script), &result)) << script;
        return std::string(result.utf8_str());
    }
    // Selects the content of the element with that id, or puts the caret at its start.
    void select(const std::string& id, bool caret = false) {
        ASSERT_EQ(run("(function () { var range = document.createRange();"
                      " range.selectNodeContents(document.getElementById('" +
                      id + "')); " + (caret ? "range.collapse(true); " : "") +
                      "var selection = window.getSelection(); selection.removeAllRanges();"
                      " selection.addRange(range); return 'selected'; })()"),
                  "selected");
    }
    void selectControl(const std::string& id) {
        run("window.__tolvane.selectControl(document.getElementById('" + id + "'))");
    }
    std::string page() const { return m_dir.read("Demo/site/Roles/Analyst/overview.htm"); }
    std::string bodyShown() { return run("document.body.innerHTML"); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
    ProcessItem* m_item = nullptr;
    CString m_pagePath;
    std::unique_ptr<CDHtmlEditDlg> m_owned;
    CDHtmlEditDlg* m_dialog = nullptr;
};

// Picks an item in the hyperlink dialog and confirms it.
class PickItem : public wxExpectModalBase<CInsertHyperlink> {
public:
    explicit PickItem(const char* name) : m_name(name) {}

protected:
    int OnInvoked(CInsertHyperlink* dialog) const override {
        wxTreeCtrl* tree = dialog->getTree();
        const wxTreeItemId found = find(tree, tree->GetRootItem());
        EXPECT_TRUE(found.IsOk()) << m_name;
        tree->SelectItem(found);
        dialog->OnOK();
        return static_cast<int>(wxID_OK);
    }

private:
    wxTreeItemId find(wxTreeCtrl* tree, const wxTreeItemId& node) const {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = tree->GetFirstChild(node, cookie); child.IsOk();
             child = tree->GetNextChild(node, cookie)) {
            if (tree->GetItemText(child) == m_name)
                return child;
            const wxTreeItemId inner = find(tree, child);
            if (inner.IsOk())
                return inner;
        }
        return wxTreeItemId();
    }
    wxString m_name;
};

// Where the control lies in the window's picture.
wxRect placeIn(wxWindow& window, wxWindow& control) {
    return wxRect(window.ScreenToClient(control.GetScreenPosition()), control.GetSize());
}

// The number of pixels that differ between two pictures of a window in its part.
int changedPixels(const wxImage& before, const wxImage& after, const wxRect& part) {
    if (before.GetSize() != after.GetSize())
        return part.width * part.height;
    int count = 0;
    const wxRect inside = part.Intersect(wxRect(after.GetSize()));
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            count += before.GetRed(x, y) != after.GetRed(x, y) ||
                             before.GetGreen(x, y) != after.GetGreen(x, y) ||
                             before.GetBlue(x, y) != after.GetBlue(x, y)
                         ? 1
                         : 0;
    return count;
}

// The number of dark pixels (text) in the part of the picture the window covers.
int darkPixels(const wxImage& picture, const wxRect& part) {
    int count = 0;
    const wxRect inside = part.Intersect(wxRect(picture.GetSize()));
    for (int y = inside.GetTop(); y <= inside.GetBottom(); ++y)
        for (int x = inside.GetLeft(); x <= inside.GetRight(); ++x)
            count += picture.GetRed(x, y) + picture.GetGreen(x, y) + picture.GetBlue(x, y) < 200 ? 1 : 0;
    return count;
}

TEST_F(HtmlEditorTest, EditsAPageThroughTheToolbarAndSavesIt) {
    open();
    // The clean-up of the page's own part ran when design mode came on; the
    // generated part is shown as it is.
    EXPECT_EQ(editor()->getMode(), CHtmlEditor::kEditMode);
    EXPECT_NE(bodyShown().find("<span style=\"color:red\">part</span>"), std::string::npos);

    select("intro");
    EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_BOLD), 1);
    select("first", true);
    EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_ROW_BELOW), 1);
    select("target");
    int linked = 0;
    wxTEST_DIALOG(linked = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_HYPERLINK), PickItem("Developer"));
    EXPECT_EQ(linked, 1);
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;

    // The source view shows the page as HTML, and OK waits until it is left.
    auto* source = static_cast<wxToggleButton*>(m_dialog->FindWindow(CDHtmlEditDlg::IDC_SOURCE));
    const wxImage designPicture = windowPicture(*m_dialog);
    source->SetValue(true);
    m_dialog->OnToolbarCommand(CDHtmlEditDlg::IDC_SOURCE);
    EXPECT_EQ(editor()->getMode(), CHtmlEditor::kSourceMode);
    EXPECT_FALSE(m_dialog->FindWindow(wxID_OK)->IsEnabled());
    EXPECT_TRUE(editor()->getSourcePane()->IsShown());
    EXPECT_FALSE(editor()->getView()->IsShown());
    const std::string sourceText(editor()->getSourcePane()->GetValue().utf8_str());
    EXPECT_NE(sourceText.find("<b>Intro of the caf&#x00E9;</b>"), std::string::npos) << sourceText;
    // The pane is drawn once the picture there is no longer the page's, and OK
    // is drawn disabled.
    wxImage sourcePicture;
    EXPECT_TRUE(pumpUntil([&] {
        sourcePicture = windowPicture(*m_dialog);
        return sourcePicture.IsOk() &&
               changedPixels(designPicture, sourcePicture, placeIn(*m_dialog, *editor()->getSourcePane())) >
                   5000 &&
               changedPixels(designPicture, sourcePicture,
                             placeIn(*m_dialog, *m_dialog->FindWindow(wxID_OK))) > 0;
    }));
    savePicture(sourcePicture, "CDHtmlEditDlg-source", m_dir.path());
    source->SetValue(false);
    m_dialog->OnToolbarCommand(CDHtmlEditDlg::IDC_SOURCE);
    EXPECT_TRUE(m_dialog->FindWindow(wxID_OK)->IsEnabled());
    EXPECT_EQ(editor()->getMode(), CHtmlEditor::kEditMode);
    waitUntilSettled();

    // The font boxes show what is at the caret: the page defaults here.
    select("target", true);
    m_dialog->OnEditorNotify(CHtmlEditor::kNotifyRefresh);
    EXPECT_EQ(static_cast<wxComboBox*>(m_dialog->FindWindow(CDHtmlEditDlg::IDC_FONT_SIZE))->GetValue(), "14");
    EXPECT_EQ(
        static_cast<wxChoice*>(m_dialog->FindWindow(CDHtmlEditDlg::IDC_FONT_NAME))->GetStringSelection(),
        "Arial");
    // The editor with its page as the display shows it, once the browser
    // (a process of its own) has drawn the page's text.
    checkControlsWhole(*m_dialog, "CDHtmlEditDlg");
    const wxRect view = placeIn(*m_dialog, *editor()->getView());
    wxImage picture;
    EXPECT_TRUE(pumpUntil([&] {
        picture = windowPicture(*m_dialog);
        return picture.IsOk() && darkPixels(picture, view) > 500;
    })) << "the page was never drawn";
    savePicture(picture, "CDHtmlEditDlg", m_dir.path());
    m_dialog->OnOK();
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->GetReturnCode(), wxID_OK);

    const std::string saved = page();
    ASSERT_GE(saved.size(), kGenerated.size());
    EXPECT_EQ(saved.substr(saved.size() - kGenerated.size()), kGenerated);
    const std::string edited = saved.substr(0, saved.size() - kGenerated.size());
    EXPECT_EQ(edited.rfind("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                           "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>",
                           0),
              0u)
        << edited;
    EXPECT_NE(edited.find("<b>Intro of the caf&#x00E9;</b>"), std::string::npos) << edited;
    EXPECT_NE(edited.find("<tr><td id=\"first\">a</td><td>b</td></tr><tr><td><div>&nbsp;</div></td>"
                          "<td><div>&nbsp;</div></td></tr><tr><td>c</td>"),
              std::string::npos)
        << edited;
    EXPECT_NE(edited.find("<a href=\"../Developer/overview.htm\">Developer page</a>"), std::string::npos)
        << edited;
    // Addresses outside the page's folder stay as they were.
    EXPECT_NE(edited.find("src=\"http://example.com/Roles/Analyst/logo.gif\""), std::string::npos);
    EXPECT_NE(edited.find("src=\"../../../images/top.gif\""), std::string::npos);
    EXPECT_NE(edited.find("<style>BODY { font-size: 14px; font-family: Arial }\r\n"
                          "TABLE { font-size: 14px; font-family: Arial }</style>"),
              std::string::npos)
        << edited;
    EXPECT_EQ(edited.find("data-tolvane"), std::string::npos);
    EXPECT_EQ(edited.find("Content-Security-Policy"), std::string::npos);
    // Every line ends with CR LF.
    for (size_t at = edited.find('\n'); at != std::string::npos; at = edited.find('\n', at + 1))
        ASSERT_EQ(edited[at - 1], '\r') << at;
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

TEST_F(HtmlEditorTest, FormattingCommandsLastThroughTheCleanUp) {
    open();
    const struct {
        int id;
        const char* written; // the line as the clean-up before a save leaves it
    } cases[] = {
        {CDHtmlEditDlg::ID_BOLD, "<div id=\"intro\"><b>Intro text</b></div>"},
        {CDHtmlEditDlg::ID_ITALIC, "<div id=\"intro\"><i>Intro text</i></div>"},
        {CDHtmlEditDlg::ID_UNDERLINE, "<div id=\"intro\"><u>Intro text</u></div>"},
        {CDHtmlEditDlg::ID_NUMBERING, "<div id=\"intro\"><ol><li>Intro text</li></ol></div>"},
        {CDHtmlEditDlg::ID_BULLETS, "<div id=\"intro\"><ul><li>Intro text</li></ul></div>"},
        {CDHtmlEditDlg::ID_INDENT, "<blockquote><div id=\"intro\">Intro text</div></blockquote>"},
        {CDHtmlEditDlg::ID_ALIGN_CENTER, "<div id=\"intro\" align=\"center\">Intro text</div>"},
        {CDHtmlEditDlg::ID_ALIGN_RIGHT, "<div id=\"intro\" align=\"right\">Intro text</div>"},
        {CDHtmlEditDlg::ID_SEPARATOR, "<div id=\"intro\"><hr></div>"},
        {CColorMenu::kTextColorBase + 4, "<div id=\"intro\"><font color=\"#000080\">Intro text</font></div>"},
        {CColorMenu::kBackColorBase + 9,
         "<div id=\"intro\"><font style=\"background-color: rgb(255, 0, 0)\">Intro text</font></div>"},
        {CColorMenu::kBackColorBase + CColorMenu::kAutomatic, "<div id=\"intro\">Intro text</div>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        run("var intro = document.getElementById('intro');"
            "(intro.closest('blockquote') || intro).outerHTML = '<div id=\"intro\">Intro text</div>'");
        select("intro");
        EXPECT_EQ(m_dialog->OnToolbarCommand(c.id), 1);
        editor()->changeDocument([](cHtmlDocument& document) {
            document.removeUnsupportedTags();
            return 0;
        });
        const std::string body = bodyShown();
        const size_t end = body.find("\n<div id=\"target\"");
        ASSERT_NE(end, std::string::npos) << body;
        const size_t start = body.rfind("</h1>\n", end);
        EXPECT_EQ(body.substr(start + 6, end - start - 6), c.written);
    }
    // Outdent takes the indent back.
    select("intro");
    EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_INDENT), 1);
    EXPECT_NE(bodyShown().find("<blockquote"), std::string::npos);
    select("intro");
    EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_OUTDENT), 1);
    EXPECT_EQ(bodyShown().find("<blockquote"), std::string::npos);
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

TEST_F(HtmlEditorTest, TableCommandsOfTheToolbar) {
    open();
    const std::string kGrid =
        "<table border=\"1\" id=\"grid\"><tbody><tr><td id=\"first\">a</td><td>b</td></tr>"
        "<tr><td>c</td><td>d</td></tr></tbody></table>";
    const std::string cell = "<td><div>&nbsp;</div></td>";
    const struct {
        int id;
        std::string table;
    } cases[] = {
        {CDHtmlEditDlg::ID_ROW_ABOVE,
         "<tr>" + cell + cell + "</tr><tr><td id=\"first\">a</td><td>b</td></tr><tr>"},
        {CDHtmlEditDlg::ID_ROW_BELOW,
         "<tr><td id=\"first\">a</td><td>b</td></tr><tr>" + cell + cell + "</tr>"},
        {CDHtmlEditDlg::ID_COLUMN_LEFT, "<tr>" + cell + "<td id=\"first\">a</td><td>b</td></tr><tr>" + cell},
        {CDHtmlEditDlg::ID_COLUMN_RIGHT,
         "<tr><td id=\"first\">a</td>" + cell + "<td>b</td></tr><tr><td>c</td>" + cell},
        {CDHtmlEditDlg::ID_DELETE_ROW, "<tbody><tr><td>c</td><td>d</td></tr></tbody>"},
        {CDHtmlEditDlg::ID_DELETE_COLUMN, "<tr><td>b</td></tr><tr><td>d</td></tr>"},
        {CDHtmlEditDlg::ID_MERGE,
         "<tr><td id=\"first\" colspan=\"2\"><div>a&nbsp;b</div></td></tr><tr><td>c</td>"},
        {CDHtmlEditDlg::ID_SPLIT,
         "<tr><td id=\"first\">a</td>" + cell + "<td>b</td></tr><tr><td colspan=\"2\">c</td>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        run("document.getElementById('grid').outerHTML = '" + kGrid + "'");
        select("first", true);
        EXPECT_EQ(m_dialog->OnToolbarCommand(c.id), 1);
        const std::string body = bodyShown();
        EXPECT_NE(body.find(c.table), std::string::npos) << body.substr(body.find("<table"), 400);
    }
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

TEST_F(HtmlEditorTest, AFailedSaveKeepsTheDialogOpenAndTheEdit) {
    open();
    select("intro");
    ASSERT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_ITALIC), 1);
    const std::string folder = m_dir / "Demo/site/Roles/Analyst";
    const std::string moved = m_dir / "Analyst-away";
    ASSERT_EQ(std::rename(folder.c_str(), moved.c_str()), 0);

    m_dialog->OnOK();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Error saving the file");
    EXPECT_EQ(m_ui.messages[0].caption, "Error");
    EXPECT_EQ(m_ui.messages[0].style, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(m_dialog->IsShown());
    EXPECT_NE(bodyShown().find("<i>Intro of the caf\xC3\xA9</i>"), std::string::npos);

    // Once the folder is back, the same OK writes the edit.
    ASSERT_EQ(std::rename(moved.c_str(), folder.c_str()), 0);
    m_dialog->OnOK();
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_NE(page().find("<i>Intro of the caf&#x00E9;</i>"), std::string::npos);
    EXPECT_EQ(m_ui.messages.size(), 1u);
}

// OK writes the page it cleaned without showing it first; when the page
// cannot be written, the page that stays open is shown cleaned, and the
// removed tags are told once.
TEST_F(HtmlEditorTest, AFailedSaveShowsThePageCleaned) {
    open();
    run("document.getElementById('intro').innerHTML = '<center>centred</center>'");
    const std::string folder = m_dir / "Demo/site/Roles/Analyst";
    const std::string moved = m_dir / "Analyst-away";
    ASSERT_EQ(std::rename(folder.c_str(), moved.c_str()), 0);
    m_dialog->OnOK();
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(m_ui.messages[0].caption, "Unsupported Tags");
    EXPECT_EQ(m_ui.messages[1].text, "Error saving the file");
    EXPECT_NE(bodyShown().find("<div id=\"intro\">centred</div>"), std::string::npos) << bodyShown();

    ASSERT_EQ(std::rename(moved.c_str(), folder.c_str()), 0);
    m_dialog->OnOK();
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_NE(page().find("<div id=\"intro\">centred</div>"), std::string::npos);
    EXPECT_EQ(m_ui.messages.size(), 2u);
}

TEST_F(HtmlEditorTest, PicturesAreCopiedBesideThePageWithoutReplacingAnother) {
    open();
    const std::string folder = m_dir / "Demo/site/Roles/Analyst/";
    m_dir.write("pictures/photo.png", "first picture");
    m_dir.write("pictures/other/photo.png", "another picture");
    m_dir.write("Demo/site/Roles/Analyst/beside.gif", "already beside the page");

    select("target", true);
    EXPECT_EQ(m_dialog->insertImageFile((m_dir / "pictures/photo.png").c_str()), 1);
    EXPECT_EQ(m_dir.read("Demo/site/Roles/Analyst/photo.png"), "first picture");
    // A picture of the same name that is another file is neither copied nor inserted.
    EXPECT_EQ(m_dialog->insertImageFile((m_dir / "pictures/other/photo.png").c_str()), 0);
    EXPECT_EQ(m_dir.read("Demo/site/Roles/Analyst/photo.png"), "first picture");
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, loadString(32955));
    // A picture already beside the page is used as it is.
    EXPECT_EQ(m_dialog->insertImageFile((folder + "beside.gif").c_str()), 1);
    // A copy that fails inserts nothing.
    EXPECT_EQ(m_dialog->insertImageFile((m_dir / "pictures/missing.png").c_str()), 0);
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(std::string(m_ui.messages[1].text),
              "Copy of file " + (m_dir / "pictures/missing.png") + " failed.");
    EXPECT_EQ(run("document.images.length"), "4");

    m_dialog->OnOK();
    const std::string saved = page();
    EXPECT_NE(saved.find("<img src=\"photo.png\" border=\"0\" hspace=\"3\" vspace=\"3\">"), std::string::npos)
        << saved;
    EXPECT_NE(saved.find("<img src=\"beside.gif\""), std::string::npos);
    EXPECT_NE(saved.find("src=\"http://example.com/Roles/Analyst/logo.gif\""), std::string::npos);
}

// Python's web server on the loopback address, on a port it picks itself,
// serving a folder; it logs what it served.
class LocalWebServer {
public:
    LocalWebServer(const TempDir& dir, const std::string& root) : m_dir(dir) {
        dir.write("server/serve.py",
                  "import functools, http.server, os, sys\n"
                  "root, port_file, log_file = sys.argv[1:4]\n"
                  "class Handler(http.server.SimpleHTTPRequestHandler):\n"
                  "    def log_message(self, format, *args):\n"
                  "        with open(log_file, 'a') as log:\n"
                  "            log.write(format % args + '\\n')\n"
                  "server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Handler, "
                  "directory=root))\n"
                  "with open(port_file + '.new', 'w') as out:\n"
                  "    out.write(str(server.server_address[1]))\n"
                  "os.replace(port_file + '.new', port_file)\n"
                  "server.serve_forever()\n");
        m_pid =
            startProgram({"python3", dir / "server/serve.py", root, dir / "server/port", dir / "server/log"});
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (m_pid > 0 && !dir.exists("server/port") && std::chrono::steady_clock::now() < end)
            wxMilliSleep(50);
    }
    ~LocalWebServer() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitForProgram(m_pid);
        }
    }
    // "http://127.0.0.1:<port>/"; empty when the server did not start.
    std::string address() const {
        return m_dir.exists("server/port") ? "http://127.0.0.1:" + m_dir.read("server/port") + "/" : "";
    }
    std::string log() const { return m_dir.exists("server/log") ? m_dir.read("server/log") : ""; }

private:
    const TempDir& m_dir;
    int m_pid = -1;
};

// A picture the editor inserts is written relative to the page: served by a
// web server, the page shows it.
TEST_F(HtmlEditorTest, AnInsertedPictureLoadsFromAWebServer) {
    wxImage picture(6, 4);
    picture.SetRGB(wxRect(0, 0, 6, 4), 200, 30, 30);
    m_dir.write("pictures/.keep", "");
    ASSERT_TRUE(picture.SaveFile(wxString::FromUTF8(m_dir / "pictures/release-flow.png"), wxBITMAP_TYPE_PNG));
    open();
    select("target", true);
    ASSERT_EQ(m_dialog->insertImageFile((m_dir / "pictures/release-flow.png").c_str()), 1);
    // What the source view would show is already the address the page keeps.
    EXPECT_NE(run("document.body.innerHTML").find("src=\"release-flow.png\""), std::string::npos);
    m_dialog->OnOK();
    const std::string saved = page();
    EXPECT_NE(saved.find("<img src=\"release-flow.png\""), std::string::npos) << saved;

    // A page beside the site looks at the edited page in a frame and writes
    // down how wide the picture came out.
    m_dir.write("Demo/check.htm",
                "<html><body><iframe src=\"site/Roles/Analyst/overview.htm\" onload=\""
                "var shown = [];"
                "for (const image of this.contentDocument.images)"
                "  if (image.getAttribute('src').endsWith('release-flow.png'))"
                "    shown.push(image.complete ? image.naturalWidth : -1);"
                "document.getElementById('result').textContent = 'widths:' + shown.join(',');\">"
                "</iframe><div id=\"result\">not loaded</div></body></html>");
    const LocalWebServer server(m_dir, m_dir / "Demo");
    ASSERT_FALSE(server.address().empty()) << "python3 -m http.server could not start";
    const BrowserRun run = loadAddressInBrowser(server.address() + "check.htm", m_dir / "profile");
    EXPECT_NE(run.dom.find("widths:6<"), std::string::npos) << run.dom;
    EXPECT_NE(server.log().find("\"GET /site/Roles/Analyst/release-flow.png HTTP/1.1\" 200"),
              std::string::npos)
        << server.log();
}

// Answers the separator dialog with "No Shade".
class NoShade : public wxExpectModalBase<CHrProperties> {
protected:
    int OnInvoked(CHrProperties* dialog) const override {
        EXPECT_EQ(dialog->m_length, "100%");
        EXPECT_EQ(dialog->m_height, "2");
        EXPECT_EQ(dialog->m_shade, CHrProperties::kShade);
        static_cast<wxChoice*>(dialog->FindWindow(CHrProperties::IDC_SHADE))
            ->SetSelection(CHrProperties::kNoShade);
        dialog->OnOK();
        return static_cast<int>(wxID_OK);
    }
};

// Sets a table's width in pixels and its height in percent.
class TableSize : public wxExpectModalBase<CTableProperties> {
protected:
    int OnInvoked(CTableProperties* dialog) const override {
        EXPECT_EQ(dialog->m_borderWidth, "1");
        static_cast<wxTextCtrl*>(dialog->FindWindow(CTableProperties::IDC_WIDTH))->ChangeValue("200");
        static_cast<wxTextCtrl*>(dialog->FindWindow(CTableProperties::IDC_HEIGHT))->ChangeValue("50%");
        static_cast<wxChoice*>(dialog->FindWindow(CTableProperties::IDC_LINES))->SetSelection(1);
        dialog->OnOK();
        return static_cast<int>(wxID_OK);
    }
};

TEST_F(HtmlEditorTest, SeparatorAndTableProperties) {
    open();
    selectControl("rule");
    wxTEST_DIALOG(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_SEPARATOR_PROPERTIES), NoShade());
    select("first", true);
    wxTEST_DIALOG(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_TABLE_PROPERTIES), TableSize());
    select("first", true);
    EXPECT_EQ(m_dialog->OnToolbarCommand(CColorMenu::kCellColorBase + 9), 1);
    select("intro");
    EXPECT_EQ(m_dialog->OnToolbarCommand(CColorMenu::kTextColorBase + 12), 1);
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;

    m_dialog->OnOK();
    const std::string saved = page();
    // "No Shade" draws the separator without shade; the length and height
    // shown for a plain separator are written as its own.
    EXPECT_NE(saved.find("<hr id=\"rule\" width=\"100%\" size=\"2\" noshade=\"noshade\">"), std::string::npos)
        << saved;
    EXPECT_NE(
        saved.find("<table border=\"1\" id=\"grid\" rules=\"rows\" style=\"width: 200px; height: 50%\">"),
        std::string::npos)
        << saved;
    EXPECT_NE(saved.find("<td id=\"first\" bgcolor=\"Red\">"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<font color=\"#0000ff\">Intro of the caf&#x00E9;</font>"), std::string::npos)
        << saved;
}

TEST_F(HtmlEditorTest, CommandsOutsideTheirContextSayWhy) {
    open();
    select("intro", true);
    // The table part's message only, not the general one besides.
    m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_DELETE_ROW);
    m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_MERGE);
    m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_SEPARATOR_PROPERTIES);
    ASSERT_EQ(m_ui.messages.size(), 3u);
    EXPECT_EQ(m_ui.messages[0].text, "Please set the cursor into a table cell!");
    EXPECT_EQ(m_ui.messages[1].text, "Please set the cursor into a table cell!");
    EXPECT_EQ(m_ui.messages[2].text, "Please select a <HR> element. (horizontal line)");
    // A link needs a selection in page mode.
    EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_HYPERLINK), 0);
    ASSERT_EQ(m_ui.messages.size(), 4u);
    EXPECT_EQ(m_ui.messages[3].text, "The selection or cursor position is invalid for this function!");

    m_dialog->OnCancel();
    EXPECT_EQ(m_dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(page(), kPage);
}

// A page opened and saved with OK, without an edit, keeps what it says:
// the document type as written, a comment before the page, a UTF-8 script
// of a page that declares no character set, text once although a marker
// stands in an attribute, the generated part byte for byte.
TEST_F(HtmlEditorTest, APageSavedWithoutAnEditKeepsItsText) {
    const std::string doctype =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://example.com/d\xC3\xA9j\xC3\xA0.dtd\">";
    const std::string generated =
        "<!--PROCESS_HYPERLINK-->\r\n<div>Generated \xCE\xA9</div>\r\n</body></html>\r\n";
    ASSERT_TRUE(platform::writeFileReplacing(
        m_pagePath, doctype +
                        "\r\n<!-- kept before the page -->\r\n<html><head><title>t</title>"
                        "<script>var omega = '\xCE\xA9';</script></head><body>\r\n"
                        "<img alt=<!--PROCESS_HYPERLINK-->x><div id=\"intro\">Intro once</div>\r\n" +
                        generated));
    open();
    m_dialog->OnOK();
    EXPECT_EQ(m_dialog->GetReturnCode(), wxID_OK);
    const std::string saved = page();
    EXPECT_EQ(saved.rfind(doctype + "\r\n<!-- kept before the page --><html>", 0), 0u) << saved;
    EXPECT_NE(saved.find("<script>var omega = '\xCE\xA9';</script>"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Intro once"), saved.rfind("Intro once")) << saved;
    ASSERT_GE(saved.size(), generated.size());
    EXPECT_EQ(saved.substr(saved.size() - generated.size()), generated) << saved;
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

// Pages that send the browser elsewhere or load themselves again: the
// editor stays on the page it edits, and each file keeps its own content.
TEST_F(HtmlEditorTest, APageThatRefreshesIsEditedInPlace) {
    const std::string banner = "<html><body><div id=\"banner\">Banner page</div></body></html>";
    m_dir.write("Demo/site/Roles/Analyst/banner.htm", banner);
    const struct {
        const char* name;
        const char* refresh;
    } cases[] = {
        {"to another page", "<meta http-equiv=\"refresh\" content=\"0; url=banner.htm\">"},
        {"to itself", "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"1\">"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(platform::writeFileReplacing(
            m_pagePath, std::string("<html><head>") + c.refresh +
                            "</head><body><div id=\"intro\">Analyst page</div></body></html>"));
        open();
        select("intro");
        EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_BOLD), 1);
        // Time for a refresh, and a navigation the page would ask for.
        run("window.location.href = 'banner.htm'");
        pumpUntil([] { return false; }, 2);
        EXPECT_EQ(
            run("document.getElementById('intro') ? document.getElementById('intro').innerHTML : 'gone'"),
            "<b>Analyst page</b>");
        m_dialog->OnOK();
        EXPECT_EQ(m_dialog->GetReturnCode(), wxID_OK);
        const std::string saved = page();
        EXPECT_NE(saved.find("<div id=\"intro\"><b>Analyst page</b></div>"), std::string::npos) << saved;
        EXPECT_EQ(saved.find("Banner"), std::string::npos) << saved;
        EXPECT_EQ(encoding::toLower(saved).find("refresh"), std::string::npos) << saved;
        EXPECT_EQ(m_dir.read("Demo/site/Roles/Analyst/banner.htm"), banner);
    }
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

TEST_F(HtmlEditorTest, TextLinksAreTokensWithoutASelection) {
    open(0, 0);
    select("target", true);
    int linked = 0;
    wxTEST_DIALOG(linked = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_HYPERLINK), PickItem("Developer"));
    EXPECT_EQ(linked, 1);
    EXPECT_NE(bodyShown().find("[@N17653000003]Developer page"), std::string::npos) << bodyShown();
}

TEST_F(HtmlEditorTest, ViewingAPageChangesNothing) {
    open(1, 0);
    EXPECT_EQ(m_dialog->getToolBar(), nullptr);
    for (const int id : {int(CDHtmlEditDlg::IDC_FONT_NAME), int(CDHtmlEditDlg::IDC_FONT_SIZE),
                         int(CDHtmlEditDlg::IDC_SOURCE), int(wxID_CANCEL)})
        EXPECT_FALSE(m_dialog->FindWindow(id)->IsShown()) << id;
    EXPECT_EQ(editor()->getMode(), CHtmlEditor::kBrowseMode);
    m_dialog->OnOK();
    EXPECT_EQ(m_dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(page(), kPage);
}

TEST_F(HtmlEditorTest, TheFontSizeBoxSetsPixels) {
    open();
    auto* size = static_cast<wxComboBox*>(m_dialog->FindWindow(CDHtmlEditDlg::IDC_FONT_SIZE));
    select("intro");
    for (const char* refused : {"3", "100", "", "big"}) {
        size->ChangeValue(refused);
        m_dialog->OnTimer(CDHtmlEditDlg::kFontSizeTimer);
    }
    EXPECT_EQ(bodyShown().find("<font"), std::string::npos);
    size->ChangeValue("18");
    m_dialog->OnTimer(CDHtmlEditDlg::kFontSizeTimer);
    EXPECT_NE(bodyShown().find("<font style=\"font-size: 18px\">Intro of the caf"), std::string::npos)
        << bodyShown();
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
    // Without a selection the browser refuses it.
    run("window.getSelection().removeAllRanges()");
    m_dialog->OnTimer(CDHtmlEditDlg::kFontSizeTimer);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "The selection or cursor position is invalid!");
}

TEST_F(HtmlEditorTest, ShortcutKeysOfTheDesignView) {
    open();
    auto press = [this](const char* key, bool shift) {
        run(std::string("document.dispatchEvent(new KeyboardEvent('keydown', {key: '") + key +
            "', ctrlKey: true, shiftKey: " + (shift ? "true" : "false") + ", bubbles: true}))");
    };
    auto count = [this](const char* tag) {
        return std::stoi(run(std::string("document.getElementsByTagName('") + tag + "').length"));
    };
    select("first", true);
    press("r", false);
    ASSERT_TRUE(pumpUntil([&] { return count("tr") == 3; }));
    press("h", false);
    ASSERT_TRUE(pumpUntil([&] { return count("hr") == 2; }));
    // Ctrl+Shift+S is the browser's; Ctrl+S writes the page.
    press("s", true);
    press("n", false);
    pumpUntil([] { return false; }, 1);
    EXPECT_EQ(page(), kPage);
    press("s", false);
    ASSERT_TRUE(pumpUntil([&] { return page() != kPage; }));
    EXPECT_NE(page().find("<tr><td><div>&nbsp;</div></td><td><div>&nbsp;</div></td></tr>"),
              std::string::npos);
    EXPECT_EQ(page().substr(page().size() - kGenerated.size()), kGenerated);
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

TEST_F(HtmlEditorTest, PastedContentIsCleaned) {
    open();
    run("document.getElementById('target').innerHTML = '<center>c</center><h4>head</h4>';"
        "document.dispatchEvent(new Event('paste'))");
    ASSERT_TRUE(pumpUntil([this] { return bodyShown().find("<center>") == std::string::npos; }));
    waitUntilSettled();
    EXPECT_NE(bodyShown().find("<div id=\"target\">c<div><font size=\"3\"><b>head</b></font></div></div>"),
              std::string::npos)
        << bodyShown();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].caption, "Unsupported Tags");
    EXPECT_EQ(m_ui.messages[0].text,
              "The following tags have been removed as the Editor does not support them:\n <CENTER>");
}

TEST_F(HtmlEditorTest, AClickedPictureIsSelectedAsOnePicture) {
    open();
    run("document.getElementById('web').dispatchEvent(new MouseEvent('mousedown', {bubbles: true}))");
    EXPECT_EQ(editor()->getDocument().getSelectionKind(), cHtmlDocument::SelectionKind::Control);
    EXPECT_EQ(editor()->getDocument().getSelectionElement(0).getAttribute("id"), "web");
    // What is pasted takes the picture's place.
    EXPECT_EQ(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_INSERT_TABLE), 1);
    const std::string body = bodyShown();
    EXPECT_EQ(body.find("id=\"web\""), std::string::npos) << body;
    EXPECT_NE(body.find("<div>text</div></td><td><div>text</div>"), std::string::npos) << body;
    EXPECT_NE(body.find("id=\"shared\""), std::string::npos);
}

TEST_F(HtmlEditorTest, EnterLeavesParagraphsAsLines) {
    open();
    run("document.getElementById('target').innerHTML = '<p>one</p><p></p><font> </font>';"
        "document.dispatchEvent(new KeyboardEvent('keyup', {key: 'Enter', bubbles: true}))");
    EXPECT_NE(bodyShown().find("<div id=\"target\"><div>one</div><div>&nbsp;</div></div>"), std::string::npos)
        << bodyShown();
}

// Adds a document with the values given.
class AddDocument : public wxExpectModalBase<CAddFile> {
public:
    AddDocument(int kind, std::string file, int entryKind)
        : m_kind(kind), m_file(std::move(file)), m_entryKind(entryKind) {}

protected:
    int OnInvoked(CAddFile* dialog) const override {
        dialog->m_referenceKind = m_kind;
        dialog->m_file = m_file.c_str();
        dialog->m_description = "The plan";
        dialog->m_entryKind = m_entryKind;
        dialog->OnInitDialog();
        dialog->OnOK();
        return static_cast<int>(wxID_OK);
    }

private:
    int m_kind;
    std::string m_file;
    int m_entryKind;
};

TEST_F(HtmlEditorTest, DocumentsAreCopiedOrReferredTo) {
    open();
    m_dir.write("docs/plan.txt", "plan");
    select("target", true);
    int added = 0;
    wxTEST_DIALOG(added = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_FILE),
                  AddDocument(CAddFile::kCopy, m_dir / "docs/plan.txt", 0));
    EXPECT_EQ(added, 1);
    // The project names the copy as it names files ("plan_txt").
    EXPECT_EQ(m_dir.read("Demo/site/Roles/Analyst/plan_txt"), "plan");
    select("intro", true);
    wxTEST_DIALOG(added = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_FILE),
                  AddDocument(CAddFile::kHttpReference, "http://example.com/plan.pdf", 0));
    EXPECT_EQ(added, 1);
    // A second copy of the same name is refused and inserts nothing.
    wxTEST_DIALOG(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_FILE),
                  AddDocument(CAddFile::kCopy, m_dir / "docs/plan.txt", 0));
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, loadString(32955));

    m_dialog->OnOK();
    const std::string saved = page();
    EXPECT_NE(saved.find("<a href=\"plan_txt\" target=\"_blank\"> plan.txt</a>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<a href=\"http://example.com/plan.pdf\" target=\"_blank\"> plan.pdf</a>"),
              std::string::npos)
        << saved;
    // A web address has no date.
    EXPECT_NE(saved.find("plan.pdf</a> </td>\r\n    <td width=\"23%\">Na</td>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<td width=\"53%\">The plan</td>"), std::string::npos);
}

TEST_F(HtmlEditorTest, ReferencesAreLinkedAsGivenWithTheirFilesDate) {
    open();
    m_dir.write("docs/plan v2.txt", "plan");
    std::tm noon{};
    noon.tm_year = 121;
    noon.tm_mon = 2;
    noon.tm_mday = 4;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const utimbuf times{std::mktime(&noon), std::mktime(&noon)};
    ASSERT_EQ(utime((m_dir / "docs/plan v2.txt").c_str(), &times), 0);

    // A file of the site's disk, relative to the page's folder, as lines of text.
    select("target", true);
    int added = 0;
    wxTEST_DIALOG(added = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_FILE),
                  AddDocument(CAddFile::kLocalReference, m_dir / "docs/plan v2.txt", 1));
    EXPECT_EQ(added, 1);
    // A web address in the same form keeps its address.
    select("intro", true);
    wxTEST_DIALOG(added = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_FILE),
                  AddDocument(CAddFile::kHttpReference, "http://example.com/plan.pdf", 1));
    EXPECT_EQ(added, 1);
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
    // A file whose date cannot be read is not referred to.
    const std::string before = bodyShown();
    wxTEST_DIALOG(m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_FILE),
                  AddDocument(CAddFile::kExternalReference, m_dir / "docs/missing.txt", 0));
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, loadString(32978));
    EXPECT_EQ(bodyShown(), before);
    EXPECT_EQ(m_dir.read("docs/plan v2.txt"), "plan");
    EXPECT_FALSE(m_dir.exists("Demo/site/Roles/Analyst/plan_v2_txt"));

    m_dialog->OnOK();
    const std::string saved = page();
    EXPECT_NE(saved.find("<a href=\"..\\..\\..\\..\\docs\\plan v2.txt\" target=\"_blank\"> plan v2.txt</a>"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("Modification date: 4/3/2021"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<a href=\"http://example.com/plan.pdf\" target=\"_blank\"> plan.pdf</a>"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("Modification date: Na"), std::string::npos) << saved;
}

TEST_F(HtmlEditorTest, ClearRemovesTheLinkAroundTheSelection) {
    m_dir.write("Demo/site/Roles/Analyst/overview.htm",
                "<html><body><div id=\"linked\"><a "
                "href=\"../Developer/overview.htm\">Developer</a></div></body></html>");
    open();
    select("linked");
    class Clear : public wxExpectModalBase<CInsertHyperlink> {
    protected:
        int OnInvoked(CInsertHyperlink* dialog) const override {
            static_cast<wxRadioButton*>(dialog->FindWindow(CInsertHyperlink::IDC_CLEAR))->SetValue(true);
            dialog->OnRadio();
            dialog->OnOK();
            return static_cast<int>(wxID_OK);
        }
    };
    int cleared = 0;
    wxTEST_DIALOG(cleared = m_dialog->OnToolbarCommand(CDHtmlEditDlg::ID_HYPERLINK), Clear());
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(bodyShown().find("<a "), std::string::npos) << bodyShown();
    EXPECT_NE(bodyShown().find("Developer"), std::string::npos);
}

TEST_F(HtmlEditorTest, TheSmallerDialogsOpenWithTheirControlsSet) {
    {
        CInsertHyperlink dialog(m_manager.get(), 1, m_item, 0, nullptr);
        ASSERT_TRUE(dialog.OnInitDialog());
        EXPECT_GT(dialog.getTree()->GetCount(), 20u);
        EXPECT_FALSE(dialog.FindWindow(CInsertHyperlink::IDC_ADDRESS)->IsEnabled());
        static_cast<wxRadioButton*>(dialog.FindWindow(CInsertHyperlink::IDC_EXTERNAL))->SetValue(true);
        dialog.OnRadio();
        EXPECT_TRUE(dialog.FindWindow(CInsertHyperlink::IDC_ADDRESS)->IsEnabled());
        EXPECT_FALSE(dialog.getTree()->IsEnabled());
        // The typed address counts, whatever the tree shows.
        static_cast<wxTextCtrl*>(dialog.FindWindow(CInsertHyperlink::IDC_ADDRESS))
            ->ChangeValue("http://example.com/");
        dialog.OnOK();
        EXPECT_EQ(dialog.GetLink(), "http://example.com/");
    }
    {
        CAddFile dialog(nullptr, "Analyst");
        ASSERT_TRUE(dialog.OnInitDialog());
        EXPECT_EQ(fromWx(static_cast<wxTextCtrl*>(dialog.FindWindow(CAddFile::IDC_ITEM_NAME))->GetValue()),
                  "Analyst");
        EXPECT_FALSE(dialog.FindWindow(CAddFile::IDC_FILE)->IsEnabled());
        static_cast<wxRadioButton*>(dialog.FindWindow(CAddFile::IDC_HTTP_REFERENCE))->SetValue(true);
        dialog.OnReferenceKind();
        EXPECT_TRUE(dialog.FindWindow(CAddFile::IDC_FILE)->IsEnabled());
        EXPECT_FALSE(dialog.FindWindow(CAddFile::IDC_NEW_REVISION)->IsEnabled());
        EXPECT_FALSE(dialog.FindWindow(CAddFile::IDC_SELECT_FILE)->IsEnabled());
        EXPECT_EQ(static_cast<wxTextCtrl*>(dialog.FindWindow(CAddFile::IDC_FILE))->GetValue(), "http://");
        static_cast<wxCheckBox*>(dialog.FindWindow(CAddFile::IDC_ADD_ENTRY))->SetValue(false);
        dialog.OnAddEntry();
        EXPECT_FALSE(dialog.FindWindow(CAddFile::IDC_DESCRIPTION)->IsEnabled());
        EXPECT_FALSE(dialog.FindWindow(1064)->IsEnabled()) << "the entry's group";
        static_cast<wxCheckBox*>(dialog.FindWindow(CAddFile::IDC_ADD_ENTRY))->SetValue(true);
        dialog.OnAddEntry();
        dialog.OnOK();
        EXPECT_EQ(dialog.m_referenceKind, CAddFile::kHttpReference);
    }
    {
        CTableProperties dialog(nullptr);
        dialog.m_width = "50%";
        dialog.m_lines = 2;
        ASSERT_TRUE(dialog.OnInitDialog());
        dialog.OnOK();
        EXPECT_EQ(dialog.m_width, "50%");
        EXPECT_EQ(dialog.m_lines, 2);
    }
    {
        CHrProperties dialog(nullptr);
        dialog.m_shade = CHrProperties::kNoShade;
        ASSERT_TRUE(dialog.OnInitDialog());
        dialog.OnOK();
        EXPECT_EQ(dialog.m_shade, CHrProperties::kNoShade);
    }
}

} // namespace
