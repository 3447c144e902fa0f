#include "ListeGen.h"

#include <iterator>

// Nodes left in a list that is destroyed are freed; the elements never are.
ListeGen::~ListeGen() { removeAll(); }

int ListeGen::append(void* element) {
    Node* node = new Node{nullptr, m_last, element};
    if (m_last)
        m_last->next = node;
    else
        m_first = node;
    m_last = node;
    indexNode(node);
    // The position order grows with the list while it covers all of it.
    if (!m_positioned.empty() && static_cast<int>(m_positioned.size()) == m_count) {
        m_positioned.push_back(node);
        node->position = m_count + 1;
    }
    ++m_version;
    return ++m_count;
}

void* ListeGen::removeLast() {
    if (!m_last)
        return nullptr;
    Node* node = m_last;
    void* element = node->element;
    unlink(node);
    return element;
}

void ListeGen::removeAll() {
    // Nothing is looked up while the list empties: the index goes first.
    m_nodesByElement.reset();
    m_positioned.clear();
    while (m_count > 0)
        removeLast();
}

int ListeGen::insertBefore(void* element, void* existing) {
    Node* anchor = findNode(existing);
    if (!anchor)
        return 0;
    forgetPositionsFrom(anchor, 0);
    Node* node = new Node{anchor, anchor->previous, element};
    if (anchor->previous)
        anchor->previous->next = node;
    else
        m_first = node;
    anchor->previous = node;
    indexNode(node);
    ++m_count;
    ++m_version;
    return 1;
}

int ListeGen::insertAfter(void* element, void* existing) {
    Node* anchor = findNode(existing);
    if (!anchor)
        return 0;
    forgetPositionsFrom(anchor, 1);
    Node* node = new Node{anchor->next, anchor, element};
    if (anchor->next)
        anchor->next->previous = node;
    else
        m_last = node;
    anchor->next = node;
    indexNode(node);
    ++m_count;
    ++m_version;
    return 1;
}

int ListeGen::remove(void* element) {
    Node* node = findNode(element);
    if (!node)
        return 0;
    unlink(node);
    return 1;
}

int ListeGen::indexOf(void* element) const {
    if (m_count >= kIndexedCount || m_nodesByElement) {
        Node* node = findNode(element);
        return node ? positionOf(node) : 0;
    }
    int position = 1;
    for (Node* node = m_first; node; node = node->next, ++position)
        if (node->element == element)
            return position;
    return 0;
}

void* ListeGen::at(int n) const {
    if (n < 1 || n > m_count)
        return nullptr;
    if (m_count < kIndexedCount && m_positioned.empty()) {
        // A short list: walk from the nearer end.
        Node* node = m_first;
        if (2 * n > m_count) {
            node = m_last;
            for (int position = m_count; position > n; --position)
                node = node->previous;
        } else {
            for (int position = 1; position < n; ++position)
                node = node->next;
        }
        return node->element;
    }
    // The position order grows to n once; positions before it cost nothing more.
    while (static_cast<int>(m_positioned.size()) < n) {
        Node* next = m_positioned.empty() ? m_first : m_positioned.back()->next;
        m_positioned.push_back(next);
        next->position = static_cast<int>(m_positioned.size());
    }
    return m_positioned[n - 1]->element;
}

void* ListeGen::nextNode(Node* node, Node*& out) const {
    out = node ? node->next : m_first;
    return out ? out->element : nullptr;
}

void* ListeGen::previousNode(Node* node, Node*& out) const {
    out = node ? node->previous : m_last;
    return out ? out->element : nullptr;
}

ListeGen::Node* ListeGen::findNode(void* element) const {
    if (!m_nodesByElement && m_count >= kIndexedCount) {
        m_nodesByElement = std::make_unique<std::unordered_multimap<void*, Node*>>();
        m_nodesByElement->reserve(static_cast<size_t>(m_count));
        for (Node* node = m_first; node; node = node->next)
            m_nodesByElement->emplace(node->element, node);
    }
    if (!m_nodesByElement) {
        for (Node* node = m_first; node; node = node->next)
            if (node->element == element)
                return node;
        return nullptr;
    }
    const auto [from, to] = m_nodesByElement->equal_range(element);
    if (from == to)
        return nullptr;
    // An element held more than once: the node nearest the front.
    Node* first = from->second;
    for (auto it = std::next(from); it != to; ++it)
        if (positionOf(it->second) < positionOf(first))
            first = it->second;
    return first;
}

void ListeGen::indexNode(Node* node) {
    if (m_nodesByElement)
        m_nodesByElement->emplace(node->element, node);
}

bool ListeGen::hasPosition(const Node* node) const {
    const int p = node->position;
    return p >= 1 && p <= static_cast<int>(m_positioned.size()) && m_positioned[p - 1] == node;
}

void ListeGen::forgetPositionsFrom(Node* node, int keepIt) {
    // A node beyond the position order changes nothing in it.
    if (hasPosition(node))
        m_positioned.resize(static_cast<size_t>(node->position - 1 + keepIt));
}

int ListeGen::positionOf(Node* node) const {
    if (hasPosition(node))
        return node->position;
    Node* walk = m_positioned.empty() ? m_first : m_positioned.back()->next;
    for (; walk; walk = walk->next) {
        m_positioned.push_back(walk);
        walk->position = static_cast<int>(m_positioned.size());
        if (walk == node)
            return walk->position;
    }
    return 0; // not a node of this list
}

void ListeGen::unlink(Node* node) {
    forgetPositionsFrom(node, 0);
    if (m_nodesByElement) {
        const auto [from, to] = m_nodesByElement->equal_range(node->element);
        for (auto it = from; it != to; ++it)
            if (it->second == node) {
                m_nodesByElement->erase(it);
                break;
            }
    }
    if (node->previous)
        node->previous->next = node->next;
    else
        m_first = node->next;
    if (node->next)
        node->next->previous = node->previous;
    else
        m_last = node->previous;
    delete node;
    --m_count;
    ++m_version;
}
