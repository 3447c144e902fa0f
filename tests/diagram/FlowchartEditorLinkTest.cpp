// The flowchart editor's link side driven through its window's events and
// commands: linking in the order of selection and in link mode, the routing
// commands of the link popup, flip, break and delete, the link dialog's
// values taken back, picking and dragging bend points, and bend points that
// follow the entities' real moves.

#include "CFlowchartEditor.h"
#include "CFlowchartLabel.h"
#include "FlowchartLinkGeometry.h"
#include "RecordingDiagramDialogs.h"
#include "RecordingEditorWindow.h"
#include "StringTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace editorinput;

namespace {

class FlowchartEditorLinkTest : public ::testing::Test {
protected:
    FlowchartEditorLinkTest() {
        container.setVirtualSize(CSize(1000, 1000));
        window.editor = &editor;
        editor.create(&window, CRect(0, 0, 1000, 1000), &container);
    }

    CFlowchartEntity* box(int left, int top, int right, int bottom) {
        auto entity = std::make_unique<CFlowchartLabel>();
        entity->setRect(left, top, right, bottom);
        CFlowchartEntity* raw = entity.get();
        container.add(std::move(entity));
        return raw;
    }
    void click(CPoint point, UINT flags = 0) {
        editor.OnLButtonDown(MK_LBUTTON | flags, point);
        editor.OnLButtonUp(flags, point);
    }
    void drag(CPoint from, CPoint to) {
        editor.OnLButtonDown(MK_LBUTTON, from);
        editor.OnMouseMove(MK_LBUTTON, to);
        editor.OnLButtonUp(0, to);
    }
    void rightClick(CPoint point) {
        editor.OnRButtonDown(MK_RBUTTON, point);
        editor.OnRButtonUp(0, point);
    }
    // a (60, 60)-(160, 120) linked from its right side to b's left.
    CFlowchartLink* linkAB() {
        a = box(60, 60, 160, 120);
        b = box(360, 60, 460, 120);
        click(CPoint(100, 90));
        click(CPoint(400, 90), MK_CONTROL);
        dialogs.linkEdits.push_back([](LinkProperties&) {});
        editor.OnCommand(ID_LINK);
        return container.getLinkAt(0);
    }

