#include "CFlowchartEditor.h"

#include "CFlowchartMenu.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "FlowchartLinkGeometry.h"
#include "FlowchartLinkIndex.h"
#include "FlowchartLinkPainter.h"
#include "SiteImageExport.h"
#include "StringTable.h"

#include <algorithm>

CFlowchartEditor::CFlowchartEditor(Project* project, Item* item, BOOL wpMap, BOOL roles, BOOL banner)
    : m_project(project), m_item(item), m_wpMap(wpMap), m_roles(roles), m_banner(banner) {
    setBackgroundColor(RGB(250, 250, 230));
    setSnapToGrid(TRUE);
    setRestraints(RESTRAINT_VIRTUAL);
    setPopupMenu(std::make_unique<CFlowchartMenu>());
}

CFlowchartEditor::~CFlowchartEditor() = default;

BOOL CFlowchartEditor::exportSiteImage(int language) {
    return SiteImageExport(*this).exportSiteImage(language);
}

CFlowchartEntityContainer* CFlowchartEditor::getFlowchartContainer() const {
    return dynamic_cast<CFlowchartEntityContainer*>(getDiagramEntityContainer());
}

std::vector<CFlowchartLink*> CFlowchartEditor::linksByFromEntity() const {
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    return objs ? linksByFromEntity(FlowchartLinkIndex(*objs)) : std::vector<CFlowchartLink*>();
}

std::vector<CFlowchartLink*> CFlowchartEditor::linksByFromEntity(const FlowchartLinkIndex& index) const {
    std::vector<CFlowchartLink*> links;
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs)
        return links;
    for (int i = 0; i < objs->getSize(); ++i)
        if (const auto* from = dynamic_cast<const CFlowchartEntity*>(objs->getAt(i)))
            for (const int link : index.linksFrom(from->getName()))
                links.push_back(objs->getLinkAt(link));
    return links;
}

// ----- Overrides of the base -----

void CFlowchartEditor::linkSelectedObjects() {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs)
        return;
    if (objs->getSelectedLinkableCount() == 1) {
        linkMode = 1;
        linkSource = objs->getLastSelectedLinkable();
    }
    if (!canLinkSelection())
        return;
    // From the entity selected first to the one selected second.
    CFlowchartEntity* from = objs->getFirstSelected();
    CFlowchartEntity* to = objs->getSecondSelected();
    linkMode = 0;
    linkSource = nullptr;
    objs->snapshot();
    if (!objs->createLink(from, to, ""))
        return;
    editSelectionGraphicalProperties();
    unselectAll();
    FlowchartLinkMover::alignFrom(*objs, from);
    redraw();
}

int CFlowchartEditor::selectLinkAtPoint(UINT /*flags*/, CPoint point) {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs)
        return 0;
    const CPoint p = screenToVirtual(point);
    const FlowchartLinkIndex index(*objs);
    for (int i = 0; i < objs->getLinkCount(); ++i) {
        CFlowchartLink* link = objs->getLinkAt(i);
        if (FlowchartLinkGeometry::hitTest(*objs, *link, index.from(*link), index.to(*link), p) ==
            LINK_HIT_LINE) {
            unselectAll();
            link->setSelected(TRUE);
            return 1;
        }
    }
    return 0;
}

// The grid as dots at the crossings, composited from a cached tile.
void CFlowchartEditor::drawGrid(DiagramDC& dc, CRect rect, double zoom) {
    drawGridTiled(dc, rect, zoom, true);
}

void CFlowchartEditor::drawObjects(DiagramDC& dc, double zoom, int language) {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs) {
        CDiagramEditor::drawObjects(dc, zoom, language);
        return;
    }
    const FlowchartLinkPainter painter(*objs, zoom, getMarkerSize().cx, language);
    painter.drawObjects(dc);
    if (linkMode)
        if (const auto* source = dynamic_cast<const CFlowchartEntity*>(linkSource))
            painter.drawLinkModeLine(dc, *source, m_lastMouse);
}

