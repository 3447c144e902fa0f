#pragma once

// A static control drawn as the face of a push button, its content inside
// a 4-pixel margin (the "Select..." control of "More Colors" shows its
// picture and text this way). It takes no clicks of its own: they go to
// whoever binds its mouse events.

#include <wx/control.h>

class CFOCustomStatic : public wxControl {
public:
    CFOCustomStatic(wxWindow* parent, wxWindowID id, const wxString& text);

    // Where the content goes: the client area inside the margin and one
    // more pixel.
    virtual wxRect contentRect() const;
    const wxRect& getFaceRect() const { return m_faceRect; }

    bool AcceptsFocus() const override { return false; }

protected:
    virtual void drawContent(wxDC& dc) = 0;
    // The content's size, for the sizers.
    virtual wxSize contentSize() const = 0;
    wxSize DoGetBestClientSize() const override;

    int m_margin = 4;

private:
    void OnPaint();

    wxRect m_faceRect;
};
