#include "ItemListePlus.h"
#include "ProcessProjectFixture.h"
#include "TextInStream.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// A project whose tree holds one item, "Current", with a tree file of each
// older format beside it: "tree013.dat" and "tree014.dat".
class MigrationTest : public testing::Test {
protected:
    void SetUp() override { m_manager = f.open(); }
    // Each item as level, name, url, target, visible and frame flags.
    std::vector<std::string> tree() const {
        std::vector<std::string> out;
        for (int i = 1; i <= m_manager->getItemCount(); ++i) {
            const Item* item = m_manager->getItemList()->at(i);
            out.push_back(std::to_string(item->getLevel()) + " " + item->getName().str() + " " +
                          item->getUrl().str() + (item->isBlankTarget() ? " blank" : "") +
                          (item->isVisible() ? "" : " hidden") + (item->isFrame() ? " framed" : ""));
        }
        return out;
    }

    ProcessProjectFixture f{"migration"};
    ProcessManager* m_manager = nullptr;
};

TEST_F(MigrationTest, Version013AddsItsItemsWithNewUids) {
    TextInStream file((f.dir / "proj/tree013.dat").c_str());
    m_manager->migrate013_015(file);
    EXPECT_EQ(tree(), (std::vector<std::string>{
                          "0 Current ../site/Current/overview.htm",
                          "0 Home ../site/Home/overview.htm",
                          "1 Qualit\xE9 ../site/Home/Qualite/overview.htm blank",
                          "2 Plan, draft ../site/Home/Qualite/Plan/overview.htm",
                          "1 Web http://example.org",
                      }));
    ItemListePlus* list = m_manager->getItemList();
    EXPECT_EQ(list->at(3)->getParent(), list->at(2));
    EXPECT_EQ(list->at(4)->getParent(), list->at(3));
    EXPECT_EQ(list->at(5)->getParent(), list->at(2));
    EXPECT_EQ(list->at(3)->getIcon(), "bookc.gif");
    std::set<std::string> uids;
    for (int i = 2; i <= 5; ++i)
        uids.insert(list->at(i)->getUid().str());
    EXPECT_EQ(uids.size(), 4u);
    EXPECT_EQ(uids.count(""), 0u);
    EXPECT_EQ(m_manager->isLinkRefreshPending(), 0);
    EXPECT_NE(f.read("tolvane/MenuTreeV2.dat")
                  .find("*Plan\\comma draft*../site/Home/Qualite/Plan/overview.htm* *bookc.gif*"),
              std::string::npos);
    EXPECT_NE(f.read("tolvane/MenuTreeV2.dat").find("*Current*"), std::string::npos);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(MigrationTest, Version014ReplacesTheTreeAndTakesFramesFromTheDataFiles) {
    Item* current = m_manager->findItemByUid("N100");
    TextInStream file((f.dir / "proj/tree014.dat").c_str());
    m_manager->migrate014_015(file);
    // The file says "false" for every frame; the data files decide.
    EXPECT_EQ(tree(), (std::vector<std::string>{
                          "0 Home ../site/Home/overview.htm",
                          "1 Plan ../site/Home/Plan/overview.htm hidden",
                          "1 Framed ../site/Home/Framed/overview.htm blank framed",
                      }));
    EXPECT_EQ(m_manager->findItemByUid("N3")->getParent(), m_manager->findItemByUid("N1"));
    EXPECT_EQ(m_manager->findItemByUid("N100"), nullptr);
    EXPECT_EQ(current->getName(), "Current"); // out of the tree, not freed
    EXPECT_EQ(f.read("tolvane/MenuTreeV2.dat"),
              "\r\n0*N1*Home*../site/Home/overview.htm* *home.gif*home.gif*f*true*false* * *"
              "\r\n1*N2*Plan*../site/Home/Plan/overview.htm* *bookc.gif*booko.gif*f*false*false* * *"
              "\r\n1*N3*Framed*../site/Home/Framed/overview.htm*_blank*bookc.gif*booko.gif*f*true*true* * *");
    EXPECT_EQ(f.window.calls.back(), "rebuildTree 3");
    EXPECT_TRUE(f.ui.messages.empty());
}

} // namespace
