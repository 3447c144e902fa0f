#pragma once

// The flowchart circle ("flowchart_circle"): a filled ellipse with an outline, no
// text. Sized by dragging right after it is placed.

#include "CFlowchartGeometricForm.h"

class CFlowchartEntityCircle : public CFlowchartGeometricForm {
public:
    CFlowchartEntityCircle();

    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    void draw(DiagramDC& dc, CRect rect, int language) override;
};
