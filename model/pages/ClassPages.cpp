#include "ClassPages.h"

#include "FileSystem.h"
#include "ItemFolderCopy.h"
#include "ItemGenericProcedure.h"
#include "ItemGenericProcedureGroup.h"
#include "ItemGlossaryEntry.h"
#include "ItemMeasure.h"
#include "ItemProcessOverview.h"
#include "ItemQualityCriteria.h"
#include "ProcessItem.h"
#include "Project.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

#include <algorithm>

namespace {

CString descriptionOf(ProcessItem* item, int language) {
    return item->getExtension() ? item->getExtension()->readDescription(language, 0, 0, 0) : CString();
}

CString tailoringOf(ProcessItem* item, int language) {
    return item->getExtension() ? item->getExtension()->readTailoringGuideline(language, 0, 0) : CString();
}

} // namespace

CProcedureDialogMgt::CProcedureDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(180, "Procedure attribute"), m_project(project), m_item(item) {
    ItemGenericProcedure* procedure = item->getItemGenericProcedure();
    if (!procedure)
        return;
    // Both forms straight from the file, whatever UseAlternativeLinks says.
    m_altProcedure = procedure->readProcedure(1);
    m_procedure = procedure->readProcedure(0);
    m_altProcedureL2 = procedure->readProcedureL2(1);
    m_procedureL2 = procedure->readProcedureL2(0);
    m_description = descriptionOf(item, 0);
    m_procState = item->readValue("ProcState");
    m_procedureType = item->readValue("ProcedureType");
    m_procVersion = item->readValue("ProcVersion");
}

CGeneralProcedureGroupDialogMgt::CGeneralProcedureGroupDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(179, "General Procedure Group attributes"), m_project(project), m_item(item) {
    if (const ItemGenericProcedureGroup* group = item->getItemGenericProcedureGroup()) {
        m_allProcedures = group->m_allProcedures;
        m_printState = group->m_printState;
        m_printType = group->m_printType;
        m_printVersion = group->m_printVersion;
    }
}

CProcessOverviewDialogMgt::CProcessOverviewDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(160, "Process overview attributes"), m_project(project), m_item(item) {
    if (const ItemProcessOverview* overview = item->getItemProcessOverview())
        m_targetWorkflow = overview->getTargetWorkflow();
}

void CProcessOverviewDialogMgt::onSelchangeTargetWorkflow(ProcessItem* workflow) {
    if (workflow)
        m_targetWorkflow = workflow->getUrl();
}

MeasureDialogMgt::MeasureDialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(193, "Measure attributes"), m_project(project), m_item(item) {
    if (const ItemMeasure* measure = item->getItemMeasure()) {
        m_calculateAverage = measure->m_calculateAverage;
        m_calculateMedian = measure->m_calculateMedian;
        m_calculateStandardDeviation = measure->m_calculateStandardDeviation;
        m_unit = measure->getUnit();
        m_includePlannedValue = measure->m_includePlannedValue;
        m_hyperlink = measure->getHyperlink();
        m_picturePath = measure->getPicturePath();
    }
    m_description = descriptionOf(item, 0);
}

bool MeasureDialogMgt::onGetPicture(const CString& chosenPath) {
    const int slash = std::max(chosenPath.ReverseFind('/'), chosenPath.ReverseFind('\\'));
    const CString fileName = chosenPath.Mid(slash + 1);
    const CString target =
        m_project ? m_project->getPathInProject(m_item->getFolder(1, 1) + fileName) : CString();
    bool taken = false;
    if (!fileName.IsEmpty() && !target.IsEmpty()) {
        switch (askBeforeCopyInto(chosenPath, target, fileName)) {
        case ItemFolderCopy::Declined:
            return false;
        case ItemFolderCopy::UseAsIs:
            taken = true;
            break;
        case ItemFolderCopy::Copy:
            taken = CopyFileA(chosenPath, target, FALSE);
            break;
        }
    }
    if (!taken) {
        CString message;
        message.Format(loadString(32997), platform::shownPath(chosenPath).GetString(),
                       platform::shownPath(target).GetString());
        ui::AfxMessageBox(message);
        return false;
    }
    m_picturePath = fileName;
    return true;
}

CGlossaryEntryL1DlgMgt::CGlossaryEntryL1DlgMgt(int templateId, const CString& caption, int language,
                                               Project* project, ProcessItem* item)
    : PropertyPage(templateId, caption), m_project(project), m_item(item) {
    m_description = descriptionOf(item, language);
    if (const ItemGlossaryEntry* entry = item->getItemGlossaryEntry()) {
        m_equivalent = entry->getEquivalent(language);
        m_source = entry->getSource(language);
    }
}

CGlossaryEntryL1DlgMgt::CGlossaryEntryL1DlgMgt(Project* project, ProcessItem* item)
    : CGlossaryEntryL1DlgMgt(206, "Glossary entry (Language 1)", 0, project, item) {}

CGlossaryEntryL2DlgMgt::CGlossaryEntryL2DlgMgt(Project* project, ProcessItem* item)
    : CGlossaryEntryL1DlgMgt(207, "Glossary entry (Language 2)", 1, project, item) {}

CQCDescDialogMgt::CQCDescDialogMgt(int templateId, const CString& caption, int language, Project* project,
                                   ProcessItem* item)
    : PropertyPage(templateId, caption), m_project(project), m_item(item) {
    // The description is the class description file, the applicability the
    // tailoring guideline, as the sheet writes them back.
    m_description = descriptionOf(item, language);
    m_applicability = tailoringOf(item, language);
    if (const ItemQualityCriteria* criterion = item->getItemQualityCriteria(); criterion && language == 0)
        m_main = criterion->isMain();
}

CQCDescDialogMgt::CQCDescDialogMgt(Project* project, ProcessItem* item)
    : CQCDescDialogMgt(217, "Description and applicability", 0, project, item) {}

CQCDescL2DialogMgt::CQCDescL2DialogMgt(Project* project, ProcessItem* item)
    : CQCDescDialogMgt(218, "Description and applicability (L2)", 1, project, item) {}
