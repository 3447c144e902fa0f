#include "FileSystem.h"
#include "Golden.h"
#include "ItemActivity.h"
#include "ItemListePlus.h"
#include "ItemMeasure.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemWorkProduct.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "StdOption.h"
#include "TempDir.h"
#include "TextOutStream.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// What a page shows of its HTML: no tag, comment or script; blanks made one.
std::string visibleText(std::string html) {
    for (const auto& [open, close] :
         {std::pair<std::string, std::string>{"<!--", "-->"}, {"<script", "</script>"}, {"<", ">"}})
        for (size_t at; (at = html.find(open)) != std::string::npos;) {
            const size_t end = html.find(close, at);
            html.replace(at, end == std::string::npos ? std::string::npos : end + close.size() - at, " ");
        }
    std::string text;
    for (char c : html)
        if (!std::isspace(static_cast<unsigned char>(c)) || (!text.empty() && text.back() != ' '))
            text += std::isspace(static_cast<unsigned char>(c)) ? ' ' : c;
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// A new activity of a project made from the shipped site template: its page
// shows the banner, then the author's part, empty until the author writes
// it, then what the generator writes. Nothing shows that no command of the
// program fills.
TEST(ShippedTemplateTest, ANewActivityPageShowsOnlyWhatTheProgramWrites) {
    TempDir dir;
    ASSERT_TRUE(
        platform::copyTree((std::string(TOLVANE_DATA_DIR) + "/Data/Common").c_str(), (dir / "p").c_str()));
    ASSERT_TRUE(platform::copyTree((std::string(TOLVANE_DATA_DIR) + "/Data/SiteTemplates/Standard").c_str(),
                                   (dir / "p").c_str()));
    RecordingUserInterface ui;
    ProcessManager manager((dir / "p/project.tvx").c_str(), nullptr, 0, 0);
    Item* item = manager.addItem(nullptr, "Check the plan", 0, "bookc.gif", "booko.gif", 0, "", "", 0, 1, 0,
                                 1, "", 1, "");
    ASSERT_NE(item, nullptr);
    ASSERT_TRUE(manager.createItemFiles(item, "ACTIVITY", "ACTIVITY", 0));
    static_cast<ProcessItem*>(item)->load(1);
    static_cast<ProcessItem*>(item)->getExtension()->writeDescription("The plan is read by a second person.",
                                                                      0);
    manager.generate();
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;

    const std::string page = dir.read("p/site/Check_the_plan/overview.htm");
    const size_t marker = page.find("<!--PROCESS_HYPERLINK-->");
    ASSERT_NE(marker, std::string::npos);
    const size_t banner = page.find("</h1>");
    ASSERT_LT(banner, marker);
    EXPECT_EQ(visibleText(page.substr(banner, marker - banner)), "");
    const std::string generated = visibleText(page.substr(marker));
    EXPECT_EQ(generated.rfind("Description The plan is read by a second person.", 0), 0u) << generated;
}

// The document groups of the template table and of a work product's
// Templates and Examples pages: the second-language group says so, and a
// table of one language is headed by a label that names none. A project
// whose labels file predates the plain label keeps its own wording.
TEST(ShippedTemplateTest, TheDocumentGroupsNameTheirLanguage) {
    struct Case {
        bool templatesIn2Languages;
        bool olderLabels;
        std::vector<std::string> headings;
    };
    const Case cases[] = {
        {false, false, {"Documents"}},
        {true, false, {"Documents, first language", "Documents, second language"}},
        {false, true, {"Documents"}},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ASSERT_TRUE(platform::copyTree(
            (std::string(TOLVANE_DATA_DIR) + "/Data/SiteTemplates/Standard").c_str(), (dir / "p").c_str()));
        const std::string settings = dir / "p/project.tvx";
        WritePrivateProfileStringA("PROCESS_OPTION", "TemplatesIn2Languages",
                                   c.templatesIn2Languages ? "yes" : "false", settings.c_str());
        const std::string labels = dir / "p/tolvane/trad.ini";
        if (c.olderLabels) {
            WritePrivateProfileStringA("TRAD", "VersionL2_EN", "Documents", labels.c_str());
            WritePrivateProfileStringA("TRAD", "Documents_EN", nullptr, labels.c_str());
        }
        RecordingUserInterface ui;
        ProcessManager manager(settings.c_str(), nullptr, 0, 0);
        if (!c.olderLabels)
            EXPECT_EQ(std::string(manager.translateLabel("EN", "VersionL2")), "Documents, second language");
        {
            TextOutStream out((dir / "p/head.htm").c_str());
            manager.writeTemplateTableHeader(out, 0);
            ASSERT_TRUE(out.close());
        }
        const std::string head = dir.read("p/head.htm");
        std::vector<std::string> headings;
        for (size_t at = head.find("colspan=\"2\""); at != std::string::npos;
             at = head.find("colspan=\"2\"", at + 1)) {
            const size_t start = head.find('>', at) + 1;
            headings.push_back(visibleText(head.substr(start, head.find("</td>", start) - start)));
        }
        EXPECT_EQ(headings, c.headings)
            << "two languages: " << c.templatesIn2Languages << ", older labels: " << c.olderLabels;
    }
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
