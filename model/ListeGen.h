#pragma once

// The program's one collection: a doubly linked list of untyped element
// pointers, walked with a separate cursor (IterateurGen). Positions are
// 1-based, 0 meaning none; every search compares pointers and acts on the
// first node, counted from the front, that holds the element. The list never
// owns its elements: owners empty it with a typed delete-all.
//
// A long list keeps, once it is searched, an index from each element to the
// nodes holding it, and the nodes of its front part in position order, so
// that finding an element's node, its position or the element at a position
// costs no walk from the head. The index follows every change; the position
// order is cut back at the first changed node and grown again on demand.

#include <memory>
#include <unordered_map>
#include <vector>

class ListeGen {
public:
    struct Node {
        Node* next = nullptr;
        Node* previous = nullptr;
        void* element = nullptr;
        // The node's position while it lies in the list's position order.
        int position = 0;
    };

    ListeGen() = default;
    virtual ~ListeGen();
    ListeGen(const ListeGen&) = delete;
    ListeGen& operator=(const ListeGen&) = delete;

    int count() const { return m_count; }
    // Changes with every node added or removed, so that indexes kept over the
    // list can tell they are stale.
    long version() const { return m_version; }
    // Adds the element at the end; returns the new count.
    int append(void* element);
    // Unlinks the last node and returns its element; null when empty.
    void* removeLast();
    // Removes every node from the end; the elements are not touched.
    void removeAll();
    // Inserts next to the first node holding the existing element; 1 when it
    // was found, else 0 and nothing is inserted.
    int insertBefore(void* element, void* existing);
    int insertAfter(void* element, void* existing);
    // Unlinks the first node holding the element; 0 when absent.
    int remove(void* element);
    // Position of the first node holding the element; 0 when absent.
    int indexOf(void* element) const;
    // The element at position n (1-based); null out of range.
    void* at(int n) const;

    // The node after (before) node, or the first (last) one for a null node;
    // returns its element, null when there is no such node.
    void* nextNode(Node* node, Node*& out) const;
    void* previousNode(Node* node, Node*& out) const;
    // The first node holding the element; null when absent. The iterator
    // seeks with it.
    Node* findNode(void* element) const;

private:
    // Below this many elements a walk is as quick as any index.
    static constexpr int kIndexedCount = 16;

    // Adds a new node to the element index, when there is one.
    void indexNode(Node* node);
    // Forgets the positions from this node on (a node is added next to it or
    // it goes); the positions before it stay.
    void forgetPositionsFrom(Node* node, int keepIt);
    // The position of a node of the list, growing the position order to it.
    int positionOf(Node* node) const;
    bool hasPosition(const Node* node) const;
    void unlink(Node* node);

    int m_count = 0;
    long m_version = 0;
    Node* m_first = nullptr;
    Node* m_last = nullptr;
    // Element -> every node holding it; made at the first search of a long list.
    mutable std::unique_ptr<std::unordered_multimap<void*, Node*>> m_nodesByElement;
    // The first nodes of the list in order: m_positioned[p - 1] stands at position p.
    mutable std::vector<Node*> m_positioned;
};
