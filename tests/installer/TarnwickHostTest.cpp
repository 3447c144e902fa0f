// msihost opens a package built with msibuild and runs Tarnwick's
// TestXmlUpdateDataReader as an immediate action: the action data it
// leaves in "CustomActionData" holds the package's properties and the rows
// of its tables, read back here from the log.

#include "RunProgram.h"
#include "TarnwickPackage.h"
#include "TempDir.h"
#include "XmlUpdateDataReader.h"

#include "Encoding.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The value of the last "Property set: NAME = '...'" line, with the control
// characters that the log writes as <U+0001> put back.
std::u16string loggedProperty(const std::string& log, const std::string& name) {
    const std::string prefix = "Property set: " + name + " = '";
    std::string value;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(prefix) && line.ends_with("'"))
            value = line.substr(prefix.size(), line.size() - prefix.size() - 1);
    }
    std::string decoded;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 3, "<U+") == 0 && i + 8 <= value.size() && value[i + 7] == '>') {
            decoded += static_cast<char>(std::stoi(value.substr(i + 3, 4), nullptr, 16));
            i += 7;
        } else {
            decoded += value[i];
        }
    }
    return encoding::utf8ToUtf16(decoded);
}

TEST(TarnwickHostTest, ThePackagesPropertiesAndRowsReachTheActionData) {
    TempDir dir;
    const std::string package = dir / "product.msi";
    PackageBuilder builder;
    builder
        .properties({{"ProductName", "Démo"},
                     {"ProductCode", "{11111111-2222-3333-4444-555555555555}"},
                     {"INSTALLDIR", "/opt/demo/"},
                     {"PORT", "8080"}})
        .components({"Web", "Docs"})
        .customActions({{"PackXmlData", "1", "Tarnwick", "TestXmlUpdateDataReader"}})
        .executeSequence({{"CostInitialize", "", "800"}, {"PackXmlData", "NOT REMOVE", "1000"}});
    xmlFileTable(builder,
                 {{"web", "WEB~1.CON|web.config", "INSTALLDIR", "Web", "cfg", "8", "1.0", "UTF-8", "2", ""},
                  {"docs", "docs.xml", "INSTALLDIR", "Docs", "d", "", "", "", "", ""}});
    xmlElementTable(
        builder, {{"cfg", "", "configuration", "0", "0", ""}, {"port", "cfg", "port", "1", "16", "[PORT]"}});
    builder.table("FW_XmlAttribute", {"XmlAttribute", "XmlElement", "Name", "Flags", "Order", "Value"},
                  {"s72", "s72", "s255", "I4", "I4", "S0"},
                  {{"a1", "port", "path", "0", "1", "[INSTALLDIR]www"}});
    ASSERT_EQ(builder.build(package), "");

    // Docs is installed already and stays: its row is not packed.
    const ProgramResult result =
        runProgram({MSIHOST_PROGRAM, "--component", "Docs=3,-1", package, TARNWICK_MODULE, "PORT=9090"});
    ASSERT_EQ(result.exitCode, 0) << result.output << result.errors;

    XmlUpdateDataReader reader(loggedProperty(result.output, "CustomActionData"));
    ASSERT_TRUE(reader.unpack()) << result.output;
    ASSERT_EQ(reader.sections().size(), 4u);
    EXPECT_EQ(reader.property(u"ProductName"), u"Démo");
    EXPECT_EQ(reader.property(u"ProductCode"), u"{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(reader.property(u"REMOVE"), u"");
    using Rows = ActionData::Section;
    EXPECT_EQ(reader.section(1), (Rows{{u"web", u"WEB~1.CON|web.config", u"/opt/demo/", u"Web", u"cfg", u"8",
                                        u"1.0", u"UTF-8", u"2", u""}}));
    EXPECT_EQ(reader.section(2), (Rows{{u"cfg", u"", u"configuration", u"0", u"0", u""},
                                       {u"port", u"cfg", u"port", u"1", u"16", u"9090"}}));
    EXPECT_EQ(reader.section(3), (Rows{{u"a1", u"port", u"path", u"0", u"1", u"/opt/demo/www"}}));
}

} // namespace
