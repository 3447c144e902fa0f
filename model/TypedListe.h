#pragma once

// The typed face of ListeGen: each typed list fixes its element type and its
// iterator type and adds nothing else, but for the lists that own their
// elements, which delete them in deleteAll (from the last to the first).

#include "IterateurGen.h"
#include "ListeGen.h"

template <typename T, typename Iterator> class TypedListe : public ListeGen {
public:
    int append(T* element) { return ListeGen::append(element); }
    T* removeLast() { return static_cast<T*>(ListeGen::removeLast()); }
    T* at(int n) const { return static_cast<T*>(ListeGen::at(n)); }
    int indexOf(T* element) const { return ListeGen::indexOf(element); }
    int insertBefore(T* element, T* anchor) { return ListeGen::insertBefore(element, anchor); }
    int insertAfter(T* element, T* anchor) { return ListeGen::insertAfter(element, anchor); }
    int remove(T* element) { return ListeGen::remove(element); }
    Iterator* createIterator() { return new Iterator(this); }
};

template <typename T, typename Iterator> class OwningListe : public TypedListe<T, Iterator> {
public:
    // Removes every element from the end and deletes it.
    void deleteAll() {
        while (this->count() > 0)
            delete this->removeLast();
    }
};
