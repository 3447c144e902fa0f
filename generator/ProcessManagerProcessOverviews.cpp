// The process overview pages: each overview item's target workflow as an
// outline with the steps of its activities.

#include "ProcessManager.h"

#include "FileSystem.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "ProcessOverviewPage.h"

void ProcessManager::generateProcessOverview(int language) {
    PageRun run(*this);
    for (ProcessItem* overview : pageRunTables()->getDualItemsOfClass(kProcessOverviewClass))
        generateProcessOverviewPage(overview, language);
}

void ProcessManager::generateProcessOverviewPage(ProcessItem* overview, int language) {
    ProcessOverviewPage page(*this, *pageRunTables(), *overview, language);
    // Without a workflow to show, the old page stays as it was.
    Item* workflow = page.targetWorkflow();
    // A page that cannot be written is told, and the others are written.
    if (workflow && !page.write(*workflow))
        tellUnwrittenFile(getItemPagePath(overview, language));
}
