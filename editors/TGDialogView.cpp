#include "TGDialogView.h"

#include "DescriptionPages.h"

TGDialogView::TGDialogView(wxWindow* parent, TGDialogMgt& page) : PropertyPageView(parent, page) {
    finishLayout(newTextGroup(IDC_TAILORING_GUIDELINE, "Description", true));
    exchangeText(IDC_TAILORING_GUIDELINE, &page.m_tailoringGuideline);
}
