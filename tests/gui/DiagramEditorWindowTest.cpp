// The diagram editor in its window, driven as a person drives it: pointer
// and key events through the display move and resize entities and draw a
// rubber band; the window shows exactly the offscreen rendering; a property
// dialog goes when its entity goes; the size dialog keeps its ranges.

#include "CDiagramPropertyDlg.h"
#include "CDiagramSizeMgt.h"
#include "CFlowchartEditor.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartLabel.h"
#include "DiagramCanvas.h"
#include "DiagramDC.h"
#include "DiagramHostFrame.h"
#include "DiagramPicture.h"
#include "DialogLook.h"
#include "RealEvents.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "UserInterface.h"

#include <gtest/gtest.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include <string>

namespace {

class DiagramEditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new DiagramHostFrame("Diagram", CSize(1000, 1000), wxSize(600, 400));
        frame->Show();
        ASSERT_TRUE(realevents::waitUntil([this] { return frame->canvas().IsShownOnScreen(); }));
        frame->Raise();
        // Placed by the window manager and painted: the pointer finds it where it is.
        ASSERT_TRUE(realevents::waitUntil([this] {
            const wxImage shown = windowPicture(frame->canvas());
            const COLORREF paper = frame->editor().getBackgroundColor();
            return shown.IsOk() && shown.GetRed(20, 20) == (paper & 0xFF) &&
                   shown.GetBlue(20, 20) == ((paper >> 16) & 0xFF);
        }));
    }
    void TearDown() override {
        frame->Destroy();
        realevents::handlePending();
    }

    CDiagramEntity* addBox(int left, int top, int right, int bottom) {
        auto box = std::make_unique<CFlowchartEntityBox>();
        box->setRect(left, top, right, bottom);
        CDiagramEntity* added = box.get();
        frame->container().add(std::move(box));
        frame->canvas().redraw();
        return added;
    }
    wxPoint onScreen(int x, int y) const { return frame->canvas().ClientToScreen(wxPoint(x, y)); }

    // The editor's picture drawn offscreen, and what the display shows of
    // the canvas once it shows it (the display draws after the program); the
    // count of pixels that differ.
    int pixelsDifferingFromOffscreen() {
        int differing = -1;
        realevents::waitUntil([&] { return (differing = countDifferingPixels()) == 0; },
                              std::chrono::seconds(3));
        return differing;
    }
    int countDifferingPixels() {
        frame->canvas().Update();
        realevents::handlePending();
        const CSize client = frame->canvas().getClientSize();
        DiagramPicture offscreen(client.cx, client.cy, RGB(0, 0, 0));
        {
            DiagramDC dc(offscreen);
            frame->editor().paint(dc);
        }
        const wxImage shown = windowPicture(frame->canvas());
        int differing = 0;
        for (int y = 0; y < std::min(client.cy, shown.GetHeight()); ++y)
            for (int x = 0; x < std::min(client.cx, shown.GetWidth()); ++x) {
                const COLORREF pixel = offscreen.pixel(x, y);
                if (shown.GetRed(x, y) != (pixel & 0xFF) || shown.GetGreen(x, y) != ((pixel >> 8) & 0xFF) ||
                    shown.GetBlue(x, y) != ((pixel >> 16) & 0xFF))
                    ++differing;
            }
        return differing;
    }

    DiagramHostFrame* frame = nullptr;
    TempDir temp;
};

