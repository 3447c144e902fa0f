#pragma once

// "Select EPFC plug-in to create": the domains and disciplines of the
// project, of which the chosen ones each become a pair of plug-ins of the
// EPF method library export; every domain is proposed at the start. An
// optional file maps the GUIDs of a site the EPF tools generated to item
// paths.

#include "ProcessItemListe.h"
#include "TolvaneDialog.h"

class ProcessManager;

class CEPFCPlugin : public TolvaneDialog {
public:
    enum ControlId {
        IDC_AVAILABLE = 1211,
        IDC_CHOSEN = 1212,
        IDC_ADD = 1013,
        IDC_REMOVE = 1014,
        IDC_GUID_FILE = 1213,
        IDC_GET = 1018,
    };

    CEPFCPlugin(ProcessManager* project, wxWindow* parent);

    // Domains (also proposed for creation) and "domain/discipline" entries,
    // in tree order; each entry keeps its item.
    bool OnInitDialog() override;
    // The items of the chosen entries, in list order, and the GUID file.
    void OnOK() override;
    void OnAdd();
    void OnRemove();
    void OnGet();

    ProcessItemListe& getChosenItems() { return m_chosen; }
    CString m_guidFile;

private:
    ProcessManager* m_project;
    ProcessItemListe m_chosen;
};
