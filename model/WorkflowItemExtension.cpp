#include "WorkflowItemExtension.h"

#include "CIdentificationDialogMgt.h"
#include "DescriptionPages.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemMacroActivity.h"
#include "ItemPhase.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "PropertySheet.h"
#include "StdOption.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

void WorkflowItemExtension::loadData() {
    ProcessItemExtension::loadData();
    m_fullyGenerated = m_item->readValue("fullyGenerated") == "yes";
}

int WorkflowItemExtension::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeValue("fullyGenerated", m_fullyGenerated ? "yes" : "no");
    return reportSaveFailure(ok);
}

void WorkflowItemExtension::buildHtmlDescription(int language) {
    const ProcessOption& option = ProcessOption::instance();
    CString text;
    if (option.getMAP_Desc())
        text += popupDescription(language);
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    if (option.getMAP_outWP() && manager) {
        ProcessItemListe activities;
        manager->getDescendantActivities(m_item, &activities);
        // In the order first met; the set answers "met before" for a
        // workflow over the whole process as quickly as for a small one.
        std::vector<Item*> produced;
        std::unordered_set<Item*> met;
        for (int a = 1; a <= activities.count(); ++a) {
            const ItemActivity* activity = activities.at(a)->getItemActivity();
            if (!activity)
                continue;
            CStringListePlus* references = activity->getOutWorkProducts();
            for (int r = 1; r <= references->count(); ++r) {
                Item* product = manager->findWorkProduct(*references->at(r));
                if (!product)
                    continue;
                // A state or an element counts as its outermost work product.
                while (product->getParent() && classKindOf(product->getParent()) == kWorkProductClass)
                    product = product->getParent();
                if (met.insert(product).second)
                    produced.push_back(product);
            }
        }
        activities.removeAll();
        if (!produced.empty()) {
            if (!text.IsEmpty())
                text += "<br>\n";
            text += "<b><font color='navy'>" + m_project->getLabel(language, "ProducedWP") + "</font></b>";
            for (Item* product : produced)
                text += "\n* " + product->getNameByLanguage(language);
        }
    }
    text += extraPopupSection(language);
    m_item->setHtmlDescription(language, text);
}

void WorkflowItemExtension::edit() {
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    CWorkflowEditorStarterDlgMgt starter(m_project, m_item, "Workflow", 1);
    DescL1DialogMgt description(m_project, m_item, 0);
    DescL2DialogMgt descriptionL2(m_project, m_item, 1);
    CIdentificationDialogMgt identification(m_item);
    CEditContent content(m_project, m_item);
    PropertySheet sheet(sheetWords() + " edition: " + m_item->getName());
    sheet.addPage(&starter);
    sheet.addPage(&description);
    if (twoLanguages)
        sheet.addPage(&descriptionL2);
    sheet.addPage(&identification);
    sheet.addPage(&content);
    if (sheet.DoModal() != IDOK)
        return;
    identification.writeNotes(m_item);
    identification.storeInto(m_item);
    m_fullyGenerated = starter.m_fullyGenerated;
    m_item->save();
    writeDescription(description.m_description, 0);
    if (twoLanguages)
        writeDescription(descriptionL2.m_description, 1);
    identification.renameWhenChanged(m_item);
}

void ItemMacroActivity::loadData() {
    WorkflowItemExtension::loadData();
    m_item->readPhaseKey();
}

CString ItemMacroActivity::extraPopupSection(int language) {
    if (!ProcessOption::instance().getMAP_childrenActivities())
        return CString();
    CString children;
    ItemIterateur* it = m_project->getItemIterator();
    it->seek(m_item);
    if (!it->isAtEnd())
        it->next();
    for (; !it->isAtEnd(); it->next()) {
        Item* walked = it->current();
        if (walked->getLevel() <= m_item->getLevel())
            break;
        Item* resolved = walked->getKind() == kShortcut ? m_project->findShortcutTarget(walked) : walked;
        if (!resolved || walked->getLevel() != m_item->getLevel() + 1)
            continue;
        const int kind = classKindOf(resolved);
        if (kind != kActivityClass && kind != kMacroActivityClass && kind != kPhaseClass)
            continue;
        if (!children.IsEmpty())
            children += "<br>";
        children += "* " + resolved->getNameByLanguage(language);
    }
    delete it;
    if (children.IsEmpty())
        return CString();
    return "<br><br>" + popupHeading(language, "Activities") + children;
}

void ItemPhase::loadData() {
    WorkflowItemExtension::loadData();
    m_item->getPhaseList()->deleteAll();
    const CString phase = m_item->readValue("Phase");
    m_item->addPhase(phase.IsEmpty() ? m_item->getName() : phase);
}
