// The dialog base as the program runs it: shown modally, opened once, ended
// by its buttons, the Escape key or the close box, with the answer of the
// handler that ended it.

#include "CMoveMenuItem.h"
#include "LanguageSelection.h"
#include "ModalScript.h"
#include "WinTypes.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/sizer.h>

namespace {

// Sends the window an event once its modal loop runs, as the display would.
void whenShown(wxWindow& window, wxEvent* event) {
    wxTheApp->CallAfter([&window, event] {
        window.GetEventHandler()->ProcessEvent(*event);
        delete event;
    });
}

wxEvent* click(wxWindow& window, int id) {
    auto* event = new wxCommandEvent(wxEVT_BUTTON, id);
    event->SetEventObject(window.FindWindow(id));
    return event;
}

TEST(TolvaneDialogTest, ShownModallyItOpensOnceAndEndsWithItsButtons) {
    LanguageSelection choice(nullptr);
    wxTheApp->CallAfter([&choice] {
        // Opened before it shows: the first language is checked.
        EXPECT_TRUE(choice.isChecked(LanguageSelection::IDC_LANGUAGE_1));
        choice.setChecked(LanguageSelection::IDC_LANGUAGE_2, true);
    });
    whenShown(choice, click(choice, wxID_OK));
    EXPECT_EQ(choice.DoModal(), IDOK);
    EXPECT_EQ(choice.m_language, 1);

    CMoveMenuItem move(1, nullptr);
    wxTheApp->CallAfter([&move] { move.setChecked(CMoveMenuItem::IDC_CHILD, true); });
    whenShown(move, click(move, wxID_CANCEL));
    EXPECT_EQ(move.DoModal(), IDCANCEL);
    // Shown again, it is not opened again: the choice stays.
    whenShown(move, click(move, wxID_OK));
    EXPECT_EQ(move.DoModal(), IDOK);
    EXPECT_EQ(move.m_position, 2);
}

TEST(TolvaneDialogTest, EscapeAndTheCloseBoxCancel) {
    LanguageSelection choice(nullptr);
    wxTheApp->CallAfter([&choice] { choice.setChecked(LanguageSelection::IDC_LANGUAGE_2, true); });
    auto* escape = new wxKeyEvent(wxEVT_CHAR_HOOK);
    escape->m_keyCode = WXK_ESCAPE;
    whenShown(choice, escape);
    EXPECT_EQ(choice.DoModal(), IDCANCEL);
    EXPECT_EQ(choice.m_language, 0);

    CMoveMenuItem move(1, nullptr);
    whenShown(move, new wxCloseEvent(wxEVT_CLOSE_WINDOW));
    EXPECT_EQ(move.DoModal(), IDCANCEL);
}

// A dialog whose opening fails, as the page editor's does when its browser
// cannot be made.
class UnopenableDialog : public TolvaneDialog {
public:
    UnopenableDialog() : TolvaneDialog(nullptr, "Unopenable") { finishLayout(new wxBoxSizer(wxVERTICAL)); }
    bool OnInitDialog() override {
        TolvaneDialog::OnInitDialog();
        ++m_openings;
        return false;
    }
    int m_openings = 0;
};

TEST(TolvaneDialogTest, ADialogThatCannotOpenIsNeverShownAndAnswersZero) {
    ModalScript script; // any window shown fails the test
    UnopenableDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 0);
    EXPECT_EQ(dialog.DoModal(), 0);
    EXPECT_EQ(dialog.m_openings, 1);
    EXPECT_TRUE(script.opened.empty());
}

} // namespace
