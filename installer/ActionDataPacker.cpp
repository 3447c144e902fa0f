#include "ActionDataPacker.h"

#include "ActionData.h"
#include "InstallerCalls.h"
#include "MsiDatabase.h"
#include "RowFilter.h"

std::u16string ActionDataPacker::packProperties(MSIHANDLE install, const std::vector<std::u16string>& names) {
    std::vector<std::u16string> rows;
    for (const std::u16string& name : names)
        rows.push_back(ActionData::packRow({name, installer::getProperty(install, name)}));
    return ActionData::join(rows, ActionData::kRowSeparator);
}

std::u16string ActionDataPacker::componentCondition(const std::u16string& component, Mode mode) {
    const std::u16string& c = component;
    if (mode == Mode::Install)
        return u"((?" + c + u"=2) AND ($" + c + u"=3)) OR (?" + c + u" = $" + c + u")";
    return u"((?" + c + u"=3) AND ($" + c + u"=2))";
}

std::u16string ActionDataPacker::packTables(MsiDatabase& database, MSIHANDLE install,
                                            const std::vector<TableDescriptor>& tables, Mode mode,
                                            RowFilter* filter) {
    std::vector<std::u16string> sections;
    for (const TableDescriptor& table : tables) {
        database.query(table.name);
        std::vector<std::u16string> rows;
        for (const MsiDatabase::Row& row : database.rows()) {
            if (!table.componentColumn.empty()) {
                const auto component = row.find(table.componentColumn);
                const std::u16string condition =
                    componentCondition(component == row.end() ? std::u16string() : component->second, mode);
                int result = MsiEvaluateConditionW(install, condition.c_str());
                if (filter)
                    result = filter->filterRow(table.name, install, row, result);
                if (result != MSICONDITION_TRUE)
                    continue;
            }
            ActionData::Row fields;
            for (size_t i = 0; i < table.columns.size() && i < row.size(); ++i) {
                const ColumnDescriptor& column = table.columns[i];
                const auto found = row.find(column.name);
                std::u16string value = found == row.end() ? std::u16string() : found->second;
                if (column.property && !value.empty())
                    value = installer::getProperty(install, value);
                if (column.formatted)
                    value = installer::formatText(install, value);
                fields.push_back(std::move(value));
            }
            rows.push_back(ActionData::packRow(fields));
        }
        sections.push_back(ActionData::join(rows, ActionData::kRowSeparator));
    }
    return ActionData::join(sections, ActionData::kSectionSeparator);
}

const std::vector<std::u16string>& ActionDataPacker::packedProperties() {
    static const std::vector<std::u16string> names = {
        u"ProductName",           u"ProductCode",     u"REMOVE", u"FW_TEST_XML_FILE_DIRECTORY",
        u"FW_TEST_XML_FILE_NAME", u"FW_XML_MODULE_ID"};
    return names;
}

std::u16string ActionDataPacker::packUpdateData(MsiDatabase& database, MSIHANDLE install, Mode mode,
                                                RowFilter* filter) {
    return packProperties(install, packedProperties()) + ActionData::kSectionSeparator +
           packTables(database, install, TableDescriptor::updateTables(), mode, filter);
}
