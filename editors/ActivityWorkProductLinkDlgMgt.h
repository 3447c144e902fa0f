#pragma once

// "Activity - work product link": the state and the number or part of one
// work product read or produced by an activity. The state is chosen in the
// list of the work product's states (the empty last entry is no state) and
// taken with "Select" or a double click; the number is typed. The state
// taken is known by its item, never looked up again by its name.

#include "TolvaneDialog.h"

class ProcessItem;
class Project;

class ActivityWorkProductLinkDlgMgt : public TolvaneDialog {
public:
    enum ControlId {
        IDC_SELECT = 4,
        IDC_STATES = 1015,
        IDC_STATE = 1104,
        IDC_ACTIVITY = 1185,
        IDC_WORK_PRODUCT = 1186,
        IDC_NUMBER = 1187,
    };
    ActivityWorkProductLinkDlgMgt(Project* project, ProcessItem* activity, ProcessItem* workProduct,
                                  const CString& number, const CString& stateName, wxWindow* parent);

    bool OnInitDialog() override;
    // "Select" and a double click in the list: the selected state into the state edit.
    void OnSelectState();
    // The uid of the state taken ("" for no state); `unchanged` when none was taken.
    CString chosenStateUid(const CString& unchanged) const;

    CString m_number;
    CString m_stateName;
    CString m_activityName;
    CString m_workProductName;
    Project* m_project;
    ProcessItem* m_activity;
    ProcessItem* m_workProduct;

private:
    bool m_stateTaken = false;
    ProcessItem* m_state = nullptr;
};
