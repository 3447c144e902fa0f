#include "CGeneralProcedureGroupDialogView.h"

#include "ClassPages.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>

#include <tuple>

CGeneralProcedureGroupDialogView::CGeneralProcedureGroupDialogView(wxWindow* parent,
                                                                   CGeneralProcedureGroupDialogMgt& page)
    : PropertyPageView(parent, page) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    for (const auto& [id, text, member] :
         {std::tuple{IDC_PRINT_TYPE, "Show type column in table", &page.m_printType},
          std::tuple{IDC_PRINT_STATE, "Show state column in table", &page.m_printState},
          std::tuple{IDC_PRINT_VERSION, "Show version column in table", &page.m_printVersion},
          std::tuple{IDC_ALL_PROCEDURES, "Generate all procedures", &page.m_allProcedures}}) {
        content->Add(new wxCheckBox(this, id, text), 0, wxBOTTOM, 6);
        exchangeCheck(id, member);
    }
    finishLayout(content);
}
