#pragma once

// The HTML source pane of the page editor: multi-line plain text in a
// monospaced font (Courier New, 14 pixels), scrolling both ways, in the
// place of the design view.

#include <wx/textctrl.h>

class CHtmlEditor;

class CUniRichEdit : public wxTextCtrl {
public:
    static constexpr int kControlId = wxID_ANY;

    CUniRichEdit(wxWindow* parent, CHtmlEditor* editor);
    CHtmlEditor* getEditor() const { return m_editor; }

private:
    CHtmlEditor* m_editor;
};
