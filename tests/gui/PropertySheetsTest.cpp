// The property sheets as the user sees them: each class's sheet opens with
// its pages in order, each shown by its own view (pages of activities and
// work products included); the pages show
// and hand back the item's values; Cancel writes nothing; the
// identification page keeps a stored date it cannot read.

#include "CEditContentView.h"
#include "CIdentificationDialogView.h"
#include "CProcessOverviewDialogView.h"
#include "CQCDescDialogView.h"
#include "CWorkflowEditorStarterDlgView.h"
#include "DiagramEditorAvailability.h"
#include "ExtendedPropertyPage.h"
#include "ItemPropertySheet.h"
#include "MeasureDialogView.h"
#include "ModalScript.h"
#include "PendingPageView.h"
#include "PropertyPage.h"
#include "SheetsProject.h"

#include <functional>
#include <map>
#include <wx/choice.h>
#include <wx/datectrl.h>
#include <wx/frame.h>
#include <wx/listbox.h>

namespace {

class PropertySheetsTest : public SheetsProject {
protected:
    const char* fixture() const override { return "process-classes"; }
    // Opens the item's sheet from the main window and plays the user in it.
    void edit(const char* uid, std::function<int(ItemPropertySheet&)> user) {
        ModalScript script;
        script.then<ItemPropertySheet>(std::move(user));
        m_main->editItemAttributes(node(uid));
    }
    // Every file of the project with its content.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> all;
        for (const std::string& path : m_dir.entries())
            if (std::filesystem::is_regular_file(m_dir / path))
                all[path] = m_dir.read(path);
        return all;
    }
};

struct SheetCase {
    const char* uid;
    const char* title;
    // The tabs in order; "*" marks a page this version cannot edit yet.
    std::vector<std::string> pages;
};

TEST_F(PropertySheetsTest, EachClassSheetOpensWithItsPagesInOrder) {
    const SheetCase cases[] = {
        {"N11", "Edit data", {"Html Content", "Attributes", "Identification"}},
        {"N2", "Discipline edition: Discipline B", {"Html Content", "Identification"}},
        {"N1", "Domain edition: Domain A", {"Html Content", "Identification"}},
        {"N17",
         "General procedure edition: Coding rules",
         {"Procedure attribute", "Description 2nd Lang", "Identification"}},
        {"N16",
         "General procedure group edition: Procedures",
         {"General Procedure Group attributes", "Identification"}},
        {"N20", "Edit process overview", {"Process overview attributes", "Identification"}},
        {"N15", "Measure edition: Effort", {"Measure attributes", "Description 2nd Lang", "Identification"}},
        {"N19",
         "Glossary Entry: Baseline",
         {"Glossary entry (Language 1)", "Glossary entry (Language 2)", "Identification"}},
        {"N14",
         "Edit quality criteria",
         {"Description and applicability", "Description and applicability (L2)", "Identification"}},
        {"N13", "Edit  data", {"Identification"}},
        {"N21", "Edit  data", {"Identification"}},
        {"N22", "Edit  data", {"Identification"}},
        {"N3",
         "Workflow edition: Flow",
         {"Workflow", "Description", "Description 2nd Lang", "Identification", "Html Content"}},
        {"N6",
         "Macro-activity edition: Macro",
         {"Workflow", "Description", "Description 2nd Lang", "Identification", "Html Content"}},
        {"N4",
         "Phase edition: Phase 1",
         {"Workflow", "Description", "Description 2nd Lang", "Identification", "Html Content"}},
        {"N23", "Work product overview edition: WP map", {"Workflow", "Identification"}},
        {"N9",
         "Edit activity: Test",
         {"Roles - Work products", "Steps", "Attributes and procedures", "Description",
          "Description 2nd Lang", "Tailoring guideline", "Tailoring guideline 2nd lang", "Measures",
          "Informations", "Identification"}},
        // A shortcut edits its target.
        {"N8",
         "Edit activity: Test",
         {"Roles - Work products", "Steps", "Attributes and procedures", "Description",
          "Description 2nd Lang", "Tailoring guideline", "Tailoring guideline 2nd lang", "Measures",
          "Informations", "Identification"}},
        {"N12",
         "WorkProduct edition: Plan",
         {"Attributes", "Description 2nd Lang", "Templates", "Examples", "Tailoring guideline",
          "Tailoring guideline 2nd lang", "Identification", "Informations"}},
    };
    const auto before = files();
    for (const SheetCase& c : cases) {
        std::string title;
        std::vector<std::string> pages;
        edit(c.uid, [&](ItemPropertySheet& sheet) {
            title = sheet.GetTitle().utf8_string();
            for (int i = 0; i < sheet.getPageCount(); ++i)
                pages.push_back(sheet.getCaptions()[i].str() +
                                (dynamic_cast<PendingPageView*>(sheet.getPageView(i)) ? "*" : ""));
            // Every page shown once, then given up.
            for (int i = 0; i < sheet.getPageCount(); ++i)
                EXPECT_TRUE(sheet.setActivePage(i)) << c.uid << " page " << i;
            sheet.OnCancel();
            return sheet.GetReturnCode();
        });
        EXPECT_EQ(title, c.title) << c.uid;
        EXPECT_EQ(pages, c.pages) << c.uid;
    }
    // The work product's "Informations" page links the work products anew,
    // and the fixture's activity names one that is not there.
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Some work products have not been found. Please consult logfile."});
    EXPECT_TRUE(files() == before) << "a cancelled sheet writes nothing";
}