BOOL CFlowchartEditor::isAnyObjectSelected() const {
    if (CDiagramEditor::isAnyObjectSelected())
        return TRUE;
    // A link is selected only by picking it between its drawn ends, so every
    // selected link starts at a linkable entity.
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    for (int i = 0; objs && i < objs->getLinkCount(); ++i)
        if (objs->getLinkAt(i)->isSelected())
            return TRUE;
    return FALSE;
}

void CFlowchartEditor::unselectAll() {
    CDiagramEditor::unselectAll();
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    for (int i = 0; objs && i < objs->getLinkCount(); ++i) {
        CFlowchartLink* link = objs->getLinkAt(i);
        link->setSelected(FALSE);
        link->setFirstPointSelected(FALSE);
        link->setSecondPointSelected(FALSE);
    }
}

void CFlowchartEditor::deleteSelected() {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs) {
        CDiagramEditor::deleteSelected();
        return;
    }
    objs->snapshot();
    if (CFlowchartLink* link = getSelectedLink())
        objs->removeLink(link);
    objs->removeSelected();
    redraw();
}

void CFlowchartEditor::editSelectionProperties(int mode) {
    if (getSelectCount() == 1)
        getSelectedObject()->showProperties(getWindow(), TRUE, mode);
    else
        editLinkProperties();
}

void CFlowchartEditor::editSelectionGraphicalProperties() {
    if (getSelectCount() == 1)
        getSelectedObject()->showGraphicalProperties(getWindow(), TRUE);
    else
        editLinkProperties();
}

void CFlowchartEditor::editLinkProperties() {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    CFlowchartLink* link = getSelectedLink();
    DiagramDialogs* dialogs = DiagramDialogs::current();
    if (!objs || !link || !dialogs)
        return;
    LinkProperties properties = LinkProperties::of(*link, getFromEntityType(link), getToEntityType(link));
    if (dialogs->editLinkProperties(properties, getWindow()) != IDOK)
        return;
    // Each of the three commands that open the dialog takes back every value
    // it shows, the label's font and colour too.
    objs->snapshot();
    link->setNew(0);
    link->setLabel(properties.label);
    link->setLabelL2(properties.labelL2);
    if (properties.routingMode != link->getRoutingMode())
        OnLinkMode(properties.routingMode);
    if (properties.flip)
        link->flip();
    properties.applyStyleTo(*link);
    redraw();
    if (EditorWindow* window = getWindow())
        window->setFocus();
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
    EditorWindow* window = getWindow();
    const CPoint screen = window ? window->clientToScreen(point) : point;
    if (getSelectCount() == 1) {
        CDiagramEntity* obj = getSelectedObject();
        if (obj->getHitCode(screenToVirtual(point)) == DEHT_BODY)
            obj->showPopupMenu(screen.x, screen.y, window);
        else
            showPopup(screen);
        return;
    }
    // A popup for each selected link in turn; a command of one (Break link)
    // may take a link away before its turn comes.
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    bool shown = false;
    for (CFlowchartLink* link : linksByFromEntity()) {
        bool still = false;
        for (int i = 0; objs && i < objs->getLinkCount() && !still; ++i)
            still = objs->getLinkAt(i) == link;
        if (!still || !link->isSelected())
            continue;
        DiagramMenu modes;
        for (int mode = 0; mode < ROUTING_MODE_COUNT; ++mode)
            modes.appendRadio(ID_LINK_MODE_0 + mode, loadString(ID_LINK_MODE_0 + mode),
                              link->getRoutingMode() == mode);
        DiagramMenu menu;
        menu.append(ID_EDIT_LINK_NAME, "Edit link name");
        menu.append(ID_FLIP_LINK, "Flip link direction");
        menu.append(ID_BREAK_LINK, "Break link");
        menu.appendSeparator();
        menu.appendSubmenu("Mode", modes);
        if (window)
            window->trackPopupMenu(menu, screen.x, screen.y);
        shown = true;
    }
    if (!shown)
        showPopup(screen);
    (void)flags;
}

