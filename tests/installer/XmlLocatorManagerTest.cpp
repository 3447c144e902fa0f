#include "XmlLocatorManager.h"
#include "MsiRecord.h"
#include "MsiSession.h"
#include "TempDir.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<ActionData::Row>;

const std::string kConfig = "<?xml version=\"1.0\"?>\r\n"
                            "<config>\r\n"
                            "  <item name=\"a\" mode=\"off\">first</item>\r\n"
                            "  <item name=\"b\" mode=\"on\">second</item>\r\n"
                            "  <group kind=\"y\">\r\n"
                            "    <item name=\"c\" flag=\"on\">third</item>\r\n"
                            "  </group>\r\n"
                            "  <group kind=\"x\">\r\n"
                            "    <item name=\"d\" state=\"on\">fourth</item>\r\n"
                            "  </group>\r\n"
                            "  <Item name=\"e\"/>\r\n"
                            "</config>\r\n";

class XmlLocatorManagerTest : public testing::Test {
protected:
    void SetUp() override {
        m_session.setMessageHandler(
            [this](std::uint32_t type, const MsiRecord& record, const std::u16string&) {
                if ((type & INSTALLMESSAGE_TYPEMASK) == INSTALLMESSAGE_ERROR)
                    m_errors.push_back(record.integer(1));
                return IDOK;
            });
        m_dir.write("config.xml", kConfig);
    }

    std::u16string file(const std::string& name) const { return wide(m_dir / name); }

    UINT run(const Rows& patterns, const Rows& locators) {
        XmlUpdateDataReader data(ActionData::pack({patterns, locators}));
        data.unpack();
        XmlLocatorManager manager(m_session.handle());
        manager.load(data);
        return manager.run();
    }
    std::string property(const std::u16string& name) const { return narrow(m_session.property(name)); }

    TempDir m_dir;
    MsiSession m_session;
    std::vector<int> m_errors;
};

TEST_F(XmlLocatorManagerTest, EachPatternTakesTheFirstElementThatPassesItsTests) {
    const Rows patterns = {
        {u"cfg", file("config.xml"), u"", u"config", u"0"},
        {u"item", u"", u"cfg", u"item", u"1"},
        {u"any", u"", u"cfg", u"ITEM", u"2"},
        {u"third", u"", u"cfg", u"group", u"3"},
    };
    const Rows locators = {
        // An attribute whose value is "on": the name of that attribute.
        {u"l1", u"item", u"ITEMNAME", u"16", u"on", u"4", u"1"},
        // An element with one earlier sibling: its text; empty texts match
        // everything, paths ignore case.
        {u"l2", u"any", u"SECOND", u"1", u"1", u"2", u"1"},
        {u"l3", u"any", u"ANYTEXT", u"2", u"", u"2", u"2"},
        // Exactly two earlier siblings, whatever their names: its name.
        {u"l4", u"third", u"THIRD", u"1", u"2", u"1", u"1"},
        // An attribute named "kind": the value of the first attribute named "kind".
        {u"l5", u"third", u"KIND", u"4", u"kind", u"16", u"2"},
    };
    EXPECT_EQ(run(patterns, locators), 0u);
    EXPECT_EQ(property(u"ITEMNAME"), "mode");
    EXPECT_EQ(property(u"SECOND"), "second");
    EXPECT_EQ(property(u"ANYTEXT"), "second") << "tests of one pattern hold together";
    EXPECT_EQ(property(u"THIRD"), "group");
    EXPECT_EQ(property(u"KIND"), "y");
    EXPECT_TRUE(m_errors.empty());
}

// The tests of a parent pattern must hold on the parent of the element
// found, though the parent pattern's own properties come from its own
// first match.
TEST_F(XmlLocatorManagerTest, TheTestsOfParentPatternsHoldOnTheAncestors) {
    const Rows patterns = {
        {u"cfg", file("config.xml"), u"", u"config", u"0"},
        {u"group", u"", u"cfg", u"group", u"1"},
        {u"item", u"", u"group", u"item", u"1"},
    };
    const Rows locators = {
        {u"g", u"group", u"GROUP", u"16", u"x", u"2", u"1"},
        {u"i", u"item", u"ATTRIBUTE", u"16", u"on", u"4", u"1"},
    };
    EXPECT_EQ(run(patterns, locators), 0u);
    EXPECT_EQ(property(u"ATTRIBUTE"), "state") << "the item of the group of kind x";
    EXPECT_EQ(property(u"GROUP"), "") << "the group holds only elements";

    // A locator without a property still tests.
    const Rows failing = {{u"i", u"item", u"NONE", u"2", u"third", u"1", u"1"},
                          {u"g", u"group", u"", u"16", u"x", u"1", u"1"}};
    m_session.setProperty(u"NONE", u"kept");
    EXPECT_EQ(run(patterns, failing), 0u);
    EXPECT_EQ(property(u"NONE"), "kept") << "no item of a group of kind x has that text";
}

TEST_F(XmlLocatorManagerTest, MissingFilesAreSkippedAndUnreadableOnesEndTheRun) {
    m_dir.write("broken.xml", "<config><item>");
    m_session.setProperty(u"FOUND", u"before");
    const Rows patterns = {
        {u"gone", file("missing.xml"), u"", u"config", u"0"},
        {u"gi", u"", u"gone", u"item", u"0"},
        // A pattern whose parent is no pattern is a root of its own.
        {u"own", file("config.xml"), u"nowhere", u"config", u"0"},
        {u"oi", u"", u"own", u"item", u"0"},
        {u"bad", file("broken.xml"), u"", u"config", u"0"},
        {u"bi", u"", u"bad", u"item", u"0"},
        {u"late", file("config.xml"), u"", u"config", u"0"},
        {u"li", u"", u"late", u"item", u"0"},
    };
    const Rows locators = {
        {u"1", u"gi", u"FOUND", u"0", u"", u"2", u"0"},        {u"2", u"oi", u"OWN", u"0", u"", u"2", u"0"},
        {u"3", u"bi", u"BROKEN", u"0", u"", u"2", u"0"},       {u"4", u"li", u"LATE", u"0", u"", u"2", u"0"},
        {u"5", u"nothing", u"DROPPED", u"0", u"", u"2", u"0"},
    };
    EXPECT_EQ(run(patterns, locators), 1603u);
    EXPECT_EQ(property(u"FOUND"), "before");
    EXPECT_EQ(property(u"OWN"), "first");
    EXPECT_EQ(m_errors, std::vector<int>{4113});
    EXPECT_EQ(property(u"LATE"), "") << "not searched after the error";
    EXPECT_EQ(kConfig, m_dir.read("config.xml"));
}

} // namespace
