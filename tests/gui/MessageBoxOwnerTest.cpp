// A message raised while a dialog runs belongs to that dialog: it is modal
// for it and stays above it, also after a click on the dialog.

#include "CNewProjectDlgMgt.h"
#include "ShownMainWindow.h"

using namespace realevents;

namespace {

class MessageBoxOwnerTest : public ShownMainWindow {};

// A point of the dialog that the message box does not cover.
wxPoint uncoveredPoint(const wxWindow& dialog) {
    const wxRect covered = messageBoxRect();
    const wxRect shown(dialog.ClientToScreen(wxPoint(0, 0)), dialog.GetClientSize());
    for (int y = shown.y + 10; y < shown.GetBottom(); y += 10)
        for (int x = shown.x + 10; x < shown.GetRight(); x += 10)
            if (!covered.Contains(x, y))
                return wxPoint(x, y);
    return shown.GetPosition() + wxPoint(10, 10);
}

TEST_F(MessageBoxOwnerTest, TheNewDialogsMessageStaysAboveItAfterAClickOnIt) {
    using clock = std::chrono::steady_clock;
    wxDialog* newDialog = nullptr;
    clock::time_point clicked;
    bool fellBehind = false;
    EventScript script;
    script
        .step(
            "the New dialog",
            [&newDialog] {
                return (newDialog = dynamic_cast<CNewProjectDlgMgt*>(topModalDialogUp())) != nullptr;
            },
            // OK with nothing filled in: the dialog says what is missing.
            [&newDialog] { click(centreOf(*newDialog->FindWindow(wxID_OK))); })
        .step(
            "its message above it",
            [&newDialog] { return messageBoxShown() && messageBoxIsAbove(newDialog); },
            [&newDialog, &clicked] {
                EXPECT_TRUE(messageBoxBelongsTo(newDialog)) << "the message belongs to another window";
                click(uncoveredPoint(*newDialog));
                clicked = clock::now();
            })
        // The window manager has had the time to raise what was clicked.
        .step(
            "a while after the click on the dialog",
            [&] {
                return !messageBoxIsAbove(newDialog) ||
                       clock::now() - clicked > std::chrono::milliseconds(1500);
            },
            [&] {
                fellBehind = !messageBoxIsAbove(newDialog);
                // The keys still go to the message: Enter answers it.
                EXPECT_TRUE(messageBoxIsActive()) << "the message lost the focus";
                press(WXK_RETURN);
            })
        // The dialog has the keys again: Escape cancels it.
        .step(
            "the message answered and the dialog active again",
            [&newDialog] { return !messageBoxShown() && newDialog->IsActive(); }, [] { press(WXK_ESCAPE); })
        .step(
            "the New dialog closed", [] { return !topModalDialog(); }, [] {});
    script.start();
    click(centreOf(control(CMenuCreatorDlg::IDC_NEW)));
    EXPECT_TRUE(script.waitForEnd()) << "stopped at: " << script.failure();
    EXPECT_FALSE(fellBehind) << "the message went behind the dialog that raised it";
}

} // namespace
