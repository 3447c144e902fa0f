#pragma once

// One role item with the activities that name it, as the activities-by-role
// pages collect them: one link per naming activity, its text the
// responsibility under which the activity names the role.

#include "ItemExtensionListe.h"

class Item;

class Role {
public:
    explicit Role(Item* roleItem) : m_activities(new ItemExtensionListe), m_roleItem(roleItem) {}
    virtual ~Role();
    Role(const Role&) = delete;
    Role& operator=(const Role&) = delete;

    void addActivity(ProcessItem* activity, const CString& responsibility) {
        m_activities->append(new ItemLink(activity, responsibility));
    }
    ItemExtensionListe* getActivities() const { return m_activities; }
    Item* getRoleItem() const { return m_roleItem; }

private:
    ItemExtensionListe* m_activities;
    Item* m_roleItem;
};