    RecordingDiagramDialogs dialogs;
    RecordingEditorWindow window{CSize(1200, 1200)};
    CFlowchartEntityContainer container;
    CFlowchartEditor editor;
    CFlowchartEntity* a = nullptr;
    CFlowchartEntity* b = nullptr;
};

TEST_F(FlowchartEditorLinkTest, ALinkRunsFromTheEntitySelectedFirst) {
    for (const bool aFirst : {true, false}) {
        container.clearLinks();
        container.removeAll();
        a = box(60, 60, 160, 120);
        b = box(360, 60, 460, 120);
        click(aFirst ? CPoint(100, 90) : CPoint(400, 90));
        click(aFirst ? CPoint(400, 90) : CPoint(100, 90), MK_CONTROL);
        const int undos = container.getUndoCount();
        editor.OnCommand(ID_LINK);
        ASSERT_EQ(container.getLinkCount(), 1);
        const CFlowchartLink* link = container.getLinkAt(0);
        EXPECT_EQ(link->getFromName(), (aFirst ? a : b)->getName());
        EXPECT_EQ(link->getToName(), (aFirst ? b : a)->getName());
        EXPECT_EQ(link->getFromSide(), aFirst ? LINK_RIGHT : LINK_LEFT);
        // The new link's dialog came up unconfirmed (no Cancel) with its ends' types.
        ASSERT_FALSE(dialogs.linkDialogs.empty());
        EXPECT_EQ(dialogs.linkDialogs.back().unconfirmed, 1);
        EXPECT_EQ(dialogs.linkDialogs.back().sourceType, "flowchart_label");
        EXPECT_EQ(editor.getSelectCount(), 0);
        EXPECT_EQ(container.getUndoCount(), undos + 1);
    }
}

TEST_F(FlowchartEditorLinkTest, LinkModeLinksTheSourceToTheNextEntityClicked) {
    a = box(60, 60, 160, 120);
    b = box(360, 60, 460, 120);
    click(CPoint(100, 90));
    editor.OnCommand(ID_LINK);
    EXPECT_EQ(container.getLinkCount(), 0);
    editor.OnMouseMove(0, CPoint(300, 200));
    EXPECT_EQ(editor.getLastMousePosition(), CPoint(300, 200));
    editor.OnLButtonDown(MK_LBUTTON, CPoint(400, 90));
    ASSERT_EQ(container.getLinkCount(), 1);
    EXPECT_EQ(container.getLinkAt(0)->getFromName(), a->getName());
    editor.OnLButtonUp(0, CPoint(400, 90));
    // Link mode is over: another click selects without linking.
    click(CPoint(100, 90));
    EXPECT_EQ(container.getLinkCount(), 1);
}

TEST_F(FlowchartEditorLinkTest, TheLinkPopupRoutesWithRadioItems) {
    CFlowchartLink* link = linkAB();
    // A right click on the line selects that link alone and offers its popup.
    click(CPoint(100, 90));
    window.menuChoice = ID_LINK_MODE_0 + 5;
    rightClick(CPoint(250, 92));
    EXPECT_TRUE(link->isSelected());
    EXPECT_EQ(editor.getSelectCount(), 0);
    ASSERT_EQ(window.menus.size(), 1u);
    const auto& items = window.menus[0].items();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].id, ID_EDIT_LINK_NAME);
    EXPECT_EQ(items[1].id, ID_FLIP_LINK);
    EXPECT_EQ(items[2].id, ID_BREAK_LINK);
    EXPECT_TRUE(items[3].isSeparator());
    ASSERT_EQ(items[4].submenu.size(), 7u);
    for (int mode = 0; mode < 7; ++mode) {
        const DiagramMenuItem& item = items[4].submenu[mode];
        EXPECT_EQ(item.id, ID_LINK_MODE_0 + mode);
        EXPECT_EQ(item.text, loadString(ID_LINK_MODE_0 + mode));
        EXPECT_TRUE(item.radio);
        EXPECT_EQ(item.checked, mode == 0);
    }
    // Mode 5 was chosen: both ends on their left sides, a shared x.
    EXPECT_EQ(link->getRoutingMode(), 5);
    EXPECT_EQ(link->getFromSide(), LINK_LEFT);
    EXPECT_EQ(link->getToSide(), LINK_LEFT);
    ASSERT_EQ(link->getPointCount(), 2);
    EXPECT_EQ(link->getIntermediaryPoint(0).x, link->getIntermediaryPoint(1).x);

    window.menuChoice = 0;
    rightClick(CPoint(link->getIntermediaryPoint(0).x, 150));
    ASSERT_EQ(window.menus.size(), 2u);
    EXPECT_TRUE(window.menus[1].find(ID_LINK_MODE_0 + 5)->checked);
    EXPECT_FALSE(window.menus[1].find(ID_LINK_MODE_0)->checked);

    // Each routing command is one undo step.
    editor.OnEditUndo();
    EXPECT_EQ(container.getLinkAt(0)->getRoutingMode(), 0);
    EXPECT_EQ(container.getLinkAt(0)->getPointCount(), 0);
}

TEST_F(FlowchartEditorLinkTest, FlipBreakAndDeleteActOnTheSelectedLink) {
    CFlowchartLink* link = linkAB();
    click(CPoint(100, 90));
    click(CPoint(400, 90), MK_CONTROL);
    editor.OnCommand(ID_FLIP_LINK);
    EXPECT_EQ(link->getFromName(), b->getName());
    EXPECT_EQ(link->getFromSide(), LINK_LEFT);
    editor.OnCommand(ID_BREAK_LINK);
    EXPECT_EQ(container.getLinkCount(), 0);
    editor.OnEditUndo();
    ASSERT_EQ(container.getLinkCount(), 1);

    // Delete with only the link selected takes the link and no entity.
    editor.unselectAll();
    rightClick(CPoint(250, 92));
    editor.OnKeyDown(VK_DELETE, 1, 0);
    EXPECT_EQ(container.getLinkCount(), 0);
    EXPECT_EQ(container.getSize(), 2);
}