TEST_F(DiagramEditorWindowTest, MouseMovesResizesAndDrawsARubberBand) {
    CDiagramEntity* moved = addBox(96, 96, 198, 162);
    CDiagramEntity* other = addBox(396, 300, 456, 348);

    // A drag of the body moves it on the grid, its size kept.
    realevents::drag(onScreen(150, 130), onScreen(210, 190));
    ASSERT_TRUE(realevents::waitUntil([&] { return frame->editor().getInteractMode() == MODE_NONE; }));
    EXPECT_EQ(moved->getRect(), CRect(156, 156, 258, 222));
    EXPECT_TRUE(moved->isSelected());

    // A drag of the bottom-right handle resizes it.
    realevents::drag(onScreen(258, 222), onScreen(300, 250));
    ASSERT_TRUE(realevents::waitUntil([&] { return frame->editor().getInteractMode() == MODE_NONE; }));
    EXPECT_EQ(moved->getRect(), CRect(156, 156, 300, 252));

    // A drag over empty paper draws the band, part of the window's picture,
    // and selects what lies inside it.
    int differing = -1;
    bool banded = false;
    realevents::drag(onScreen(380, 280), onScreen(500, 380), [&] {
        banded = frame->editor().getInteractMode() == MODE_RUBBERBANDING;
        differing = pixelsDifferingFromOffscreen();
        savePicture(windowPicture(*frame), "diagram-editor-rubber-band", temp.path());
    });
    EXPECT_TRUE(banded);
    EXPECT_EQ(differing, 0);
    ASSERT_TRUE(realevents::waitUntil([&] { return other->isSelected(); }));
    EXPECT_FALSE(moved->isSelected());

    // An arrow key moves the selection one grid step; one undo brings it back.
    realevents::press(WXK_RIGHT);
    ASSERT_TRUE(realevents::waitUntil([&] { return other->getRect().left == 402; }));
    frame->editor().OnEditUndo();
    EXPECT_EQ(frame->container().getAt(1)->getRect(), CRect(396, 300, 456, 348));
}

TEST_F(DiagramEditorWindowTest, TheWindowShowsTheOffscreenRendering) {
    frame->editor().showGrid(TRUE);
    addBox(30, 30, 150, 90)->select(TRUE);
    addBox(200, 60, 320, 200);
    auto label = std::make_unique<CFlowchartLabel>();
    label->setRect(360, 120, 520, 160);
    label->setTitle("Quality review");
    frame->container().add(std::move(label));
    frame->canvas().redraw();
    EXPECT_EQ(pixelsDifferingFromOffscreen(), 0);

    // Zoomed and scrolled, still the same pixels.
    frame->editor().setZoom(1.37);
    frame->editor().setHScroll(45);
    frame->editor().setVScroll(20);
    frame->canvas().redraw();
    EXPECT_EQ(pixelsDifferingFromOffscreen(), 0);
    savePicture(windowPicture(*frame), "diagram-editor-host", temp.path());
}

TEST_F(DiagramEditorWindowTest, TheRightButtonsMenuPastesWhatWasCopied) {
    addBox(96, 96, 198, 162)->select(TRUE);
    frame->editor().OnEditCopy();
    frame->container().unselectAll();
    // Cut and Copy are greyed with nothing selected: the first item the
    // keys reach is Paste.
    realevents::EventScript script;
    script
        .step(
            "the editor's menu", [] { return realevents::menuShown(); },
            [] {
                realevents::press(WXK_DOWN);
                realevents::press(WXK_RETURN);
            })
        .step(
            "the menu closed", [] { return !realevents::menuShown(); }, [] {});
    script.start();
    realevents::rightClick(onScreen(400, 300));
    EXPECT_TRUE(script.waitForEnd()) << "stopped at " << script.failure();
    ASSERT_TRUE(realevents::waitUntil([this] { return frame->container().getSize() == 2; }));
    EXPECT_EQ(frame->container().getAt(1)->getRect(), CRect(106, 106, 208, 172));
}

TEST_F(DiagramEditorWindowTest, TheMiddleButtonPansWhileThePointerMoves) {
    wxUIActionSimulator user;
    user.MouseMove(onScreen(200, 150));
    user.MouseClick(wxMOUSE_BTN_MIDDLE);
    ASSERT_TRUE(realevents::waitUntil([this] { return frame->editor().isPanning(); }));
    // Right of and below the origin: the view follows on the timer.
    user.MouseMove(onScreen(300, 250));
    ASSERT_TRUE(realevents::waitUntil(
        [this] { return frame->editor().getHScroll() > 20 && frame->editor().getVScroll() > 20; }));
    EXPECT_EQ(pixelsDifferingFromOffscreen(), 0);
    user.MouseClick(wxMOUSE_BTN_MIDDLE);
    ASSERT_TRUE(realevents::waitUntil([this] { return !frame->editor().isPanning(); }));
    const int stopped = frame->editor().getHScroll();
    realevents::waitUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(frame->editor().getHScroll(), stopped);
}

