// The main window's project and site commands on copies of the demo: a
// project created, opened and reopened, the document generation dialog and
// the document it leads to, a subtree exported and imported back, the word
// search, and the commands this version has no window for.

#include "CAddMenuItem.h"
#include "CNewProjectDlgMgt.h"
#include "DiagramEditorAvailability.h"
#include "DialogLook.h"
#include "DocGenerationDlgMgt.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "MenuCreatorDlg.h"
#include "ModalScript.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProgramFolder.h"
#include "SiteChecks.h"
#include "StdOption.h"
#include "StringTable.h"
#include "WxText.h"

#include <filesystem>
#include <memory>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

namespace {

namespace fs = std::filesystem;

// The buttons a project enables, and the one of them that stays disabled
// because this version lacks its window (the diagram editor).
const int kProjectButtons[] = {1010, 1011, 1012, 1219, 1004, 1006, 1016, 1017, 1400, 1401,
                               1070, 1067, 1069, 1068, 1018, 1019, 1209, 1073, 1392, 1152};
const int kUnavailable[] = {1391};

// Chooses an entry of a drop-down list as the user does: the list tells
// its window.
void choose(wxWindow& dialog, int id, const char* text) {
    auto* list = static_cast<wxChoice*>(dialog.FindWindow(id));
    list->SetSelection(list->FindString(text, true));
    wxCommandEvent chosen(wxEVT_CHOICE, id);
    chosen.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(chosen);
}

class ProjectCommandsTest : public ProgramFolder {
protected:
    void SetUp() override {
        ProgramFolder::SetUp();
        ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, work("Demo").c_str()));
        m_main = std::make_unique<CMenuCreatorDlg>("", nullptr);
        m_main->OnInitDialog();
    }
    void TearDown() override {
        m_main.reset();
        ProgramFolder::TearDown();
    }
    std::string demo() const { return work("Demo/Demo.tvx"); }
    // "New", the dialog answered: the standard template, the name, the
    // folder "work".
    void createThroughNew(const char* name) {
        ModalScript script;
        script.then<CNewProjectDlgMgt>([this, name](CNewProjectDlgMgt& dialog) {
            dialog.getTemplateList()->SetSelection(dialog.getTemplateList()->FindString("Standard"));
            dialog.setText(CNewProjectDlgMgt::IDC_PROJECT_NAME, name);
            dialog.setText(CNewProjectDlgMgt::IDC_LOCATION, work().c_str());
            dialog.OnOK();
            return answerOf(dialog);
        });
        m_main->OnNew();
    }
    // Opens a settings file through "Open", the file dialog answered.
    void openThroughDialog(const std::string& path) {
        ModalScript script;
        script.then<wxFileDialog>([path](wxFileDialog& files) {
            EXPECT_EQ(files.GetWildcard(), "Tolvane project file (*.tvx)|*.tvx");
            TolvaneDialog::answerChooser(files, path.c_str());
            return static_cast<int>(wxID_OK);
        });
        m_main->OnOpen();
    }
    bool enabled(int id) const { return m_main->FindWindow(id)->IsEnabled(); }
    std::string toolTip(int id) const { return m_main->FindWindow(id)->GetToolTipText().utf8_string(); }
    std::string title() const { return fromWx(m_main->GetTitle()).str(); }
    int nodeCount() const {
        wxTreeCtrl* tree = m_main->getTree();
        return tree->IsEmpty() ? 0 : static_cast<int>(tree->GetCount());
    }
    void select(const char* name) const {
        Item* item = m_main->getProject()->findItemByName(name);
        ASSERT_NE(item, nullptr) << name;
        m_main->getTree()->SelectItem(wxTreeItemId(item->getTreeHandle()));
    }
    // The folders of "tmp" whose name begins with the prefix.
    std::vector<std::string> exchangeFolders(const std::string& project, const std::string& prefix) const {
        std::vector<std::string> found;
        if (!fs::exists(work(project + "/tmp")))
            return found;
        for (const auto& entry : fs::directory_iterator(work(project + "/tmp")))
            if (entry.path().filename().string().rfind(prefix, 0) == 0)
                found.push_back(entry.path().string());
        return found;
    }

    std::unique_ptr<CMenuCreatorDlg> m_main;
};

