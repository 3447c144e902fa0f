#pragma once

// The flowchart box ("flowchart_box"): a filled rectangle with an outline, no
// text. Sized by dragging right after it is placed.

#include "CFlowchartGeometricForm.h"

class CFlowchartEntityBox : public CFlowchartGeometricForm {
public:
    CFlowchartEntityBox();

    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    void draw(DiagramDC& dc, CRect rect, int language) override;
};
