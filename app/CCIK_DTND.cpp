#include "CCIK_DTND.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

CCIK_DTND::CCIK_DTND(wxWindow* parent) : TolvaneDialog(parent, "Change item kind: dual to non dual") {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxCheckBox(this, IDC_REMOVE_FILES, "Remove associated file and directory"), 0, wxBOTTOM,
                 6);
    content->Add(
        new wxStaticText(this, wxID_ANY, "(not recommended: loss of files and possible link corruption"));
    content->Add(new wxStaticText(this, wxID_ANY, "Use of front page is recommended to remove the files)"));
    exchangeCheck(IDC_REMOVE_FILES, &m_removeFiles);
    finishLayout(content);
}
