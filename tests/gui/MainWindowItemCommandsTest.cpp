// The main window's "Add item", "Remove item" and "Modify item" on the
// selected node, each dialog answered through its controls, and the
// project's files afterwards. A removal that a shared project refuses
// leaves the item's folder where its pages are.

#include "AppProfile.h"
#include "CAddMenuItem.h"
#include "CChangeMenuItem.h"
#include "CRemoveMenuItem.h"
#include "CSelectIcon.h"
#include "ControlValues.h"
#include "FakeProgram.h"
#include "MainWindowProject.h"
#include "ModalScript.h"
#include "TextOutStream.h"

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/treectrl.h>

namespace {

class MainWindowItemCommandsTest : public MainWindowProject {
protected:
    // The folder the removal moved aside, below "tmp"; empty when none.
    std::string keptAside(const std::string& name) const {
        for (const std::string& path : m_dir.entries())
            if (path.find("proj/tmp/" + name + "_") != std::string::npos && path.size() > 5 &&
                path.compare(path.size() - 5, 5, "_save") == 0)
                return path;
        return "";
    }
    static std::function<int(CRemoveMenuItem&)> confirmRemoval() {
        return [](CRemoveMenuItem& dialog) {
            dialog.OnOK();
            return answerOf(dialog);
        };
    }
};

TEST_F(MainWindowItemCommandsTest, WithoutASelectedItemEachCommandAsksForOne) {
    ModalScript script;
    m_main->OnAddItem();
    m_main->OnRemoveItem();
    m_main->OnModifyItem();
    EXPECT_EQ(messages(), std::vector<std::string>(3, "Please, select an item in the tree view"));
    EXPECT_TRUE(script.opened.empty());
}

TEST_F(MainWindowItemCommandsTest, AddItemAddsBelowTheSelectedItem) {
    select("N1");
    ModalScript script;
    script.then<CAddMenuItem>([](CAddMenuItem& dialog) {
        EXPECT_TRUE(dialog.isChecked(CAddMenuItem::IDC_BELOW));
        EXPECT_EQ(dialog.getText(CAddMenuItem::IDC_RELATIVE_TO), "Home");
        dialog.setText(CAddMenuItem::IDC_NAME, "Guide");
        dialog.OnOK();
        return answerOf(dialog);
    });
    m_main->OnAddItem();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    std::vector<std::string> expected = fixtureTree();
    expected.insert(expected.begin() + 1, "Guide");
    EXPECT_EQ(treeOnDisk(), expected);
    EXPECT_TRUE(exists("site/Guide/overview.htm"));
    EXPECT_EQ(nodeNames()[1], "Guide") << "the tree shows it";
}

TEST_F(MainWindowItemCommandsTest, RemovingADualItemMovesItsFolderAside) {
    select("N4");
    ModalScript script;
    script.then<CRemoveMenuItem>(confirmRemoval());
    m_main->OnRemoveItem();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    std::vector<std::string> expected = fixtureTree();
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(treeOnDisk(), expected);
    EXPECT_FALSE(exists("site/Roles/Team_A_B"));
    EXPECT_NE(keptAside("Team_A_B"), "");
    EXPECT_NE(read("site/ZevoRiruradiruzuz.log").find("remove menu item \"Team A_B\" "), std::string::npos);
}

TEST_F(MainWindowItemCommandsTest, RemovingAShortcutLeavesEveryFolder) {
    select("N8");
    ModalScript script;
    script.then<CRemoveMenuItem>(confirmRemoval());
    const auto before = m_dir.entries();
    m_main->OnRemoveItem();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(item("N8"), nullptr);
    EXPECT_EQ(recordNamed("Analyst").uid, "N3");
    EXPECT_EQ(keptAside("Analyst"), "");
    EXPECT_TRUE(exists("site/Roles/Analyst/overview.htm"));
}

TEST_F(MainWindowItemCommandsTest, TheHomeItemIsNeverRemoved) {
    select("N1");
    ModalScript script;
    m_main->OnRemoveItem();
    EXPECT_EQ(messages(), std::vector<std::string>{"Home item can't be removed"});
    EXPECT_EQ(treeOnDisk(), fixtureTree());
}

TEST_F(MainWindowItemCommandsTest, ARemovalTheSharedProjectRefusesKeepsTheFolder) {
    setOption("MultiUsers", "yes");
    // Another copy of the program holds the lock while it saves.
    {
        TextOutStream lock((m_dir / "proj/tmp/lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                           TextOutStream::Share::DenyWrite);
        ASSERT_TRUE(lock.is_open());
        select("N4");
        ModalScript script;
        script.then<CRemoveMenuItem>(confirmRemoval());
        m_main->OnRemoveItem();
    }
    auto shown = messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], "Semaphore locked. Please contact the administator");
    EXPECT_EQ(treeOnDisk(), fixtureTree());
    EXPECT_TRUE(exists("site/Roles/Team_A_B/overview.htm"));
    EXPECT_EQ(keptAside("Team_A_B"), "");

    // Another copy removed the item meanwhile: this removal fails too.
    std::string tree = read("tolvane/MenuTreeV2.dat");
    const size_t line = tree.find("1*N4*");
    tree.erase(line, tree.find("\r\n", line) + 2 - line);
    m_dir.write("proj/tolvane/MenuTreeV2.dat", tree);
    select("N4");
    ModalScript script;
    script.then<CRemoveMenuItem>(confirmRemoval());
    m_main->OnRemoveItem();
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Item has been deleted by another user. Operation failed"});
    EXPECT_TRUE(exists("site/Roles/Team_A_B/overview.htm"));
    EXPECT_EQ(keptAside("Team_A_B"), "");
}

TEST_F(MainWindowItemCommandsTest, ModifyRenamesTheItemWithItsFolderAndShortcuts) {
    select("N3");
    ModalScript script;
    script.then<CChangeMenuItem>([](CChangeMenuItem& dialog) {
        EXPECT_EQ(dialog.getText(CChangeMenuItem::IDC_OLD_NAME), "Analyst");
        dialog.setText(CChangeMenuItem::IDC_NEW_NAME, "Business analyst");
        dialog.setText(CChangeMenuItem::IDC_NAME_L2, "Analyste m\xE9tier");
        dialog.OnChooseIcon();
        dialog.OnOK();
        return answerOf(dialog);
    });
    script.then<CSelectIcon>([](CSelectIcon& picker) {
        const long entry = picker.getList()->FindItem(-1, "check.gif");
        picker.getList()->SetItemState(entry, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        picker.OnOK();
        return answerOf(picker);
    });
    m_main->OnModifyItem();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const MenuTreeRecord record = recordNamed("Business analyst");
    EXPECT_EQ(record.uid, "N3");
    EXPECT_EQ(record.url, "../site/Roles/Business_analyst/overview.htm");
    EXPECT_EQ(record.nameL2, "Analyste m\xE9tier");
    EXPECT_EQ(record.icon, "check.gif");
    EXPECT_EQ(record.openIcon, "check.gif");
    EXPECT_TRUE(exists("site/Roles/Business_analyst/overview.htm"));
    EXPECT_FALSE(exists("site/Roles/Analyst"));
    const MenuTreeRecord shortcut = recordNamed("-> Business analyst");
    EXPECT_EQ(shortcut.uid, "N8");
    EXPECT_EQ(shortcut.url, "../site/Roles/Business_analyst/overview.htm");
    EXPECT_EQ(nodeNames()[2], "Business analyst");
}

// With two items of one name, the shortcut stands for the one chosen in
// "Referenced elt", and the dialog shows the one it stands for; in a shared
// project as well, where the tree is read again before the change.
TEST_F(MainWindowItemCommandsTest, ModifyRetargetsAShortcutToTheNamesakeChosen) {
    Item* namesake = m_main->getProject()->addItem(item("N9"), "Analyst", 0, "worker.gif", "worker.gif", 2,
                                                   "", "", 1, 1, 0, 1, "", 1, "");
    ASSERT_NE(namesake, nullptr);
    const std::string second = namesake->getUid().str();
    // The entries "Analyst", in tree order: Roles/Analyst, then Links/Analyst.
    auto analysts = [](wxComboBox* referenced) {
        std::vector<int> found;
        for (unsigned i = 0; i < referenced->GetCount(); ++i)
            if (referenced->GetString(i) == "Analyst")
                found.push_back(static_cast<int>(i));
        return found;
    };
    const struct {
        const char* multiUsers;
        size_t shown;
        size_t chosen;
        std::string uid;
        const char* url;
    } cases[] = {
        {"false", 0, 1, second, "../site/Links/Analyst/overview.htm"},
        {"yes", 1, 0, "N3", "../site/Roles/Analyst/overview.htm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.multiUsers);
        setOption("MultiUsers", c.multiUsers);
        select("N8");
        ModalScript script;
        script.then<CChangeMenuItem>([&](CChangeMenuItem& dialog) {
            auto* referenced = static_cast<wxComboBox*>(dialog.FindWindow(CChangeMenuItem::IDC_REFERENCED));
            const std::vector<int> entries = analysts(referenced);
            EXPECT_EQ(entries.size(), 2u);
            if (entries.size() != 2)
                return static_cast<int>(wxID_CANCEL);
            EXPECT_EQ(referenced->GetSelection(), entries[c.shown]);
            referenced->SetSelection(entries[c.chosen]);
            dialog.OnSelchangeReferenced();
            EXPECT_EQ(dialog.getText(CChangeMenuItem::IDC_NEW_NAME), "-> Analyst");
            dialog.OnOK();
            return answerOf(dialog);
        });
        m_main->OnModifyItem();
        EXPECT_EQ(messages(), std::vector<std::string>{});
        const MenuTreeRecord shortcut = recordNamed("-> Analyst");
        EXPECT_EQ(shortcut.url, c.url);
        EXPECT_EQ(shortcut.referencedUid, c.uid);
        EXPECT_EQ(item("N8")->getUrl(), c.url);
    }
}

TEST_F(MainWindowItemCommandsTest, AModificationGivenUpChangesNothing) {
    select("N3");
    ModalScript script;
    script.then<CChangeMenuItem>([](CChangeMenuItem& dialog) {
        dialog.setText(CChangeMenuItem::IDC_NEW_NAME, "Team A B");
        dialog.OnOK();
        return answerOf(dialog);
    });
    const std::string tree = read("tolvane/MenuTreeV2.dat");
    m_main->OnModifyItem();
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].find("The name 'Team A B' gives the folder 'Team_A_B'"), 0u);
    EXPECT_EQ(read("tolvane/MenuTreeV2.dat"), tree);
    EXPECT_EQ(read("site/Roles/Team_A_B/overview.htm"), "<html><body>Team A_B</body></html>\r\n");
}

TEST_F(MainWindowItemCommandsTest, InASharedProjectTheSelectedItemsFieldsFollowEachChange) {
    setOption("MultiUsers", "yes");
    auto field = [this](int id) { return controls::getText(m_main.get(), id).str(); };
    select("N3");
    ModalScript script;
    script.then<CChangeMenuItem>([](CChangeMenuItem& dialog) {
        dialog.setText(CChangeMenuItem::IDC_NEW_NAME, "Business analyst");
        dialog.OnOK();
        return answerOf(dialog);
    });
    m_main->OnModifyItem();
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(recordNamed("Business analyst").uid, "N3");
    EXPECT_EQ(m_main->getTree()->GetSelection(), node("N3"));
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_NAME), "Business analyst");
    EXPECT_EQ(m_main->getTree()->getDropHighlight(), node("N3")) << "the selection stays marked";

    // Removed with its shortcut: nothing is selected, nothing is shown.
    script.then<CRemoveMenuItem>(confirmRemoval());
    m_main->OnRemoveItem();
    EXPECT_EQ(messages(), std::vector<std::string>{"1 shortcut items have been removed too"});
    EXPECT_EQ(item("N3"), nullptr);
    for (int id : {CMenuCreatorDlg::IDC_SELECTED_NAME, CMenuCreatorDlg::IDC_SELECTED_NAME_L2,
                   CMenuCreatorDlg::IDC_SELECTED_UID, CMenuCreatorDlg::IDC_SELECTED_CLASS})
        EXPECT_EQ(field(id), "") << id;
    EXPECT_FALSE(m_main->FindWindow(CMenuCreatorDlg::IDC_EDIT_HTML)->IsEnabled());
}

TEST_F(MainWindowItemCommandsTest, ViewingAnExternalItemOpensItsAddressInTheBrowser) {
    FakeProgram browser(m_dir, "xdg-open");
    select("N10");
    ModalScript noPageEditor;
    m_main->OnViewPage();
    EXPECT_EQ(browser.arguments(), "http://www.example.com/\n");
    EXPECT_TRUE(noPageEditor.opened.empty());
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

} // namespace
