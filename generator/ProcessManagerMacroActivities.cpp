// The macro-activity, phase and workflow pages: each one's generated
// section below its marker, or its whole page when it is generated whole
// from its diagram.

#include "ProcessManager.h"

#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "MacroActivityPage.h"
#include "PageRunTables.h"
#include "ProcessItem.h"

#include <vector>

void ProcessManager::generateMacroActivity(int language) {
    PageRun run(*this);
    guarded("generateMacroActivity", [&] {
        updateLinks(0, 0);
        std::vector<ProcessItem*> pages;
        ItemIterateur* it = getItemList()->ItemListe::createIterator();
        for (; !it->isAtEnd(); it->next()) {
            auto* item = dynamic_cast<ProcessItem*>(it->current());
            const int kind = item ? item->getClassKind() : 0;
            if (item && item->getKind() == kDual &&
                (kind == kMacroActivityClass || kind == kPhaseClass || kind == kWorkflowClass))
                pages.push_back(item);
        }
        delete it;
        const std::shared_ptr<const PageRunTables> tables = pageRunTables();
        for (ProcessItem* item : pages)
            MacroActivityPage(*this, *tables, *item, language).write();
    });
}
