#pragma once

// The data of a flowchart: the entity container plus the links between its
// linkable entities (CFlowchartEntity). Removing an entity removes its
// links; undo snapshots take the links with the entities, one link snapshot
// in step with each entity snapshot. It also holds the link geometry the
// flowchart layer relies on: which pair of sides a new link joins, where a
// link attaches on a side that is free along an axis (the faces of a
// fork/join bar), which side lies nearest a point, and the questions the
// link commands ask about the two selected entities.

#include "CDiagramEntityContainer.h"
#include "CFlowchartEntity.h"
#include "CFlowchartLink.h"
#include "SharedRows.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CFlowchartEntityContainer : public CDiagramEntityContainer {
public:
    CFlowchartEntityContainer() = default;
    ~CFlowchartEntityContainer() override;

    void add(std::unique_ptr<CDiagramEntity> entity) override;
    // Also removes every link that starts or ends at the entity.
    void removeAt(int index) override;
    void removeAll() override;
    void undo() override;
    void snapshot() override;
    void clearUndo() override;

    // Links, in the order they came (a loaded diagram keeps its file's order).
    // A sequence flow between two roles is an organisational chart link, from
    // the moment it is made or loaded.
    void addLink(std::unique_ptr<CFlowchartLink> link);
    // Null for an index out of range.
    CFlowchartLink* getLinkAt(int index) const;
    int getLinkCount() const { return static_cast<int>(m_links.size()); }
    void removeLink(CFlowchartLink* link);
    void clearLinks();
    // The first link from a to b or from b to a; null when none or either is null.
    CFlowchartLink* findLinkBetween(const CFlowchartEntity* a, const CFlowchartEntity* b) const;
    // Links from to to on the sides findLinkSides chooses; FALSE when there
    // are no facing sides.
    BOOL createLink(CFlowchartEntity* from, CFlowchartEntity* to, const CString& label);
    // Whether a new link from to to on those sides exists already or would
    // overload a side that takes one link only.
    BOOL hasLink(CFlowchartEntity* from, CFlowchartEntity* to) const;

    // The first entity of the name in drawing order, when it is linkable.
    CFlowchartEntity* findLinkable(const CString& name) const;

    // Geometry.
    // The pair of sides a link from a to b joins: opposite sides whose attach
    // points face each other, the nearest pair; FALSE (and sides 0) when none.
    BOOL findLinkSides(const CFlowchartEntity* a, const CFlowchartEntity* b, int& fromSide,
                       int& toSide) const;
    // Fills the coordinates of the two attach points that are free (-1) along
    // y (or x); TRUE when something was filled. A link's last bend point, when
    // it has one, gives the free end its coordinate.
    BOOL resolveFreeY(CPoint& pointA, CPoint& pointB, const CFlowchartEntity* a, const CFlowchartEntity* b,
                      const CFlowchartLink* link) const;
    BOOL resolveFreeX(CPoint& pointA, CPoint& pointB, const CFlowchartEntity* a, const CFlowchartEntity* b,
                      const CFlowchartLink* link) const;
    // The ordinary side (left, right, top, bottom) of the entity whose attach
    // point lies nearest the point; on equal distances the later side.
    BOOL findClosestSide(const CFlowchartEntity* entity, CPoint point, int& side) const;
    static double distance(int x1, int y1, int x2, int y2);

    // The selected linkable entities.
    int getSelectedLinkableCount() const;
    CFlowchartEntity* getLastSelectedLinkable() const;
    // With exactly two selected: the one selected first and the other.
    CFlowchartEntity* getFirstSelected() const;
    CFlowchartEntity* getSecondSelected() const;
    // With exactly two selected and a link between them: its two ends.
    CFlowchartEntity* getSelectionLinkFrom() const;
    CFlowchartEntity* getSelectionLinkTo() const;
    BOOL isSelectionLinked() const;
    BOOL canLinkSelection() const;

private:
    // A link of a snapshot: its record line and whether it is still new.
    struct LinkSnapshot {
        std::shared_ptr<const CString> line;
        int isNew = 0;
        bool operator==(const LinkSnapshot&) const = default;
    };
    using LinkRows = SharedRows<LinkSnapshot>;

    // The selected linkable entities, in drawing order.
    std::vector<CFlowchartEntity*> selectedLinkables() const;
    // With two selected and a link between them: where it starts and ends.
    std::pair<CFlowchartEntity*, CFlowchartEntity*> selectionLinkEnds() const;
    // Both free coordinates of one axis; vertical picks y and top/bottom.
    BOOL resolveFree(CPoint& pointA, CPoint& pointB, const CFlowchartEntity* a, const CFlowchartEntity* b,
                     const CFlowchartLink* link, bool vertical) const;

    // A sequence flow between two roles becomes an organisational chart link.
    void applyRoleKind(CFlowchartLink& link) const;

    std::vector<std::unique_ptr<CFlowchartLink>> m_links;
    // Names to entities, built when first asked after the entities changed.
    mutable std::unordered_map<std::string, CDiagramEntity*> m_names;
    mutable bool m_namesValid = false;
    std::vector<std::unique_ptr<LinkRows>> m_linkUndo;
};
