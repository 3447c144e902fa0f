#include "CFlowchartEntityBox.h"

#include "DiagramDC.h"

CFlowchartEntityBox::CFlowchartEntityBox() {
    setConstraints(CSize(6, 6), CSize(-1, -1));
    setType("flowchart_box");
    setPropertiesOnPlacement(0);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityBox::createFromRecord(const CString& record) {
    return createEntityFromRecord<CFlowchartEntityBox>(record);
}

std::unique_ptr<CDiagramEntity> CFlowchartEntityBox::clone(BOOL keepName) const {
    auto copy = cloneAs<CFlowchartEntityBox>(keepName);
    copy->copyGraphicsFrom(*this);
    return copy;
}

void CFlowchartEntityBox::draw(DiagramDC& dc, CRect rect, int /*language*/) {
    const int saved = dc.SaveDC();
    selectGraphics(dc);
    dc.Rectangle(rect);
    dc.RestoreDC(saved);
}
