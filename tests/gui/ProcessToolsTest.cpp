// The "Process tools" page on the process of the exports: the reports, the
// import/export dialog and its EPF plug-in choice, the activity / work
// product table, the change of class, and the two archive dialogs built at
// run time, each driven through its windows with its effect on disk.

#include "CChangeItemClassDlgMgt.h"
#include "CDynDialogEx.h"
#include "CEPFCPlugin.h"
#include "CImportExportDialog.h"
#include "CPTools1DialogMgt.h"
#include "DialogLook.h"
#include "ExportsProject.h"
#include "ItemListePlus.h"
#include "ModalScript.h"
#include "StringTable.h"
#include "ToolDialogs.h"
#include "ToolsPage.h"
#include "WinTypes.h"
#include "WxText.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/scrolwin.h>
#include <wx/textctrl.h>

namespace {

namespace fs = std::filesystem;

class ProcessToolsTest : public testing::Test {
protected:
    void SetUp() override {
        m_project.open();
        m_project.ui.messages.clear();
        m_frame = new wxFrame(nullptr, wxID_ANY, "Tools");
    }
    void TearDown() override {
        TolvaneDialog::setModalRunner(nullptr);
        m_frame->Destroy();
    }
    // The page as the sheet shows it, on the item of the uid (none for null).
    CPTools1DialogMgt& page(const char* uid) {
        m_page = std::make_unique<ToolsPage>(178, "Process tools", m_project.manager.get(),
                                             uid ? m_project.item(uid) : nullptr);
        auto* view = new CPTools1DialogMgt(m_frame, *m_page);
        view->ensureInitialised();
        return *view;
    }
    std::vector<std::string> messages() { return m_project.ui.takeMessageTexts(); }
    std::string log() const { return m_project.read("site/" + Project::getLogFileName().str()); }
    // Presses a button of a dialog as the user does: the button tells its window.
    static void press(wxWindow& dialog, int id) {
        wxWindow* button = nullptr;
        for (wxWindow* child : dialog.GetChildren())
            if (child->GetId() == id && dynamic_cast<wxButton*>(child))
                button = child;
        if (!button)
            button = dialog.FindWindow(id);
        ASSERT_NE(button, nullptr) << id;
        wxCommandEvent event(wxEVT_BUTTON, id);
        event.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(event);
    }
    static int choose(wxFileDialog& chooser, const std::string& path) {
        TolvaneDialog::answerChooser(chooser, path.c_str());
        return wxID_OK;
    }

