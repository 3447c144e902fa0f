// The diagram editor driven headless through a recording window: scroll
// ranges, zoom, wheel and panning; the left-button modes with snap and
// restraints; one undo per gesture; the keys; the popup menus; the modeless
// property dialogs; painting that changes nothing.

#include "CDiagramEditor.h"
#include "CDiagramEntityContainer.h"
#include "CFlowchartEditor.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartLabel.h"
#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "PictureProbe.h"
#include "RecordingDiagramDialogs.h"
#include "RecordingEditorWindow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace editorinput;

namespace {

class DiagramEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        objs.setVirtualSize(CSize(1000, 1000));
        editor.create(&window, CRect(0, 0, 600, 400), &objs);
        window.editor = &editor;
    }

    CDiagramEntity* addBox(int left, int top, int right, int bottom) {
        auto box = std::make_unique<CFlowchartEntityBox>();
        box->setRect(left, top, right, bottom);
        CDiagramEntity* added = box.get();
        objs.add(std::move(box));
        return added;
    }
    CDiagramEntity* addLabel(int left, int top) {
        auto label = std::make_unique<CFlowchartLabel>();
        label->setRect(left, top, left + 80, top + 20);
        CDiagramEntity* added = label.get();
        objs.add(std::move(label));
        return added;
    }

    // Press, a few moves, release; flags held throughout.
    void drag(CPoint from, CPoint to, UINT flags = 0) {
        editor.OnLButtonDown(flags | MK_LBUTTON, from);
        for (int step = 1; step <= 4; ++step)
            editor.OnMouseMove(flags | MK_LBUTTON, CPoint(from.x + (to.x - from.x) * step / 4,
                                                          from.y + (to.y - from.y) * step / 4));
        editor.OnLButtonUp(flags, to);
    }
    void click(CPoint point, UINT flags = 0) {
        editor.OnLButtonDown(flags | MK_LBUTTON, point);
        editor.OnLButtonUp(flags, point);
    }
    void key(UINT code, bool shift = false, bool ctrl = false) {
        window.shift = shift;
        window.ctrl = ctrl;
        editor.OnKeyDown(code, 1, 0);
        window.shift = window.ctrl = false;
    }
    std::vector<CString> lines() {
        std::vector<CString> saved;
        saved.push_back(objs.toPaperRecord());
        for (int i = 0; i < objs.getSize(); ++i)
            saved.push_back(objs.getAt(i)->toRecordLine());
        return saved;
    }
    static CRect rectOf(const CDiagramEntity* entity) { return entity->getRect(); }

    // Before the entities, which may hold its dialogs until they go.
    RecordingDiagramDialogs dialogs;
    RecordingEditorWindow window;
    CDiagramEntityContainer objs;
    CDiagramEditor editor;
};

// ----- Scroll bars, zoom, wheel, panning -----

struct ScrollCase {
    CSize paper;
    double zoom;
    EditorScrollBar horizontal;
    EditorScrollBar vertical;
};
const ScrollCase kScrollCases[] = {
    {{1000, 1000}, 1.0, {true, 1000, 600, 0}, {true, 1000, 400, 0}},
    {{1000, 1000}, 2.0, {true, 2000, 600, 0}, {true, 2000, 400, 0}},
    {{1000, 1000}, 0.5, {false, 0, 0, 0}, {true, 500, 400, 0}},
    {{500, 300}, 1.0, {false, 0, 0, 0}, {false, 0, 0, 0}},
    // A paper of 0 x 0 follows the client area: no bars at zoom 1.
    {{0, 0}, 1.0, {false, 0, 0, 0}, {false, 0, 0, 0}},
};

TEST_F(DiagramEditorTest, ScrollBarsShowTheZoomedPaperInTheClientArea) {
    for (const ScrollCase& c : kScrollCases) {
        objs.setVirtualSize(c.paper);
        editor.setZoom(c.zoom);
        editor.updateScrollBars();
        EXPECT_EQ(window.bars[SB_HORZ], c.horizontal) << c.paper.cx << " zoom " << c.zoom;
        EXPECT_EQ(window.bars[SB_VERT], c.vertical) << c.paper.cx << " zoom " << c.zoom;
    }
    objs.setVirtualSize(CSize(0, 0));
    EXPECT_EQ(editor.getVirtualSize(), CSize(600, 400));
}

