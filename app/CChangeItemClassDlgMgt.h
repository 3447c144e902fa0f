#pragma once

// "Change item class": the class an item takes, chosen from the project's
// class list or typed; the caller hands it to the project's class change.

#include "TolvaneDialog.h"

class ProcessItem;
class ProcessManager;

class CChangeItemClassDlgMgt : public TolvaneDialog {
public:
    enum ControlId { IDC_CLASS = 1093, IDC_NAME = 1164 };

    CChangeItemClassDlgMgt(ProcessManager* project, ProcessItem* item, wxWindow* parent);

    // The item's class in the combo's field, then the class list under it.
    bool OnInitDialog() override;
    // A separator of the list (a text with "---"): 33014, the dialog stays open.
    void OnOK() override;

    CString m_name;
    CString m_classText;

private:
    ProcessManager* m_project;
};
