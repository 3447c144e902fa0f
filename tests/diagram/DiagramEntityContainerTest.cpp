// The entity container: drawing order, removal, groups, the internal
// clipboard, the modified flag and undo.

#include "CDiagramEntityContainer.h"
#include "CFlowchartEntity.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramEntityFactory.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <typeinfo>

namespace {

// A container of terminators titled A, B, C ... with the given groups.
std::unique_ptr<CDiagramEntityContainer> lettered(std::initializer_list<int> groups) {
    auto container = std::make_unique<CDiagramEntityContainer>();
    char letter = 'A';
    for (int group : groups) {
        auto entity = std::make_unique<CFlowchartEntityTerminator>();
        entity->setTitle(CString(letter++));
        entity->setRect(0, 0, 128, 32);
        entity->setGroup(group);
        container->add(std::move(entity));
    }
    container->setModified(FALSE);
    return container;
}

std::string titles(const CDiagramEntityContainer& container) {
    std::string text;
    for (int i = 0; i < container.getSize(); ++i)
        text += container.getAt(i)->getTitle().GetString();
    return text;
}

TEST(DiagramEntityContainerTest, RemovesSelectedEntitiesEvenWhenAdjacent) {
    auto container = lettered({0, 0, 0, 0, 0});
    for (int i : {1, 2, 4})
        container->getAt(i)->select(TRUE);
    container->removeSelected();
    EXPECT_EQ(titles(*container), "AD");
    EXPECT_TRUE(container->isModified());
    EXPECT_EQ(container->getAt(-1), nullptr);
    EXPECT_EQ(container->getAt(2), nullptr);
}

TEST(DiagramEntityContainerTest, ModifiedFlagFollowsChangesOnly) {
    auto container = lettered({0, 0});
    CDiagramEntityContainer empty;
    empty.removeAll();
    empty.undo();
    EXPECT_FALSE(empty.isModified());

    container->selectAll();
    container->group();
    container->snapshot();
    container->setVirtualSize(CSize(300, 200));
    container->copySelected();
    EXPECT_FALSE(container->isModified());
    container->moveToBack(container->getAt(1));
    EXPECT_TRUE(container->isModified());
}

// Selecting an entity of a group broadcasts the selection to the group: that
// changes nothing the diagram file holds, so the diagram stays unmodified.
TEST(DiagramEntityContainerTest, SelectingAGroupLeavesTheDiagramUnmodified) {
    auto container = lettered({1, 1, 0});
    container->getAt(0)->select(TRUE);
    EXPECT_TRUE(container->getAt(1)->isSelected());
    EXPECT_FALSE(container->isModified());
    // Other commands passed to the entities still mark it.
    container->sendCommandToObjects(CMD_UP, TRUE, nullptr, nullptr);
    EXPECT_TRUE(container->isModified());
}

TEST(DiagramEntityContainerTest, ZOrderStopsAtBothEnds) {
    auto container = lettered({0, 0, 0});
    CDiagramEntity* a = container->getAt(0);
    CDiagramEntity* c = container->getAt(2);
    container->moveDown(a);
    container->moveUp(c);
    EXPECT_EQ(titles(*container), "ABC");
    container->moveUp(a);
    EXPECT_EQ(titles(*container), "BAC");
    container->moveToFront(a);
    EXPECT_EQ(titles(*container), "BCA");
    container->moveToBack(c);
    EXPECT_EQ(titles(*container), "CBA");
    CFlowchartEntityTerminator stranger;
    container->moveToFront(&stranger);
    container->remove(&stranger);
    EXPECT_EQ(container->duplicate(&stranger), -1);
    EXPECT_EQ(titles(*container), "CBA");
}

TEST(DiagramEntityContainerTest, NextGroupIsAboveTheHighest) {
    EXPECT_EQ(lettered({0, 0})->getNextGroup(), 1);
    EXPECT_EQ(lettered({2, 5, 0})->getNextGroup(), 6);
    auto container = lettered({0, 0, 0});
    container->getAt(0)->select(TRUE);
    container->getAt(2)->select(TRUE);
    container->group();
    EXPECT_EQ(container->getAt(0)->getGroup(), 1);
    EXPECT_EQ(container->getAt(1)->getGroup(), 0);
    EXPECT_EQ(container->getAt(2)->getGroup(), 1);
    container->ungroup();
    EXPECT_EQ(container->getAt(2)->getGroup(), 0);
}

// A file may give any group number; grouping and pasting afterwards still
// hand out numbers above every group of the diagram (the highest plus 1
// must not run past the range of int).
TEST(DiagramEntityContainerTest, GroupsReadFromAFileLeaveRoomForNewGroups) {
    const char* const kLines[] = {
        "flowchart_start:0,0,128,32,A,G1,99999999999,;",
        "line:0,0,10,10,L,2147483647,0,0,0,0,1,0,0;",
        "flowchart_box:0,0,50,50,G5,2147483647,1,2,3,4,5,6;",
        "flowchart_label:0,0,50,20,G9,2147483647,1,2,3,14,Arial,a,b;",
        "flowchart_condition:0,0,40,40,?,G3,2147483647,x;",
    };
    for (const char* line : kLines) {
        CDiagramEntityContainer container;
        std::unique_ptr<CDiagramEntity> read = createDiagramEntityFromRecord(line, nullptr);
        ASSERT_TRUE(read) << line;
        const int readGroup = read->getGroup();
        EXPECT_GT(readGroup, 0) << line;
        container.add(std::move(read));
        auto loose = std::make_unique<CFlowchartEntityTerminator>();
        loose->setRect(0, 100, 128, 132);
        container.add(std::move(loose));

        container.getAt(1)->select(TRUE);
        container.group();
        const int grouped = container.getAt(1)->getGroup();
        EXPECT_GT(grouped, readGroup) << line;

        container.selectAll();
        container.copySelected();
        container.paste();
        ASSERT_EQ(container.getSize(), 4) << line;
        EXPECT_GT(container.getAt(2)->getGroup(), grouped) << line;
        EXPECT_GT(container.getAt(3)->getGroup(), container.getAt(2)->getGroup()) << line;
    }
}

TEST(DiagramEntityContainerTest, PasteGivesEachGroupANewNumberAndEachCopyANewName) {
    auto source = lettered({2, 2, 3, 0});
    source->selectAll();
    source->copySelected();
    auto target = lettered({5});
    target->setClipboardHandler(source->getClipboardHandler());
    target->paste();
    ASSERT_EQ(target->getSize(), 5);
    EXPECT_EQ(titles(*target), "AABCD");
    EXPECT_EQ(target->getAt(1)->getGroup(), 6);
    EXPECT_EQ(target->getAt(2)->getGroup(), 6);
    EXPECT_EQ(target->getAt(3)->getGroup(), 7);
    EXPECT_EQ(target->getAt(4)->getGroup(), 0);
    std::set<std::string> names;
    for (int i = 0; i < source->getSize(); ++i)
        names.insert(source->getAt(i)->getName().GetString());
    for (int i = 1; i < target->getSize(); ++i) {
        EXPECT_TRUE(names.insert(target->getAt(i)->getName().GetString()).second) << i;
        EXPECT_TRUE(target->getAt(i)->isSelected()) << i;
    }
}

TEST(DiagramEntityContainerTest, CopyThenTwoPastesGiveTwoCopiesAtOnePlace) {
    auto container = lettered({0});
    container->getAt(0)->setRect(20, 30, 148, 62);
    container->copy(container->getAt(0));
    container->paste();
    container->paste();
    ASSERT_EQ(container->getSize(), 3);
    for (int i : {1, 2}) {
        EXPECT_EQ(container->getAt(i)->getLeft(), 30) << i;
        EXPECT_EQ(container->getAt(i)->getTop(), 40) << i;
    }
    EXPECT_NE(container->getAt(1)->getName(), container->getAt(2)->getName());
    // The clipboard outlives clearAll.
    container->clearAll();
    EXPECT_EQ(container->getPasteCount(), 1);
}

TEST(DiagramEntityContainerTest, UndoGivesBackEntitiesPaperAndSelection) {
    auto container = lettered({0, 0});
    container->setVirtualSize(CSize(1000, 800));
    container->getAt(1)->select(TRUE);
    const std::string nameB = container->getAt(1)->getName().GetString();
    container->snapshot();
    container->getAt(0)->setTitle("changed");
    container->removeAt(1);
    container->setVirtualSize(CSize(400, 400));
    container->undo();
    EXPECT_EQ(titles(*container), "AB");
    EXPECT_EQ(container->getAt(1)->getName(), nameB.c_str());
    EXPECT_TRUE(container->getAt(1)->isSelected());
    EXPECT_FALSE(container->getAt(0)->isSelected());
    EXPECT_EQ(container->getVirtualSize(), CSize(1000, 800));
    EXPECT_EQ(container->getAt(0)->getParent(), container.get());
    EXPECT_EQ(container->getUndoCount(), 0);
}

// Undo builds the entities again from their lines, so every field a diagram
// file holds comes back, the terminator's second-language title among them.
TEST(DiagramEntityContainerTest, UndoGivesBackEveryStoredField) {
    CDiagramEntityContainer container;
    auto terminator = std::make_unique<CFlowchartEntityTerminator>();
    terminator->setRect(0, 0, 128, 32);
    terminator->setTitle("Start");
    terminator->setTitleL2("D\xe9"
                           "but");
    auto label = std::make_unique<CFlowchartLabel>();
    label->setRect(0, 0, 80, 20);
    label->setFrame(1);
    label->setAlignment(CFlowchartLabel::kRight);
    container.add(std::move(terminator));
    container.add(std::move(label));
    const std::string before = (*container.getAt(0)->recordLine() + *container.getAt(1)->recordLine()).str();
    container.snapshot();
    container.removeAll();
    container.undo();
    ASSERT_EQ(container.getSize(), 2);
    EXPECT_EQ(container.getAt(0)->getTitleL2(), "D\xe9"
                                                "but");
    EXPECT_EQ((*container.getAt(0)->recordLine() + *container.getAt(1)->recordLine()).str(), before);
}

// An entity of a class the factory does not build (a plain entity, a
// plain flowchart entity, a class still to come) is not lost by undo: it
// comes back as it was, of its own class.
TEST(DiagramEntityContainerTest, UndoKeepsEntitiesTheFactoryDoesNotBuild) {
    CDiagramEntityContainer container;
    auto basic = std::make_unique<CDiagramEntity>();
    basic->setRect(10, 20, 110, 70);
    basic->setTitle("Start: now");
    basic->setTitleL2("Depart");
    basic->setName("G12");
    auto linkable = std::make_unique<CFlowchartEntity>();
    linkable->setRect(200, 20, 328, 84);
    linkable->setTitle("linkable");
    container.add(std::move(basic));
    container.add(std::move(linkable));
    auto terminator = std::make_unique<CFlowchartEntityTerminator>();
    terminator->setRect(0, 100, 128, 132);
    container.add(std::move(terminator));
    std::vector<std::string> before;
    for (int i = 0; i < container.getSize(); ++i)
        before.push_back(container.getAt(i)->toRecordLine().str());

    container.snapshot();
    container.snapshot(); // the second shares what the first holds
    container.getAt(1)->moveRect(5, 5);
    container.removeAll();
    container.undo();
    container.undo();
    ASSERT_EQ(container.getSize(), 3);
    for (int i = 0; i < container.getSize(); ++i)
        EXPECT_EQ(container.getAt(i)->toRecordLine().str(), before[i]) << i;
    EXPECT_EQ(typeid(*container.getAt(0)), typeid(CDiagramEntity));
    EXPECT_EQ(typeid(*container.getAt(1)), typeid(CFlowchartEntity));
    EXPECT_EQ(container.getAt(1)->getParent(), &container);
}

TEST(DiagramEntityContainerTest, UndoDepthKeepsTheNewestSnapshots) {
    auto container = lettered({0});
    container->setUndoStackSize(3);
    for (const char* title : {"1", "2", "3", "4"}) {
        container->getAt(0)->setTitle(title);
        container->snapshot();
    }
    EXPECT_EQ(container->getUndoCount(), 3);
    container->getAt(0)->setTitle("5");
    std::string seen;
    while (container->getUndoCount() > 0) {
        container->undo();
        seen += container->getAt(0)->getTitle().GetString();
    }
    EXPECT_EQ(seen, "432");
}

TEST(DiagramEntityContainerTest, AnUnchangedEntitySharesItsLineWithEverySnapshot) {
    auto container = lettered({0, 0});
    const auto line = container->getAt(1)->recordLine();
    for (int i = 0; i < 5; ++i) {
        container->getAt(0)->moveRect(1, 0);
        container->snapshot();
    }
    // The entity's own line, the snapshots' five and this test's.
    EXPECT_EQ(line.use_count(), 7);
    container->undo();
    container->undo();
    EXPECT_EQ(container->getAt(1)->recordLine(), line);
}

} // namespace