TEST_F(DiagramEditorTest, ScrollCodesMoveWithinTheRange) {
    struct Case {
        UINT code;
        int thumb;
        int expected;
    };
    const Case cases[] = {{SB_LINEDOWN, 0, 101},     {SB_LINEUP, 0, 99},    {SB_PAGEDOWN, 0, 401},
                          {SB_PAGEUP, 0, 0},         {SB_TOP, 0, 0},        {SB_BOTTOM, 0, 401},
                          {SB_THUMBTRACK, 250, 250}, {SB_ENDSCROLL, 0, 100}};
    for (const Case& c : cases) {
        editor.setHScroll(100);
        editor.OnHScroll(c.code, c.thumb);
        EXPECT_EQ(editor.getHScroll(), c.expected) << "code " << c.code;
    }
    // Scrolling shifts the mapping between window and diagram.
    editor.setVScroll(30);
    editor.setHScroll(20);
    EXPECT_EQ(editor.screenToVirtual(CPoint(5, 5)), CPoint(25, 35));
}

TEST_F(DiagramEditorTest, ZoomStaysWithinItsLimitsAndNeverReachesZero) {
    struct Case {
        double asked;
        double zoom;
    };
    const Case cases[] = {{12.0, 10.0}, {-1.0, editor.getZoomMin()}, {0.0, editor.getZoomMin()}, {2.5, 2.5}};
    for (const Case& c : cases) {
        editor.setZoom(c.asked);
        EXPECT_DOUBLE_EQ(editor.getZoom(), c.zoom) << c.asked;
    }
    EXPECT_GT(editor.getZoomMin(), 0.0);

    // The keypad's minus, pressed past the bottom, leaves a zoom that converts.
    editor.setZoom(0.05);
    for (int i = 0; i < 20; ++i)
        key(VK_SUBTRACT);
    EXPECT_GT(editor.getZoom(), 0.0);
    const CPoint converted = editor.screenToVirtual(CPoint(300, 200));
    EXPECT_EQ(converted, CPoint(30000, 20000));

    editor.setZoom(9.995);
    key(VK_ADD);
    EXPECT_DOUBLE_EQ(editor.getZoom(), 10.0);
}

TEST_F(DiagramEditorTest, WheelNotchesScrollOneUnitAndSmallDeltasAddUp) {
    editor.setVScroll(50);
    editor.OnMouseWheel(0, 120, CPoint());
    EXPECT_EQ(editor.getVScroll(), 49);
    editor.OnMouseWheel(0, -40, CPoint());
    editor.OnMouseWheel(0, -40, CPoint());
    EXPECT_EQ(editor.getVScroll(), 49);
    editor.OnMouseWheel(0, -40, CPoint());
    EXPECT_EQ(editor.getVScroll(), 50);

    // In zoom mode a wheel turned towards the user zooms in.
    editor.setWheelMode(WHEEL_ZOOM);
    editor.OnMouseWheel(0, -120, CPoint());
    EXPECT_DOUBLE_EQ(editor.getZoom(), 1.01);
    editor.OnMouseWheel(0, 120, CPoint());
    EXPECT_DOUBLE_EQ(editor.getZoom(), 1.0);
}

