#include "ItemActivity.h"

#include "ActivityPages.h"
#include "CIdentificationDialogMgt.h"
#include "ItemClasses.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "PropertySheet.h"
#include "StdOption.h"

#include <algorithm>
#include <unordered_set>

namespace {

constexpr const char* kProcedureLinks[] = {"NOPROCEDURE", "STANDARD", "URL"};

void appendLine(CString& text, const CString& line) {
    if (!text.IsEmpty())
        text += "<br>";
    text += line;
}

} // namespace

ItemActivity::ItemActivity(ProcessItem* item, Project* project)
    : ProcessItemExtension(item, project), m_roles(new CStringListePlus),
      m_inWorkProducts(new CStringListePlus), m_outWorkProducts(new CStringListePlus),
      m_steps(new CStringListePlus), m_inheritedSteps(new CStringListePlus), m_stepsL2(new CStringListePlus),
      m_inheritedStepsL2(new CStringListePlus), m_generalProcedures(new CStringListePlus),
      m_measures(new CStringListePlus) {}

ItemActivity::~ItemActivity() {
    for (CStringListePlus* list : {m_roles, m_inWorkProducts, m_outWorkProducts, m_steps, m_inheritedSteps,
                                   m_stepsL2, m_inheritedStepsL2, m_generalProcedures, m_measures}) {
        list->deleteAll();
        delete list;
    }
}

CString ItemActivity::getKeyListText() {
    CString text = "ACTIVITY:";
    for (const char* key : {"InWorkProducts", "OutWorkProducts", "Step", "StepL2", "Roles", "Phase",
                            "ActivityType", "SeparatedProcedureText", "ProcedureLink", "ProcedureURL",
                            "ProcedureURLL2", "StepHyperlinks", "Derivable", "Derived", "DerivedFrom"})
        text += CString("\n\t\t\t") + key;
    return text;
}

void ItemActivity::loadData() {
    ProcessItemExtension::loadData();
    m_item->readList("InWorkProducts", m_inWorkProducts, ",", 1);
    m_item->readList("OutWorkProducts", m_outWorkProducts, ",", 1);
    m_item->readList("Step", m_steps, ",", 0);
    m_item->readList("StepL2", m_stepsL2, ",", 0);
    m_item->readList("Roles", m_roles, ",", 1);
    m_item->readList("GProc", m_generalProcedures, ",", 0);
    m_item->readList("Measures", m_measures, ",", 0);
    m_separatedProcedureText = m_item->readValue("SeparatedProcedureText") == "yes";
    m_stepHyperlinks = m_item->readValue("StepHyperlinks") == "yes";
    m_activityType = m_item->readValue("ActivityType");
    const CString link = m_item->readValue("ProcedureLink");
    m_procedureLink = link == kProcedureLinks[1] ? 1 : (link == kProcedureLinks[2] ? 2 : 0);
    m_procedureUrl = m_item->readValue("ProcedureURL");
    m_procedureUrlL2 = m_item->readValue("ProcedureURLL2");
    m_derivable = m_item->readValue("Derivable") == "yes";
    m_derived = m_item->readValue("Derived") == "yes";
    m_derivedFrom = m_item->readValue("DerivedFrom");
    m_item->readPhaseKey();
}

int ItemActivity::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeList("ProjectKind", m_item->getProjectKinds(), ",");
    ok &= m_item->writeList("InWorkProducts", m_inWorkProducts, ",");
    ok &= m_item->writeList("OutWorkProducts", m_outWorkProducts, ",");
    ok &= m_item->writeList("Step", m_steps, ",");
    ok &= m_item->writeList("StepL2", m_stepsL2, ",");
    ok &= m_item->writeList("Roles", m_roles, ",");
    ok &= m_item->writeValue("ActivityType", m_activityType);
    ok &= m_item->writeList("GProc", m_generalProcedures, ",");
    ok &= m_item->writeList("Measures", m_measures, ",");
    ok &= m_item->writeValue("SeparatedProcedureText", ProcessItem::yesNo(m_separatedProcedureText));
    ok &= m_item->writeValue("StepHyperlinks", ProcessItem::yesNo(m_stepHyperlinks));
    ok &= m_item->writeValue("ProcedureLink",
                             m_procedureLink == 0
                                 ? kProcedureLinks[0]
                                 : (m_procedureLink == 2 ? kProcedureLinks[2] : kProcedureLinks[1]));
    ok &= m_item->writeValue("ProcedureURL", m_procedureUrl);
    ok &= m_item->writeValue("ProcedureURLL2", m_procedureUrlL2);
    ok &= m_item->writeValue("Derivable", ProcessItem::yesNo(m_derivable));
    ok &= m_item->writeValue("Derived", ProcessItem::yesNo(m_derived));
    ok &= m_item->writeValue("DerivedFrom", m_derivedFrom);
    return reportSaveFailure(ok);
}