TEST_F(ProjectCommandsTest, NewMakesAProjectFromATemplateAndOpensIt) {
    openThroughDialog(demo());
    createThroughNew("Quality site");
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const std::string path = work("Quality_site/Quality_site.tvx");
    ASSERT_NE(m_main->getProject(), nullptr);
    EXPECT_EQ(m_main->getProject()->getProjectDirectory(), (work("Quality_site") + "/").c_str());
    EXPECT_EQ(title(), "Maravex Tolvane - v2.4.5  - Quality_site");
    EXPECT_EQ(StdOption::instance().getSiteName(), "Quality_site");
    char stored[1000] = "";
    GetPrivateProfileStringA("STD_OPTION", "SiteName", "", stored, sizeof stored, path.c_str());
    EXPECT_STREQ(stored, "Quality_site");
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), path.c_str());
    // The template's tree: home page, glossary and site map.
    EXPECT_EQ(nodeCount(), 3);
    for (int id : kProjectButtons)
        EXPECT_TRUE(enabled(id)) << id;
    // The project was opened at once: its links need no refresh later.
    EXPECT_FALSE(m_main->getProject()->isLinkRefreshPending());
}

// What a user does first: a project of their own from the standard
// template, two items added, the site generated, the program closed and
// started again, the project reopened as the last one; the site then loads
// in a browser without script errors, and every link of it leads to a file.
TEST_F(ProjectCommandsTest, ANewProjectGrowsIntoASiteThatABrowserShows) {
    createThroughNew("Quality site");
    ModalScript script;
    ASSERT_NE(m_main->getProject(), nullptr);
    auto add = [](const char* name) {
        return [name](CAddMenuItem& dialog) {
            EXPECT_EQ(dialog.getText(CAddMenuItem::IDC_NAME), name);
            dialog.OnOK();
            return answerOf(dialog);
        };
    };
    // A workflow below the home page, an activity inside it.
    script.then<CAddMenuItem>(add("Delivery")).then<CAddMenuItem>(add("Ship the release"));
    Item* home = m_main->getProject()->getHomeItem();
    Item* workflow = m_main->addItem(wxTreeItemId(home->getTreeHandle()), 0, kWorkflowClass, "Delivery");
    ASSERT_NE(workflow, nullptr);
    ASSERT_NE(m_main->addItem(wxTreeItemId(workflow->getTreeHandle()), 2, kActivityClass, "Ship the release"),
              nullptr);
    m_main->OnSiteGeneration();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    m_main->OnClose();

    // The program again, without a project until the last one is reopened.
    m_main = std::make_unique<CMenuCreatorDlg>("", nullptr);
    m_main->OnInitDialog();
    EXPECT_EQ(m_main->getProject(), nullptr);
    m_main->OnOpenLast();
    ASSERT_NE(m_main->getProject(), nullptr);
    EXPECT_EQ(m_main->getProject()->getProjectDirectory(), (work("Quality_site") + "/").c_str());
    EXPECT_EQ(title(), "Maravex Tolvane - v2.4.5  - Quality_site");
    EXPECT_EQ(nodeCount(), 5);
    auto* activity = dynamic_cast<ProcessItem*>(m_main->getProject()->findItemByName("Ship the release"));
    ASSERT_NE(activity, nullptr);
    EXPECT_EQ(activity->getClassKind(), kActivityClass);
    EXPECT_EQ(activity->getParent(), m_main->getProject()->findItemByName("Delivery"));
    EXPECT_EQ(messages(), std::vector<std::string>{});

    const std::string project = work("Quality_site/");
    const LinkCount links = expectEveryLocalLinkResolves(project);
    EXPECT_GT(links.pages, 10);
    const std::string profile = m_dir / "browser-profile";
    for (const char* page : {"index.htm", "indexWF.htm", "site/Delivery/overview.htm",
                             "site/Delivery/Ship_the_release/overview.htm"}) {
        const BrowserRun run = loadInBrowser(project + page, profile);
        EXPECT_TRUE(run.consoleMessages.empty()) << page << ":\n" << run.consoleMessages.front();
    }
    const BrowserRun index = loadInBrowser(project + "index.htm", profile);
    EXPECT_NE(index.dom.find("<frameset"), std::string::npos);
    const BrowserRun tree = loadInBrowser(project + "applet/treeView.htm", profile);
    EXPECT_TRUE(tree.consoleMessages.empty()) << tree.consoleMessages.front();
    for (const char* link :
         {"../site/Home/overview.htm", "../site/Delivery/overview.htm",
          "../site/Delivery/Ship_the_release/overview.htm", "../site/Site_map/overview.htm"})
        EXPECT_NE(tree.dom.find(std::string("href=\"") + link + "\""), std::string::npos) << link;
    const BrowserRun page = loadInBrowser(project + "site/Delivery/Ship_the_release/overview.htm", profile);
    EXPECT_NE(page.dom.find("Ship the release"), std::string::npos);
}

