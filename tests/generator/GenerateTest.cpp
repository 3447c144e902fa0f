#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

// The fixture process (roles, activities, work products; two languages)
// with the design activity shown in frames.
class GenerateTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.copyFixture("process-project", "proj");
        setOption("PROCESS_OPTION", "GenerateHeader", "yes");
        setOption("STD_OPTION", "JavaScriptTreeview", "yes");
        m_dir.write("proj/applet/empty.htm", "");
        setOption("PROCESS_OPTION", "AP_Desc", "yes");
    }
    void setOption(const char* section, const char* key, const char* value) {
        WritePrivateProfileStringA(section, key, value, (m_dir / "proj/site.tvx").c_str());
    }
    template <typename Manager = ProcessManager> std::unique_ptr<Manager> open() {
        auto manager = std::make_unique<Manager>((m_dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
        manager->findItemByUid("N8")->setFrame(1);
        m_ui.progressPositions.clear();
        m_ui.progressRanges.clear();
        return manager;
    }
    // The last count positions of the progress bar.
    std::vector<int> lastPositions(size_t count) const {
        const auto& all = m_ui.progressPositions;
        return std::vector<int>(all.end() - std::min(count, all.size()), all.end());
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
};

TEST_F(GenerateTest, OneLanguage) {
    setOption("STD_OPTION", "TwoLanguages", "false");
    auto manager = open();
    manager->generate();
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages[0].text;
    EXPECT_TRUE(m_dir.exists("proj/index.htm"));
    EXPECT_TRUE(m_dir.exists("proj/applet/treeView.htm"));
    EXPECT_FALSE(m_dir.exists("proj/indexL2.htm"));
    EXPECT_TRUE(m_dir.exists("proj/site/Process/Design/header.htm"));
    EXPECT_FALSE(m_dir.exists("proj/site/Process/Design/headerL2.htm"));
    EXPECT_FALSE(m_dir.exists("proj/site/Process/Review/header.htm"));
    // Link refresh over twice the items, then the families over 0..2C with
    // C = (families + 1) x languages = 2; the bar ends at 0.
    ASSERT_EQ(m_ui.progressRanges.size(), 2u);
    EXPECT_EQ(m_ui.progressRanges[0], std::make_pair(1, 2 * manager->getItemCount()));
    EXPECT_EQ(m_ui.progressRanges[1], std::make_pair(0, 4));
    EXPECT_EQ(lastPositions(4), (std::vector<int>{2, 3, 4, 0}));
}

TEST_F(GenerateTest, TwoLanguagesRunEveryFamilyTwice) {
    auto manager = open();
    manager->generate();
    EXPECT_TRUE(m_ui.messages.empty());
    for (const char* file :
         {"index.htm", "indexL2.htm", "indexWF.htm", "indexWFL2.htm", "applet/treeViewL2.htm",
          "site/Process/Design/header.htm", "site/Process/Design/headerL2.htm"})
        EXPECT_TRUE(m_dir.exists(std::string("proj/") + file)) << file;
    EXPECT_EQ(m_ui.progressRanges.back(), std::make_pair(0, 8));
    EXPECT_EQ(lastPositions(6), (std::vector<int>{4, 5, 6, 7, 8, 0}));
}

TEST_F(GenerateTest, NoFamilyStillWritesFramesAndPopupTexts) {
    setOption("PROCESS_OPTION", "GenerateHeader", nullptr);
    setOption("STD_OPTION", "TwoLanguages", "false");
    auto manager = open();
    // Data changed on disk since the project opened is read again.
    m_dir.write("proj/site/Process/Design/ActivityDescription.txt", "Changed on disk\r\n");
    manager->generate();
    EXPECT_FALSE(m_dir.exists("proj/site/Process/Design/header.htm"));
    EXPECT_TRUE(m_dir.exists("proj/index.htm"));
    EXPECT_EQ(m_ui.progressRanges.back(), std::make_pair(0, 2));
    EXPECT_EQ(lastPositions(3), (std::vector<int>{1, 2, 0}));
    auto* design = static_cast<ProcessItem*>(manager->findItemByUid("N8"));
    EXPECT_NE(design->getHtmlDescription(0).Find("Changed on disk"), -1);
}

// A failure that reaches the driver ends the run with one message.
template <typename Thrown> class FailingManager : public ProcessManager {
public:
    using ProcessManager::ProcessManager;
    void updateLinks(int force, int doubled) override {
        if (force)
            throw Thrown();
        ProcessManager::updateLinks(force, doubled);
    }
};
struct ApplicationError : std::runtime_error {
    ApplicationError() : std::runtime_error("The site cannot be written") {}
};

TEST_F(GenerateTest, FailuresAreReportedAndTheBarReturnsToZero) {
    auto application = open<FailingManager<ApplicationError>>();
    application->generate();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "The site cannot be written");
    EXPECT_EQ(m_ui.progressPositions.back(), 0);
    EXPECT_FALSE(m_dir.exists("proj/index.htm"));

    auto other = open<FailingManager<int>>();
    other->generate();
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(m_ui.messages[1].text,
              "Operation failed for unknown reason (error in method ProcessManager::generate)");
    EXPECT_EQ(m_ui.progressPositions.back(), 0);
}

} // namespace
