#pragma once

// "Move item": where a dragged item goes relative to the item it was
// dropped on: above it, below it or as its last child.

#include "TolvaneDialog.h"

class CMoveMenuItem : public TolvaneDialog {
public:
    enum ControlId {
        IDC_UP = 1007,
        IDC_BELOW = 1020,
        IDC_CHILD = 1021,
        IDC_MOVED = 1047,
        IDC_REFERENCE = 1048
    };

    // The dual flag changes nothing; the drop passes it.
    CMoveMenuItem(int isDual, wxWindow* parent);

    // "Below" checked.
    bool OnInitDialog() override;
    // The position: 1 above, 0 below, 2 child.
    void OnOK() override;

    CString m_referenceName;
    CString m_moveName;
    int m_position = 0;
};