    ExportsProject m_project;
    wxFrame* m_frame = nullptr;
    std::unique_ptr<ToolsPage> m_page;
};

TEST_F(ProcessToolsTest, EachExportOfTheImportExportDialogWritesItsFile) {
    struct Case {
        int button;
        const char* file;
    };
    const Case cases[] = {
        {CImportExportDialog::IDC_TEMPLATES, "tmp/templates.csv"},
        {CImportExportDialog::IDC_PROCEDURES, "tmp/procedures.csv"},
        {CImportExportDialog::IDC_HTML_FILES, "tmp/htmlFileList.csv"},
        {CImportExportDialog::IDC_WORK_PRODUCTS, "tmp/workProducts.csv"},
        {CImportExportDialog::IDC_ROLES, "tmp/roles.csv"},
        {CImportExportDialog::IDC_GLOSSARY, "tmp/glossary.csv"},
        {CImportExportDialog::IDC_ACTIVITIES_ROLES, "tmp/activities.csv"},
        {CImportExportDialog::IDC_ACTIVITIES_WORK_PRODUCTS, "tmp/aam.csv"},
        {CImportExportDialog::IDC_WBS, "tmp/wbs.csv"},
        {CImportExportDialog::IDC_EXPORT_ACTIVITY_ATTRIBUTES, "tmp/activitiesAttr.csv"},
        {CImportExportDialog::IDC_EXPORT_WP_ATTRIBUTES, "tmp/WPAttr.csv"},
        {CImportExportDialog::IDC_EXPORT_DESCRIPTIONS, "tmp/itemDescription.csv"},
    };
    CPTools1DialogMgt& tools = page("N5");
    ModalScript script;
    script.then<CImportExportDialog>([&](CImportExportDialog& dialog) {
        dialog.OnInitDialog();
        EXPECT_EQ(dialog.getSelected(), m_project.item("N5"));
        for (const Case& c : cases) {
            EXPECT_FALSE(m_project.exists(c.file)) << c.file;
            press(dialog, c.button);
            EXPECT_TRUE(m_project.exists(c.file)) << c.file;
        }
        checkDialogLook(dialog, "import-export", m_project.dir.path());
        press(dialog, wxID_OK);
        return answerOf(dialog);
    });
    tools.OnImportExport();
}

TEST_F(ProcessToolsTest, AnImportRunsOnTheFileChosenAndNotWithoutOne) {
    m_project.manager->exportWPAttributes();
    std::string table = m_project.read("tmp/WPAttr.csv");
    ASSERT_FALSE(table.empty());
    const std::string before = m_project.siteFiles();
    messages();
    CPTools1DialogMgt& tools = page(nullptr);
    ModalScript script;
    script.then<CImportExportDialog>([&](CImportExportDialog& dialog) {
        ModalScript inner;
        inner.then<wxFileDialog>([](wxFileDialog&) { return static_cast<int>(wxID_CANCEL); });
        dialog.OnButton(CImportExportDialog::IDC_IMPORT_WP_ATTRIBUTES);
        EXPECT_TRUE(messages().empty());
        EXPECT_EQ(m_project.siteFiles(), before);
        inner.then<wxFileDialog>(
            [this](wxFileDialog& chooser) { return choose(chooser, m_project.path("tmp/WPAttr.csv")); });
        dialog.OnButton(CImportExportDialog::IDC_IMPORT_WP_ATTRIBUTES);
        // The import tells what it did.
        EXPECT_FALSE(messages().empty());
        return static_cast<int>(wxID_OK);
    });
    tools.OnImportExport();
}

TEST_F(ProcessToolsTest, ThePlugInDialogChoosesWhatTheEpfExportCreates) {
    m_project.setOption("PROCESS_OPTION", "Unused", "");
    ProcessManager& manager = *m_project.manager;
    std::vector<std::string> proposed;
    CEPFCPlugin dialog(&manager, m_frame);
    dialog.OnInitDialog();
    auto* available = static_cast<wxListBox*>(dialog.FindWindow(CEPFCPlugin::IDC_AVAILABLE));
    auto* chosen = static_cast<wxListBox*>(dialog.FindWindow(CEPFCPlugin::IDC_CHOSEN));
    // Every domain is proposed at the start.
    for (unsigned i = 0; i < available->GetCount(); ++i) {
        auto* item = static_cast<ProcessItem*>(available->GetClientData(i));
        if (item->getClassKind() == 22)
            EXPECT_NE(chosen->FindString(available->GetString(i), true), wxNOT_FOUND);
    }
    const unsigned start = chosen->GetCount();
    ASSERT_GT(available->GetCount(), 0u);
    available->SetSelection(0);
    dialog.OnAdd();
    dialog.OnAdd();
    const unsigned added = chosen->GetCount();
    EXPECT_LE(added, start + 1);
    EXPECT_NE(chosen->FindString(available->GetString(0), true), wxNOT_FOUND);
    dialog.OnOK();
    EXPECT_EQ(dialog.getChosenItems().count(), static_cast<int>(added));
    for (unsigned i = 0; i < added; ++i)
        EXPECT_EQ(dialog.getChosenItems().at(static_cast<int>(i) + 1), chosen->GetClientData(i));

    // Cancel exports nothing; OK exports with the entries chosen.
    CPTools1DialogMgt& tools = page(nullptr);
    ModalScript script;
    script.then<CImportExportDialog>([&](CImportExportDialog& exports) {
        ModalScript inner;
        inner.then<CEPFCPlugin>([](CEPFCPlugin& plugins) {
            plugins.OnCancel();
            return answerOf(plugins);
        });
        exports.OnButton(CImportExportDialog::IDC_EPF);
        EXPECT_FALSE(m_project.exists("tmp/EPFexport"));
        inner.then<CEPFCPlugin>([](CEPFCPlugin& plugins) {
            plugins.OnInitDialog();
            plugins.OnOK();
            return answerOf(plugins);
        });
        exports.OnButton(CImportExportDialog::IDC_EPF);
        EXPECT_TRUE(m_project.exists("tmp/EPFexport/exportForEPF.xml"));
        return static_cast<int>(wxID_OK);
    });
    tools.OnImportExport();
}

// Every "domain/discipline" entry shows whole when the dialog opens at its
// least size.
TEST_F(ProcessToolsTest, ThePlugInListsShowTheirEntriesWhole) {
    ProcessItem* discipline = nullptr;
    for (int i = 1; i <= m_project.manager->getItemCount() && !discipline; ++i) {
        auto* item = static_cast<ProcessItem*>(m_project.manager->getItemList()->at(i));
        if (item->getClassKind() == 10)
            discipline = item;
    }
    ASSERT_NE(discipline, nullptr);
    discipline->setName("Requirements engineering and system analysis");
    CEPFCPlugin dialog(m_project.manager.get(), m_frame);
    dialog.OnInitDialog();
    checkDialogLook(dialog, "epf-plugins", m_project.dir.path());
}

TEST_F(ProcessToolsTest, TheActivityTableAsksBeforeReplacingTheItemsPage) {
    const std::string pagePath = "site/Engineering/overview.htm";
    m_project.write(pagePath, "<html><body>Written by hand</body></html>");
    auto runTable = [&](int answer) {
        CPTools1DialogMgt& tools = page("N4");
        ModalScript script;
        script.then<CAATable>([](CAATable& table) {
            table.OnInitDialog();
            EXPECT_EQ(table.getText(CAATable::IDC_ITEM_NAME), "Engineering");
            auto* all = static_cast<wxListBox*>(table.FindWindow(CAATable::IDC_ALL));
            EXPECT_GT(all->GetCount(), 0u);
            all->SetSelection(0);
            table.OnAdd();
            table.OnAdd();
            EXPECT_EQ(static_cast<wxListBox*>(table.FindWindow(CAATable::IDC_CHOSEN))->GetCount(), 1u);
            table.OnOK();
            return answerOf(table);
        });
        m_project.ui.answers.push_back(answer);
        tools.OnActivityTable();
    };
    runTable(IDNO);
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(m_project.read(pagePath), "<html><body>Written by hand</body></html>");
    runTable(IDYES);
    const std::vector<std::string> shown = messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], loadString(33040).str());
    EXPECT_EQ(m_project.read(pagePath).find("Written by hand"), std::string::npos);
}

