#include "CSelectIcon.h"

#include "ImageIndex.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

CSelectIcon::CSelectIcon(wxImageList* imageList, ImageIndexListe* iconList, wxWindow* parent)
    : TolvaneDialog(parent, "Select icon"), m_imageList(imageList), m_iconList(iconList) {
    m_list = new wxListCtrl(this, IDC_ICON_LIST, wxDefaultPosition, wxSize(420, 260),
                            wxLC_LIST | wxLC_EDIT_LABELS | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    // A label may be edited in place, but the edit is never kept.
    m_list->Bind(wxEVT_LIST_END_LABEL_EDIT, [](wxListEvent& event) { event.Veto(); });
    m_list->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { OnOK(); });
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(m_list, 1, wxEXPAND);
    finishLayout(content);
}

bool CSelectIcon::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    m_list->SetImageList(m_imageList, wxIMAGE_LIST_SMALL);
    ImageIndexIterateur* it = m_iconList ? m_iconList->createIterator() : nullptr;
    for (; it && !it->isAtEnd(); it->next())
        m_list->InsertItem(m_list->GetItemCount(), toWx(it->current()->getFileName()),
                           it->current()->getImageIndex());
    delete it;
    return true;
}

void CSelectIcon::OnOK() {
    const long selected = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (selected < 0) {
        ui::AfxMessageBox(loadString(33056));
        return;
    }
    m_iconName = fromWx(m_list->GetItemText(selected));
    endDialog(wxID_OK);
}
