#pragma once

// A quality criterion and the items it applies to. Its description is its
// class description file, its applicability its tailoring guideline.

#include "ProcessItemExtension.h"

class ItemQualityCriteria : public ProcessItemExtension {
public:
    ItemQualityCriteria(ProcessItem* item, Project* project);
    ~ItemQualityCriteria() override;
    static CString getClassLabel() { return "QUALITY CRITERIA"; }
    static CString getClassKeyword() { return "QUALITYCRITERIA"; }
    static CString getCriteriaPageName(int language) { return language == 0 ? "criteria.html" : "criteriaL2.html"; }
    void loadData() override;
    // The common keys, Targets and Main; no message on failure.
    int saveData() override;
    CString getDescriptionFileName(int language) override { return descriptionFile("description.txt", language); }

    CStringListePlus* getTargets() const { return m_targets; }
    // Main criteria are propagated to the upper levels.
    int isMain() const { return m_main; }
    void setMain(int flag) { m_main = flag; }

private:
    CStringListePlus* m_targets;
    int m_main = 0;
};
