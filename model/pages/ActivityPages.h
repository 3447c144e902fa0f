#pragma once

// The pages of the activity sheet. The roles and work products, steps and
// measures pages change the activity's lists themselves; the builder reads
// the attributes page and the description page back after OK.

#include "DescriptionPages.h"

// "Roles - Work products": edits the Roles, InWorkProducts and OutWorkProducts lists.
class ActivityRolesWPsDialogMgt : public PropertyPage {
public:
    ActivityRolesWPsDialogMgt(Project* project, ProcessItem* item)
        : PropertyPage(183, "Roles - Work products"), m_project(project), m_item(item) {}
    Project* m_project;
    ProcessItem* m_item;
};

// "Steps": edits the Step and StepL2 lists and the step pages at once.
class ActivityStepsDialogMgt : public PropertyPage {
public:
    ActivityStepsDialogMgt(Project* project, ProcessItem* item)
        : PropertyPage(185, "Steps"), m_project(project), m_item(item) {}
    Project* m_project;
    ProcessItem* m_item;
};

// "Attributes and procedures".
class CActivityAttrDialogMgt : public PropertyPage {
public:
    CActivityAttrDialogMgt(Project* project, ProcessItem* item);
    Project* m_project;
    ProcessItem* m_item;
    CString m_activityType;
    int m_separatedProcedureText = 0;
    CString m_procedureUrl;
    CString m_procedureUrlL2;
    int m_stepHyperlinks = 0;
    int m_derived = 0;
    int m_derivable = 0;
    CString m_derivedFromText;
    // 0 no procedure, 1 standard page, 2 URL.
    int m_procedureLink = 0;
    // The activity this one derives from; null for none.
    ProcessItem* m_derivedFrom = nullptr;
};

// "Description" of the activity (first language).
class ActivityDescDialogMgt : public DescL1DialogMgt {
public:
    ActivityDescDialogMgt(Project* project, ProcessItem* item, int language);
};

// "Measures": edits the Measures list.
class CActivityMeasureMgt : public PropertyPage {
public:
    CActivityMeasureMgt(Project* project, ProcessItem* item)
        : PropertyPage(25854, "Measures"), m_project(project), m_item(item) {}
    Project* m_project;
    ProcessItem* m_item;
};

// "Informations": the domain, discipline and phases the activity belongs to.
class CActivityInformationsDialogMgt : public PropertyPage {
public:
    CActivityInformationsDialogMgt(Project* project, ProcessItem* item)
        : PropertyPage(184, "Informations"), m_project(project), m_item(item) {}
    Project* m_project;
    ProcessItem* m_item;
};
