// The role pages: the whole page of every role and, when the settings ask
// for it, of every role group.

#include "ProcessManager.h"

#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "ProcessOption.h"
#include "RolePage.h"

#include <vector>

void ProcessManager::generateRole(int language) {
    PageRun run(*this);
    linkRoles();
    const std::vector<CString> phases = RolePage::phasesOfProcess(*this);
    const bool groups = ProcessOption::instance().getGenerateRoleGroup();
    std::vector<ProcessItem*> pages;
    ItemIterateur* it = getItemList()->ItemListe::createIterator();
    for (; !it->isAtEnd(); it->next()) {
        auto* item = dynamic_cast<ProcessItem*>(it->current());
        const int kind = item ? item->getClassKind() : 0;
        if (item && item->getKind() == kDual && !item->isDoNotGenerate() &&
            (kind == kRoleClass || (groups && kind == kRoleGroupClass)))
            pages.push_back(item);
    }
    delete it;
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    // A page that cannot be written is told, and the other pages are written.
    for (ProcessItem* item : pages)
        if (!RolePage(*this, *tables, phases, *item, language).write())
            tellUnwrittenFile(getItemPagePath(item, language));
}
