#pragma once

// A dialog whose controls are added one by one at run time (class or kind,
// caption, styles, rectangle in dialog units, the variable to exchange its
// value with, id), for dialogs with one row per item of the project. It
// holds any number of controls. The rectangles give the rows and columns:
// controls whose rectangles share a height are one row, and controls that
// start at the same left edge share a column; the rows scroll when they
// would not fit the screen. "OK" (id 1) and "Cancel" (id 2) stand in the
// dialog's button row.
//
// Every command of a button other than OK and Cancel also goes to the
// parent window, with the button's id.

#include "CDynDialogItemEx.h"
#include "CString.h"
#include "TolvaneDialog.h"

#include <memory>
#include <vector>

class wxScrolledWindow;

class CDynDialogEx : public TolvaneDialog {
public:
    explicit CDynDialogEx(wxWindow* parent);
    ~CDynDialogEx() override;

    void setTitle(const CString& caption);
    wxWindow* getParentWindow() const { return m_parentWindow; }

    // Each answers the control's id; rect may be null (the next row), an id
    // of 0 asks for an automatic one.
    UINT addControl(const CString& className, const CString& caption, DWORD style, DWORD exStyle,
                    const DynRect* rect = nullptr, DynData data = DynData(), UINT id = 0);
    UINT addControlOfKind(int kind, const CString& caption, DWORD style, DWORD exStyle,
                          const DynRect* rect = nullptr, DynData data = DynData(), UINT id = 0);
    UINT addTemplateControl(const CString& className, const CString& caption, DWORD style, DWORD exStyle,
                            const DynRect* rect = nullptr, UINT id = 0);

    // Builds the controls (OK and Cancel first added when asked) and runs
    // the dialog.
    int DoModal();
    // Builds the controls without running the dialog (tests); once only.
    void createControls();
    bool OnInitDialog() override;
    void OnOK() override;

    void setAddButtons(bool add) { m_addButtons = add; }
    const std::vector<std::unique_ptr<CDynDialogItemEx>>& getControls() const { return m_controls; }
    // The dialog's rectangle in dialog units, as its controls make it.
    DynRect getDialogRect() const { return {m_x, m_y, m_cx, m_cy}; }
    int getNextRow() const { return m_nextRow; }
    // The part of the dialog that scrolls its rows.
    wxScrolledWindow* getArea() const { return m_area; }

    // The next automatic id of the program: 1024 on, never reset, never an
    // id the toolkit keeps for itself.
    static UINT nextAutomaticId();

private:
    UINT addItem(const CString& className, int kind, bool byKind, const CString& caption, DWORD style,
                 DWORD exStyle, const DynRect* rect, DynData data, UINT id, bool inTemplate);
    // The data of every control, last added first.
    void exchangeData(bool save);
    void layoutControls();
    void forwardCommand(wxCommandEvent& event);

    wxWindow* m_parentWindow;
    int m_nextRow = 10;
    bool m_addButtons = true;
    bool m_created = false;
    int m_x = 0, m_y = 0, m_cx = 0, m_cy = 0;
    int m_templateItems = 0;
    std::vector<std::unique_ptr<CDynDialogItemEx>> m_controls;
    wxScrolledWindow* m_area = nullptr;
};