void CFlowchartEditor::OnMouseMove(UINT flags, CPoint point) {
    const int mode = getInteractMode();
    const bool moving = mode == MODE_MOVING;
    const bool resizing = mode == MODE_RESIZING;
    if (moving || (resizing && getSelectCount() == 1))
        setRedraw(false);
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    const FlowchartLinkMover::Positions before =
        objs && moving ? FlowchartLinkMover::selectedPositions(*objs) : FlowchartLinkMover::Positions();
    CDiagramEditor::OnMouseMove(flags, point);
    m_lastMouse = screenToVirtual(point);
    if (linkMode) {
        setRedraw(true);
        redraw();
    }
    if (moving || resizing) {
        followMovedEntities(moving ? &before : nullptr);
        setRedraw(true);
        redraw();
    }
}

void CFlowchartEditor::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    setRedraw(false);
    // Only the arrow keys move the selection; after any other key the bend
    // points stay where they are.
    const bool arrow = key == editorinput::VK_LEFT || key == editorinput::VK_RIGHT ||
                       key == editorinput::VK_UP || key == editorinput::VK_DOWN;
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    const FlowchartLinkMover::Positions before =
        objs && arrow ? FlowchartLinkMover::selectedPositions(*objs) : FlowchartLinkMover::Positions();
    CDiagramEditor::OnKeyDown(key, repeat, flags);
    followMovedEntities(arrow ? &before : nullptr);
    setRedraw(true);
    redraw();
}

void CFlowchartEditor::constrainMove(double& dx, double& dy) {
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs) {
        CDiagramEditor::constrainMove(dx, dy);
        return;
    }
    if (getRestraints() == RESTRAINT_NONE)
        return;
    double left = 0, top = 0, right = 0, bottom = 0;
    getRestraintArea(left, top, right, bottom);
    FlowchartLinkMover::constrainMove(*objs, dx, dy,
                                      CRect(static_cast<int>(left), static_cast<int>(top),
                                            static_cast<int>(right), static_cast<int>(bottom)));
}

void CFlowchartEditor::afterLeftButtonDown(UINT flags, CPoint point) {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs)
        return;
    const CPoint p = screenToVirtual(point);
    const bool ctrl = ctrlHeld(flags);
    const FlowchartLinkIndex index(*objs);
    for (CFlowchartLink* link : linksByFromEntity(index)) {
        const int code = FlowchartLinkGeometry::hitTest(*objs, *link, index.from(*link), index.to(*link), p);
        if (code != LINK_HIT_LINE && code != LINK_HIT_FIRST_POINT && code != LINK_HIT_SECOND_POINT)
            continue;
        setInteractMode(MODE_MOVING);
        const int routing = link->getRoutingMode();
        if (code == LINK_HIT_LINE || routing == ROUTING_VERTICAL_MIDDLE ||
            routing == ROUTING_HORIZONTAL_MIDDLE) {
            // The line, or a point that its mode places itself: the link.
            if (ctrl) {
                link->setSelected(!link->isSelected());
            } else {
                unselectAll();
                link->setSelected(TRUE);
            }
            continue;
        }
        // A bend point; in modes 5 and 6 the other one goes with it.
        const bool first = code == LINK_HIT_FIRST_POINT;
        const bool both = routing == ROUTING_FREE_VERTICAL || routing == ROUTING_FREE_HORIZONTAL;
        auto mark = [&](bool firstPoint, BOOL on) {
            if (firstPoint)
                link->setFirstPointSelected(on);
            else
                link->setSecondPointSelected(on);
        };
        const BOOL on = ctrl ? !(first ? link->isFirstPointSelected() : link->isSecondPointSelected()) : TRUE;
        if (!ctrl)
            unselectAll();
        mark(first, on);
        if (both)
            mark(!first, on);
    }
}

void CFlowchartEditor::afterMouseMove(UINT /*flags*/, CPoint point) {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs)
        return;
    CPoint p = screenToVirtual(point);
    if (getSnapToGrid())
        p = CPoint(static_cast<int>(snapX(p.x)), static_cast<int>(snapY(p.y)));
    FlowchartLinkMover::dragPickedPoints(*objs, p);
}

