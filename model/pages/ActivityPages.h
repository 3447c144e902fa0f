#pragma once

// The pages of the activity sheet. The roles and work products, attributes
// and measures pages change the activity's lists themselves when the sheet
// closes with OK; the steps page (ActivityStepsDialogMgt.h) acts at once;
// the builder reads the attributes page and the description page back.

#include "ActivityStepsDialogMgt.h"
#include "DescriptionPages.h"
#include "ReferenceRows.h"

#include <vector>

// "Roles - Work products": the Roles, InWorkProducts and OutWorkProducts
// lists as the rows of three grids, which the page's buttons change; OK
// writes the rows back as references in their order.
class ActivityRolesWPsDialogMgt : public PropertyPage {
public:
    // The columns: role, responsibility; work product name, state name, number or part.
    enum { kRoleColumns = 2, kWorkProductColumns = 3 };
    ActivityRolesWPsDialogMgt(Project* project, ProcessItem* item);
    // Rebuilds the three lists from the rows.
    void onOK() override;

    Project* m_project;
    ProcessItem* m_item;
    ReferenceRows m_roles;
    ReferenceRows m_inWorkProducts;
    ReferenceRows m_outWorkProducts;
};

// "Attributes and procedures".
class CActivityAttrDialogMgt : public PropertyPage {
public:
    CActivityAttrDialogMgt(Project* project, ProcessItem* item);
    // When the page was shown: writes the ProjectKind list back with the
    // activity's own kinds in sorted order, and GProc with the chosen items.
    void onOK() override;
    // Whether choosing the activity to derive from would make a cycle: it
    // derives already, directly or through others, from this one.
    bool wouldMakeCycle(ProcessItem* base) const;

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
    // The chosen transversal procedures, in the order of their list; the
    // lists are written back only once the page's view handed them back.
    std::vector<ProcessItem*> m_generalProcedures;
    bool m_listsChosen = false;
};

// "Description" of the activity (first language).
class ActivityDescDialogMgt : public DescL1DialogMgt {
public:
    ActivityDescDialogMgt(Project* project, ProcessItem* item, int language);
};

// "Measures": the measures that apply to the activity.
class CActivityMeasureMgt : public PropertyPage {
public:
    CActivityMeasureMgt(Project* project, ProcessItem* item);
    // When the page was shown: the Measures list becomes the uids of the chosen measures.
    void onOK() override;

    Project* m_project;
    ProcessItem* m_item;
    std::vector<ProcessItem*> m_measures;
    bool m_measuresChosen = false;
};

// "Informations": the domain, discipline and phases the activity belongs to.
class CActivityInformationsDialogMgt : public PropertyPage {
public:
    CActivityInformationsDialogMgt(Project* project, ProcessItem* item)
        : PropertyPage(184, "Informations"), m_project(project), m_item(item) {}
    Project* m_project;
    ProcessItem* m_item;
};