TEST_F(DiagramEditorTest, MiddleButtonPansOnTheTimerAndShowsTheDirection) {
    editor.setVScroll(50);
    editor.OnMButtonDown(MK_MBUTTON, CPoint(300, 200));
    ASSERT_TRUE(editor.isPanning());
    EXPECT_EQ(window.timers[kPanTimerId], 10);

    window.cursorPos = CPoint(348, 168);
    editor.OnTimer(kPanTimerId);
    EXPECT_EQ(editor.getHScroll(), 3);
    EXPECT_EQ(editor.getVScroll(), 48);
    EXPECT_EQ(window.timers.count(kPanTimerId), 1u);

    struct Direction {
        CPoint cursor;
        DiagramCursor shown;
    };
    const Direction directions[] = {
        {{320, 200}, DiagramCursor::sizeWE},   {{320, 220}, DiagramCursor::sizeNWSE},
        {{320, 180}, DiagramCursor::sizeNESW}, {{310, 150}, DiagramCursor::sizeNS},
        {{310, 250}, DiagramCursor::sizeNS},   {{280, 220}, DiagramCursor::sizeNESW},
        {{280, 180}, DiagramCursor::sizeNWSE}, {{280, 200}, DiagramCursor::sizeWE},
    };
    for (const Direction& d : directions) {
        window.cursorPos = d.cursor;
        EXPECT_EQ(editor.getPaperCursor(), d.shown) << d.cursor.x << "," << d.cursor.y;
    }

    // A key stops panning and its timer.
    key(VK_ESCAPE);
    EXPECT_FALSE(editor.isPanning());
    EXPECT_EQ(window.timers.count(kPanTimerId), 0u);

    // Without scroll bars a middle click pans nothing.
    objs.setVirtualSize(CSize(200, 200));
    editor.updateScrollBars();
    editor.OnMButtonDown(MK_MBUTTON, CPoint(100, 100));
    EXPECT_FALSE(editor.isPanning());
    EXPECT_TRUE(window.timers.empty());
}

// ----- Selection, moving, resizing -----

TEST_F(DiagramEditorTest, DraggingMovesTheEntityWithOneUndo) {
    CDiagramEntity* box = addBox(100, 100, 200, 160);
    const std::vector<CString> before = lines();
    objs.setModified(FALSE);
    const int undos = objs.getUndoCount();

    drag(CPoint(150, 130), CPoint(170, 155));
    EXPECT_EQ(rectOf(box), CRect(120, 125, 220, 185));
    EXPECT_TRUE(box->isSelected());
    EXPECT_TRUE(objs.isModified());
    EXPECT_EQ(objs.getUndoCount(), undos + 1);
    EXPECT_EQ(window.captures, 1);
    EXPECT_FALSE(window.captured);
    EXPECT_EQ(editor.getInteractMode(), MODE_NONE);

    editor.OnEditUndo();
    // The snapshot was taken with the box selected by the click.
    objs.unselectAll();
    EXPECT_EQ(lines(), before);
}

TEST_F(DiagramEditorTest, SnapKeepsTheMovedCornerOnTheGridAndTheSize) {
    editor.setSnapToGrid(TRUE);
    CDiagramEntity* box = addBox(100, 100, 200, 160);
    drag(CPoint(150, 130), CPoint(163, 141));
    const CRect rect = rectOf(box);
    EXPECT_EQ(rect.left % 6, 0);
    EXPECT_EQ(rect.top % 6, 0);
    EXPECT_EQ(rect.Width(), 100);
    EXPECT_EQ(rect.Height(), 60);
    EXPECT_EQ(rect, CRect(114, 114, 214, 174));
}

TEST_F(DiagramEditorTest, RestraintsStopMovesAtThePaper) {
    editor.setRestraints(RESTRAINT_VIRTUAL);
    CDiagramEntity* box = addBox(100, 100, 200, 160);
    drag(CPoint(150, 130), CPoint(10, 130));
    EXPECT_EQ(rectOf(box), CRect(0, 100, 100, 160));

    // A selection wider than the paper ends aligned with its right edge.
    objs.setVirtualSize(CSize(300, 300));
    editor.updateScrollBars();
    CDiagramEntity* wide = addBox(250, 200, 400, 250);
    box->select(TRUE);
    wide->select(TRUE);
    drag(CPoint(50, 130), CPoint(55, 130));
    EXPECT_EQ(rectOf(wide).right, 300);
    EXPECT_EQ(rectOf(box).left, -100);
}

TEST_F(DiagramEditorTest, CtrlClickTogglesAndNeverMoves) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    CDiagramEntity* b = addBox(300, 100, 400, 160);
    click(CPoint(150, 130));
    drag(CPoint(350, 130), CPoint(380, 150), MK_CONTROL);
    EXPECT_TRUE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
    EXPECT_EQ(rectOf(b), CRect(300, 100, 400, 160));
    click(CPoint(350, 130), MK_CONTROL);
    EXPECT_FALSE(b->isSelected());
    EXPECT_TRUE(a->isSelected());
}

