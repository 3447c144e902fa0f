#include "CIdentificationDialogMgt.h"
#include "DescriptionPages.h"
#include "EditingService.h"
#include "ItemWorkflow.h"
#include "ProcessFixture.h"
#include "PropertySheet.h"
#include "RecordingUserInterface.h"
#include "ScopedTimeZone.h"
#include "ScriptedEditing.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A sheet of the pages every class sheet shares (descriptions, tailoring,
// identification last) with the closing steps on OK, to test what those
// pages load and store. The class sheets themselves, with their own order
// of writes, are tested through their items' edit().
int editDesign(ProcessFixture& fixture, ProcessItem* item) {
    DescL1DialogMgt description(fixture.project.get(), item, 0);
    DescL2DialogMgt descriptionL2(fixture.project.get(), item, 1);
    TGDialogMgt tailoring(fixture.project.get(), item, 0);
    CIdentificationDialogMgt identification(item);
    PropertySheet sheet("Activity: " + item->getName());
    sheet.addPage(&description);
    sheet.addPage(&descriptionL2);
    sheet.addPage(&tailoring);
    sheet.addPage(&identification);
    const int answer = sheet.DoModal();
    if (answer != IDOK)
        return answer;
    identification.writeNotes(item);
    identification.storeInto(item);
    item->save();
    item->getExtension()->writeDescription(description.m_description, 0);
    item->getExtension()->writeDescription(descriptionL2.m_description, 1);
    item->getExtension()->writeTailoringGuideline(tailoring.m_tailoringGuideline, 0);
    identification.renameWhenChanged(item);
    return answer;
}

class PropertySheetTest : public testing::Test {
protected:
    ProcessFixture m_fixture{"process-items"};
    RecordingUserInterface m_ui;
};

TEST_F(PropertySheetTest, PagesLoadTheItemsValues) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    ScriptedEditing editing([&](PropertySheet& sheet) {
        auto* identification = pageOf<CIdentificationDialogMgt>(sheet);
        EXPECT_EQ(identification->m_notes, "first note\r\nsecond note\r\n");
        EXPECT_EQ(identification->m_stateText, "APPROVED");
        EXPECT_EQ(identification->m_versionMinor, "7");
        EXPECT_EQ(identification->m_approIndex[0], 3);
        EXPECT_EQ(identification->m_approIndex[2], 0); // empty: "Not defined"
        EXPECT_EQ(identification->m_nameL2, "Conception");
        EXPECT_EQ(pageOf<TGDialogMgt>(sheet)->m_tailoringGuideline, "Skip for small projects.\r\nKeep reviews.\r\n");
        EXPECT_EQ(pageOf<DescL2DialogMgt>(sheet)->m_description, "Concevoir le syst\xE8me.\r\n");
        EXPECT_EQ(sheet.getPages().back()->getCaption(), "Identification");
        return IDCANCEL;
    });
    editDesign(m_fixture, design);
    EXPECT_EQ(editing.titles, std::vector<std::string>{"Activity: Design"});
}

TEST_F(PropertySheetTest, OkWritesEverythingAndRenamesLast) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    ScriptedEditing editing([](PropertySheet& sheet) {
        pageOf<DescL1DialogMgt>(sheet)->m_description = "New description";
        pageOf<TGDialogMgt>(sheet)->m_tailoringGuideline = "New guideline";
        auto* identification = pageOf<CIdentificationDialogMgt>(sheet);
        identification->m_notes = "edited notes";
        identification->m_version = "5";
        identification->m_stateText = "for_approval";
        identification->m_name = "Design work";
        identification->onSelchangeApproval(3, 2); // "To approve": dated today
        return IDOK;
    });
    ScopedTimeZone zone; // gives the clock back, whatever happens
    CTime::setClockForTests(CTime(2025, 6, 30, 10, 0, 0).GetTime());
    ASSERT_EQ(editDesign(m_fixture, design), IDOK);
    const std::string data = m_fixture.read("site/Process/Design/process.data");
    EXPECT_NE(data.find("Version=5\r\n"), std::string::npos);
    EXPECT_NE(data.find("VersionMinor=8\r\n"), std::string::npos);
    EXPECT_NE(data.find("State=FOR_APPROVAL\r\n"), std::string::npos);
    EXPECT_NE(data.find("Appro3=To approve\r\nAppro4=Not defined\r\n"), std::string::npos);
    EXPECT_NE(data.find("Appro3Date=30/06/2025\r\n"), std::string::npos);
    EXPECT_EQ(m_fixture.read("site/Process/Design/notes.txt"), "edited notes");
    EXPECT_EQ(m_fixture.read("site/Process/Design/ActivityDescription.txt"), "New description");
    EXPECT_EQ(m_fixture.read("site/Process/Design/Tailoring.txt"), "New guideline");
    EXPECT_EQ(m_fixture.project->renames, std::vector<std::string>{"N2 -> Design work / Conception"});
}

