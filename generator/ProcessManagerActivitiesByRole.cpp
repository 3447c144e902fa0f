// The activities-by-role pages: "activities.htm" of every workflow and of
// the plain items inside it.

#include "ProcessManager.h"

#include "ActivitiesByRolePage.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ui/UserInterface.h"

#include <exception>

void ProcessManager::generateActivitiesByRole(int language) {
    PageRun run(*this);
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    // A page that cannot be written is told and leaves the old one; the
    // others are written. A failure ends the family with its text; the
    // generation goes on.
    try {
        for (ProcessItem* item : workflowPageItems(*this)) {
            ActivitiesByRolePage page(*this, *tables, *item, language);
            if (!page.write())
                tellUnwrittenFile(page.path());
        }
    } catch (const std::exception& error) {
        ui::AfxMessageBox(error.what());
    }
}
