#include "ListeGen.h"

#include <cstdlib>

// Nodes left in a list that is destroyed are freed; the elements never are.
ListeGen::~ListeGen() { removeAll(); }

int ListeGen::append(void* element) {
    Node* node = new Node{nullptr, m_last, element};
    if (m_last)
        m_last->next = node;
    else
        m_first = node;
    m_last = node;
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
    while (m_count > 0)
        removeLast();
}

int ListeGen::insertBefore(void* element, void* existing) {
    Node* anchor = findNode(existing);
    if (!anchor)
        return 0;
    Node* node = new Node{anchor, anchor->previous, element};
    if (anchor->previous)
        anchor->previous->next = node;
    else
        m_first = node;
    anchor->previous = node;
    ++m_count;
    ++m_version;
    return 1;
}

int ListeGen::insertAfter(void* element, void* existing) {
    Node* anchor = findNode(existing);
    if (!anchor)
        return 0;
    Node* node = new Node{anchor->next, anchor, element};
    if (anchor->next)
        anchor->next->previous = node;
    else
        m_last = node;
    anchor->next = node;
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
    int position = 1;
    for (Node* node = m_first; node; node = node->next, ++position)
        if (node->element == element)
            return position;
    return 0;
}

void* ListeGen::at(int n) const {
    if (n < 1 || n > m_count)
        return nullptr;
    // Walk from the nearest of the first node, the last node and the node
    // reached last time (while the list is unchanged), so that a loop over
    // the positions in order costs one step per position.
    Node* node = m_first;
    int position = 1;
    if (m_count - n < n - 1) {
        node = m_last;
        position = m_count;
    }
    if (m_cachedNode && m_cachedVersion == m_version &&
        std::abs(n - m_cachedPosition) < std::abs(n - position)) {
        node = m_cachedNode;
        position = m_cachedPosition;
    }
    for (; position < n; ++position)
        node = node->next;
    for (; position > n; --position)
        node = node->previous;
    m_cachedNode = node;
    m_cachedPosition = n;
    m_cachedVersion = m_version;
    return node->element;
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
    for (Node* node = m_first; node; node = node->next)
        if (node->element == element)
            return node;
    return nullptr;
}

void ListeGen::unlink(Node* node) {
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
