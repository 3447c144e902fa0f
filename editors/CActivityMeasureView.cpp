#include "CActivityMeasureView.h"

#include "ActivityPages.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "Project.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

CActivityMeasureView::CActivityMeasureView(wxWindow* parent, CActivityMeasureMgt& page)
    : ExtendedPropertyPage(parent, page), m_measures(page) {
    auto newList = [this](int id, int lines) {
        auto* list =
            new wxListBox(this, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE);
        list->SetMinSize(
            wxSize(list->GetTextExtent(wxString('x', 60)).GetWidth(), list->GetCharHeight() * lines));
        return list;
    };
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, IDC_ADD_MEASURE, ">>  Add"));
    buttons->Add(new wxButton(this, IDC_REMOVE_MEASURE, "<< Remove"), 0, wxLEFT, 8);
    auto* box = new wxBoxSizer(wxVERTICAL);
    box->Add(newList(IDC_AVAILABLE, 10), 3, wxEXPAND);
    box->Add(buttons, 0, wxALIGN_CENTER_HORIZONTAL | wxTOP | wxBOTTOM, 6);
    box->Add(newList(IDC_CHOSEN, 6), 2, wxEXPAND);
    finishLayout(newGroup(wxID_ANY, "", box));
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAddMeasure(); }, IDC_ADD_MEASURE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnRemoveMeasure(); }, IDC_REMOVE_MEASURE);
}

void CActivityMeasureView::OnInitDialog() {
    ExtendedPropertyPage::OnInitDialog();
    ui::WaitCursor wait;
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    for (ProcessItem* measure : m_measures.m_measures)
        chosen->Append(toWx(references::itemLabel(measure)), measure);
    auto* available = static_cast<wxListBox*>(FindWindow(IDC_AVAILABLE));
    ItemListePlus* items = m_measures.m_project ? m_measures.m_project->getItemList() : nullptr;
    for (int i = 1; items && i <= items->count(); ++i)
        if (auto* item = dynamic_cast<ProcessItem*>(items->at(i));
            item && item->getClassKind() == kMeasureClass)
            available->Append(toWx(references::itemLabel(item)), item);
}

void CActivityMeasureView::OnOK() {
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    m_measures.m_measures.clear();
    for (unsigned i = 0; i < chosen->GetCount(); ++i)
        m_measures.m_measures.push_back(static_cast<ProcessItem*>(chosen->GetClientData(i)));
    m_measures.m_measuresChosen = true;
}
