#pragma once

// A page holding the map of the site.

#include "ProcessItemExtension.h"

class ItemSiteMap : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "SITE MAP"; }
    static CString getClassKeyword() { return "SITEMAP"; }
};
