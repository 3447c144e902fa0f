#include "CFlowchartEntityCircle.h"

#include "DiagramDC.h"

CFlowchartEntityCircle::CFlowchartEntityCircle() {
    setConstraints(CSize(6, 6), CSize(-1, -1));
    setType("flowchart_circle");
    setPropertiesOnPlacement(0);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityCircle::createFromRecord(const CString& record) {
    return createEntityFromRecord<CFlowchartEntityCircle>(record);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityCircle::clone(BOOL keepName) const {
    auto copy = cloneAs<CFlowchartEntityCircle>(keepName);
    copy->copyGraphicsFrom(*this);
    return copy;
}

void CFlowchartEntityCircle::draw(DiagramDC& dc, CRect rect, int /*language*/) {
    const int saved = dc.SaveDC();
    selectGraphics(dc);
    dc.Ellipse(rect);
    dc.RestoreDC(saved);
}
