// The keyboard in the main window as the pointer moves over it: hovering a
// picture button changes no focus that typing relies on, a click on a
// button leaves the focus there only until the pointer is back on the
// window, and Enter opens Admin.

#include "CAdministratorAbout.h"
#include "ShownMainWindow.h"

#include "WxText.h"

#include <wx/textctrl.h>

using namespace realevents;

namespace {

class MainWindowKeysTest : public ShownMainWindow {
protected:
    void SetUp() override {
        ShownMainWindow::SetUp();
        m_main->Bind(
            wxEVT_BUTTON,
            [this](wxCommandEvent& event) {
                ++m_exitClicks;
                event.Skip();
            },
            CMenuCreatorDlg::IDC_EXIT);
    }
    wxTextCtrl& searchText() const {
        return static_cast<wxTextCtrl&>(control(CMenuCreatorDlg::IDC_SEARCH_TEXT));
    }
    // A point of the window itself, where no control is: below the search group.
    wxPoint windowBackground() const {
        const wxRect group = control(1065).GetScreenRect();
        return wxPoint(group.x + group.width / 2, group.GetBottom() + 40);
    }
    // Types into the search field after a click in it.
    void typeInSearchText(const char* text) {
        click(centreOf(searchText()));
        ASSERT_TRUE(waitUntil([this] { return wxWindow::FindFocus() == &searchText(); }));
        type(text);
        ASSERT_TRUE(waitUntil([this, text] { return fromWx(searchText().GetValue()) == text; }));
    }
    // The pointer rests on a window until it has seen the pointer come.
    void hover(wxWindow& window) {
        bool entered = false;
        window.Bind(wxEVT_MOTION, [&entered](wxMouseEvent& event) {
            entered = true;
            event.Skip();
        });
        moveTo(centreOf(window));
        EXPECT_TRUE(waitUntil([&entered] { return entered; }));
        handlePending();
    }

    int m_exitClicks = 0;
};

TEST_F(MainWindowKeysTest, HoveringAButtonLeavesTheTypingWhereItIs) {
    typeInSearchText("Test");
    // The pointer comes to rest on "Exit", and the typing goes on.
    hover(control(CMenuCreatorDlg::IDC_EXIT));
    EXPECT_EQ(wxWindow::FindFocus(), &searchText());
    type(" plan");
    EXPECT_TRUE(waitUntil([this] { return fromWx(searchText().GetValue()) == "Test plan"; }))
        << "typed: " << fromWx(searchText().GetValue());
    EXPECT_EQ(m_exitClicks, 0);
    EXPECT_TRUE(m_main->IsShown());
}

TEST_F(MainWindowKeysTest, AClickedButtonGivesTheFocusBackOnceThePointerIsOnTheWindow) {
    typeInSearchText("Test");
    click(centreOf(control(CMenuCreatorDlg::IDC_COLLAPSE_ALL)));
    ASSERT_TRUE(
        waitUntil([this] { return wxWindow::FindFocus() == &control(CMenuCreatorDlg::IDC_COLLAPSE_ALL); }));
    moveTo(windowBackground());
    EXPECT_TRUE(waitUntil([this] { return wxWindow::FindFocus() == &searchText(); }))
        << "the focus stayed on the button";
    type(" plan");
    EXPECT_TRUE(waitUntil([this] { return fromWx(searchText().GetValue()) == "Test plan"; }))
        << "typed: " << fromWx(searchText().GetValue());
}

TEST_F(MainWindowKeysTest, EnterOpensAdmin) {
    // From the search field and from the tree.
    for (const bool inTree : {false, true}) {
        if (inTree)
            click(nodeCentre("Glossary"));
        else
            click(centreOf(searchText()));
        ASSERT_TRUE(waitUntil([this, inTree] {
            return wxWindow::FindFocus() == (inTree ? static_cast<wxWindow*>(&tree()) : &searchText());
        }));
        EventScript script;
        script
            .step(
                "the Admin dialog",
                [] { return dynamic_cast<CAdministratorAbout*>(topModalDialogUp()) != nullptr; },
                [] { press(WXK_ESCAPE); })
            .step(
                "the Admin dialog closed", [] { return !topModalDialog(); }, [] {});
        script.start();
        press(WXK_RETURN);
        EXPECT_TRUE(script.waitForEnd())
            << (inTree ? "tree: " : "search field: ") << "stopped at " << script.failure();
    }
}

} // namespace
