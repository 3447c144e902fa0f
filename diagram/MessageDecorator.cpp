#include "MessageDecorator.h"

#include "CFlowchartLink.h"
#include "DiagramDC.h"

namespace {

// An envelope filling the picture but for a transparent border of one pixel:
// its outline and the flap's two strokes meeting half way down.
DiagramPicture drawEnvelope(COLORREF fill) {
    DiagramPicture picture(MessageDecorator::kWidth, MessageDecorator::kHeight);
    {
        DiagramDC dc(picture);
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectObject(CBrush(fill));
        const int right = MessageDecorator::kWidth - 1;
        const int bottom = MessageDecorator::kHeight - 2;
        dc.Rectangle(1, 2, right, bottom);
        dc.MoveTo(1, 2);
        dc.LineTo(right / 2 + 1, bottom / 2 + 2);
        dc.LineTo(right, 2);
    }
    return picture;
}

} // namespace

const DiagramPicture& MessageDecorator::picture(int linkKind) {
    static const DiagramPicture initiating = drawEnvelope(RGB(255, 255, 255));
    static const DiagramPicture nonInitiating = drawEnvelope(RGB(160, 160, 160));
    static const DiagramPicture none;
    switch (linkKind) {
    case CFlowchartLink::kMessageFlowWithMessage:
        return initiating;
    case CFlowchartLink::kMessageFlowWithNonInitiatingMessage:
        return nonInitiating;
    default:
        return none;
    }
}
