// Random editing sequences on a flowchart (fixed seeds): after undoing all
// of it, each undo has given back the diagram exactly as it was before the
// step it undid: its paper, every entity's and link's line, and the
// selection.

#include "CDiagramLine.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCircle.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using State = std::vector<std::string>;

// Everything a state holds, line by line: the lines written now (not the
// kept ones) and the selection.
State describe(const CFlowchartEntityContainer& container) {
    State lines = {container.toPaperRecord().str()};
    for (int i = 0; i < container.getSize(); ++i) {
        const CDiagramEntity* entity = container.getAt(i);
        lines.push_back(entity->toRecordLine().str() + (entity->isSelected() ? " [selected]" : ""));
    }
    for (int i = 0; i < container.getLinkCount(); ++i)
        lines.push_back(container.getLinkAt(i)->toRecordString().str());
    return lines;
}

// The first line in which two states differ, for the failure message.
std::string firstDifference(const State& got, const State& wanted) {
    for (size_t i = 0; i < std::max(got.size(), wanted.size()); ++i) {
        const std::string a = i < got.size() ? got[i] : "(none)";
        const std::string b = i < wanted.size() ? wanted[i] : "(none)";
        if (a != b)
            return "line " + std::to_string(i) + ":\n  got    " + a + "\n  wanted " + b;
    }
    return "";
}

// The kept lines are the lines the objects write.
void expectKeptLinesCurrent(const CFlowchartEntityContainer& container, int step) {
    for (int i = 0; i < container.getSize(); ++i)
        ASSERT_EQ(*container.getAt(i)->recordLine(), container.getAt(i)->toRecordLine()) << "step " << step;
    for (int i = 0; i < container.getLinkCount(); ++i)
        ASSERT_EQ(*container.getLinkAt(i)->recordLine(), container.getLinkAt(i)->toRecordString())
            << "step " << step;
}

class Editor {
public:
    explicit Editor(unsigned seed) : m_random(seed) {}

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    CString text() {
        static const char* const pieces[] = {"a", "b,c", "d;e", "f:g", "h\r\ni", "j\nk", "\xe9", " "};
        CString result;
        for (int i = number(0, 3); i > 0; --i)
            result += pieces[number(0, 7)];
        return result;
    }

    std::unique_ptr<CDiagramEntity> newEntity() {
        std::unique_ptr<CDiagramEntity> entity;
        switch (number(0, 5)) {
        case 0:
            entity = std::make_unique<CFlowchartEntityTerminator>();
            break;
        case 1: {
            auto box = std::make_unique<CFlowchartEntityBox>();
            box->setFillColor(number(0, 255), number(0, 255), number(0, 255));
            box->setLineWidth(number(0, 4));
            entity = std::move(box);
            break;
        }
        case 2: {
            auto circle = std::make_unique<CFlowchartEntityCircle>();
            circle->setLineStyle(number(0, 4));
            entity = std::move(circle);
            break;
        }
        case 3: {
            auto label = std::make_unique<CFlowchartLabel>();
            label->setFontName(number(0, 1) ? "Arial" : "Times New Roman");
            label->setFrame(number(0, 1));
            label->setAlignment(number(0, 2));
            entity = std::move(label);
            break;
        }
        case 4: {
            auto condition = std::make_unique<CFlowchartEntityCondition>();
            condition->setGatewayKind(number(0, 7));
            condition->setColorScheme(number(0, 12));
            entity = std::move(condition);
            break;
        }
        default: {
            auto line = std::make_unique<CDiagramLine>();
            line->setEndArrow(number(0, 2));
            entity = std::move(line);
            break;
        }
        }
        const double left = number(0, 900) + number(0, 3) * 0.25;
        const double top = number(0, 900);
        entity->setRect(left, top, left + number(-20, 200), top + number(-20, 120));
        entity->setTitle(text());
        entity->setTitleL2(text());
        return entity;
    }