TEST_F(DiagramEditorTest, DraggingOneOfSeveralSelectedMovesThemAll) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    CDiagramEntity* b = addBox(300, 100, 400, 160);
    a->select(TRUE);
    b->select(TRUE);
    const int undos = objs.getUndoCount();
    drag(CPoint(350, 130), CPoint(360, 150));
    EXPECT_EQ(rectOf(a), CRect(110, 120, 210, 180));
    EXPECT_EQ(rectOf(b), CRect(310, 120, 410, 180));
    EXPECT_EQ(objs.getUndoCount(), undos + 1);
    EXPECT_DOUBLE_EQ(editor.getMoveStepX(), 3.0); // the last of the four steps
}

TEST_F(DiagramEditorTest, HandlesResizeWithinTheEntitysLimits) {
    struct Case {
        CPoint handle;
        CPoint to;
        bool snap;
        CRect expected;
    };
    const Case cases[] = {
        {{200, 160}, {250, 190}, false, {100, 100, 250, 190}}, // bottom-right
        {{100, 100}, {90, 80}, false, {90, 80, 200, 160}},     // top-left
        {{150, 160}, {170, 200}, false, {100, 100, 200, 200}}, // bottom edge only
        {{200, 130}, {102, 130}, false, {100, 100, 106, 160}}, // right edge, kept 6 wide (minimum)
        {{200, 160}, {247, 191}, true, {100, 100, 246, 192}},  // snapped moving edges
    };
    for (const Case& c : cases) {
        objs.clearAll();
        CDiagramEntity* box = addBox(100, 100, 200, 160);
        editor.setSnapToGrid(c.snap ? TRUE : FALSE);
        drag(c.handle, c.to);
        EXPECT_EQ(rectOf(box), c.expected) << c.handle.x << "," << c.handle.y;
        EXPECT_EQ(objs.getUndoCount(), 1) << "one snapshot for the resize";
    }
}

TEST_F(DiagramEditorTest, RubberBandSelectsWhatLiesWhollyInside) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    CDiagramEntity* b = addBox(300, 100, 400, 160);
    CDiagramEntity* dot = addBox(500, 300, 501, 301);
    a->select(TRUE);

    editor.OnLButtonDown(MK_LBUTTON, CPoint(50, 50));
    EXPECT_FALSE(a->isSelected());
    EXPECT_EQ(editor.getInteractMode(), MODE_RUBBERBANDING);
    editor.OnMouseMove(MK_LBUTTON, CPoint(250, 200));
    EXPECT_EQ(editor.getRubberBand(), CRect(50, 50, 250, 200));
    editor.OnLButtonUp(0, CPoint(250, 200));
    EXPECT_TRUE(a->isSelected());
    EXPECT_FALSE(b->isSelected());

    // A band of no size selects the 2 x 2 units around the point.
    click(CPoint(500, 300));
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(dot->isSelected());
}

TEST_F(DiagramEditorTest, PlacingAddsTheTemplateWhereClicked) {
    // A box is pulled out by the button still down.
    editor.setSnapToGrid(TRUE);
    editor.startPlacingObject(std::make_unique<CFlowchartEntityBox>());
    EXPECT_EQ(window.cursors.back(), DiagramCursor::cross);
    editor.OnLButtonDown(MK_LBUTTON, CPoint(100, 101));
    EXPECT_EQ(editor.getInteractMode(), MODE_RESIZING);
    EXPECT_EQ(editor.getSubMode(), DEHT_BOTTOMRIGHT);
    editor.OnMouseMove(MK_LBUTTON, CPoint(160, 140));
    editor.OnLButtonUp(0, CPoint(160, 140));
    ASSERT_EQ(objs.getSize(), 1);
    EXPECT_EQ(rectOf(objs.getAt(0)), CRect(102, 102, 162, 138));
    EXPECT_EQ(objs.getUndoCount(), 1);
    EXPECT_EQ(editor.getInteractMode(), MODE_NONE);

    // A label opens its properties on placement.
    editor.startPlacingObject(std::make_unique<CFlowchartLabel>());
    click(CPoint(300, 300));
    ASSERT_EQ(objs.getSize(), 2);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"modeless 142"});

    // Outside the paper nothing is placed and placing ends.
    editor.setRestraints(RESTRAINT_VIRTUAL);
    editor.setZoom(0.5);
    editor.startPlacingObject(std::make_unique<CFlowchartEntityBox>());
    click(CPoint(550, 10));
    EXPECT_EQ(objs.getSize(), 2);
    EXPECT_EQ(editor.getInteractMode(), MODE_NONE);
}

