#pragma once

// The package's database as the immediate actions read it: a whole table
// at a time, its column names, the first letter of each column's type and
// its rows as maps from column name to text. A table that cannot be
// queried (a missing one, for one) reads as no columns and no rows.

#include "MsiHandle.h"

#include <map>
#include <string>
#include <vector>

class MsiDatabase {
public:
    using Row = std::map<std::u16string, std::u16string>;

    // An installation handle gives its active database, which this object
    // then owns; a database handle is used as it is.
    explicit MsiDatabase(MSIHANDLE handle);
    ~MsiDatabase();
    MsiDatabase(const MsiDatabase&) = delete;
    MsiDatabase& operator=(const MsiDatabase&) = delete;

    // Runs SELECT * FROM `table`; false when the query did not run.
    bool query(const std::u16string& table);

    const std::u16string& tableName() const { return m_tableName; }
    const std::vector<std::u16string>& columnNames() const { return m_columnNames; }
    const std::u16string& columnTypes() const { return m_columnTypes; }
    const std::vector<Row>& rows() const { return m_rows; }
    bool ok() const { return m_ok; }

private:
    void reset();
    std::vector<std::u16string> columnInfo(MSICOLINFO info) const;

    std::u16string m_tableName;
    std::vector<std::u16string> m_columnNames;
    std::u16string m_columnTypes;
    std::vector<Row> m_rows;
    MSIHANDLE m_database = 0;
    bool m_owned = false;
    MsiHandle m_view;
    bool m_ok = false;
};
