#include "AttributeSheets.h"
#include "CIdentificationDialogMgt.h"
#include "ClassPages.h"
#include "EditingService.h"
#include "ItemDomain.h"
#include "ItemGenericProcedure.h"
#include "ItemGenericProcedureGroup.h"
#include "ItemGlossaryEntry.h"
#include "ItemMacroActivity.h"
#include "ItemMeasure.h"
#include "ItemPhase.h"
#include "ItemProcessOverview.h"
#include "ItemQualityCriteria.h"
#include "ItemWorkflow.h"
#include "ListTexts.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "ProcessProjectFixture.h"
#include "PropertySheet.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "ScriptedEditing.h"
#include "TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class RemainingClassesTest : public testing::Test {
protected:
    RemainingClassesTest() : f("process-classes") { f.open(); }
    ProcessProjectFixture f;
};

TEST_F(RemainingClassesTest, DomainsAndDisciplinesNameWhatIsBelowThem) {
    EXPECT_EQ(f.item("N1")->getDomain(), "Domain A"); // its own name, whatever Name says
    EXPECT_EQ(f.item("N2")->getDiscipline(), "Discipline B"); // no Name: its own name
    EXPECT_EQ(f.item("N7")->getDomain(), "Domain A");
    EXPECT_EQ(f.item("N7")->getDiscipline(), "Discipline B");
    EXPECT_EQ(f.item("N7")->getDefaultWorkProductImage(), "wp.gif");
    EXPECT_EQ(f.item("N1")->hasHtmlPage(), 1);
    EXPECT_EQ(f.item("N2")->hasHtmlPage(), 1);
    EXPECT_EQ(f.item("N23")->hasDiagram(), 1);
    EXPECT_EQ(f.item("N21")->hasDiagram(), 0);
}

TEST_F(RemainingClassesTest, WorkflowMacroActivityAndPhaseKeys) {
    EXPECT_EQ(f.item("N3")->getItemWorkflow()->m_fullyGenerated, 1);
    EXPECT_EQ(f.item("N4")->getItemPhase()->m_fullyGenerated, 0); // "Yes" is not "yes"
    ASSERT_NE(f.item("N6")->getItemMacroActivity(), nullptr);
    f.item("N6")->getPhaseList()->deleteAll();
    f.item("N6")->load(1); // a macro-activity reads Phase only into an empty list
    EXPECT_EQ(texts(f.item("N6")->getPhaseList()), (std::vector<std::string>{"P1", "", "P2"}));
    f.item("N4")->load(1); // a phase always names itself when Phase is empty
    EXPECT_EQ(texts(f.item("N4")->getPhaseList()), std::vector<std::string>{"Phase 1"});
    f.item("N6")->getItemMacroActivity()->m_fullyGenerated = 1;
    ASSERT_EQ(f.item("N6")->save(), 1);
    EXPECT_NE(f.read("site/Domain_A/Discipline_B/Flow/Macro/process.data").find("fullyGenerated=yes\r\n"),
              std::string::npos);
}

TEST_F(RemainingClassesTest, LinkRefreshGivesPhasesThroughShortcuts) {
    f.manager->setLinksNeedRefresh();
    f.manager->updateLinks(1, 0);
    // Build is inside Macro, which a shortcut under Phase 1 brings into the phase.
    EXPECT_NE(f.item("N7")->getPhaseList()->find("Phase 1", ""), 0);
    EXPECT_NE(f.item("N6")->getPhaseList()->find("phase 1", ""), 0);
    EXPECT_EQ(f.item("N9")->getPhaseList()->find("Phase 1", ""), 0);
    // Run twice: no name is added twice.
    f.manager->updateLinks(1, 0);
    int count = 0;
    for (const auto& phase : texts(f.item("N7")->getPhaseList()))
        count += phase == "Phase 1";
    EXPECT_EQ(count, 1);
}