// A table that cannot be written is told as a failure, never as generated.
TEST_F(ProcessToolsTest, AnActivityTableThatCannotBeWrittenIsNotToldAsGenerated) {
    // A folder stands where the item's page goes: no file can be written there.
    fs::remove(m_project.path("site/Engineering/overview.htm"));
    fs::create_directories(m_project.path("site/Engineering/overview.htm"));
    CPTools1DialogMgt& tools = page("N4");
    ModalScript script;
    script.then<CAATable>([](CAATable& table) {
        table.OnInitDialog();
        table.OnOK();
        return answerOf(table);
    });
    m_project.ui.answers.push_back(IDYES);
    tools.OnActivityTable();
    const std::vector<std::string> shown = messages();
    ASSERT_FALSE(shown.empty());
    EXPECT_NE(shown.back().find("writing error"), std::string::npos) << shown.back();
    for (const std::string& text : shown)
        EXPECT_NE(text, loadString(33040).str());
}

TEST_F(ProcessToolsTest, ChangeClassRefusesShortcutsAndChangesDualItems) {
    page("N25").OnChangeClass();
    EXPECT_EQ(messages(), std::vector<std::string>{loadString(33044).str()});
    CPTools1DialogMgt& tools = page("N13");
    ModalScript script;
    script.then<CChangeItemClassDlgMgt>([](CChangeItemClassDlgMgt& dialog) {
        dialog.OnInitDialog();
        dialog.setText(CChangeItemClassDlgMgt::IDC_CLASS, "GLOSSARY");
        dialog.OnOK();
        return answerOf(dialog);
    });
    tools.OnChangeClass();
    char written[100] = "";
    GetPrivateProfileStringA("PROCESSUS", "Class", "", written, sizeof written,
                             m_project.path("site/All_templates/process.data").c_str());
    EXPECT_STREQ(written, "GLOSSARY");
}

