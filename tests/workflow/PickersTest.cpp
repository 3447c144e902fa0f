// The colour and line-style buttons in a dialog, and "More Colors", driven
// as a person drives them: real pointer and key events on a display with a
// window manager. The dialog records what the buttons tell it, in order.

#include "CFOColorButton.h"
#include "CFOColorDialog.h"
#include "CFODropColorButton.h"
#include "CFODropLineTypeButton.h"
#include "CFODropPaletteWnd.h"
#include "CFOImageStatic.h"
#include "CFOPopupColorPaletteWnd.h"
#include "CFOPopupLineTypeWnd.h"
#include "CFOSystemColors.h"
#include "DialogLook.h"
#include "PickerEvents.h"
#include "RealEvents.h"
#include "TempDir.h"
#include "TolvaneDialog.h"
#include "WxPaletteDC.h"

#include <gtest/gtest.h>
#include <wx/colordlg.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/sizer.h>
#include <wx/uiaction.h>

using namespace realevents;

namespace {

constexpr int kColorButton = 1001;
constexpr int kLineButton = 1002;

struct Notice {
    std::string kind;
    int id;
    DWORD value;
    bool operator==(const Notice&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Notice& notice) {
    return out << notice.kind << "(" << notice.id << ", 0x" << std::hex << notice.value << std::dec << ")";
}

// A property dialog as the program's graphical dialogs hold the pickers:
// a colour and a line style exchanged by control id.
class PickerDialog : public TolvaneDialog {
public:
    PickerDialog() : TolvaneDialog(nullptr, "Pickers") {
        m_colorButton = new CFODropColorButton(this, kColorButton, wxDefaultPosition, wxSize(90, -1));
        m_lineButton = new CFODropLineTypeButton(this, kLineButton, wxDefaultPosition, wxSize(90, -1));
        auto* form = newForm();
        addFormRow(form, wxID_ANY, "&Fill colour:", m_colorButton);
        addFormRow(form, wxID_ANY, "&Line style:", m_lineButton);
        finishLayout(form);
        exchangeDropColorButton(kColorButton, &m_color);
        exchangeDropColorButton(kLineButton, &m_lineType);
        const std::pair<wxEventType, const char*> kinds[] = {
            {EVT_FO_COLOR_SELECTED, "color selected"}, {EVT_FO_COLOR_CANCEL, "color cancel"},
            {EVT_FO_COLOR_CHANGED, "color changed"},   {EVT_FO_LINETYPE_SELECTED, "line selected"},
            {EVT_FO_LINETYPE_CANCEL, "line cancel"},   {EVT_FO_LINETYPE_CHANGED, "line changed"}};
        for (const auto& [type, name] : kinds)
            Bind(wxEventTypeTag<wxCommandEvent>(type),
                 [this, name = std::string(name)](wxCommandEvent& event) {
                     m_notices.push_back({name, event.GetId(), pickerValue(event)});
                 });
    }

    CFODropColorButton* m_colorButton;
    CFODropLineTypeButton* m_lineButton;
    DWORD m_color = RGB(0xFF, 0x80, 0x80);
    DWORD m_lineType = 0;
    std::vector<Notice> m_notices;
};

class PickersTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(windowManagerRuns());
        m_dialog = new PickerDialog;
        m_dialog->OnInitDialog();
        m_dialog->Show();
        ASSERT_TRUE(waitUntil([this] { return m_dialog->IsShownOnScreen() && m_dialog->IsActive(); }));
    }
    void TearDown() override {
        TolvaneDialog::setModalRunner({});
        m_dialog->Destroy();
        handlePending();
    }