TEST_F(RemainingClassesTest, DescendantActivitiesAndChildElements) {
    ProcessItemListe activities;
    f.manager->getDescendantActivities(f.item("N4"), &activities);
    ASSERT_EQ(activities.count(), 1);
    EXPECT_EQ(activities.at(1), f.item("N7")); // through the shortcut to Macro
    activities.removeAll();
    f.manager->getDescendantActivities(f.item("N3"), &activities);
    // Through "-> Macro": Build; then Macro's own subtree: Build again, and
    // "-> Test" expanded: Test, Deep; then Test's own subtree: Test, Deep.
    EXPECT_EQ(activities.count(), 6);
    activities.removeAll();
    f.manager->getChildWorkElements(f.item("N6"), &activities, 1);
    ASSERT_EQ(activities.count(), 2);
    EXPECT_EQ(activities.at(2), f.item("N9")); // the shortcut's target
    activities.removeAll();
    f.manager->getChildWorkElements(f.item("N6"), &activities, 0);
    EXPECT_EQ(activities.at(2), f.item("N8"));
    activities.removeAll();
}

TEST_F(RemainingClassesTest, WorkflowPopupSections) {
    f.setOption("MAP_Desc", "yes");
    f.setOption("MAP_outWP", "yes");
    f.setOption("MAP_childrenActivities", "yes");
    f.item("N6")->buildHtmlDescription(0);
    // Draft and Complete are parts of Plan: produced once, as Plan; Test produces Plan too.
    EXPECT_EQ(f.item("N6")->getHtmlDescription(0),
              "<b><font color='navy'>Produced</font></b>\n* Plan"
              "<br><br><b><font color='navy'>Activities</font></b><br>* Build<br>* Test");
    f.item("N3")->buildHtmlDescription(0);
    EXPECT_EQ(f.item("N3")->getHtmlDescription(0),
              "<b><font color='navy'>Description</font></b><br>The flow.<br>More.\r\n<br>\n"
              "<b><font color='navy'>Produced</font></b>\n* Plan");
    f.setOption("MAP_Desc", "false");
    f.setOption("MAP_outWP", "false");
    f.setOption("MAP_childrenActivities", "false");
    f.item("N6")->buildHtmlDescription(0);
    EXPECT_EQ(f.item("N6")->getHtmlDescription(0), "");
}

TEST_F(RemainingClassesTest, MeasureKeysAndDataFiles) {
    ItemMeasure* measure = f.item("N15")->getItemMeasure();
    ASSERT_NE(measure, nullptr);
    EXPECT_EQ(measure->m_calculateAverage, 1);
    EXPECT_EQ(measure->m_calculateMedian, 0);
    EXPECT_EQ(measure->getUnit(), "hours");
    EXPECT_EQ(measure->m_includePlannedValue, 1);
    CStringListe* files = measure->listMeasureDataFiles();
    EXPECT_EQ(texts(files), (std::vector<std::string>{"notes.txt", "Project_X.dat"}));
    files->deleteAll();
    delete files;
    CString name = "default", type, department, value, comment = "none", planned;
    measure->readMeasureData("notes.txt", name, type, department, value, comment, planned);
    EXPECT_EQ(name, "default"); // not a data file: the caller's values stay
    measure->readMeasureData("Project_X.dat", name, type, department, value, comment, planned);
    EXPECT_EQ(department, "R&D");
    EXPECT_EQ(planned, "100");
    measure->writeMeasureData("Project X", "Large", "QA", "140", std::string(12000, 'c'), "");
    measure->writeMeasureData("Bad/name: 2", "T", "D", "1", "", "");
    files = measure->listMeasureDataFiles();
    EXPECT_EQ(texts(files), (std::vector<std::string>{"Bad_name__2.dat", "notes.txt", "Project_X.dat"}));
    files->deleteAll();
    delete files;
    measure->readMeasureData("Project_X.dat", name, type, department, value, comment, planned);
    EXPECT_EQ(value, "140");
    EXPECT_EQ(comment.GetLength(), 9998);
    EXPECT_EQ(planned, "100"); // empty: the caller's value stays
    EXPECT_EQ(ItemMeasure::getStandardDescription(0), "Line one\nLine two");
    EXPECT_EQ(ItemMeasure::getStandardDescription(1), "Une ligne");
}

