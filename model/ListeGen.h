#pragma once

// The program's one collection: a doubly linked list of untyped element
// pointers, walked with a separate cursor (IterateurGen). Positions are
// 1-based, 0 meaning none; every search compares pointers and stops at the
// first match. The list never owns its elements: owners empty it with a
// typed delete-all.

class ListeGen {
public:
    struct Node {
        Node* next = nullptr;
        Node* previous = nullptr;
        void* element = nullptr;
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
    // The element at position n (1-based); null out of range. Walking the
    // positions in order costs one step each.
    void* at(int n) const;

    // The node after (before) node, or the first (last) one for a null node;
    // returns its element, null when there is no such node.
    void* nextNode(Node* node, Node*& out) const;
    void* previousNode(Node* node, Node*& out) const;

private:
    Node* findNode(void* element) const;
    void unlink(Node* node);

    int m_count = 0;
    long m_version = 0;
    Node* m_first = nullptr;
    Node* m_last = nullptr;
    // The node that at() reached last, valid while the version is unchanged.
    mutable Node* m_cachedNode = nullptr;
    mutable int m_cachedPosition = 0;
    mutable long m_cachedVersion = -1;
};
