#include "CFlowchartEntityContainer.h"

#include <cmath>

namespace {

constexpr double kFarthest = 2147483647.0;

// The side facing side: left and right, top and bottom.
int oppositeSide(int side) {
    switch (side) {
    case LINK_LEFT:
        return LINK_RIGHT;
    case LINK_RIGHT:
        return LINK_LEFT;
    case LINK_TOP:
        return LINK_BOTTOM;
    default:
        return LINK_TOP;
    }
}

} // namespace

CFlowchartEntityContainer::~CFlowchartEntityContainer() {
    clearLinks();
    m_linkUndo.clear();
}

void CFlowchartEntityContainer::add(std::unique_ptr<CDiagramEntity> entity) {
    CDiagramEntity* added = entity.get();
    CDiagramEntityContainer::add(std::move(entity));
    // On top, so a name already there stays with the entity drawn first.
    if (m_namesValid && added)
        m_names.try_emplace(added->getName().str(), added);
}

void CFlowchartEntityContainer::removeAll() {
    m_namesValid = false;
    CDiagramEntityContainer::removeAll();
}

void CFlowchartEntityContainer::removeAt(int index) {
    const CDiagramEntity* entity = getAt(index);
    if (!entity)
        return;
    m_namesValid = false;
    const CString name = entity->getName();
    CDiagramEntityContainer::removeAt(index);
    for (int i = getLinkCount() - 1; i >= 0; --i)
        if (m_links[i]->getFromName() == name || m_links[i]->getToName() == name)
            m_links.erase(m_links.begin() + i);
}

void CFlowchartEntityContainer::undo() {
    CDiagramEntityContainer::undo();
    if (m_linkUndo.empty())
        return;
    const std::unique_ptr<LinkRows> rows = std::move(m_linkUndo.back());
    m_linkUndo.pop_back();
    clearLinks();
    for (size_t i = 0; i < rows->size(); ++i) {
        const LinkSnapshot& row = (*rows)[i];
        auto link = std::make_unique<CFlowchartLink>();
        if (!link->loadFromRecord(*row.line))
            continue;
        link->setNew(row.isNew);
        link->shareRecordLine(row.line);
        m_links.push_back(std::move(link));
    }
}

void CFlowchartEntityContainer::snapshot() {
    CDiagramEntityContainer::snapshot();
    if (getUndoStackSize() > 0 && static_cast<int>(m_linkUndo.size()) >= getUndoStackSize())
        m_linkUndo.erase(m_linkUndo.begin());
    auto row = [this](size_t i, const LinkSnapshot* before) {
        const CFlowchartLink& link = *m_links[i];
        if (before)
            link.shareRecordLine(before->line);
        return LinkSnapshot{link.recordLine(), link.isNew()};
    };
    makeDroppingOldest(m_linkUndo, [&] {
        m_linkUndo.push_back(std::make_unique<LinkRows>(
            LinkRows::build(m_links.size(), row, m_linkUndo.empty() ? nullptr : m_linkUndo.back().get())));
    });
}

void CFlowchartEntityContainer::clearUndo() {
    CDiagramEntityContainer::clearUndo();
    while (!m_linkUndo.empty())
        m_linkUndo.pop_back();
}

void CFlowchartEntityContainer::addLink(std::unique_ptr<CFlowchartLink> link) {
    if (!link)
        return;
    applyRoleKind(*link);
    m_links.push_back(std::move(link));
}

void CFlowchartEntityContainer::applyRoleKind(CFlowchartLink& link) const {
    if (link.getLinkKind() != CFlowchartLink::kSequenceFlow)
        return;
    const CFlowchartEntity* from = findLinkable(link.getFromName());
    const CFlowchartEntity* to = findLinkable(link.getToName());
    if (from && to && from->getType() == "role" && to->getType() == "role")
        link.setLinkKind(CFlowchartLink::kOrganisationalChartLink);
}

CFlowchartEntity* CFlowchartEntityContainer::findLinkable(const CString& name) const {
    // An entity keeps its name while it is in the container (names are given
    // before an entity is added), so the names are taken again only when
    // entities come or go, or when one was found under a name it lost.
    auto lookUp = [&]() -> CDiagramEntity* {
        const auto it = m_names.find(name.str());
        return it == m_names.end() ? nullptr : it->second;
    };
    CDiagramEntity* entity = m_namesValid ? lookUp() : nullptr;
    if (!m_namesValid || (entity && entity->getName() != name)) {
        m_names.clear();
        for (int i = 0; i < getSize(); ++i)
            m_names.try_emplace(getAt(i)->getName().str(), getAt(i));
        m_namesValid = true;
        entity = lookUp();
    }
    return dynamic_cast<CFlowchartEntity*>(entity);
}