TEST_F(ProcessToolsTest, ArchivedWorkProductsAreCopiedAndLogged) {
    m_project.write("finished/plan-v3.doc", "version 3");
    const std::string target = "site/Engineering/Test/Test_plan/ar/plan-v3.doc";
    auto archive = [&](int answer) {
        CPTools1DialogMgt& tools = page(nullptr);
        ModalScript script;
        script.then<CDynDialogEx>([&](CDynDialogEx& dialog) {
            dialog.OnInitDialog();
            EXPECT_EQ(fromWx(dialog.GetTitle()), "Archive project work products");
            if (tools.getRows().size() != 1u) {
                ADD_FAILURE() << tools.getRows().size() << " rows";
                return static_cast<int>(wxID_CANCEL);
            }
            const CPTools1DialogMgt::Row& row = tools.getRows()[0];
            EXPECT_EQ(row.item->getName(), "Test plan");
            EXPECT_EQ(row.editId, 1500);
            EXPECT_EQ(row.buttonId, 1501);
            // "Get" fills the row's path from the file chosen.
            ModalScript chooser;
            chooser.then<wxFileDialog>(
                [this](wxFileDialog& file) { return choose(file, m_project.path("finished/plan-v3.doc")); });
            press(*dialog.getArea(), row.buttonId);
            EXPECT_EQ(fromWx(static_cast<wxTextCtrl*>(dialog.FindWindow(1500))->GetValue()),
                      m_project.path("finished/plan-v3.doc"));
            // The project name is the first edit.
            for (const auto& control : dialog.getControls())
                if (control->getKind() == CDynDialogItemEx::kEdit && control->getId() != 1500) {
                    static_cast<wxTextCtrl*>(control->getWindow())->ChangeValue("Apollo");
                    break;
                }
            dialog.OnOK();
            return answerOf(dialog);
        });
        // Only the question on a file already archived takes an answer.
        if (answer)
            m_project.ui.answers.push_back(answer);
        tools.OnArchivewp();
    };
    archive(0);
    EXPECT_EQ(m_project.read(target), "version 3");
    EXPECT_NE(log().find("Archive work product from project Apollo\r\n- Test plan from " +
                         m_project.path("finished/plan-v3.doc") + " (copy performed)"),
              std::string::npos);
    EXPECT_TRUE(messages().empty());

    m_project.write("finished/plan-v3.doc", "version 3 corrected");
    archive(IDNO);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"File plan-v3.doc already exist. Do you want to overwrite it?"});
    EXPECT_EQ(m_project.read(target), "version 3");
    EXPECT_NE(log().find(" (already exit -> copy aborted)"), std::string::npos);
    archive(IDYES);
    EXPECT_EQ(m_project.read(target), "version 3 corrected");
    EXPECT_NE(log().find(" (already exit -> file overwritten)"), std::string::npos);
}

TEST_F(ProcessToolsTest, ArchivedMeasuresWriteADataPointEach) {
    CPTools1DialogMgt& tools = page(nullptr);
    ModalScript script;
    script.then<CDynDialogEx>([&](CDynDialogEx& dialog) {
        dialog.OnInitDialog();
        EXPECT_EQ(fromWx(dialog.GetTitle()), "Archive project measure");
        std::vector<CPTools1DialogMgt::Row>& rows = tools.getRows();
        if (rows.size() != 2u) {
            ADD_FAILURE() << rows.size() << " rows";
            return static_cast<int>(wxID_CANCEL);
        }
        EXPECT_EQ(rows[0].buttonId, 1600);
        EXPECT_EQ(rows[1].buttonId, 1603);
        // "Info" tells the measure's unit.
        press(*dialog.getArea(), rows[0].buttonId);
        const std::vector<std::string> shown = messages();
        EXPECT_EQ(shown.size(), 1u);
        if (!shown.empty())
            EXPECT_EQ(shown[0].rfind("Unit: defects \nDescription: ", 0), 0u) << shown[0];
        static_cast<wxTextCtrl*>(dialog.FindWindow(1601))->ChangeValue("12");
        static_cast<wxTextCtrl*>(dialog.FindWindow(1602))->ChangeValue("fewer than planned");
        dialog.OnOK();
        EXPECT_EQ(rows[0].value, "12");
        return answerOf(dialog);
    });
    tools.OnArchivemeasure();
    bool found = false;
    for (const auto& entry : fs::directory_iterator(m_project.path("site/Measures/Defects/am"))) {
        const std::string data =
            m_project.dir.read(fs::relative(entry.path(), m_project.dir.path()).string());
        found = data.find("Value=12") != std::string::npos &&
                data.find("Comment=fewer than planned") != std::string::npos;
    }
    EXPECT_TRUE(found);
    // Every measure gets its data point, also without a value.
    EXPECT_TRUE(fs::exists(m_project.path("site/Measures/Effort/am")));
    EXPECT_NE(log().find("- Defects: value 12 , comment:fewer than planned"), std::string::npos);
}

