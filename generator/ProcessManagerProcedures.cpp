// The general procedure pages: the whole page of every procedure, then the
// table page of every procedure group.

#include "ProcessManager.h"

#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcedureGroupPage.h"
#include "ProcedurePage.h"
#include "ProcessItem.h"

#include <vector>

void ProcessManager::generateGenericProcedure(int language) {
    PageRun run(*this);
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    std::vector<ProcessItem*> procedures;
    std::vector<ProcessItem*> groups;
    for (Item* item : tables->getItems()) {
        if (item->getKind() != kDual)
            continue;
        auto* processItem = static_cast<ProcessItem*>(item);
        const int kind = classKindOf(item);
        if (kind == kGeneralProcedureClass && processItem->getItemGenericProcedure())
            procedures.push_back(processItem);
        else if (kind == kGeneralProcedureGroupClass && processItem->getItemGenericProcedureGroup())
            groups.push_back(processItem);
    }
    // A page that cannot be written is told and leaves the old one; the
    // others are written. Any other failure reaches the generation, which
    // reports it.
    for (ProcessItem* procedure : procedures)
        if (!ProcedurePage(*this, *tables, *procedure, language).write())
            tellUnwrittenFile(getItemPagePath(procedure, language));
    for (ProcessItem* group : groups)
        if (!ProcedureGroupPage(*this, *tables, *group, ProcedureGroupPage::listedProcedures(*tables, *group),
                                language)
                 .write())
            tellUnwrittenFile(getItemPagePath(group, language));
}
