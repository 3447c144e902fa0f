#pragma once

// The "Role attributes" page of the role sheet.

#include "PropertyPage.h"

class ProcessItem;
class Project;

class Role1DialogMgt : public PropertyPage {
public:
    Role1DialogMgt(Project* project, ProcessItem* item);
    CString m_description;
    CString m_image;
    int m_actingRoleGroup = 0;
    CString m_detailedDescriptionUrlL1;
    CString m_detailedDescriptionUrlL2;
    CString m_imageRoleGroup;
    Project* m_project;
    ProcessItem* m_item;
};
