#pragma once

// "HR Properties": the length, colour, height and shade of a separator.

#include "CString.h"
#include "TolvaneDialog.h"

class cHtmlHR;

class CHrProperties : public TolvaneDialog {
public:
    enum ControlId { IDC_SHADE = 1010, IDC_LENGTH = 1012, IDC_HEIGHT = 1013, IDC_COLOR = 1014 };
    // The entries of the shade box.
    enum Shade { kShade = 0, kNoShade = 1 };

    explicit CHrProperties(wxWindow* parent);

    // The dialog's values from the separator, and the separator's from
    // them: "No Shade" draws it without shade, "Shade" with.
    void readFrom(const cHtmlHR& separator);
    void applyTo(cHtmlHR& separator) const;

    CString m_length;
    CString m_color;
    CString m_height;
    int m_shade = kShade;
};