TEST_F(RemainingClassesTest, ProceduresAndGroups) {
    ItemGenericProcedure* procedure = f.item("N17")->getItemGenericProcedure();
    EXPECT_EQ(procedure->getProcedure(0), "rules.doc");
    EXPECT_EQ(procedure->getProcedure(1), "regles.doc");
    f.setOption("UseAlternativeLinks", "yes");
    f.item("N17")->load(1);
    EXPECT_EQ(procedure->getProcedure(0), "http://example.org/rules");
    EXPECT_EQ(procedure->getProcedure(1), "regles.doc"); // the alternative is empty
    ASSERT_EQ(procedure->saveProcedure("", "new.doc", "Draft", "Policy", "4", "Short.", "alt-l2", "l2.doc"), 1);
    EXPECT_EQ(procedure->getProcedure(0), "new.doc");
    EXPECT_EQ(procedure->getProcedure(1), "alt-l2");
    EXPECT_EQ(f.read("site/Procedures/Coding_rules/ProcDescription.txt"), "Short.");
    const std::string data = f.read("site/Procedures/Coding_rules/process.data");
    EXPECT_NE(data.find("ProcState=Draft\r\nProcVersion=4\r\nProcedureType=Policy\r\n"), std::string::npos);
    ItemGenericProcedureGroup* group = f.item("N16")->getItemGenericProcedureGroup();
    EXPECT_EQ(group->m_printType, 1); // absent: shown
    EXPECT_EQ(group->m_printState, 1);
    EXPECT_EQ(group->m_printVersion, 0); // "YES" is not "yes"
    EXPECT_EQ(group->m_allProcedures, 0);
}

TEST_F(RemainingClassesTest, GlossaryEntriesOverviewsAndCriteria) {
    ItemGlossaryEntry* entry = f.item("N19")->getItemGlossaryEntry();
    EXPECT_EQ(entry->getSource(1), "Norme X");
    EXPECT_EQ(entry->getEquivalent(1), "R\xE9" "f\xE9rence");
    EXPECT_TRUE(f.item("N19")->isGlossaryEntry());
    EXPECT_EQ(f.item("N20")->getItemProcessOverview()->getTargetWorkflow(),
              "../site/Domain_A/Discipline_B/Flow/overview.htm");
    ItemQualityCriteria* criterion = f.item("N14")->getItemQualityCriteria();
    EXPECT_EQ(texts(criterion->getTargets()), (std::vector<std::string>{"n12", "other,one"}));
    EXPECT_EQ(criterion->isMain(), 1);
    ASSERT_EQ(f.item("N14")->save(), 1);
    EXPECT_NE(f.read("site/Products/Plan/Complete/process.data").find("Targets=n12,other\\commaone\r\nMain=yes\r\n"),
              std::string::npos);
    ProcessItemListe* criteria = f.manager->getQualityCriteria(f.item("N12"));
    EXPECT_EQ(criteria->count(), 1);
    delete criteria;
    criteria = f.manager->getSubtreeQualityCriteria(f.item("N11"));
    EXPECT_EQ(criteria->count(), 1); // deeper than a child, but main
    delete criteria;
    f.item("N21")->save(); // a site map saves without a message
    EXPECT_TRUE(f.ui.messages.empty());
}

struct SheetCase {
    const char* uid;
    const char* title;
    std::vector<std::string> captions;
};

