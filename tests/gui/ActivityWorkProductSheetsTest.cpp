// The activity and work product sheets on a copy of the demo, driven as a
// user drives them: the roles and work products edited in their grids and
// the link dialog, the steps and their page files, the attributes and
// procedures, the measures, the work product's authors, derivations,
// templates and examples. After OK the data file, the step pages and the
// generated activity page are read on disk.

#include "ActivityRolesWPsDialogView.h"
#include "ActivityStepsDialogView.h"
#include "ActivityWorkProductLinkDlgMgt.h"
#include "AppProfile.h"
#include "CActivityAttrDialogView.h"
#include "CActivityInformationsView.h"
#include "CActivityMeasureView.h"
#include "CDHtmlEditDlg.h"
#include "CGridCtrl.h"
#include "CWorkProductPPage1View.h"
#include "CWorkProductPPage3View.h"
#include "DemoSession.h"
#include "DialogLook.h"
#include "Item.h"
#include "ItemPropertySheet.h"
#include "MenuCreatorDlg.h"
#include "ModalScript.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "SheetEditing.h"
#include "TempDir.h"
#include "WinTypes.h"
#include "WorkProductFilePages.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

const char kDevelop[] = "Development_workflow/Develop";
const char kTest[] = "Development_workflow/Test";
const char kSourceCode[] = "Software_engineering/Development/Development_work_products/Source_code";
const char kTestPlan[] = "Software_engineering/Testing/Testing_work_products/Test_plan";

class ActivityWorkProductSheetsTest : public DemoSession {
protected:
    // Opens the sheet of the item of that name, the user playing each
    // window in the order they open: the sheet first.
    void edit(const char* name, ModalScript& script) {
        Item* item = project()->findItemByName(name);
        ASSERT_NE(item, nullptr) << name;
        m_main->editItemAttributes(wxTreeItemId(item->getTreeHandle()));
    }
    void setDataKey(const std::string& folder, const char* key, const char* value) const {
        WritePrivateProfileStringA("PROCESSUS", key, value,
                                   (m_dir / ("Demo/site/" + folder + "/process.data")).c_str());
    }
    std::string file(const std::string& path) const { return m_dir.read("Demo/site/" + path); }
    void writeFile(const std::string& path, const std::string& text) const {
        m_dir.write("Demo/site/" + path, text);
    }
    bool exists(const std::string& path) const { return m_dir.exists("Demo/site/" + path); }
    // The names in an item folder that begin with a prefix, sorted.
    std::vector<std::string> namesStarting(const std::string& folder, const std::string& prefix) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir / ("Demo/site/" + folder)))
            if (entry.path().filename().string().rfind(prefix, 0) == 0)
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Reads an item's data file again after a test changed it.
    void reload(const char* name) const {
        dynamic_cast<ProcessItem*>(project()->findItemByName(name))->load(1);
    }
    static int ok(ItemPropertySheet& sheet) {
        sheet.OnOK();
        EXPECT_TRUE(sheet.hasEnded());
        return sheet.GetReturnCode();
    }
    static int cancel(ItemPropertySheet& sheet) {
        sheet.OnCancel();
        return sheet.GetReturnCode();
    }
    // What a grid shows below its header.
    static Rows shown(ReferenceGrid& grid) {
        Rows rows;
        for (int r = 1; r < grid.grid().GetRowCount(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < grid.grid().GetColumnCount(); ++c)
                rows.back().push_back(grid.grid().GetItemText(r, c).str());
        }
        return rows;
    }
    static wxListBox* list(wxWindow* page, int id) { return static_cast<wxListBox*>(page->FindWindow(id)); }
    static wxChoice* choice(wxWindow* page, int id) { return static_cast<wxChoice*>(page->FindWindow(id)); }
    // The sheet, at the size it opens with (its smallest), with its title
    // bar and a desktop panel, fits a screen of 1366 x 768 pixels.
    static void fitsSmallScreen(ItemPropertySheet& sheet) {
        EXPECT_LE(sheet.GetSize().x, 1366);
        EXPECT_LE(sheet.GetSize().y, 768 - 60);
    }
    // The command a control sends when the user operates it.
    static void send(wxWindow* page, const wxEventTypeTag<wxCommandEvent>& type, int id) {
        wxCommandEvent event(type, id);
        event.SetEventObject(page->FindWindow(id));
        page->GetEventHandler()->ProcessEvent(event);
    }
};