// A property dialog for the test: the entity's title in an edit.
class TitleDialog : public CDiagramPropertyDlg {
public:
    explicit TitleDialog(wxWindow* parent) : CDiagramPropertyDlg(142, parent, "Label") {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(newEdit(1000), 0, wxEXPAND);
        finishLayout(sizer, wxOK);
    }
    void setValues() override {
        if (getEntity())
            setText(1000, getEntity()->getTitle());
    }
};

TEST_F(DiagramEditorWindowTest, APropertyDialogGoesWithItsEntity) {
    wxWeakRef<TitleDialog> opened;
    CDiagramPropertyDlg::registerTemplate(142, [&opened](wxWindow* parent) {
        auto* dialog = new TitleDialog(parent);
        opened = dialog;
        return dialog;
    });
    auto openOn = [&](CPoint at) {
        wxUIActionSimulator user;
        user.MouseMove(onScreen(at.x, at.y));
        user.MouseDblClick();
        return realevents::waitUntil([&] { return opened && opened->IsShown(); });
    };
    auto addLabel = [&] {
        auto label = std::make_unique<CFlowchartLabel>();
        label->setRect(120, 120, 240, 150);
        label->setTitle("Review");
        frame->container().add(std::move(label));
        frame->canvas().redraw();
    };

    addLabel();
    ASSERT_TRUE(openOn(CPoint(180, 135)));
    EXPECT_EQ(opened->getText(1000), CString("Review"));
    EXPECT_EQ(opened->GetParent(), &frame->canvas());

    // Deleted: the dialog goes.
    frame->editor().deleteSelected();
    EXPECT_TRUE(realevents::waitUntil([&] { return !opened; }));
    EXPECT_EQ(frame->container().getSize(), 0);

    // Undone: the entity comes back as a new object, and the old one's
    // dialog goes with the old one.
    frame->editor().OnEditUndo();
    ASSERT_EQ(frame->container().getSize(), 1);
    auto reopen = [&] {
        frame->editor().editSelectionProperties(1);
        return realevents::waitUntil([&] { return opened && opened->IsShown(); });
    };
    ASSERT_TRUE(reopen());
    frame->editor().OnKeyDown(editorinput::VK_LEFT, 1, 0);
    frame->editor().OnEditUndo();
    EXPECT_TRUE(realevents::waitUntil([&] { return !opened; }));

    // A new diagram takes every dialog with it.
    frame->container().getAt(0)->select(TRUE);
    ASSERT_TRUE(reopen());
    frame->editor().newDiagram();
    EXPECT_TRUE(realevents::waitUntil([&] { return !opened; }));
}

