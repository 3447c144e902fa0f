#include "AttributeSheets.h"

#include "ClassPages.h"
#include "CIdentificationDialogMgt.h"
#include "DescriptionPages.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemGenericProcedureGroup.h"
#include "ItemGlossaryEntry.h"
#include "ItemMeasure.h"
#include "ItemProcessOverview.h"
#include "ItemQualityCriteria.h"
#include "ProcessItem.h"
#include "Project.h"
#include "PropertySheet.h"
#include "StdOption.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

namespace {

// Runs the sheet: the given pages, then the identification page.
bool runSheet(const CString& title, std::initializer_list<PropertyPage*> pages, CIdentificationDialogMgt& identification) {
    PropertySheet sheet(title);
    for (PropertyPage* page : pages)
        if (page)
            sheet.addPage(page);
    sheet.addPage(&identification);
    return sheet.DoModal() == IDOK;
}

void noteIdentifySave(ProcessItem* item, CIdentificationDialogMgt& identification) {
    identification.writeNotes(item);
    identification.storeInto(item);
    item->save();
}

} // namespace

void AttributeSheets::editItemAttributes(Project* project, Item* node) {
    if (!project || !node)
        return;
    Item* target = node;
    {
        ui::WaitCursor wait;
        project->updateLinks(0, 0);
        if (target->getKind() == kShortcut)
            target = project->findShortcutTarget(target);
        if (auto* processItem = dynamic_cast<ProcessItem*>(target))
            processItem->load(1);
    }
    auto* item = dynamic_cast<ProcessItem*>(target);
    if (!item)
        return;
    if (item->getKind() == kExternal) {
        ui::AfxMessageBox(loadString(33036));
        return;
    }
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    const CString name = item->getName();
    CIdentificationDialogMgt identification(item);
    ProcessItemExtension* extension = item->getExtension();
    switch (item->getClassKind()) {
    case kRoleClass:
    case kActivityClass:
    case kMacroActivityClass:
    case kPhaseClass:
    case kWorkProductClass:
    case kWorkflowClass:
    case kRoleGroupClass:
    case kWorkProductOverviewClass:
        item->edit();
        return;
    case kNoProcessClass: {
        CEditContent content(project, item);
        DualAttrDlgMgt attributes(project, item);
        if (!runSheet("Edit data", {&content, &attributes}, identification))
            return;
        item->setIncludedInProcessDoc(attributes.m_includeInProcessDoc);
        identification.storeInto(item);
        item->save();
        identification.writeNotes(item);
        return;
    }
    case kDisciplineClass:
    case kDomainClass: {
        CEditContent content(project, item);
        const char* words = item->getClassKind() == kDisciplineClass ? "Discipline edition: " : "Domain edition: ";
        if (runSheet(words + name, {&content}, identification))
            noteIdentifySave(item, identification);
        return;
    }
    case kGeneralProcedureClass: {
        CProcedureDialogMgt procedure(project, item);
        DescL2DialogMgt descriptionL2(project, item, 1);
        if (!runSheet("General procedure edition: " + name, {&procedure, twoLanguages ? &descriptionL2 : nullptr},
                      identification))
            return;
        if (ItemGenericProcedure* extension = item->getItemGenericProcedure())
            extension->saveProcedure(procedure.m_altProcedure, procedure.m_procedure, procedure.m_procState,
                                     procedure.m_procedureType, procedure.m_procVersion, procedure.m_description,
                                     procedure.m_altProcedureL2, procedure.m_procedureL2);
        if (twoLanguages && extension)
            extension->writeDescription(descriptionL2.m_description, 1);
        noteIdentifySave(item, identification);
        return;
    }
    case kGeneralProcedureGroupClass: {
        CGeneralProcedureGroupDialogMgt attributes(project, item);
        if (!runSheet("General procedure group edition: " + name, {&attributes}, identification))
            return;
        if (ItemGenericProcedureGroup* group = item->getItemGenericProcedureGroup()) {
            group->m_printType = attributes.m_printType;
            group->m_printState = attributes.m_printState;
            group->m_printVersion = attributes.m_printVersion;
            group->m_allProcedures = attributes.m_allProcedures;
        }
        identification.storeInto(item);
        item->save();
        identification.writeNotes(item);
        return;
    }
    case kProcessOverviewClass: {
        CProcessOverviewDialogMgt attributes(project, item);
        if (!runSheet("Edit process overview", {&attributes}, identification))
            return;
        if (ItemProcessOverview* overview = item->getItemProcessOverview())
            overview->setTargetWorkflow(attributes.m_targetWorkflow);
        identification.storeInto(item);
        item->save();
        identification.writeNotes(item);
        return;
    }
    case kMeasureClass: {
        MeasureDialogMgt attributes(project, item);
        DescL2DialogMgt descriptionL2(project, item, 1);
        if (!runSheet("Measure edition: " + name, {&attributes, twoLanguages ? &descriptionL2 : nullptr},
                      identification))
            return;
        if (ItemMeasure* measure = item->getItemMeasure()) {
            measure->m_calculateAverage = attributes.m_calculateAverage;
            measure->m_calculateMedian = attributes.m_calculateMedian;
            measure->m_calculateStandardDeviation = attributes.m_calculateStandardDeviation;
            measure->setUnit(attributes.m_unit);
            measure->setPicturePath(attributes.m_picturePath);
            measure->setHyperlink(attributes.m_hyperlink);
            measure->m_includePlannedValue = attributes.m_includePlannedValue;
        }
        identification.storeInto(item);
        item->save();
        if (extension) {
            extension->writeDescription(attributes.m_description, 0);
            if (twoLanguages)
                extension->writeDescription(descriptionL2.m_description, 1);
        }
        identification.writeNotes(item);
        return;
    }
    case kGlossaryEntryClass: {
        CGlossaryEntryL1DlgMgt entry(project, item);
        CGlossaryEntryL2DlgMgt entryL2(project, item);
        if (!runSheet("Glossary Entry: " + name, {&entry, twoLanguages ? &entryL2 : nullptr}, identification))
            return;
        identification.storeInto(item);
        ItemGlossaryEntry* glossaryEntry = item->getItemGlossaryEntry();
        if (glossaryEntry) {
            glossaryEntry->setSourceL1(entry.m_source);
            glossaryEntry->setEquivalentL1(entry.m_equivalent);
        }
        identification.writeNotes(item);
        if (extension) {
            extension->writeDescription(entry.m_description, 0);
            if (twoLanguages) {
                if (glossaryEntry) {
                    glossaryEntry->setSourceL2(entryL2.m_source);
                    glossaryEntry->setEquivalentL2(entryL2.m_equivalent);
                }
                extension->writeDescription(entryL2.m_description, 1);
            }
        }
        item->save();
        return;
    }
    case kQualityCriteriaClass: {
        CQCDescDialogMgt description(project, item);
        CQCDescL2DialogMgt descriptionL2(project, item);
        if (!runSheet("Edit quality criteria", {&description, twoLanguages ? &descriptionL2 : nullptr},
                      identification))
            return;
        identification.writeNotes(item);
        identification.storeInto(item);
        // The Main flag goes into the one save, so the minor version rises by one.
        if (ItemQualityCriteria* criterion = item->getItemQualityCriteria())
            criterion->setMain(description.m_main);
        item->save();
        if (extension) {
            extension->writeDescription(description.m_description, 0);
            extension->writeTailoringGuideline(description.m_applicability, 0);
            if (twoLanguages) {
                extension->writeDescription(descriptionL2.m_description, 1);
                extension->writeTailoringGuideline(descriptionL2.m_applicability, 1);
            }
        }
        return;
    }
    default:
        if (runSheet("Edit  data", {}, identification))
            noteIdentifySave(item, identification);
        return;
    }
}
