#include "CProcedureDialogView.h"

#include "ClassPages.h"

#include <wx/combobox.h>
#include <wx/sizer.h>

namespace {

// An editable list whose entries are kept sorted; a text outside them stays as typed.
wxComboBox* newSortedCombo(wxWindow* parent, int id, std::initializer_list<const char*> entries) {
    wxArrayString texts;
    for (const char* entry : entries)
        texts.Add(entry);
    return new wxComboBox(parent, id, "", wxDefaultPosition, wxDefaultSize, texts, wxCB_DROPDOWN | wxCB_SORT);
}

} // namespace

CProcedureDialogView::CProcedureDialogView(wxWindow* parent, CProcedureDialogMgt& page)
    : PropertyPageView(parent, page) {
    auto pathGroup = [this](const char* caption, int pathId, int alternativeId) {
        auto* form = controls::newForm();
        addFormRow(form, wxID_ANY, "Path", newEdit(pathId, 0, 40));
        addFormRow(form, wxID_ANY, "Alternative Path", newEdit(alternativeId, 0, 40));
        return newGroup(wxID_ANY, caption, form);
    };
    auto* attributes = controls::newForm();
    addFormRow(attributes, wxID_ANY, "Procedure status",
               newSortedCombo(this, IDC_STATUS, {"Draft", "Waiting for review", "Validated"}));
    addFormRow(
        attributes, wxID_ANY, "Type",
        newSortedCombo(this, IDC_TYPE,
                       {"Procedure", "Guideline", "Tool guideline", "Training", "Policy", "Checklist"}));
    addFormRow(attributes, wxID_ANY, "Procedure version", newEdit(IDC_VERSION, 0, 10));

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(pathGroup("Lang 1", IDC_PROCEDURE, IDC_ALT_PROCEDURE), 0, wxEXPAND);
    content->Add(pathGroup("Lang 2", IDC_PROCEDURE_L2, IDC_ALT_PROCEDURE_L2), 0, wxEXPAND | wxTOP, 8);
    content->Add(attributes, 0, wxEXPAND | wxTOP, 10);
    content->Add(newTextGroup(IDC_DESCRIPTION, "Description", false, 6), 1, wxEXPAND | wxTOP, 10);
    finishLayout(content);

    exchangeText(IDC_ALT_PROCEDURE, &page.m_altProcedure);
    exchangeText(IDC_DESCRIPTION, &page.m_description);
    exchangeText(IDC_PROCEDURE, &page.m_procedure);
    exchangeText(IDC_STATUS, &page.m_procState);
    exchangeText(IDC_TYPE, &page.m_procedureType);
    exchangeText(IDC_VERSION, &page.m_procVersion);
    exchangeText(IDC_ALT_PROCEDURE_L2, &page.m_altProcedureL2);
    exchangeText(IDC_PROCEDURE_L2, &page.m_procedureL2);
}