TEST_F(ActivityWorkProductSheetsTest, RolesAndWorkProductsAreEditedInTheGridsAndStoredOnOK) {
    ModalScript script;
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityRolesWPsDialogView>();
        EXPECT_EQ(shown(page->rolesGrid()), (Rows{{"Developer", "responsible"}}));
        EXPECT_EQ(shown(page->inGrid()), (Rows{{"Design document", "", "1"}}));
        EXPECT_EQ(shown(page->outGrid()), (Rows{{"Source code", "", "1"}}));
        EXPECT_EQ(list(page, ActivityRolesWPsDialogView::IDC_ROLES)->GetString(0), "Analyst");
        EXPECT_NE(list(page, ActivityRolesWPsDialogView::IDC_RESPONSIBILITIES)->FindString("consulted"),
                  wxNOT_FOUND);

        // Nothing chosen: each button says what is missing.
        page->OnAddRole();
        page->OnRemoveRole();
        page->OnAddInWorkProduct();
        page->OnEditOutWorkProduct();
        page->OnRemoveOutWorkProduct();
        EXPECT_EQ(messages(), (std::vector<std::string>{"Please select a role first",
                                                        "Please select a role link to remove",
                                                        "Please select a work product first",
                                                        "Please select the work product link to edit",
                                                        "Please select the work product link to remove"}));

        list(page, ActivityRolesWPsDialogView::IDC_ROLES)->SetStringSelection("Tester");
        list(page, ActivityRolesWPsDialogView::IDC_RESPONSIBILITIES)->SetStringSelection("consulted");
        page->OnAddRole();
        list(page, ActivityRolesWPsDialogView::IDC_ROLES)->SetStringSelection("Analyst");
        list(page, ActivityRolesWPsDialogView::IDC_RESPONSIBILITIES)->SetSelection(wxNOT_FOUND);
        page->OnAddRole();
        // Moved up to the top; once there it stays.
        page->rolesGrid().select(2);
        for (int i = 0; i < 3; ++i)
            page->OnRoleUp();
        EXPECT_EQ(page->rolesGrid().selected(), 0);
        EXPECT_EQ(shown(page->rolesGrid()),
                  (Rows{{"Analyst", ""}, {"Developer", "responsible"}, {"Tester", "consulted"}}));

        list(page, ActivityRolesWPsDialogView::IDC_IN_WORK_PRODUCTS)
            ->SetStringSelection("Requirements document");
        page->OnAddInWorkProduct(); // the link dialog: state Approved, 2 of them
        page->inGrid().select(1);
        page->OnInWorkProductDown(); // the last row stays
        page->OnInWorkProductUp();
        page->inGrid().select(1);
        page->OnEditInWorkProduct(); // the link dialog: all of them
        page->outGrid().select(0);
        page->OnRemoveOutWorkProduct();
        EXPECT_EQ(shown(page->inGrid()),
                  (Rows{{"Requirements document", "Approved", "2"}, {"Design document", "", "all"}}));
        EXPECT_EQ(shown(page->outGrid()), Rows{});
        EXPECT_EQ(messages(), std::vector<std::string>{});
        return ok(sheet);
    });
    script.then<ActivityWorkProductLinkDlgMgt>([](ActivityWorkProductLinkDlgMgt& link) {
        EXPECT_EQ(link.getText(ActivityWorkProductLinkDlgMgt::IDC_ACTIVITY), "Develop");
        EXPECT_EQ(link.getText(ActivityWorkProductLinkDlgMgt::IDC_WORK_PRODUCT), "Requirements document");
        EXPECT_EQ(link.getText(ActivityWorkProductLinkDlgMgt::IDC_NUMBER), "1");
        auto* states = list(&link, ActivityWorkProductLinkDlgMgt::IDC_STATES);
        EXPECT_EQ(states->GetCount(), 3u) << "Draft, Approved and no state";
        states->SetStringSelection("Approved");
        link.OnSelectState();
        link.setText(ActivityWorkProductLinkDlgMgt::IDC_NUMBER, "2");
        link.OnOK();
        return answerOf(link);
    });
    script.then<ActivityWorkProductLinkDlgMgt>([](ActivityWorkProductLinkDlgMgt& link) {
        EXPECT_EQ(link.getText(ActivityWorkProductLinkDlgMgt::IDC_WORK_PRODUCT), "Design document");
        link.setText(ActivityWorkProductLinkDlgMgt::IDC_NUMBER, "all");
        link.OnOK();
        return answerOf(link);
    });
    edit("Develop", script);
    EXPECT_EQ(dataKey(kDevelop, "Roles"), "~N17653000002/,~N17653000003/responsible,~N17653000004/consulted");
    EXPECT_EQ(dataKey(kDevelop, "InWorkProducts"), "~N17653000011/N17653000013/2,~N17653000066//all");
    EXPECT_EQ(dataKey(kDevelop, "OutWorkProducts"), "");
}

