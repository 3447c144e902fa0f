#pragma once

// The installer tables that Tarnwick packs into action data: their columns
// in packed order, what packing does to each value, and the column whose
// component decides whether a row is packed.

#include <string>
#include <vector>

struct ColumnDescriptor {
    std::u16string name;
    bool formatted = false; // passed through the installer's formatting
    bool property = false;  // names a property whose value replaces it
};

struct TableDescriptor {
    std::u16string name;
    std::vector<ColumnDescriptor> columns;
    std::u16string componentColumn; // empty when the table has none

    static const TableDescriptor& xmlFile();
    static const TableDescriptor& xmlElement();
    static const TableDescriptor& xmlAttribute();
    static const TableDescriptor& xmlLocatorElement();
    static const TableDescriptor& xmlLocator();

    // The tables of the install and uninstall actions, in packed order.
    static std::vector<TableDescriptor> updateTables();
    // The tables of the locator action, in packed order.
    static std::vector<TableDescriptor> locatorTables();
};
