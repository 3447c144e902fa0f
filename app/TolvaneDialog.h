#pragma once

// What every dialog of the program shares: the same outer padding, the
// OK / Cancel / Help row in the desktop's order, a least size that keeps
// every control whole, the exchange of member values with controls named
// by their ids, and handlers that run without the dialog being shown.
//
// A dialog's opening logic (OnInitDialog) runs once, before it is shown or
// when a test calls it; a dialog that cannot open answers false there and
// is never shown. OnOK and OnCancel end the dialog, or leave it open when
// they refuse; a dialog that is not running modally only records how it
// ended, so that tests drive it through its handlers.

#include "CString.h"
#include "ControlValues.h"

#include <functional>
#include <vector>
#include <wx/dialog.h>

class wxFlexGridSizer;
class wxSizer;
class wxStaticBoxSizer;
class wxTextCtrl;

class TolvaneDialog : public wxDialog {
public:
    TolvaneDialog(wxWindow* parent, const CString& caption,
                  long style = wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);

    // Fills the controls from the members. Subclasses call it at the point
    // of their opening where the controls take their first values, and
    // answer false when the dialog cannot open.
    virtual bool OnInitDialog();
    // Reads the members from the controls and ends the dialog with OK.
    virtual void OnOK();
    // The Cancel button, the Escape key and the close box: ends the dialog.
    virtual void OnCancel();

    // Opens the dialog (its opening logic first) and answers IDOK or
    // IDCANCEL; 0 without showing it when its opening logic failed.
    int DoModal();
    // Whether a handler ended the dialog, and with which window id.
    bool hasEnded() const { return m_ended; }

    // Runs a modal window of the program: ShowModal, or the runner a test
    // installed, which gets the window and answers its return code.
    using ModalRunner = std::function<int(wxDialog&)>;
    static int runModal(wxDialog& dialog);
    // Installs the runner used from now on (an empty one restores ShowModal).
    static void setModalRunner(ModalRunner runner);
    // Ends a modal window with the code; one that does not run modally
    // (a test drives it) keeps the code and is hidden.
    static void endModal(wxDialog& dialog, int result);
    // The path that a file or folder chooser of the desktop (wxFileDialog,
    // wxDirDialog) gave after runModal answered OK: the one chosen on the
    // display, or the one an installed runner answered with answerChooser.
    static CString chosenPath(wxDialog& chooser);
    // The desktop's chooser of an existing file (any file, the name given
    // proposed) run through runModal: the path chosen, or an empty text
    // when the user gave up.
    static CString chooseFileToOpen(wxWindow* parent, const CString& proposedName = CString());
    static void answerChooser(wxDialog& chooser, const CString& path);

    // The controls by id: the text of an edit, a combo box, a list or a label;
    // the state of a check box or a radio button.
    CString getText(int id) const;
    void setText(int id, const CString& text);
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    void enable(int id, bool enabled);

protected:
    // Puts the content and the button row (wxOK, wxCANCEL, wxHELP) into the
    // window with the common padding, and fixes the least size from them.
    void finishLayout(wxSizer* content, long buttons = wxOK | wxCANCEL);
    // Members exchanged with controls by updateData, in the order registered.
    void exchangeText(int id, CString* member);
    void exchangeCheck(int id, int* member);
    // The index of the entry chosen in a drop-down list (the first one
    // when none is).
    void exchangeSelection(int id, int* member);
    // The colour or the pen style of a drop-down picker button.
    void exchangeDropColorButton(int id, DWORD* member);
    // save: from the controls into the members; otherwise the other way.
    void updateData(bool save);
    // Ends the dialog with the window id (wxID_OK, wxID_CANCEL).
    void endDialog(int result);
    // Runs the opening logic once; whether it succeeded.
    bool ensureInitialised();

    // Pieces of a layout. A group's box only frames its content, whose
    // controls are the dialog's own: disabling a box leaves them as they are.
    wxStaticBoxSizer* newGroup(int id, const CString& caption, wxSizer* content);
    // Rows of a label and its control; the controls take the width left.
    static wxFlexGridSizer* newForm();
    void addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxWindow* control);
    void addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxSizer* controls);
    // An edit wide enough for about `columns` characters.
    wxTextCtrl* newEdit(int id, long style = 0, int columns = 24);

private:
    ControlExchange m_exchange;
    bool m_initialised = false;
    bool m_opened = true;
    bool m_ended = false;
};