TEST_F(ActivityWorkProductSheetsTest, RowsOfMissingItemsAreShownAsMissingAndKept) {
    setDataKey(kTest, "Roles", "~N99/responsible,~N17653000004/consulted");
    setDataKey(kTest, "InWorkProducts", "~N17653000011/N98/2,~N97//1");
    setDataKey(kSourceCode, "Author", "~N96/author,~N17653000003/reviewed by,~N17653000002/");
    ModalScript script;
    script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityRolesWPsDialogView>();
        EXPECT_EQ(shown(page->rolesGrid()),
                  (Rows{{"(missing item N99)", "responsible"}, {"Tester", "consulted"}}));
        EXPECT_EQ(shown(page->inGrid()), (Rows{{"Requirements document", "(missing item N98)", "2"},
                                               {"(missing item N97)", "", "1"}}));
        page->rolesGrid().select(1);
        page->OnRoleUp();
        return ok(sheet);
    });
    script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CWorkProductPPage1View>();
        EXPECT_EQ(
            shown(page->authorsGrid()),
            (Rows{{"(missing item N96)", "author"}, {"Developer", "reviewed by"}, {"Analyst", "author"}}));
        return ok(sheet);
    });
    edit("Test", script);
    edit("Source code", script);
    EXPECT_EQ(dataKey(kTest, "Roles"), "~N17653000004/consulted,~N99/responsible");
    EXPECT_EQ(dataKey(kTest, "InWorkProducts"), "~N17653000011/N98/2,~N97//1");
    EXPECT_EQ(dataKey(kSourceCode, "Author"), "~N96/author,~N17653000003/reviewed by,~N17653000002/author");
}

TEST_F(ActivityWorkProductSheetsTest, StepPagesFollowTheirStepsAndNeverReplaceAFile) {
    for (const char* name : {"0.htm", "1.htm", "2.htm", "1L2.htm", "2L2.htm"})
        writeFile(std::string(kDevelop) + "/" + name, std::string("page ") + name);
    const std::string folder = kDevelop;
    ModalScript script;
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityStepsDialogView>();
        sheet.activate(page);
        auto* steps = list(page, ActivityStepsDialogView::IDC_STEPS_L1);
        EXPECT_EQ(steps->GetCount(), 3u);
        EXPECT_FALSE(page->FindWindow(ActivityStepsDialogView::IDC_DELETE)->IsEnabled());
        steps->SetSelection(1);
        page->OnSelchangeStepsL1();
        EXPECT_EQ(page->getText(ActivityStepsDialogView::IDC_TITLE_L1), "Test each unit");
        EXPECT_EQ(list(page, ActivityStepsDialogView::IDC_STEPS_L2)->GetSelection(), 1);
        EXPECT_TRUE(page->FindWindow(ActivityStepsDialogView::IDC_DELETE)->IsEnabled());

        page->OnDelete(); // confirmed
        EXPECT_EQ(page->currentStep(), 0);
        EXPECT_EQ(dataKey(folder, "Step"), "Write the code,Check it in");
        EXPECT_EQ(file(folder + "/1.htm"), "page 2.htm");
        EXPECT_EQ(file(folder + "/1L2.htm"), "page 2L2.htm");
        EXPECT_FALSE(exists(folder + "/2.htm"));
        const auto retired = namesStarting(folder, "deleted_");
        EXPECT_EQ(retired.size(), 2u);
        if (retired.size() == 2) {
            EXPECT_EQ(file(folder + "/" + retired[0]), "page 1.htm");
            EXPECT_EQ(file(folder + "/" + retired[1]), "page 1L2.htm");
        }

        // Moved up: the pages change places, a page alone goes with its step.
        steps->SetSelection(1);
        page->OnSelchangeStepsL1();
        page->OnUp();
        EXPECT_EQ(dataKey(folder, "Step"), "Check it in,Write the code");
        EXPECT_EQ(file(folder + "/0.htm"), "page 2.htm");
        EXPECT_EQ(file(folder + "/1.htm"), "page 0.htm");
        EXPECT_EQ(file(folder + "/0L2.htm"), "page 2L2.htm");
        EXPECT_FALSE(exists(folder + "/1L2.htm"));

        // The first step deleted twice in a row: both retired pages are kept.
        steps->SetSelection(0);
        page->OnSelchangeStepsL1();
        page->OnDelete();
        page->OnDelete();
        EXPECT_EQ(page->currentStep(), -1);
        EXPECT_FALSE(page->FindWindow(ActivityStepsDialogView::IDC_UPDATE_TITLE)->IsEnabled());
        EXPECT_EQ(namesStarting(folder, "deleted_").size(), 5u);
        EXPECT_EQ(dataKey(folder, "Step"), "");
        EXPECT_EQ(messages(),
                  (std::vector<std::string>{"Please confirm the supression of step 'Test each unit'",
                                            "Please confirm the supression of step 'Check it in'",
                                            "Please confirm the supression of step 'Write the code'"}));

        // A page whose new name is taken stays where it is, and the user is told.
        page->OnNew();
        page->OnNew();
        writeFile(folder + "/1.htm", "page of the second");
        std::filesystem::create_directory(m_dir / ("Demo/site/" + folder + "/0.htm"));
        steps->SetSelection(0);
        page->OnSelchangeStepsL1();
        messages();
        page->OnDelete();
        EXPECT_EQ(file(folder + "/1.htm"), "page of the second");
        const auto told = messages();
        EXPECT_EQ(told.size(), 2u);
        EXPECT_NE(told.back().find("a file of that name exists already"), std::string::npos) << told.back();
        return cancel(sheet);
    });
    edit("Develop", script);
    EXPECT_EQ(dataKey(folder, "Step"), "new") << "the steps are stored at once, whatever the sheet's end";
}