// The links of the flowchart editor under the pointer: link mode links the
// source to the entity clicked next, a click on the line picks the link, a
// drag of a bend point moves it on the grid and attaches the link's end
// again, and the window shows the links as the offscreen rendering does.
TEST_F(DiagramEditorWindowTest, ThePointerLinksTwoEntitiesAndDragsABendPoint) {
    auto addLinkable = [&](int left, int top, int right, int bottom) {
        auto label = std::make_unique<CFlowchartLabel>();
        label->setRect(left, top, right, bottom);
        label->setTitle("Step");
        CFlowchartEntity* added = label.get();
        frame->container().add(std::move(label));
        frame->canvas().redraw();
        return added;
    };
    CFlowchartEntity* a = addLinkable(60, 60, 160, 120);
    CFlowchartEntity* b = addLinkable(360, 60, 460, 120);
    CFlowchartEditor& editor = frame->editor();

    realevents::click(onScreen(100, 90));
    ASSERT_TRUE(realevents::waitUntil([&] { return a->isSelected(); }));
    editor.OnCommand(ID_LINK); // the Link item of a's popup: link mode
    realevents::click(onScreen(400, 90));
    ASSERT_TRUE(realevents::waitUntil([&] { return frame->container().getLinkCount() == 1; }));
    CFlowchartLink* link = frame->container().getLinkAt(0);
    EXPECT_EQ(link->getFromName(), a->getName());
    EXPECT_EQ(link->getToName(), b->getName());
    EXPECT_EQ(link->getFromSide(), LINK_RIGHT);
    EXPECT_EQ(link->getToSide(), LINK_LEFT);

    realevents::click(onScreen(250, 91));
    ASSERT_TRUE(
        realevents::waitUntil([&] { return link->isSelected() && editor.getInteractMode() == MODE_NONE; }));
    editor.OnCommand(ID_LINK_MODE_0 + 2);
    ASSERT_EQ(link->getPointCount(), 2);
    ASSERT_EQ(link->getIntermediaryPoint(0), CPoint(226, 90));

    int differing = -1;
    realevents::drag(onScreen(226, 90), onScreen(110, 301), [&] {
        differing = pixelsDifferingFromOffscreen();
        savePicture(windowPicture(*frame), "flowchart-link-bend-point-drag", temp.path());
    });
    ASSERT_TRUE(realevents::waitUntil([&] { return editor.getInteractMode() == MODE_NONE; }));
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(link->getIntermediaryPoint(0), CPoint(108, 300));
    EXPECT_EQ(link->getIntermediaryPoint(1), CPoint(293, 90));
    EXPECT_EQ(link->getFromSide(), LINK_BOTTOM);
    EXPECT_TRUE(link->isSelected());
    EXPECT_EQ(a->getRect(), CRect(60, 60, 160, 120));
    EXPECT_EQ(pixelsDifferingFromOffscreen(), 0);
}

TEST(DiagramSizeDialogTest, KeepsTheWidthAndHeightInTheirRanges) {
    RecordingUserInterface recorder;
    struct Case {
        const char* width;
        const char* height;
        bool accepted;
    };
    const Case cases[] = {
        {"10", "500", false},   {"2001", "500", false}, {"500", "2001", true}, {"20", "4000", true},
        {"500", "4001", false}, {"", "500", false},     {"2000", "20", true},
    };
    for (const Case& c : cases) {
        CDiagramSizeMgt dialog;
        dialog.m_width = 1000;
        dialog.m_height = 1000;
        dialog.OnInitDialog();
        EXPECT_EQ(dialog.getText(CDiagramSizeMgt::IDC_EDIT_WIDTH), CString("1000"));
        dialog.setText(CDiagramSizeMgt::IDC_EDIT_WIDTH, c.width);
        dialog.setText(CDiagramSizeMgt::IDC_EDIT_HEIGHT, c.height);
        dialog.OnOK();
        EXPECT_EQ(dialog.hasEnded(), c.accepted) << c.width << " x " << c.height;
        if (c.accepted) {
            EXPECT_EQ(dialog.m_width, std::atoi(c.width));
            EXPECT_EQ(dialog.m_height, std::atoi(c.height));
            EXPECT_TRUE(recorder.messages.empty());
        } else {
            ASSERT_EQ(recorder.messages.size(), 1u) << c.width << " x " << c.height;
            EXPECT_EQ(recorder.messages[0].text.Find("Please enter an integer between 20 and"), 0);
            EXPECT_EQ(dialog.m_width, 1000);
        }
        recorder.messages.clear();
    }
    CDiagramSizeMgt look;
    look.m_width = 1000;
    look.m_height = 800;
    look.OnInitDialog();
    TempDir temp;
    checkDialogLook(look, "diagram-size", temp.path());
}

} // namespace