    CFlowchartEntity* linkable(CFlowchartEntityContainer& container) {
        std::vector<CFlowchartEntity*> linkables;
        for (int i = 0; i < container.getSize(); ++i)
            if (auto* entity = dynamic_cast<CFlowchartEntity*>(container.getAt(i));
                entity && entity->getAllowedLinks())
                linkables.push_back(entity);
        return linkables.empty() ? nullptr : linkables[number(0, int(linkables.size()) - 1)];
    }

    // One editing step; the caller has taken the snapshot.
    void step(CFlowchartEntityContainer& container) {
        const int size = container.getSize();
        CDiagramEntity* some = size ? container.getAt(number(0, size - 1)) : nullptr;
        CFlowchartLink* link =
            container.getLinkCount() ? container.getLinkAt(number(0, container.getLinkCount() - 1)) : nullptr;
        switch (number(0, 16)) {
        case 0:
        case 1:
            container.add(newEntity());
            break;
        case 2: { // remove an entity, preferably a linked one
            if (link) {
                for (int i = 0; i < size; ++i)
                    if (container.getAt(i)->getName() == link->getFromName()) {
                        container.removeAt(i);
                        break;
                    }
            } else if (some) {
                container.remove(some);
            }
            break;
        }
        case 3:
            if (some)
                some->moveRect(number(-30, 30), number(-30, 30) + 0.5);
            break;
        case 4: // group a few
            container.unselectAll();
            for (int i = 0; i < size; ++i)
                if (number(0, 9) == 0)
                    container.getAt(i)->select(TRUE);
            number(0, 1) ? container.group() : container.ungroup();
            break;
        case 5: // copy one or two entities (with their groups) and paste them
            container.unselectAll();
            for (int i = number(1, 2); i > 0 && size; --i)
                container.getAt(number(0, size - 1))->select(TRUE);
            container.copySelected();
            container.paste();
            break;
        case 6:
            if (some) {
                const int which = number(0, 3);
                if (which == 0)
                    container.moveUp(some);
                else if (which == 1)
                    container.moveDown(some);
                else if (which == 2)
                    container.moveToFront(some);
                else
                    container.moveToBack(some);
            }
            break;
        case 7:
        case 8:
        case 14:
        case 15: {
            CFlowchartEntity* a = linkable(container);
            CFlowchartEntity* b = linkable(container);
            if (a && b && a != b)
                container.createLink(a, b, text());
            break;
        }
        case 9:
            if (link)
                link->flip();
            break;
        case 10:
            if (link) {
                if (number(0, 1))
                    container.removeLink(link);
                else
                    link->addIntermediaryPoint(CPoint(number(0, 900), number(0, 900)));
            }
            break;
        case 11:
            container.setVirtualSize(CSize(number(20, 2000), number(20, 4000)));
            break;
        case 12:
            if (some) {
                some->setTitle(text());
                some->select(!some->isSelected());
            }
            break;
        default:
            if (some)
                container.duplicate(some);
            break;
        }
    }

private:
    std::mt19937 m_random;
};

TEST(UndoSequenceTest, UndoingAllGivesBackEveryEarlierState) {
    for (unsigned seed : {1u, 42u, 2024u}) {
        CFlowchartEntityContainer container;
        container.setVirtualSize(CSize(1000, 1000));
        Editor editor(seed);
        std::vector<State> states;
        int mostEntities = 0;
        int mostLinks = 0;
        for (int step = 0; step < 400; ++step) {
            states.push_back(describe(container));
            container.snapshot();
            editor.step(container);
            expectKeptLinesCurrent(container, step);
            mostEntities = std::max(mostEntities, container.getSize());
            mostLinks = std::max(mostLinks, container.getLinkCount());
        }
        // The sequence did build a diagram worth undoing.
        ASSERT_GT(mostEntities, 10) << "seed " << seed;
        ASSERT_GT(mostLinks, 3) << "seed " << seed;
        for (int step = int(states.size()) - 1; step >= 0; --step) {
            container.undo();
            const State state = describe(container);
            ASSERT_TRUE(state == states[step]) << "seed " << seed << ", undoing step " << step << ", "
                                               << firstDifference(state, states[step]);
            expectKeptLinesCurrent(container, step);
        }
        EXPECT_EQ(container.getUndoCount(), 0);
    }
}

} // namespace
