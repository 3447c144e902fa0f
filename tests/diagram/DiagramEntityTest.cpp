// The entity base and the flowchart entity: geometry and size constraints,
// hit codes, selection with groups, the object commands, popup menus and the
// dialogs they open through the DiagramDialogs service.

#include "CDiagramEntity.h"
#include "CDiagramEntityContainer.h"
#include "CFlowchartEntity.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramDC.h"
#include "RecordingDiagramDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string show(const CRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::vector<UINT> ids(const DiagramMenu& menu) {
    std::vector<UINT> result;
    for (const DiagramMenuItem& item : menu.items())
        result.push_back(item.id);
    return result;
}

TEST(DiagramEntityTest, SizeConstraintsMoveOnlyRightAndBottom) {
    struct ConstraintCase {
        const char* what;
        CSize minimum;
        CSize maximum;
        double left, top, right, bottom;
        const char* rect;
    };
    const ConstraintCase cases[] = {
        {"within the limits", {6, 6}, {-1, -1}, 10, 20, 30, 40, "10,20,30,40"},
        {"too narrow", {6, 6}, {-1, -1}, 10, 20, 13, 40, "10,20,16,40"},
        {"too low", {6, 6}, {-1, -1}, 10, 20, 30, 22, "10,20,30,26"},
        {"turned round is below any minimum", {6, 6}, {-1, -1}, 30, 40, 10, 20, "30,40,36,46"},
        {"too wide and too high", {1, 1}, {128, 64}, 0, 0, 500, 500, "0,0,128,64"},
        {"no limits at all", {-1, -1}, {-1, -1}, 5, 5, 5, 5, "5,5,5,5"},
        {"widths of the truncated rectangle", {6, 6}, {-1, -1}, 0.9, 0, 6.5, 6, "0,0,6,6"},
    };
    for (const ConstraintCase& c : cases) {
        CDiagramEntity entity;
        entity.setConstraints(c.minimum, c.maximum);
        entity.setRect(c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(show(entity.getRect()), c.rect) << c.what;
    }
    // A condition placed as an empty rectangle at a point takes its minimum.
    CFlowchartEntityCondition condition;
    condition.setIntRect(CRect(100, 100, 100, 100));
    EXPECT_EQ(show(condition.getRect()), "100,100,136,132");
}

TEST(DiagramEntityTest, RectangleIsTruncatedAndZoomedAsDocumented) {
    struct Probe : CDiagramEntity {
        CRect drawn;
        void draw(DiagramDC&, CRect rect, int) override { drawn = rect; }
    };
    Probe entity;
    entity.setRect(10.9, -3.7, 20.2, 30.5);
    EXPECT_EQ(show(entity.getRect()), "10,-3,20,30");
    DiagramPicture picture(4, 4);
    DiagramDC dc(picture);
    entity.setRect(10, 20, 30, 40);
    entity.drawObject(dc, 1.5, 0);
    EXPECT_EQ(show(entity.drawn), "15,30,45,60");
    EXPECT_EQ(entity.getZoom(), 1.5);
}

TEST(DiagramEntityTest, HitCodesOfMarkersBeatTheBody) {
    struct HitCase {
        CPoint point;
        int code;
    };
    // Markers 8 x 8 centred on the corners and the side middles of 0,0,100,50.
    const HitCase cases[] = {
        {{50, 25}, DEHT_BODY},       {{0, 0}, DEHT_TOPLEFT},        {{-4, -4}, DEHT_TOPLEFT},
        {{-5, -5}, DEHT_NONE},       {{50, 0}, DEHT_TOPMIDDLE},     {{103, 2}, DEHT_TOPRIGHT},
        {{0, 50}, DEHT_BOTTOMLEFT},  {{52, 53}, DEHT_BOTTOMMIDDLE}, {{100, 50}, DEHT_BOTTOMRIGHT},
        {{-2, 25}, DEHT_LEFTMIDDLE}, {{100, 25}, DEHT_RIGHTMIDDLE}, {{99, 10}, DEHT_BODY},
        {{100, 10}, DEHT_NONE},      {{150, 25}, DEHT_NONE},
    };
    CDiagramEntity entity;
    entity.setRect(0, 0, 100, 50);
    for (const HitCase& c : cases)
        EXPECT_EQ(entity.getHitCode(c.point), c.code) << c.point.x << "," << c.point.y;
    // Where the markers of a small entity overlap, the higher code wins.
    entity.setRect(0, 0, 4, 4);
    EXPECT_EQ(entity.getHitCode(CPoint(2, 2)), DEHT_RIGHTMIDDLE);

    // A flowchart entity is hit on its body only; its handles are found in the rectangle.
    CFlowchartEntityTerminator terminator;
    terminator.setRect(0, 0, 128, 32);
    EXPECT_EQ(terminator.getHitCode(CPoint(-3, -3)), DEHT_NONE);
    EXPECT_EQ(terminator.getHitCodeInRect(CPoint(-3, -3), terminator.getRect()), DEHT_TOPLEFT);
    EXPECT_EQ(terminator.getHitCode(CPoint(10, 10)), DEHT_BODY);
}

TEST(DiagramEntityTest, InsideRectCountsAFlatEntityAsOnePixel) {
    CDiagramEntity entity;
    entity.setConstraints(CSize(-1, -1), CSize(-1, -1));
    entity.setRect(10, 10, 10, 20);
    EXPECT_TRUE(entity.isInsideRect(CRect(0, 0, 11, 30)));
    EXPECT_FALSE(entity.isInsideRect(CRect(0, 0, 10, 30)));
    entity.setRect(30, 30, 10, 10); // turned round
    EXPECT_TRUE(entity.isInsideRect(CRect(40, 40, 5, 5)));
    EXPECT_FALSE(entity.isInsideRect(CRect(12, 12, 40, 40)));
}

TEST(DiagramEntityTest, CursorsFollowTheHitCode) {
    const DiagramCursor expected[] = {DiagramCursor::none,   DiagramCursor::sizeAll,  DiagramCursor::sizeNWSE,
                                      DiagramCursor::sizeNS, DiagramCursor::sizeNESW, DiagramCursor::sizeNESW,
                                      DiagramCursor::sizeNS, DiagramCursor::sizeNWSE, DiagramCursor::sizeWE,
                                      DiagramCursor::sizeWE};
    CDiagramEntity entity;
    CFlowchartEntityTerminator terminator;
    for (int code = 0; code <= 9; ++code) {
        EXPECT_EQ(entity.getCursor(code), expected[code]) << code;
        EXPECT_EQ(terminator.getCursor(code), expected[code]) << code;
    }
}

TEST(DiagramEntityTest, SelectingAGroupedEntitySelectsItsGroupOnly) {
    CDiagramEntityContainer container;
    for (int group : {2, 2, 3, 0}) {
        auto entity = std::make_unique<CFlowchartEntityTerminator>();
        entity->setGroup(group);
        container.add(std::move(entity));
    }
    container.getAt(0)->select(TRUE);
    EXPECT_TRUE(container.getAt(1)->isSelected());
    EXPECT_FALSE(container.getAt(2)->isSelected());
    EXPECT_FALSE(container.getAt(3)->isSelected());
    // Deselecting touches this entity only.
    container.getAt(0)->select(FALSE);
    EXPECT_TRUE(container.getAt(1)->isSelected());
    // Each selection is later than the one before.
    container.getAt(2)->select(TRUE);
    container.getAt(3)->select(TRUE);
    EXPECT_LT(container.getAt(2)->getSelectionTime(), container.getAt(3)->getSelectionTime());
}

TEST(DiagramEntityTest, ObjectCommandsActOnTheContainer) {
    auto make = [] {
        auto container = std::make_unique<CDiagramEntityContainer>();
        for (int i = 0; i < 3; ++i) {
            auto entity = std::make_unique<CFlowchartEntityTerminator>();
            entity->setTitle(CString(char('A' + i)));
            container->add(std::move(entity));
        }
        container->getAt(1)->select(TRUE);
        return container;
    };
    auto titles = [](const CDiagramEntityContainer& container) {
        std::string text;
        for (int i = 0; i < container.getSize(); ++i)
            text += container.getAt(i)->getTitle().GetString();
        return text;
    };
    struct CommandCase {
        UINT command;
        int result;
        const char* titles;
        int pasteCount;
    };
    const CommandCase cases[] = {
        {CMD_CUT, 1, "AC", 1},      {CMD_COPY, 1, "ABC", 1},         {CMD_DUPLICATE, 1, "ABCB", 0},
        {CMD_UP, 1, "ACB", 0},      {CMD_DOWN, 1, "BAC", 0},         {CMD_TO_FRONT, 1, "ACB", 0},
        {CMD_TO_BACK, 1, "BAC", 0}, {CMD_SELECT_GROUP, 0, "ABC", 0}, {999, 0, "ABC", 0},
    };
    for (const CommandCase& c : cases) {
        auto container = make();
        CDiagramEntity* entity = container->getAt(1);
        EXPECT_EQ(entity->handleCommand(c.command, nullptr, nullptr), c.result) << c.command;
        EXPECT_EQ(titles(*container), c.titles) << c.command;
        EXPECT_EQ(container->getPasteCount(), c.pasteCount) << c.command;
    }
    // Duplicate leaves the original unselected and the copy selected under a new name.
    auto container = make();
    container->getAt(1)->handleCommand(CMD_DUPLICATE, nullptr, nullptr);
    EXPECT_FALSE(container->getAt(1)->isSelected());
    EXPECT_TRUE(container->getAt(3)->isSelected());
    EXPECT_NE(container->getAt(3)->getName(), container->getAt(1)->getName());
    EXPECT_EQ(container->getAt(3)->getLeft(), container->getAt(1)->getLeft() + 10);
    // An entity that is not selected handles nothing.
    EXPECT_EQ(container->getAt(0)->handleCommand(CMD_CUT, nullptr, nullptr), 0);
    EXPECT_EQ(container->getSize(), 4);
}

TEST(DiagramEntityTest, PopupMenusOfferLinkOnlyWhereLinksAttach) {
    RecordingDiagramDialogs dialogs;
    const std::vector<UINT> objectCommands = {
        CMD_PROPERTIES, 0, CMD_CUT, CMD_COPY, CMD_DUPLICATE, 0, CMD_UP, CMD_DOWN, CMD_TO_FRONT, CMD_TO_BACK};
    std::vector<UINT> withLink = objectCommands;
    withLink.insert(withLink.end(), {0, CMD_LINK});

    CDiagramEntity entity;
    CFlowchartEntityBox box;
    CFlowchartEntityTerminator terminator;
    entity.showPopupMenu(10, 20, nullptr);
    box.showPopupMenu(10, 20, nullptr);
    terminator.showPopupMenu(10, 20, nullptr);
    ASSERT_EQ(dialogs.menus.size(), 3u);
    EXPECT_EQ(ids(dialogs.menus[0]), objectCommands);
    EXPECT_EQ(ids(dialogs.menus[1]), objectCommands);
    EXPECT_EQ(ids(dialogs.menus[2]), withLink);
    EXPECT_EQ(dialogs.menus[2].items()[0].text, "Properties");
    EXPECT_EQ(dialogs.menus[2].items().back().text, "Link");
}

TEST(DiagramEntityTest, ModalDialogsStoreOnlyOnOk) {
    RecordingDiagramDialogs dialogs;
    CDiagramLine line;
    CFlowchartEntityBox box;
    CFlowchartEntityCondition condition;

    line.showProperties(nullptr, TRUE, 0); // cancelled
    EXPECT_EQ(line.getPenWidth(), 1);
    dialogs.okEdits.push_back([](CDiagramEntity& e) { static_cast<CDiagramLine&>(e).setPenWidth(3); });
    line.showProperties(nullptr, TRUE, 0);
    EXPECT_EQ(line.getPenWidth(), 3);
    line.showProperties(nullptr, FALSE, 0); // hiding a modal dialog does nothing

    dialogs.okEdits.push_back(
        [](CDiagramEntity& e) { static_cast<CFlowchartEntityBox&>(e).setLineWidth(4); });
    box.showGraphicalProperties(nullptr, TRUE);
    EXPECT_EQ(box.getLineWidth(), 4);

    // The condition opens its graphical properties for either command.
    condition.select(TRUE);
    condition.handleCommand(CMD_PROPERTIES, nullptr, nullptr);
    condition.handleCommand(CMD_GRAPHICAL_PROPERTIES, nullptr, nullptr);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"line", "line", "box", "gateway", "gateway"}));
}

