#pragma once

// A linkable entity with the two special attach points of a fork/join bar,
// free along the bar: vertical, 16 is (middle x + 2, -1) and 32 is
// (middle x - 2, -1); horizontal, 16 is (-1, middle y - 2) and 32 is
// (-1, middle y + 2). For the link geometry tests until the notation's bars
// come.

#include "CFlowchartEntity.h"

class StandInBar : public CFlowchartEntity {
public:
    explicit StandInBar(bool vertical) : m_vertical(vertical) {
        setConstraints(CSize(-1, -1), CSize(-1, -1));
        setType(vertical ? "verticalForkJoinNode" : "horizontalForkJoinNode");
    }
    int getAllowedLinks() const override { return LINK_START | LINK_END; }
    CPoint getLinkPosition(int side, int = -1, int = -1) const override {
        const CRect r = getRect();
        if (side != LINK_START && side != LINK_END)
            return CPoint(-2, -2);
        const int shift = side == LINK_START ? 2 : -2;
        if (m_vertical)
            return CPoint((r.left + r.right) / 2 + shift, -1);
        return CPoint(-1, (r.top + r.bottom) / 2 - shift);
    }

private:
    bool m_vertical;
};
