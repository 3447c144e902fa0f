#pragma once

// The common frame of the program's dialogs, so that they feel like one
// program: the same outer padding, the OK / Cancel row in the desktop's
// order (the buttons keep the ids 1 and 2 of the original), a least size
// that shows every control, and the modal result as IDOK or IDCANCEL. OK,
// Cancel and the close box call OnOK and OnCancel, which tests call as well,
// without running the dialog modally.

#include "CString.h"
#include "WinTypes.h"

#include <wx/dialog.h>

class wxButton;
class wxSizer;

class StdDialog : public wxDialog {
public:
    StdDialog(wxWindow* parent, const CString& title, long style = wxDEFAULT_DIALOG_STYLE);

    // Runs the dialog modally after its opening logic: IDOK or IDCANCEL (or
    // what endDialog was given); 0 when the opening logic failed.
    int DoModal();
    // The opening logic: fills the controls; false when the dialog cannot open.
    virtual bool OnInitDialog() { return true; }
    // Closes the dialog with the result, whether it runs modally or not.
    void endDialog(int result);

    virtual void OnOK();
    virtual void OnCancel();

protected:
    // Puts content above the button row and fits the window around both.
    // The row holds OK when withOk, Cancel when withCancel.
    void layoutDialog(wxSizer* content, bool withOk = true, bool withCancel = true);

    // A label and a text field with that id, added to a two-column grid.
    void addTextField(wxSizer* grid, int id, const char* label, int width);
    void setFieldText(int id, const CString& text);
    CString getFieldText(int id) const;

    wxButton* m_okButton = nullptr;
    wxButton* m_cancelButton = nullptr;
};
