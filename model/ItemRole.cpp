#include "ItemRole.h"

#include "CIdentificationDialogMgt.h"
#include "RolePages.h"
#include "DescriptionPages.h"
#include "ItemClasses.h"
#include "ItemRoleGroup.h"
#include "ProcessItem.h"
#include "Project.h"
#include "PropertySheet.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "StringTable.h"
#include "ui/UserInterface.h"

namespace {

ItemRole* roleOf(Item* item) {
    auto* processItem = dynamic_cast<ProcessItem*>(item);
    return processItem ? processItem->getItemRole() : nullptr;
}

ItemRoleGroup* roleGroupOf(Item* item) {
    auto* processItem = dynamic_cast<ProcessItem*>(item);
    return processItem ? processItem->getItemRoleGroup() : nullptr;
}

} // namespace

ItemRole::ItemRole(ProcessItem* item, Project* project)
    : ProcessItemExtension(item, project), m_activityLinks(new ItemExtensionListe),
      m_actingGroups(new ProcessItemListe), m_groupMembers(new ProcessItemListe) {}

ItemRole::~ItemRole() {
    m_activityLinks->removeAll();
    delete m_activityLinks;
    m_actingGroups->removeAll();
    delete m_actingGroups;
    m_groupMembers->removeAll();
    delete m_groupMembers;
}

void ItemRole::loadData() {
    ProcessItemExtension::loadData();
    m_image = m_item->readValue("Image");
    m_imageRG = m_item->readValue("Image_RG");
    m_urlL1 = m_item->readValue("detailedDescriptionURL_L1");
    m_urlL2 = m_item->readValue("detailedDescriptionURL_L2");
    m_actingRoleGroup = m_item->readValue("ActingRoleGroup") == "yes";
}

int ItemRole::saveData() {
    int ok = ProcessItemExtension::saveData();
    ok &= m_item->writeValue("Image", m_image);
    ok &= m_item->writeValue("Image_RG", m_imageRG);
    ok &= m_item->writeValue("detailedDescriptionURL_L1", m_urlL1);
    ok &= m_item->writeValue("detailedDescriptionURL_L2", m_urlL2);
    ok &= m_item->writeValue("ActingRoleGroup", m_actingRoleGroup ? "yes" : "no");
    return reportSaveFailure(ok);
}

void ItemRole::buildHtmlDescription(int language) {
    m_item->setHtmlDescription(language, ProcessOption::instance().getRP_Desc() ? popupDescription(language) : "");
}

void ItemRole::addLink(ItemLink* link) {
    m_activityLinks->append(link);
    m_linkedItems.insert(link->getItem());
    if (ItemRoleGroup* group = roleGroupOf(m_item->getParent()))
        group->addLink(link);
}

void ItemRole::addActivityLink(ProcessItem* activity, const CString& text, ItemExtensionListe* ownerList) {
    auto* link = new ItemLink(activity, text);
    addLink(link);
    if (ownerList)
        ownerList->append(link);
}

void ItemRole::addInheritedLink(ItemLink* link) {
    if (m_linkedItems.insert(link->getItem()).second)
        m_activityLinks->append(link);
    if (ItemRole* parentRole = roleOf(m_item->getParent()))
        parentRole->addInheritedLink(link);
    else if (ItemRoleGroup* group = roleGroupOf(m_item->getParent()))
        group->addLink(link);
}

void ItemRole::edit() {
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    Role1DialogMgt attributes(m_project, m_item);
    DescL2DialogMgt descriptionL2(m_project, m_item, 1);
    CIdentificationDialogMgt identification(m_item);
    PropertySheet sheet("Role edition: " + m_item->getName());
    sheet.addPage(&attributes);
    if (twoLanguages)
        sheet.addPage(&descriptionL2);
    sheet.addPage(&identification);
    if (sheet.DoModal() != IDOK)
        return;
    writeDescription(attributes.m_description, 0);
    m_image = attributes.m_image;
    m_imageRG = attributes.m_imageRoleGroup;
    identification.storeInto(m_item);
    m_urlL1 = attributes.m_detailedDescriptionUrlL1;
    m_urlL2 = attributes.m_detailedDescriptionUrlL2;
    m_actingRoleGroup = attributes.m_actingRoleGroup;
    m_item->save();
    if (twoLanguages)
        writeDescription(descriptionL2.m_description, 1);
    identification.writeNotes(m_item);
    identification.renameWhenChanged(m_item);
}

ItemRoleGroup::ItemRoleGroup(ProcessItem* item, Project* project)
    : ProcessItemExtension(item, project), m_activityLinks(new ItemExtensionListe) {}

ItemRoleGroup::~ItemRoleGroup() {
    m_activityLinks->removeAll();
    delete m_activityLinks;
}

int ItemRoleGroup::saveData() { return reportSaveFailure(ProcessItemExtension::saveData()); }

void ItemRoleGroup::addLink(ItemLink* link) {
    ItemRoleGroup* group = this;
    while (group) {
        if (group->m_linkedItems.insert(link->getItem()).second)
            group->m_activityLinks->append(link);
        Item* parent = group->m_item->getParent();
        if (!parent)
            break;
        if (ItemRole* role = roleOf(parent))
            role->addInheritedLink(link);
        group = roleGroupOf(parent);
    }
}

void ItemRoleGroup::edit() { editDiagramItem("Role map", "Role map edition: "); }
