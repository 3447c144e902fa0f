#include "IterateurGen.h"

IterateurGen::IterateurGen(ListeGen* list) : m_list(list) { first(); }

int IterateurGen::first() {
    m_list->nextNode(nullptr, m_current);
    m_atEnd = m_list->count() == 0;
    return m_atEnd;
}

void* IterateurGen::next() {
    void* element = m_list->nextNode(m_current, m_current);
    m_atEnd = m_current == nullptr;
    return m_atEnd ? nullptr : (element ? element : m_current);
}

void* IterateurGen::previous() {
    void* element = m_list->previousNode(m_current, m_current);
    m_atEnd = m_current == nullptr;
    return m_atEnd ? nullptr : (element ? element : m_current);
}

void IterateurGen::gotoMark() {
    m_current = m_mark;
    m_atEnd = m_current == nullptr;
}

void IterateurGen::gotoSecondMark() {
    m_current = m_secondMark;
    m_atEnd = m_current == nullptr;
}

void IterateurGen::seek(void* element) {
    // Straight to the node, found through the list's index: a walk from the
    // head for every seek would make walking each subtree of a long list
    // cost as much as walking the list.
    m_current = m_list->findNode(element);
    m_atEnd = m_current == nullptr;
}
