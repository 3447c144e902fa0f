#include "MeasureDialogView.h"

#include "ClassPages.h"
#include "TolvaneDialog.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <tuple>

MeasureDialogView::MeasureDialogView(wxWindow* parent, MeasureDialogMgt& page)
    : PropertyPageView(parent, page), m_measure(page) {
    auto* checks = new wxBoxSizer(wxVERTICAL);
    for (const auto& [id, text, member] :
         {std::tuple{IDC_AVERAGE, "Calculate average", &page.m_calculateAverage},
          std::tuple{IDC_MEDIAN, "Calculate median", &page.m_calculateMedian},
          std::tuple{IDC_STANDARD_DEVIATION, "Calculate standard deviation",
                     &page.m_calculateStandardDeviation},
          std::tuple{IDC_INCLUDE_PLANNED_VALUE, "Include planned value", &page.m_includePlannedValue}}) {
        checks->Add(new wxCheckBox(this, id, text), 0, wxBOTTOM, 4);
        exchangeCheck(id, member);
    }
    auto* picture = new wxBoxSizer(wxHORIZONTAL);
    auto* pictureName = newEdit(IDC_PICTURE, 0, 30);
    pictureName->Disable();
    picture->Add(pictureName, 1, wxALIGN_CENTER_VERTICAL);
    picture->Add(new wxButton(this, IDC_GET_PICTURE, "Get"), 0, wxLEFT, 6);
    auto* form = controls::newForm();
    addFormRow(form, wxID_ANY, "Unit (if numeric)", newEdit(IDC_UNIT, 0, 16));
    addFormRow(form, wxID_ANY, "Hyperlink", newEdit(IDC_HYPERLINK, 0, 40));
    controls::addFormRow(this, form, wxID_ANY, "Picture (if graphic)", picture);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(checks, 0, wxEXPAND);
    content->Add(form, 0, wxEXPAND | wxTOP, 8);
    content->Add(newTextGroup(IDC_DESCRIPTION, "Description", false, 8), 1, wxEXPAND | wxTOP, 10);
    finishLayout(content);

    exchangeText(IDC_DESCRIPTION, &page.m_description);
    exchangeText(IDC_UNIT, &page.m_unit);
    exchangeText(IDC_HYPERLINK, &page.m_hyperlink);
    exchangeText(IDC_PICTURE, &page.m_picturePath);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnGetPicture(); }, IDC_GET_PICTURE);
}

void MeasureDialogView::OnGetPicture() {
    wxFileDialog open(this, wxFileSelectorPromptStr, "", "", wxFileSelectorDefaultWildcardStr,
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (TolvaneDialog::runModal(open) == wxID_OK)
        getPicture(TolvaneDialog::chosenPath(open));
}

void MeasureDialogView::getPicture(const CString& path) {
    if (m_measure.onGetPicture(path))
        setText(IDC_PICTURE, m_measure.m_picturePath);
}