// The page says that its actions are saved at once: a data file that
// cannot be written is told, naming the activity.
TEST_F(ActivityWorkProductSheetsTest, AStepsWriteThatFailsIsTold) {
    const std::filesystem::path data = m_dir / ("Demo/site/" + std::string(kDevelop) + "/process.data");
    ModalScript script;
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityStepsDialogView>();
        sheet.activate(page);
        // A folder where the data file was: no file can take its place.
        std::filesystem::remove(data);
        std::filesystem::create_directory(data);
        page->OnNew();
        EXPECT_EQ(messages(), std::vector<std::string>{"Error writting item 'Develop'"});
        return cancel(sheet);
    });
    edit("Develop", script);
    EXPECT_TRUE(std::filesystem::is_directory(data));
}

TEST_F(ActivityWorkProductSheetsTest, StepTitlesAreCheckedAndAPageIsMadeWhenFirstEdited) {
    const std::string folder = kDevelop;
    ModalScript script;
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityStepsDialogView>();
        sheet.activate(page);
        auto* steps = list(page, ActivityStepsDialogView::IDC_STEPS_L1);
        steps->SetSelection(0);
        page->OnSelchangeStepsL1();
        // An empty title is refused, so no step moves away from its page.
        page->setText(ActivityStepsDialogView::IDC_TITLE_L1, " \r\n");
        page->OnUpdateStepTitle();
        EXPECT_EQ(messages(),
                  std::vector<std::string>{
                      "A step title cannot be empty: the step keeps its title 'Write the code'."});
        EXPECT_EQ(dataKey(folder, "Step"), "Write the code,Test each unit,Check it in");
        // A title on two lines, with a comma, one level too deep.
        page->setText(ActivityStepsDialogView::IDC_TITLE_L1, "#1 Write,\r\nthen build");
        page->OnUpdateStepTitle();
        EXPECT_EQ(messages(), std::vector<std::string>{"Warning: the step levels are not coherents."});
        EXPECT_EQ(dataKey(folder, "Step"), "#1 Write\\comma  then build,Test each unit,Check it in");
        // A changed title left for another step: recorded on Yes, stored with the next command.
        page->setText(ActivityStepsDialogView::IDC_TITLE_L1, "Write the code");
        steps->SetSelection(1);
        page->OnSelchangeStepsL1();
        EXPECT_EQ(steps->GetString(0), "Write the code");
        EXPECT_EQ(dataKey(folder, "Step"), "#1 Write\\comma  then build,Test each unit,Check it in");
        messages();
        page->OnEditStepL1();
        page->OnEditStepL2();
        return ok(sheet);
    });
    script.then<CDHtmlEditDlg>([&](CDHtmlEditDlg& editor) {
        EXPECT_EQ(editor.GetTitle().utf8_string(), "Edit step 1 of activity Develop");
        return static_cast<int>(wxID_CANCEL);
    });
    script.then<CDHtmlEditDlg>([&](CDHtmlEditDlg& editor) {
        EXPECT_EQ(editor.GetTitle().utf8_string(), "Edit step 1 of activity D\xC3\xA9velopper");
        return static_cast<int>(wxID_CANCEL);
    });
    edit("Develop", script);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const std::string skeleton =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n<html>\r\n<head>\r\n<title>Step of activity "
        "Develop</title>\r\n</head>\r\n\r\n<body>\r\n</body>\r\n</html>\r\n";
    EXPECT_EQ(file(folder + "/1.htm"), skeleton);
    EXPECT_EQ(file(folder + "/1L2.htm"), skeleton);
}

