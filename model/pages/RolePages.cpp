#include "RolePages.h"

#include "ItemRole.h"
#include "ProcessItem.h"

Role1DialogMgt::Role1DialogMgt(Project* project, ProcessItem* item)
    : PropertyPage(181, "Role attributes"), m_project(project), m_item(item) {
    if (const ItemRole* role = item->getItemRole()) {
        m_description = item->getExtension()->readDescription(0, 0, 0, 0);
        m_image = role->getImage();
        m_actingRoleGroup = role->m_actingRoleGroup;
        m_detailedDescriptionUrlL1 = role->getDetailedDescriptionUrl(0);
        m_detailedDescriptionUrlL2 = role->getDetailedDescriptionUrl(1);
        m_imageRoleGroup = role->getImageRG();
    }
}
