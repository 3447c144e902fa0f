#pragma once

// The flowchart terminator ("flowchart_start"): a fixed 128 x 32 rounded
// rectangle with its title centred on one line. Diagrams only read it from
// their records; its record is the base record.

#include "CFlowchartEntity.h"

class CFlowchartEntityTerminator : public CFlowchartEntity {
public:
    CFlowchartEntityTerminator();

    static std::unique_ptr<CDiagramEntity> createFromRecord(const CString& record);

    // Keeps the second-language title too, which its record holds.
    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    // Always the first-language title.
    void draw(DiagramDC& dc, CRect rect, int language) override;
};
