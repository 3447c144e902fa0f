#pragma once

// Decides, with the result of a row's component condition, whether a row
// of a table that has a component column is packed (1 packs it).

#include "Msi.h"

#include <map>
#include <string>

class RowFilter {
public:
    using Row = std::map<std::u16string, std::u16string>; // column name -> text

    virtual ~RowFilter() = default;
    virtual int filterRow(const std::u16string& table, MSIHANDLE install, const Row& row,
                          int conditionResult) = 0;
};
