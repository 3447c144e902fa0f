#include "MsiDatabase.h"

#include "InstallerCalls.h"
#include "Text.h"

MsiDatabase::MsiDatabase(MSIHANDLE handle) {
    if (MsiGetDatabaseState(handle) == MSIDBSTATE_ERROR) {
        m_database = MsiGetActiveDatabase(handle);
        m_owned = true;
    } else {
        m_database = handle;
    }
}

MsiDatabase::~MsiDatabase() {
    reset();
    if (m_owned && m_database)
        MsiCloseHandle(m_database);
}

void MsiDatabase::reset() {
    m_ok = true;
    m_tableName.clear();
    m_columnNames.clear();
    m_columnTypes.clear();
    m_rows.clear();
    if (m_view.get())
        MsiViewClose(m_view.get());
    m_view.reset();
}

std::vector<std::u16string> MsiDatabase::columnInfo(MSICOLINFO info) const {
    std::vector<std::u16string> values;
    MsiHandle record;
    if (MsiViewGetColumnInfo(m_view.get(), info, record.receive()) != ERROR_SUCCESS)
        return values;
    const UINT count = MsiRecordGetFieldCount(record.get());
    for (UINT field = 1; count != static_cast<UINT>(-1) && field <= count; ++field)
        values.push_back(installer::recordString(record.get(), field));
    return values;
}

bool MsiDatabase::query(const std::u16string& table) {
    reset();
    m_tableName = table;
    const std::u16string sql = u"SELECT * FROM `" + table + u"`";
    m_ok = m_database != 0 &&
           MsiDatabaseOpenViewW(m_database, sql.c_str(), m_view.receive()) == ERROR_SUCCESS &&
           MsiViewExecute(m_view.get(), 0) == ERROR_SUCCESS;
    if (!m_ok)
        return false;

    m_columnNames = columnInfo(MSICOLINFO_NAMES);
    for (const std::u16string& type : columnInfo(MSICOLINFO_TYPES))
        m_columnTypes += type.empty() ? u'?' : type[0];
    for (char16_t& c : m_columnTypes) {
        if (c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 32);
    }

    MsiHandle record;
    while (MsiViewFetch(m_view.get(), record.receive()) == ERROR_SUCCESS) {
        Row row;
        for (size_t column = 0; column < m_columnNames.size() && column < m_columnTypes.size(); ++column) {
            const UINT field = static_cast<UINT>(column + 1);
            switch (m_columnTypes[column]) {
            case u'i': {
                const int value = MsiRecordGetInteger(record.get(), field);
                row[m_columnNames[column]] = value == MSI_NULL_INTEGER ? u"" : text::toText(value);
                break;
            }
            case u's':
            case u'l':
                row[m_columnNames[column]] = installer::recordString(record.get(), field);
                break;
            case u'v':
                row[m_columnNames[column]] = u"{Binary Data}";
                break;
            default:
                break; // a column of another type is not kept
            }
        }
        m_rows.push_back(std::move(row));
    }
    return true;
}