void CFlowchartEditor::afterLeftButtonUp(UINT /*flags*/, CPoint /*point*/) {
    linkMode = 0;
    linkSource = nullptr;
    if (CFlowchartEntityContainer* objs = getFlowchartContainer())
        FlowchartLinkMover::reattachEnds(*objs);
}

// ----- Link commands -----

void CFlowchartEditor::OnLink() {
    linkSelectedObjects();
}

void CFlowchartEditor::OnFlipLink() {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    CFlowchartLink* link = getSelectedLink();
    if (!objs || !link)
        return;
    objs->snapshot();
    link->flip();
    redraw();
}

void CFlowchartEditor::OnEditLinkName() {
    editLinkProperties();
}

void CFlowchartEditor::OnBreakLink() {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    CFlowchartLink* link = getSelectedLink();
    if (!objs || !link)
        return;
    objs->snapshot();
    objs->removeLink(link);
    redraw();
}

void CFlowchartEditor::OnLinkMode(int mode) {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    CFlowchartLink* link = getSelectedLink();
    if (!objs || !link || !FlowchartLinkGeometry::routingChanges(*link, mode))
        return;
    const CFlowchartEntity* from = findEntityByName(link->getFromName());
    const CFlowchartEntity* to = findEntityByName(link->getToName());
    if (!from || !to)
        return;
    objs->snapshot();
    FlowchartLinkGeometry::route(*objs, *link, *from, *to, mode);
    redraw();
}

// ----- Link queries and geometry -----

CFlowchartLink* CFlowchartEditor::getSelectedLink() const {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs)
        return nullptr;
    if (isSelectionLinked())
        return objs->findLinkBetween(objs->getSelectionLinkFrom(), objs->getSelectionLinkTo());
    CFlowchartLink* selected = nullptr;
    for (CFlowchartLink* link : linksByFromEntity())
        if (link->isSelected())
            selected = link;
    return selected;
}

CFlowchartEntity* CFlowchartEditor::findEntityByName(const CString& name) const {
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    return objs ? objs->findLinkable(name) : nullptr;
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

void CFlowchartEditor::setSingleBendPoint(CFlowchartLink* link, double fraction) {
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    const CFlowchartEntity* from = link ? findEntityByName(link->getFromName()) : nullptr;
    const CFlowchartEntity* to = link ? findEntityByName(link->getToName()) : nullptr;
    if (objs && from && to)
        FlowchartLinkGeometry::setSingleBendPoint(*objs, *link, *from, *to, fraction);
}

void CFlowchartEditor::updateOrthogonalPoints(CFlowchartLink* link) {
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    const CFlowchartEntity* from = link ? findEntityByName(link->getFromName()) : nullptr;
    const CFlowchartEntity* to = link ? findEntityByName(link->getToName()) : nullptr;
    if (objs && from && to)
        FlowchartLinkGeometry::updateOrthogonalPoints(*objs, *link, *from, *to);
}

int CFlowchartEditor::hitTestLink(const CFlowchartLink* link, CPoint point) const {
    const CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (!objs || !link)
        return LINK_HIT_NONE;
    return FlowchartLinkGeometry::hitTest(*objs, *link, findEntityByName(link->getFromName()),
                                          findEntityByName(link->getToName()), point);
}

void CFlowchartEditor::alignLinkedEntities(CFlowchartEntity* entity, CFlowchartEntity* previous) {
    CFlowchartEntityContainer* objs = getFlowchartContainer();
    if (objs && entity)
        FlowchartLinkMover::alignLinkedEntities(*objs, FlowchartLinkIndex(*objs), entity, previous);
}

void CFlowchartEditor::followMovedEntities(const FlowchartLinkMover::Positions* before) {
    if (CFlowchartEntityContainer* objs = getFlowchartContainer())
        FlowchartLinkMover::followMovedEntities(*objs, before);
}