TEST(DiagramEntityTest, ModelessDialogIsMadeOnceAndFollowsTheRectangle) {
    RecordingDiagramDialogs dialogs;
    CFlowchartEntityTerminator terminator;
    CFlowchartLabel label;
    terminator.setRect(0, 0, 10, 10); // no dialog yet: nothing to refresh
    terminator.showProperties(nullptr, FALSE, 0);
    EXPECT_TRUE(dialogs.modeless.empty());

    terminator.showProperties(nullptr, TRUE, 0);
    terminator.setRect(5, 5, 10, 10);
    terminator.showProperties(nullptr, FALSE, 0);
    terminator.showProperties(nullptr, TRUE, 1);
    EXPECT_EQ(dialogs.modeless, (std::vector<std::string>{"create", "show", "values", "focus", "values",
                                                          "hide", "show", "values", "focus"}));
    label.showProperties(nullptr, TRUE, 0);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"modeless 136", "modeless 142"}));
}

TEST(DiagramEntityTest, WithoutTheServiceNothingOpens) {
    CDiagramLine line;
    CFlowchartEntityTerminator terminator;
    CFlowchartEntityCondition condition;
    line.showProperties(nullptr, TRUE, 0);
    terminator.showProperties(nullptr, TRUE, 0);
    condition.editGraphicalProperties(nullptr);
    terminator.showPopupMenu(0, 0, nullptr);
    EXPECT_EQ(terminator.getPropertyDialog(), nullptr);
    EXPECT_EQ(line.getPenWidth(), 1);
}

