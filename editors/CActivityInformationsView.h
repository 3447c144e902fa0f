#pragma once

// "Informations" of an activity: the domain, discipline and phases it
// belongs to, as the project found them when it was opened; read only.

#include "PropertyPageView.h"

class CActivityInformationsDialogMgt;

class CActivityInformationsView : public PropertyPageView {
public:
    enum ControlId { IDC_DISCIPLINE = 1130, IDC_PHASES = 1131, IDC_DOMAIN = 1132 };
    CActivityInformationsView(wxWindow* parent, CActivityInformationsDialogMgt& page);
    void OnInitDialog() override;

private:
    CActivityInformationsDialogMgt& m_informations;
};
