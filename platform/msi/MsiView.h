#pragma once

// A query on a package (MsiDatabaseOpenView): executed, then fetched row by
// row. Fields come typed as the query's columns are: integers, texts or
// streams.

#include "MsiHandles.h"
#include "MsiRecord.h"

#include <memory>
#include <string>

class MsiPackage;
typedef struct _LibmsiQuery LibmsiQuery;

class MsiView : public MsiObject {
public:
    MsiView(std::shared_ptr<const MsiPackage> package, std::u16string query);
    ~MsiView() override;
    MsiView(const MsiView&) = delete;
    MsiView& operator=(const MsiView&) = delete;

    // ERROR_BAD_QUERY_SYNTAX for a query the package cannot run (a missing
    // table included).
    UINT open();
    UINT execute(const MsiRecord* parameters);
    // ERROR_NO_MORE_ITEMS after the last row; ERROR_FUNCTION_FAILED before
    // the view was executed.
    UINT fetch(std::shared_ptr<MsiRecord>& row);
    UINT close();
    // The column names or their type strings ("s72", "I2", "v0" ...).
    std::shared_ptr<MsiRecord> columnInfo(MSICOLINFO info) const;

private:
    std::shared_ptr<const MsiPackage> m_package;
    std::u16string m_query;
    LibmsiQuery* m_handle = nullptr;
    std::u16string m_types; // first letter of each column's type
    bool m_executed = false;
};