TEST_F(DiagramEditorTest, PaperMarkersResizeThePaperWithOneUndo) {
    objs.setVirtualSize(CSize(300, 200));
    editor.updateScrollBars();
    editor.setAllowPaperResize(TRUE);
    addBox(10, 10, 250, 150);
    editor.setRestraints(RESTRAINT_VIRTUAL);
    objs.clearUndo();

    editor.OnLButtonDown(MK_LBUTTON, CPoint(300, 200));
    EXPECT_EQ(editor.getInteractMode(), MODE_BGRESIZING);
    EXPECT_EQ(editor.getSubMode(), DEHT_BOTTOMRIGHT);
    editor.OnMouseMove(MK_LBUTTON, CPoint(400, 250));
    EXPECT_EQ(objs.getVirtualSize(), CSize(400, 250));
    // The paper does not shrink under the entities.
    editor.OnMouseMove(MK_LBUTTON, CPoint(100, 100));
    EXPECT_EQ(objs.getVirtualSize(), CSize(250, 150));
    editor.OnLButtonUp(0, CPoint(100, 100));
    EXPECT_EQ(objs.getUndoCount(), 1);
    editor.OnEditUndo();
    EXPECT_EQ(objs.getVirtualSize(), CSize(300, 200));
}

TEST_F(DiagramEditorTest, ALostCaptureEndsTheGesture) {
    CDiagramEntity* box = addBox(100, 100, 200, 160);
    objs.setModified(FALSE);
    editor.OnLButtonDown(MK_LBUTTON, CPoint(150, 130));
    editor.OnMouseMove(MK_LBUTTON, CPoint(160, 140));
    editor.OnCaptureLost();
    EXPECT_EQ(editor.getInteractMode(), MODE_NONE);
    EXPECT_TRUE(objs.isModified());
    editor.OnMouseMove(0, CPoint(300, 300));
    EXPECT_EQ(rectOf(box), CRect(110, 110, 210, 170));
}

TEST_F(DiagramEditorTest, CursorsFollowHandlesAndPlacing) {
    CDiagramEntity* box = addBox(100, 100, 200, 160);
    box->select(TRUE);
    struct Case {
        CPoint at;
        DiagramCursor shown;
    };
    const Case cases[] = {{{200, 160}, DiagramCursor::sizeNWSE}, {{150, 100}, DiagramCursor::sizeNS},
                          {{200, 130}, DiagramCursor::sizeWE},   {{100, 160}, DiagramCursor::sizeNESW},
                          {{150, 130}, DiagramCursor::none},     {{400, 300}, DiagramCursor::none}};
    for (const Case& c : cases) {
        window.cursorPos = c.at;
        EXPECT_EQ(editor.getPaperCursor(), c.shown) << c.at.x << "," << c.at.y;
    }
    window.cursorPos = CPoint(400, 300);
    editor.OnSetCursor();
    EXPECT_EQ(window.cursors.back(), DiagramCursor::arrow);
    editor.startPlacingObject(std::make_unique<CFlowchartEntityBox>());
    EXPECT_EQ(editor.getPaperCursor(), DiagramCursor::cross);
}

// ----- Keys -----

