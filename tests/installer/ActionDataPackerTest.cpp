// Packing properties and tables of a package built with msibuild, read
// through the installer stand-in.

#include "ActionDataPacker.h"
#include "MsiDatabase.h"
#include "MsiSession.h"
#include "RowFilter.h"
#include "TarnwickPackage.h"
#include "TempDir.h"
#include "XmlUpdateDataReader.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<ActionData::Row>;

class ActionDataPackerTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string package = m_dir / "tarnwick.msi";
        PackageBuilder builder;
        builder
            .properties({{"ProductName", "Demo"},
                         {"ProductCode", "{11111111-2222-3333-4444-555555555555}"},
                         {"INSTALLDIR", "/opt/demo/"}})
            .components({"New", "Gone"});
        xmlFileTable(builder,
                     {{"f1", "APP~1.XML|app.xml", "INSTALLDIR", "New", "root", "8", "1.0", "UTF-8", "2", ""},
                      {"f2", "old.xml", "UNSETDIR", "Gone", "root", "-5", "", "", "", ""},
                      {"f3", "x.xml", "", "New", "root", "", "", "", "", ""}});
        xmlElementTable(builder, {{"root", "", "configuration", "0", "0", ""},
                                  {"e1", "root", "path", "1", "", "[INSTALLDIR]bin"}});
        ASSERT_EQ(builder.build(package), "");
        std::string error;
        ASSERT_TRUE(m_session.openPackage(package, error)) << error;
        m_session.setComponentState(u"Gone", INSTALLSTATE_LOCAL, INSTALLSTATE_ABSENT);
    }

    Rows section(const std::u16string& packed, size_t index) {
        XmlUpdateDataReader reader(packed);
        reader.unpack();
        return reader.section(index);
    }

    TempDir m_dir;
    MsiSession m_session;
};

TEST_F(ActionDataPackerTest, PropertiesArePackedInTheirOrderUnsetOnesEmpty) {
    m_session.setProperty(u"REMOVE", u"ALL");
    EXPECT_EQ(ActionDataPacker::packProperties(m_session.handle(), ActionDataPacker::packedProperties()),
              u"ProductName\u0001Demo\u0002ProductCode\u0001{11111111-2222-3333-4444-555555555555}\u0002"
              u"REMOVE\u0001ALL\u0002FW_TEST_XML_FILE_DIRECTORY\u0001\u0002FW_TEST_XML_FILE_NAME\u0001\u0002"
              u"FW_XML_MODULE_ID\u0001");
    EXPECT_EQ(ActionDataPacker::packProperties(m_session.handle(), {u"productcode"}), u"productcode\u0001");
}

TEST_F(ActionDataPackerTest, InstallPacksTheRowsOfComponentsBeingInstalled) {
    MsiDatabase database(m_session.handle());
    const std::u16string packed = ActionDataPacker::packUpdateData(database, m_session.handle(),
                                                                   ActionDataPacker::Mode::Install, nullptr);
    EXPECT_TRUE(packed.ends_with(u"\u0003")) << "the missing FW_XmlAttribute gives an empty last section";
    EXPECT_EQ(section(packed, 1), (Rows{{u"f1", u"APP~1.XML|app.xml", u"/opt/demo/", u"New", u"root", u"8",
                                         u"1.0", u"UTF-8", u"2", u""},
                                        {u"f3", u"x.xml", u"", u"New", u"root", u"", u"", u"", u"", u""}}));
    EXPECT_EQ(section(packed, 2), (Rows{{u"root", u"", u"configuration", u"0", u"0", u""},
                                        {u"e1", u"root", u"path", u"1", u"", u"/opt/demo/bin"}}));
    EXPECT_TRUE(section(packed, 3).empty());
}

TEST_F(ActionDataPackerTest, UninstallPacksTheRowsOfComponentsBeingRemoved) {
    MsiDatabase database(m_session.handle());
    const std::u16string packed =
        ActionDataPacker::packTables(database, m_session.handle(), TableDescriptor::updateTables(),
                                     ActionDataPacker::Mode::Uninstall, nullptr);
    // An unset directory property packs as an empty field; minus five stays.
    EXPECT_EQ(section(packed, 0),
              (Rows{{u"f2", u"old.xml", u"", u"Gone", u"root", u"-5", u"", u"", u"", u""}}));
}

TEST_F(ActionDataPackerTest, TheRowFilterHasTheLastWord) {
    struct OnlyF3 : RowFilter {
        int filterRow(const std::u16string& table, MSIHANDLE, const Row& row, int result) override {
            tables.push_back(table);
            return result == 1 && row.at(u"XmlFile") == u"f3" ? 1 : 0;
        }
        std::vector<std::u16string> tables;
    } filter;
    MsiDatabase database(m_session.handle());
    const std::u16string packed =
        ActionDataPacker::packTables(database, m_session.handle(), TableDescriptor::updateTables(),
                                     ActionDataPacker::Mode::Install, &filter);
    ASSERT_EQ(section(packed, 0).size(), 1u);
    EXPECT_EQ(section(packed, 0)[0][0], u"f3");
    EXPECT_EQ(section(packed, 1).size(), 2u) << "a table without component column is not filtered";
    EXPECT_EQ(filter.tables, std::vector<std::u16string>(3, u"FW_XmlFile"));
}

TEST_F(ActionDataPackerTest, TheDatabaseReadsTypedColumnsAndAMissingTableAsEmpty) {
    MsiDatabase database(m_session.handle());
    ASSERT_TRUE(database.query(u"FW_XmlElement"));
    EXPECT_EQ(database.columnTypes(), u"sssiis");
    EXPECT_EQ(database.columnNames().front(), u"XmlElement");
    EXPECT_EQ(database.rows().size(), 2u);
    EXPECT_FALSE(database.query(u"FW_XmlAttribute"));
    EXPECT_TRUE(database.rows().empty());
    EXPECT_TRUE(database.columnNames().empty());
}

TEST(ActionDataPackerConditionTest, ComponentConditionsAsTheInstallerReadsThem) {
    EXPECT_EQ(ActionDataPacker::componentCondition(u"Comp1", ActionDataPacker::Mode::Install),
              u"((?Comp1=2) AND ($Comp1=3)) OR (?Comp1 = $Comp1)");
    EXPECT_EQ(ActionDataPacker::componentCondition(u"Comp1", ActionDataPacker::Mode::Uninstall),
              u"((?Comp1=3) AND ($Comp1=2))");
}

} // namespace
