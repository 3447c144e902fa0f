#pragma once

// "Informations" of a work product: the activities that use it and the
// ones that produce (update) it, found anew when the page opens; read only.

#include "PropertyPageView.h"

class CWorkProductPPage3;

class CWorkProductPPage3View : public PropertyPageView {
public:
    enum ControlId { IDC_UPDATING = 1018, IDC_USING = 1126 };
    CWorkProductPPage3View(wxWindow* parent, CWorkProductPPage3& page);
    void OnInitDialog() override;

private:
    CWorkProductPPage3& m_informations;
};