TEST_F(DiagramEditorTest, ArrowKeysMoveOrResizeTheSelectionByOneStep) {
    struct Case {
        UINT key;
        bool shift;
        bool snap;
        double zoom;
        CRect start;
        CRect expected;
    };
    const CRect start(100, 100, 200, 160);
    const Case cases[] = {
        {VK_RIGHT, false, false, 1.0, start, {101, 100, 201, 160}},
        {VK_UP, false, false, 1.0, start, {100, 99, 200, 159}},
        {VK_LEFT, false, true, 1.0, {100, 102, 200, 162}, {96, 102, 196, 162}}, // a grid step, snapped
        {VK_RIGHT, true, false, 2.0, start, {100, 100, 201, 160}},              // never below 1 unit
        {VK_DOWN, true, true, 1.0, start, {100, 100, 198, 168}},                // both far edges snap
        {VK_LEFT, false, false, 0.5, start, {98, 100, 198, 160}},
    };
    for (const Case& c : cases) {
        objs.clearAll();
        CDiagramEntity* box = addBox(c.start.left, c.start.top, c.start.right, c.start.bottom);
        box->select(TRUE);
        editor.setSnapToGrid(c.snap ? TRUE : FALSE);
        editor.setZoom(c.zoom);
        key(c.key, c.shift);
        EXPECT_EQ(rectOf(box), c.expected) << "key " << c.key << " shift " << c.shift << " zoom " << c.zoom;
        EXPECT_EQ(objs.getUndoCount(), 1);
    }
}

TEST_F(DiagramEditorTest, KeyTableCommandsAndTheirSnapshots) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    CDiagramEntity* b = addBox(300, 100, 400, 160);

    key(VK_DELETE); // nothing selected: still a snapshot
    EXPECT_EQ(objs.getUndoCount(), 1);
    EXPECT_EQ(objs.getSize(), 2);

    key('A', false, true);
    EXPECT_TRUE(a->isSelected() && b->isSelected());
    key(VK_PRIOR); // Page Up with two selected does nothing
    EXPECT_EQ(objs.getAt(0), a);
    key('C', false, true); // a copy takes a snapshot
    EXPECT_EQ(objs.getUndoCount(), 2);
    EXPECT_EQ(objs.getPasteCount(), 2);
    key('X', false, true); // the cut and the delete
    EXPECT_EQ(objs.getUndoCount(), 4);
    EXPECT_EQ(objs.getSize(), 0);
    key('V', false, true);
    EXPECT_EQ(objs.getSize(), 2);
    key('Z', false, true);
    EXPECT_EQ(objs.getSize(), 0);
    key('Z', false, true);
    key('Z', false, true);
    ASSERT_EQ(objs.getSize(), 2);

    // Z-order keys act on a single selection and take no snapshot.
    objs.unselectAll();
    objs.getAt(0)->select(TRUE);
    CDiagramEntity* first = objs.getAt(0);
    const int undos = objs.getUndoCount();
    key(VK_PRIOR);
    EXPECT_EQ(objs.getAt(1), first);
    key(VK_NEXT, false, true);
    EXPECT_EQ(objs.getAt(0), first);
    EXPECT_EQ(objs.getUndoCount(), undos);

    // Insert duplicates the single selection 10 right and down, selected.
    key(VK_INSERT);
    ASSERT_EQ(objs.getSize(), 3);
    EXPECT_FALSE(first->isSelected());
    EXPECT_TRUE(objs.getAt(2)->isSelected());
    EXPECT_EQ(rectOf(objs.getAt(2)), CRect(rectOf(first).left + 10, rectOf(first).top + 10,
                                           rectOf(first).right + 10, rectOf(first).bottom + 10));

    // Escape cancels a placement.
    editor.startPlacingObject(std::make_unique<CFlowchartEntityBox>());
    key(VK_ESCAPE);
    click(CPoint(500, 300));
    EXPECT_EQ(objs.getSize(), 3);

    // With the key groups off, keys do nothing.
    editor.setKeyboardInterface(0);
    key(VK_DELETE);
    EXPECT_EQ(objs.getSize(), 3);
}

// ----- Popup menus -----

