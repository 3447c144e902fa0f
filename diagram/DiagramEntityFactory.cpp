#include "DiagramEntityFactory.h"

#include "CActivityBox.h"
#include "CDiagramLine.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCircle.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramRecord.h"

namespace {

// Only the class that knows a line's keyword can read it, so the table lets
// the factory skip building the others; the order still decides between
// classes that accept one keyword.
const DiagramEntityClass kClasses[] = {
    {"CActivityBox", {"Activity"}, &CActivityBox::createFromRecord},
    {"CEventNode", {"EventNode"}, nullptr},
    {"CInitialNode", {"InitialNode"}, nullptr},
    {"CFinalNode", {"FinalNode"}, nullptr},
    {"CFlowchartEntityTerminator", {"flowchart_start"}, &CFlowchartEntityTerminator::createFromRecord},
    {"CFlowchartEntityBox", {"flowchart_box"}, &CFlowchartEntityBox::createFromRecord},
    {"CFlowchartEntityCircle", {"flowchart_circle"}, &CFlowchartEntityCircle::createFromRecord},
    {"CFlowchartEntityCondition", {"flowchart_condition"}, &CFlowchartEntityCondition::createFromRecord},
    {"CFlowchartLabel", {"flowchart_label"}, &CFlowchartLabel::createFromRecord},
    {"CVForkJoinNode", {"verticalForkJoinNode"}, nullptr},
    {"CHForkJoinNode", {"horizontalForkJoinNode"}, nullptr},
    {"CExpansionRegion", {"expansion_region"}, nullptr},
    {"CFlowFinalNode", {"FlowFinalNode"}, nullptr},
    {"CInterruptibleRegion", {"interruptible_region"}, nullptr},
    {"CAcceptEventAction", {"AcceptEventAction"}, nullptr},
    {"CAcceptTimeEventAction", {"AcceptTimeEventAction"}, nullptr},
    {"Swimlane", {"swimlane"}, nullptr},
    {"CRoleBox", {"role"}, nullptr},
    {"CWPBox", {"WorkProduct"}, nullptr},
    {"CDiagramLine", {"line"}, &CDiagramLine::createFromRecord},
    {"CWF_Image", {"Image"}, nullptr},
};

} // namespace

bool DiagramEntityClass::accepts(const CString& type) const {
    for (const char* keyword : keywords) {
        if (!keyword)
            return false;
        if (type == keyword)
            return true;
    }
    return false;
}

std::span<const DiagramEntityClass> diagramEntityClasses() {
    return kClasses;
}

bool isBuiltByFactory(const CString& type) {
    for (const DiagramEntityClass& entityClass : kClasses)
        if (entityClass.create && entityClass.accepts(type))
            return true;
    return false;
}

std::unique_ptr<CDiagramEntity> createDiagramEntityFromRecord(const CString& record, Item* owner) {
    CString fields = record;
    const CString type = DiagramRecord::splitRecordType(fields);
    for (const DiagramEntityClass& entityClass : kClasses) {
        if (!entityClass.create || !entityClass.accepts(type))
            continue;
        if (std::unique_ptr<CDiagramEntity> entity = entityClass.create(record)) {
            entity->setOwner(owner);
            return entity;
        }
    }
    return nullptr;
}