TEST_F(PropertySheetsTest, IdentificationPageEditsStateVersionAndApprovals) {
    const std::string data = "site/Products/Plan/Draft/process.data";
    std::string text = read(data);
    text += "Appro1=To approve\r\nAppro1Date=07/03/2008\r\nAppro2=Approved\r\nAppro2Date=someday\r\n"
            "Appro3=Refused\r\nAppro3Date=31/12/1979\r\nVersion=1\r\nEditor=Ann\r\n";
    m_dir.write("proj/" + data, text);
    edit("N13", [](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CIdentificationDialogView>();
        EXPECT_EQ(page->getText(CIdentificationDialogView::IDC_NAME), "Draft");
        EXPECT_EQ(page->getText(CIdentificationDialogView::IDC_CLASS), "WORKPRODUCT STATE");
        EXPECT_EQ(page->getText(CIdentificationDialogView::IDC_UID), "N13");
        EXPECT_EQ(page->getText(CIdentificationDialogView::IDC_AUTHOR), "Ann");
        EXPECT_EQ(page->getText(CIdentificationDialogView::labelId(1)), "Approval 1");
        auto picker = [page](int n) {
            return static_cast<wxDatePickerCtrl*>(page->FindWindow(CIdentificationDialogView::dateId(n)));
        };
        EXPECT_EQ(page->getText(CIdentificationDialogView::approvalId(1)), "To approve");
        EXPECT_TRUE(picker(1)->IsEnabled());
        EXPECT_EQ(picker(1)->GetValue().FormatISODate(), "2008-03-07");
        // Dates that cannot be read show none.
        EXPECT_FALSE(picker(2)->GetValue().IsValid());
        EXPECT_FALSE(picker(3)->GetValue().IsValid());
        EXPECT_EQ(page->getText(CIdentificationDialogView::approvalId(4)), "Not defined");
        EXPECT_FALSE(picker(4)->IsEnabled());

        // A row that needs a date gets today's; one that does not keeps it, disabled.
        static_cast<wxChoice*>(page->FindWindow(CIdentificationDialogView::approvalId(4)))->SetSelection(3);
        page->OnSelchangeApproval(4);
        EXPECT_TRUE(picker(4)->IsEnabled());
        EXPECT_EQ(picker(4)->GetValue().FormatISODate(), wxDateTime::Today().FormatISODate());
        static_cast<wxChoice*>(page->FindWindow(CIdentificationDialogView::approvalId(1)))->SetSelection(1);
        page->OnSelchangeApproval(1);
        EXPECT_FALSE(picker(1)->IsEnabled());
        // The second date given anew, the third left alone.
        picker(2)->SetValue(wxDateTime(14, wxDateTime::Jul, 2021));
        page->setText(CIdentificationDialogView::IDC_VERSION, "2");
        page->setText(CIdentificationDialogView::IDC_STATE, "APPROVED");
        page->setText(CIdentificationDialogView::IDC_NOTES, "Checked by Ann.");
        return ok(sheet);
    });
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro1"), "Approval not required");
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro1Date"), "07/03/2008");
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro2Date"), "14/07/2021");
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro3Date"), "31/12/1979") << "kept as stored";
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro4"), "Approved");
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro4Date"),
              wxDateTime::Today().Format("%d/%m/%Y").utf8_string());
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Appro5"), "Not defined");
    EXPECT_EQ(dataKey("Products/Plan/Draft", "Version"), "2");
    EXPECT_EQ(dataKey("Products/Plan/Draft", "State"), "APPROVED");
    EXPECT_EQ(read("site/Products/Plan/Draft/notes.txt"), "Checked by Ann.");
}