TEST_F(FlowchartEditorLinkTest, EveryCommandOfTheLinkDialogTakesBackEveryValue) {
    struct DialogCase {
        const char* what;
        void (*open)(CFlowchartEditor&);
    };
    const DialogCase cases[] = {
        {"properties", [](CFlowchartEditor& e) { e.editSelectionProperties(1); }},
        {"graphical properties", [](CFlowchartEditor& e) { e.editSelectionGraphicalProperties(); }},
        {"link label command", [](CFlowchartEditor& e) { e.OnCommand(ID_EDIT_LINK_NAME); }},
    };
    for (const DialogCase& c : cases) {
        container.clearLinks();
        container.removeAll();
        CFlowchartLink* link = linkAB();
        rightClick(CPoint(250, 92));
        const CString from = link->getFromName();
        dialogs.linkEdits.push_back([](LinkProperties& p) {
            p.label = "yes";
            p.labelL2 = "oui";
            p.routingMode = 2;
            p.flip = 1;
            p.linkKind = 7;
            p.labelSegment = 2;
            p.labelVerticalPosition = 0;
            p.labelHorizontalPosition = -1;
            p.fontSize = 16;
            p.fontName = "Courier New";
            p.color = RGB(10, 20, 30);
            p.bold = 1;
        });
        c.open(editor);
        EXPECT_EQ(dialogs.linkDialogs.back().unconfirmed, 0) << c.what; // confirmed when it was made
        EXPECT_EQ(link->getLabel(), "yes") << c.what;
        EXPECT_EQ(link->getLabelL2(), "oui") << c.what;
        EXPECT_EQ(link->getRoutingMode(), 2) << c.what;
        EXPECT_EQ(link->getPointCount(), 2) << c.what;
        EXPECT_EQ(link->getToName(), from) << c.what;
        EXPECT_EQ(link->getLinkKind(), 7) << c.what;
        EXPECT_EQ(link->getLabelSegment(), 2) << c.what;
        EXPECT_EQ(link->getLabelVerticalPosition(), 0) << c.what;
        EXPECT_EQ(link->getLabelHorizontalPosition(), -1) << c.what;
        EXPECT_EQ(link->getFontSize(), 16) << c.what;
        EXPECT_EQ(link->getFontName(), "Courier New") << c.what;
        EXPECT_EQ(RGB(link->getTextRed(), link->getTextGreen(), link->getTextBlue()), RGB(10, 20, 30))
            << c.what;
        EXPECT_EQ(link->isBold(), 1) << c.what;
        EXPECT_EQ(link->isNew(), 0) << c.what;

        // Cancel changes nothing.
        const CString before = link->toRecordString();
        c.open(editor);
        EXPECT_EQ(link->toRecordString(), before) << c.what;
    }
}

TEST_F(FlowchartEditorLinkTest, BendPointsArePickedAndDraggedByTheirMode) {
    CFlowchartLink* link = linkAB();
    rightClick(CPoint(250, 92));
    editor.OnCommand(ID_LINK_MODE_0 + 2); // points at (226, 90) and (293, 90)
    ASSERT_EQ(link->getIntermediaryPoint(0), CPoint(226, 90));
    editor.unselectAll();

    // Bend point 1 alone follows the mouse, snapped to the grid; on release
    // a's side nearest it is taken and the link is selected.
    editor.OnLButtonDown(MK_LBUTTON, CPoint(227, 91));
    EXPECT_EQ(editor.getInteractMode(), MODE_MOVING);
    EXPECT_TRUE(link->isFirstPointSelected());
    editor.OnMouseMove(MK_LBUTTON, CPoint(110, 301));
    EXPECT_EQ(link->getIntermediaryPoint(0), CPoint(108, 300));
    EXPECT_EQ(link->getIntermediaryPoint(1), CPoint(293, 90));
    editor.OnLButtonUp(0, CPoint(110, 301));
    EXPECT_EQ(link->getFromSide(), LINK_BOTTOM);
    EXPECT_TRUE(link->isSelected());
    EXPECT_FALSE(link->isFirstPointSelected());
    EXPECT_EQ(a->getRect(), CRect(60, 60, 160, 120)); // no entity moved

    // Mode 3 places its points itself: a press on one selects the link.
    editor.OnCommand(ID_LINK_MODE_0 + 3);
    editor.unselectAll();
    const CPoint point = link->getIntermediaryPoint(0);
    editor.OnLButtonDown(MK_LBUTTON, point);
    EXPECT_TRUE(link->isSelected());
    EXPECT_FALSE(link->isFirstPointSelected());
    editor.OnLButtonUp(0, point);
}

