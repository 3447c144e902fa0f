#pragma once

// "Table Properties": the border, colours, spacing, padding, size and
// lines of a table. It is filled from the table and, on OK, written back.

#include "CString.h"
#include "TolvaneDialog.h"

class cHtmlTable;

class CTableProperties : public TolvaneDialog {
public:
    enum ControlId {
        IDC_BORDER_WIDTH = 1002,
        IDC_BORDER_COLOR = 1003,
        IDC_CELL_PADDING = 1004,
        IDC_CELL_SPACING = 1005,
        IDC_BACKGROUND_COLOR = 1006,
        IDC_HEIGHT = 1007,
        IDC_WIDTH = 1012,
        IDC_LINES = 1389,
    };

    explicit CTableProperties(wxWindow* parent);

    // The dialog's values from the table, and the table's from them.
    void readFrom(const cHtmlTable& table);
    void applyTo(cHtmlTable& table) const;

    CString m_borderWidth;
    CString m_borderColor;
    CString m_backgroundColor;
    CString m_cellPadding;
    CString m_cellSpacing;
    CString m_width;
    CString m_height;
    // 0 all lines, 1 horizontal, 2 vertical, 3 only the border.
    int m_lines = 0;
};
