#pragma once

// A role of the process: who performs activities and is responsible for
// work products. Besides its stored attributes it collects at run time the
// activities that name it, the acting role groups it belongs to and, when it
// acts as a group itself, its member roles.

#include "ItemExtensionListe.h"
#include "ProcessItemExtension.h"
#include "ProcessItemListe.h"

#include <unordered_set>

class ItemRole : public ProcessItemExtension {
public:
    ItemRole(ProcessItem* item, Project* project);
    ~ItemRole() override;

    static CString getClassLabel() { return "ROLE"; }
    static CString getClassKeyword() { return "PROCESSROLE"; }
    void loadData() override;
    int saveData() override;
    CString getDescriptionFileName(int language) override { return descriptionFile("RoleDescription.txt", language); }
    void buildHtmlDescription(int language) override;
    void edit() override;

    const CString& getImage() const { return m_image; }
    void setImage(const CString& image) { m_image = image; }
    const CString& getImageRG() const { return m_imageRG; }
    void setImageRG(const CString& image) { m_imageRG = image; }
    CString getDetailedDescriptionUrl(int language) const { return language == 0 ? m_urlL1 : m_urlL2; }
    void setDetailedDescriptionUrlL1(const CString& url) { m_urlL1 = url; }
    void setDetailedDescriptionUrlL2(const CString& url) { m_urlL2 = url; }
    // The role acts as a role group: the roles below it are its members.
    int m_actingRoleGroup = 0;

    // Run-time links, rebuilt by the process manager.
    void addLink(ItemLink* link);
    void addActivityLink(ProcessItem* activity, const CString& text, ItemExtensionListe* ownerList);
    void addInheritedLink(ItemLink* link);
    ItemExtensionListe* getActivityLinks() const { return m_activityLinks; }
    void clearActivityLinks() {
        m_activityLinks->removeAll();
        m_linkedItems.clear();
    }
    void clearActingGroups() { m_actingGroups->removeAll(); }
    void addActingGroup(ProcessItem* role) { m_actingGroups->append(role); }
    ProcessItemListe* getActingGroups() const { return m_actingGroups; }
    void clearGroupMembers() { m_groupMembers->removeAll(); }
    void addGroupMember(ProcessItem* role) { m_groupMembers->append(role); }
    ProcessItemListe* getGroupMembers() const { return m_groupMembers; }

private:
    CString m_image;
    CString m_imageRG;
    CString m_urlL1;
    CString m_urlL2;
    ItemExtensionListe* m_activityLinks;
    // The items the activity links lead to, so that a link is held once per
    // item without a walk of the list.
    std::unordered_set<const ProcessItem*> m_linkedItems;
    ProcessItemListe* m_actingGroups;
    ProcessItemListe* m_groupMembers;
};
