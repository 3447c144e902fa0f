// The main window's picture buttons and group captions, drawn by the
// program: what they paint, and how the buttons take the focus and click.

#include "CBitmapButtonAutoFocus.h"
#include "CCustomStatic.h"
#include "DialogLook.h"
#include "MainButtonBitmaps.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

namespace {

const wxSize kButtonSize(140, 26);

void handlePendingEvents() {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    for (int i = 0; i < 20; ++i)
        loop.YieldFor(wxEVT_CATEGORY_ALL);
}

// What a control draws through its drawing routine, on white.
template <typename Draw> wxImage drawn(const wxSize& size, Draw draw) {
    wxBitmap bitmap(size);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

bool isColour(const wxImage& image, int x, int y, const wxColour& colour) {
    return image.GetRed(x, y) == colour.Red() && image.GetGreen(x, y) == colour.Green() &&
           image.GetBlue(x, y) == colour.Blue();
}

// The columns where a colour appears, from the first to the last.
std::pair<int, int> columnsOf(const wxImage& image, const wxColour& colour) {
    int first = -1, last = -1;
    for (int x = 0; x < image.GetWidth(); ++x)
        for (int y = 0; y < image.GetHeight(); ++y)
            if (isColour(image, x, y, colour)) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first, last};
}

class OwnerDrawnControlsTest : public testing::Test {
protected:
    void TearDown() override { m_dialog->Destroy(); }
    wxDialog* m_dialog = new wxDialog(nullptr, wxID_ANY, "Buttons");
    TempDir m_dir;
};

TEST_F(OwnerDrawnControlsTest, CaptionsAreCentredRightOfTheIconOrOnTheWholeButton) {
    auto* add = new CBitmapButtonAutoFocus(m_dialog, 1010, "Add item");
    auto* first = new CBitmapButtonAutoFocus(m_dialog, 1016, "First");
    first->setIconOffset(0);
    const wxRect rect(wxPoint(0, 0), kButtonSize);
    EXPECT_EQ(add->captionRect(rect), wxRect(17, 0, kButtonSize.x - 17, kButtonSize.y));
    EXPECT_EQ(first->captionRect(rect), rect);
    EXPECT_TRUE(MainButtonBitmaps::hasIcon(1010));
    EXPECT_FALSE(MainButtonBitmaps::hasIcon(1016));
    EXPECT_FALSE(MainButtonBitmaps::hasIcon(1017));

    // The black caption of "First" lies about the middle of the whole
    // button; that of "Add item" about the middle of the part right of the band.
    const MainButtonBitmaps::Set faces = MainButtonBitmaps::forButton(1016, kButtonSize);
    first->LoadBitmaps(faces.normal, faces.selected, faces.focus);
    add->LoadBitmaps(MainButtonBitmaps::forButton(1010, kButtonSize).normal);
    EXPECT_EQ(add->GetBestSize(), kButtonSize);
    const auto centre = [](std::pair<int, int> columns) { return (columns.first + columns.second) / 2; };
    const auto firstText =
        columnsOf(drawn(kButtonSize, [&](wxDC& dc) { first->DrawItem(dc, rect, 0); }), *wxBLACK);
    const auto addText =
        columnsOf(drawn(kButtonSize, [&](wxDC& dc) { add->DrawItem(dc, rect, 0); }), *wxBLACK);
    EXPECT_NEAR(centre(firstText), kButtonSize.x / 2, 3);
    EXPECT_NEAR(centre(addText), 17 + (kButtonSize.x - 17) / 2, 3);
}

TEST_F(OwnerDrawnControlsTest, ADisabledCaptionIsEmbossed) {
    auto* button = new CBitmapButtonAutoFocus(m_dialog, 1400, "Site generation");
    button->LoadBitmaps(MainButtonBitmaps::forButton(1400, kButtonSize).normal);
    const wxRect rect(wxPoint(0, 0), kButtonSize);
    const wxImage image =
        drawn(kButtonSize, [&](wxDC& dc) { button->DrawItem(dc, rect, CBitmapButtonAutoFocus::kDisabled); });
    // Grey strokes with white ones one pixel down and right of them, and no black.
    const wxColour grey(160, 160, 160);
    int greyWithWhiteBelow = 0;
    for (int x = 0; x + 1 < image.GetWidth(); ++x)
        for (int y = 0; y + 1 < image.GetHeight(); ++y)
            if (isColour(image, x, y, grey) && isColour(image, x + 1, y + 1, *wxWHITE))
                ++greyWithWhiteBelow;
    EXPECT_GT(greyWithWhiteBelow, 10);
    EXPECT_EQ(columnsOf(image, *wxBLACK).first, -1);
}

TEST_F(OwnerDrawnControlsTest, AClickOrTheKeyboardSendsTheCommand) {
    auto* button = new CBitmapButtonAutoFocus(m_dialog, 1010, "Add item");
    int clicks = 0;
    m_dialog->Bind(
        wxEVT_BUTTON, [&clicks](wxCommandEvent&) { ++clicks; }, 1010);
    button->click();
    wxKeyEvent space(wxEVT_KEY_DOWN);
    space.m_keyCode = WXK_SPACE;
    button->GetEventHandler()->ProcessEvent(space);
    EXPECT_EQ(clicks, 2);
    // The mouse: a press and its release over the button, also when the
    // press is the second of a quick pair, which the toolkit calls a double click.
    button->SetSize(80, 24);
    m_dialog->Show();
    wxYield();
    for (wxEventType pressType : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK}) {
        wxMouseEvent pressed(pressType);
        pressed.SetPosition(wxPoint(40, 12));
        button->GetEventHandler()->ProcessEvent(pressed);
        wxMouseEvent released(wxEVT_LEFT_UP);
        released.SetPosition(wxPoint(40, 12));
        button->GetEventHandler()->ProcessEvent(released);
    }
    EXPECT_EQ(clicks, 4);
    button->Disable();
    button->click();
    EXPECT_EQ(clicks, 4);
    EXPECT_FALSE(button->AcceptsFocus());
}

