#pragma once

// "Change item kind: dual to non dual": asks whether the folder of an item
// that stops being a page of the site goes with its pages.

#include "TolvaneDialog.h"

class CCIK_DTND : public TolvaneDialog {
public:
    enum ControlId { IDC_REMOVE_FILES = 1040 };

    explicit CCIK_DTND(wxWindow* parent);

    int m_removeFiles = 0;
};