TEST_F(ProjectCommandsTest, ACancelledNewChangesNothing) {
    openThroughDialog(demo());
    ProcessManager* before = m_main->getProject();
    const auto entries = m_dir.entries();
    ModalScript script;
    script.then<CNewProjectDlgMgt>([](CNewProjectDlgMgt& dialog) {
        dialog.OnCancel();
        return answerOf(dialog);
    });
    m_main->OnNew();
    EXPECT_EQ(m_main->getProject(), before);
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), demo().c_str());
    EXPECT_EQ(m_dir.entries(), entries);
}

TEST_F(ProjectCommandsTest, OpenReplacesTheOpenProject) {
    ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, work("Other").c_str()));
    WritePrivateProfileStringA("STD_OPTION", "SiteName", "Other process", work("Other/Demo.tvx").c_str());
    openThroughDialog(demo());
    EXPECT_EQ(title(), "Maravex Tolvane - v2.4.5  - Demo process");
    const int demoNodes = nodeCount();
    EXPECT_EQ(demoNodes, m_main->getProject()->getItemCount());
    select("Tester");
    openThroughDialog(work("Other/Demo.tvx"));
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(m_main->getProject()->getProjectDirectory(), (work("Other") + "/").c_str());
    EXPECT_EQ(ProcessManager::getInstance(), m_main->getProject()) << "one project at a time";
    EXPECT_EQ(title(), "Maravex Tolvane - v2.4.5  - Other process");
    EXPECT_EQ(nodeCount(), demoNodes);
    // The selected item's fields no longer show an item of the closed project.
    EXPECT_EQ(static_cast<wxTextCtrl*>(m_main->FindWindow(1162))->GetValue(), "");
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), work("Other/Demo.tvx").c_str());
}

// The site's tree pages follow the menu tree when the program ends; a
// project closed by opening another is published the same way, so that
// the items added to it are in its site.
TEST_F(ProjectCommandsTest, AProjectClosedForAnotherPublishesItsTree) {
    createThroughNew("Quality site");
    ASSERT_NE(m_main->getProject(), nullptr);
    ModalScript script;
    script.then<CAddMenuItem>([](CAddMenuItem& dialog) {
        dialog.OnOK();
        return answerOf(dialog);
    });
    Item* home = m_main->getProject()->getHomeItem();
    ASSERT_NE(m_main->addItem(wxTreeItemId(home->getTreeHandle()), 0, kWorkflowClass, "Delivery"), nullptr);
    const std::string treePage = "work/Quality_site/applet/treeView.htm";
    const std::string link = "'Delivery', '../site/Delivery/overview.htm'";
    ASSERT_EQ(m_dir.read(treePage).find(link), std::string::npos);

    openThroughDialog(demo());
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_NE(m_dir.read(treePage).find(link), std::string::npos);
    EXPECT_EQ(m_main->getProject()->getSettingsFile(), demo().c_str());
}

