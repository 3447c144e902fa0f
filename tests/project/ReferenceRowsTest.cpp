// The grids of item references on the activity and work product sheets, on
// a project where two roles and two work products share a name and a role
// and a work product have a "/" in theirs: the rows keep the items they
// were read with, so an OK that changed nothing writes the same references.

#include "ReferenceRows.h"
#include "ActivityPages.h"
#include "ItemActivity.h"
#include "ProcessProjectFixture.h"
#include "ScriptedEditing.h"
#include "WinTypes.h"
#include "WorkProductPages.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class ReferenceRowsTest : public testing::Test {
protected:
    ReferenceRowsTest() : f("same-names") {}
    void SetUp() override { f.open(); }
    std::string dataKey(const std::string& folder, const char* key) const {
        char value[1000] = "";
        GetPrivateProfileStringA("PROCESSUS", key, "", value, sizeof value,
                                 (f.dir / ("proj/site/" + folder + "/process.data")).c_str());
        return value;
    }
    ProcessProjectFixture f;
};

TEST_F(ReferenceRowsTest, AnUnchangedOkWritesTheSameReferences) {
    ScriptedEditing editing([](PropertySheet&) { return IDOK; });
    f.item("N8")->edit();
    f.item("N14")->edit();
    EXPECT_EQ(editing.titles.size(), 2u);
    const struct {
        const char* folder;
        const char* key;
        const char* references;
    } cases[] = {
        // The second Analyst and "QA/QC manager" stay; a plain name still
        // names the first role of that name.
        {"Process/Review", "Roles", "~N6/responsible,~N4/approver,~N3/informed"},
        // The second Report with its own Draft, and "Test/QA plan".
        {"Process/Review", "InWorkProducts", "~N14/N15/1,~N12//2"},
        {"Process/Review", "OutWorkProducts", "~N10//1"},
        {"Archive/Report", "Author", "~N6/author,~N4/reviewed by"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dataKey(c.folder, c.key), c.references) << c.key;
}

TEST_F(ReferenceRowsTest, RowsShowTheNamesOfTheItemsTheyKeep) {
    ActivityRolesWPsDialogMgt links(f.manager.get(), f.item("N8"));
    ASSERT_EQ(links.m_roles.size(), 3u);
    EXPECT_EQ(links.m_roles[0].cells, (std::vector<CString>{"Analyst", "responsible"}));
    EXPECT_EQ(links.m_roles[0].uid, "n6");
    EXPECT_EQ(links.m_roles[1].cells, (std::vector<CString>{"QA/QC manager", "approver"}));
    EXPECT_EQ(links.m_roles[2].cells, (std::vector<CString>{"analyst", "informed"}));
    EXPECT_EQ(links.m_roles[2].uid, "");
    ASSERT_EQ(links.m_inWorkProducts.size(), 2u);
    EXPECT_EQ(links.m_inWorkProducts[0].cells, (std::vector<CString>{"Report", "Draft", "1"}));
    EXPECT_EQ(links.m_inWorkProducts[0].stateUid, "n15");
    EXPECT_EQ(links.m_inWorkProducts[1].cells, (std::vector<CString>{"Test/QA plan", "", "2"}));

    // Rows moved and one removed: each row takes its item along.
    references::moveRow(links.m_roles, 1, 0);
    links.m_inWorkProducts.erase(links.m_inWorkProducts.begin() + 1);
    links.onOK();
    ItemActivity* activity = f.item("N8")->getItemActivity();
    EXPECT_EQ(activity->getRolesText(), "~N4/approver,~N6/responsible,~N3/informed");
    EXPECT_EQ(activity->getInWorkProducts()->join(","), "~N14/N15/1");
}

} // namespace
