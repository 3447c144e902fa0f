#pragma once

// The cursor of a ListeGen. Callers take the current element, advance with
// next, then work with the element, and stop when the at-end flag is set, so
// the element just taken may be removed from the list. After running off
// either end the cursor stands on no node: a further next starts again at the
// first element, a previous at the last.

#include "ListeGen.h"

class IterateurGen {
public:
    explicit IterateurGen(ListeGen* list);
    virtual ~IterateurGen() = default;

    int first();
    // Non-null exactly when it did not run off the end.
    void* next();
    void* previous();
    void* current() const { return m_atEnd ? nullptr : (m_current ? m_current->element : nullptr); }
    int isAtEnd() const { return m_atEnd; }
    void setMark() { m_mark = m_current; }
    void setSecondMark() { m_secondMark = m_current; }
    void gotoMark();
    void gotoSecondMark();
    // To the first node holding the element, or the end when there is none.
    void seek(void* element);

private:
    ListeGen* m_list;
    ListeGen::Node* m_current = nullptr;
    ListeGen::Node* m_mark = nullptr;
    ListeGen::Node* m_secondMark = nullptr;
    int m_atEnd = 1;
};

// The typed iterators add nothing but the element type.
template <typename T> class TypedIterateur : public IterateurGen {
public:
    using IterateurGen::IterateurGen;
    T* current() const { return static_cast<T*>(IterateurGen::current()); }
};