TEST_F(ProjectCommandsTest, APathThatNamesNoProjectLeavesTheOpenOne) {
    openThroughDialog(demo());
    ProcessManager* before = m_main->getProject();
    ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, work("NoTree").c_str()));
    fs::remove(work("NoTree/tolvane/MenuTreeV2.dat"));
    const auto entries = m_dir.entries();
    openThroughDialog(work("NoTree/Demo.tvx"));
    EXPECT_EQ(messages(), std::vector<std::string>{"The project \"" + work("NoTree/Demo.tvx") +
                                                   "\" cannot be opened: its menu tree file \"" +
                                                   work("NoTree/tolvane/MenuTreeV2.dat") + "\" is missing."});
    EXPECT_EQ(m_main->getProject(), before);
    EXPECT_EQ(AppProfile::GetProfileString("File", "Last"), demo().c_str());
    EXPECT_EQ(m_dir.entries(), entries) << "nothing made beside it";
    // A cancelled file dialog changes nothing either.
    ModalScript script;
    script.then<wxFileDialog>([](wxFileDialog&) { return static_cast<int>(wxID_CANCEL); });
    m_main->OnOpen();
    EXPECT_EQ(m_main->getProject(), before);
}

TEST_F(ProjectCommandsTest, OpenLastReopensTheLastProjectOpened) {
    // Nothing remembered: nothing happens.
    m_main->OnOpenLast();
    EXPECT_EQ(m_main->getProject(), nullptr);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    // A remembered file that is gone: told, nothing opened.
    AppProfile::WriteProfileString("File", "Last", work("Gone/Gone.tvx").c_str());
    m_main->OnOpenLast();
    EXPECT_EQ(messages(), std::vector<std::string>{work("Gone/Gone.tvx") + " file not found. Aborting"});
    EXPECT_EQ(m_main->getProject(), nullptr);
    AppProfile::WriteProfileString("File", "Last", demo().c_str());
    m_main->OnOpenLast();
    ASSERT_NE(m_main->getProject(), nullptr);
    EXPECT_EQ(m_main->getProject()->getSettingsFile(), demo().c_str());
    EXPECT_EQ(nodeCount(), m_main->getProject()->getItemCount());
    EXPECT_TRUE(enabled(1400));
}

TEST_F(ProjectCommandsTest, TheDocumentGenerationDialogListsDisciplinesAndWorkflows) {
    openThroughDialog(demo());
    DocGenerationDlgMgt dialog(m_main->getProject(), 10, nullptr);
    dialog.OnInitDialog();
    auto entries = [](wxChoice* list) {
        std::vector<std::string> texts;
        for (unsigned i = 0; i < list->GetCount(); ++i)
            texts.push_back(list->GetString(i).utf8_string());
        return texts;
    };
    EXPECT_EQ(
        entries(dialog.getDisciplineList()),
        (std::vector<std::string>{"Software engineering / Development", "Software engineering / Requirements",
                                  "Software engineering / Testing"}));
    // The workflow belongs to no domain nor discipline: its bare name.
    EXPECT_EQ(entries(dialog.getWorkflowList()), std::vector<std::string>{"Development workflow"});
    EXPECT_TRUE(dialog.isChecked(DocGenerationDlgMgt::IDC_ALL_DISCIPLINES));
    EXPECT_FALSE(dialog.getDisciplineList()->IsEnabled());
    EXPECT_TRUE(dialog.getWorkflowList()->IsEnabled());
    EXPECT_FALSE(dialog.FindWindow(wxID_OK)->IsEnabled()) << "nothing chosen yet";

    // A workflow chosen, then one discipline: the workflow is forgotten.
    choose(dialog, DocGenerationDlgMgt::IDC_TARGET_WORKFLOW, "Development workflow");
    EXPECT_TRUE(dialog.FindWindow(wxID_OK)->IsEnabled());
    dialog.setChecked(DocGenerationDlgMgt::IDC_ONE_DISCIPLINE, true);
    dialog.OnOneDiscipline();
    EXPECT_EQ(dialog.getText(DocGenerationDlgMgt::IDC_TARGET_WORKFLOW), "");
    EXPECT_TRUE(dialog.getDisciplineList()->IsEnabled());
    EXPECT_FALSE(dialog.getWorkflowList()->IsEnabled());
    EXPECT_FALSE(dialog.FindWindow(wxID_OK)->IsEnabled());
    choose(dialog, DocGenerationDlgMgt::IDC_TARGET_DISCIPLINE, "Software engineering / Testing");
    EXPECT_TRUE(dialog.FindWindow(wxID_OK)->IsEnabled());
    dialog.OnOK();
    EXPECT_EQ(dialog.getWorkflow(), nullptr);
    ASSERT_NE(dialog.getDiscipline(), nullptr);
    EXPECT_EQ(dialog.getDiscipline()->getName(), "Testing");

    // Back to all disciplines: the discipline is forgotten, the workflow counts.
    dialog.setChecked(DocGenerationDlgMgt::IDC_ALL_DISCIPLINES, true);
    dialog.OnAllDisciplines();
    EXPECT_EQ(dialog.getText(DocGenerationDlgMgt::IDC_TARGET_DISCIPLINE), "");
    dialog.OnOK();
    EXPECT_EQ(dialog.getWorkflow(), nullptr) << "no workflow chosen";
    EXPECT_EQ(dialog.getDiscipline(), nullptr);
    dialog.setText(DocGenerationDlgMgt::IDC_TARGET_WORKFLOW, "Development workflow");
    dialog.OnOK();
    ASSERT_NE(dialog.getWorkflow(), nullptr);
    EXPECT_EQ(dialog.getWorkflow()->getName(), "Development workflow");
    EXPECT_EQ(dialog.getDiscipline(), nullptr);
}

