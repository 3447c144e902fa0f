// What the display shows of the main window's picture buttons: "Edit
// banner" and "Edit Diagram", disabled while the diagram editor is not part
// of the program, are drawn disabled in every state of the window, also
// while every other button is disabled too.

#include "ShownMainWindow.h"

#include "DialogLook.h"

#include <wx/gauge.h>

using namespace realevents;

namespace {

// Counts the caption's pixels in a button's picture on the screen: dark
// ones (an enabled caption, black) and embossed grey ones (a disabled one).
struct CaptionInk {
    int dark = 0;
    int grey = 0;
    int light = 0;
    int all = 0;
    // The display shows the button's face, not yet the black of a window
    // still to be drawn.
    bool faceShown() const { return light * 2 > all; }
};

CaptionInk captionInk(const wxImage& screen, const wxWindow& button) {
    const wxRect shown = button.GetScreenRect();
    CaptionInk ink;
    // Right of the icon band, inside the face's rim.
    for (int x = shown.x + 20; x < shown.GetRight() - 3; ++x)
        for (int y = shown.y + 3; y < shown.GetBottom() - 3; ++y) {
            const int r = screen.GetRed(x, y), g = screen.GetGreen(x, y), b = screen.GetBlue(x, y);
            if (r < 90 && g < 90 && b < 90)
                ++ink.dark;
            if (r == 160 && g == 160 && b == 160)
                ++ink.grey;
            if (r > 200 && g > 200 && b > 200)
                ++ink.light;
            ++ink.all;
        }
    return ink;
}

// A progress step that runs a check while the generation moves the bar.
class SteppedInterface : public WxUserInterface {
public:
    void setProgressPos(int position) override {
        WxUserInterface::setProgressPos(position);
        if (onStep)
            onStep();
    }
    std::function<void()> onStep;
};

class DisabledButtonsLookTest : public ShownMainWindow {
protected:
    void expectDrawnDisabled(const wxImage& screen, const char* state) {
        for (int id : {CMenuCreatorDlg::IDC_EDIT_BANNER, CMenuCreatorDlg::IDC_EDIT_DIAGRAM}) {
            const CaptionInk ink = captionInk(screen, control(id));
            EXPECT_EQ(ink.dark, 0) << state << ": button " << id << " has a black caption";
            EXPECT_GT(ink.grey, 10) << state << ": button " << id << " has no embossed caption";
        }
    }
};

TEST_F(DisabledButtonsLookTest, TheDiagramButtonsAreDrawnDisabledInEveryState) {
    // With the project open, next to enabled buttons.
    wxImage open;
    waitUntil([&open, this] {
        open = screenPicture();
        return captionInk(open, control(CMenuCreatorDlg::IDC_SITE_GENERATION)).faceShown() &&
               captionInk(open, control(CMenuCreatorDlg::IDC_EDIT_DIAGRAM)).faceShown() &&
               captionInk(open, control(CMenuCreatorDlg::IDC_EDIT_BANNER)).faceShown();
    });
    EXPECT_GT(captionInk(open, control(CMenuCreatorDlg::IDC_SITE_GENERATION)).dark, 10);
    expectDrawnDisabled(open, "project open");

    // Under a message box (no search text for "First").
    EventScript script;
    script.step("the message", messageBoxShown, [this] {
        expectDrawnDisabled(screenPicture(), "under a message box");
        answerMessageBox();
    });
    script.start();
    click(centreOf(control(CMenuCreatorDlg::IDC_SEARCH_FIRST)));
    EXPECT_TRUE(script.waitForEnd()) << "stopped at: " << script.failure();

    // During the generation, every other button disabled too.
    SteppedInterface stepped;
    ui::install(&stepped);
    stepped.setProgressBar(static_cast<wxGauge*>(&control(CMenuCreatorDlg::IDC_PROGRESS)));
    bool seen = false;
    stepped.onStep = [&] {
        if (seen || control(CMenuCreatorDlg::IDC_SITE_GENERATION).IsEnabled())
            return;
        // The first picture in which the display shows the others disabled.
        const wxImage generating = screenPicture();
        if (captionInk(generating, control(CMenuCreatorDlg::IDC_SITE_GENERATION)).dark > 0)
            return;
        seen = true;
        expectDrawnDisabled(generating, "during the generation");
    };
    m_main->OnSiteGeneration();
    stepped.setProgressBar(nullptr);
    ui::install(&m_ui);
    EXPECT_TRUE(seen) << "the other buttons were never drawn disabled during the generation";

    // Without a project.
    CMenuCreatorDlg empty("", nullptr);
    empty.OnInitDialog();
    empty.Show();
    ASSERT_TRUE(waitUntil([&empty] { return empty.IsShownOnScreen() && empty.IsActive(); }));
    waitUntil([&empty] { return empty.IsMaximized(); }, std::chrono::seconds(3));
    wxImage none;
    waitUntil([&none, &empty] {
        none = screenPicture();
        return captionInk(none, *empty.FindWindow(CMenuCreatorDlg::IDC_EDIT_DIAGRAM)).faceShown() &&
               captionInk(none, *empty.FindWindow(CMenuCreatorDlg::IDC_EDIT_BANNER)).faceShown();
    });
    for (int id : {CMenuCreatorDlg::IDC_EDIT_BANNER, CMenuCreatorDlg::IDC_EDIT_DIAGRAM}) {
        const CaptionInk ink = captionInk(none, *empty.FindWindow(id));
        EXPECT_EQ(ink.dark, 0) << "no project: button " << id << " has a black caption";
        EXPECT_GT(ink.grey, 10) << "no project: button " << id;
    }
}

} // namespace
