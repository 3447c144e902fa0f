// The activity pages: the generated section of every activity's page, or
// its whole page when its procedure text lies on a page of its own.

#include "ProcessManager.h"

#include "ActivityPage.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"

#include <vector>

void ProcessManager::generateActivity(int language) {
    PageRun run(*this);
    guarded("generateActivity", [&] {
        const ActivityPage::BlockOrder order = ActivityPage::BlockOrder::fromSettings();
        std::vector<ProcessItem*> activities;
        ItemIterateur* it = getItemList()->ItemListe::createIterator();
        for (; !it->isAtEnd(); it->next()) {
            auto* item = dynamic_cast<ProcessItem*>(it->current());
            if (item && item->getKind() == kDual && item->getClassKind() == kActivityClass &&
                item->getItemActivity())
                activities.push_back(item);
        }
        delete it;
        for (ProcessItem* activity : activities)
            ActivityPage(*this, *activity, language).write(order);
    });
}
