#pragma once

// A quality criterion and the items it applies to.

#include "ProcessItemExtension.h"

class ItemQualityCriteria : public ProcessItemExtension {
public:
    ItemQualityCriteria(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "QUALITY CRITERIA"; }
    static CString getClassKeyword() { return "QUALITYCRITERIA"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("description.txt", language); }

    // Main criteria are propagated to the upper levels.
    int isMain() const { return m_main; }
    void setMain(int flag) { m_main = flag; }

private:
    int m_main = 0;
};