// OK waits for a chosen item; the dialog says what it waits for, or that
// the project has nothing to choose from, as a new project has.
TEST_F(ProjectCommandsTest, TheDocumentDialogSaysWhyItsOKWaits) {
    createThroughNew("Quality site");
    ASSERT_NE(m_main->getProject(), nullptr);
    const struct {
        const char* project;
        bool oneDiscipline;
        const char* chosen;
        const char* hint;
    } cases[] = {
        {"new", false, nullptr, "This project has no workflow."},
        {"new", true, nullptr, "This project has no discipline."},
        {"demo", false, nullptr, "Choose the target workflow."},
        {"demo", true, nullptr, "Choose the target discipline."},
        {"demo", false, "Development workflow", ""},
        {"demo", true, "Software engineering / Testing", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.project) + (c.oneDiscipline ? ", one discipline" : ", all disciplines"));
        if (std::string(c.project) == "demo" && m_main->getProject()->getSettingsFile() != demo().c_str())
            openThroughDialog(demo());
        DocGenerationDlgMgt dialog(m_main->getProject(), 10, nullptr);
        dialog.OnInitDialog();
        if (c.oneDiscipline) {
            dialog.setChecked(DocGenerationDlgMgt::IDC_ONE_DISCIPLINE, true);
            dialog.OnOneDiscipline();
        }
        if (c.chosen)
            choose(dialog,
                   c.oneDiscipline ? DocGenerationDlgMgt::IDC_TARGET_DISCIPLINE
                                   : DocGenerationDlgMgt::IDC_TARGET_WORKFLOW,
                   c.chosen);
        EXPECT_EQ(dialog.getHint().utf8_string(), c.hint);
        EXPECT_EQ(dialog.FindWindow(wxID_OK)->IsEnabled(), c.chosen != nullptr);
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(ProjectCommandsTest, DocGenerationWritesTheDocumentInEachLanguage) {
    openThroughDialog(demo());
    // Cancelled, or nothing chosen: no document.
    ModalScript script;
    script.then<DocGenerationDlgMgt>([](DocGenerationDlgMgt& dialog) {
        dialog.OnCancel();
        return answerOf(dialog);
    });
    script.then<DocGenerationDlgMgt>([](DocGenerationDlgMgt& dialog) {
        dialog.OnOK();
        return answerOf(dialog);
    });
    m_main->OnDocGeneration();
    m_main->OnDocGeneration();
    EXPECT_FALSE(m_dir.exists("work/Demo/tmp/site.htm"));
    EXPECT_EQ(messages(), std::vector<std::string>{});

    script.then<DocGenerationDlgMgt>([](DocGenerationDlgMgt& dialog) {
        dialog.setChecked(DocGenerationDlgMgt::IDC_ONE_DISCIPLINE, true);
        dialog.OnOneDiscipline();
        dialog.setText(DocGenerationDlgMgt::IDC_TARGET_DISCIPLINE, "Software engineering / Testing");
        dialog.OnOK();
        return answerOf(dialog);
    });
    m_ui.progressPositions.clear();
    m_main->OnDocGeneration();
    // The demo has two languages: the first language's document first.
    const auto said = messages();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0].rfind("Generation of <site root>/tmp/site.htm.", 0), 0u) << said[0];
    EXPECT_EQ(said[1].rfind("Generation of <site root>/tmp/siteL2.htm.", 0), 0u) << said[1];
    EXPECT_NE(m_dir.read("work/Demo/tmp/site.htm").find("Test plan"), std::string::npos);
    EXPECT_TRUE(m_dir.exists("work/Demo/tmp/siteL2.htm"));
    EXPECT_GT(m_ui.progressPositions.size(), 8u) << "the progress bar moved";
    EXPECT_EQ(m_ui.progressPositions.back(), 0);
    EXPECT_EQ(m_ui.waitCursorDepth, 0);
}

