#pragma once

// The strings of a list, in order, for comparing with expected texts.

#include "CStringListe.h"

#include <string>
#include <vector>

inline std::vector<std::string> texts(CStringListe* list) {
    std::vector<std::string> out;
    for (int i = 1; i <= list->count(); ++i)
        out.push_back(list->at(i)->str());
    return out;
}
