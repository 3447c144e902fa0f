#pragma once

// Where the links of a flowchart meet their entities, for one operation of
// the editor: a link names its ends, and painting, the alignment walk and the
// re-attachment look those names up for every link. The index is built once
// (one pass over the links; the container keeps the entities by name) and
// answers each name at once; it is made again for the next operation, since
// any edit may add or remove links.

#include "CFlowchartEntity.h"
#include "CFlowchartEntityContainer.h"
#include "CString.h"

#include <string>
#include <unordered_map>
#include <vector>

class FlowchartLinkIndex {
public:
    explicit FlowchartLinkIndex(const CFlowchartEntityContainer& container);

    // The first entity of that name in drawing order, when it is linkable;
    // null otherwise (as the editor's findEntityByName).
    CFlowchartEntity* entity(const CString& name) const;
    // The indexes of the links that start at the name, in link order.
    const std::vector<int>& linksFrom(const CString& name) const;
    // The indexes of the links that start or end at the name, in link order
    // (a link from an entity to itself once).
    const std::vector<int>& linksOf(const CString& name) const;

    // The two ends of a link (null where missing or not linkable).
    CFlowchartEntity* from(const CFlowchartLink& link) const { return entity(link.getFromName()); }
    CFlowchartEntity* to(const CFlowchartLink& link) const { return entity(link.getToName()); }

private:
    const CFlowchartEntityContainer& m_container;
    std::unordered_map<std::string, std::vector<int>> m_from;
    std::unordered_map<std::string, std::vector<int>> m_of;
};
