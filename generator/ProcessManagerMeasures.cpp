// The measure pages: the whole page of every measure, with the statistics
// of the data its projects archived.

#include "ProcessManager.h"

#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "MeasurePage.h"
#include "ProcessItem.h"

#include <vector>

void ProcessManager::generateMeasure(int language) {
    PageRun run(*this);
    guarded("generateMeasure", [&] {
        std::vector<ProcessItem*> measures;
        ItemIterateur* it = getItemList()->ItemListe::createIterator();
        for (; !it->isAtEnd(); it->next()) {
            auto* item = dynamic_cast<ProcessItem*>(it->current());
            if (item && item->getKind() == kDual && item->getClassKind() == kMeasureClass &&
                item->getItemMeasure())
                measures.push_back(item);
        }
        delete it;
        // A page that cannot be written is told and leaves the old one; the
        // others are written.
        for (ProcessItem* measure : measures)
            if (!MeasurePage(*this, *measure, language).write())
                tellUnwrittenFile(getItemPagePath(measure, language));
    });
}