TEST_F(ActivityWorkProductSheetsTest, OneLanguageKeepsTheSecondLanguageTitlesWithTheirSteps) {
    WritePrivateProfileStringA("STD_OPTION", "TwoLanguages", "no", (m_dir / "Demo/Demo.tvx").c_str());
    const std::string before = dataKey(kDevelop, "StepL2");
    ModalScript script;
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityStepsDialogView>();
        sheet.activate(page);
        EXPECT_FALSE(list(page, ActivityStepsDialogView::IDC_STEPS_L2)->IsEnabled());
        auto* steps = list(page, ActivityStepsDialogView::IDC_STEPS_L1);
        steps->SetSelection(0);
        page->OnSelchangeStepsL1();
        EXPECT_FALSE(page->FindWindow(ActivityStepsDialogView::IDC_EDIT_STEP_L2)->IsEnabled());
        page->OnDelete();
        page->OnDown();
        return ok(sheet);
    });
    edit("Develop", script);
    EXPECT_EQ(dataKey(kDevelop, "Step"), "Check it in,Test each unit");
    const std::string second = before.substr(before.find(',') + 1);
    const std::string third = second.substr(second.find(',') + 1);
    EXPECT_EQ(dataKey(kDevelop, "StepL2"), third + "," + second.substr(0, second.find(',')));
}

TEST_F(ActivityWorkProductSheetsTest, AttributesProceduresAndMeasures) {
    // Test derives from Develop; Develop may not then derive from Test.
    setDataKey(kDevelop, "Derivable", "yes");
    setDataKey(kTest, "Derivable", "yes");
    setDataKey(kTest, "Derived", "yes");
    setDataKey(kTest, "DerivedFrom", "N17653000043");
    setDataKey(kDevelop, "SeparatedProcedureText", "yes");
    setDataKey(kDevelop, "ProcedureLink", "URL");
    setDataKey(kDevelop, "ProcedureURL", "http://example.org/dev");
    reload("Test");
    ModalScript script;
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CActivityAttrDialogView>();
        sheet.activate(page);
        EXPECT_TRUE(page->isChecked(CActivityAttrDialogView::IDC_URL_PROCEDURE));
        EXPECT_TRUE(page->FindWindow(CActivityAttrDialogView::IDC_URL_L1)->IsEnabled());
        EXPECT_FALSE(page->FindWindow(CActivityAttrDialogView::IDC_EDIT_PROCEDURE_L1)->IsEnabled());
        EXPECT_EQ(page->getText(CActivityAttrDialogView::IDC_ACTIVITY_TYPE), "Standard");
        page->setChecked(CActivityAttrDialogView::IDC_STANDARD_PROCEDURE, true);
        page->OnStandardProcedure();
        EXPECT_EQ(page->getText(CActivityAttrDialogView::IDC_URL_L1), "");
        EXPECT_TRUE(page->FindWindow(CActivityAttrDialogView::IDC_EDIT_PROCEDURE_L2)->IsEnabled());

        page->setChecked(CActivityAttrDialogView::IDC_DERIVED, true);
        page->OnDerivedActivityCheck();
        auto* bases = choice(page, CActivityAttrDialogView::IDC_DERIVED_FROM);
        EXPECT_EQ(bases->GetCount(), 2u) << "the empty entry and Test";
        bases->SetSelection(1);
        page->OnSelchangeDerivedFrom();
        EXPECT_EQ(bases->GetSelection(), 0);
        EXPECT_EQ(messages(),
                  std::vector<std::string>{"'Test' derives already from this item, directly or through "
                                           "others: it cannot be chosen to derive from."});

        page->setChecked(CActivityAttrDialogView::IDC_SHOW_WORKFLOWS, true);
        page->OnShowWorkflows();
        EXPECT_EQ(list(page, CActivityAttrDialogView::IDC_AVAILABLE)->GetCount(), 1u);
        page->OnShowProcedures();
        list(page, CActivityAttrDialogView::IDC_AVAILABLE)->SetSelection(1);
        page->OnAddGeneralProcedure();
        page->OnAddGeneralProcedure(); // once only

        auto* measures = sheet.findView<CActivityMeasureView>();
        sheet.activate(measures);
        list(measures, CActivityMeasureView::IDC_AVAILABLE)->SetSelection(0);
        measures->OnAddMeasure();

        auto* informations = sheet.findView<CActivityInformationsView>();
        sheet.activate(informations);
        EXPECT_EQ(informations->getText(CActivityInformationsView::IDC_DOMAIN), "");
        return ok(sheet);
    });
    edit("Develop", script);
    EXPECT_EQ(dataKey(kDevelop, "ProcedureLink"), "STANDARD");
    EXPECT_EQ(dataKey(kDevelop, "ProcedureURL"), "");
    EXPECT_EQ(dataKey(kDevelop, "Derived"), "yes");
    EXPECT_EQ(dataKey(kDevelop, "DerivedFrom"), "");
    EXPECT_EQ(dataKey(kDevelop, "GProc"), "N17653000021");
    EXPECT_EQ(dataKey(kDevelop, "Measures"), "N17653000031");
}