TEST_F(RemainingClassesTest, MainWindowSheetsOfEveryClass) {
    const SheetCase cases[] = {
        {"N11", "Edit data", {"Html Content", "Attributes", "Identification"}},
        {"N2", "Discipline edition: Discipline B", {"Html Content", "Identification"}},
        {"N1", "Domain edition: Domain A", {"Html Content", "Identification"}},
        {"N17", "General procedure edition: Coding rules",
         {"Procedure attribute", "Description 2nd Lang", "Identification"}},
        {"N16", "General procedure group edition: Procedures", {"General Procedure Group attributes", "Identification"}},
        {"N20", "Edit process overview", {"Process overview attributes", "Identification"}},
        {"N15", "Measure edition: Effort", {"Measure attributes", "Description 2nd Lang", "Identification"}},
        {"N19", "Glossary Entry: Baseline",
         {"Glossary entry (Language 1)", "Glossary entry (Language 2)", "Identification"}},
        {"N14", "Edit quality criteria",
         {"Description and applicability", "Description and applicability (L2)", "Identification"}},
        {"N13", "Edit  data", {"Identification"}},
        {"N21", "Edit  data", {"Identification"}},
        {"N3", "Workflow edition: Flow", {"Workflow", "Description", "Description 2nd Lang", "Identification",
                                          "Html Content"}},
        {"N6", "Macro-activity edition: Macro", {"Workflow", "Description", "Description 2nd Lang", "Identification",
                                                 "Html Content"}},
        // The starter page's tab always reads "Workflow"; its button names the map.
        {"N23", "Work product overview edition: WP map", {"Workflow", "Identification"}},
    };
    ScriptedEditing editing([](PropertySheet&) { return IDCANCEL; });
    for (const auto& c : cases) {
        editing.title.clear();
        AttributeSheets::editItemAttributes(f.manager.get(), f.item(c.uid));
        EXPECT_EQ(editing.title, c.title) << c.uid;
        EXPECT_EQ(editing.captions, c.captions) << c.uid;
    }
    // A shortcut edits its target.
    AttributeSheets::editItemAttributes(f.manager.get(), f.item("N8"));
    EXPECT_EQ(editing.title, "Edit activity: Test");
}

TEST_F(RemainingClassesTest, QualityCriterionSheetSavesOnce) {
    ScriptedEditing editing([](PropertySheet& sheet) {
        auto* page = pageOf<CQCDescDialogMgt>(sheet);
        EXPECT_EQ(page->m_description, "Every section filled.\r\n");
        EXPECT_EQ(page->m_applicability, "Plans of all projects.\r\n");
        page->m_main = 0;
        page->m_applicability = "Large plans only.";
        return IDOK;
    });
    AttributeSheets::editItemAttributes(f.manager.get(), f.item("N14"));
    const std::string data = f.read("site/Products/Plan/Complete/process.data");
    EXPECT_NE(data.find("VersionMinor=2\r\n"), std::string::npos); // one save: 1 -> 2
    EXPECT_NE(data.find("Main=no\r\n"), std::string::npos);
    EXPECT_EQ(f.read("site/Products/Plan/Complete/Tailoring.txt"), "Large plans only.");
}

TEST_F(RemainingClassesTest, MeasureAndGlossaryEntrySheetsWriteTheirValues) {
    ScriptedEditing editing([](PropertySheet& sheet) {
        if (auto* measure = pageOf<MeasureDialogMgt>(sheet)) {
            measure->m_unit = "days";
            measure->m_calculateMedian = 1;
            measure->m_description = "Effort spent.";
        }
        if (auto* entry = pageOf<CGlossaryEntryL2DlgMgt>(sheet))
            entry->m_source = "Source FR";
        return IDOK;
    });
    AttributeSheets::editItemAttributes(f.manager.get(), f.item("N15"));
    std::string data = f.read("site/Effort/process.data");
    EXPECT_NE(data.find("CalculateMedian=yes\r\n"), std::string::npos);
    EXPECT_NE(data.find("Unit=days\r\n"), std::string::npos);
    EXPECT_EQ(f.read("site/Effort/MeasureDescription.txt"), "Effort spent.");
    AttributeSheets::editItemAttributes(f.manager.get(), f.item("N19"));
    data = f.read("site/Glossary/Baseline/process.data");
    EXPECT_NE(data.find("sourceL2=Source FR\r\n"), std::string::npos);
    EXPECT_NE(data.find("equivalentL1=Reference\r\n"), std::string::npos);
}

TEST_F(RemainingClassesTest, ExternalItemsHaveNoAttributes) {
    Item* web = f.manager->addItem(nullptr, "Web", 0, "i", "o", 0, "", "http://example.org", 0, 0, 0, 1, "", 0, "");
    ScriptedEditing editing([](PropertySheet&) { return IDOK; });
    AttributeSheets::editItemAttributes(f.manager.get(), web);
    EXPECT_TRUE(editing.title.empty());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "There are no attributes on external items");
}

} // namespace
