#include "CHrProperties.h"

#include "WxText.h"
#include "cHtmlHR.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

struct Field {
    int id;
    const char* label;
    CString CHrProperties::*value;
};
const Field kFields[] = {
    {CHrProperties::IDC_LENGTH, "Length (Pixel, %)", &CHrProperties::m_length},
    {CHrProperties::IDC_COLOR, "Color", &CHrProperties::m_color},
    {CHrProperties::IDC_HEIGHT, "Height (pixel)", &CHrProperties::m_height},
};

} // namespace

CHrProperties::CHrProperties(wxWindow* parent) : StdDialog(parent, "HR Properties") {
    auto* grid = new wxFlexGridSizer(2, 6, 10);
    grid->AddGrowableCol(1);
    for (const Field& field : kFields)
        addTextField(grid, field.id, field.label, 120);
    grid->Add(new wxStaticText(this, wxID_ANY, "Shade"), 0, wxALIGN_CENTER_VERTICAL);
    auto* shade = new wxChoice(this, IDC_SHADE);
    shade->Append("Shade");
    shade->Append("No Shade");
    grid->Add(shade, 1, wxEXPAND);
    layoutDialog(grid);
}

void CHrProperties::readFrom(const cHtmlHR& separator) {
    m_color = separator.getProperty(0);
    m_length = separator.getProperty(2);
    m_height = separator.getProperty(1);
    m_shade = separator.isShaded() ? kShade : kNoShade;
}

void CHrProperties::applyTo(cHtmlHR& separator) const {
    separator.setProperty(0, m_color);
    separator.setProperty(2, m_length);
    separator.setProperty(1, m_height);
    separator.setShaded(m_shade != kNoShade);
}

bool CHrProperties::OnInitDialog() {
    for (const Field& field : kFields)
        setFieldText(field.id, this->*field.value);
    static_cast<wxChoice*>(FindWindow(IDC_SHADE))->SetSelection(m_shade);
    return true;
}

void CHrProperties::OnOK() {
    for (const Field& field : kFields)
        this->*field.value = getFieldText(field.id);
    const int selection = static_cast<wxChoice*>(FindWindow(IDC_SHADE))->GetSelection();
    m_shade = selection == kNoShade ? kNoShade : kShade;
    endDialog(IDOK);
}
