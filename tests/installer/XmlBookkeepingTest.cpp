#include "XmlBookkeeping.h"
#include "Registry.h"
#include "RegistryKey.h"
#include "TempDir.h"
#include "XmlTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const std::u16string kPath = u"/opt/app/web.config";

class XmlBookkeepingTest : public testing::Test {
protected:
    void SetUp() override { setenv("TOLVANE_REGISTRY_DIR", m_dir.path().c_str(), 1); }

    // The value of a file, "(none)" when it has none.
    std::string value(const std::u16string& name) const {
        RegistryKey key;
        std::u16string text;
        if (!key.open(m_books.keyPath(), false) || !key.readString(name, text))
            return "(none)";
        return narrow(text);
    }
    void setValue(const std::u16string& text) const {
        RegistryKey key;
        ASSERT_TRUE(key.open(m_books.keyPath(), true));
        key.writeString(kPath, text);
    }

    TempDir m_dir;
    XmlBookkeeping m_books{u"{P}"};
};

TEST_F(XmlBookkeepingTest, EntriesAreAppendedAndLookedUp) {
    struct Case {
        const char16_t* before; // null: no value
        const char16_t* recorded;
        const char* after;
        const char* lookup;
    } cases[] = {
        {nullptr, u"C", "C", "C"}, {u"A", u"C", "A|C", "A"},  {u"A|", u"C", "A|C", "A"},
        {u"*", u"B", "*|B", "B"},  {u"*|", u"*", "*|*", "*"},
    };
    for (const Case& c : cases) {
        m_books.deleteBookkeepingKey();
        if (c.before)
            setValue(c.before);
        m_books.recordEntry(c.recorded, kPath);
        EXPECT_EQ(value(kPath), c.after) << narrow(c.recorded);
        EXPECT_EQ(narrow(m_books.lookupEntry(kPath)), c.lookup) << c.after;
    }
    setValue(u"*");
    EXPECT_EQ(narrow(m_books.lookupEntry(kPath)), "*");
    EXPECT_EQ(narrow(m_books.lookupEntry(u"/other")), "");
}

// Removing an entry removes it, also the last one: no value keeps naming
// a backup that is gone.
TEST_F(XmlBookkeepingTest, RemovingAnEntryLeavesTheOthersAndDeletesAnEmptyValue) {
    struct Case {
        const char16_t* before;
        const char16_t* removed;
        const char* after;
    } cases[] = {
        {u"A|B", u"B", "A"}, {u"A|B", u"A", "B"},     {u"A", u"A", "(none)"},
        {u"*|B", u"B", "*"}, {u"A|B|A", u"A", "A|B"}, {u"A|B", u"C", "A|B"},
    };
    for (const Case& c : cases) {
        setValue(c.before);
        m_books.removeEntry(c.removed, kPath);
        EXPECT_EQ(value(kPath), c.after) << narrow(c.before) << " less " << narrow(c.removed);
    }
}

TEST_F(XmlBookkeepingTest, TheRunKnowsOnlyTheEntriesItAdded) {
    setValue(u"*|/opt/app/web.config.back");
    EXPECT_TRUE(m_books.runEntries(kPath).empty());
    m_books.recordEntry(u"/opt/app/web.config.1.back", kPath);
    m_books.recordEntry(u"/opt/app/web.config.2.back", kPath);
    EXPECT_EQ(m_books.runEntries(kPath),
              (std::vector<std::u16string>{u"/opt/app/web.config.1.back", u"/opt/app/web.config.2.back"}));
    EXPECT_EQ(value(kPath),
              "*|/opt/app/web.config.back|/opt/app/web.config.1.back|/opt/app/web.config.2.back");
    m_books.forgetRun(kPath);
    EXPECT_TRUE(m_books.runEntries(kPath).empty());
    EXPECT_EQ(value(u"Pending|" + kPath), "(none)");
    EXPECT_EQ(value(kPath),
              "*|/opt/app/web.config.back|/opt/app/web.config.1.back|/opt/app/web.config.2.back");
}

TEST_F(XmlBookkeepingTest, DeletingTheKeyKeepsOtherProductsAndTheMakersValues) {
    XmlBookkeeping other(u"{Q}");
    other.recordEntry(u"*", kPath);
    m_books.recordEntry(u"*", kPath);
    m_books.deleteKeyWhenEmpty();
    EXPECT_TRUE(Registry::keyExists(m_books.keyPath())) << "it holds a value";
    m_books.deleteBookkeepingKey();
    EXPECT_FALSE(Registry::keyExists(m_books.keyPath()));
    EXPECT_TRUE(Registry::keyExists(other.keyPath()));

    Registry::setValue(u"Software\\Dulvarn", u"Licence", REG_SZ, std::string("x\0", 2));
    other.deleteBookkeepingKey();
    EXPECT_FALSE(Registry::keyExists(u"Software\\Dulvarn\\Fernwise"));
    EXPECT_TRUE(Registry::keyExists(u"Software\\Dulvarn")) << "it holds a value";
    m_books.deleteBookkeepingKey(); // nothing left to delete
    EXPECT_TRUE(Registry::keyExists(u"Software\\Dulvarn"));
}

} // namespace
