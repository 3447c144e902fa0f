#pragma once

// The attribute pages of the item classes whose sheets the main window
// builds: general procedure, procedure group, process overview, measure,
// glossary entry and quality criteria.

#include "PropertyPage.h"

class ProcessItem;
class Project;

// "Procedure attribute": the eight values that saveProcedure takes.
class CProcedureDialogMgt : public PropertyPage {
public:
    CProcedureDialogMgt(Project* project, ProcessItem* item);
    CString m_altProcedure;
    CString m_description;
    CString m_procedure;
    CString m_procState;
    CString m_procedureType;
    CString m_procVersion;
    CString m_altProcedureL2;
    CString m_procedureL2;
    Project* m_project;
    ProcessItem* m_item;
};

// "General Procedure Group attributes": the four flags of the group.
class CGeneralProcedureGroupDialogMgt : public PropertyPage {
public:
    CGeneralProcedureGroupDialogMgt(Project* project, ProcessItem* item);
    int m_allProcedures = 0;
    int m_printState = 0;
    int m_printType = 0;
    int m_printVersion = 0;
    Project* m_project;
    ProcessItem* m_item;
};

// "Process overview attributes": the workflow the overview shows.
class CProcessOverviewDialogMgt : public PropertyPage {
public:
    CProcessOverviewDialogMgt(Project* project, ProcessItem* item);
    // The workflow chosen in the list: its url becomes the target.
    void onSelchangeTargetWorkflow(ProcessItem* workflow);
    CString m_targetWorkflow;
    Project* m_project;
    ProcessItem* m_item;
};

// "Measure attributes".
class MeasureDialogMgt : public PropertyPage {
public:
    MeasureDialogMgt(Project* project, ProcessItem* item);
    // "Get": copies the chosen file into the measure's folder at once
    // (Cancel does not undo it) and names it as the picture. A file of that
    // name in the folder is replaced only when the user says so, and the
    // folder's own file chosen again is taken as it is (33483, 33484). A
    // copy that fails is told (32997); declined or failed, the picture stays
    // as it was.
    bool onGetPicture(const CString& chosenPath);
    int m_calculateAverage = 0;
    int m_calculateMedian = 0;
    int m_calculateStandardDeviation = 0;
    CString m_description;
    CString m_unit;
    int m_includePlannedValue = 0;
    CString m_hyperlink;
    CString m_picturePath;
    Project* m_project;
    ProcessItem* m_item;
};

// "Glossary entry (Language 1)" and "(Language 2)".
class CGlossaryEntryL1DlgMgt : public PropertyPage {
public:
    CGlossaryEntryL1DlgMgt(Project* project, ProcessItem* item);
    CString m_description;
    CString m_equivalent;
    CString m_source;
    Project* m_project;
    ProcessItem* m_item;

protected:
    CGlossaryEntryL1DlgMgt(int templateId, const CString& caption, int language, Project* project,
                           ProcessItem* item);
};

class CGlossaryEntryL2DlgMgt : public CGlossaryEntryL1DlgMgt {
public:
    CGlossaryEntryL2DlgMgt(Project* project, ProcessItem* item);
};

// "Description and applicability" and "(L2)" of a quality criterion.
class CQCDescDialogMgt : public PropertyPage {
public:
    CQCDescDialogMgt(Project* project, ProcessItem* item);
    CString m_description;
    CString m_applicability;
    int m_main = 0; // first-language page only
    Project* m_project;
    ProcessItem* m_item;

protected:
    CQCDescDialogMgt(int templateId, const CString& caption, int language, Project* project,
                     ProcessItem* item);
};

class CQCDescL2DialogMgt : public CQCDescDialogMgt {
public:
    CQCDescL2DialogMgt(Project* project, ProcessItem* item);
};
