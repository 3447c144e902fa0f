#include "CWorkProductPPage3View.h"

#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "UserInterface.h"
#include "WorkProductPages.h"
#include "WxText.h"

#include <wx/listbox.h>
#include <wx/sizer.h>

CWorkProductPPage3View::CWorkProductPPage3View(wxWindow* parent, CWorkProductPPage3& page)
    : PropertyPageView(parent, page), m_informations(page) {
    auto group = [this](int id, const char* caption) {
        auto* list =
            new wxListBox(this, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE);
        list->SetMinSize(
            wxSize(list->GetTextExtent(wxString('x', 50)).GetWidth(), list->GetCharHeight() * 6));
        auto* box = new wxBoxSizer(wxVERTICAL);
        box->Add(list, 1, wxEXPAND);
        return newGroup(wxID_ANY, caption, box);
    };
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(group(IDC_USING, "Activities using the Work Product (read only)"), 1, wxEXPAND);
    content->Add(group(IDC_UPDATING, "Activities updating the Work Product (read only)"), 1, wxEXPAND | wxTOP,
                 8);
    finishLayout(content);
}

void CWorkProductPPage3View::OnInitDialog() {
    ui::WaitCursor wait;
    PropertyPageView::OnInitDialog();
    if (auto* manager = dynamic_cast<ProcessManager*>(m_informations.m_project))
        manager->linkWorkProducts();
    const ItemWorkProduct* product = m_informations.m_item->getItemWorkProduct();
    if (!product)
        return;
    for (const auto& [id, activities] : {std::pair{IDC_USING, product->getUsingActivities()},
                                         std::pair{IDC_UPDATING, product->getProducingActivities()}}) {
        auto* list = static_cast<wxListBox*>(FindWindow(id));
        for (int i = 1; i <= activities->count(); ++i)
            if (Item* activity = activities->at(i))
                list->Append(toWx(activity->getName()));
    }
}
