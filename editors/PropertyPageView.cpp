#include "PropertyPageView.h"

#include "PropertyPage.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

namespace {

// The space between a page's edge and its controls.
constexpr int kPadding = 10;

} // namespace

PropertyPageView::PropertyPageView(wxWindow* parent, PropertyPage& page)
    : wxPanel(parent, wxID_ANY), m_page(page) {}

void PropertyPageView::ensureInitialised() {
    if (m_initialised)
        return;
    m_initialised = true;
    OnInitDialog();
}

void PropertyPageView::OnInitDialog() {
    m_initialised = true;
    updateData(false);
}

bool PropertyPageView::OnKillActive() {
    updateData(true);
    return m_page.onKillActive();
}

void PropertyPageView::updateData(bool save) {
    m_exchange.update(this, save);
}

void PropertyPageView::finishLayout(wxSizer* content) {
    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(content, 1, wxEXPAND | wxALL, kPadding);
    SetSizer(page);
    SetMinSize(page->GetMinSize());
}

wxStaticBoxSizer* PropertyPageView::newTextGroup(int id, const CString& caption, bool horizontalScroll,
                                                 int minimumLines) {
    auto* text = new wxTextCtrl(this, id, "", wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | (horizontalScroll ? wxHSCROLL : 0));
    const int line = text->GetCharHeight();
    text->SetMinSize(wxSize(text->GetTextExtent(wxString('x', 70)).GetWidth(), line * minimumLines));
    auto* box = new wxBoxSizer(wxVERTICAL);
    box->Add(text, 1, wxEXPAND);
    return newGroup(wxID_ANY, caption, box);
}
