#include "IntegrityReport.h"

#include "CStringListePlus.h"
#include "ExportFile.h"
#include "ExportRun.h"
#include "FileSystem.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemListe.h"
#include "ItemProcessOverview.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace {

// The class of an item for the class check: its target's for a shortcut.
CString classText(Item* item) {
    return getProcessClassKeyword(classKindOf(item), 1);
}

} // namespace

void IntegrityReport::generateIntegrityReport() {
    ExportRun run(m_manager);
    m_manager.linkWorkProducts();
    const PageRunTables& tables = run.getTables();
    const std::vector<ProcessItem*> activities = run.getItemsOfClass(kActivityClass);
    const std::vector<ProcessItem*> workProducts = run.getItemsOfClass(kWorkProductClass);
    auto name = [](Item* item) { return ExportFile::field(item->getName()); };
    ExportFile file(m_manager, "Report.csv");

    file << "Dual item problem (missing <directory>/" << kOverviewPageName << "):\n"
         << "Name;Path\n";
    for (Item* item : tables.getItems()) {
        if (item->getFolder(1, 0).Find("../site") < 0)
            continue;
        const CString page = m_manager.getPathInProject(item->getFolder(1, 1) + kOverviewPageName);
        if (page.IsEmpty() || !platform::fileExists(page))
            file << name(item) << ";" << ExportFile::field(item->getOverviewUrl(0)) << "\n";
    }

    file << "Item path length > 255 (problem with windows limitation)\n"
         << "Length;Path\n";
    int longest = 0;
    for (Item* item : tables.getItems()) {
        const CString path = m_manager.getSiteDirectory() + item->getUrl();
        longest = std::max(longest, path.GetLength());
        if (path.GetLength() > kMaxPathLength)
            file << path.GetLength() << ";" << ExportFile::field(path) << "\n";
    }
    file << "Max length (including root path): " << longest << "\n"
         << "Max length (excluding root path): " << longest - m_manager.getSiteDirectory().GetLength()
         << "\n\n";

    file << "Broken shortcuts: \n";
    for (Item* item : tables.getItems())
        if (item->getKind() == kShortcut &&
            (item->getReferencedUid().IsEmpty() || !tables.getShortcutTarget(item)))
            file << name(item) << ";" << ExportFile::field(" " + item->getUrl()) << "\n";
    file << "\n\n";

    // Which referenced work products some activity reads, and which one produces.
    std::unordered_set<CString> read, produced;
    for (ProcessItem* item : activities)
        if (const ItemActivity* activity = item->getItemActivity())
            for (const bool input : {true, false}) {
                CStringListePlus* references =
                    input ? activity->getInWorkProducts() : activity->getOutWorkProducts();
                for (int r = 1; r <= references->count(); ++r)
                    (input ? read : produced)
                        .insert(lowerCased(getWorkProductReferenceName(*references->at(r), 0)));
            }
    CStringListePlus* referenced = m_manager.getActivityWorkProductLists();
    for (const bool unused : {true, false}) {
        file << (unused ? "\n\nWork products produced but not used in the process:\n"
                        : "\n\nWork products used but not produced in the process:\n");
        for (int i = 1; i <= referenced->count(); ++i)
            if (!(unused ? read : produced).count(lowerCased(*referenced->at(i))))
                file << ExportFile::field(*referenced->at(i)) << "\n";
    }
    referenced->deleteAll();
    delete referenced;

    file << "\n\nRoles link to activity but not defined:\n"
         << "Role;Where\n";
    for (ProcessItem* item : activities)
        if (const ItemActivity* activity = item->getItemActivity())
            for (int r = 1; r <= activity->getRoles()->count(); ++r)
                if (!m_manager.findRole(*activity->getRoles()->at(r)))
                    file << ExportFile::field(*activity->getRoles()->at(r)) << ";" << name(item) << "\n";

    file << "\n\nWork products link to activity but not defined:\n"
         << "Work product;Where\n";
    std::unordered_set<const ProcessItem*> found;
    for (ProcessItem* item : activities)
        if (const ItemActivity* activity = item->getItemActivity())
            for (const bool input : {true, false}) {
                CStringListePlus* references =
                    input ? activity->getInWorkProducts() : activity->getOutWorkProducts();
                for (int r = 1; r <= references->count(); ++r) {
                    if (ProcessItem* product = m_manager.findWorkProduct(*references->at(r)))
                        found.insert(product);
                    else
                        file << ExportFile::field(*references->at(r)) << ";" << name(item)
                             << (input ? "" : ";") << "\n";
                }
            }
    file << "\nWork product defined but not used:\n";
    for (ProcessItem* product : workProducts)
        if (!found.count(product))
            file << name(product) << "\n";

    file << "\n\nIntegrity of work product owner - responsible role of activity updating the work product:\n"
         << "warning/preconisation;Work product;Author(s);Activity;Responsible of activity\n";
    for (ProcessItem* item : workProducts) {
        const ItemWorkProduct* product = item->getItemWorkProduct();
        if (!product)
            continue;
        CString authors;
        for (int a = 1; a <= product->m_authors->count(); ++a) {
            const CString& entry = *product->m_authors->at(a);
            const CString responsibility = lowerCased(getReferenceName(entry));
            ProcessItem* role = m_manager.findRole(entry);
            if (!role || !(responsibility.IsEmpty() || responsibility == "author"))
                continue;
            if (!authors.IsEmpty())
                authors += ", ";
            authors += role->getName();
        }
        ItemListe* producers = product->getProducingActivities();
        for (int p = 1; p <= producers->count(); ++p) {
            auto* producer = dynamic_cast<ProcessItem*>(producers->at(p));
            const ItemActivity* activity = producer ? producer->getItemActivity() : nullptr;
            if (!activity)
                continue;
            const CString& type = activity->getActivityType();
            if (type == ItemActivity::getMilestoneReviewType() || type == ItemActivity::getPeerReviewType() ||
                type == ItemActivity::getFormalReviewType())
                continue;
            for (int r = 1; r <= activity->getRoles()->count(); ++r) {
                const CString& entry = *activity->getRoles()->at(r);
                ProcessItem* role = lowerCased(getReferenceName(entry)) == "responsible"
                                        ? m_manager.findRole(entry)
                                        : nullptr;
                if (!role)
                    continue;
                if (authors.IsEmpty())
                    file << "WorkProduct author preconisation;" << name(item) << "; ;" << name(producer)
                         << ";" << name(role) << "\n";
                else if (!product->hasAuthor(role, "author"))
                    file << "Potential incoherence;" << name(item) << ";" << ExportFile::field(authors) << ";"
                         << name(producer) << ";" << name(role) << "\n";
            }
        }
    }

    static const char* const kActivityGaps[] = {"\n\nActivity without associated roles:\n",
                                                "\n\nActivity without associated in work product:\n",
                                                "\n\nActivity without associated out work product:\n"};
    for (int gap = 0; gap < 3; ++gap) {
        file << kActivityGaps[gap];
        for (ProcessItem* item : activities)
            if (const ItemActivity* activity = item->getItemActivity()) {
                CStringListePlus* list = gap == 0   ? activity->getRoles()
                                         : gap == 1 ? activity->getInWorkProducts()
                                                    : activity->getOutWorkProducts();
                if (list->count() == 0)
                    file << name(item) << "\n";
            }
    }

    file << "\n\nGeneral procedure not linked to a procedure document:\n";
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    for (ProcessItem* item : run.getItemsOfClass(kGeneralProcedureClass)) {
        ItemGenericProcedure* procedure = item->getItemGenericProcedure();
        if (!procedure)
            continue;
        if (procedure->readProcedure(0).IsEmpty())
            file << name(item) << "\n";
        if (twoLanguages && procedure->readProcedureL2(0).IsEmpty())
            file << ExportFile::field(item->getName() + " (L2)") << "\n";
    }

    file << "\n\nWork product without associated roles:\n";
    for (ProcessItem* item : workProducts)
        if (item->getItemWorkProduct() && item->getItemWorkProduct()->m_authors->count() == 0)
            file << name(item) << "\n";

    file << "\n\nProcess overview without target workflow:\n";
    for (ProcessItem* item : run.getItemsOfClass(kProcessOverviewClass))
        if (item->getItemProcessOverview() && item->getItemProcessOverview()->getTargetWorkflow().IsEmpty())
            file << name(item) << "\n";

    file << "\n\nActivity without defined step:\n";
    for (ProcessItem* item : activities) {
        ItemActivity* activity = item->getItemActivity();
        if (!activity || activity->getOwnSteps(0)->count() > 0)
            continue;
        auto* base = activity->getDerivedFrom().IsEmpty()
                         ? nullptr
                         : dynamic_cast<ProcessItem*>(m_manager.findItemByUid(activity->getDerivedFrom()));
        if (!(base && base->getItemActivity() && base->getItemActivity()->getOwnSteps(0)->count() > 0))
            file << name(item) << "\n";
    }

    file << "\n\nWrong item class in the hierarchy:\n";
    for (Item* listed : tables.getItems()) {
        Item* item = listed->getKind() == kShortcut ? tables.getShortcutTarget(listed) : listed;
        if (!item)
            continue;
        Item* parent = listed->getParent();
        if (isAllowedChildItemOf(listed, parent))
            continue;
        Item* parentItem =
            parent && parent->getKind() == kShortcut ? tables.getShortcutTarget(parent) : parent;
        const CString father = !parent ? CString(" no father ")
                               : parentItem
                                   ? " father: " + parentItem->getName() + " (" + classText(parentItem) + ")"
                                   : " father: " + parent->getName() + " (" + classText(nullptr) + ")";
        file << ExportFile::field(item->getName() + " (" + classText(item) + ") ") << ";"
             << ExportFile::field(father) << "\n";
    }

    if (file.close()) {
        ExportFile::reportGenerated(m_manager, "Report.csv");
    }
}
