#include "XmlElementRecord.h"

bool XmlElementRecord::parentsLoop(size_t steps) const {
    const XmlElementRecord* up = m_parent;
    for (; up && up != this && steps > 0; --steps)
        up = up->m_parent;
    return up == this;
}

int XmlElementRecord::depth() const {
    int depth = 0;
    for (const XmlElementRecord* up = m_parent; up; up = up->m_parent)
        ++depth;
    return depth;
}

std::u16string XmlElementRecord::namePath() const {
    std::u16string path = m_name;
    for (const XmlElementRecord* up = m_parent; up; up = up->m_parent)
        path = up->m_name + u"/" + path;
    return path;
}

bool XmlElementRecord::orderLess(const XmlElementRecord* a, const XmlElementRecord* b) {
    for (;;) {
        if (a->m_parent == b->m_parent)
            return a->m_order < b->m_order;
        const int depthA = a->depth();
        const int depthB = b->depth();
        if (depthA != depthB)
            return depthA < depthB;
        a = a->m_parent;
        b = b->m_parent;
    }
}