CFlowchartLink* CFlowchartEntityContainer::getLinkAt(int index) const {
    if (index < 0 || index >= getLinkCount())
        return nullptr;
    return m_links[index].get();
}

void CFlowchartEntityContainer::removeLink(CFlowchartLink* link) {
    for (auto it = m_links.begin(); it != m_links.end(); ++it)
        if (it->get() == link) {
            m_links.erase(it);
            return;
        }
}

void CFlowchartEntityContainer::clearLinks() {
    m_links.clear();
}

CFlowchartLink* CFlowchartEntityContainer::findLinkBetween(const CFlowchartEntity* a,
                                                           const CFlowchartEntity* b) const {
    if (!a || !b)
        return nullptr;
    const CString nameA = a->getName();
    const CString nameB = b->getName();
    for (const auto& link : m_links)
        if ((link->getFromName() == nameA && link->getToName() == nameB) ||
            (link->getFromName() == nameB && link->getToName() == nameA))
            return link.get();
    return nullptr;
}

BOOL CFlowchartEntityContainer::createLink(CFlowchartEntity* from, CFlowchartEntity* to,
                                           const CString& label) {
    int fromSide = 0;
    int toSide = 0;
    if (!findLinkSides(from, to, fromSide, toSide))
        return FALSE;
    auto link = std::make_unique<CFlowchartLink>();
    link->setFromName(from->getName());
    link->setToName(to->getName());
    link->setFromSide(fromSide);
    link->setToSide(toSide);
    link->setLabel(label);
    applyRoleKind(*link);
    m_links.push_back(std::move(link));
    return TRUE;
}

BOOL CFlowchartEntityContainer::hasLink(CFlowchartEntity* from, CFlowchartEntity* to) const {
    int fromSide = 0;
    int toSide = 0;
    if (!findLinkSides(from, to, fromSide, toSide))
        return FALSE;
    const CString fromName = from->getName();
    const CString toName = to->getName();
    const int ordinary = LINK_ALL;
    if ((fromSide & ordinary) && (toSide & ordinary)) {
        // Two links between ordinary sides are allowed; a side that takes
        // one link only is not overloaded.
        for (const auto& link : m_links) {
            if (link->getFromName() == fromName && link->getFromSide() == fromSide &&
                !from->allowsMultipleLinks())
                return TRUE;
            if (link->getToName() == toName && link->getToSide() == toSide && !to->allowsMultipleLinks())
                return TRUE;
        }
        return FALSE;
    }
    for (const auto& link : m_links) {
        if (link->getFromName() == fromName && link->getToName() == toName &&
            link->getFromSide() == fromSide && link->getToSide() == toSide)
            return TRUE;
        if (link->getFromName() == toName && link->getToName() == fromName && link->getFromSide() == toSide &&
            link->getToSide() == fromSide)
            return TRUE;
    }
    return FALSE;
}