    CFODropColorButton& colorButton() { return *m_dialog->m_colorButton; }
    CFODropLineTypeButton& lineButton() { return *m_dialog->m_lineButton; }
    static bool popupShown(CFODropButton& button) {
        return button.getPopup() && button.getPopup()->IsShownOnScreen() &&
               button.getPopup()->getCanvas()->HasFocus();
    }
    static bool popupGone(CFODropButton& button) { return !button.getPopup() && !button.isDropped(); }
    // The centre of a cell of the open popup, on the screen.
    static wxPoint cellPoint(CFODropButton& button, const CRect& cell) {
        return button.getPopup()->getCanvas()->ClientToScreen(
            wxPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    }
    static COLORREF table(int row, int column) { return CFODropColorPaletteControl::tableColor(row, column); }
    // What the display shows of the dialog and the popup under it.
    void savePopupPicture(CFODropButton& button, const std::string& name) {
        const wxRect shown = m_dialog->GetScreenRect().Union(button.getPopup()->GetScreenRect()).Inflate(8);
        const wxRect screen(wxPoint(0, 0), wxGetDisplaySize());
        savePicture(screenPicture().GetSubImage(shown.Intersect(screen)), name, m_dir.path());
    }
    bool noticesAre(const std::vector<Notice>& expected) {
        return waitUntil([&] { return m_dialog->m_notices.size() >= expected.size(); }) &&
               m_dialog->m_notices == expected;
    }

    TempDir m_dir;
    PickerDialog* m_dialog = nullptr;
};

TEST_F(PickersTest, AClickDropsThePaletteAndAClickOnACellChoosesIt) {
    EXPECT_EQ(colorButton().getColor(), RGB(0xFF, 0x80, 0x80)) << "the dialog's colour went into the button";
    click(centreOf(colorButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    EXPECT_TRUE(colorButton().isDropped());
    auto& palette = static_cast<CFOPopupColorPaletteWnd*>(colorButton().getPopup())->getControl();
    EXPECT_EQ(palette.getCurrent(), RGB(0xFF, 0x80, 0x80));
    savePopupPicture(colorButton(), "colour-popup");

    // Green, row 2 and column 4.
    click(cellPoint(colorButton(), palette.getCell(20).getRect()));
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
    EXPECT_EQ(colorButton().getColor(), RGB(0, 255, 0));
    EXPECT_TRUE(noticesAre(
        {{"color selected", kColorButton, RGB(0, 255, 0)}, {"color changed", kColorButton, RGB(0, 255, 0)}}))
        << testing::PrintToString(m_dialog->m_notices);

    // The same colour again is a choice without a change.
    m_dialog->m_notices.clear();
    click(centreOf(colorButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    auto& again = static_cast<CFOPopupColorPaletteWnd*>(colorButton().getPopup())->getControl();
    click(cellPoint(colorButton(), again.getCell(20).getRect()));
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
    EXPECT_TRUE(noticesAre({{"color selected", kColorButton, RGB(0, 255, 0)}}))
        << testing::PrintToString(m_dialog->m_notices);

    m_dialog->OnOK();
    EXPECT_EQ(m_dialog->m_color, RGB(0, 255, 0)) << "OK reads the button's colour";
}

TEST_F(PickersTest, ArrowKeysPreviewAndEscapeKeepsThePreview) {
    colorButton().SetFocus();
    ASSERT_TRUE(waitUntil([this] { return colorButton().HasFocus(); }));
    press(WXK_DOWN);
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    // From FF8080 (row 1, column 1): right, then down.
    press(WXK_RIGHT);
    ASSERT_TRUE(waitUntil([this] { return colorButton().getColor() == table(1, 2); }));
    EXPECT_TRUE(colorButton().getPopup()->IsShown()) << "a preview leaves the popup open";
    press(WXK_DOWN);
    ASSERT_TRUE(waitUntil([this] { return colorButton().getColor() == table(2, 2); }));
    press(WXK_ESCAPE);
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
    EXPECT_EQ(colorButton().getColor(), table(2, 2)) << "Escape keeps the last preview";
    EXPECT_TRUE(noticesAre({{"color selected", kColorButton, table(1, 2)},
                            {"color changed", kColorButton, table(1, 2)},
                            {"color selected", kColorButton, table(2, 2)},
                            {"color changed", kColorButton, table(2, 2)},
                            {"color cancel", kColorButton, table(2, 2)}}))
        << testing::PrintToString(m_dialog->m_notices);
    handlePending();
    EXPECT_EQ(m_dialog->m_notices.size(), 5u)
        << "the closed popup told more: " << testing::PrintToString(m_dialog->m_notices);
    EXPECT_FALSE(m_dialog->hasEnded()) << "the popup's Escape reached the dialog";
    EXPECT_TRUE(m_dialog->IsShown());

    // Space drops it again; Enter chooses the colour shown.
    press(WXK_SPACE);
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    press(WXK_LEFT);
    press(WXK_RETURN);
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
    EXPECT_EQ(colorButton().getColor(), table(2, 1));
    EXPECT_FALSE(m_dialog->hasEnded());
}

TEST_F(PickersTest, AClickOutsideThePopupChoosesWhatItShows) {
    EXPECT_EQ(lineButton().getLineType(), 0);
    click(centreOf(lineButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(lineButton()); }));
    // The keys move the selection and tell nobody.
    press(WXK_DOWN);
    press(WXK_DOWN);
    auto& palette = static_cast<CFOPopupLineTypeWnd*>(lineButton().getPopup())->getControl();
    ASSERT_TRUE(waitUntil([&palette] { return palette.getCurrent() == 2; }));
    handlePending();
    EXPECT_EQ(lineButton().getLineType(), 0);
    EXPECT_TRUE(m_dialog->m_notices.empty());
    savePopupPicture(lineButton(), "line-style-popup");

    // A click on the dialog, away from the popup.
    const wxRect dialog = m_dialog->GetScreenRect();
    click(wxPoint(dialog.GetRight() - 10, dialog.y + 40));
    ASSERT_TRUE(waitUntil([this] { return popupGone(lineButton()); }));
    EXPECT_EQ(lineButton().getLineType(), 2);
    EXPECT_TRUE(noticesAre({{"line selected", kLineButton, 2}, {"line changed", kLineButton, 2}}))
        << testing::PrintToString(m_dialog->m_notices);

    // The click on a cell chooses it; Escape after an arrow takes its style.
    m_dialog->m_notices.clear();
    click(centreOf(lineButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(lineButton()); }));
    auto& again = static_cast<CFOPopupLineTypeWnd*>(lineButton().getPopup())->getControl();
    click(cellPoint(lineButton(), again.getCell(4).getRect()));
    ASSERT_TRUE(waitUntil([this] { return popupGone(lineButton()); }));
    click(centreOf(lineButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(lineButton()); }));
    press(WXK_UP);
    press(WXK_ESCAPE);
    ASSERT_TRUE(waitUntil([this] { return popupGone(lineButton()); }));
    EXPECT_TRUE(noticesAre({{"line selected", kLineButton, 4},
                            {"line changed", kLineButton, 4},
                            {"line cancel", kLineButton, 3},
                            {"line changed", kLineButton, 3}}))
        << testing::PrintToString(m_dialog->m_notices);
    m_dialog->OnOK();
    EXPECT_EQ(m_dialog->m_lineType, 3u);
}

TEST_F(PickersTest, CustomOpensMoreColorsWhoseCancelKeepsTheButtonsColour) {
    CFOColorDialog* shown = nullptr;
    const auto moreColorsUp = [&shown] {
        shown = dynamic_cast<CFOColorDialog*>(topModalDialogUp());
        return shown != nullptr;
    };
    EventScript cancelled;
    cancelled.step("More Colors", moreColorsUp, [&] {
        EXPECT_EQ(shown->getText(CFOColorDialog::IDC_RGB), CString("255,128,128"));
        EXPECT_FALSE(colorButton().isDropped()) << "the button is not pressed while More Colors runs";
        click(centreOf(*shown->FindWindow(wxID_CANCEL)));
    });
    cancelled.start();
    click(centreOf(colorButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    // A preview first: More Colors starts from the palette's colour.
    press(WXK_RIGHT);
    ASSERT_TRUE(waitUntil([this] { return m_dialog->m_notices.size() == 2; }));
    press(WXK_LEFT);
    ASSERT_TRUE(waitUntil([this] { return m_dialog->m_notices.size() == 4; }));
    m_dialog->m_notices.clear();
    auto& palette = static_cast<CFOPopupColorPaletteWnd*>(colorButton().getPopup())->getControl();
    click(cellPoint(colorButton(), palette.getCustomArea()));
    EXPECT_TRUE(cancelled.waitForEnd()) << "stopped at: " << cancelled.failure();
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
    EXPECT_EQ(colorButton().getColor(), RGB(0xFF, 0x80, 0x80));
    EXPECT_TRUE(noticesAre({{"color cancel", kColorButton, RGB(0xFF, 0x80, 0x80)}}))
        << testing::PrintToString(m_dialog->m_notices);

    // Chosen: the honeycomb's cell right of the centre, then OK.
    m_dialog->m_notices.clear();
    EventScript chosen;
    chosen.step("More Colors", moreColorsUp, [&] {
        const CPoint cell = shown->getPalette()->getControl().getCellCentre(1);
        click(shown->getPalette()->ClientToScreen(wxPoint(cell.x, cell.y)));
    });
    chosen.step(
        "the colour shown", [&] { return shown->getText(CFOColorDialog::IDC_HEX) == CString("FFE9E9"); },
        [&] { click(centreOf(*shown->FindWindow(wxID_OK))); });
    chosen.start();
    click(centreOf(colorButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    press(WXK_TAB);
    EXPECT_TRUE(chosen.waitForEnd()) << "stopped at: " << chosen.failure();
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
    EXPECT_EQ(colorButton().getColor(), RGB(255, 233, 233));
    EXPECT_TRUE(noticesAre({{"color selected", kColorButton, RGB(255, 233, 233)},
                            {"color changed", kColorButton, RGB(255, 233, 233)}}))
        << testing::PrintToString(m_dialog->m_notices);
}

TEST_F(PickersTest, ThePopupStaysInsideTheWorkArea) {
    const wxRect work = wxDisplay(0u).GetClientArea();
    m_dialog->Move(work.GetRight() - m_dialog->GetSize().x, work.GetBottom() - m_dialog->GetSize().y);
    // The window manager moves the frame first; the button is where the
    // display shows it once it lies inside the moved dialog.
    ASSERT_TRUE(waitUntil([this, &work] {
        return m_dialog->GetScreenRect().GetBottom() > work.GetBottom() - 60 &&
               m_dialog->GetScreenRect().Contains(colorButton().GetScreenRect());
    }));
    click(centreOf(colorButton()));
    ASSERT_TRUE(waitUntil([this] { return popupShown(colorButton()); }));
    const wxRect popup = colorButton().getPopup()->GetScreenRect();
    const wxRect button = colorButton().GetScreenRect();
    EXPECT_TRUE(work.Contains(popup)) << "popup at " << popup.x << "," << popup.y;
    EXPECT_EQ(popup.GetBottom() + 1, button.y) << "above the button";
    EXPECT_EQ(popup.GetSize(), wxSize(200, 150));
    press(WXK_ESCAPE);
    ASSERT_TRUE(waitUntil([this] { return popupGone(colorButton()); }));
}

// The sample lines of the line-style palette and button, drawn through the
// display's painter: 3 pixels high, flat ends, and the dashes that the
// diagram painter gives a 3-pixel pen of the style (3w/w for dashes, w/w
// for dots), so that the picker shows the line the diagram will draw.
TEST(PickerLineTest, SampleLinesHaveTheDiagramPaintersDashes) {
    struct Case {
        int style;
        const char* row;
    };
    const Case cases[] = {
        {palette::PS_SOLID, "##############################"},
        {palette::PS_DASH, "#########...#########...######"},
        {palette::PS_DOT, "###...###...###...###...###..."},
        {palette::PS_DASHDOT, "#########...###...#########..."},
        {palette::PS_DASHDOTDOT, "#########...###...###...######"},
    };
    for (const Case& c : cases) {
        wxBitmap bitmap(40, 12, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            WxPaletteDC painter(dc);
            painter.styledLine(5, 35, 6, c.style);
        }
        const wxImage image = bitmap.ConvertToImage();
        const auto rowAt = [&image](int y) {
            std::string row;
            for (int x = 5; x < 35; ++x)
                row += image.GetRed(x, y) < 128 ? '#' : '.';
            return row;
        };
        for (int y : {5, 6, 7})
            EXPECT_EQ(rowAt(y), c.row) << "style " << c.style << " row " << y;
        for (int y : {4, 8})
            EXPECT_EQ(rowAt(y), std::string(30, '.')) << "style " << c.style << " row " << y;
        EXPECT_FALSE(image.GetRed(4, 6) < 128 || image.GetRed(35, 6) < 128) << "style " << c.style;
    }
}

class MoreColorsTest : public testing::Test {
protected:
    void TearDown() override {
        TolvaneDialog::setModalRunner({});
        // A script that stopped between its press and its release leaves the
        // button held, and the next test's click would then be a release alone.
        if (wxGetMouseState().LeftIsDown()) {
            wxUIActionSimulator user;
            user.MouseUp();
        }
        handlePending();
    }
    TempDir m_dir;
};

TEST_F(MoreColorsTest, ShowsItsStartingColourAsNumbersAndInThePreview) {
    struct Case {
        COLORREF colour;
        const char* rgb;
        const char* hex;
    };
    for (const Case& c : {Case{0x0080FF, "255,128,0", "FF8000"}, Case{0xFFFFFF, "255,255,255", "FFFFFF"},
                          Case{0x010203, "3,2,1", "030201"}}) {
        CFOColorDialog dialog(nullptr);
        dialog.m_color = c.colour;
        ASSERT_TRUE(dialog.OnInitDialog());
        EXPECT_EQ(dialog.getText(CFOColorDialog::IDC_RGB), CString(c.rgb));
        EXPECT_EQ(dialog.getText(CFOColorDialog::IDC_HEX), CString(c.hex));
        EXPECT_EQ(dialog.getPreview()->getNewColor(), c.colour);
        EXPECT_EQ(dialog.getPreview()->m_currentColor, c.colour);
        EXPECT_EQ(dialog.getPalette()->getControl().getCurrent(), c.colour);
    }
    CFOColorDialog look(nullptr);
    look.m_color = 0x0080FF;
    look.OnInitDialog();
    checkDialogLook(look, "more-colors", m_dir.path());
}

TEST_F(MoreColorsTest, CustomAsksTheDesktopsColourDialog) {
    std::vector<std::string> asked;
    COLORREF answer = RGB(10, 20, 30);
    int result = wxID_OK;
    TolvaneDialog::setModalRunner([&](wxDialog& dialog) {
        auto* colours = dynamic_cast<wxColourDialog*>(&dialog);
        asked.push_back(colours ? "colour dialog" : "other");
        if (colours) {
            EXPECT_TRUE(colours->GetColourData().GetChooseFull());
            colours->GetColourData().SetColour(wxColour(answer & 0xFF, (answer >> 8) & 0xFF, answer >> 16));
        }
        return result;
    });
    CFOColorDialog dialog(nullptr);
    dialog.m_color = 0x0080FF;
    dialog.OnInitDialog();
    dialog.OnCustom();
    EXPECT_EQ(dialog.getText(CFOColorDialog::IDC_RGB), CString("10,20,30"));
    EXPECT_EQ(dialog.getText(CFOColorDialog::IDC_HEX), CString("0A141E"));
    EXPECT_EQ(dialog.m_color, RGB(10, 20, 30));
    EXPECT_EQ(dialog.getPalette()->getControl().getCurrent(), RGB(10, 20, 30));
    // Cancelled: nothing changes.
    answer = RGB(99, 99, 99);
    result = wxID_CANCEL;
    dialog.OnCustom();
    EXPECT_EQ(dialog.m_color, RGB(10, 20, 30));
    EXPECT_EQ(dialog.getText(CFOColorDialog::IDC_RGB), CString("10,20,30"));
    EXPECT_EQ(asked, (std::vector<std::string>{"colour dialog", "colour dialog"}));
}

TEST_F(MoreColorsTest, BelowEightBitsOnlyTheDesktopsDialogIsShown) {
    const CFOSystemColors saved = CFOSystemColors::colors();
    CFOSystemColors::colors().m_screenDepth = 4;
    std::vector<std::string> asked;
    TolvaneDialog::setModalRunner([&](wxDialog& dialog) {
        auto* colours = dynamic_cast<wxColourDialog*>(&dialog);
        asked.push_back(colours ? "colour dialog" : "More Colors");
        if (colours)
            colours->GetColourData().SetColour(wxColour(1, 2, 3));
        return wxID_OK;
    });
    CFOColorDialog dialog(nullptr);
    dialog.m_color = 0x0080FF;
    const int answer = dialog.DoModal();
    CFOSystemColors::colors() = saved;
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(dialog.m_color, RGB(1, 2, 3));
    EXPECT_EQ(asked, (std::vector<std::string>{"colour dialog"}));
    EXPECT_FALSE(dialog.IsShown());
}

TEST_F(MoreColorsTest, EscapeWhilePickingEndsThePickingOnly) {
    ASSERT_TRUE(CFOColorDialog::canReadScreen());
    CFOColorDialog dialog(nullptr);
    dialog.m_color = RGB(0, 0, 0);
    wxPoint target;
    EventScript script;
    script
        .step(
            "More Colors", [&dialog] { return topModalDialogUp() == &dialog; },
            [&] {
                const CPoint cell = dialog.getPalette()->getControl().getCellCentre(1);
                target = dialog.getPalette()->ClientToScreen(wxPoint(cell.x, cell.y));
                wxUIActionSimulator user;
                user.MouseMove(centreOf(*dialog.getSelect()));
                user.MouseDown();
            })
        .step(
            "picking", [&dialog] { return dialog.isPicking(); },
            [&] {
                wxUIActionSimulator user;
                const wxPoint from = centreOf(*dialog.getSelect());
                for (int i = 1; i <= 8; ++i)
                    user.MouseMove(from + (target - from) * i / 8);
            })
        .step(
            "the screen's colour shown",
            [&dialog] { return dialog.getText(CFOColorDialog::IDC_RGB) == CString("255,233,233"); },
            [] { press(WXK_ESCAPE); })
        .step(
            "the picking ended", [&dialog] { return !dialog.isPicking(); },
            [&] {
                EXPECT_TRUE(dialog.IsShown()) << "Escape while picking ended the dialog";
                EXPECT_EQ(dialog.getText(CFOColorDialog::IDC_HEX), CString("FFE9E9"));
                wxUIActionSimulator user;
                user.MouseMove(centreOf(*dialog.FindWindow(CFOColorDialog::IDC_CUSTOM)));
                user.MouseUp();
            })
        .step(
            "the colour kept",
            [&dialog] { return dialog.getText(CFOColorDialog::IDC_RGB) == CString("255,233,233"); },
            [] { press(WXK_ESCAPE); });
    script.start();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.waitForEnd()) << "stopped at: " << script.failure();
}

TEST_F(MoreColorsTest, TheHoneycombsArrowKeysShowEachCellAtOnce) {
    CFOColorDialog dialog(nullptr);
    dialog.m_color = RGB(255, 255, 255);
    std::vector<std::string> shown;
    const auto shows = [&dialog](const char* text) {
        return [&dialog, text] { return dialog.getText(CFOColorDialog::IDC_RGB) == CString(text); };
    };
    EventScript script;
    script
        .step(
            "More Colors", [&dialog] { return topModalDialogUp() == &dialog; },
            [&dialog] { dialog.getPalette()->SetFocus(); })
        .step(
            "the palette focused", [&dialog] { return dialog.getPalette()->HasFocus(); },
            [] { press(WXK_RIGHT); })
        .step("cell 1", shows("255,233,233"), [] { press(WXK_DOWN); })
        .step("cell 2", shows("255,254,233"), [] { press(WXK_LEFT); })
        .step("cell 1 again", shows("255,233,233"), [] { press(WXK_UP); })
        .step("the centre", shows("255,255,255"), [] { press(WXK_UP); })
        .step("the last grey", shows("0,0,0"), [] { press(WXK_RETURN); });
    script.start();
    EXPECT_EQ(dialog.DoModal(), IDOK) << "Enter in the palette is the dialog's OK";
    EXPECT_TRUE(script.waitForEnd()) << "stopped at: " << script.failure();
    EXPECT_EQ(dialog.m_color, RGB(0, 0, 0));
}

} // namespace
