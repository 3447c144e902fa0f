#include "DescDialogView.h"

#include "DescriptionPages.h"

DescDialogView::DescDialogView(wxWindow* parent, DescL1DialogMgt& page) : PropertyPageView(parent, page) {
    finishLayout(newTextGroup(IDC_DESCRIPTION, "Description"));
    exchangeText(IDC_DESCRIPTION, &page.m_description);
}
