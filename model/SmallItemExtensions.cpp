// The class extensions that add a key or two to the common ones.

#include "CIdentificationDialogMgt.h"
#include "DescriptionPages.h"
#include "ItemDiscipline.h"
#include "ItemDomain.h"
#include "ItemGenericProcedure.h"
#include "ItemGenericProcedureGroup.h"
#include "ItemGlossaryEntry.h"
#include "ItemProcessOverview.h"
#include "ItemQualityCriteria.h"
#include "ItemWorkProductOverview.h"
#include "ProcessItem.h"
#include "ProcessOption.h"
#include "Project.h"
#include "PropertySheet.h"
#include "StdOption.h"

void ItemDiscipline::loadData() {
    ProcessItemExtension::loadData();
    const CString name = m_item->readValue("Name");
    m_item->setDiscipline(name.IsEmpty() ? m_item->getName() : name);
}

void ItemDomain::loadData() {
    ProcessItemExtension::loadData();
    m_item->setDomain(m_item->getName());
    m_item->setDefaultWorkProductImage(m_item->readValue("DefaultWorkProductImage"));
}

void ItemProcessOverview::loadData() {
    ProcessItemExtension::loadData();
    m_targetWorkflow = m_item->readValue("TargetWorkflow");
}

int ItemProcessOverview::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeValue("TargetWorkflow", m_targetWorkflow);
    return reportSaveFailure(ok);
}

ItemQualityCriteria::ItemQualityCriteria(ProcessItem* item, Project* project)
    : ProcessItemExtension(item, project), m_targets(new CStringListePlus) {}

ItemQualityCriteria::~ItemQualityCriteria() {
    m_targets->deleteAll();
    delete m_targets;
}

void ItemQualityCriteria::loadData() {
    ProcessItemExtension::loadData();
    m_item->readList("Targets", m_targets, ",", 1);
    m_main = m_item->readValue("Main") == "yes";
}

int ItemQualityCriteria::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeList("Targets", m_targets, ",");
    ok &= m_item->writeValue("Main", ProcessItem::yesNo(m_main));
    return ok ? 1 : 0;
}

void ItemWorkProductOverview::edit() { editDiagramItem("Work product map", "Work product overview edition: "); }

void ItemGlossaryEntry::loadData() {
    ProcessItemExtension::loadData();
    m_sourceL1 = m_item->readValue("sourceL1");
    m_equivalentL1 = m_item->readValue("equivalentL1");
    m_sourceL2 = m_item->readValue("sourceL2");
    m_equivalentL2 = m_item->readValue("equivalentL2");
}

int ItemGlossaryEntry::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeValue("sourceL1", m_sourceL1);
    ok &= m_item->writeValue("equivalentL1", m_equivalentL1);
    ok &= m_item->writeValue("sourceL2", m_sourceL2);
    ok &= m_item->writeValue("equivalentL2", m_equivalentL2);
    return reportSaveFailure(ok);
}

CString ItemGenericProcedure::getKeyListText() {
    return CString("GENERALPROCEDURE:") + "\n\t\t\tProcedure" + "\n\t\t\tAlternativeProcedure" +
           "\n\t\t\tProcedureType";
}

namespace {

// The alternative link when the option is on and the link is set, else the plain one.
CString effectiveLink(bool useAlternative, const CString& alternative, const CString& plain) {
    return useAlternative && !alternative.IsEmpty() ? alternative : plain;
}

} // namespace

void ItemGenericProcedure::loadData() {
    ProcessItemExtension::loadData();
    const bool alternative = ProcessOption::instance().getUseAlternativeLinks();
    m_procedure = effectiveLink(alternative, alternative ? readProcedure(1) : CString(), readProcedure(0));
    if (StdOption::instance().getTwoLanguages())
        m_procedureL2 = effectiveLink(alternative, alternative ? readProcedureL2(1) : CString(), readProcedureL2(0));
    m_type = m_item->readValue("ProcedureType");
    m_state = m_item->readValue("ProcState");
    m_version = m_item->readValue("ProcVersion");
}

CString ItemGenericProcedure::readProcedure(int alternative) {
    return m_item->readValue(alternative ? "AlternativeProcedure" : "Procedure");
}

CString ItemGenericProcedure::readProcedureL2(int alternative) {
    return m_item->readValue(alternative ? "AlternativeProcedureL2" : "ProcedureL2");
}

int ItemGenericProcedure::saveProcedure(const CString& alternativePath, const CString& path, const CString& state,
                                        const CString& type, const CString& version, const CString& description,
                                        const CString& alternativePathL2, const CString& pathL2) {
    const bool alternative = ProcessOption::instance().getUseAlternativeLinks();
    const int ok = m_item->writeTogether([&] {
        int written = 1;
        m_state = state;
        written &= m_item->writeValue("ProcState", state);
        m_version = version;
        written &= m_item->writeValue("ProcVersion", version);
        written &= m_item->writeValue("AlternativeProcedure", alternativePath);
        written &= m_item->writeValue("Procedure", path);
        m_procedure = effectiveLink(alternative, alternativePath, path);
        written &= m_item->writeValue("AlternativeProcedureL2", alternativePathL2);
        written &= m_item->writeValue("ProcedureL2", pathL2);
        m_procedureL2 = effectiveLink(alternative, alternativePathL2, pathL2);
        m_type = type;
        written &= m_item->writeValue("ProcedureType", type);
        return written;
    });
    writeDescription(description, 0);
    return reportSaveFailure(ok);
}

void ItemGenericProcedure::buildHtmlDescription(int language) {
    m_item->setHtmlDescription(language, ProcessOption::instance().getGP_Desc() ? popupDescription(language) : "");
}

CString ItemGenericProcedureGroup::getKeyListText() {
    CString text = "GENERALPROCEDUREGROUP:";
    for (const char* key : {"PrintType", "PrintState", "PrintVersion", "AllProcedures"})
        text += CString("\n\t\t\t") + key;
    return text;
}

void ItemGenericProcedureGroup::loadData() {
    ProcessItemExtension::loadData();
    m_printType = m_item->readValue("PrintType") != "no";
    m_printState = m_item->readValue("PrintState") == "yes";
    m_printVersion = m_item->readValue("PrintVersion") == "yes";
    m_allProcedures = m_item->readValue("AllProcedures") == "yes";
}

int ItemGenericProcedureGroup::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeValue("PrintType", ProcessItem::yesNo(m_printType));
    ok &= m_item->writeValue("PrintState", ProcessItem::yesNo(m_printState));
    ok &= m_item->writeValue("PrintVersion", ProcessItem::yesNo(m_printVersion));
    ok &= m_item->writeValue("AllProcedures", ProcessItem::yesNo(m_allProcedures));
    return reportSaveFailure(ok);
}
