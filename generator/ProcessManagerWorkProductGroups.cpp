// The synthesis page of every work product group.

#include "ProcessManager.h"

#include "FileSystem.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcessItem.h"
#include "WorkProductGroupPage.h"

void ProcessManager::generateSynthesisOnWPGroup(int language) {
    PageRun run(*this);
    guarded("generateSynthesisOnWPGroup", [&] {
        for (ProcessItem* group : pageRunTables()->getDualItemsOfClass(kWorkProductGroupClass))
            generateWPGroupSynthesisPage(group, language);
    });
}

void ProcessManager::generateWPGroupSynthesisPage(ProcessItem* group, int language) {
    // A page that cannot be written is told, and the others are written.
    if (!WorkProductGroupPage(*this, *pageRunTables(), *group, language).write())
        tellUnwrittenFile(getItemPagePath(group, language));
}