TEST_F(DiagramEditorTest, EditorMenuGreysWhatCannotAct) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    CDiagramEntity* b = addBox(300, 100, 400, 160);
    auto enabled = [this](UINT id) { return window.menus.back().find(id)->enabled; };

    editor.OnRButtonDown(MK_RBUTTON, CPoint(500, 300));
    editor.OnRButtonUp(0, CPoint(500, 300));
    ASSERT_EQ(window.menus.size(), 1u);
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(enabled(ID_EDIT_GROUP));

    a->select(TRUE);
    editor.OnEditCopy();
    editor.OnRButtonUp(0, CPoint(500, 300));
    EXPECT_TRUE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));

    // A click on one of a group selects the group: Group and Ungroup act.
    b->select(TRUE);
    editor.OnEditGroup();
    objs.unselectAll();
    click(CPoint(150, 130));
    EXPECT_TRUE(b->isSelected());
    editor.OnRButtonUp(0, CPoint(500, 300));
    EXPECT_TRUE(enabled(ID_EDIT_GROUP));
    EXPECT_TRUE(enabled(ID_EDIT_UNGROUP));

    // The chosen command reaches the editor.
    window.menuChoice = ID_EDIT_PASTE;
    editor.OnRButtonUp(0, CPoint(500, 300));
    EXPECT_EQ(objs.getSize(), 3);
}

TEST_F(DiagramEditorTest, RightClickOnTheSelectedEntityShowsItsOwnMenu) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    addBox(300, 100, 400, 160)->select(TRUE);
    editor.OnRButtonDown(MK_RBUTTON, CPoint(150, 130));
    EXPECT_TRUE(a->isSelected());
    EXPECT_EQ(editor.getSelectCount(), 1);
    editor.OnRButtonUp(0, CPoint(150, 130));
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"menu"});
    EXPECT_TRUE(window.menus.empty());
}

// ----- Property dialogs -----

// A box that keeps the mode its properties were asked with.
class ModeBox : public CFlowchartEntityBox {
public:
    std::vector<int>* modes = nullptr;
    void showProperties(EditorWindow*, BOOL show, int mode) override {
        if (show && modes)
            modes->push_back(mode);
    }
};

TEST_F(DiagramEditorTest, PropertiesGetTheModeOfTheirCommand) {
    std::vector<int> modes;
    auto box = std::make_unique<ModeBox>();
    box->setRect(100, 100, 200, 160);
    box->modes = &modes;
    objs.add(std::move(box));
    click(CPoint(150, 130));
    editor.OnLButtonDblClk(MK_LBUTTON, CPoint(150, 130));
    key(VK_RETURN, false, true);
    EXPECT_EQ(modes, (std::vector<int>{1, 0}));
}

TEST_F(DiagramEditorTest, AModelessDialogClosesWhenItsEntityGoes) {
    struct Case {
        const char* how;
        std::function<void(CDiagramEditor&, CDiagramEntityContainer&)> remove;
    };
    const Case cases[] = {
        {"delete", [](CDiagramEditor& e, CDiagramEntityContainer&) { e.deleteSelected(); }},
        {"cut", [](CDiagramEditor& e, CDiagramEntityContainer&) { e.OnEditCut(); }},
        {"undo of a move",
         [](CDiagramEditor& e, CDiagramEntityContainer&) {
             e.OnKeyDown(VK_RIGHT, 1, 0);
             e.OnEditUndo();
         }},
        {"reload", [](CDiagramEditor& e, CDiagramEntityContainer&) { e.newDiagram(); }},
    };
    for (const Case& c : cases) {
        objs.clearAll();
        dialogs.calls.clear();
        dialogs.modeless.clear();
        addLabel(100, 100);
        click(CPoint(110, 110));
        editor.OnLButtonDblClk(MK_LBUTTON, CPoint(110, 110));
        ASSERT_EQ(dialogs.calls, std::vector<std::string>{"modeless 142"}) << c.how;
        c.remove(editor, objs);
        ASSERT_FALSE(dialogs.modeless.empty());
        EXPECT_EQ(dialogs.modeless.back(), "destroyed") << c.how;
    }
    // Clicking elsewhere hides the dialog of an entity no longer selected.
    objs.clearAll();
    addLabel(100, 100);
    click(CPoint(110, 110));
    editor.OnLButtonDblClk(MK_LBUTTON, CPoint(110, 110));
    click(CPoint(400, 300));
    EXPECT_EQ(dialogs.modeless.back(), "hide");
}

