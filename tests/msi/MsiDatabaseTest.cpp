// The database calls over a package built with msibuild.

#include "MsiSession.h"
#include "MsiText.h"
#include "PackageBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

std::u16string recordText(MSIHANDLE record, UINT field) {
    char16_t buffer[512];
    DWORD length = 512;
    EXPECT_EQ(MsiRecordGetStringW(record, field, buffer, &length), ERROR_SUCCESS);
    return std::u16string(buffer, length);
}

class MsiDatabaseTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string package = m_dir / "db.msi";
        PackageBuilder builder;
        builder.properties({{"ProductCode", "{11111111-2222-3333-4444-555555555555}"}, {"Title", "Café €"}})
            .table("Sample", {"Key", "Number", "Text", "Label"}, {"s72", "I4", "S255", "L64"},
                   {{"first", "-5", "some text", "label"}, {"second", "", "", ""}});
        ASSERT_EQ(builder.build(package), "");
        std::string error;
        ASSERT_TRUE(m_session.openPackage(package, error)) << error;
        m_database = MsiGetActiveDatabase(m_session.handle());
        ASSERT_NE(m_database, 0u);
    }

    void TearDown() override { MsiCloseHandle(m_database); }

    TempDir m_dir;
    MsiSession m_session;
    MSIHANDLE m_database = 0;
};

TEST_F(MsiDatabaseTest, TheSessionTakesThePackagesProperties) {
    EXPECT_EQ(m_session.property(u"Title"), u"Café €");
    EXPECT_EQ(m_session.property(u"ProductCode"), u"{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(m_session.property(u"productcode"), u"") << "property names keep their case";
}

TEST_F(MsiDatabaseTest, DatabaseAndInstallationHandlesAreTold) {
    EXPECT_EQ(MsiGetDatabaseState(m_database), MSIDBSTATE_READ);
    EXPECT_EQ(MsiGetDatabaseState(m_session.handle()), MSIDBSTATE_ERROR);
    EXPECT_EQ(MsiGetDatabaseState(0), MSIDBSTATE_ERROR);
}

TEST_F(MsiDatabaseTest, AViewGivesColumnsAndTypedRows) {
    MSIHANDLE view = 0;
    ASSERT_EQ(MsiDatabaseOpenViewW(m_database, u"SELECT * FROM `Sample`", &view), ERROR_SUCCESS);
    MSIHANDLE row = 0;
    EXPECT_EQ(MsiViewFetch(view, &row), ERROR_FUNCTION_FAILED) << "not executed yet";
    ASSERT_EQ(MsiViewExecute(view, 0), ERROR_SUCCESS);

    MSIHANDLE names = 0, types = 0;
    ASSERT_EQ(MsiViewGetColumnInfo(view, MSICOLINFO_NAMES, &names), ERROR_SUCCESS);
    ASSERT_EQ(MsiViewGetColumnInfo(view, MSICOLINFO_TYPES, &types), ERROR_SUCCESS);
    ASSERT_EQ(MsiRecordGetFieldCount(names), 4u);
    const std::vector<std::u16string> expectedNames = {u"Key", u"Number", u"Text", u"Label"};
    const std::vector<std::u16string> expectedTypes = {u"s72", u"I4", u"S255", u"L64"};
    for (UINT field = 1; field <= 4; ++field) {
        EXPECT_EQ(recordText(names, field), expectedNames[field - 1]);
        EXPECT_EQ(recordText(types, field), expectedTypes[field - 1]);
    }
    MsiCloseHandle(names);
    MsiCloseHandle(types);

    ASSERT_EQ(MsiViewFetch(view, &row), ERROR_SUCCESS);
    EXPECT_EQ(recordText(row, 1), u"first");
    EXPECT_EQ(MsiRecordGetInteger(row, 2), -5);
    EXPECT_EQ(recordText(row, 2), u"-5");
    EXPECT_EQ(recordText(row, 3), u"some text");
    EXPECT_EQ(MsiRecordGetInteger(row, 3), MSI_NULL_INTEGER) << "a text is no integer";
    MsiCloseHandle(row);

    ASSERT_EQ(MsiViewFetch(view, &row), ERROR_SUCCESS);
    EXPECT_EQ(MsiRecordGetInteger(row, 2), MSI_NULL_INTEGER);
    EXPECT_EQ(recordText(row, 2), u"");
    EXPECT_EQ(recordText(row, 4), u"");
    MsiCloseHandle(row);

    EXPECT_EQ(MsiViewFetch(view, &row), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(MsiViewClose(view), ERROR_SUCCESS);
    EXPECT_EQ(MsiViewFetch(view, &row), ERROR_FUNCTION_FAILED) << "closed";
    EXPECT_EQ(MsiCloseHandle(view), ERROR_SUCCESS);
    EXPECT_EQ(MsiCloseHandle(view), ERROR_INVALID_HANDLE);
}

TEST_F(MsiDatabaseTest, ALongValueIsReadWithTheLengthFirst) {
    MSIHANDLE view = 0, row = 0;
    ASSERT_EQ(MsiDatabaseOpenViewW(m_database, u"SELECT `Text` FROM `Sample` WHERE `Key` = 'first'", &view),
              ERROR_SUCCESS);
    ASSERT_EQ(MsiViewExecute(view, 0), ERROR_SUCCESS);
    ASSERT_EQ(MsiViewFetch(view, &row), ERROR_SUCCESS);
    char16_t empty[1] = {0};
    DWORD length = 0;
    EXPECT_EQ(MsiRecordGetStringW(row, 1, empty, &length), ERROR_MORE_DATA);
    EXPECT_EQ(length, 9u);
    EXPECT_EQ(MsiRecordGetFieldCount(row), 1u);
    MsiCloseHandle(row);
    MsiCloseHandle(view);
}

TEST_F(MsiDatabaseTest, AMissingTableOrABadQueryOpensNoView) {
    MSIHANDLE view = 0;
    EXPECT_EQ(MsiDatabaseOpenViewW(m_database, u"SELECT * FROM `FW_XmlAttribute`", &view),
              ERROR_BAD_QUERY_SYNTAX);
    EXPECT_EQ(MsiDatabaseOpenViewW(m_database, u"SELEC nothing", &view), ERROR_BAD_QUERY_SYNTAX);
    EXPECT_EQ(MsiDatabaseOpenViewW(m_session.handle(), u"SELECT * FROM `Sample`", &view),
              ERROR_INVALID_HANDLE);
}

TEST_F(MsiDatabaseTest, TheDatabaseOutlivesTheSessionWhileItsHandleIsOpen) {
    MSIHANDLE database = 0;
    {
        MsiSession session;
        std::string error;
        ASSERT_TRUE(session.openPackage(m_dir / "db.msi", error));
        database = MsiGetActiveDatabase(session.handle());
    }
    MSIHANDLE view = 0;
    EXPECT_EQ(MsiDatabaseOpenViewW(database, u"SELECT * FROM `Sample`", &view), ERROR_SUCCESS);
    MsiCloseHandle(view);
    MsiCloseHandle(database);
}

} // namespace
