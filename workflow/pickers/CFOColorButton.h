#pragma once

// The preview of "More Colors": the new colour in its upper half above the
// colour the dialog started with, in a raised frame. Clicking it does
// nothing.

#include "WinTypes.h"

#include <wx/control.h>

class CFOColorButton : public wxControl {
public:
    CFOColorButton(wxWindow* parent, wxWindowID id, const wxSize& size);

    // Sets the four values the dialog gives (the further colour and the
    // style are kept but not drawn).
    void attach(COLORREF newColour, COLORREF currentColour, COLORREF further, int style);
    void setNewColor(COLORREF colour);
    COLORREF getNewColor() const { return m_newColor; }
    COLORREF m_currentColor = 0;

    bool AcceptsFocus() const override { return false; }

private:
    void OnPaint();

    COLORREF m_newColor = 0xFFFFFF;
    COLORREF m_further = 0;
    int m_style = 0;
};