TEST_F(PropertySheetsTest, ABadNameKeepsTheUserOnTheIdentificationPage) {
    const auto before = files();
    edit("N20", [this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CIdentificationDialogView>();
        EXPECT_TRUE(sheet.activate(page));
        page->setText(CIdentificationDialogView::IDC_NAME, "Over*view");
        EXPECT_FALSE(sheet.setActivePage(0));
        sheet.OnOK();
        EXPECT_FALSE(sheet.hasEnded());
        EXPECT_EQ(sheet.getActivePage(), 1);
        EXPECT_EQ(messages().size(), 2u);
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
    EXPECT_TRUE(files() == before);
}

TEST_F(PropertySheetsTest, AStoredNameThatFailsTheChecksKeepsNoPageFromBeingSaved) {
    // Names the tree file was given by hand. The Identification page shows
    // them and cannot change them: OK saves every page and renames nothing.
    for (const char* stored : {"Over!view", "Effort", "WP_map"}) {
        m_main.reset();
        std::string tree = m_dir.read("proj/tolvane/MenuTreeV2.dat");
        const size_t at = tree.find("*N20*");
        ASSERT_NE(at, std::string::npos);
        const size_t name = at + 5;
        tree.replace(name, tree.find('*', name) - name, stored);
        m_dir.write("proj/tolvane/MenuTreeV2.dat", tree);
        m_dir.write("proj/site/Overview/process.data",
                    "[PROCESSUS]\r\nClass=PROCESSOVERVIEW\r\nTargetWorkflow=none\r\n");
        m_main = std::make_unique<CMenuCreatorDlg>((m_dir / "proj/site.tvx").c_str(), nullptr);
        m_main->OnInitDialog();
        messages();
        ASSERT_EQ(item("N20")->getName(), stored);

        edit("N20", [&](ItemPropertySheet& sheet) {
            auto* identification = sheet.findView<CIdentificationDialogView>();
            EXPECT_TRUE(sheet.activate(identification)) << stored;
            EXPECT_EQ(identification->getText(CIdentificationDialogView::IDC_NAME), stored);
            identification->setText(CIdentificationDialogView::IDC_AUTHOR, "Ann");
            EXPECT_TRUE(sheet.setActivePage(0)) << stored;
            auto* overview = sheet.findView<CProcessOverviewDialogView>();
            static_cast<wxChoice*>(overview->FindWindow(CProcessOverviewDialogView::IDC_TARGET_WORKFLOW))
                ->SetSelection(0);
            overview->OnSelchangeTargetWorkflow();
            EXPECT_TRUE(sheet.activate(identification)) << stored;
            return ok(sheet);
        });
        EXPECT_EQ(messages(), std::vector<std::string>{}) << stored;
        EXPECT_EQ(dataKey("Overview", "Editor"), "Ann") << stored;
        EXPECT_EQ(dataKey("Overview", "TargetWorkflow"), "../site/Domain_A/Discipline_B/Flow/overview.htm")
            << stored;
        EXPECT_EQ(item("N20")->getName(), stored) << "no rename";
        EXPECT_EQ(item("N20")->getUrl(), "../site/Overview/overview.htm") << stored;
    }
}

TEST_F(PropertySheetsTest, PagesNeverShownHandBackWhatTheyLoaded) {
    const auto before = dataKey("Effort", "Unit");
    edit("N15", &PropertySheetsTest::ok);
    EXPECT_EQ(dataKey("Effort", "Unit"), before);
    EXPECT_EQ(dataKey("Effort", "CalculateAverage"), "yes");
}

TEST_F(PropertySheetsTest, ProcessOverviewOffersTheWorkflows) {
    edit("N20", [](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CProcessOverviewDialogView>();
        auto* list =
            static_cast<wxChoice*>(page->FindWindow(CProcessOverviewDialogView::IDC_TARGET_WORKFLOW));
        EXPECT_EQ(list->GetCount(), 1u);
        EXPECT_EQ(list->GetString(0), "Flow: ../site/Domain_A/Discipline_B/Flow/overview.htm");
        list->SetSelection(0);
        page->OnSelchangeTargetWorkflow();
        EXPECT_EQ(page->getText(CProcessOverviewDialogView::IDC_WORKFLOW_PATH),
                  "../site/Domain_A/Discipline_B/Flow/overview.htm");
        return ok(sheet);
    });
    EXPECT_EQ(dataKey("Overview", "TargetWorkflow"), "../site/Domain_A/Discipline_B/Flow/overview.htm");
}

TEST_F(PropertySheetsTest, MeasurePictureIsCopiedAtOnceAndAFailedCopyIsTold) {
    m_dir.write("effort.png", "picture");
    edit("N15", [this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<MeasureDialogView>();
        page->getPicture((m_dir / "effort.png").c_str());
        EXPECT_EQ(page->getText(MeasureDialogView::IDC_PICTURE), "effort.png");
        page->getPicture((m_dir / "missing.png").c_str());
        EXPECT_EQ(messages().size(), 1u);
        EXPECT_EQ(page->getText(MeasureDialogView::IDC_PICTURE), "effort.png");
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
    EXPECT_EQ(read("site/Effort/effort.png"), "picture") << "Cancel keeps the copy";
    EXPECT_EQ(dataKey("Effort", "picturePath"), "chart.png");
}

TEST_F(PropertySheetsTest, MeasurePictureReplacesAFileOfItsNameOnlyWhenTheUserSaysSo) {
    m_dir.write("proj/site/Effort/chart.png", "the chart");
    m_dir.write("other/chart.png", "another chart");
    const std::string replace =
        "The item's folder holds a file chart.png already. Replace it with the file chosen?";
    const std::string own = "The file chart.png is the one in the item's folder already. Use it as it is?";
    const struct {
        const char* chosen;
        int answer;
        std::string question;
        const char* shown;
        const char* inFolder;
    } cases[] = {
        {"other/chart.png", IDNO, replace, "old.png", "the chart"},
        {"other/chart.png", IDYES, replace, "chart.png", "another chart"},
        {"proj/site/Effort/chart.png", IDNO, own, "old.png", "another chart"},
        {"proj/site/Effort/chart.png", IDYES, own, "chart.png", "another chart"},
    };
    edit("N15", [&](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<MeasureDialogView>();
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.chosen) + (c.answer == IDYES ? " yes" : " no"));
            page->setText(MeasureDialogView::IDC_PICTURE, "old.png");
            m_ui.answers = {c.answer};
            page->getPicture((m_dir / c.chosen).c_str());
            EXPECT_EQ(messages(), std::vector<std::string>{c.question});
            EXPECT_EQ(page->getText(MeasureDialogView::IDC_PICTURE), c.shown);
            EXPECT_EQ(read("site/Effort/chart.png"), c.inFolder);
        }
        return ok(sheet);
    });
    EXPECT_EQ(dataKey("Effort", "picturePath"), "chart.png");
}

TEST_F(PropertySheetsTest, QualityCriterionDescriptionAndApplicability) {
    edit("N14", [](ItemPropertySheet& sheet) {
        auto* first = dynamic_cast<CQCDescDialogView*>(sheet.getPageView(0));
        auto* second = dynamic_cast<CQCDescDialogView*>(sheet.getPageView(1));
        EXPECT_NE(first->FindWindow(CQCDescDialogView::IDC_MAIN), nullptr);
        EXPECT_EQ(second->FindWindow(CQCDescDialogView::IDC_MAIN), nullptr);
        EXPECT_EQ(first->getText(CQCDescDialogView::IDC_DESCRIPTION), "Every section filled.\r\n");
        first->setText(CQCDescDialogView::IDC_APPLICABILITY, "Plans of large projects.");
        first->setChecked(CQCDescDialogView::IDC_MAIN, false);
        return ok(sheet);
    });
    EXPECT_EQ(read("site/Products/Plan/Complete/Tailoring.txt"), "Plans of large projects.");
    EXPECT_EQ(read("site/Products/Plan/Complete/description.txt"), "Every section filled.\r\n");
    EXPECT_EQ(dataKey("Products/Plan/Complete", "Main"), "no");
}

TEST_F(PropertySheetsTest, DiagramStarterAndHtmlContentPages) {
    edit("N3", [](ItemPropertySheet& sheet) {
        auto* starter = sheet.findView<CWorkflowEditorStarterDlgView>();
        auto* button = starter->FindWindow(CWorkflowEditorStarterDlgView::IDC_EDIT_DIAGRAM);
        EXPECT_EQ(button->GetLabel(), "Edit Workflow");
        EXPECT_FALSE(button->IsEnabled());
        EXPECT_EQ(button->GetToolTipText(), kDiagramEditorMissing);
        EXPECT_TRUE(starter->FindWindow(CWorkflowEditorStarterDlgView::IDC_FULLY_GENERATED)->IsShown());
        starter->setChecked(CWorkflowEditorStarterDlgView::IDC_FULLY_GENERATED, true);
        auto* content = sheet.findView<CEditContentView>();
        sheet.activate(content);
        EXPECT_TRUE(content->FindWindow(CEditContentView::IDC_EDIT_CONTENT_L2)->IsShown());
        return ok(sheet);
    });
    EXPECT_EQ(dataKey("Domain_A/Discipline_B/Flow", "fullyGenerated"), "yes");
    edit("N23", [](ItemPropertySheet& sheet) {
        auto* starter = sheet.findView<CWorkflowEditorStarterDlgView>();
        EXPECT_EQ(starter->FindWindow(CWorkflowEditorStarterDlgView::IDC_EDIT_DIAGRAM)->GetLabel(),
                  "Edit Work product map");
        EXPECT_FALSE(starter->FindWindow(CWorkflowEditorStarterDlgView::IDC_FULLY_GENERATED)->IsShown());
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
    // One language: only the first language's page.
    setOption("TwoLanguages", "false");
    edit("N1", [](ItemPropertySheet& sheet) {
        auto* content = sheet.findView<CEditContentView>();
        EXPECT_FALSE(content->FindWindow(CEditContentView::IDC_EDIT_CONTENT_L2)->IsShown());
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
}

// A page of two lists, as the pages that pick roles or measures have.
class TwoListsPage : public ExtendedPropertyPage {
public:
    TwoListsPage(wxWindow* parent, PropertyPage& page) : ExtendedPropertyPage(parent, page) {
        wxArrayString roles;
        roles.Add("Designer");
        roles.Add("");
        roles.Add("Tester");
        auto* source = new wxListBox(this, 1, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT);
        for (size_t i = 0; i < roles.size(); ++i)
            source->Append(roles[i], reinterpret_cast<void*>(i + 1));
        new wxListBox(this, 2, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT);
        wxArrayString qualifiers;
        qualifiers.Add("performs");
        new wxListBox(this, 3, wxDefaultPosition, wxDefaultSize, qualifiers);
    }
    wxListBox* list(int id) const { return static_cast<wxListBox*>(FindWindow(id)); }
};

TEST(ExtendedPropertyPageTest, ListEntriesAreAddedOnceAndRemoved) {
    PropertyPage value(1, "Lists");
    wxFrame frame(nullptr, wxID_ANY, "");
    TwoListsPage page(&frame, value);
    page.addSelectedToList(1, 2, 3, true); // nothing selected
    EXPECT_EQ(page.list(2)->GetCount(), 0u);
    page.list(1)->SetStringSelection("Tester");
    page.addSelectedToList(1, 2, 3, true); // no qualifier selected
    page.list(2)->Append("designer");
    page.list(1)->SetStringSelection("Designer");
    page.addSelectedToList(1, 2, 0, false); // already there, case aside
    page.list(3)->SetSelection(0);
    page.addSelectedToList(1, 2, 3, true);
    page.list(1)->SetSelection(0); // the empty entry
    page.addSelectedToList(1, 2, 0, false);
    ASSERT_EQ(page.list(2)->GetCount(), 3u);
    EXPECT_EQ(page.list(2)->GetString(0), "designer");
    EXPECT_EQ(page.list(2)->GetString(1), "Designer/performs");
    EXPECT_EQ(page.list(2)->GetString(2), "Tester");
    EXPECT_EQ(page.list(2)->GetClientData(2), reinterpret_cast<void*>(3));
    EXPECT_EQ(page.removeSelectedFromList(2), -1);
    page.list(2)->SetSelection(0);
    EXPECT_EQ(page.removeSelectedFromList(2), 2);
}

} // namespace
