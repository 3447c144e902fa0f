#include "CFlowchartEntityTerminator.h"

#include "DiagramDC.h"
#include "StringTable.h"

CFlowchartEntityTerminator::CFlowchartEntityTerminator() {
    setConstraints(CSize(128, 32), CSize(128, 32));
    setType("flowchart_start");
    setTitle(loadString(61517));
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityTerminator::createFromRecord(const CString& record) {
    return createEntityFromRecord<CFlowchartEntityTerminator>(record);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityTerminator::clone(BOOL keepName) const {
    auto copy = cloneAs<CFlowchartEntityTerminator>(keepName);
    copy->setTitleL2(getTitleL2());
    return copy;
}

void CFlowchartEntityTerminator::draw(DiagramDC& dc, CRect rect, int /*language*/) {
    const int saved = dc.SaveDC();
    const double zoom = getZoom();
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);
    dc.RoundRect(
        rect, CPoint(truncate(zoom * getMarkerSize().cx + 0.5), truncate(zoom * getMarkerSize().cy + 0.5)));
    dc.SelectObject(CFont{.height = -truncate(zoom * 12 + 0.5), .weight = FW_NORMAL, .face = "Courier New"});
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(getTitle(), rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    dc.RestoreDC(saved);
}
