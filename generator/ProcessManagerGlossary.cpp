// The pages that close every pass of the generation: the glossary page of
// every glossary item and the map of the site on every site-map item.

#include "ProcessManager.h"

#include "FileSystem.h"
#include "GlossaryPage.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcessItem.h"

#include <vector>

void ProcessManager::createGlossary(int language) {
    PageRun run(*this);
    guarded("createGlossary", [&] {
        const std::shared_ptr<const PageRunTables> tables = pageRunTables();
        const std::vector<ProcessItem*> glossaries = tables->getDualItemsOfClass(kGlossaryClass);
        if (glossaries.empty())
            return;
        // Sorted, and every description read, once for all the pages.
        const std::vector<GlossaryPage::Entry> entries =
            GlossaryPage::sortedEntries(*this, *tables, language);
        // A page that cannot be written is told, and the others are written.
        for (ProcessItem* glossary : glossaries)
            if (!GlossaryPage(*this, entries, *glossary, language).write())
                tellUnwrittenFile(getItemPagePath(glossary, language));
    });
}

void ProcessManager::createSiteMap(int language) {
    PageRun run(*this);
    guarded("createSiteMap", [&] {
        for (ProcessItem* item : pageRunTables()->getDualItemsOfClass(kSiteMapClass))
            writeSiteMapPage(item, language);
    });
}
