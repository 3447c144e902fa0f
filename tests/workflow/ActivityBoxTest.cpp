#include "CActivityBox.h"
#include "DiagramEntityFactory.h"
#include "WorkflowProject.h"

#include <gtest/gtest.h>

namespace {

const char kFullRecord[] =
    "Activity:10.000000,20.000000,100.000000,56.000000,Write\\comma review,G1,N999,2,3,11,Ecrire,6,"
    "pic.bmp,1,0,1,0,1,0,4,10,20,30,16,Times New Roman,0;";

struct RecordCase {
    const char* name;
    const char* line;
    const char* written; // null: the line itself
};

const RecordCase kRecordCases[] = {
    {"every field", kFullRecord, nullptr},
    {"escapes in both titles",
     "Activity:0.000000,0.000000,90.000000,36.000000,a\\colon b\\semicolon c\\newline d,G2,,0,1,10,"
     "\\comma\\colon,0,,0,0,0,0,0,0,0,0,0,0,14,Arial,1;",
     nullptr},
    {"older layout of 11 fields", "Activity:1.000000,2.000000,91.000000,38.000000,Old,G3,,0,5,2,Vieux;",
     "Activity:1.000000,2.000000,91.000000,38.000000,Old,G3,,0,5,2,Vieux,0,,0,0,0,0,0,0,0,0,0,0,12,Arial,0;"},
    {"plaque grows to its minimum size",
     "Activity:0.000000,0.000000,10.000000,10.000000,P,G4,,0,0,3,,0,,0,0,0,0,0,0,0,0,0,0,14,Arial,1;",
     "Activity:0.000000,0.000000,38.000000,50.000000,P,G4,,0,0,3,,0,,0,0,0,0,0,0,0,0,0,0,14,Arial,1;"},
};

TEST(ActivityBoxRecordTest, ReadsAndWritesEachLayout) {
    for (const RecordCase& c : kRecordCases) {
        std::unique_ptr<CDiagramEntity> entity = createDiagramEntityFromRecord(c.line, nullptr);
        ASSERT_TRUE(entity) << c.name;
        ASSERT_TRUE(dynamic_cast<CActivityBox*>(entity.get())) << c.name;
        EXPECT_EQ(entity->toRecordLine().str(), c.written ? c.written : c.line) << c.name;
    }
}

TEST(ActivityBoxRecordTest, OlderLayoutTakesTheDefaultCaption) {
    CActivityBox box;
    ASSERT_TRUE(box.loadFromRecord("Activity:1,2,91,38,Old,G3,,0,5,2,Vieux;"));
    EXPECT_EQ(box.getFontName(), "Arial");
    EXPECT_EQ(box.getFontSize(), 12);
    EXPECT_EQ(box.getBold(), 0);
    EXPECT_EQ(box.getTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(box.getTaskType(), 0);
    EXPECT_EQ(box.getNotationKind(), 5);
    EXPECT_EQ(box.getTitleL2(), "Vieux");
}

TEST(ActivityBoxRecordTest, HandsBackTheFieldsBeyondItsOwn) {
    CActivityBox box;
    CString fields = CString(kFullRecord).Mid(9);
    fields = fields.Left(fields.GetLength() - 1) + ",extra,more;";
    ASSERT_TRUE(box.parseRecordFields(fields));
    EXPECT_EQ(fields, "extra,more");
    EXPECT_EQ(box.getFontName(), "Times New Roman");
    EXPECT_EQ(box.getEventTrigger(), 4);
}

TEST(ActivityBoxRecordTest, RefusesTooFewFieldsAndOtherKeywords) {
    for (const char* line :
         {"Activity:1,2,3,4,a,b;", "activity:1,2,3,4,a,b,c,0,1,10,;", "Activities:1,2,3,4,a,b,c,0;"}) {
        CActivityBox box;
        EXPECT_FALSE(box.loadFromRecord(line)) << line;
        EXPECT_FALSE(createDiagramEntityFromRecord(line, nullptr)) << line;
    }
}

TEST(ActivityBoxTest, ToolbarBoxAndItsDefaultSize) {
    CActivityBox box;
    EXPECT_EQ(box.getNotationKind(), CActivityBox::kUmlActivity);
    EXPECT_EQ(box.getStyle(), 10);
    EXPECT_EQ(box.getTitle(), "title");
    EXPECT_EQ(box.getMarkerSize(), CSize(6, 6));
    box.setRect(40, 30, 41, 31);
    box.applyDefaultSize();
    EXPECT_EQ(box.getRect(), CRect(40, 30, 130, 66));
}

TEST(ActivityBoxTest, StyleSetsThePictureAndKindTheMinimumSize) {
    CActivityBox box;
    const int pictures[] = {139, 172, 173, 174, 175};
    for (int style = 0; style < 5; ++style) {
        box.setStyle(style);
        EXPECT_EQ(box.getPictureResource(), pictures[style]);
    }
    box.setStyle(9);
    EXPECT_EQ(box.getPictureResource(), 175);
    for (int kind = 0; kind <= 8; ++kind) {
        box.setNotationKind(kind);
        EXPECT_EQ(box.getMinimumSize(), kind == 0 ? CSize(38, 50) : CSize(38, 24)) << kind;
        EXPECT_EQ(box.allowsMultipleLinks(), kind >= 3 && kind <= 8 && kind != 7 ? 1 : 0) << kind;
    }
}

struct LinkCase {
    int kind;
    int side;
    int towardX, towardY;
    CPoint expected;
};

// Box (100, 200, 190, 236): half width on the grid 42, half height 18.
const LinkCase kLinkCases[] = {
    {1, LINK_LEFT, -1, -1, {100, 218}},
    {1, LINK_RIGHT, -1, -1, {190, 218}},
    {1, LINK_TOP, -1, -1, {142, 200}},
    {1, LINK_BOTTOM, -1, -1, {142, 236}},
    {1, LINK_LEFT, 0, 223, {100, 218}}, // within 10 of the middle: the middle
    {1, LINK_LEFT, 0, 213, {100, 218}},
    {1, LINK_RIGHT, 0, 229, {190, 226}}, // beyond, but not within 10 of the corner
    {1, LINK_RIGHT, 0, 233, {190, 226}}, // 3 from the corner: 10 from it
    {1, LINK_LEFT, 0, 150, {100, 210}},
    {1, LINK_TOP, 103, 0, {110, 200}},
    {1, LINK_BOTTOM, 187, 0, {180, 236}},
    {1, LINK_BOTTOM, 147, 0, {142, 236}},
    {1, LINK_TOP, 160, 0, {160, 200}},  // slides along the top
    {0, LINK_LEFT, -1, -1, {126, 212}}, // the plaque's ends
    {0, LINK_RIGHT, -1, -1, {164, 212}},
    {1, LINK_START, -1, -1, {-1, -1}},
};

TEST(ActivityBoxTest, LinksAttachAtSnappedMiddlesAndSlideAwayFromCorners) {
    for (const LinkCase& c : kLinkCases) {
        CActivityBox box;
        box.setNotationKind(c.kind);
        box.setRect(100, 200, 190, 236);
        EXPECT_EQ(box.getLinkPosition(c.side, c.towardX, c.towardY), c.expected)
            << "kind " << c.kind << " side " << c.side << " toward " << c.towardX << "," << c.towardY;
    }
}

TEST(ActivityBoxTest, TopAndBottomMarkersSitWhereLinksAttach) {
    CActivityBox box;
    box.setRect(100, 200, 190, 236);
    const CRect rect = box.getRect();
    EXPECT_EQ(box.getSelectionMarkerRect(DEHT_TOPMIDDLE, rect), CRect(139, 197, 145, 203));
    EXPECT_EQ(box.getSelectionMarkerRect(DEHT_BOTTOMMIDDLE, rect), CRect(139, 233, 145, 239));
    EXPECT_EQ(box.getSelectionMarkerRect(DEHT_LEFTMIDDLE, rect), CRect(97, 215, 103, 221));
}

TEST(ActivityBoxTest, PopupMenuOffersBindingOrTheItemsAttributes) {
    WorkflowProject project;
    CActivityBox box(project.manager.get(), project.item("N2"));
    auto ids = [](const DiagramMenu& menu) {
        std::vector<std::pair<UINT, std::string>> out;
        for (const DiagramMenuItem& item : menu.items())
            out.emplace_back(item.id, item.text.str());
        return out;
    };
    const std::vector<std::pair<UINT, std::string>> tail = {{111, "Edit name and graphical properties"},
                                                            {0, ""},
                                                            {100, "Cut"},
                                                            {101, "Copy"},
                                                            {102, "Duplicate"},
                                                            {0, ""},
                                                            {104, "Up"},
                                                            {105, "Down"},
                                                            {106, "To front"},
                                                            {107, "To back"},
                                                            {0, ""},
                                                            {61442, "Link"}};
    auto expected = [&](UINT id, const char* text) {
        std::vector<std::pair<UINT, std::string>> all = {{id, text}};
        all.insert(all.end(), tail.begin(), tail.end());
        return all;
    };
    EXPECT_EQ(ids(box.popupMenu()), expected(110, "Create / link to activity item"));
    box.bindTo(project.item("N3"));
    EXPECT_EQ(ids(box.popupMenu()), expected(103, "Edit object attributes"));
}

TEST(ActivityBoxTest, KeyResolvesAtLoadAndNamesFollowTheItem) {
    WorkflowProject project;
    struct Case {
        const char* key;
        bool bound;
        const char* title;
        const char* titleL2;
    };
    const Case cases[] = {
        {"N3", true, "Plan", "Planifier"},
        {"n3", true, "Plan", "Planifier"},
        {"N4", true,
         "R\xe9"
         "aliser",
         "Empty translation"},
        {"N404", false, "Old", "Vieux"},
        {"", false, "Old", "Vieux"},
    };
    for (const Case& c : cases) {
        CActivityBox box(project.manager.get());
        const CString line = CString("Activity:0,0,90,36,Old,G1,") + c.key + ",0,1,10,Vieux;";
        ASSERT_TRUE(box.loadFromRecord(line)) << c.key;
        EXPECT_EQ(box.getBoundItem() != nullptr, c.bound) << c.key;
        EXPECT_EQ(box.getTitle(), c.title) << c.key;
        EXPECT_EQ(box.getTitleL2(), c.titleL2) << c.key;
        EXPECT_EQ(box.getItemKey(), c.key) << "the key stays as read";
        if (!c.bound) {
            EXPECT_NE(box.toRecordLine().Find(CString(",G1,") + c.key + ",0,"), -1);
        }
    }
}

TEST(ActivityBoxTest, BindingFollowsTheItemsUidAndLetsGoOfARemovedItem) {
    WorkflowProject project;
    CActivityBox box(project.manager.get());
    box.bindTo(project.item("N3"));
    EXPECT_NE(box.toRecordLine().Find(",N3,"), -1);

    ASSERT_EQ(project.manager->setItemUid(project.item("N3"), "PLAN_1"), 1);
    box.refreshBinding();
    EXPECT_NE(box.toRecordLine().Find(",PLAN_1,"), -1);

    box.getBoundItem()->setUid("0");
    box.refreshBinding();
    EXPECT_EQ(box.getBoundItem(), nullptr);
    EXPECT_EQ(box.getItemKey(), "");
    EXPECT_NE(box.toRecordLine().Find(",G"), -1);
    CActivityBox again(project.manager.get());
    ASSERT_TRUE(again.loadFromRecord(box.toRecordLine()));
    EXPECT_EQ(again.getBoundItem(), nullptr);
}

TEST(ActivityBoxTest, DuplicateIsAnUnboundCopyAndASnapshotStaysBound) {
    WorkflowProject project;
    CActivityBox box(project.manager.get(), project.item("N2"));
    box.bindTo(project.item("N3"));
    box.setNotationKind(CActivityBox::kTask);
    box.setStyle(2);
    box.setTaskType(6);
    box.setMarkers(1, 0, 1, 0, 0, 1);
    box.setTitleL2("Planifier");
    box.setRect(10, 10, 100, 46);

    auto duplicate = box.clone(FALSE);
    auto& copy = dynamic_cast<CActivityBox&>(*duplicate);
    EXPECT_EQ(copy.getBoundItem(), nullptr);
    EXPECT_EQ(copy.getItemKey(), "");
    EXPECT_EQ(copy.getTitle(), "copy of Plan");
    EXPECT_NE(copy.getName(), box.getName());
    EXPECT_EQ(copy.getParentItem(), project.item("N2"));
    // The same look: the record past the key and group is the same.
    const CString original = box.toRecordLine(), copied = copy.toRecordLine();
    EXPECT_EQ(copied.Mid(copied.Find(",0,3,2,")), original.Mid(original.Find(",0,3,2,")));
    EXPECT_EQ(copy.getRect(), box.getRect());

    auto snapshot = box.clone(TRUE);
    EXPECT_EQ(snapshot->toRecordLine(), box.toRecordLine());
    EXPECT_EQ(dynamic_cast<CActivityBox&>(*snapshot).getBoundItem(), project.item("N3"));
}

TEST(ActivityBoxTest, SelectOrCreateBindsOrHasTheMainWindowAddTheItem) {
    WorkflowProject project;
    WorkflowTestDialogs dialogs;
    Item* created = nullptr;
    project.window.addAnswer = [&](Item* anchor) {
        created = project.manager->addProcessItem(anchor, "Fresh", 0, "bookc.gif", "booko.gif", 2, "", "", 1,
                                                  1, 0, 1, "", 1, "");
        return created;
    };

    CActivityBox box(project.manager.get(), project.item("N2"));
    box.setTitle("Activity name");
    EXPECT_EQ(box.selectOrCreateItem(nullptr), nullptr) << "cancelled";
    EXPECT_EQ(dialogs.calls, std::vector<std::string>({"select 4"}));

    dialogs.choice = {IDOK, 1, nullptr};
    EXPECT_EQ(box.selectOrCreateItem(nullptr), created);
    ASSERT_TRUE(created);
    EXPECT_EQ(project.window.addCalls, std::vector<std::string>({"Delivery 2 4 Activity name"}));
    EXPECT_EQ(box.getTitle(), "Fresh");
    EXPECT_EQ(box.getItemKey(), created->getUid());

    dialogs.choice = {IDOK, 0, project.item("N11")};
    box.linkToItem(nullptr);
    EXPECT_EQ(box.getBoundItem(), project.item("N11"));
    EXPECT_EQ(box.getTitle(), "Review");

    // Without a parent item "Create" makes nothing; a cancelled add-item dialog neither.
    CActivityBox orphan(project.manager.get());
    dialogs.choice = {IDOK, 1, nullptr};
    EXPECT_EQ(orphan.selectOrCreateItem(nullptr), nullptr);
    EXPECT_EQ(project.window.addCalls.size(), 1u);
    project.window.addAnswer = nullptr;
    CActivityBox unlucky(project.manager.get(), project.item("N2"));
    EXPECT_EQ(unlucky.selectOrCreateItem(nullptr), nullptr);
    EXPECT_EQ(project.window.addCalls.size(), 2u);
    EXPECT_EQ(dialogs.calls.back(), "redraw");
}

TEST(ActivityBoxTest, PropertiesFollowTheDoubleClickMode) {
    WorkflowProject project;
    WorkflowTestDialogs dialogs;
    CActivityBox box(project.manager.get(), project.item("N2"));
    struct Case {
        bool bound;
        int mode;       // the command's
        int editorMode; // the editor's double-click mode
        const char* opened;
    };
    const Case cases[] = {
        {false, 1, 1, "graphical"}, {false, 1, 0, "select 4"}, {false, 0, 1, "select 4"},
        {true, 1, 1, "graphical"},  {true, 0, 1, "redraw"},    {true, 1, 0, "redraw"},
    };
    for (const Case& c : cases) {
        if (c.bound)
            box.bindTo(project.item("N3"));
        dialogs.calls.clear();
        dialogs.mode = c.editorMode;
        box.showProperties(nullptr, TRUE, c.mode);
        ASSERT_FALSE(dialogs.calls.empty());
        // A bound box in item mode runs the item's sheet (Cancel without a GUI), then redraws.
        EXPECT_EQ(dialogs.calls.front(), c.opened) << c.bound << c.mode << c.editorMode;
    }
    dialogs.calls.clear();
    box.showProperties(nullptr, FALSE, 1);
    EXPECT_TRUE(dialogs.calls.empty());
}

} // namespace
