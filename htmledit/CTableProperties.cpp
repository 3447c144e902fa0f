#include "CTableProperties.h"

#include "cHtmlStyle.h"
#include "cHtmlTable.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

// The table's rules attribute for each lines entry.
const char* const kRules[] = {"all", "rows", "cols", "none"};

struct Field {
    int id;
    const char* label;
    CString CTableProperties::*value;
};
const Field kFields[] = {
    {CTableProperties::IDC_BORDER_WIDTH, "Border width (pixel)", &CTableProperties::m_borderWidth},
    {CTableProperties::IDC_BORDER_COLOR, "Border Color", &CTableProperties::m_borderColor},
    {CTableProperties::IDC_BACKGROUND_COLOR, "Background Color", &CTableProperties::m_backgroundColor},
    {CTableProperties::IDC_CELL_PADDING, "Cell Padding (pixel)", &CTableProperties::m_cellPadding},
    {CTableProperties::IDC_CELL_SPACING, "Cell Spacing (pixel)", &CTableProperties::m_cellSpacing},
    {CTableProperties::IDC_WIDTH, "Width (pixel or %)", &CTableProperties::m_width},
    {CTableProperties::IDC_HEIGHT, "Height (pixel or %)", &CTableProperties::m_height},
};

CString withoutPx(CString text) {
    text.Replace("px", "");
    return text;
}

// A length without a percent sign is in pixels.
CString lengthOf(const CString& text) {
    return text.IsEmpty() || text.Find('%') >= 0 ? text : text + "px";
}

} // namespace

CTableProperties::CTableProperties(wxWindow* parent) : TolvaneDialog(parent, "Table Properties") {
    auto* form = newForm();
    for (const Field& field : kFields) {
        addFormRow(form, wxID_ANY, field.label, newEdit(field.id, 0, 16));
        exchangeText(field.id, &(this->*field.value));
    }
    auto* lines = new wxChoice(this, IDC_LINES);
    for (const char* entry :
         {"All lines and border", "Horizontal lines and border", "Vertikal lines and border", "Only border"})
        lines->Append(entry);
    addFormRow(form, wxID_ANY, "Lines", lines);
    exchangeSelection(IDC_LINES, &m_lines);
    finishLayout(form);
}

void CTableProperties::readFrom(const cHtmlTable& table) {
    const CString rules = table.getRules();
    m_lines = rules.CompareNoCase("cols") == 0   ? 2
              : rules.CompareNoCase("rows") == 0 ? 1
              : rules.CompareNoCase("none") == 0 ? 3
                                                 : 0;
    m_backgroundColor = table.getBgColor();
    m_borderColor = table.getBorderColor();
    m_borderWidth = table.getBorder();
    m_cellSpacing = table.getCellSpacing();
    m_cellPadding = table.getCellPadding();
    m_width = withoutPx(table.getStyle().getProperty(7));
    m_height = withoutPx(table.getStyle().getProperty(8));
}

void CTableProperties::applyTo(cHtmlTable& table) const {
    table.setRules(kRules[m_lines >= 0 && m_lines < 4 ? m_lines : 0]);
    table.setBgColor(m_backgroundColor);
    table.setBorderColor(m_borderColor);
    table.setBorder(m_borderWidth);
    table.setCellSpacing(m_cellSpacing);
    table.setCellPadding(m_cellPadding);
    cHtmlStyle style = table.getStyle();
    style.setProperty(7, lengthOf(m_width));
    style.setProperty(8, lengthOf(m_height));
}