TEST_F(ActivityWorkProductSheetsTest, WorkProductAuthorsDerivationAndInformations) {
    setDataKey(kSourceCode, "Derivable", "yes");
    setDataKey(kTestPlan, "Derivable", "yes");
    setDataKey(kTestPlan, "Derived", "yes");
    setDataKey(kTestPlan, "DerivedFrom2", "N17653000014");
    reload("Test plan");
    ModalScript script;
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CWorkProductPPage1View>();
        EXPECT_EQ(page->getText(CWorkProductPPage1View::IDC_WP_TYPE), "source code");
        list(page, CWorkProductPPage1View::IDC_ROLES)->SetStringSelection("Tester");
        page->OnAddAuthor();
        list(page, CWorkProductPPage1View::IDC_RESPONSIBILITIES)->SetStringSelection("reviewed by");
        list(page, CWorkProductPPage1View::IDC_ROLES)->SetStringSelection("Quality manager");
        page->OnAddAuthor();
        page->authorsGrid().select(2);
        page->OnAuthorUp();
        page->authorsGrid().select(0);
        page->OnRemoveAuthor();
        page->setChecked(CWorkProductPPage1View::IDC_DERIVED, true);
        page->OnDerivedCheck();
        auto* first = choice(page, CWorkProductPPage1View::IDC_DERIVED_FROM_1);
        first->SetStringSelection("Software engineering / Testing / Test plan");
        page->OnSelchangeDerivedFrom1();
        EXPECT_EQ(first->GetSelection(), 0);
        EXPECT_EQ(messages().size(), 1u);

        auto* informations = sheet.findView<CWorkProductPPage3View>();
        sheet.activate(informations);
        EXPECT_EQ(list(informations, CWorkProductPPage3View::IDC_USING)->GetCount(), 1u);
        EXPECT_EQ(list(informations, CWorkProductPPage3View::IDC_USING)->GetString(0), "Test");
        EXPECT_EQ(list(informations, CWorkProductPPage3View::IDC_UPDATING)->GetString(0), "Develop");
        return ok(sheet);
    });
    edit("Source code", script);
    EXPECT_EQ(dataKey(kSourceCode, "Author"), "~N17653000005/reviewed by,~N17653000004/author");
    EXPECT_EQ(dataKey(kSourceCode, "Derived"), "yes");
    EXPECT_EQ(dataKey(kSourceCode, "DerivedFrom"), "");
}

TEST_F(ActivityWorkProductSheetsTest, TemplatesAndExamplesAreCopiedIntoTheItemFolder) {
    m_dir.write("plan.doc", "the plan");
    m_dir.write("other/plan.doc", "another plan");
    const std::string folder = kSourceCode;
    ModalScript script;
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        auto* templates = sheet.findView<CWorkProductPPage2View>();
        sheet.activate(templates);
        templates->takeFile(1111, (m_dir / "plan.doc").c_str());
        EXPECT_EQ(templates->getText(1111), "plan.doc");
        EXPECT_EQ(file(folder + "/plan.doc"), "the plan");
        // The item's own copy chosen again, then another file of that name: both asked.
        m_ui.answers = {IDYES, IDNO};
        templates->takeFile(1131, (m_dir / ("Demo/site/" + folder + "/plan.doc")).c_str());
        EXPECT_EQ(templates->getText(1131), "plan.doc");
        templates->takeFile(1113, (m_dir / "other/plan.doc").c_str());
        EXPECT_EQ(templates->getText(1113), "");
        EXPECT_EQ(file(folder + "/plan.doc"), "the plan");
        m_ui.answers = {IDYES};
        templates->takeFile(1113, (m_dir / "other/plan.doc").c_str());
        EXPECT_EQ(file(folder + "/plan.doc"), "another plan");
        EXPECT_EQ(messages(),
                  (std::vector<std::string>{
                      "The file plan.doc is the one in the item's folder already. Use it as it is?",
                      "The item's folder holds a file plan.doc already. Replace it with the file chosen?",
                      "The item's folder holds a file plan.doc already. Replace it with the file chosen?"}));
        templates->takeFile(1133, (m_dir / "missing.doc").c_str());
        EXPECT_EQ(messages(), std::vector<std::string>{"Copy of file missing.doc failed."});

        auto* examples = sheet.findView<CWorkProductPPage4View>();
        sheet.activate(examples);
        EXPECT_TRUE(examples->isChecked(CWorkProductPPage4View::IDC_DEFAULT_LIBRARY));
        EXPECT_TRUE(examples->FindWindow(1140)->IsEnabled());
        std::filesystem::create_directory(m_dir / ("Demo/site/" + folder + "/ar"));
        examples->takeFile(1139, (m_dir / "plan.doc").c_str());
        EXPECT_EQ(examples->getText(1139), "ar/plan.doc");
        EXPECT_EQ(file(folder + "/ar/plan.doc"), "the plan");
        examples->setChecked(CWorkProductPPage4View::IDC_DEFAULT_LIBRARY, false);
        examples->OnExampleLibraryCheck();
        EXPECT_FALSE(examples->FindWindow(1140)->IsEnabled());
        EXPECT_TRUE(examples->FindWindow(CWorkProductPPage4View::IDC_LIBRARY_PATH)->IsEnabled());
        return cancel(sheet);
    });
    edit("Source code", script);
    EXPECT_EQ(dataKey(kSourceCode, "TemplateNameL1F1"), "") << "Cancel drops the names";
    EXPECT_EQ(file(folder + "/plan.doc"), "another plan") << "and keeps the copies";
}

