#pragma once

// The site's top banner page of one language ("site/Home/topbanner1.htm",
// "topbanner2.htm"), shown in the frame "b1": the banner picture drawn in
// the diagram editor with the image map of its clickable-area file
// "banner.data", whose areas lead to items of the site with their popup
// texts as tooltips or run the banner script's buttons, and the fixed
// tooltips of those buttons.

#include "CString.h"
#include "DiskLinks.h"

class ProcessManager;

class BannerPage {
public:
    BannerPage(ProcessManager& manager, int language);

    CString path() const;
    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

private:
    // The area of one record of the clickable-area file (nothing for a
    // record that gives none), and the tooltip entry of an item's area.
    CString area(const CString& record, CString& script);

    ProcessManager& m_manager;
    int m_language;
    CString m_folder;
    DiskLinks m_links;
    // Text[0] to Text[9] are the buttons' tooltips.
    int m_tooltipCounter = 10;
};
