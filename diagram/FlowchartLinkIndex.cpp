#include "FlowchartLinkIndex.h"

namespace {
const std::vector<int> kNoLinks;
}

FlowchartLinkIndex::FlowchartLinkIndex(const CFlowchartEntityContainer& container) {
    const int count = container.getSize();
    m_entities.reserve(count);
    for (int i = 0; i < count; ++i) {
        CDiagramEntity* entity = container.getAt(i);
        // The first entity of a name decides, linkable or not.
        m_entities.try_emplace(entity->getName().str(), dynamic_cast<CFlowchartEntity*>(entity));
    }
    const int links = container.getLinkCount();
    for (int i = 0; i < links; ++i) {
        const CFlowchartLink* link = container.getLinkAt(i);
        const std::string from = link->getFromName().str();
        const std::string to = link->getToName().str();
        m_from[from].push_back(i);
        m_of[from].push_back(i);
        if (to != from)
            m_of[to].push_back(i);
    }
}

CFlowchartEntity* FlowchartLinkIndex::entity(const CString& name) const {
    const auto it = m_entities.find(name.str());
    return it == m_entities.end() ? nullptr : it->second;
}

const std::vector<int>& FlowchartLinkIndex::linksFrom(const CString& name) const {
    const auto it = m_from.find(name.str());
    return it == m_from.end() ? kNoLinks : it->second;
}

const std::vector<int>& FlowchartLinkIndex::linksOf(const CString& name) const {
    const auto it = m_of.find(name.str());
    return it == m_of.end() ? kNoLinks : it->second;
}
