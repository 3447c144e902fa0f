#pragma once

// Packs installer properties and table rows into action data (ActionData):
// the immediate actions build with it the text that their deferred,
// rollback and commit actions receive.

#include "Msi.h"
#include "TableDescriptor.h"

#include <string>
#include <vector>

class MsiDatabase;
class RowFilter;

class ActionDataPacker {
public:
    enum class Mode { Install, Uninstall };

    // Each property as a row of its name and value, in the order given.
    static std::u16string packProperties(MSIHANDLE install, const std::vector<std::u16string>& names);

    // One section per table, in the order given. A row of a table with a
    // component column is packed only when its component is being
    // installed (Mode::Install) or removed (Mode::Uninstall), as the
    // installer's condition on the component's states answers, passed
    // through the filter when there is one. Property columns take the
    // value of the property they name, formatted columns the formatted text.
    static std::u16string packTables(MsiDatabase& database, MSIHANDLE install,
                                     const std::vector<TableDescriptor>& tables, Mode mode,
                                     RowFilter* filter);

    // The condition that selects a row by its component's states.
    static std::u16string componentCondition(const std::u16string& component, Mode mode);

    // The properties that the install and uninstall actions hand on.
    static const std::vector<std::u16string>& packedProperties();
    // The data of the install and uninstall actions: the properties, then
    // the three update tables.
    static std::u16string packUpdateData(MsiDatabase& database, MSIHANDLE install, Mode mode,
                                         RowFilter* filter);
};