// A measure whose data point cannot be written is told; the others are archived.
TEST_F(ProcessToolsTest, AMeasureThatCannotBeArchivedIsTold) {
    // A file stands where the measure's folder "am" goes.
    m_project.write("site/Measures/Defects/am", "not a folder");
    auto files = [this](const char* folder) {
        const fs::directory_iterator entries(m_project.path(folder));
        return std::distance(fs::begin(entries), fs::end(entries));
    };
    const auto effortFiles = files("site/Measures/Effort/am");
    CPTools1DialogMgt& tools = page(nullptr);
    ModalScript script;
    script.then<CDynDialogEx>([](CDynDialogEx& dialog) {
        dialog.OnInitDialog();
        dialog.OnOK();
        return answerOf(dialog);
    });
    tools.OnArchivemeasure();
    EXPECT_EQ(messages(),
              std::vector<std::string>{"The data of the measure \"Defects\" could not be written."});
    EXPECT_EQ(m_project.read("site/Measures/Defects/am"), "not a folder");
    // The other measure still gets its data point.
    EXPECT_EQ(files("site/Measures/Effort/am"), effortFiles + 1);
}

// The program's automatic ids run on from dialog to dialog into the rows'
// ranges: the other controls never take a row's id, so "Get" fills its own
// row and nothing else.
TEST_F(ProcessToolsTest, AutomaticIdsNeverTakeARowsId) {
    m_project.write("finished/plan-v3.doc", "version 3");
    while (CDynDialogEx::nextAutomaticId() < CPTools1DialogMgt::kFirstWorkProductId - 2) {
    }
    CPTools1DialogMgt& tools = page(nullptr);
    ModalScript script;
    script.then<CDynDialogEx>([&](CDynDialogEx& dialog) {
        dialog.OnInitDialog();
        std::set<UINT> ids;
        for (const auto& control : dialog.getControls())
            EXPECT_TRUE(ids.insert(control->getId()).second) << control->getId();
        if (tools.getRows().size() != 1u) {
            ADD_FAILURE() << tools.getRows().size() << " rows";
            return static_cast<int>(wxID_CANCEL);
        }
        ModalScript chooser;
        chooser.then<wxFileDialog>(
            [this](wxFileDialog& file) { return choose(file, m_project.path("finished/plan-v3.doc")); });
        press(*dialog.getArea(), tools.getRows()[0].buttonId);
        dialog.OnOK();
        return answerOf(dialog);
    });
    tools.OnArchivewp();
    EXPECT_EQ(m_project.read("site/Engineering/Test/Test_plan/ar/plan-v3.doc"), "version 3");
    EXPECT_NE(log().find("Archive work product from project \r\n- Test plan from "), std::string::npos)
        << log();
}

// A dialog of more rows than the program's id ranges hold: every row's
// button still reaches its own row.
TEST_F(ProcessToolsTest, ArchiveDialogsHoldAnyNumberOfRows) {
    constexpr int kRows = 70;
    std::string tree = m_project.read("tolvane/MenuTreeV2.dat");
    for (int i = 0; i < kRows; ++i) {
        const std::string folder = "site/Measures/M" + std::to_string(i);
        tree += "1*M" + std::to_string(i) + "*Measure " + std::to_string(i) + "*../" + folder +
                "/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n";
        m_project.write(folder + "/process.data",
                        "[PROCESSUS]\r\nClass=MEASURE\r\nUnit=u" + std::to_string(i) + "\r\n");
        m_project.write(folder + "/overview.htm", "<html></html>");
    }
    m_project.write("tolvane/MenuTreeV2.dat", tree);
    m_project.open();
    messages();
    CPTools1DialogMgt& tools = page(nullptr);
    ModalScript script;
    script.then<CDynDialogEx>([&](CDynDialogEx& dialog) {
        dialog.OnInitDialog();
        std::vector<CPTools1DialogMgt::Row>& rows = tools.getRows();
        if (rows.size() != static_cast<size_t>(kRows + 2)) {
            ADD_FAILURE() << rows.size() << " rows";
            return static_cast<int>(wxID_CANCEL);
        }
        std::set<int> ids;
        for (const CPTools1DialogMgt::Row& row : rows)
            EXPECT_TRUE(ids.insert(row.buttonId).second) << row.buttonId;
        const CPTools1DialogMgt::Row& last = rows.back();
        // Past the program's range the ids are free ones of the toolkit's.
        EXPECT_TRUE(last.buttonId < CPTools1DialogMgt::kFirstMeasureId || last.buttonId >= 1750)
            << last.buttonId;
        press(*dialog.getArea(), last.buttonId);
        const std::vector<std::string> shown = messages();
        EXPECT_EQ(shown.size(), 1u);
        if (!shown.empty())
            EXPECT_EQ(shown[0].rfind("Unit: u69 ", 0), 0u) << shown[0];
        dialog.OnCancel();
        return answerOf(dialog);
    });
    tools.OnArchivemeasure();
}

} // namespace
