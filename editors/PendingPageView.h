#pragma once

// A page whose own view this version does not have yet: it says so, and
// the sheet hands back the values the page loaded, unchanged.

#include "PropertyPageView.h"

class PendingPageView : public PropertyPageView {
public:
    PendingPageView(wxWindow* parent, PropertyPage& page);
};
