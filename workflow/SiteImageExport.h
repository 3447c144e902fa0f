#pragma once

// What the web site shows of a diagram, written at every save: the PNG
// picture of the diagram cropped to its contents, one per content language
// ("wf.png", "wpMap.png", "roles.png", "banner.png" and their "L2" twins),
// and the clickable-area file ("map.data", "banner.data") that lists, in
// picture pixels, the area of every entity that leads somewhere (an item
// bound to a node, a picture node's link), from which the generator makes
// the page's image map.
//
// The picture is rendered at zoom 1 whatever the editor's zoom, and only
// its crop, so that the areas match its pixels and its memory follows what
// is drawn. The crop holds every entity's rectangle, every bend point and
// everything a link paints (heads, decorations, labels); an empty diagram
// gives one pixel of paper. The user's selection is kept and drawn without
// its markers. The area file is written once, from the first language
// (both languages' areas come from the same rectangles). A file that cannot
// be written is told to the user and the site keeps the one it had.

#include "CDiagramEntity.h"
#include "CSize.h"
#include "CString.h"
#include "CWebImageDC.h"
#include "WinTypes.h"

#include <string>

class CFlowchartEditor;
class DiagramDC;

class SiteImageExport {
public:
    static constexpr UINT kPictureNotWritten = 33570;
    static constexpr UINT kAreasNotWritten = 33571;

    explicit SiteImageExport(CFlowchartEditor& editor);

    // The picture of the language and, for the first language, the area
    // file, in the edited item's folder. FALSE when the editor has no item
    // or a file could not be written (the user was told).
    BOOL exportSiteImage(int language);
    // The same into a folder (with its trailing separator).
    BOOL exportTo(const CString& folder, int language);

    // The file names of the editor's mode: work-product map before role map
    // before banner before workflow.
    static CString pictureName(BOOL wpMap, BOOL roles, BOOL banner, int language);
    static CString areaFileName(BOOL banner);

    // The crop in diagram units (zoom 1): its top-left corner and size.
    // Empty for a diagram without entities and links.
    struct Crop {
        int left = 0;
        int top = 0;
        CSize size;
        bool empty = true;
    };
    // Measured with the painter (fonts measure without a target).
    Crop crop(DiagramDC& measuring) const;
    // The crop drawn into the image: paper, entities and links in the
    // language, no selection markers; an empty crop is one pixel of paper.
    BOOL render(CWebImageDC& image, const Crop& crop, int language) const;
    // The lines of the area file, CR LF ended.
    std::string areaFileBytes(const Crop& crop) const;
    // One line of the area file for an area, relative to the crop; empty
    // when the area leads nowhere.
    static CString areaLine(const ClickableArea& area, const Crop& crop);

    void setClock(CWebImageDC::Clock clock) { m_clock = std::move(clock); }

private:
    CFlowchartEditor& m_editor;
    CWebImageDC::Clock m_clock;
};
