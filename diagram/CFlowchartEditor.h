#pragma once

// The diagram editor specialised for flowcharts, the one the workflow host
// creates: it edits a CFlowchartEntityContainer and adds everything about
// links: linking two selected entities (the direction is the order of
// selection), picking links and their bend points with the mouse, the seven
// routing modes, flip, break and delete, the link popup menus, the links'
// painting after their from entity, keeping links in shape while entities and
// bend points move, and the link records after the entity records. Snap to
// grid is on, objects stay on the paper, and the grid is drawn as dots.

#include "CDiagramEditor.h"
#include "CFlowchartEntity.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLink.h"
#include "FlowchartLinkMover.h"

#include <vector>

class FlowchartLinkIndex;
class Item;
class Project;

// Link commands.
constexpr UINT ID_LINK = 61442; // CMD_LINK
constexpr UINT ID_FLIP_LINK = 61443;
constexpr UINT ID_EDIT_LINK_NAME = 61444;
constexpr UINT ID_BREAK_LINK = 61445;
// Routing mode n is command ID_LINK_MODE_0 + n (n = 0 .. 6).
constexpr UINT ID_LINK_MODE_0 = 61520;
constexpr UINT ID_LINK_MODE_6 = 61526;

class CFlowchartEditor : public CDiagramEditor {
public:
    // The project, the edited item and the kind of diagram serve the host's
    // picture export and item binding; the editor's rules do not read them.
    CFlowchartEditor(Project* project = nullptr, Item* item = nullptr, BOOL wpMap = FALSE, BOOL roles = FALSE,
                     BOOL banner = FALSE);
    ~CFlowchartEditor() override;

    Project* getProject() const { return m_project; }
    Item* getItem() const { return m_item; }
    BOOL isWorkProductMap() const { return m_wpMap; }
    BOOL isRolesMap() const { return m_roles; }
    BOOL isBanner() const { return m_banner; }

    // The site's picture of the diagram in the language (0 or 1) and, with
    // the first language, its clickable-area file, in the edited item's
    // folder (workflow/SiteImageExport); FALSE when one could not be
    // written, which the user was told.
    BOOL exportSiteImage(int language);

    // The flowchart container, null when the editor works on another kind.
    CFlowchartEntityContainer* getFlowchartContainer() const;

    // ----- Overrides of the base (the link side) -----
    void linkSelectedObjects() override;
    int selectLinkAtPoint(UINT flags, CPoint point) override;
    void drawGrid(DiagramDC& dc, CRect rect, double zoom) override;
    void drawObjects(DiagramDC& dc, double zoom, int language) override;
    BOOL isAnyObjectSelected() const override;
    void unselectAll() override;
    void deleteSelected() override;
    void editSelectionProperties(int mode) override;
    void saveObjects(std::vector<CString>& lines) override;
    BOOL OnCommand(UINT id) override;
    void OnRButtonUp(UINT flags, CPoint point) override;
    void OnMouseMove(UINT flags, CPoint point) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void constrainMove(double& dx, double& dy) override;
    void afterLeftButtonDown(UINT flags, CPoint point) override;
    void afterMouseMove(UINT flags, CPoint point) override;
    void afterLeftButtonUp(UINT flags, CPoint point) override;
    // The single selected entity's graphical properties, or the link
    // properties of the selected link.
    virtual void editSelectionGraphicalProperties();

    // ----- Link commands -----
    void OnLink();
    void OnFlipLink();
    void OnEditLinkName();
    void OnBreakLink();
    // Routing mode 0-6 for the selected link.
    void OnLinkMode(int mode);

    // ----- Link queries and geometry -----
    // The link the link commands act on; null when none.
    CFlowchartLink* getSelectedLink() const;
    // The linkable entity of that name; null when none.
    CFlowchartEntity* findEntityByName(const CString& name) const;
    BOOL canLinkSelection() const;
    BOOL isSelectionLinked() const;
    CString getFromEntityType(const CFlowchartLink* link) const;
    CString getToEntityType(const CFlowchartLink* link) const;
    void setSingleBendPoint(CFlowchartLink* link, double fraction);
    void updateOrthogonalPoints(CFlowchartLink* link);
    // The hit code of a diagram point on a link: 0 none, 1 the line, 10 and
    // 11 the bend points, 12 the from end, 13 the to end.
    int hitTestLink(const CFlowchartLink* link, CPoint point) const;

    // ----- Keeping links in shape while entities move -----
    // The alignment walk from the entity (previous: where it came from).
    void alignLinkedEntities(CFlowchartEntity* entity, CFlowchartEntity* previous);
    // The walk from every selected entity; the bend points of links between
    // two of them move as far as their from entity moved since before (none
    // when before is null: a key or resize that moved nothing).
    void followMovedEntities(const FlowchartLinkMover::Positions* before = nullptr);

    // The last mouse position in diagram units; (-1, -1) before the first move.
    CPoint getLastMousePosition() const { return m_lastMouse; }

protected:
    CPoint m_lastMouse{-1, -1};

private:
    // The link properties dialog for the selected link; on OK its values go
    // into the link (one undo snapshot, and one more for a new routing mode).
    void editLinkProperties();
    // The links that start at a linkable entity, in the order of their from
    // entities and then of the links.
    std::vector<CFlowchartLink*> linksByFromEntity() const;
    std::vector<CFlowchartLink*> linksByFromEntity(const FlowchartLinkIndex& index) const;

    Project* m_project;
    Item* m_item;
    BOOL m_wpMap;
    BOOL m_roles;
    BOOL m_banner;
};