TEST_F(ProjectCommandsTest, ExportAsksForADualItemAndImportBringsTheSubtreeBack) {
    openThroughDialog(demo());
    ModalScript script;
    // No selection, then a shortcut.
    m_main->OnExport();
    m_main->getProject()->createShortcut(m_main->getProject()->findItemByName("Tester"));
    Item* shortcut = nullptr;
    for (int i = 1; i <= m_main->getProject()->getItemCount(); ++i)
        if (m_main->getProject()->getItemList()->at(i)->getKind() == kShortcut)
            shortcut = m_main->getProject()->getItemList()->at(i);
    ASSERT_NE(shortcut, nullptr);
    m_main->getTree()->SelectItem(wxTreeItemId(shortcut->getTreeHandle()));
    m_main->OnExport();
    EXPECT_EQ(messages(), (std::vector<std::string>{"Please, select an item in the tree view first",
                                                    "You can not export shortcut items or external items!"}));
    // Answered No: nothing exported.
    select("Software engineering");
    m_ui.answers.push_back(IDNO);
    m_main->OnExport();
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Are you sure you want to export from item 'Software engineering' ?"});
    EXPECT_EQ(exchangeFolders("Demo", "Software_engineering_exp_"), std::vector<std::string>{});

    m_ui.progressPositions.clear();
    m_main->OnExport();
    const auto folders = exchangeFolders("Demo", "Software_engineering_exp_");
    ASSERT_EQ(folders.size(), 1u);
    const auto said = messages();
    ASSERT_EQ(said.size(), 2u);
    // The folder as a path of this system.
    EXPECT_EQ(said[1], "Export performed in directory: " + folders[0] + "/exp");
    EXPECT_TRUE(fs::exists(folders[0] + "/export.dat"));
    EXPECT_TRUE(fs::exists(folders[0] + "/exp/Testing/Testing_work_products/Test_plan/process.data"));
    // The copy moved the progress bar file by file, and set it back.
    EXPECT_GT(m_ui.progressPositions.size(), 20u);
    EXPECT_EQ(m_ui.progressPositions.back(), 0);

    // The subtree imported back over itself, from the file the dialog offers.
    const int count = m_main->getProject()->getItemCount();
    script.then<wxFileDialog>([this, &folders](wxFileDialog& files) {
        EXPECT_EQ(files.GetDirectory().utf8_string(), work("Demo/tmp"));
        EXPECT_EQ(files.GetFilename().utf8_string(), "export.dat");
        TolvaneDialog::answerChooser(files, (folders[0] + "/export.dat").c_str());
        return static_cast<int>(wxID_OK);
    });
    m_main->OnImport();
    const auto told = messages();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(
        told[0].rfind("ARE YOU REALLY SURE YOU WANT TO PERFORM THE IMPORT FROM ITEM Software engineering", 0),
        0u);
    EXPECT_EQ(told[1], "Import performed");
    EXPECT_EQ(m_main->getProject()->getItemCount(), count);
    EXPECT_EQ(nodeCount(), count);
    EXPECT_TRUE(m_dir.exists(
        "work/Demo/site/Software_engineering/Testing/Testing_work_products/Test_plan/process.data"));
}