BOOL CFlowchartEntityContainer::findLinkSides(const CFlowchartEntity* a, const CFlowchartEntity* b,
                                              int& fromSide, int& toSide) const {
    fromSide = 0;
    toSide = 0;
    if (!a || !b)
        return FALSE;
    const int maskA = a->getAllowedLinks();
    const int maskB = b->getAllowedLinks();
    const bool barFaced = (maskB & LINK_START) && (maskB & LINK_END);
    double best = kFarthest;
    bool chosen = false;
    CPoint pointA;
    CPoint pointB;
    // The attach points of a pair of sides, their free coordinates resolved,
    // and their distance.
    auto evaluate = [&](int sideA, int sideB) {
        pointA = a->getLinkPosition(sideA, -1, -1);
        pointB = b->getLinkPosition(sideB, -1, -1);
        resolveFreeY(pointA, pointB, a, b, nullptr);
        resolveFreeX(pointA, pointB, a, b, nullptr);
        return distance(pointA.x, pointA.y, pointB.x, pointB.y);
    };
    auto take = [&](int sideA, int sideB, double d) {
        fromSide = sideA;
        toSide = sideB;
        best = d;
        chosen = true;
    };

    // From an ordinary side to the opposite side, or to a bar's two faces;
    // only when the two points face each other.
    for (const int sideA : {LINK_LEFT, LINK_RIGHT, LINK_TOP, LINK_BOTTOM}) {
        if (!(maskA & sideA))
            continue;
        const bool vertical = sideA == LINK_TOP || sideA == LINK_BOTTOM;
        if (vertical && a->getLinkPosition(sideA, -1, -1).y == -1)
            continue;
        const std::vector<int> targets =
            barFaced ? std::vector<int>{LINK_START, LINK_END} : std::vector<int>{oppositeSide(sideA)};
        for (const int sideB : targets) {
            if (!(maskB & sideB))
                continue;
            const double d = evaluate(sideA, sideB);
            if (vertical && barFaced && sideB == LINK_START && pointB.y == -1)
                break;
            bool facing = false;
            switch (sideA) {
            case LINK_LEFT:
                facing = pointA.x > pointB.x;
                break;
            case LINK_RIGHT:
                facing = pointB.x > pointA.x;
                break;
            case LINK_TOP:
                facing = pointA.y > pointB.y;
                break;
            default:
                facing = pointB.y > pointA.y;
                break;
            }
            // From the top the earlier of two equal pairs stays; otherwise the later wins.
            const bool nearer = sideA == LINK_TOP ? d < best : d <= best;
            if (facing && nearer)
                take(sideA, sideB, d);
        }
    }

    // From a special attach point to any side of b.
    for (const int sideA : {LINK_START, LINK_END}) {
        if (!(maskA & sideA))
            continue;
        for (const int sideB : {LINK_START, LINK_END, LINK_LEFT, LINK_RIGHT, LINK_TOP, LINK_BOTTOM}) {
            if (!(maskB & sideB))
                continue;
            const double d = evaluate(sideA, sideB);
            bool facing = true;
            switch (sideB) {
            case LINK_LEFT:
                facing = pointB.x >= pointA.x;
                break;
            case LINK_RIGHT:
                facing = pointA.x >= pointB.x;
                break;
            case LINK_TOP:
                facing = pointB.y >= pointA.y && pointA.y != -1;
                break;
            case LINK_BOTTOM:
                facing = pointA.y >= pointB.y && pointB.y != -1;
                break;
            default:
                break;
            }
            if (facing && d < best)
                take(sideA, sideB, d);
        }
    }

    if (!(maskA & fromSide) || !(maskB & toSide)) {
        fromSide = 0;
        toSide = 0;
        return FALSE;
    }
    return chosen;
}

BOOL CFlowchartEntityContainer::resolveFree(CPoint& pointA, CPoint& pointB, const CFlowchartEntity* a,
                                            const CFlowchartEntity* b, const CFlowchartLink* link,
                                            bool vertical) const {
    LONG& coordinateA = vertical ? pointA.y : pointA.x;
    LONG& coordinateB = vertical ? pointB.y : pointB.x;
    // What the link's last bend point gives a free end, else the other end.
    auto fromLink = [&](LONG other) -> LONG {
        if (link && link->getPointCount() > 0) {
            const CPoint last = link->getIntermediaryPoint(link->getPointCount() - 1);
            return vertical ? last.y : last.x;
        }
        return other;
    };
    if (coordinateA == -1 && coordinateB == -1) {
        const double lowA = vertical ? a->getTop() : a->getLeft();
        const double highA = vertical ? a->getBottom() : a->getRight();
        const double lowB = vertical ? b->getTop() : b->getLeft();
        const double highB = vertical ? b->getBottom() : b->getRight();
        const __int128 middleA = CDiagramEntity::truncate((lowA + highA) / 2);
        const __int128 middleB = CDiagramEntity::truncate((lowB + highB) / 2);
        const __int128 sizeA = CDiagramEntity::truncate(highA - lowA);
        const __int128 sizeB = CDiagramEntity::truncate(highB - lowB);
        __int128 middle;
        if (lowB < lowA && highB > highA)
            middle = middleA;
        else if (lowA < lowB && highA > highB)
            middle = middleB;
        else if (sizeA * sizeA + sizeB * sizeB == 0)
            middle = (middleA + middleB) / 2;
        else // the middle of the smaller entity weighs more
            middle = (middleA * sizeB * sizeB + middleB * sizeA * sizeA) / (sizeA * sizeA + sizeB * sizeB);
        coordinateA = coordinateB = static_cast<LONG>(middle);
        return TRUE;
    }
    if (coordinateA == -1) {
        coordinateA = fromLink(coordinateB);
        return TRUE;
    }
    if (coordinateB == -1) {
        coordinateB = fromLink(coordinateA);
        return TRUE;
    }
    return FALSE;
}

