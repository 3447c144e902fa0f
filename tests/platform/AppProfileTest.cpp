#include "AppProfile.h"
#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class AppProfileTest : public testing::Test {
protected:
    void SetUp() override { setenv("TOLVANE_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    TempDir m_dir;
};

TEST_F(AppProfileTest, KeepsValuesUnderTheRegistryFolder) {
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last", ""), "");
    EXPECT_EQ(AppProfile::GetProfileInt("Parameters", "TipsActivated", 1), 1);
    ASSERT_TRUE(AppProfile::WriteProfileString("File", "Last", "/home/u/proj/site.tvx"));
    ASSERT_TRUE(AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0));
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last", ""), "/home/u/proj/site.tvx");
    EXPECT_EQ(AppProfile::GetProfileInt("Parameters", "TipsActivated", 1), 0);
    EXPECT_EQ(m_dir.read("Maravex Process/Tolvane.ini"),
              "[File]\r\nLast=/home/u/proj/site.tvx\r\n[Parameters]\r\nTipsActivated=0\r\n");
}

TEST_F(AppProfileTest, NonNumericIntegerGivesTheDefault) {
    m_dir.write("Maravex Process/Tolvane.ini", "[Parameters]\r\nTipsActivated=abc\r\n");
    EXPECT_EQ(AppProfile::GetProfileInt("Parameters", "TipsActivated", 1), 1);
}

} // namespace
