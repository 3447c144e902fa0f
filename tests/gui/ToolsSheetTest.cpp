// The "Tools" sheet opened from the main window's "Tools" on the small
// process project: its pages, and the standard tools driven through their
// dialogs with their effect on disk.

#include "CPTools1DialogMgt.h"
#include "CTool1DialogMgt.h"
#include "DialogLook.h"
#include "ItemPropertySheet.h"
#include "MainWindowProject.h"
#include "ModalScript.h"
#include "StringTable.h"
#include "ToolDialogs.h"
#include "WinTypes.h"

#include <cstdlib>
#include <filesystem>
#include <wx/filedlg.h>
#include <wx/treectrl.h>

namespace {

namespace fs = std::filesystem;

class ToolsSheetTest : public MainWindowProject {
protected:
    void SetUp() override {
        MainWindowProject::SetUp();
        // The desktop's opener does nothing here: no export opens a real file manager.
        m_dir.write("bin/xdg-open", "#!/bin/sh\nexit 0\n");
        fs::permissions(m_dir / "bin/xdg-open", fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        m_path = path ? path : "";
        setenv("PATH", (m_dir / "bin:" + m_path).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", m_path.c_str(), 1);
        MainWindowProject::TearDown();
    }
    std::string m_path;
    // Runs "Tools" with the node of the uid selected (none for null); the
    // step uses the standard tools page, then the sheet is closed.
    void runTools(const char* uid, const std::function<void(ItemPropertySheet&)>& use) {
        if (uid)
            select(uid);
        else
            m_main->getTree()->UnselectAll();
        ModalScript script;
        script.then<ItemPropertySheet>([&](ItemPropertySheet& sheet) {
            use(sheet);
            sheet.OnCancel();
            return static_cast<int>(wxID_CANCEL);
        });
        m_main->OnTools();
    }
};

TEST_F(ToolsSheetTest, ProcessModeAddsTheProcessTools) {
    runTools("N12", [](ItemPropertySheet& sheet) {
        EXPECT_EQ(sheet.getCaptions(), (std::vector<CString>{"Standard tools", "Process tools"}));
        auto* standard = sheet.findView<CTool1DialogMgt>();
        for (int id : {CTool1DialogMgt::IDC_CHANGE_URL, CTool1DialogMgt::IDC_DUAL_CHILD_LINKS,
                       CTool1DialogMgt::IDC_SET_UID})
            EXPECT_TRUE(standard->FindWindow(id)->IsEnabled()) << id;
    });
    EXPECT_EQ(m_main->getTree()->GetSelection(), node("N12"));
}

TEST_F(ToolsSheetTest, ChangeUrlPrefixRewritesTheAddressesThatBeginWithIt) {
    runTools(nullptr, [](ItemPropertySheet& sheet) {
        ModalScript script;
        script.then<CChangeUrl>([](CChangeUrl& dialog) {
            dialog.setText(CChangeUrl::IDC_OLD_PREFIX, "http://www.example.com");
            dialog.setText(CChangeUrl::IDC_NEW_PREFIX, "https://example.org");
            dialog.OnOK();
            return answerOf(dialog);
        });
        sheet.findView<CTool1DialogMgt>()->OnChangeUrl();
    });
    EXPECT_EQ(item("N10")->getUrl(), "https://example.org/");
    EXPECT_EQ(recordNamed("Maker").url, "https://example.org/");
    EXPECT_EQ(recordNamed("Plan").url, "../site/Products/Plan/overview.htm");
}

TEST_F(ToolsSheetTest, ChildLinksOnADualItemAskFirstAndWriteBothLanguages) {
    const std::string page = m_dir.read("proj/site/Roles/overview.htm");
    m_ui.answers.push_back(IDNO);
    runTools("N2", [](ItemPropertySheet& sheet) { sheet.findView<CTool1DialogMgt>()->OnDualChildLinks(); });
    EXPECT_EQ(messages(), std::vector<std::string>{loadString(33067).str() + "Roles"});
    EXPECT_EQ(m_dir.read("proj/site/Roles/overview.htm"), page);

    m_ui.answers.push_back(IDYES);
    runTools("N2", [](ItemPropertySheet& sheet) { sheet.findView<CTool1DialogMgt>()->OnDualChildLinks(); });
    for (const char* written : {"proj/site/Roles/overview.htm", "proj/site/Roles/overviewL2.htm"}) {
        const std::string links = m_dir.read(written);
        EXPECT_NE(links.find("Analyst/overview"), std::string::npos) << written << links;
        EXPECT_NE(links.find("Team_A_B/overview"), std::string::npos) << written << links;
    }
}

TEST_F(ToolsSheetTest, CommandsOnAnItemAskForOneWhenNoneWasSelected) {
    runTools(nullptr, [this](ItemPropertySheet& sheet) {
        auto* standard = sheet.findView<CTool1DialogMgt>();
        standard->OnSetUid();
        standard->OnSingleExport();
        sheet.setActivePage(1);
        auto* process = sheet.findView<CPTools1DialogMgt>();
        process->OnActivityTable();
        process->OnChangeClass();
        EXPECT_EQ(messages(), std::vector<std::string>(4, loadString(33023).str()));
    });
}

TEST_F(ToolsSheetTest, SetUidUpperCasesTheUidAndChecksItAsANewOne) {
    struct Refusal {
        const char* typed;
        int message;
    };
    const Refusal refusals[] = {{"", 33058}, {"n3", 33059}, {"plan one", 33440}};
    runTools("N12", [&](ItemPropertySheet& sheet) {
        ModalScript script;
        script.then<CSetUidDialogMgt>([&](CSetUidDialogMgt& dialog) {
            dialog.OnInitDialog();
            EXPECT_EQ(dialog.getText(CSetUidDialogMgt::IDC_ITEM_NAME), "Plan");
            EXPECT_EQ(dialog.getText(CSetUidDialogMgt::IDC_UID), "N12");
            for (const Refusal& refusal : refusals) {
                dialog.setText(CSetUidDialogMgt::IDC_UID, refusal.typed);
                dialog.OnOK();
                EXPECT_FALSE(dialog.hasEnded()) << refusal.typed;
                EXPECT_EQ(messages(), std::vector<std::string>{loadString(refusal.message).str()})
                    << refusal.typed;
            }
            dialog.setText(CSetUidDialogMgt::IDC_UID, "plan_1");
            dialog.OnOK();
            return answerOf(dialog);
        });
        sheet.findView<CTool1DialogMgt>()->OnSetUid();
    });
    EXPECT_EQ(item("PLAN_1")->getName(), "Plan");
    EXPECT_EQ(recordNamed("Plan").uid, "PLAN_1");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ToolsSheetTest, SingleItemExportRefusesShortcutsAndExportsDualItems) {
    runTools("N8", [this](ItemPropertySheet& sheet) {
        sheet.findView<CTool1DialogMgt>()->OnSingleExport();
        EXPECT_EQ(messages(), std::vector<std::string>{loadString(33068).str()});
    });
    runTools("N12", [this](ItemPropertySheet& sheet) {
        ModalScript script;
        script.then<CExPItemDlgMgt>([](CExPItemDlgMgt& dialog) {
            dialog.OnInitDialog();
            EXPECT_EQ(dialog.getText(CExPItemDlgMgt::IDC_ITEM_NAME), "Plan");
            dialog.setText(CExPItemDlgMgt::IDC_DESCRIPTION, "The plan for review");
            dialog.OnOK();
            return answerOf(dialog);
        });
        sheet.findView<CTool1DialogMgt>()->OnSingleExport();
    });
    bool found = false;
    for (const auto& entry : fs::recursive_directory_iterator(m_dir / "proj/tmp"))
        if (entry.path().filename() == "export.d1i")
            found =
                m_dir.read(fs::relative(entry.path(), m_dir.path()).string()).find("The plan for review") ==
                0;
    EXPECT_TRUE(found);
}

TEST_F(ToolsSheetTest, CleanUpDeletesWhatIsChecked) {
    struct Case {
        std::vector<int> checked;
        bool tmpKept, saveKept, vtiKept;
    };
    const Case cases[] = {
        {{}, true, true, true},
        {{CleanUpDialogMgt::IDC_VTI_CNF}, true, true, false},
        {{CleanUpDialogMgt::IDC_TEMP, CleanUpDialogMgt::IDC_TREE_BACKUP}, false, false, true},
    };
    for (const Case& c : cases) {
        m_dir.write("proj/tmp/report.csv", "x");
        m_dir.write("proj/tolvane/save/old.sav", "x");
        m_dir.write("proj/site/Products/_vti_cnf/page.htm", "x");
        runTools(nullptr, [&](ItemPropertySheet& sheet) {
            ModalScript script;
            script.then<CleanUpDialogMgt>([&](CleanUpDialogMgt& dialog) {
                dialog.OnInitDialog();
                for (int id : c.checked)
                    dialog.setChecked(id, true);
                dialog.OnOK();
                return answerOf(dialog);
            });
            sheet.findView<CTool1DialogMgt>()->OnCleanUp();
        });
        EXPECT_EQ(exists("tmp/report.csv"), c.tmpKept) << c.checked.size();
        EXPECT_EQ(exists("tolvane/save/old.sav"), c.saveKept) << c.checked.size();
        EXPECT_EQ(exists("site/Products/_vti_cnf"), c.vtiKept) << c.checked.size();
        EXPECT_TRUE(exists("site/Products/Plan/overview.htm"));
    }
}

TEST_F(ToolsSheetTest, ImportStructureAddsTheFoldersBelowTheSelectedItem) {
    m_dir.write("proj/site/Products/Plan/Annex/overview.htm", "<html><body>Annex</body></html>");
    runTools("N12", [](ItemPropertySheet& sheet) {
        ModalScript script;
        script.then<CCreateSite>([](CCreateSite& dialog) {
            dialog.OnInitDialog();
            EXPECT_TRUE(dialog.isChecked(CCreateSite::IDC_FROM_SELECTED));
            EXPECT_EQ(dialog.getText(CCreateSite::IDC_SELECTED_NAME), "Plan");
            dialog.OnOK();
            return answerOf(dialog);
        });
        sheet.findView<CTool1DialogMgt>()->OnImportStructure();
    });
    std::vector<std::string> tree = fixtureTree();
    tree.push_back("  Annex");
    EXPECT_EQ(treeOnDisk(), tree);
    EXPECT_EQ(nodeNames().back(), "Annex");
}

// The items an import replaces are lost with their uids: the user is asked
// first, and No leaves the tree as it was.
TEST_F(ToolsSheetTest, ImportStructureAsksBeforeItReplacesItems) {
    const std::string below =
        "The 3 items below 'Process' will be replaced by items made from its folders, "
        "with new uids: what refers to them will no longer find them. Import the structure?";
    const std::string site =
        "All 12 items of the site will be replaced by items made from its folders, with new "
        "uids: what refers to them will no longer find them. Import the structure?";
    const struct {
        bool wholeSite;
        int answer;
        std::string question;
        bool replaced;
    } cases[] = {
        {false, IDNO, below, false},
        {true, IDNO, site, false},
        {false, IDYES, below, true},
    };
    const std::string tree = read("tolvane/MenuTreeV2.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.wholeSite ? "whole site" : "Process") +
                     (c.answer == IDYES ? " yes" : " no"));
        runTools("N5", [&](ItemPropertySheet& sheet) {
            ModalScript script;
            script.then<CCreateSite>([&](CCreateSite& dialog) {
                dialog.OnInitDialog();
                if (c.wholeSite)
                    dialog.setChecked(CCreateSite::IDC_WHOLE_SITE, true);
                m_ui.answers = {c.answer};
                dialog.OnOK();
                return answerOf(dialog);
            });
            sheet.findView<CTool1DialogMgt>()->OnImportStructure();
        });
        ASSERT_GE(m_ui.messages.size(), 1u);
        EXPECT_EQ(m_ui.messages.front().style & MB_DEFBUTTON2, static_cast<UINT>(MB_DEFBUTTON2))
            << "No is the default";
        const std::vector<std::string> shown = messages();
        EXPECT_EQ(shown.front(), c.question);
        EXPECT_EQ(read("tolvane/MenuTreeV2.dat") != tree, c.replaced);
    }
    // The folders came back as items of their own, with new uids.
    const MenuTreeRecord design = recordNamed("Design");
    EXPECT_NE(design.uid, "N6");
    EXPECT_EQ(design.level, 1);
    EXPECT_EQ(recordNamed("Sketch").level, 2);
}

TEST_F(ToolsSheetTest, ItemAttributesGoOutAndComeBack) {
    runTools(nullptr, [this](ItemPropertySheet& sheet) {
        auto* standard = sheet.findView<CTool1DialogMgt>();
        standard->OnExportItems();
        ASSERT_TRUE(exists("tmp/items.csv"));
        std::string table = read("tmp/items.csv");
        const size_t plan = table.find("N12;Plan;Plan;");
        ASSERT_NE(plan, std::string::npos);
        table.replace(plan, 14, "N12;Plan;Projet;");
        m_dir.write("proj/tmp/items.csv", table);
        messages();
        ModalScript script;
        // A cancelled choice imports nothing; a chosen file is imported.
        script.then<wxFileDialog>([](wxFileDialog&) { return static_cast<int>(wxID_CANCEL); });
        script.then<wxFileDialog>([this](wxFileDialog& chooser) {
            TolvaneDialog::answerChooser(chooser, (m_dir / "proj/tmp/items.csv").c_str());
            return static_cast<int>(wxID_OK);
        });
        standard->OnImportItems();
        EXPECT_TRUE(messages().empty());
        standard->OnImportItems();
        EXPECT_EQ(messages().size(), 1u);
    });
    EXPECT_EQ(recordNamed("Plan").nameL2, "Projet");
}

TEST_F(ToolsSheetTest, EachPageIsSeen) {
    runTools("N12", [this](ItemPropertySheet& sheet) {
        for (int page = 0; page < sheet.getPageCount(); ++page) {
            ASSERT_TRUE(sheet.setActivePage(page));
            checkDialogLook(sheet, "tools-" + std::to_string(page), m_dir.path());
        }
    });
}

} // namespace
