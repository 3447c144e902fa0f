#include "WorkflowDiagramFile.h"
#include "CActivityBox.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityContainer.h"
#include "StdOption.h"
#include "WorkflowProject.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A diagram written as the program writes it: CR LF, Windows-1252 titles,
// the activity layouts, a shape, links and a line that no class reads.
const std::string kDiagramLines[] = {
    "paper:1200,900;",
    "Activity:50.000000,50.000000,88.000000,100.000000,Pr\xe9parer,G1,,0,0,2,Pr\xe9parer "
    "FR,0,,0,0,0,0,0,0,0,0,0,0,14,"
    "Arial,1;",
    "Activity:150.000000,50.000000,240.000000,86.000000,T\xe2"
    "che\\comma envoi,G2,N404,0,3,11,,1,,1,0,0,1,0,0,0,"
    "255,0,0,12,Times New Roman,0;",
    "Mystery:1,2,3;",
    "Activity:300.000000,50.000000,390.000000,86.000000,Review,G3,N11,3,5,0,Revue,0,,0,0,1,0,0,1,0,0,0,0,12,"
    "Arial,"
    "1;",
    "Activity:300.000000,150.000000,390.000000,186.000000,Event,G4,,0,8,7,,0,,0,0,0,0,0,1,14,0,0,0,14,Arial,"
    "1;",
    "Activity:300.000000,250.000000,390.000000,286.000000,Mine,G5,,0,7,9,,0,shape.png,0,0,0,0,0,0,0,0,0,0,14,"
    "Arial,1;",
    "flowchart_box:10.000000,300.000000,100.000000,350.000000,Note,0,0,0,255,255,255,0,0,0;",
    "flowchart_link:2,1,yes,G1,G2,0,0.000000,0.000000,0.000000,0.000000,0,oui,1,1,0,0,12,Arial,0,0,0,0;",
    "flowchart_link:2,1,,G2,G3,1,270.000000,68.000000,0.000000,0.000000,1,,1,1,0,0,12,Arial,0,0,0,0;",
};

