#pragma once

// The "Admin" dialog: the program's name and version, the link to the
// maker's web site, and "Check version", which compares the running
// version with the latest one the maker publishes.

#include "CString.h"
#include "TolvaneDialog.h"

class CHyperlinkStatic;
class Project;

class CAdministratorAbout : public TolvaneDialog {
public:
    enum ControlId {
        IDC_CHECKVERSION = 3,
        IDC_MAKER_LINK = 1076,
        IDC_VERSION = 1119,
    };
    // The maker's web site, as the link shows it and the address it opens.
    static constexpr const char* kMakerSite = "www.maravex-process.example";
    static constexpr const char* kMakerAddress = "https://www.maravex-process.example/tolvane";

    CAdministratorAbout(Project* project, wxWindow* parent);

    bool OnInitDialog() override;
    // Button 3: tells the user whether a newer version is published.
    void OnCheckversion();

    CHyperlinkStatic* getMakerLink() const { return m_makerLink; }

private:
    Project* m_project;
    CHyperlinkStatic* m_makerLink = nullptr;
};
