#include "ModuleIdScope.h"
#include "MsiSession.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

namespace {

const std::u16string kId = u"12345678_ABCD_ABCD_ABCD_123456789ABC";

class ModuleIdScopeTest : public testing::Test {
protected:
    std::string moduleIdProperty() const { return narrow(m_session.property(u"FW_XML_MODULE_ID")); }
    MsiSession m_session;
};

TEST_F(ModuleIdScopeTest, OnlyAnIdOf36CharactersSuffixesTheActions) {
    struct Case {
        std::u16string data;
        std::u16string id;
        std::u16string base;
        std::u16string name;
    } cases[] = {
        {u"abc", u"", u"FW_XmlRollback", u"FW_XmlRollback"},
        {u"", u"", u"FW_XmlConfig", u"FW_XmlConfig"},
        {kId, kId, u"FW_XmlCommit", u"FW_XmlCommit." + kId},
        {kId, kId, u"", u""},
        {kId, kId, u"FW_XmlRemove." + kId, u"FW_XmlRemove." + kId}, // ends with the id already
    };
    for (const Case& c : cases) {
        m_session.setProperty(u"CustomActionData", c.data);
        {
            ModuleIdScope scope(m_session.handle());
            EXPECT_EQ(narrow(scope.moduleId()), narrow(c.id));
            EXPECT_EQ(moduleIdProperty(), narrow(c.id));
            EXPECT_EQ(narrow(scope.actionName(c.base)), narrow(c.name));
        }
        EXPECT_EQ(moduleIdProperty(), "") << "emptied when the scope ends";
    }
}

TEST_F(ModuleIdScopeTest, TheRowFilterKeepsTheRowsOfItsOwnModule) {
    struct Case {
        std::u16string id;
        const char16_t* table;
        std::u16string key;
        int condition;
        int result;
    } cases[] = {
        {kId, u"FW_XmlFile", u"Settings." + kId, 1, 1},
        {kId, u"FW_XmlFile", u"Settings.xml", 1, 0},
        {kId, u"FW_XmlElement", u"Settings.xml", 1, 1},
        {kId, u"FW_XmlFile", u"Settings." + kId, 0, 0},
        {u"", u"FW_XmlFile", u"Settings." + kId, 1, 0},
        {u"", u"FW_XmlFile", u"Settings.xml", 1, 1},
        {u"", u"FW_XmlFile", u"Settings.12345678_ABCD_ABCD_ABCD_123456789ABG", 1, 1}, // no GUID
        {u"", u"FW_XmlFile", u"Settings_12345678_ABCD_ABCD_ABCD_123456789ABC", 1, 1}, // no dot
        {u"", u"FW_XmlFile", u"." + kId, 1, 1},                                       // too short
        {u"", u"FW_XmlFile", u"Settings." + kId, 3, 3}, // a condition not true passes through
    };
    for (const Case& c : cases) {
        m_session.setProperty(u"CustomActionData", c.id);
        ModuleIdScope scope(m_session.handle());
        EXPECT_EQ(scope.filterRow(c.table, m_session.handle(), {{u"XmlFile", c.key}}, c.condition), c.result)
            << narrow(c.id) << " " << narrow(c.table) << " " << narrow(c.key);
    }
}

} // namespace
