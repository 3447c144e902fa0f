#pragma once

// "Remove item": confirms the removal of the named item. A dual item's
// folder always goes with it: its hidden check box is checked for a dual
// item and disabled for the others, and the caller reads it after OK.

#include "TolvaneDialog.h"

class CRemoveMenuItem : public TolvaneDialog {
public:
    enum ControlId { IDC_REMOVE_FILES = 1040, IDC_NAME = 1052 };

    CRemoveMenuItem(wxWindow* parent, const CString& name, int isDual);

    bool OnInitDialog() override;

    CString m_name;
    int m_removeFiles = 0;
    int m_isDual;
};
