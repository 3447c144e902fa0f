// The registry keys of the current user, under the test run's own registry
// folder (TOLVANE_REGISTRY_DIR).

#include "RegistryKey.h"
#include "Registry.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const std::u16string kKey = u"Software\\Dulvarn\\Fernwise\\XML Config\\{AAAA}";

class RegistryKeyTest : public testing::Test {
protected:
    void SetUp() override { setenv("TOLVANE_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    TempDir m_dir;
};

TEST_F(RegistryKeyTest, WritesAndReadsTextValuesByNameIgnoringCase) {
    RegistryKey key;
    EXPECT_FALSE(key.open(kKey, false)) << "missing";
    ASSERT_TRUE(key.open(kKey, true));
    const std::u16string path = u"/opt/app/web.config";
    EXPECT_TRUE(key.writeString(path, u"*|/opt/app/web.config.back"));
    EXPECT_TRUE(key.writeString(u"Tab\tand\\back\nslash", u"é€"));
    std::u16string value;
    EXPECT_TRUE(key.readString(u"/OPT/app/WEB.config", value));
    EXPECT_EQ(value, u"*|/opt/app/web.config.back");
    EXPECT_TRUE(key.readString(u"Tab\tand\\back\nslash", value));
    EXPECT_EQ(value, u"é€");
    EXPECT_FALSE(key.readString(u"missing", value));
    EXPECT_EQ(key.valueCount(), 2);

    RegistryKey again;
    ASSERT_TRUE(again.open(u"software\\DULVARN\\fernwise\\xml config\\{aaaa}", false))
        << "key names ignore case";
    EXPECT_TRUE(again.writeString(u"/opt/app/WEB.CONFIG", u"A|"));
    EXPECT_EQ(again.valueCount(), 2) << "the same value, written again";
    EXPECT_TRUE(key.readString(path, value));
    EXPECT_EQ(value, u"A|");

    EXPECT_TRUE(key.deleteValue(u"/OPT/APP/web.config"));
    EXPECT_FALSE(key.readString(path, value));
    EXPECT_FALSE(key.deleteValue(path)) << "already gone";
    EXPECT_EQ(key.valueCount(), 1);
}

TEST_F(RegistryKeyTest, OnlyTextValuesReadAsTextAndTheirNulIsDropped) {
    ASSERT_TRUE(Registry::createKey(kKey));
    Registry::setValue(kKey, u"number", REG_DWORD, std::string("\x05\0\0\0", 4));
    Registry::setValue(kKey, u"expand", REG_EXPAND_SZ, std::string("%\0X\0%\0", 6));
    Registry::setValue(kKey, u"with nul", REG_SZ, std::string("a\0b\0\0\0", 6));
    Registry::setValue(kKey, u"empty", REG_SZ, "");
    RegistryKey key;
    ASSERT_TRUE(key.open(kKey, false));
    std::u16string value;
    EXPECT_FALSE(key.readString(u"number", value));
    EXPECT_FALSE(key.readString(u"empty", value));
    EXPECT_TRUE(key.readString(u"expand", value));
    EXPECT_EQ(value, u"%X%") << "left unexpanded";
    EXPECT_TRUE(key.readString(u"with nul", value));
    EXPECT_EQ(value, u"ab");
}

TEST_F(RegistryKeyTest, SubkeysAreDeletedOnlyWithoutKeysBelowThem) {
    ASSERT_TRUE(Registry::createKey(kKey));
    RegistryKey product;
    ASSERT_TRUE(product.open(kKey, false));
    product.writeString(u"file", u"*");

    RegistryKey maker;
    ASSERT_TRUE(maker.open(u"Software\\Dulvarn", true));
    EXPECT_FALSE(maker.deleteSubkey(u"Fernwise", true)) << "it has keys below it";

    RegistryKey config;
    ASSERT_TRUE(config.open(u"Software\\Dulvarn\\Fernwise\\XML Config", true));
    EXPECT_TRUE(config.deleteSubkey(u"{AAAA}", false)) << "kept, as it holds values";
    EXPECT_TRUE(Registry::keyExists(kKey));
    EXPECT_TRUE(config.deleteSubkey(u"{AAAA}", true));
    EXPECT_FALSE(Registry::keyExists(kKey));
    EXPECT_FALSE(config.deleteSubkey(u"{AAAA}", true)) << "already gone";

    EXPECT_TRUE(maker.deleteSubkey(u"Fernwise\\XML Config", false));
    EXPECT_TRUE(maker.deleteSubkey(u"Fernwise", false));
    EXPECT_FALSE(Registry::keyExists(u"Software\\Dulvarn\\Fernwise"));
    EXPECT_EQ(maker.valueCount(), 0);
}

TEST_F(RegistryKeyTest, KeyNamesThatAreNoFileNamesAreKept) {
    const std::u16string odd = u"Software\\a/b%c\\..";
    ASSERT_TRUE(Registry::createKey(odd));
    RegistryKey key;
    ASSERT_TRUE(key.open(odd, false));
    EXPECT_TRUE(key.writeString(u"v", u"1"));
    EXPECT_TRUE(m_dir.exists("HKEY_CURRENT_USER/Software/a%2Fb%25c/%2E./%values"));
}

TEST_F(RegistryKeyTest, DamagedLinesOfAValuesFileAreSkipped) {
    ASSERT_TRUE(Registry::createKey(u"Software\\Damaged"));
    m_dir.write("HKEY_CURRENT_USER/Software/Damaged/%values", "bad\n\tx\tzz\nname\t1\t6100\nodd\t1\t610\n");
    RegistryKey key;
    ASSERT_TRUE(key.open(u"Software\\Damaged", false));
    std::u16string value;
    EXPECT_TRUE(key.readString(u"name", value));
    EXPECT_EQ(value, u"a");
    EXPECT_EQ(key.valueCount(), 1);
}

} // namespace