BOOL CFlowchartEntityContainer::resolveFreeY(CPoint& pointA, CPoint& pointB, const CFlowchartEntity* a,
                                             const CFlowchartEntity* b, const CFlowchartLink* link) const {
    return resolveFree(pointA, pointB, a, b, link, true);
}

BOOL CFlowchartEntityContainer::resolveFreeX(CPoint& pointA, CPoint& pointB, const CFlowchartEntity* a,
                                             const CFlowchartEntity* b, const CFlowchartLink* link) const {
    return resolveFree(pointA, pointB, a, b, link, false);
}

BOOL CFlowchartEntityContainer::findClosestSide(const CFlowchartEntity* entity, CPoint point,
                                                int& side) const {
    if (!entity)
        return FALSE;
    const int mask = entity->getAllowedLinks();
    double best = kFarthest;
    BOOL found = FALSE;
    for (const int candidate : {LINK_LEFT, LINK_RIGHT, LINK_TOP, LINK_BOTTOM}) {
        if (!(mask & candidate))
            continue;
        const CPoint at = entity->getLinkPosition(candidate, -1, -1);
        const double d = distance(at.x, at.y, point.x, point.y);
        if (d <= best) {
            best = d;
            side = candidate;
            found = TRUE;
        }
    }
    return found;
}

double CFlowchartEntityContainer::distance(int x1, int y1, int x2, int y2) {
    return std::hypot(std::fabs(double(x1) - x2), std::fabs(double(y1) - y2));
}

std::vector<CFlowchartEntity*> CFlowchartEntityContainer::selectedLinkables() const {
    std::vector<CFlowchartEntity*> selected;
    for (int i = 0; i < getSize(); ++i)
        if (auto* linkable = dynamic_cast<CFlowchartEntity*>(getAt(i)); linkable && linkable->isSelected())
            selected.push_back(linkable);
    return selected;
}

int CFlowchartEntityContainer::getSelectedLinkableCount() const {
    return static_cast<int>(selectedLinkables().size());
}

CFlowchartEntity* CFlowchartEntityContainer::getLastSelectedLinkable() const {
    const auto selected = selectedLinkables();
    return selected.empty() ? nullptr : selected.back();
}

CFlowchartEntity* CFlowchartEntityContainer::getFirstSelected() const {
    const auto selected = selectedLinkables();
    if (selected.size() != 2)
        return nullptr;
    return selected[1]->getSelectionTime() < selected[0]->getSelectionTime() ? selected[1] : selected[0];
}

CFlowchartEntity* CFlowchartEntityContainer::getSecondSelected() const {
    const auto selected = selectedLinkables();
    if (selected.size() != 2)
        return nullptr;
    return selected[0]->getSelectionTime() < selected[1]->getSelectionTime() ? selected[1] : selected[0];
}

std::pair<CFlowchartEntity*, CFlowchartEntity*> CFlowchartEntityContainer::selectionLinkEnds() const {
    const auto selected = selectedLinkables();
    if (selected.size() != 2)
        return {nullptr, nullptr};
    const CFlowchartLink* link = findLinkBetween(selected[0], selected[1]);
    if (!link)
        return {nullptr, nullptr};
    if (link->getFromName() == selected[0]->getName())
        return {selected[0], selected[1]};
    return {selected[1], selected[0]};
}

CFlowchartEntity* CFlowchartEntityContainer::getSelectionLinkFrom() const {
    return selectionLinkEnds().first;
}

CFlowchartEntity* CFlowchartEntityContainer::getSelectionLinkTo() const {
    return selectionLinkEnds().second;
}

BOOL CFlowchartEntityContainer::isSelectionLinked() const {
    return getSelectionLinkFrom() && getSelectionLinkTo();
}

BOOL CFlowchartEntityContainer::canLinkSelection() const {
    return getSelectedLinkableCount() == 2 && !hasLink(getFirstSelected(), getSecondSelected());
}
