#include "FileSystem.h"
#include "Golden.h"
#include "ItemActivity.h"
#include "ItemListePlus.h"
#include "ItemMeasure.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "StdOption.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>

namespace {

// The demo project that the run command opens, on a copy.
class DemoProjectTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, (m_dir / "Demo").c_str()));
        m_manager = std::make_unique<ProcessManager>((m_dir / "Demo/Demo.tvx").c_str(), nullptr, 0, 0);
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(DemoProjectTest, OpensAndEveryItemReadsItsFilesWithoutAMessage) {
    ASSERT_TRUE(m_manager->isTreeLoaded());
    EXPECT_TRUE(m_manager->isProcessMode());
    EXPECT_TRUE(StdOption::instance().getTwoLanguages());
    std::map<int, int> classes;
    ItemListePlus* items = m_manager->getItemList();
    for (int i = 1; i <= items->count(); ++i) {
        auto* item = dynamic_cast<ProcessItem*>(items->at(i));
        ASSERT_NE(item, nullptr);
        SCOPED_TRACE(item->getName().str());
        item->load(1);
        ++classes[item->getClassKind()];
        EXPECT_NE(item->getNameL2(), "") << "every item has its French name";
        // Classes with description files have texts in both languages.
        if (item->getExtension() && !item->getExtension()->getDescriptionFileName(0).IsEmpty()) {
            EXPECT_NE(item->getDescription(0), "");
            EXPECT_NE(item->getDescription(1), "");
        }
        EXPECT_TRUE(platform::fileExists(m_manager->getItemPagePath(item, 0)));
        EXPECT_TRUE(platform::fileExists(m_manager->getItemPagePath(item, 1)));
    }
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages.front().text;
    // A small but complete process: roles and their group, a domain of
    // disciplines with their work products (with states, a quality
    // criterion and an example library), their overview, template pages, a
    // workflow of activities, one with a quality criterion, procedures in
    // their group, a measure, and the glossary with its entries.
    for (int kind : {2, 4, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 19, 20, 21, 22, 23})
        EXPECT_GT(classes[kind], 0) << "class " << kind;
    EXPECT_EQ(classes[4], 6);
    EXPECT_EQ(classes[10], 3);
    EXPECT_EQ(classes[20], 4);
}

TEST_F(DemoProjectTest, ReferencesBetweenItemsResolve) {
    m_manager->linkWorkProducts();
    m_manager->linkRoles();
    auto* test = static_cast<ProcessItem*>(m_manager->findItemByName("Test"));
    ASSERT_NE(test, nullptr);
    ItemActivity* activity = test->getItemActivity();
    ASSERT_NE(activity, nullptr);
    ASSERT_EQ(activity->getRoles()->count(), 2);
    EXPECT_EQ(getReferenceDisplayName(*activity->getRoles()->at(1), 1), "Testeur");
    EXPECT_EQ(getReferenceName(*activity->getRoles()->at(1)), "responsible");
    EXPECT_EQ(getWorkProductReferenceName(*activity->getOutWorkProducts()->at(1), 0), "Test report");
    EXPECT_EQ(activity->getSteps(1)->count(), 3);
    EXPECT_EQ(m_manager->findItemByUid(*activity->getGeneralProcedures()->at(1))->getName(),
              "Test procedure");

    auto* review = static_cast<ProcessItem*>(m_manager->findItemByName("Review the requirements"));
    const CString in = *review->getItemActivity()->getInWorkProducts()->at(1);
    EXPECT_EQ(getWorkProductReferenceName(in, 0), "Requirements document");
    EXPECT_EQ(getWorkProductReferenceStateName(in, 1, 0), "Brouillon");

    auto* requirements = static_cast<ProcessItem*>(m_manager->findItemByName("Requirements document"));
    ItemWorkProduct* product = requirements->getItemWorkProduct();
    // Templates and examples lie in the work product's own folder.
    EXPECT_EQ(product->getTemplateNameL1F1(), "requirements.htm");
    EXPECT_TRUE(platform::fileExists(requirements->getItemFolderPath() + "requirements.htm"));
    EXPECT_TRUE(platform::fileExists(requirements->getItemFolderPath() + product->getExampleNameL1F1()));
    EXPECT_EQ(requirements->getDiscipline(), "Requirements");
    EXPECT_EQ(requirements->getDomain(), "Software engineering");
    EXPECT_EQ(product->getUsingActivities()->count(), 3);     // reviewed, then designed and planned from
    EXPECT_EQ(product->getProducingActivities()->count(), 2); // gathered, then approved

    auto* tester = static_cast<ProcessItem*>(m_manager->findItemByName("Tester"));
    EXPECT_EQ(tester->getItemRole()->getActivityLinks()->count(), 2);

    auto* defects = static_cast<ProcessItem*>(m_manager->findItemByName("Defects found"));
    std::unique_ptr<CStringListe> data(defects->getItemMeasure()->listMeasureDataFiles());
    EXPECT_EQ(data->count(), 4);
    EXPECT_TRUE(m_ui.messages.empty());
}

// The committed demo is what the builder makes from the program data: a
// change of the data or of the new-item files shows here until the demo is
// made again ("make_demo data examples/Demo" from a clean folder).
TEST(DemoBuilderTest, BuildsTheCommittedDemoFromTheProgramData) {
    TempDir dir;
    const std::string target = dir / "Demo";
    const ProgramResult made = runProgram({TOLVANE_MAKE_DEMO, TOLVANE_DATA_DIR, target});
    ASSERT_EQ(made.exitCode, 0) << made.errors;
    const std::string difference =
        describeDifference(dumpFolder(TOLVANE_DEMO_DIR), dumpFolder(target), "examples/Demo");
    EXPECT_TRUE(difference.empty()) << difference;
}

} // namespace