// ----- Painting -----

TEST_F(DiagramEditorTest, PaintingChangesNothing) {
    CDiagramEntity* a = addBox(100, 100, 200, 160);
    addLabel(300, 100);
    a->select(TRUE);
    editor.showGrid(TRUE);
    objs.setModified(FALSE);
    const std::vector<CString> before = lines();
    const int undos = objs.getUndoCount();
    const int redraws = window.redraws;
    DiagramPicture picture(600, 400, RGB(0, 0, 0));
    {
        DiagramDC dc(picture);
        editor.paint(dc);
    }
    EXPECT_EQ(lines(), before);
    EXPECT_FALSE(objs.isModified());
    EXPECT_EQ(objs.getUndoCount(), undos);
    EXPECT_EQ(window.redraws, redraws);
    // The paper's colour where nothing else is.
    EXPECT_EQ(picture.pixel(401, 301), editor.getBackgroundColor());
}

TEST_F(DiagramEditorTest, GridLinesFallOnTheZoomedCells) {
    objs.setVirtualSize(CSize(60, 60));
    editor.setZoom(2.0);
    editor.showGrid(TRUE);
    DiagramPicture picture(600, 400, RGB(0, 0, 0));
    {
        DiagramDC dc(picture);
        editor.paint(dc);
    }
    const COLORREF grid = editor.getGridColor();
    for (int x = 0; x <= 124; ++x)
        EXPECT_EQ(picture.pixel(x, 5) == grid, x % 12 == 0 && x <= 120) << "x " << x;
    // Outside the paper the area keeps its own colour.
    EXPECT_NE(picture.pixel(200, 5), grid);
}

TEST_F(DiagramEditorTest, TheDotGridIsTheSameTiledAtEveryZoom) {
    RecordingEditorWindow flowWindow;
    CDiagramEntityContainer flowObjs;
    flowObjs.setVirtualSize(CSize(100, 90));
    CFlowchartEditor flow;
    flow.create(&flowWindow, CRect(0, 0, 600, 400), &flowObjs);
    flow.showGrid(TRUE);
    const COLORREF grid = flow.getGridColor();
    for (double zoom : {1.0, 1.01, 0.37, 2.5, 3.33, 0.99, 4.0}) {
        flow.setZoom(zoom);
        DiagramPicture picture(600, 400, RGB(0, 0, 0));
        {
            DiagramDC dc(picture);
            flow.paint(dc);
        }
        std::vector<std::vector<bool>> expected(400, std::vector<bool>(600, false));
        for (int i = 0; i <= 100 / 6; ++i)
            for (int j = 0; j <= 90 / 6; ++j) {
                const int x = CDiagramEditor::round(i * 6 * zoom), y = CDiagramEditor::round(j * 6 * zoom);
                if (x < 600 && y < 400)
                    expected[y][x] = true;
            }
        int wrong = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 600; ++x)
                wrong += (picture.pixel(x, y) == grid) != expected[y][x];
        EXPECT_EQ(wrong, 0) << "zoom " << zoom;
    }
}

TEST_F(DiagramEditorTest, TheRubberBandIsPartOfThePaint) {
    editor.OnLButtonDown(MK_LBUTTON, CPoint(50, 50));
    editor.OnMouseMove(MK_LBUTTON, CPoint(150, 120));
    DiagramPicture picture(600, 400, RGB(0, 0, 0));
    {
        DiagramDC dc(picture);
        editor.paint(dc);
    }
    // A dotted frame: every other pixel of its edges is black.
    const CRect box = inkBox(picture, editor.getBackgroundColor());
    int black = 0;
    for (int x = 50; x < 150; ++x)
        black += picture.pixel(x, 50) == RGB(0, 0, 0);
    EXPECT_EQ(black, 50);
    EXPECT_EQ(box, CRect(50, 50, 150, 120));
    editor.OnLButtonUp(0, CPoint(150, 120));
}

} // namespace
