#include "FlowchartLinkIndex.h"

namespace {
const std::vector<int> kNoLinks;
}

FlowchartLinkIndex::FlowchartLinkIndex(const CFlowchartEntityContainer& container) : m_container(container) {
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
    return m_container.findLinkable(name);
}

const std::vector<int>& FlowchartLinkIndex::linksFrom(const CString& name) const {
    const auto it = m_from.find(name.str());
    return it == m_from.end() ? kNoLinks : it->second;
}

const std::vector<int>& FlowchartLinkIndex::linksOf(const CString& name) const {
    const auto it = m_of.find(name.str());
    return it == m_of.end() ? kNoLinks : it->second;
}
