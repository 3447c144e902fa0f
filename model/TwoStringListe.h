#pragma once

// A list of (name, path or link, number) records that it owns.

#include "CString.h"
#include "TypedListe.h"

class TwoStringElement {
public:
    TwoStringElement(const CString& first, const CString& second, int number)
        : m_first(first), m_second(second), m_number(number) {}
    const CString& getFirst() const { return m_first; }
    const CString& getSecond() const { return m_second; }
    int getNumber() const { return m_number; }

private:
    CString m_first;
    CString m_second;
    int m_number;
};

class TwoStringListe : public OwningListe<TwoStringElement, IterateurGen> {};
