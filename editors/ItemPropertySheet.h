#pragma once

// The window of an item's property sheet: a tab per page of the sheet, in
// its order, each shown by its view, and OK and Cancel. A page's view is
// filled the first time its tab is shown; leaving a tab puts its controls
// back into its page, unless the page refuses to be left (the user then
// stays on it). OK does the same for the shown tab and ends the sheet;
// Cancel ends it without touching the pages.
//
// Handlers are plain member functions: tests choose tabs, set controls and
// press OK or Cancel without the window running.

#include "CString.h"

#include <wx/propdlg.h>

class PropertyPageView;
class PropertySheet;

class ItemPropertySheet : public wxPropertySheetDialog {
public:
    ItemPropertySheet(PropertySheet& sheet, wxWindow* parent);

    // Runs the sheet: IDOK or IDCANCEL.
    int DoModal();

    int getPageCount() const;
    PropertyPageView* getPageView(int index) const;
    // The tab captions, in order.
    std::vector<CString> getCaptions() const;
    // The first page view of a class; null when none.
    template <class View> View* findView() const {
        for (int i = 0; i < getPageCount(); ++i)
            if (auto* view = dynamic_cast<View*>(getPageView(i)))
                return view;
        return nullptr;
    }
    // The tab shown, and the choice of another: false when the page shown
    // refused to be left.
    int getActivePage() const;
    bool setActivePage(int index);
    // Shows the tab of the view, as setActivePage.
    bool activate(PropertyPageView* view);

    void OnOK();
    void OnCancel();
    // Whether a handler ended the sheet, and how (wxID_OK, wxID_CANCEL).
    bool hasEnded() const { return m_ended; }

private:
    void endSheet(int result);
    bool leaveActivePage();

    PropertySheet& m_sheet;
    bool m_ended = false;
};
