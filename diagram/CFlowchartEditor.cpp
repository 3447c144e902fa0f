#include "CFlowchartEditor.h"

#include "DiagramDC.h"

CFlowchartEditor::CFlowchartEditor(Project* project, Item* item, BOOL wpMap, BOOL roles, BOOL banner)
    : m_project(project), m_item(item), m_wpMap(wpMap), m_roles(roles), m_banner(banner) {
    setBackgroundColor(RGB(250, 250, 230));
    setSnapToGrid(TRUE);
    setRestraints(RESTRAINT_VIRTUAL);
}

CFlowchartEditor::~CFlowchartEditor() = default;

CFlowchartEntityContainer* CFlowchartEditor::getFlowchartContainer() const {
    return dynamic_cast<CFlowchartEntityContainer*>(getDiagramEntityContainer());
}

// ----- Overrides of the base -----

void CFlowchartEditor::linkSelectedObjects() {}

int CFlowchartEditor::selectLinkAtPoint(UINT /*flags*/, CPoint /*point*/) {
    return 0;
}

// The grid as dots at the crossings, composited from a cached tile.
void CFlowchartEditor::drawGrid(DiagramDC& dc, CRect rect, double zoom) {
    drawGridTiled(dc, rect, zoom, true);
}

void CFlowchartEditor::drawObjects(DiagramDC& dc, double zoom, int language) {
    CDiagramEditor::drawObjects(dc, zoom, language);
}

BOOL CFlowchartEditor::isAnyObjectSelected() const {
    return CDiagramEditor::isAnyObjectSelected();
}

void CFlowchartEditor::unselectAll() {
    CDiagramEditor::unselectAll();
}

void CFlowchartEditor::deleteSelected() {
    CDiagramEditor::deleteSelected();
}

void CFlowchartEditor::editSelectionProperties(int mode) {
    CDiagramEditor::editSelectionProperties(mode);
}

void CFlowchartEditor::editSelectionGraphicalProperties() {
    if (getSelectCount() == 1)
        getSelectedObject()->showGraphicalProperties(getWindow(), TRUE);
}

void CFlowchartEditor::saveObjects(std::vector<CString>& lines) {
    CDiagramEditor::saveObjects(lines);
    if (CFlowchartEntityContainer* objs = getFlowchartContainer())
        for (int i = 0; i < objs->getLinkCount(); ++i)
            lines.push_back(objs->getLinkAt(i)->toRecordString());
}

BOOL CFlowchartEditor::OnCommand(UINT id) {
    switch (id) {
    case ID_LINK:
        OnLink();
        return TRUE;
    case ID_FLIP_LINK:
        OnFlipLink();
        return TRUE;
    case ID_EDIT_LINK_NAME:
        OnEditLinkName();
        return TRUE;
    case ID_BREAK_LINK:
        OnBreakLink();
        return TRUE;
    default:
        break;
    }
    if (id >= ID_LINK_MODE_0 && id <= ID_LINK_MODE_6) {
        OnLinkMode(static_cast<int>(id - ID_LINK_MODE_0));
        return TRUE;
    }
    return CDiagramEditor::OnCommand(id);
}

void CFlowchartEditor::OnRButtonUp(UINT flags, CPoint point) {
    CDiagramEditor::OnRButtonUp(flags, point);
}

void CFlowchartEditor::OnMouseMove(UINT flags, CPoint point) {
    CDiagramEditor::OnMouseMove(flags, point);
    m_lastMouse = screenToVirtual(point);
}

void CFlowchartEditor::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    CDiagramEditor::OnKeyDown(key, repeat, flags);
}

void CFlowchartEditor::constrainMove(double& dx, double& dy) {
    CDiagramEditor::constrainMove(dx, dy);
}

void CFlowchartEditor::afterLeftButtonDown(UINT /*flags*/, CPoint /*point*/) {}

void CFlowchartEditor::afterMouseMove(UINT /*flags*/, CPoint /*point*/) {}

void CFlowchartEditor::afterLeftButtonUp(UINT /*flags*/, CPoint /*point*/) {}

// ----- Link commands -----

void CFlowchartEditor::OnLink() {
    linkSelectedObjects();
}

void CFlowchartEditor::OnFlipLink() {}

void CFlowchartEditor::OnEditLinkName() {}

void CFlowchartEditor::OnBreakLink() {}

void CFlowchartEditor::OnLinkMode(int /*mode*/) {}

// ----- Link queries and geometry -----

CFlowchartLink* CFlowchartEditor::getSelectedLink() const {
    return nullptr;
}

CFlowchartEntity* CFlowchartEditor::findEntityByName(const CString& name) const {
    CDiagramEntityContainer* objs = getDiagramEntityContainer();
    if (!objs)
        return nullptr;
    for (int i = 0; i < objs->getSize(); ++i)
        if (objs->getAt(i)->getName() == name)
            return dynamic_cast<CFlowchartEntity*>(objs->getAt(i));
    return nullptr;
}

BOOL CFlowchartEditor::canLinkSelection() const {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    return objs ? objs->canLinkSelection() : FALSE;
}

BOOL CFlowchartEditor::isSelectionLinked() const {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    return objs ? objs->isSelectionLinked() : FALSE;
}

CString CFlowchartEditor::getFromEntityType(const CFlowchartLink* link) const {
    const CFlowchartEntity* entity = link ? findEntityByName(link->getFromName()) : nullptr;
    return entity ? entity->getType() : CString();
}

CString CFlowchartEditor::getToEntityType(const CFlowchartLink* link) const {
    const CFlowchartEntity* entity = link ? findEntityByName(link->getToName()) : nullptr;
    return entity ? entity->getType() : CString();
}

void CFlowchartEditor::setSingleBendPoint(CFlowchartLink* /*link*/, double /*fraction*/) {}

void CFlowchartEditor::updateOrthogonalPoints(CFlowchartLink* /*link*/) {}

int CFlowchartEditor::hitTestLink(const CFlowchartLink* /*link*/, CPoint /*point*/) const {
    return 0;
}

void CFlowchartEditor::alignLinkedEntities(CFlowchartEntity* /*entity*/, CFlowchartEntity* /*previous*/) {}

void CFlowchartEditor::followMovedEntities() {}