TEST_F(OwnerDrawnControlsTest, TheMousePassingOverAButtonTakesTheFocusFromButtonsNotFromFields) {
    auto* edit = new wxTextCtrl(m_dialog, 1161, "typing");
    auto* add = new CBitmapButtonAutoFocus(m_dialog, 1010, "Add item");
    auto* remove = new CBitmapButtonAutoFocus(m_dialog, 1011, "Remove item");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    for (CBitmapButtonAutoFocus* button : {add, remove}) {
        button->LoadBitmaps(MainButtonBitmaps::forButton(button->GetId(), kButtonSize).normal);
        sizer->Add(button, 0, wxALL, 10);
    }
    sizer->Add(edit, 0, wxALL, 10);
    m_dialog->SetSizerAndFit(sizer);
    m_dialog->Show();
    handlePendingEvents();
    // Each button sees the pointer pass over it before the next step.
    const auto passOver = [](CBitmapButtonAutoFocus* button) {
        bool seen = false;
        button->Bind(wxEVT_MOTION, [&seen](wxMouseEvent& event) {
            seen = true;
            event.Skip();
        });
        wxUIActionSimulator user;
        user.MouseMove(button->GetScreenRect().GetPosition() + button->GetSize() / 2);
        for (int wait = 0; wait < 100 && !seen; ++wait)
            handlePendingEvents();
        EXPECT_TRUE(seen);
        handlePendingEvents();
    };

    add->SetFocus();
    handlePendingEvents();
    passOver(remove);
    EXPECT_EQ(wxWindow::FindFocus(), remove);
    EXPECT_TRUE(remove->currentState() & CBitmapButtonAutoFocus::kFocus);

    // Keys typed into the field stay there.
    edit->SetFocus();
    handlePendingEvents();
    passOver(add);
    EXPECT_EQ(wxWindow::FindFocus(), edit);
    EXPECT_FALSE(add->currentState() & CBitmapButtonAutoFocus::kFocus);
}

TEST_F(OwnerDrawnControlsTest, AGroupCaptionPaintsItsBandAndFrame) {
    auto* label = new CCustomStatic(m_dialog, 1390, "Item management");
    const wxSize size(160, 60);
    const wxImage image = drawn(size, [&](wxDC& dc) { label->paint(dc, size); });
    const wxColour band(225, 225, 225), frame(181, 165, 213);
    EXPECT_TRUE(isColour(image, 2, 2, band));
    EXPECT_TRUE(isColour(image, size.x - 3, 12, band));
    EXPECT_TRUE(isColour(image, 0, 30, frame));
    EXPECT_TRUE(isColour(image, size.x - 1, 30, frame));
    EXPECT_TRUE(isColour(image, 80, size.y - 1, frame));
    EXPECT_FALSE(isColour(image, 80, 30, frame));
    // The caption is dark, inside the band.
    bool black = false;
    for (int x = 0; x < size.x; ++x)
        for (int y = 0; y < size.y; ++y)
            if (image.GetRed(x, y) < 100 && image.GetGreen(x, y) < 100 && image.GetBlue(x, y) < 100) {
                black = true;
                EXPECT_LT(y, CCustomStatic::kBandHeight);
            }
    EXPECT_TRUE(black);
    // Lower than the band, the band fills the whole label.
    const wxSize low(100, 10);
    const wxImage small = drawn(low, [&](wxDC& dc) { label->paint(dc, low); });
    EXPECT_TRUE(isColour(small, 50, 8, band));
}

TEST_F(OwnerDrawnControlsTest, Looks) {
    // A group of the main window's buttons under its caption, one disabled.
    auto* group = new CCustomStatic(m_dialog, 1390, "Item management");
    auto* grid = new wxGridSizer(2, 2, 2);
    const struct {
        int id;
        const char* caption;
    } buttons[] = {{1010, "Add item"},  {1011, "Remove item"},     {1012, "Modify item"}, {1004, "View page"},
                   {1219, "Edit Html"}, {1006, "Edit Attributes"}, {1016, "First"},       {1017, "Next"}};
    const wxSize size(kButtonSize.x, group->GetCharHeight() + 12);
    for (const auto& b : buttons) {
        auto* button = new CBitmapButtonAutoFocus(group, b.id, b.caption);
        const MainButtonBitmaps::Set faces = MainButtonBitmaps::forButton(b.id, size);
        button->LoadBitmaps(faces.normal, faces.selected, faces.focus);
        button->setIconOffset(MainButtonBitmaps::hasIcon(b.id) ? 1 : 0);
        grid->Add(button);
        if (b.id == 1219)
            button->Disable();
    }
    group->setContent(grid);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, 1, wxEXPAND | wxALL, 10);
    m_dialog->SetSizerAndFit(sizer);
    checkDialogLook(*m_dialog, "owner-drawn-buttons", m_dir.path());
}

} // namespace
