#include "CFlowchartEntity.h"

#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "DiagramMenu.h"
#include "DiagramRecord.h"

CFlowchartEntity::CFlowchartEntity() {
    setConstraints(CSize(128, 64), CSize(128, 64));
    setType("flowchart_entity");
    setPropertyDialogTemplate(kPropertyDialogTemplate);
    setName(makeUniqueEntityName());
}

std::unique_ptr<CDiagramEntity> CFlowchartEntity::clone(BOOL keepName) const {
    return cloneAs<CFlowchartEntity>(keepName);
}

int CFlowchartEntity::getHitCode(CPoint point) const {
    return getRect().PtInRect(point) ? DEHT_BODY : DEHT_NONE;
}

void CFlowchartEntity::showPopupMenu(int x, int y, EditorWindow* window) {
    DiagramMenu menu = objectMenu();
    if (getAllowedLinks() != 0) {
        menu.appendSeparator();
        menu.append(CMD_LINK, "Link");
    }
    trackPopupMenu(menu, x, y, window);
}

DiagramCursor CFlowchartEntity::getCursor(int hitCode) const {
    return CDiagramEntity::getCursor(hitCode);
}

void CFlowchartEntity::drawSelectionMarkers(DiagramDC& dc, CRect rect) {
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectObject(CBrush(RGB(0, 255, 0)));
    for (int code : {DEHT_LEFTMIDDLE, DEHT_TOPMIDDLE, DEHT_RIGHTMIDDLE, DEHT_BOTTOMMIDDLE})
        dc.Rectangle(getSelectionMarkerRect(code, rect));
    dc.SelectStockObject(BLACK_BRUSH);
}

int CFlowchartEntity::getAllowedLinks() const {
    return LINK_ALL;
}

CPoint CFlowchartEntity::getLinkPosition(int side, int /*towardX*/, int /*towardY*/) const {
    const CRect rect = getRect();
    const int middleX = rect.left + (rect.right - rect.left + 1) / 2;
    const int middleY = rect.top + (rect.bottom - rect.top + 1) / 2;
    switch (side) {
    case LINK_LEFT:
        return CPoint(rect.left, middleY);
    case LINK_RIGHT:
        return CPoint(rect.right, middleY);
    case LINK_TOP:
        return CPoint(middleX, rect.top);
    case LINK_BOTTOM:
        return CPoint(middleX, rect.bottom);
    default:
        return CPoint(-1, -1);
    }
}
