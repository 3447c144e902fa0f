#pragma once

// "Document generation": what the one-page document of a process covers.
// Either all disciplines, limited to the part of one target workflow, or
// one discipline. The dialog only chooses; the caller writes the document
// for the chosen item. Each list names its items with the domain and the
// discipline they belong to, when they have one.

#include "TolvaneDialog.h"

class ProcessItem;
class ProcessManager;
class wxChoice;
class wxStaticText;

class DocGenerationDlgMgt : public TolvaneDialog {
public:
    enum ControlId {
        IDC_ALL_DISCIPLINES = 1068,
        IDC_ONE_DISCIPLINE = 1069,
        IDC_TARGET_DISCIPLINE = 1168,
        IDC_TARGET_WORKFLOW = 1169,
    };

    // classCode: the class the caller asks for (the discipline's); unused.
    DocGenerationDlgMgt(ProcessManager* manager, int classCode, wxWindow* parent);

    // Brings the links up to date when they are stale, then lists the
    // disciplines and the workflows in tree order; all disciplines chosen.
    bool OnInitDialog() override;
    // The radio buttons: each enables its own list and empties the other.
    void OnAllDisciplines();
    void OnOneDiscipline();
    // The item of the checked radio button's list; the other result null.
    void OnOK() override;

    // The chosen discipline or workflow; both null when nothing is to be
    // generated (cancelled, or nothing chosen).
    ProcessItem* getDiscipline() const { return m_discipline; }
    ProcessItem* getWorkflow() const { return m_workflow; }

    wxChoice* getDisciplineList() const { return m_disciplines; }
    wxChoice* getWorkflowList() const { return m_workflows; }
    // Why OK waits, while it does: the list to choose from, or that the
    // project has nothing to list.
    wxString getHint() const;

private:
    // The buttons and lists follow the radio buttons and the lists' choices.
    void updateControls();

    ProcessManager* m_manager;
    wxChoice* m_disciplines;
    wxChoice* m_workflows;
    wxStaticText* m_disciplineLabel;
    wxStaticText* m_workflowLabel;
    wxStaticText* m_hint;
    ProcessItem* m_discipline = nullptr;
    ProcessItem* m_workflow = nullptr;
};
