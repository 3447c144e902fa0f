#include "CActivityInformationsView.h"

#include "ActivityPages.h"
#include "ProcessItem.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

CActivityInformationsView::CActivityInformationsView(wxWindow* parent, CActivityInformationsDialogMgt& page)
    : PropertyPageView(parent, page), m_informations(page) {
    auto* form = controls::newForm();
    for (const auto& [id, label] : {std::pair{IDC_DOMAIN, "Domain"}, std::pair{IDC_DISCIPLINE, "Discipline"},
                                    std::pair{IDC_PHASES, "Phase"}}) {
        auto* edit = newEdit(id, 0, 40);
        edit->Disable();
        addFormRow(form, wxID_ANY, label, edit);
    }
    finishLayout(form);
}

void CActivityInformationsView::OnInitDialog() {
    PropertyPageView::OnInitDialog();
    ProcessItem* activity = m_informations.m_item;
    setText(IDC_DISCIPLINE, activity->getDiscipline());
    setText(IDC_PHASES, activity->getPhaseList()->join(", "));
    setText(IDC_DOMAIN, activity->getDomain());
}