TEST_F(PropertySheetTest, CancelWritesNothing) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    const std::string before = m_fixture.read("site/Process/Design/process.data");
    ScriptedEditing editing([](PropertySheet& sheet) {
        pageOf<CIdentificationDialogMgt>(sheet)->m_name = "Renamed";
        pageOf<DescL1DialogMgt>(sheet)->m_description = "changed";
        return IDCANCEL;
    });
    EXPECT_EQ(editDesign(m_fixture, design), IDCANCEL);
    EXPECT_EQ(m_fixture.read("site/Process/Design/process.data"), before);
    EXPECT_EQ(m_fixture.read("site/Process/Design/notes.txt"), "\nfirst note\nsecond note\n");
    EXPECT_TRUE(m_fixture.project->renames.empty());
}

TEST_F(PropertySheetTest, WithoutAnEditingServiceEverySheetIsCancelled) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    EXPECT_EQ(editDesign(m_fixture, design), IDCANCEL);
}

TEST_F(PropertySheetTest, IdentificationPageRefusesBadNames) {
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    CIdentificationDialogMgt page(design);
    page.m_name = "Plain page"; // a sibling's name
    EXPECT_FALSE(page.onKillActive());
    page.m_name = "Bad!name";
    EXPECT_FALSE(page.onKillActive());
    page.m_name = "Design";
    EXPECT_TRUE(page.onKillActive());
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_EQ(m_ui.messages[0].text, "Duplicated name under same parent item!");
    EXPECT_EQ(approvalTextFromIndex(7), "Not defined");
    EXPECT_EQ(approvalIndexFromText("approved"), 0); // exact compare
}

TEST_F(PropertySheetTest, IdentificationPageLetsTheStoredNameBeWhateverItHolds) {
    // The page cannot change the names: a stored name that fails the checks
    // (a tree file edited by hand) is the Modify command's to mend, and does
    // not keep the user on the page.
    ProcessItem* design = m_fixture.item("N2");
    design->load(0);
    for (const char* stored : {"Plain page", "Bad!name"}) {
        design->setNameText(stored);
        CIdentificationDialogMgt page(design);
        EXPECT_TRUE(page.onKillActive()) << stored;
        // A name that differs from the stored one is checked as before.
        page.m_name = "Other!name";
        EXPECT_FALSE(page.onKillActive()) << stored;
    }
    EXPECT_EQ(m_ui.messages.size(), 2u);
}

TEST_F(PropertySheetTest, BaseExtensionHasNoSheetAndStarterPageReadsTheFlag) {
    ProcessItem* plain = m_fixture.item("N3");
    plain->createExtension(1);
    plain->edit();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Not implemented yet!");
    ProcessItem* process = m_fixture.item("N1");
    process->load(0);
    ASSERT_NE(process->getItemWorkflow(), nullptr);
    process->getItemWorkflow()->setFullyGenerated(1);
    CWorkflowEditorStarterDlgMgt starter(m_fixture.project.get(), process, "Workflow", 1);
    EXPECT_EQ(starter.m_fullyGenerated, 1);
    CWorkflowEditorStarterDlgMgt roleMap(m_fixture.project.get(), process, "Role map", 0);
    EXPECT_EQ(roleMap.m_fullyGenerated, 0);
}

} // namespace
