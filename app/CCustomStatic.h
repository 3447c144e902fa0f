#pragma once

// The captions over the main window's groups of buttons: a light grey band
// with the caption centred in it, and a lilac frame line down both sides
// and along the bottom from the band's lower edge. The group's controls go
// inside, below the band.

#include "CString.h"

#include <wx/panel.h>

class wxDC;
class wxSizer;

class CCustomStatic : public wxPanel {
public:
    static constexpr int kBandHeight = 15;

    CCustomStatic(wxWindow* parent, int id, const CString& caption);

    // Puts the group's controls (children of this label) below the band,
    // inside the frame.
    void setContent(wxSizer* content);
    // Paints the label into a rectangle of the given size.
    void paint(wxDC& dc, const wxSize& size);

protected:
    wxSize DoGetBestClientSize() const override;
};