TEST_F(FlowchartEditorLinkTest, BendPointsFollowRealMovesOnly) {
    CFlowchartLink* link = linkAB();
    rightClick(CPoint(250, 92));
    editor.OnCommand(ID_LINK_MODE_0 + 2);
    const CPoint first = link->getIntermediaryPoint(0);
    click(CPoint(100, 90));
    click(CPoint(400, 90), MK_CONTROL);

    editor.OnKeyDown(VK_RIGHT, 1, 0); // one grid step
    EXPECT_EQ(a->getRect().left, 66);
    EXPECT_EQ(link->getIntermediaryPoint(0), first + CSize(6, 0));

    // Keys that move nothing leave the bend points where they are.
    window.ctrl = true;
    editor.OnKeyDown('A', 1, 0);
    editor.OnKeyDown(VK_INSERT, 1, 0);
    window.ctrl = false;
    EXPECT_EQ(link->getIntermediaryPoint(0), first + CSize(6, 0));

    // A link from an entity to itself follows that entity dragged alone.
    auto* c = box(600, 300, 700, 360);
    auto loop = std::make_unique<CFlowchartLink>();
    loop->setFromName(c->getName());
    loop->setToName(c->getName());
    loop->setFromSide(LINK_RIGHT);
    loop->setToSide(LINK_TOP);
    loop->addIntermediaryPoint(CPoint(750, 330));
    loop->addIntermediaryPoint(CPoint(750, 250));
    CFlowchartLink* self = loop.get();
    container.addLink(std::move(loop));
    drag(CPoint(650, 330), CPoint(710, 330));
    EXPECT_EQ(c->getRect().left, 660);
    EXPECT_EQ(self->getIntermediaryPoint(0), CPoint(810, 330));
    EXPECT_EQ(self->getIntermediaryPoint(1), CPoint(810, 250));
}

TEST_F(FlowchartEditorLinkTest, DraggingAnEntityCarriesItsChainAlong) {
    CFlowchartLink* link = linkAB();
    ASSERT_EQ(link->getPointCount(), 0);
    drag(CPoint(100, 90), CPoint(100, 150));
    EXPECT_EQ(a->getRect().top, 120);
    EXPECT_EQ(b->getRect().top, 120);
    EXPECT_EQ(link->getFromSide(), LINK_RIGHT);
}

TEST_F(FlowchartEditorLinkTest, TheEditorPopupGreysWhatCannotAct) {
    a = box(60, 60, 160, 120);
    b = box(360, 60, 460, 120);
    click(CPoint(100, 90));
    click(CPoint(400, 90), MK_CONTROL);
    rightClick(CPoint(800, 800));
    ASSERT_EQ(window.menus.size(), 1u);
    const DiagramMenu& unlinked = window.menus[0];
    EXPECT_TRUE(unlinked.find(ID_LINK)->enabled);
    EXPECT_FALSE(unlinked.find(ID_BREAK_LINK)->enabled);
    EXPECT_FALSE(unlinked.find(ID_FLIP_LINK)->enabled);
    EXPECT_FALSE(unlinked.find(ID_EDIT_LINK_NAME)->enabled);
    EXPECT_TRUE(unlinked.find(ID_EDIT_CUT)->enabled);
    EXPECT_FALSE(unlinked.find(ID_EDIT_PASTE)->enabled);
    EXPECT_TRUE(unlinked.find(ID_EDIT_GROUP)->enabled);
    EXPECT_FALSE(unlinked.find(ID_EDIT_UNGROUP)->enabled);

    editor.OnCommand(ID_LINK);
    click(CPoint(100, 90));
    click(CPoint(400, 90), MK_CONTROL);
    rightClick(CPoint(800, 800));
    ASSERT_EQ(window.menus.size(), 2u);
    EXPECT_FALSE(window.menus[1].find(ID_LINK)->enabled);
    EXPECT_TRUE(window.menus[1].find(ID_BREAK_LINK)->enabled);
    EXPECT_TRUE(window.menus[1].find(ID_EDIT_LINK_NAME)->enabled);
}

TEST_F(FlowchartEditorLinkTest, TheLinkRecordsFollowTheEntityLines) {
    linkAB();
    std::vector<CString> lines;
    editor.saveDiagram(lines);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "paper:1000,1000;");
    EXPECT_EQ(lines[3], container.getLinkAt(0)->toRecordString());
}

} // namespace
