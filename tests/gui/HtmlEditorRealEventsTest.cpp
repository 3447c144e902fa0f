// The page editor driven as a person drives it: the pointer and the keys of
// the display (wxUIActionSimulator) on the real browser. A click puts the
// caret into the page and the arrow keys move it; the font-size box follows
// without the page being read back; OK is clicked and the file checked.

#include "CDHtmlEditDlg.h"
#include "CHtmlEditor.h"
#include "EventPump.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <wx/combobox.h>
#include <wx/uiaction.h>
#include <wx/webview.h>

namespace {

class HtmlEditorRealEventsTest : public testing::Test {
protected:
    // Opens the editor on the page and waits until it is editable and cleaned.
    void open(const std::string& page) {
        m_dir.write("site/Item/overview.htm", page);
        m_dialog =
            std::make_unique<CDHtmlEditDlg>(nullptr, nullptr, 0, (m_dir / "site/Item/overview.htm").c_str(),
                                            "Edit Item", (m_dir / "site/Item").c_str(), 0, 0, nullptr);
        ASSERT_TRUE(m_dialog->OnInitDialog());
        m_dialog->SetPosition(wxPoint(0, 0));
        m_dialog->Show();
        m_dialog->Raise();
        ASSERT_TRUE(pumpUntil([this] {
            CHtmlEditor* editor = m_dialog->getEditor();
            return m_dialog->isDesignReady() && editor->isReady() && !editor->isWaitingForReady() &&
                   !editor->isBusy();
        }));
    }
    std::string run(const std::string& script) {
        wxString result;
        EXPECT_TRUE(m_dialog->getEditor()->runScript(wxString::FromUTF8(script), &result)) << script;
        return std::string(result.utf8_str());
    }
    // Where the text of the element with that id begins, on the screen.
    wxPoint textOnScreen(const std::string& id) {
        const std::string place =
            run("(function () { var range = document.createRange();"
                " range.selectNodeContents(document.getElementById('" +
                id +
                "')); var box = range.getClientRects()[0];"
                " return Math.round(box.left + 3) + ' ' + Math.round(box.top + box.height / 2);"
                " })()");
        int x = 0, y = 0;
        EXPECT_EQ(std::sscanf(place.c_str(), "%d %d", &x, &y), 2) << place;
        return m_dialog->getEditor()->getView()->ClientToScreen(wxPoint(x, y));
    }
    void click(const wxPoint& where) {
        m_user.MouseMove(where);
        m_user.MouseClick();
    }
    wxString sizeShown() const {
        return static_cast<wxComboBox*>(m_dialog->FindWindow(CDHtmlEditDlg::IDC_FONT_SIZE))->GetValue();
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    wxUIActionSimulator m_user;
    std::unique_ptr<CDHtmlEditDlg> m_dialog;
};

TEST_F(HtmlEditorRealEventsTest, TheSizeBoxFollowsTheCaretWithoutThePageBeingReadBack) {
    open("<html><head><title>Sizes</title></head><body>\r\n"
         "<div><font id=\"points\" style=\"font-size: 15pt\">fifteen points</font></div>\r\n"
         "<div><font id=\"sized\" size=\"5\">size five</font></div>\r\n"
         "<div id=\"plain\">plain text</div>\r\n</body></html>\r\n");
    // Whatever reads the page back marks the selection's element in it, and
    // whatever hands it back replaces its content: a caret move does neither.
    run("window.testChanges = 0; new MutationObserver(function (records) {"
        " window.testChanges += records.length; }).observe(document.documentElement,"
        " {attributes: true, childList: true, characterData: true, subtree: true}); 'watching'");

    click(textOnScreen("points"));
    EXPECT_TRUE(pumpUntil([this] { return sizeShown() == "20"; })) << "15pt shows as " << sizeShown();
    m_user.Char(WXK_DOWN);
    EXPECT_TRUE(pumpUntil([this] { return sizeShown() == "24"; })) << "size 5 shows as " << sizeShown();
    m_user.Char(WXK_DOWN);
    // The page's own size, from the rule the editor gives BODY.
    EXPECT_TRUE(pumpUntil([this] { return sizeShown() == "14"; })) << "plain text shows as " << sizeShown();
    m_user.Char(WXK_UP);
    EXPECT_TRUE(pumpUntil([this] { return sizeShown() == "24"; })) << "back up shows " << sizeShown();

    EXPECT_EQ(run("String(window.testChanges)"), "0");
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
}

TEST_F(HtmlEditorRealEventsTest, NamedAnchorsSurviveAnOpenAndOk) {
    open("<html><head><title>Top</title></head><body>\r\n<a name=\"Top\"></a><a id=\"start\"></a>\r\n"
         "<div id=\"text\">Some text <a href=\"#Top\">To top</a></div>\r\n<a href=\"gone.htm\"></a>\r\n"
         "</body></html>\r\n");
    // Typed into the page, so that OK has something to write.
    click(textOnScreen("text"));
    m_user.Text("New ");
    ASSERT_TRUE(
        pumpUntil([this] { return run("document.getElementById('text').textContent").find("New") == 0; }));
    wxWindow* ok = m_dialog->FindWindow(wxID_OK);
    click(ok->GetScreenRect().GetPosition() + ok->GetSize() / 2);
    ASSERT_TRUE(pumpUntil([this] { return !m_dialog->IsShown(); }));

    const std::string saved = m_dir.read("site/Item/overview.htm");
    EXPECT_NE(saved.find("New Some text"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<a name=\"Top\"></a><a id=\"start\"></a>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<a href=\"#Top\">To top</a>"), std::string::npos) << saved;
    // An empty link without a name still goes.
    EXPECT_EQ(saved.find("gone.htm"), std::string::npos) << saved;
}

} // namespace
