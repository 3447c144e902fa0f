#pragma once

// What the link properties dialog shows of a link and gives back on OK: the
// labels, the routing mode, whether to flip the link, the kind, the label's
// place, font and colour, the types of the two entities (which decide the
// kinds the dialog allows) and whether the link was never confirmed (then
// the dialog offers no Cancel).

#include "CString.h"
#include "WinTypes.h"

class CFlowchartLink;

struct LinkProperties {
    CString label;
    CString labelL2;
    int routingMode = 0;
    int flip = 0;
    int labelSegment = 1;
    int labelVerticalPosition = 1;
    int labelHorizontalPosition = 1;
    int linkKind = 0;
    int fontSize = 12;
    CString fontName = "Arial";
    COLORREF color = 0;
    int bold = 0;
    CString sourceType;
    CString targetType;
    int unconfirmed = 0;

    // The link's values, with the types of its two ends.
    static LinkProperties of(const CFlowchartLink& link, const CString& sourceType,
                             const CString& targetType);
    // The kind, the label's place, font and colour into the link.
    void applyStyleTo(CFlowchartLink& link) const;
};
