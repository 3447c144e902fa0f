#include "DerivationCycle.h"

#include "ProcessItem.h"
#include "Project.h"

#include <unordered_set>

bool derivesFrom(Project* project, ProcessItem* candidate, ProcessItem* item,
                 const std::function<std::vector<CString>(ProcessItem*)>& basesOf) {
    std::vector<ProcessItem*> pending{candidate};
    std::unordered_set<ProcessItem*> met;
    while (!pending.empty()) {
        ProcessItem* next = pending.back();
        pending.pop_back();
        if (!next || !met.insert(next).second)
            continue;
        if (next == item)
            return true;
        for (const CString& uid : basesOf(next))
            if (!uid.IsEmpty() && project)
                pending.push_back(dynamic_cast<ProcessItem*>(project->findItemByUid(uid)));
    }
    return false;
}
