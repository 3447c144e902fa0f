#pragma once

// Reads back an attribute file of AttributeExport that the user edited:
// each line names its item by uid, and the values of its columns are
// stored in the item and saved in its files. The whole file is read, and
// every line matched to its item, before the first item changes; an item
// whose files cannot be written undoes what the import had written, so a
// failure leaves every item as it was, on disk and in memory.

#include "CString.h"

#include <functional>
#include <vector>

class ProcessItem;
class ProcessManager;

class AttributeImport {
public:
    explicit AttributeImport(ProcessManager& manager) : m_manager(manager) {}

    void importActivitiesAttribute(const CString& path);
    void importWPAttribute(const CString& path);
    void ImportArtifactDescription(const CString& path);
    void ImportVersionAndApprovalStatus(const CString& path);

private:
    using Fields = std::vector<CString>;
    // The line-based imports: the lines after the header whose first field
    // names an item of the class (any class for 0), each stored by store
    // and then saved. Shows 32984 for a file that cannot be read and the
    // number of items updated at the end; throws for a file without header.
    // The fields from column firstStored to lastStored (from 1) are those
    // stored: a file holding a line break in one of them, on a line of an
    // item, is refused whole, as a data file keeps each value on one line.
    // matched, when given, is told of each line's item as the line is
    // matched, before the first item changes.
    void importLines(const CString& path, int classKind, size_t firstStored, size_t lastStored,
                     const std::function<void(ProcessItem&, const Fields&)>& store,
                     const std::function<void(ProcessItem&)>& matched = {});

    ProcessManager& m_manager;
};