std::string fileOf(std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

std::string allLines() {
    std::string bytes;
    for (const std::string& line : kDiagramLines)
        bytes += line + "\r\n";
    return bytes;
}

// Audit (N10) has no children: its diagram gets no boxes of its own.
const char kAuditDiagram[] = "site/Process/Audit/workflow.ar";
const char kDeliveryDiagram[] = "site/Process/Delivery/workflow.ar";

std::vector<std::string> boxTitles(CFlowchartEntityContainer& container) {
    std::vector<std::string> titles;
    for (int i = 0; CDiagramEntity* entity = container.getAt(i); ++i)
        if (auto* box = dynamic_cast<CActivityBox*>(entity))
            titles.push_back(box->getTitle().str() + "@" + std::to_string(box->getRect().left) + "," +
                             std::to_string(box->getRect().top));
    return titles;
}

TEST(WorkflowDiagramFileTest, ComesBackByteForByte) {
    WorkflowProject project;
    project.write(kAuditDiagram, allLines());
    WorkflowDiagramFile file(project.manager.get(), project.item("N10"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    EXPECT_EQ(container.getSize(), 6);
    EXPECT_EQ(container.getLinkCount(), 2);
    EXPECT_EQ(file.unreadLines(), std::vector<CString>({"Mystery:1,2,3;"}));
    EXPECT_TRUE(container.isModified());
    EXPECT_EQ(dynamic_cast<CActivityBox*>(container.getAt(2))->getBoundItem(), project.item("N11"));

    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_FALSE(container.isModified());
    EXPECT_EQ(project.read(kAuditDiagram), allLines());
    // The line no class reads was written to the log.
    EXPECT_NE(project.read("site/ZevoRiruradiruzuz.log").find("Mystery:1,2,3;"), std::string::npos);
}

TEST(WorkflowDiagramFileTest, OlderRecordsComeBackInTheFullLayout) {
    WorkflowProject project;
    project.write(kAuditDiagram,
                  fileOf({"paper:800,600;", "Activity:10.000000,10.000000,100.000000,46.000000,Old,"
                                            "G1,,0,1,10,Vieux;"}));
    WorkflowDiagramFile file(project.manager.get(), project.item("N10"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.read(kAuditDiagram),
              fileOf({"paper:800,600;",
                      "Activity:10.000000,10.000000,100.000000,46.000000,Old,G1,,0,1,10,Vieux,0,,0,"
                      "0,0,0,0,0,0,0,0,0,12,Arial,0;"}));
}

TEST(WorkflowDiagramFileTest, AnEmptyDiagramIsOnePaperLine) {
    WorkflowProject project;
    WorkflowDiagramFile file(project.manager.get(), project.item("N10"), 0);
    CFlowchartEntityContainer container;
    container.setVirtualSize(CSize(640, 480));
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.read(kAuditDiagram), "paper:640,480;\r\n");
}

// A kept line is written after as many entities (and links) as it stood after.
TEST(WorkflowDiagramFileTest, KeptLinesKeepTheirPlaceAmongTheRecords) {
    WorkflowProject project;
    project.write(kAuditDiagram, fileOf({"paper:800,600;", std::string(kDiagramLines[1]), "Odd line one",
                                         std::string(kDiagramLines[2]), "", std::string(kDiagramLines[8])}));
    WorkflowDiagramFile file(project.manager.get(), project.item("N10"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    EXPECT_EQ(file.unreadLines(), std::vector<CString>({"Odd line one", ""}));
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.read(kAuditDiagram),
              fileOf({"paper:800,600;", std::string(kDiagramLines[1]), "Odd line one",
                      std::string(kDiagramLines[2]), "", std::string(kDiagramLines[8])}));
    // With the objects before them gone, they come after those that stay.
    container.clearLinks();
    container.removeAt(0);
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.read(kAuditDiagram),
              fileOf({"paper:800,600;", std::string(kDiagramLines[2]), "Odd line one", ""}));
}

TEST(WorkflowDiagramFileTest, UnreadableFileIsToldAndReplacedOnlyWhenTheUserAgrees) {
    WorkflowProject project;
    // A folder where the file should be: it exists and cannot be read.
    ASSERT_EQ(mkdir(project.path(kAuditDiagram).c_str(), 0755), 0);
    project.write(std::string(kAuditDiagram) + "/keep", "x");
    WorkflowDiagramFile file(project.manager.get(), project.item("N10"), 0);
    CFlowchartEntityContainer container;
    container.add(std::make_unique<CActivityBox>(project.manager.get()));
    file.loadDiagram(container);
    auto messages = project.ui.takeMessageTexts();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("could not be read"), std::string::npos);
    EXPECT_NE(messages[0].find("Audit/workflow.ar"), std::string::npos);
    EXPECT_EQ(container.getSize(), 1) << "what the diagram held stays";

    project.ui.answers.push_back(IDNO);
    EXPECT_FALSE(file.saveDiagram(container));
    EXPECT_TRUE(container.isModified());
    messages = project.ui.takeMessageTexts();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Replace it with this diagram?"), std::string::npos);
    EXPECT_TRUE(project.exists(std::string(kAuditDiagram) + "/keep"));

    // Agreed, the write is tried and fails over the folder: told, still modified.
    project.ui.answers.push_back(IDYES);
    EXPECT_FALSE(file.saveDiagram(container));
    EXPECT_TRUE(container.isModified());
    messages = project.ui.takeMessageTexts();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find("could not be saved"), std::string::npos);
    EXPECT_TRUE(project.exists(std::string(kAuditDiagram) + "/keep"));
}

TEST(WorkflowDiagramFileTest, FailedSaveLeavesTheDiagramModifiedAndSynchronisesNothing) {
    WorkflowProject project;
    WorkflowDiagramFile file(project.manager.get(), project.item("N2"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    auto review = std::make_unique<CActivityBox>(project.manager.get(), project.item("N11"), 400, 50,
                                                 project.item("N2"));
    container.add(std::move(review));
    // The file's folder is taken away: nothing can be written there.
    ASSERT_EQ(
        rename(project.path("site/Process/Delivery").c_str(), project.path("site/Process/Gone").c_str()), 0);
    bool exported = false;
    EXPECT_FALSE(file.saveDiagram(container, [&](int) { exported = true; }));
    EXPECT_TRUE(container.isModified());
    EXPECT_FALSE(exported);
    EXPECT_EQ(project.children("N2"), std::vector<std::string>({"Plan",
                                                                "R\xe9"
                                                                "aliser",
                                                                "Release phase", "-> Support", "-> Audit"}));
    const auto messages = project.ui.takeMessageTexts();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("could not be saved"), std::string::npos);
}

TEST(WorkflowDiagramFileTest, SharedProjectAsksBeforeReplacingAFileChangedSinceItWasRead) {
    WorkflowProject project;
    StdOption::instance().setMultiUsers(true);
    project.write(kAuditDiagram, fileOf({"paper:800,600;"}));
    WorkflowDiagramFile file(project.manager.get(), project.item("N10"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    ASSERT_TRUE(file.saveDiagram(container)) << "unchanged on disk: no question";
    EXPECT_TRUE(project.ui.takeMessageTexts().empty());

    const std::string theirs = fileOf({"paper:800,600;", std::string(kDiagramLines[1])});
    project.write(kAuditDiagram, theirs);
    project.ui.answers.push_back(IDNO);
    EXPECT_FALSE(file.saveDiagram(container));
    EXPECT_EQ(project.read(kAuditDiagram), theirs);
    auto messages = project.ui.takeMessageTexts();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("changed by another user"), std::string::npos);

    project.ui.answers.push_back(IDYES);
    EXPECT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.read(kAuditDiagram), "paper:800,600;\r\n");
}

TEST(WorkflowDiagramFileTest, LoadAddsBoxesForChildWorkElements) {
    WorkflowProject project;
    project.write(kDeliveryDiagram,
                  fileOf({"paper:800,600;", "Activity:300.000000,300.000000,390.000000,336.000000,"
                                            "Plan,G1,N3,0,1,10,,0,,0,0,0,0,0,0,0,0,0,0,14,Arial,1;"}));
    WorkflowDiagramFile file(project.manager.get(), project.item("N2"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    // Plan has its box; the workflow behind "-> Support" gets none; Audit,
    // an activity behind a shortcut, does.
    EXPECT_EQ(boxTitles(container), std::vector<std::string>({"Plan@300,300",
                                                              "R\xe9"
                                                              "aliser@50,50",
                                                              "Release phase@100,100", "Audit@150,150"}));
    EXPECT_TRUE(container.isModified());
    auto* added = dynamic_cast<CActivityBox*>(container.getAt(1));
    EXPECT_EQ(added->getNotationKind(), CActivityBox::kArtistic);
    EXPECT_EQ(added->getRect(), CRect(50, 50, 88, 100));
    EXPECT_EQ(added->getParentItem(), project.item("N2"));
}

TEST(WorkflowDiagramFileTest, SaveMakesAndRemovesShortcutsAsBoxesComeAndGo) {
    WorkflowProject project;
    WorkflowDiagramFile file(project.manager.get(), project.item("N2"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    ASSERT_EQ(container.getSize(), 4);
    // Review lies elsewhere in the tree; the Support workflow is a child through its shortcut.
    container.add(std::make_unique<CActivityBox>(project.manager.get(), project.item("N11"), 400, 50,
                                                 project.item("N2")));
    container.add(std::make_unique<CActivityBox>(project.manager.get(), project.item("N11"), 400, 150,
                                                 project.item("N2")));
    container.add(std::make_unique<CActivityBox>(project.manager.get(), project.item("N8"), 400, 250,
                                                 project.item("N2")));
    ASSERT_TRUE(file.saveDiagram(container));
    const std::vector<std::string> withReview = {"Plan",
                                                 "R\xe9"
                                                 "aliser",
                                                 "Release phase",
                                                 "-> Support",
                                                 "-> Audit",
                                                 "-> Review"};
    EXPECT_EQ(project.children("N2"), withReview);
    EXPECT_NE(project.read("tolvane/MenuTreeV2.dat").find("*-> Review*"), std::string::npos);
    EXPECT_NE(project.read("tolvane/MenuTreeV2.dat").find("*-> Revue*"), std::string::npos);
    {
        // Another copy of the program opening the project sees the shortcut.
        WorkflowTestWindow otherWindow;
        ProcessManager other(project.path("site.tvx").c_str(), &otherWindow, 0, 0);
        Item* shortcut = nullptr;
        for (int i = 1; i <= other.getItemList()->count(); ++i)
            if (other.getItemList()->at(i)->getName() == "-> Review")
                shortcut = other.getItemList()->at(i);
        ASSERT_TRUE(shortcut);
        EXPECT_EQ(shortcut->getParent()->getUid(), "N2");
        ASSERT_TRUE(other.findShortcutTarget(shortcut));
        EXPECT_EQ(other.findShortcutTarget(shortcut)->getUid(), "N11");
    }

    // Saving again changes nothing.
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.children("N2"), withReview);

    // Without their boxes the shortcuts to Review and Audit go; the dual
    // children and the shortcut to a workflow stay.
    for (int i = container.getSize() - 1; i >= 0; --i) {
        auto* box = dynamic_cast<CActivityBox*>(container.getAt(i));
        if (box && box->getBoundItem() != project.item("N8"))
            container.removeAt(i);
    }
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.children("N2"), std::vector<std::string>({"Plan",
                                                                "R\xe9"
                                                                "aliser",
                                                                "Release phase", "-> Support"}));
    EXPECT_EQ(project.read("tolvane/MenuTreeV2.dat").find("-> Review"), std::string::npos);
    EXPECT_EQ(project.read("tolvane/MenuTreeV2.dat").find("-> Audit"), std::string::npos);
}

TEST(WorkflowDiagramFileTest, ManyShortcutsAreOneTreeSaveAndOneRebuild) {
    WorkflowProject project;
    WorkflowDiagramFile file(project.manager.get(), project.item("N9"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    for (const char* uid : {"N3", "N4", "N5", "N10", "N11"})
        container.add(std::make_unique<CActivityBox>(project.manager.get(), project.item(uid), 10, 10,
                                                     project.item("N9")));
    const auto before = platform::fileStamp(project.path("tolvane/MenuTreeV2.dat").c_str());
    project.window.rebuilds.clear();
    const int backupsBefore = static_cast<int>(project.manager->getItemCount());
    (void)backupsBefore;
    ASSERT_TRUE(file.saveDiagram(container));
    EXPECT_EQ(project.children("N9"),
              std::vector<std::string>({"-> Plan",
                                        "-> R\xe9"
                                        "aliser",
                                        "-> Release phase", "-> Audit", "-> Review"}));
    EXPECT_EQ(project.window.rebuilds.size(), 1u);
    EXPECT_FALSE(platform::fileStamp(project.path("tolvane/MenuTreeV2.dat").c_str()) == before);
    // "Empty translation" for an item without second-language name.
    EXPECT_NE(project.read("tolvane/MenuTreeV2.dat").find("-> Empty translation"), std::string::npos);
}

TEST(WorkflowDiagramFileTest, SetUidRelinksTheDiagramFile) {
    WorkflowProject project;
    WorkflowDiagramFile file(project.manager.get(), project.item("N2"), 0);
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    ASSERT_TRUE(file.saveDiagram(container));
    ASSERT_NE(project.read(kDeliveryDiagram).find(",Plan,"), std::string::npos);

    ASSERT_EQ(project.manager->setItemUid(project.item("N3"), "PLAN_X"), 1);
    const std::string relinked = project.read(kDeliveryDiagram);
    EXPECT_NE(relinked.find(",PLAN_X,"), std::string::npos);
    EXPECT_EQ(relinked.find(",N3,"), std::string::npos);

    // Opened again: every box bound, and no second box for Plan.
    WorkflowDiagramFile again(project.manager.get(), project.item("N2"), 0);
    CFlowchartEntityContainer reloaded;
    again.loadDiagram(reloaded);
    ASSERT_EQ(reloaded.getSize(), 4);
    for (int i = 0; i < reloaded.getSize(); ++i)
        EXPECT_TRUE(dynamic_cast<CActivityBox*>(reloaded.getAt(i))->getBoundItem()) << i;
}

TEST(WorkflowDiagramFileTest, BannerWritesItsHeightAndLeavesTheTree) {
    WorkflowProject project;
    Item* process = project.item("N1");
    WorkflowDiagramFile file(project.manager.get(), process, 1);
    EXPECT_EQ(file.getPath(), project.folder() + "site/Process/banner.ar");
    CFlowchartEntityContainer container;
    file.loadDiagram(container);
    EXPECT_EQ(container.getSize(), 0) << "the banner adds no boxes";
    container.setVirtualSize(CSize(900, 120));
    container.add(
        std::make_unique<CActivityBox>(project.manager.get(), project.item("N11"), 10, 10, process));
    const std::string tree = project.read("tolvane/MenuTreeV2.dat");
    std::vector<int> languages;
    ASSERT_TRUE(file.saveDiagram(container, [&](int language) { languages.push_back(language); }));
    EXPECT_EQ(languages, std::vector<int>({0, 1}));
    EXPECT_EQ(StdOption::instance().getBannerHeight(), 120);
    EXPECT_EQ(project.read("tolvane/MenuTreeV2.dat"), tree);
    EXPECT_TRUE(project.exists("site/Process/banner.ar"));
}

} // namespace