// The buttons, radio buttons and check boxes reach their handlers
// when the user operates them, on the pages of both sheets.
TEST_F(ActivityWorkProductSheetsTest, ControlsReachTheirHandlers) {
    setDataKey(kDevelop, "SeparatedProcedureText", "yes");
    setDataKey(kDevelop, "ProcedureLink", "URL");
    reload("Develop");
    ModalScript script;
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* links = sheet.findView<ActivityRolesWPsDialogView>();
        send(links, wxEVT_BUTTON, ActivityRolesWPsDialogView::IDC_ADD_ROLE);
        send(links, wxEVT_BUTTON, ActivityRolesWPsDialogView::IDC_EDIT_IN);
        EXPECT_EQ(messages(), (std::vector<std::string>{"Please select a role first",
                                                        "Please select the work product link to edit"}));

        auto* steps = sheet.findView<ActivityStepsDialogView>();
        sheet.activate(steps);
        send(steps, wxEVT_BUTTON, ActivityStepsDialogView::IDC_NEW);
        EXPECT_EQ(list(steps, ActivityStepsDialogView::IDC_STEPS_L1)->GetCount(), 4u);
        EXPECT_TRUE(steps->FindWindow(ActivityStepsDialogView::IDC_DELETE)->IsEnabled());

        auto* attributes = sheet.findView<CActivityAttrDialogView>();
        sheet.activate(attributes);
        EXPECT_TRUE(attributes->FindWindow(CActivityAttrDialogView::IDC_URL_L1)->IsEnabled());
        attributes->setChecked(CActivityAttrDialogView::IDC_NO_PROCEDURE, true);
        send(attributes, wxEVT_RADIOBUTTON, CActivityAttrDialogView::IDC_NO_PROCEDURE);
        EXPECT_FALSE(attributes->FindWindow(CActivityAttrDialogView::IDC_URL_L1)->IsEnabled());
        attributes->setChecked(CActivityAttrDialogView::IDC_DERIVED, true);
        send(attributes, wxEVT_CHECKBOX, CActivityAttrDialogView::IDC_DERIVED);
        EXPECT_TRUE(attributes->FindWindow(CActivityAttrDialogView::IDC_DERIVED_FROM)->IsEnabled());
        return cancel(sheet);
    });
    script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CWorkProductPPage1View>();
        page->setChecked(CWorkProductPPage1View::IDC_DERIVED, true);
        send(page, wxEVT_CHECKBOX, CWorkProductPPage1View::IDC_DERIVED);
        EXPECT_TRUE(page->FindWindow(CWorkProductPPage1View::IDC_DERIVED_FROM_1)->IsEnabled());
        page->setChecked(CWorkProductPPage1View::IDC_DERIVED, false);
        send(page, wxEVT_CHECKBOX, CWorkProductPPage1View::IDC_DERIVED);
        EXPECT_FALSE(page->FindWindow(CWorkProductPPage1View::IDC_DERIVED_FROM_1)->IsEnabled());
        return cancel(sheet);
    });
    edit("Develop", script);
    edit("Source code", script);
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