TEST(DiagramEntityTest, ClonesKeepOrRenewTheName) {
    CFlowchartEntityTerminator terminator;
    terminator.setRect(10, 20, 138, 52);
    terminator.setTitle("Start");
    terminator.setTitleL2("D\xe9"
                          "but");
    terminator.setGroup(4);
    const auto same = terminator.clone(TRUE);
    const auto renamed = terminator.clone(FALSE);
    EXPECT_EQ(same->getName(), terminator.getName());
    EXPECT_NE(renamed->getName(), terminator.getName());
    // Everything the record holds comes along, the second-language title too.
    EXPECT_EQ(*same->recordLine(), *terminator.recordLine());
    EXPECT_EQ(renamed->getTitleL2(), terminator.getTitleL2());

    CFlowchartEntity first;
    CFlowchartEntity second;
    EXPECT_NE(first.getName(), second.getName());
}

TEST(DiagramEntityTest, RecordLineIsKeptUntilTheEntityChanges) {
    CFlowchartLabel label;
    label.setRect(0, 0, 50, 20);
    const auto before = label.recordLine();
    EXPECT_EQ(label.recordLine(), before);
    label.setFontName("Courier New");
    const auto after = label.recordLine();
    EXPECT_NE(after, before);
    EXPECT_NE(after->Find("Courier New"), -1);
    // An equal line of another object becomes the entity's own.
    auto other = std::make_shared<const CString>(*after);
    label.shareRecordLine(other);
    EXPECT_EQ(label.recordLine(), other);
    label.shareRecordLine(std::make_shared<const CString>("flowchart_label:something else;"));
    EXPECT_EQ(label.recordLine(), other);
}

} // namespace
