#include "CHrProperties.h"

#include "cHtmlHR.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CHrProperties::CHrProperties(wxWindow* parent) : TolvaneDialog(parent, "HR Properties") {
    auto* form = newForm();
    addFormRow(form, wxID_ANY, "Length (Pixel, %)", newEdit(IDC_LENGTH, 0, 14));
    addFormRow(form, wxID_ANY, "Color", newEdit(IDC_COLOR, 0, 14));
    addFormRow(form, wxID_ANY, "Height (pixel)", newEdit(IDC_HEIGHT, 0, 14));
    auto* shade = new wxChoice(this, IDC_SHADE);
    shade->Append("Shade");
    shade->Append("No Shade");
    addFormRow(form, wxID_ANY, "Shade", shade);
    exchangeText(IDC_LENGTH, &m_length);
    exchangeText(IDC_COLOR, &m_color);
    exchangeText(IDC_HEIGHT, &m_height);
    exchangeSelection(IDC_SHADE, &m_shade);
    finishLayout(form);
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
