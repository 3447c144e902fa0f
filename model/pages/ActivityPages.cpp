#include "ActivityPages.h"

#include "DerivationCycle.h"
#include "ItemActivity.h"
#include "ItemReference.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

#include <algorithm>

namespace {

ReferenceRows workProductRows(CStringListePlus* references) {
    ReferenceRows rows;
    for (int i = 1; i <= references->count(); ++i)
        rows.push_back(references::workProductRow(*references->at(i)));
    return rows;
}

void writeWorkProductRows(ProcessManager* manager, const ReferenceRows& rows, CStringListePlus* references) {
    references->deleteAll();
    for (const ReferenceRow& row : rows)
        references->append(new CString(references::workProductReference(row, manager)));
}

// Sorted as a sorted list box sorts: ignoring case.
void sortByText(std::vector<CString>& texts) {
    std::stable_sort(texts.begin(), texts.end(),
                     [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
}

} // namespace

ActivityRolesWPsDialogMgt::ActivityRolesWPsDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(183, "Roles - Work products"), m_project(project), m_item(item) {
    const ItemActivity* activity = item->getItemActivity();
    if (!activity)
        return;
    CStringListePlus* roles = activity->getRoles();
    for (int i = 1; i <= roles->count(); ++i)
        m_roles.push_back(references::roleRow(*roles->at(i), getReferenceName(*roles->at(i))));
    m_inWorkProducts = workProductRows(activity->getInWorkProducts());
    m_outWorkProducts = workProductRows(activity->getOutWorkProducts());
}

void ActivityRolesWPsDialogMgt::onOK() {
    ItemActivity* activity = m_item->getItemActivity();
    if (!activity)
        return;
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    activity->getRoles()->deleteAll();
    for (const ReferenceRow& row : m_roles)
        activity->appendRoleReference(references::roleReference(row, manager));
    writeWorkProductRows(manager, m_inWorkProducts, activity->getInWorkProducts());
    writeWorkProductRows(manager, m_outWorkProducts, activity->getOutWorkProducts());
}

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
    // Uids that name no item are left out, and so dropped when the lists are written.
    CStringListePlus* procedures = activity->getGeneralProcedures();
    for (int i = 1; project && i <= procedures->count(); ++i)
        if (auto* procedure = dynamic_cast<ProcessItem*>(project->findItemByUid(*procedures->at(i))))
            m_generalProcedures.push_back(procedure);
}

void CActivityAttrDialogMgt::onOK() {
    ItemActivity* activity = m_item->getItemActivity();
    if (!activity || !m_listsChosen)
        return;
    CStringListePlus* kinds = m_item->getProjectKinds();
    std::vector<CString> ownKinds;
    for (int i = 1; i <= kinds->count(); ++i)
        ownKinds.push_back(*kinds->at(i));
    sortByText(ownKinds);
    kinds->deleteAll();
    for (const CString& kind : ownKinds)
        kinds->append(new CString(kind));
    activity->getGeneralProcedures()->deleteAll();
    for (ProcessItem* procedure : m_generalProcedures)
        if (procedure)
            activity->appendGeneralProcedure(procedure->getUid());
}

bool CActivityAttrDialogMgt::wouldMakeCycle(ProcessItem* base) const {
    return derivesFrom(m_project, base, m_item, [](ProcessItem* activity) {
        const ItemActivity* extension = activity->getItemActivity();
        return extension && extension->isDerived() ? std::vector<CString>{extension->getDerivedFrom()}
                                                   : std::vector<CString>{};
    });
}

ActivityDescDialogMgt::ActivityDescDialogMgt(Project* project, ProcessItem* item, int language)
    : DescL1DialogMgt(186, "Description", project, item, language) {}

CActivityMeasureMgt::CActivityMeasureMgt(Project* project, ProcessItem* item)
    : PropertyPage(25854, "Measures"), m_project(project), m_item(item) {
    const ItemActivity* activity = item->getItemActivity();
    CStringListePlus* measures = activity ? activity->getMeasures() : nullptr;
    for (int i = 1; project && measures && i <= measures->count(); ++i)
        if (auto* measure = dynamic_cast<ProcessItem*>(project->findItemByUid(*measures->at(i))))
            m_measures.push_back(measure);
}

void CActivityMeasureMgt::onOK() {
    ItemActivity* activity = m_item->getItemActivity();
    if (!activity || !m_measuresChosen)
        return;
    activity->getMeasures()->deleteAll();
    for (ProcessItem* measure : m_measures)
        if (measure)
            activity->appendMeasure(measure->getUid());
}
