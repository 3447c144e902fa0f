#pragma once

// A text shown underlined in blue that opens its address with the
// desktop's handler when the text is clicked. The hand cursor shows over
// the text.

#include "CString.h"

#include <wx/control.h>

class CHyperlinkStatic : public wxControl {
public:
    CHyperlinkStatic(wxWindow* parent, int id, const CString& text);

    void setUrl(const CString& url) { m_url = url; }
    const CString& getUrl() const { return m_url; }
    const CString& getText() const { return m_text; }

    // A press at a point of the control: on the text, the address opens.
    // Whether it was on the text and the address could be opened.
    bool pressAt(const wxPoint& point);
    // The size of the text in its underlined font.
    wxSize textSize() const;

protected:
    wxSize DoGetBestSize() const override { return textSize(); }

private:
    void OnPaint();
    wxFont underlinedFont() const;

    CString m_text;
    CString m_url;
};
