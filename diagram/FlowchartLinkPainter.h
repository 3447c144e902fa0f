#pragma once

// How a flowchart is painted: each entity, and right after each linkable
// entity the links that start at it, with the line style, heads and end
// decorations of the link's kind, its label and, for a selected link, its
// markers; and the line that follows the mouse in link
// mode. The same painting serves the screen, the site pictures and the
// clipboard picture. Painting changes nothing.
//
// Sizes: h is the editor's marker width times the zoom, plus 1, halved (4
// at zoom 1); arrow heads are 2h long and 2h wide. Link points are turned
// into window units as entities are (times the zoom, plus 0.5, truncated);
// end decorations, markers and label boxes keep fixed pixel sizes.

#include "CFlowchartEntity.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLink.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"
#include "DiagramDC.h"

#include <optional>

class FlowchartLinkIndex;

class FlowchartLinkPainter {
public:
    FlowchartLinkPainter(const CFlowchartEntityContainer& container, double zoom, int markerWidth,
                         int language);

    // Every entity in drawing order, each linkable one followed by the links
    // that start at it (a link whose to entity is missing is skipped).
    void drawObjects(DiagramDC& dc) const;
    void drawObjects(DiagramDC& dc, const FlowchartLinkIndex& index) const;
    // One link between its two ends.
    void drawLink(DiagramDC& dc, const CFlowchartLink& link, const CFlowchartEntity& from,
                  const CFlowchartEntity& to) const;
    // The rectangle (window units) that drawLink paints for the link when it
    // is not selected: its points, its heads and end decorations, and its
    // label's box, out of which no text is drawn.
    CRect linkExtent(DiagramDC& dc, const CFlowchartLink& link, const CFlowchartEntity& from,
                     const CFlowchartEntity& to) const;
    // The union of the extents of every link drawObjects draws (empty when
    // none). The painter needs no target for it: fonts measure without one.
    CRect linksExtent(DiagramDC& dc) const;
    // The line of link mode: from the source's side nearest the mouse (a
    // free coordinate taken from the middle of the source) to the mouse;
    // nothing while the mouse position is unknown (-1).
    void drawLinkModeLine(DiagramDC& dc, const CFlowchartEntity& source, CPoint mouse) const;

    // The kind a link is drawn as: a sequence flow between two roles is an
    // organisational chart link.
    static int drawnKind(const CFlowchartLink& link, const CFlowchartEntity& from,
                         const CFlowchartEntity& to);

private:
    // Where a label goes: its text and box (none without text), the way the
    // text aligns in it, and the box of the message picture (none unless
    // the kind has one). The link's font is left selected for a text.
    struct LabelPlacement {
        CString text;
        std::optional<CRect> box;
        UINT align = 0;
        std::optional<CRect> decorator;
    };

    CPoint toWindow(CPoint point) const;
    // The window points of the link, ends and bend points; the index of the
    // last one. filledX and filledY tell a free coordinate of a bar's face.
    int linkPoints(const CFlowchartLink& link, const CFlowchartEntity& from, const CFlowchartEntity& to,
                   CPoint* points, bool& filledX, bool& filledY) const;
    LabelPlacement placeLabel(DiagramDC& dc, const CFlowchartLink& link, int kind, const CPoint* points,
                              int count) const;
    // How far from an end its head or decoration reaches, in pixels.
    int endReach(int kind, bool fromEnd) const;
    void drawLabel(DiagramDC& dc, const CFlowchartLink& link, int kind, const CPoint* points,
                   int count) const;

    const CFlowchartEntityContainer& m_container;
    double m_zoom;
    int m_h;
    int m_language;
};
