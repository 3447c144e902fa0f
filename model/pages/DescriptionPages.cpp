#include "DescriptionPages.h"

#include "ItemMacroActivity.h"
#include "ItemPhase.h"
#include "ItemWorkflow.h"
#include "ProcessItem.h"

DescL1DialogMgt::DescL1DialogMgt(int templateId, const CString& caption, Project* project, ProcessItem* item,
                                 int language)
    : PropertyPage(templateId, caption), m_project(project), m_item(item), m_language(language) {
    if (item->getExtension())
        m_description = item->getExtension()->readDescription(language, 0, 0, 0);
}

DescL1DialogMgt::DescL1DialogMgt(Project* project, ProcessItem* item, int language)
    : DescL1DialogMgt(197, "Description", project, item, language) {}

DescL2DialogMgt::DescL2DialogMgt(Project* project, ProcessItem* item, int language)
    : DescL1DialogMgt(189, "Description 2nd Lang", project, item, language) {}

TGDialogMgt::TGDialogMgt(Project* project, ProcessItem* item, int language)
    : PropertyPage(194, "Tailoring guideline"), m_project(project), m_item(item), m_language(language) {
    if (item->getExtension())
        m_tailoringGuideline = item->getExtension()->readTailoringGuideline(language, 0, 0);
}

DualAttrDlgMgt::DualAttrDlgMgt(Project* project, ProcessItem* item)
    : PropertyPage(196, "Attributes"), m_includeInProcessDoc(item->isIncludedInProcessDoc()), m_project(project),
      m_item(item) {}

CWorkflowEditorStarterDlgMgt::CWorkflowEditorStarterDlgMgt(Project* project, ProcessItem* item,
                                                           const CString& diagramName, int showGenerationChoice)
    : PropertyPage(231, "Workflow"), m_project(project), m_item(item), m_diagramName(diagramName),
      m_showGenerationChoice(showGenerationChoice) {
    if (!showGenerationChoice)
        return;
    if (const ItemMacroActivity* macro = item->getItemMacroActivity())
        m_fullyGenerated = macro->isFullyGenerated();
    else if (const ItemPhase* phase = item->getItemPhase())
        m_fullyGenerated = phase->isFullyGenerated();
    else if (const ItemWorkflow* workflow = item->getItemWorkflow())
        m_fullyGenerated = workflow->isFullyGenerated();
}
