#pragma once

// The pages of the work product sheet: attributes (with the authors, which
// its OK writes into the work product itself), templates, examples and the
// read-only activity lists.

#include "PropertyPage.h"
#include "ReferenceRows.h"

class Item;
class ProcessItem;
class Project;

class CWorkProductPPage1 : public PropertyPage {
public:
    CWorkProductPPage1(Project* project, ProcessItem* item);
    // Refills the work product's Author list from the authors below.
    void onOK() override;
    // Whether choosing the work product to derive from would make a cycle:
    // it derives already, directly or through others, from this one.
    bool wouldMakeCycle(ProcessItem* base) const;

    CString m_description;
    CString m_location;
    CString m_wpName;
    CString m_image;
    CString m_cmPolicy;
    CString m_wpType;
    int m_toArchive = 0;
    int m_viewParentInActivity = 0;
    int m_isRequirement = 0;
    CString m_timing;
    int m_derivable = 0;
    int m_derived = 0;
    Project* m_project;
    ProcessItem* m_item;
    ProcessItem* m_derivedFrom1 = nullptr;
    ProcessItem* m_derivedFrom2 = nullptr;
    // The authors grid: a role name and a responsibility per row.
    ReferenceRows m_authors;
};

// Copies a file the user chose into the work product's folder, or into
// its subfolder ("ar/" for the examples), at once: a file that is the
// folder's own copy already, or one that would replace another, is copied
// only when the user says so (33483, 33484); a failed copy is told (32976).
// The name to show ("ar/" + name for an example); empty when the user
// declined. The name is shown also after a failed copy.
CString copyIntoItemFolder(Project* project, ProcessItem* item, const CString& chosenPath,
                           const CString& subfolder);

class CWorkProductPPage2 : public PropertyPage {
public:
    CWorkProductPPage2(Project* project, ProcessItem* item);
    CString m_comment;
    CString m_templateNameF1Extension;
    CString m_templateNameF2Extension;
    CString m_templateNameL1F1, m_altTemplateNameL1F1;
    CString m_templateNameL1F2, m_altTemplateNameL1F2;
    CString m_templateNameL2F1, m_altTemplateNameL2F1;
    CString m_templateNameL2F2, m_altTemplateNameL2F2;
    Project* m_project;
    ProcessItem* m_item;
};

class CWorkProductPPage4 : public PropertyPage {
public:
    CWorkProductPPage4(Project* project, ProcessItem* item);
    CString m_exampleNameL1F1, m_altExampleNameL1F1;
    CString m_exampleNameL1F2, m_altExampleNameL1F2;
    CString m_exampleNameL2F1, m_altExampleNameL2F1;
    CString m_exampleNameL2F2, m_altExampleNameL2F2;
    int m_defaultExampleLibrary = 0;
    CString m_exampleLibraryPath;
    CString m_additionalElementName;
    CString m_additionalElementPath;
    Project* m_project;
    ProcessItem* m_item;
};

class CWorkProductPPage3 : public PropertyPage {
public:
    CWorkProductPPage3(Project* project, ProcessItem* item)
        : PropertyPage(171, "Informations"), m_project(project), m_item(item) {}
    Project* m_project;
    ProcessItem* m_item;
};