int ItemActivity::saveRoles() {
    return writeRolesKey();
}

// The steps page saves at once and tells the user so: a failed write is told.
int ItemActivity::saveSteps() {
    return reportSaveFailure(m_item->writeTogether([this] {
        const int first = m_item->writeList("Step", m_steps, ",");
        const int second = m_item->writeList("StepL2", m_stepsL2, ",");
        return first && second ? 1 : 0;
    }));
}

// The references are written with the list escapes, like every list key,
// so that a text holding a comma does not split into two references.
int ItemActivity::writeRolesKey() {
    return m_item->writeList("Roles", m_roles, ",");
}
int ItemActivity::writeInWorkProductsKey() {
    return m_item->writeList("InWorkProducts", m_inWorkProducts, ",");
}
int ItemActivity::writeOutWorkProductsKey() {
    return m_item->writeList("OutWorkProducts", m_outWorkProducts, ",");
}

void ItemActivity::addRole(const CString& reference, const CString& name) {
    m_roles->append(new CString(name.IsEmpty() ? reference : reference + "/" + name));
}

ItemActivity* ItemActivity::baseActivity() const {
    if (!m_derived || m_derivedFrom.IsEmpty() || !m_project)
        return nullptr;
    auto* base = dynamic_cast<ProcessItem*>(m_project->findItemByUid(m_derivedFrom));
    return base ? base->getItemActivity() : nullptr;
}

std::vector<ItemActivity*> ItemActivity::derivationChain() {
    std::vector<ItemActivity*> chain{this};
    std::unordered_set<const ItemActivity*> met{this};
    for (ItemActivity* base = baseActivity(); base && met.insert(base).second; base = base->baseActivity())
        chain.push_back(base);
    return chain;
}

CStringListePlus* ItemActivity::inheritedSteps(int language, int withInherited) {
    CStringListePlus* own = language == 0 ? m_steps : m_stepsL2;
    if (!withInherited || !baseActivity())
        return own;
    const std::vector<ItemActivity*> chain = derivationChain();
    CStringListePlus* result = language == 0 ? m_inheritedSteps : m_inheritedStepsL2;
    result->deleteAll();
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        result->copyFrom((*it)->getOwnSteps(language));
    return result;
}

CStringListePlus* ItemActivity::getSteps(int withInherited) {
    return inheritedSteps(0, withInherited);
}

CStringListePlus* ItemActivity::getStepsL2(int withInherited) {
    return inheritedSteps(1, withInherited);
}

CString ItemActivity::readDescription(int language, int htmlMode, int noCarriageReturn, int escapeMode) {
    if (!htmlMode && !escapeMode)
        return ProcessItemExtension::readDescription(language, htmlMode, noCarriageReturn, escapeMode);
    // The farthest base first, each description after a separator.
    const std::vector<ItemActivity*> chain = derivationChain();
    CString text;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (it != chain.rbegin())
            text += htmlMode ? "<br>\n" : "\n";
        text +=
            (*it)->ProcessItemExtension::readDescription(language, htmlMode, noCarriageReturn, escapeMode);
    }
    return text;
}

int ItemActivity::countWorkProducts(CStringListePlus* references) {
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    int count = 0;
    std::vector<Item*> countedParents;
    for (int i = 1; i <= references->count(); ++i) {
        ProcessItem* product = manager ? manager->findWorkProduct(*references->at(i)) : nullptr;
        const ItemWorkProduct* extension = product ? product->getItemWorkProduct() : nullptr;
        Item* parent = product ? product->getParent() : nullptr;
        if (extension && extension->m_viewParentWorkProductInActivity && parent &&
            classKindOf(parent) == kWorkProductClass) {
            if (std::find(countedParents.begin(), countedParents.end(), parent) != countedParents.end())
                continue;
            countedParents.push_back(parent);
        }
        ++count;
    }
    return count;
}

int ItemActivity::countInWorkProducts() {
    return countWorkProducts(m_inWorkProducts);
}

int ItemActivity::countOutWorkProducts() {
    return countWorkProducts(m_outWorkProducts);
}

