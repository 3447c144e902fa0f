// The entity factory: the classes in their order, each record to its class,
// the owner set, and nothing for what no class reads.

#include "DiagramEntityFactory.h"
#include "CFlowchartEntityBox.h"
#include "Item.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(DiagramEntityFactoryTest, ClassesInTheirOrder) {
    std::vector<std::string> keywords;
    for (const DiagramEntityClass& entityClass : diagramEntityClasses())
        keywords.push_back(entityClass.keywords[0]);
    const std::vector<std::string> expected = {"Activity",
                                               "EventNode",
                                               "InitialNode",
                                               "FinalNode",
                                               "flowchart_start",
                                               "flowchart_box",
                                               "flowchart_circle",
                                               "flowchart_condition",
                                               "flowchart_label",
                                               "verticalForkJoinNode",
                                               "horizontalForkJoinNode",
                                               "expansion_region",
                                               "FlowFinalNode",
                                               "interruptible_region",
                                               "AcceptEventAction",
                                               "AcceptTimeEventAction",
                                               "swimlane",
                                               "role",
                                               "WorkProduct",
                                               "line",
                                               "Image"};
    EXPECT_EQ(keywords, expected);
}

TEST(DiagramEntityFactoryTest, EachRecordMakesItsClassWithTheOwner) {
    struct FactoryCase {
        const char* line;
        const char* type; // empty: no entity
    };
    const FactoryCase cases[] = {
        {"flowchart_start:0,0,128,32,Start,G1,0;", "flowchart_start"},
        {"flowchart_box:0,0,50,50,G2,0,255,255,255,0,0,0;", "flowchart_box"},
        {"flowchart_circle:0,0,50,50,G3,0,255,255,255,0,0,0;", "flowchart_circle"},
        {"flowchart_condition:0,0,40,40,?,G4,0;", "flowchart_condition"},
        {"flowchart_label:0,0,50,20,G5,0,0,0,0,12,Arial;", "flowchart_label"},
        {"line:0,0,50,50,L,0,0,0,0,0,1;", "line"},
        {"line:0,0,50,50,L,0,0,0,0,0;", ""},
        {"Line:0,0,50,50,L,0,0,0,0,0,1;", ""},
        {"paper:1000,800;", ""},
        {"flowchart_entity:0,0,128,64,t,G1,0;", ""},
        {"basic:0,0,1,1,t,G1,0;", ""},
        {"flowchart_link:2,1,a,G1,G2,0,0,0,0,0,0;", ""},
        {"", ""},
    };
    Item owner(nullptr, "Workflow", "", 0, "", "", 0, nullptr, 0, "");
    for (const FactoryCase& c : cases) {
        const std::unique_ptr<CDiagramEntity> entity = createDiagramEntityFromRecord(c.line, &owner);
        if (!*c.type) {
            EXPECT_EQ(entity, nullptr) << c.line;
            continue;
        }
        ASSERT_NE(entity, nullptr) << c.line;
        EXPECT_EQ(entity->getType(), c.type);
        EXPECT_EQ(entity->getOwner(), &owner);
        EXPECT_EQ(entity->getParent(), nullptr);
    }
    const auto box =
        createDiagramEntityFromRecord("flowchart_box:0,0,50,50,G2,0,255,255,255,0,0,0;", nullptr);
    EXPECT_NE(dynamic_cast<CFlowchartEntityBox*>(box.get()), nullptr);
}

} // namespace
