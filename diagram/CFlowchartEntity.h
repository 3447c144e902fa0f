#pragma once

// A diagram entity that links can attach to: it says which of its sides
// accept links and where on a side a link attaches. Every flowchart shape
// and every node of the process notation derives it, and each gets a unique
// name when it is made, by which links find it. A plain flowchart entity is
// a fixed 128 x 64 rectangle of type "flowchart_entity" with the generic
// property dialog.

#include "CDiagramEntity.h"
#include "DiagramRecord.h"

// Link sides, combined in a mask.
constexpr int LINK_LEFT = 1;
constexpr int LINK_RIGHT = 2;
constexpr int LINK_TOP = 4;
constexpr int LINK_BOTTOM = 8;
constexpr int LINK_START = 16; // the first special attach point of some nodes
constexpr int LINK_END = 32;   // the second special attach point
constexpr int LINK_ALL = LINK_LEFT | LINK_RIGHT | LINK_TOP | LINK_BOTTOM;

// The flowchart editor's link command, offered in the popup menu.
constexpr UINT CMD_LINK = 61442;

class CFlowchartEntity : public CDiagramEntity {
public:
    CFlowchartEntity();

    std::unique_ptr<CDiagramEntity> clone(BOOL keepName) const override;
    // 1 inside the rectangle, else 0: the editor finds resize handles with
    // getHitCodeInRect.
    int getHitCode(CPoint point) const override;
    void showPopupMenu(int x, int y, EditorWindow* window) override;
    DiagramCursor getCursor(int hitCode) const override;
    // Green markers on the four side middles, where links attach.
    void drawSelectionMarkers(DiagramDC& dc, CRect rect) override;

    // The mask of sides that accept links.
    virtual int getAllowedLinks() const;
    // The attach point of a side; towardX, towardY is the point the link
    // heads for from this end, or -1, -1 when there is none. A side the
    // entity does not have gives (-1, -1); a coordinate of -1 in the point
    // means free along that axis.
    virtual CPoint getLinkPosition(int side, int towardX = -1, int towardY = -1) const;

    // Set by the editor while it moves a selection with its links.
    void setMoved(int moved) { m_moved = moved; }
    int isMoved() const { return m_moved; }

protected:
    // A new object of the class with this entity's base data (copyFrom) and,
    // unless keepName, a new unique name.
    template <class Entity> std::unique_ptr<Entity> cloneAs(BOOL keepName) const {
        auto copy = std::make_unique<Entity>();
        copy->copyFrom(*this);
        if (!keepName)
            copy->setName(makeUniqueEntityName());
        return copy;
    }

private:
    int m_moved = 0;
};
