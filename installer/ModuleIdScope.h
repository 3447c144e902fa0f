#pragma once

// The merge-module id of an install or uninstall action, for the length of
// the action. A merge module passes its id (36 characters) to the action as
// "CustomActionData"; the scope puts it into "FW_XML_MODULE_ID", whence it
// is packed for the deferred actions, suffixes the names of the actions it
// schedules, and lets through only the FW_XmlFile rows of its module. A
// package that is no merge module packs only its own files, not those that
// merge modules brought in. "FW_XML_MODULE_ID" is emptied again when the
// scope ends.

#include "Msi.h"
#include "RowFilter.h"

#include <string>

class ModuleIdScope : public RowFilter {
public:
    static constexpr size_t kIdLength = 36;

    explicit ModuleIdScope(MSIHANDLE install);
    ~ModuleIdScope() override;
    ModuleIdScope(const ModuleIdScope&) = delete;
    ModuleIdScope& operator=(const ModuleIdScope&) = delete;

    const std::u16string& moduleId() const { return m_moduleId; }
    // The base name, followed by "." and the module id when there is one and
    // the name does not end with it already.
    std::u16string actionName(const std::u16string& base) const;

    int filterRow(const std::u16string& table, MSIHANDLE install, const Row& row,
                  int conditionResult) override;

    // Whether a key ends with "." and a module id: 36 characters that form
    // a GUID once "_" is read as "-".
    static bool hasModuleSuffix(const std::u16string& key);

private:
    MSIHANDLE m_install;
    std::u16string m_moduleId;
};
