#pragma once

// A group of roles, drawn as a role map; it holds once every activity link
// of the roles and groups below it.

#include "ItemExtensionListe.h"
#include "ProcessItemExtension.h"

#include <unordered_set>

class ItemRoleGroup : public ProcessItemExtension {
public:
    ItemRoleGroup(ProcessItem* item, Project* project);
    ~ItemRoleGroup() override;

    static CString getClassLabel() { return "ROLE GROUP"; }
    static CString getClassKeyword() { return "ROLEGROUP"; }
    int saveData() override;
    int hasDiagram() override { return 1; }
    void edit() override;

    // Holds the link once (by activity) here and passes it up through the
    // enclosing roles and groups.
    void addLink(ItemLink* link);
    ItemExtensionListe* getActivityLinks() const { return m_activityLinks; }
    void clearActivityLinks() {
        m_activityLinks->removeAll();
        m_linkedItems.clear();
    }

private:
    ItemExtensionListe* m_activityLinks;
    // The items the activity links lead to, each held once.
    std::unordered_set<const ProcessItem*> m_linkedItems;
};