void ItemActivity::buildHtmlDescription(int language) {
    const ProcessOption& option = ProcessOption::instance();
    auto* manager = dynamic_cast<ProcessManager*>(m_project);
    CString popup;
    auto addPopupSection = [&](const CString& section) {
        if (section.IsEmpty())
            return;
        if (!popup.IsEmpty())
            popup += "<br><br>";
        popup += section;
    };
    auto addSection = [&](const char* labelKey, const CString& content) {
        if (!content.IsEmpty())
            addPopupSection(popupHeading(language, labelKey) + content);
    };
    if (option.getAP_Desc())
        addPopupSection(popupDescription(language, 1000));
    auto workProductLines = [&](CStringListePlus* references) {
        CString lines;
        for (int i = 1; i <= references->count(); ++i) {
            const CString& reference = *references->at(i);
            ProcessItem* product = manager ? manager->findWorkProduct(reference) : nullptr;
            if (!product)
                continue;
            CString line = "* " + product->getNameByLanguage(language);
            const CString state = getWorkProductReferenceStateName(reference, language, 0);
            if (!state.IsEmpty())
                line += " (" + state + ")";
            const CString tail = getWorkProductReferenceTail(reference);
            if (!tail.IsEmpty() && tail != "1")
                line += " (" + tail + ")";
            appendLine(lines, line);
        }
        return lines;
    };
    if (option.getAP_IWP())
        addSection("UsedWP", workProductLines(m_inWorkProducts));
    if (option.getAP_OWP())
        addSection("ProducedWP", workProductLines(m_outWorkProducts));
    if (option.getAP_Roles() && manager) {
        CString lines;
        CStringListePlus* responsibilities = manager->getRoleResponsibilities();
        for (int r = 1; r <= responsibilities->count(); ++r) {
            const CString& responsibility = *responsibilities->at(r);
            CString names;
            for (int i = 1; i <= m_roles->count(); ++i) {
                if (getReferenceName(*m_roles->at(i)) != responsibility)
                    continue;
                if (!names.IsEmpty())
                    names += ", ";
                names += getReferenceDisplayName(*m_roles->at(i), language);
            }
            if (names.IsEmpty())
                continue;
            appendLine(lines, responsibility.IsEmpty()
                                  ? "* " + names
                                  : "* <font color='navy'>" + m_project->getLabel(language, responsibility) +
                                        ":</font> " + names);
        }
        addSection("RolesActing", lines);
    }
    if (option.getAP_Steps()) {
        CStringListePlus* steps = language == 0 ? getSteps(1) : getStepsL2(1);
        CString lines;
        for (int i = 1; i <= steps->count(); ++i) {
            const CString& step = *steps->at(i);
            if (step.GetLength() >= 3 && step[0] == '#') {
                const int level = (step[1] >= '0' && step[1] <= '9') ? step[1] - '0' : 0;
                if (level != 0)
                    continue;
                const bool longStep = step.GetLength() > 3;
                const bool comment = longStep && step[2] == 'C';
                const CString text = step.Mid(longStep && (step[2] == 'C' || step[2] == 'O') ? 4 : 3);
                appendLine(lines, comment ? "<i>" + text + "</i>" : "* " + text);
            } else {
                appendLine(lines, "* " + step);
            }
        }
        lines.Replace("<br><br>", "<br>");
        addSection("Step", lines);
    }
    m_item->setHtmlDescription(language, popup);
}

void ItemActivity::edit() {
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    ActivityRolesWPsDialogMgt rolesAndProducts(m_project, m_item);
    ActivityStepsDialogMgt steps(m_project, m_item);
    CActivityAttrDialogMgt attributes(m_project, m_item);
    ActivityDescDialogMgt description(m_project, m_item, 0);
    DescL2DialogMgt descriptionL2(m_project, m_item, 1);
    TGDialogMgt tailoring(m_project, m_item, 0);
    TGDialogMgt tailoringL2(m_project, m_item, 1);
    tailoringL2.setCaption("Tailoring guideline 2nd lang");
    CActivityMeasureMgt measures(m_project, m_item);
    CActivityInformationsDialogMgt informations(m_project, m_item);
    CIdentificationDialogMgt identification(m_item);
    PropertySheet sheet("Edit activity: " + m_item->getName());
    sheet.addPage(&rolesAndProducts);
    sheet.addPage(&steps);
    sheet.addPage(&attributes);
    sheet.addPage(&description);
    if (twoLanguages)
        sheet.addPage(&descriptionL2);
    sheet.addPage(&tailoring);
    if (twoLanguages)
        sheet.addPage(&tailoringL2);
    sheet.addPage(&measures);
    sheet.addPage(&informations);
    sheet.addPage(&identification);
    if (sheet.DoModal() != IDOK)
        return;
    writeDescription(description.m_description, 0);
    writeTailoringGuideline(tailoring.m_tailoringGuideline, 0);
    if (twoLanguages) {
        writeDescription(descriptionL2.m_description, 1);
        writeTailoringGuideline(tailoringL2.m_tailoringGuideline, 1);
    }
    m_activityType = attributes.m_activityType;
    m_stepHyperlinks = attributes.m_stepHyperlinks;
    m_separatedProcedureText = attributes.m_separatedProcedureText;
    m_procedureUrl = attributes.m_procedureUrl;
    m_procedureUrlL2 = attributes.m_procedureUrlL2;
    m_procedureLink = attributes.m_procedureLink;
    identification.storeInto(m_item);
    m_derivedFrom = attributes.m_derivedFrom ? attributes.m_derivedFrom->getUid() : CString();
    m_derivable = attributes.m_derivable;
    m_derived = attributes.m_derived;
    m_item->save();
    identification.writeNotes(m_item);
    identification.renameWhenChanged(m_item);
}
