#include "ActivityPages.h"

#include "ItemActivity.h"
#include "ProcessItem.h"
#include "Project.h"

CActivityAttrDialogMgt::CActivityAttrDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(182, "Attributes and procedures"), m_project(project), m_item(item) {
    const ItemActivity* activity = item->getItemActivity();
    if (!activity)
        return;
    m_activityType = activity->getActivityType();
    m_separatedProcedureText = activity->isSeparatedProcedureText();
    m_procedureUrl = activity->getProcedureUrl(0);
    m_procedureUrlL2 = activity->getProcedureUrl(1);
    m_stepHyperlinks = activity->hasStepHyperlinks();
    m_derived = activity->isDerived();
    m_derivable = activity->isDerivable();
    m_derivedFromText = activity->getDerivedFrom();
    m_procedureLink = activity->getProcedureLink();
    if (!activity->getDerivedFrom().IsEmpty() && project)
        m_derivedFrom = dynamic_cast<ProcessItem*>(project->findItemByUid(activity->getDerivedFrom()));
}

ActivityDescDialogMgt::ActivityDescDialogMgt(Project* project, ProcessItem* item, int language)
    : DescL1DialogMgt(186, "Description", project, item, language) {}
