#pragma once

// "Diagram size": the paper's width and height, typed in whole units. The
// host fills the two members from the editor's paper, and on OK gives them
// to the editor's setVirtualSize.

#include "TolvaneDialog.h"

class CDiagramSizeMgt : public TolvaneDialog {
public:
    enum { IDD = 230, IDC_EDIT_HEIGHT = 1190, IDC_EDIT_WIDTH = 1191 };
    // The ranges the two values are kept in.
    static constexpr int kMinimum = 20;
    static constexpr int kMaximumHeight = 4000;
    static constexpr int kMaximumWidth = 2000;

    explicit CDiagramSizeMgt(wxWindow* parent = nullptr);

    bool OnInitDialog() override;
    // Reads the height, then the width; a value out of its range or not a
    // number keeps the dialog open with the range message, its field focused.
    void OnOK() override;

    int m_height = 0;
    int m_width = 0;
};
