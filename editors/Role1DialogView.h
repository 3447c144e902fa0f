#pragma once

// "Role attributes": the role's description, its pictures, whether it is
// an acting role group, and the addresses of its detailed description.

#include "PropertyPageView.h"

class Role1DialogMgt;

class Role1DialogView : public PropertyPageView {
public:
    enum ControlId {
        IDC_ACTING_ROLE_GROUP = 1006,
        IDC_DESCRIPTION = 1042,
        IDC_IMAGE = 1129,
        IDC_URL_L1 = 1130,
        IDC_URL_L2 = 1131,
        IDC_IMAGE_ROLE_GROUP = 1132,
    };
    Role1DialogView(wxWindow* parent, Role1DialogMgt& page);
};
