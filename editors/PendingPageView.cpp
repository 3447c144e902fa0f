#include "PendingPageView.h"

#include <wx/sizer.h>
#include <wx/stattext.h>

PendingPageView::PendingPageView(wxWindow* parent, PropertyPage& page) : PropertyPageView(parent, page) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxStaticText(this, wxID_ANY,
                                  "This page cannot be edited in this version of Tolvane.\n"
                                  "What it holds is kept as it is when the sheet is closed with OK."));
    finishLayout(content);
}
