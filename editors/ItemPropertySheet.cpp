#include "ItemPropertySheet.h"

#include "PageViews.h"
#include "PropertyPage.h"
#include "PropertyPageView.h"
#include "PropertySheet.h"
#include "TolvaneDialog.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/sizer.h>

ItemPropertySheet::ItemPropertySheet(PropertySheet& sheet, wxWindow* parent)
    : wxPropertySheetDialog(parent, wxID_ANY, toWx(sheet.getTitle()), wxDefaultPosition, wxDefaultSize,
                            wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_sheet(sheet) {
    CreateButtons(wxOK | wxCANCEL);
    for (PropertyPage* page : sheet.getPages())
        GetBookCtrl()->AddPage(PageViews::create(GetBookCtrl(), *page), toWx(page->getCaption()));
    if (getPageCount() > 0)
        getPageView(0)->ensureInitialised();
    LayoutDialog();
    // The sheet is never smaller than its largest page needs.
    SetMinSize(GetSize());

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    GetBookCtrl()->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, [this](wxBookCtrlEvent& event) {
        if (event.GetEventObject() == GetBookCtrl() && !leaveActivePage())
            event.Veto();
    });
    GetBookCtrl()->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
        if (event.GetEventObject() == GetBookCtrl() && event.GetSelection() != wxNOT_FOUND)
            getPageView(event.GetSelection())->ensureInitialised();
    });
}

int ItemPropertySheet::DoModal() {
    m_ended = false;
    return TolvaneDialog::runModal(*this) == wxID_OK ? IDOK : IDCANCEL;
}

int ItemPropertySheet::getPageCount() const {
    return static_cast<int>(GetBookCtrl()->GetPageCount());
}

PropertyPageView* ItemPropertySheet::getPageView(int index) const {
    return static_cast<PropertyPageView*>(GetBookCtrl()->GetPage(static_cast<size_t>(index)));
}

std::vector<CString> ItemPropertySheet::getCaptions() const {
    std::vector<CString> captions;
    for (int i = 0; i < getPageCount(); ++i)
        captions.push_back(fromWx(GetBookCtrl()->GetPageText(static_cast<size_t>(i))));
    return captions;
}

int ItemPropertySheet::getActivePage() const {
    return GetBookCtrl()->GetSelection();
}

bool ItemPropertySheet::setActivePage(int index) {
    if (index == getActivePage())
        return true;
    if (!leaveActivePage())
        return false;
    GetBookCtrl()->ChangeSelection(static_cast<size_t>(index));
    getPageView(index)->ensureInitialised();
    return true;
}

bool ItemPropertySheet::activate(PropertyPageView* view) {
    for (int i = 0; i < getPageCount(); ++i)
        if (getPageView(i) == view)
            return setActivePage(i);
    return false;
}

bool ItemPropertySheet::leaveActivePage() {
    const int active = getActivePage();
    return active == wxNOT_FOUND || getPageView(active)->OnKillActive();
}

void ItemPropertySheet::OnOK() {
    if (!leaveActivePage())
        return;
    for (int i = 0; i < getPageCount(); ++i)
        if (getPageView(i)->isInitialised())
            getPageView(i)->OnOK();
    endSheet(wxID_OK);
}

void ItemPropertySheet::OnCancel() {
    endSheet(wxID_CANCEL);
}

void ItemPropertySheet::endSheet(int result) {
    m_ended = true;
    TolvaneDialog::endModal(*this, result);
}
