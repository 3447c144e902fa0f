#include "CUniRichEdit.h"

#include <wx/font.h>

CUniRichEdit::CUniRichEdit(wxWindow* parent, CHtmlEditor* editor)
    : wxTextCtrl(parent, kControlId, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                 wxTE_MULTILINE | wxTE_DONTWRAP | wxHSCROLL | wxVSCROLL | wxTE_PROCESS_TAB | wxTE_NOHIDESEL),
      m_editor(editor) {
    SetFont(wxFont(wxFontInfo(wxSize(0, 14)).Family(wxFONTFAMILY_TELETYPE).FaceName("Courier New")));
}
