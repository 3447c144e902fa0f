// The activities-by-state pages of the items inside workflows, and the
// discipline names that the activity / work product table is chosen from.

#include "ProcessManager.h"

#include "ActivitiesByStatePage.h"
#include "CStringListe.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ui/UserInterface.h"

#include <exception>

void ProcessManager::generateActivityAccessByState(int language) {
    PageRun run(*this);
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    // A page that cannot be written is told, and the others are written. A
    // failure ends the family with its text; the generation goes on.
    try {
        for (ProcessItem* item : workflowPageItems(*this))
            if (item->getClassKind() != kWorkflowClass)
                generateActivitiesByStatePage(item, language);
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    }
}

void ProcessManager::generateActivitiesByStatePage(ProcessItem* item, int language) {
    ActivitiesByStatePage page(*this, *pageRunTables(), *item, language);
    if (!page.write())
        tellUnwrittenFile(page.path());
}

CStringListe* ProcessManager::getDisciplineNames() {
    updateLinks(0, 0);
    auto* names = new CStringListe;
    // The tables are held for the walk: the list walked is theirs.
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    for (Item* item : tables->getItems())
        if (classKindOf(item) == kDisciplineClass)
            names->append(new CString(static_cast<ProcessItem*>(item)->getDiscipline()));
    return names;
}
