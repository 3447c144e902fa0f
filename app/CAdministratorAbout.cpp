#include "CAdministratorAbout.h"

#include "CHyperlinkStatic.h"
#include "Project.h"
#include "StringTable.h"
#include "TolvaneApp.h"
#include "UserInterface.h"
#include "VersionCheck.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

CAdministratorAbout::CAdministratorAbout(Project* project, wxWindow* parent)
    : TolvaneDialog(parent, "About " + loadString(61448)), m_project(project) {
    auto* icon = new wxStaticBitmap(this, wxID_ANY, programIcon(32));
    auto* version = new wxStaticText(this, IDC_VERSION, "");
    version->SetFont(version->GetFont().Larger().Bold());
    m_makerLink = new CHyperlinkStatic(this, IDC_MAKER_LINK, kMakerSite);
    m_makerLink->setUrl(kMakerAddress);
    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(version, 0, wxBOTTOM, 8);
    texts->Add(m_makerLink, 0);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(icon, 0, wxALIGN_TOP | wxRIGHT, 12);
    top->Add(texts, 1, wxALIGN_CENTER_VERTICAL);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, IDC_CHECKVERSION, "Check version"), 0, wxRIGHT, 8);
    auto* exit = new wxButton(this, wxID_OK, "Exit");
    buttons->Add(exit, 0);
    auto* window = new wxBoxSizer(wxVERTICAL);
    window->Add(top, 1, wxEXPAND | wxALL, 12);
    window->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(window);
    SetMinSize(GetSize());
    exit->SetDefault();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCheckversion(); }, IDC_CHECKVERSION);
}

bool CAdministratorAbout::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    setText(IDC_VERSION, loadString(61448) + " " + loadString(61449));
    Layout();
    Fit();
    return true;
}

void CAdministratorAbout::OnCheckversion() {
    CString message;
    {
        ui::WaitCursor wait;
        message = VersionCheck::check(Project::getVersionString());
    }
    ui::AfxMessageBox(message);
}