TEST_F(ProjectCommandsTest, WordSearchWritesItsReport) {
    openThroughDialog(demo());
    m_main->OnSearch();
    EXPECT_EQ(messages(), std::vector<std::string>{"Search text shall not be empty"});
    static_cast<wxTextCtrl*>(m_main->FindWindow(CMenuCreatorDlg::IDC_WORD))->SetValue("requirements");
    m_main->OnSearch();
    EXPECT_EQ(messages().size(), 1u);
    const std::string report = m_dir.read("work/Demo/tmp/SearchReport.csv");
    EXPECT_NE(report.find("Requirements document"), std::string::npos) << report;
}

TEST_F(ProjectCommandsTest, CommandsWithoutTheirWindowsStayDisabledAndSaySo) {
    openThroughDialog(demo());
    for (int id : kUnavailable) {
        EXPECT_FALSE(enabled(id)) << id;
        EXPECT_EQ(toolTip(id), kDiagramEditorMissing) << id;
    }
    // Parameters and Tools have their sheets.
    for (int id : {1070, 1067})
        EXPECT_TRUE(enabled(id)) << id;
    EXPECT_TRUE(enabled(1401));
    EXPECT_EQ(toolTip(1401), loadString(33111).str());
}

// A site without process mode: Doc generation asks nothing and writes every
// item's page under its heading, once per language.
TEST_F(ProjectCommandsTest, DocGenerationOfAPlainSiteWritesEveryPageInOneDocument) {
    ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, work("Plain").c_str()));
    WritePrivateProfileStringA("APPLICATION_KIND", "Tolvane", "no", work("Plain/Demo.tvx").c_str());
    openThroughDialog(work("Plain/Demo.tvx"));
    ASSERT_FALSE(m_main->getProject()->isProcessMode());
    EXPECT_TRUE(enabled(1401));
    EXPECT_EQ(toolTip(1401), loadString(33111).str());
    m_main->OnDocGeneration();
    const auto said = messages();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0].rfind("Generation of <site root>tmp/process.htm", 0), 0u) << said[0];
    EXPECT_EQ(said[1].rfind("Generation of <site root>tmp/processL2.htm", 0), 0u) << said[1];
    const std::string document = m_dir.read("work/Plain/tmp/process.htm");
    EXPECT_NE(document.find("<H3>Testing work products</H3>"), std::string::npos) << document.substr(0, 2000);
    EXPECT_NE(document.find("<H4>Test plan</H4>"), std::string::npos);
    EXPECT_NE(m_dir.read("work/Plain/tmp/processL2.htm").find("<H4>Plan de test</H4>"), std::string::npos);
    EXPECT_EQ(m_ui.waitCursorDepth, 0);

    // A document that cannot be written is told, never announced as written.
    fs::remove_all(work("Plain/tmp"));
    m_main->OnDocGeneration();
    const auto told = messages();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[0].find("writing error"), std::string::npos) << told[0];
}

// The two dialogs as they open on the display: saved as pictures for a
// person to look at, every control whole and clear of the others.
TEST_F(ProjectCommandsTest, TheNewProjectAndDocumentDialogsShowTheirControlsWhole) {
    openThroughDialog(demo());
    CNewProjectDlgMgt newProject(nullptr);
    newProject.OnInitDialog();
    newProject.getTemplateList()->SetSelection(newProject.getTemplateList()->FindString("Standard"));
    newProject.OnSelchangeTemplates();
    newProject.setText(CNewProjectDlgMgt::IDC_PROJECT_NAME, "Quality site");
    newProject.setText(CNewProjectDlgMgt::IDC_LOCATION, work().c_str());
    checkDialogLook(newProject, "CNewProjectDlgMgt", m_dir.path());
    EXPECT_EQ(newProject.GetMinSize(), newProject.GetSize()) << "opens at its least size";

    DocGenerationDlgMgt document(m_main->getProject(), 10, nullptr);
    document.OnInitDialog();
    choose(document, DocGenerationDlgMgt::IDC_TARGET_WORKFLOW, "Development workflow");
    checkDialogLook(document, "DocGenerationDlgMgt", m_dir.path());
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

} // namespace