// A session on the demo: Develop's roles, work products and steps edited
// through its pages, a step page written, then the site generated; the
// data file, the step page and the generated activity page read on disk.
// Every page of both sheets is saved as a picture for a person to look at.
TEST_F(ActivityWorkProductSheetsTest, AnActivityEditedThroughItsPagesReachesTheGeneratedSite) {
    const std::string folder = kDevelop;
    ModalScript script;
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        auto* links = sheet.findView<ActivityRolesWPsDialogView>();
        list(links, ActivityRolesWPsDialogView::IDC_ROLES)->SetStringSelection("Quality manager");
        list(links, ActivityRolesWPsDialogView::IDC_RESPONSIBILITIES)->SetStringSelection("informed");
        links->OnAddRole();
        list(links, ActivityRolesWPsDialogView::IDC_OUT_WORK_PRODUCTS)->SetStringSelection("Test plan");
        links->OnAddOutWorkProduct();
        for (int i = 0; i < sheet.getPageCount(); ++i) {
            sheet.setActivePage(i);
            checkDialogLook(sheet, "ActivitySheet" + std::to_string(i), m_dir.path());
        }
        fitsSmallScreen(sheet);
        auto* steps = sheet.findView<ActivityStepsDialogView>();
        sheet.activate(steps);
        steps->OnNew();
        steps->setText(ActivityStepsDialogView::IDC_TITLE_L1, "Ask for a review");
        steps->setText(ActivityStepsDialogView::IDC_TITLE_L2, "Demander une relecture");
        steps->OnUpdateStepTitle();
        list(steps, ActivityStepsDialogView::IDC_STEPS_L1)->SetSelection(3);
        steps->OnEditStepL1();
        // The page as the editor would have saved it.
        writeFile(folder + "/3.htm", file(folder + "/3.htm")
                                         .replace(file(folder + "/3.htm").find("</body>"), 0,
                                                  "<p>Send the code to a colleague.</p>\r\n"));
        return ok(sheet);
    });
    script.then<ActivityWorkProductLinkDlgMgt>([this](ActivityWorkProductLinkDlgMgt& link) {
        checkDialogLook(link, "ActivityWorkProductLink", m_dir.path());
        link.setText(ActivityWorkProductLinkDlgMgt::IDC_NUMBER, "1");
        link.OnOK();
        return answerOf(link);
    });
    script.then<CDHtmlEditDlg>([](CDHtmlEditDlg&) { return static_cast<int>(wxID_CANCEL); });
    script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
        for (int i = 0; i < sheet.getPageCount(); ++i) {
            sheet.setActivePage(i);
            checkDialogLook(sheet, "WorkProductSheet" + std::to_string(i), m_dir.path());
        }
        fitsSmallScreen(sheet);
        auto* examples = sheet.findView<CWorkProductPPage4View>();
        EXPECT_TRUE(examples->isInitialised());
        EXPECT_TRUE(examples->isChecked(CWorkProductPPage4View::IDC_DEFAULT_LIBRARY));
        EXPECT_FALSE(examples->FindWindow(CWorkProductPPage4View::IDC_LIBRARY_PATH)->IsEnabled());
        EXPECT_TRUE(examples->FindWindow(1140)->IsEnabled());
        auto* templates = sheet.findView<CWorkProductPPage2View>();
        sheet.activate(templates);
        m_dir.write("code-template.txt", "// header");
        templates->takeFile(1111, (m_dir / "code-template.txt").c_str());
        return ok(sheet);
    });
    edit("Develop", script);
    edit("Source code", script);
    EXPECT_EQ(messages(), std::vector<std::string>{});

    EXPECT_EQ(dataKey(folder, "Roles"), "~N17653000003/responsible,~N17653000005/informed");
    EXPECT_EQ(dataKey(folder, "OutWorkProducts"), "~N17653000014//1,~N17653000070//1");
    EXPECT_EQ(dataKey(folder, "Step"), "Write the code,Test each unit,Check it in,Ask for a review");
    EXPECT_NE(dataKey(folder, "StepL2").find(",Demander une relecture"), std::string::npos);
    EXPECT_NE(file(folder + "/3.htm").find("Send the code to a colleague."), std::string::npos);
    EXPECT_EQ(dataKey(kSourceCode, "TemplateNameL1F1"), "code-template.txt");
    EXPECT_EQ(file(std::string(kSourceCode) + "/code-template.txt"), "// header");

    m_main->OnSiteGeneration();
    const std::string page = file(folder + "/overview.htm");
    for (const char* expected :
         {"Ask for a review", "Send the code to a colleague.", "Quality manager", "Test plan"})
        EXPECT_NE(page.find(expected), std::string::npos) << expected;
    EXPECT_NE(file(std::string(kSourceCode) + "/overview.htm").find("code-template.txt"), std::string::npos);
}

} // namespace
