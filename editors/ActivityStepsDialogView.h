#pragma once

// "Steps": the activity's steps, a title per language in two lists with the
// current step's titles above them, and the buttons that create, retitle,
// move, delete and edit steps. Every command is stored at once (the page
// says so in its left column); OK and Cancel of the sheet change nothing.

#include "ExtendedPropertyPage.h"

class ActivityStepsDialogMgt;

class ActivityStepsDialogView : public ExtendedPropertyPage {
public:
    enum ControlId {
        IDC_UP = 1007,
        IDC_DOWN = 1009,
        IDC_STEPS_L1 = 1046,
        IDC_NEW = 1047,
        IDC_DELETE = 1048,
        IDC_UPDATE_TITLE = 1049,
        IDC_STEPS_L2 = 1050,
        IDC_EDIT_STEP_L1 = 1051,
        IDC_EDIT_STEP_L2 = 1052,
        IDC_TITLE_L1 = 1099,
        IDC_TITLE_L2 = 1100,
        IDC_LANGUAGE_2 = 1168,
    };
    ActivityStepsDialogView(wxWindow* parent, ActivityStepsDialogMgt& page);

    void OnInitDialog() override;
    void OnNew();
    void OnDelete();
    void OnUp() { moveStep(-1); }
    void OnDown() { moveStep(1); }
    void OnUpdateStepTitle();
    void OnEditStepL1() { editStepPage(0); }
    void OnEditStepL2() { editStepPage(1); }
    void OnSelchangeStepsL1() { selectionChanged(IDC_STEPS_L1, IDC_STEPS_L2); }
    void OnSelchangeStepsL2() { selectionChanged(IDC_STEPS_L2, IDC_STEPS_L1); }

    // The step whose titles stand in the title edits; -1 when none.
    int currentStep() const { return m_currentStep; }
    // The titles a list shows.
    std::vector<CString> titles(int listId) const;

private:
    bool twoLanguages() const;
    // Asks (questionId) whether the changed title edits of the current step
    // are recorded into the lists.
    void handlePendingEdit(int questionId);
    // Replaces a row of a list by a title, unless the title is empty.
    bool replaceRow(int listId, int row, const CString& title);
    void selectionChanged(int listId, int otherListId);
    void enableStepControls(bool enabled);
    void moveStep(int direction);
    void storeSteps();
    void editStepPage(int language);

    ActivityStepsDialogMgt& m_steps;
    int m_currentStep = -1;
};
