#pragma once

// What an import changes, kept so that a failure part-way leaves every item
// as it was: before an item is changed, the files of its folder that the
// import may write are read as they stand; rolling back puts each back
// (or removes it when it did not exist) and has the items read their data
// again, so that what they hold in memory follows.

#include "CString.h"

#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

class ProcessItem;

class ImportTransaction {
public:
    // Keeps the item's data file and the named files of its folder, once
    // per item. False when one of them exists but cannot be read: the item
    // must then not be changed.
    bool keep(ProcessItem* item, const std::vector<CString>& fileNames = {});
    // Puts back every file kept; true when all of them are as they were.
    bool rollBack();

private:
    std::unordered_set<ProcessItem*> m_kept;
    std::vector<ProcessItem*> m_items;
    std::vector<std::pair<CString, std::optional<std::string>>> m_files;
};
