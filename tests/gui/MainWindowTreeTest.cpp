// The main window's tree: what it shows of the selected item, the search,
// a rebuild that keeps what was expanded and selected, the context menu by
// the child-class rule and its commands, and moving an item by drag and
// drop with its folder, where a folder that cannot move moves nothing and
// an item that cannot move brings its folder back.

#include "CDHtmlEditDlg.h"
#include "CMainTreeCtrl.h"
#include "CMoveMenuItem.h"
#include "DiagramEditorAvailability.h"
#include "ItemPropertySheet.h"
#include "LanguageSelection.h"
#include "MainWindowProject.h"
#include "ModalScript.h"
#include "SheetEditing.h"

#include <filesystem>
#include <memory>
#include <wx/menu.h>

namespace {

class MainWindowTreeTest : public MainWindowProject {
protected:
    void SetUp() override {
        MainWindowProject::SetUp();
        // The link refresh of the start-up has read every item's data.
        m_main->OnTimer(CMenuCreatorDlg::kLinkRefreshTimer);
        messages();
    }
    CString field(int id) const { return controls::getText(m_main.get(), id); }
    bool enabled(int id) const { return m_main->FindWindow(id)->IsEnabled(); }
    CMainTreeCtrl* tree() const { return m_main->getTree(); }
    // The texts of a menu's entries ("-" for a separator, submenus as "text>").
    static std::vector<std::string> entries(wxMenu* menu) {
        std::vector<std::string> texts;
        for (wxMenuItem* entry : menu->GetMenuItems())
            texts.push_back(entry->IsSeparator()
                                ? "-"
                                : entry->GetItemLabelText().utf8_string() + (entry->GetSubMenu() ? ">" : ""));
        return texts;
    }
    static wxMenu* submenu(wxMenu* menu, const char* text) {
        for (wxMenuItem* entry : menu->GetMenuItems())
            if (entry->GetSubMenu() && entry->GetItemLabelText() == text)
                return entry->GetSubMenu();
        return nullptr;
    }
    // The middle of the node's line in the tree.
    wxPoint middleOf(const char* uid) const {
        wxRect rect;
        EXPECT_TRUE(tree()->GetBoundingRect(node(uid), rect, true)) << uid;
        return rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2);
    }
    // Drags the item onto the other one and answers the move dialog with the position.
    void dragOnto(const char* moved, const char* target, int position) {
        m_main->Show();
        m_main->OnExpandAll();
        tree()->Update();
        ModalScript script;
        script.then<CMoveMenuItem>([position](CMoveMenuItem& dialog) {
            EXPECT_TRUE(dialog.isChecked(CMoveMenuItem::IDC_BELOW));
            dialog.setChecked(position == 2
                                  ? CMoveMenuItem::IDC_CHILD
                                  : (position == 1 ? CMoveMenuItem::IDC_UP : CMoveMenuItem::IDC_BELOW),
                              true);
            dialog.OnOK();
            return answerOf(dialog);
        });
        ASSERT_TRUE(tree()->OnBeginDrag(node(moved), middleOf(moved)));
        tree()->OnDragMove(middleOf(target));
        ASSERT_EQ(tree()->getDropTarget(), node(target));
        tree()->OnDrop();
        EXPECT_FALSE(tree()->isDragging());
    }
};

TEST_F(MainWindowTreeTest, TheSelectionShowsTheItemAndEnablesItsCommands) {
    select("N8"); // a shortcut: its own names and uid, the class of its target
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_NAME), "-> Analyst");
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_NAME_L2), "-> Analyste");
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_UID), "N8");
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_CLASS), "ROLE");
    for (int id : {1004, 1006, 1069})
        EXPECT_TRUE(enabled(id)) << id;

    select("N10"); // an external item has no page, attributes or folder
    for (int id : {1219, 1006, 1069})
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_CLASS), "NOPROCESSCLASS");

    select("N6");
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_CLASS), "ACTIVITY");
    EXPECT_EQ(enabled(1219), item("N6")->hasHtmlPage() != 0);
    EXPECT_FALSE(enabled(1008)) << "no diagram editor in this version";
    EXPECT_EQ(tree()->getDropHighlight(), node("N6")) << "the selection stays marked without the focus";
}

TEST_F(MainWindowTreeTest, SearchByNamePartByUidAndOnAfterTheLastHit) {
    auto search = [this](const char* text, bool next) {
        controls::setText(m_main.get(), CMenuCreatorDlg::IDC_SEARCH_TEXT, text);
        next ? m_main->OnSearchNext() : m_main->OnSearchFirst();
        Item* hit = m_main->getLastSearchHit();
        return hit ? hit->getName().str() : std::string();
    };
    EXPECT_EQ(search("an", false), "Analyst");
    EXPECT_EQ(tree()->GetSelection(), node("N3"));
    EXPECT_EQ(search("an", true), "-> Analyst");
    EXPECT_EQ(search("an", true), "Plan");
    EXPECT_EQ(messages(), std::vector<std::string>{});
    search("an", true);
    EXPECT_EQ(messages(), std::vector<std::string>{"Item not found"});
    // Another text: "Next" starts over.
    EXPECT_EQ(search("TEAM", true), "Team A_B");
    search("", false);
    EXPECT_EQ(messages(), std::vector<std::string>{"Search text shall not be empty"});

    controls::setChecked(m_main.get(), CMenuCreatorDlg::IDC_SEARCH_UID, true);
    m_main->OnSearchByUid();
    EXPECT_FALSE(enabled(CMenuCreatorDlg::IDC_SEARCH_NEXT));
    EXPECT_EQ(search("n12", false), "Plan");
    controls::setChecked(m_main.get(), CMenuCreatorDlg::IDC_SEARCH_NAME_L1, true);
    m_main->OnSearchByName();
    EXPECT_TRUE(enabled(CMenuCreatorDlg::IDC_SEARCH_NEXT));
}

TEST_F(MainWindowTreeTest, ARebuildKeepsExpandedNodesAndTheSelection) {
    tree()->Expand(node("N2"));
    tree()->Expand(node("N6"));
    select("N7");
    m_main->rebuildTree(m_main->getProject()->getItemList());
    EXPECT_TRUE(tree()->IsExpanded(node("N2")));
    EXPECT_TRUE(tree()->IsExpanded(node("N6")));
    EXPECT_FALSE(tree()->IsExpanded(node("N9")));
    EXPECT_EQ(tree()->GetSelection(), node("N7"));
    EXPECT_EQ(field(CMenuCreatorDlg::IDC_SELECTED_UID), "N7");

    m_main->OnCollapseAll();
    EXPECT_FALSE(tree()->IsExpanded(node("N2")));
    m_main->OnExpandAll();
    for (const char* uid : {"N2", "N5", "N6", "N9", "N11"})
        EXPECT_TRUE(tree()->IsExpanded(node(uid))) << uid;
}

TEST_F(MainWindowTreeTest, TheContextMenuOffersWhatTheItemAndItsPlaceAllow) {
    std::unique_ptr<wxMenu> menu(tree()->buildContextMenu(node("N3")));
    ASSERT_TRUE(menu);
    EXPECT_EQ(entries(menu.get()),
              (std::vector<std::string>{"View generated Html page", "-", "Edit name and basic attribute",
                                        "Edit attributes", "-", "Add item above>", "Add item below>",
                                        "Add child item>", "-", "Remove item", "-", "Open directory", "-",
                                        "Create shortcut below"}));
    // Under a role only plain items, roles and site maps.
    EXPECT_EQ(entries(submenu(menu.get(), "Add child item")),
              (std::vector<std::string>{"Add dual item", "Add role", "Add site map"}));
    EXPECT_EQ(entries(submenu(menu.get(), "Add item above")), entries(submenu(menu.get(), "Add item below")));
    EXPECT_EQ(tree()->getContextNode(), node("N3"));

    // An activity has a diagram, which this version cannot edit.
    menu.reset(tree()->buildContextMenu(node("N6")));
    EXPECT_FALSE(menu->IsEnabled(CMainTreeCtrl::menuIdOf(CMainTreeCtrl::ID_EDIT_DIAGRAM)));
    EXPECT_EQ(menu->FindItem(CMainTreeCtrl::menuIdOf(CMainTreeCtrl::ID_EDIT_DIAGRAM))->GetHelp(),
              kDiagramEditorMissing);
    // A shortcut has a folder but no shortcut of its own; an external item neither.
    menu.reset(tree()->buildContextMenu(node("N8")));
    EXPECT_NE(menu->FindItem(CMainTreeCtrl::menuIdOf(CMainTreeCtrl::ID_OPEN_DIRECTORY)), nullptr);
    EXPECT_EQ(menu->FindItem(CMainTreeCtrl::menuIdOf(CMainTreeCtrl::ID_CREATE_SHORTCUT)), nullptr);
    menu.reset(tree()->buildContextMenu(node("N10")));
    EXPECT_EQ(menu->FindItem(CMainTreeCtrl::menuIdOf(CMainTreeCtrl::ID_OPEN_DIRECTORY)), nullptr);
    EXPECT_EQ(menu->FindItem(CMainTreeCtrl::menuIdOf(CMainTreeCtrl::ID_CREATE_SHORTCUT)), nullptr);
    // Right of every node there is none.
    tree()->OnContextMenu(wxPoint(-5, -5));
    EXPECT_FALSE(tree()->getContextNode().IsOk());
}

TEST_F(MainWindowTreeTest, MenuCommandsWorkOnTheNodeTheMenuWasOpenedOn) {
    SheetEditing editing;
    EditingService::install(&editing);
    select("N6");
    delete tree()->buildContextMenu(node("N3"));
    ModalScript script;
    script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
        EXPECT_EQ(sheet.GetTitle(), "Role edition: Analyst");
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
    tree()->OnCommand(CMainTreeCtrl::ID_EDIT_ATTRIBUTES);
    tree()->OnCommand(CMainTreeCtrl::ID_CREATE_SHORTCUT);
    EditingService::install(nullptr);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(treeOnDisk()[3], " -> Analyst");
    delete tree()->buildContextMenu(node("N10"));
    tree()->OnCommand(CMainTreeCtrl::ID_EDIT_ATTRIBUTES);
    tree()->OnCommand(CMainTreeCtrl::ID_OPEN_DIRECTORY);
    EXPECT_EQ(messages(), (std::vector<std::string>{"There are no attributes on external items",
                                                    "Not available on external items"}));
}

TEST_F(MainWindowTreeTest, WithoutASelectionTheFolderCommandAsks) {
    ModalScript script;
    m_main->OnOpenDirectory();
    m_main->OnViewPage();
    m_main->OnEditHtml();
    m_main->OnEditAttributes();
    EXPECT_EQ(messages(), std::vector<std::string>{"Please, select an item in the tree view first"});
}

TEST_F(MainWindowTreeTest, ADropMovesTheItemWithItsFolder) {
    dragOnto("N7", "N5", 2);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(treeOnDisk(),
              (std::vector<std::string>{"Home", "Roles", " Analyst", " Team A_B", "Process", " Design",
                                        " -> Analyst", " Sketch", "Links", " Maker", "Products", " Plan"}));
    EXPECT_EQ(recordNamed("Sketch").url, "../site/Process/Sketch/overview.htm");
    EXPECT_EQ(recordNamed("Sketch").uid, "N7");
    EXPECT_TRUE(exists("site/Process/Sketch/process.data"));
    EXPECT_FALSE(exists("site/Process/Design/Sketch"));
    EXPECT_EQ(nodeNames()[7], "Sketch") << "the tree shows it";
}

TEST_F(MainWindowTreeTest, ADropOnItselfOrOutsideSidewaysMovesNothing) {
    m_main->Show();
    ModalScript script;
    ASSERT_TRUE(tree()->OnBeginDrag(node("N3"), middleOf("N3")));
    tree()->OnDragMove(middleOf("N3"));
    tree()->OnDrop();
    ASSERT_TRUE(tree()->OnBeginDrag(node("N3"), middleOf("N3")));
    tree()->OnDragMove(middleOf("N5"));
    tree()->OnDragMove(wxPoint(tree()->GetClientSize().x + 3, middleOf("N5").y));
    EXPECT_FALSE(tree()->isDragging());
    EXPECT_FALSE(tree()->getDropHighlight().IsOk());
    tree()->OnDrop();
    EXPECT_EQ(treeOnDisk(), fixtureTree());
    EXPECT_TRUE(script.opened.empty());
}

TEST_F(MainWindowTreeTest, AFolderThatCannotMoveMovesNothing) {
    // The new place of the folder is taken.
    m_dir.write("proj/site/Process/Sketch/notes.txt", "another page's");
    dragOnto("N7", "N5", 2);
    EXPECT_EQ(messages(), std::vector<std::string>{"Error moving directory"});
    EXPECT_EQ(treeOnDisk(), fixtureTree());
    EXPECT_TRUE(exists("site/Process/Design/Sketch/process.data"));
    EXPECT_EQ(read("site/Process/Sketch/notes.txt"), "another page's");
}

TEST_F(MainWindowTreeTest, AnItemThatCannotMoveTakesItsFolderBack) {
    setOption("MultiUsers", "yes");
    // Another copy of the program removed the target meanwhile.
    std::string treeFile = read("tolvane/MenuTreeV2.dat");
    const size_t line = treeFile.find("1*N8*");
    treeFile.erase(line, treeFile.find("\r\n", line) + 2 - line);
    m_dir.write("proj/tolvane/MenuTreeV2.dat", treeFile);
    const auto before = treeOnDisk();
    EXPECT_FALSE(CMainTreeCtrl::moveDroppedItem(m_main->getProject(), item("N7"), item("N8"), 0));
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "'To' item has already been deleted by another user. Operation failed"});
    EXPECT_EQ(treeOnDisk(), before);
    EXPECT_TRUE(exists("site/Process/Design/Sketch/process.data"));
    EXPECT_FALSE(exists("site/Process/Sketch"));
}

TEST_F(MainWindowTreeTest, APageEditorThatFailsEndsTheCommandWithItsMessage) {
    // A shortcut's page is its target's; the project has two languages, so
    // the language is asked first.
    select("N8");
    ModalScript script;
    script.then<LanguageSelection>([](LanguageSelection& choice) {
        choice.setChecked(LanguageSelection::IDC_LANGUAGE_2, true);
        choice.OnOK();
        return answerOf(choice);
    });
    script.then<CDHtmlEditDlg>([](CDHtmlEditDlg& editor) -> int {
        EXPECT_EQ(editor.GetTitle(), "Edit Analyst");
        throw std::runtime_error("the browser went away");
    });
    m_main->OnEditHtml();
    EXPECT_EQ(messages(), std::vector<std::string>{"An unexpected error has occured"});
    EXPECT_EQ(script.opened, (std::vector<std::string>{"Select Language", "Edit Analyst"}));
    // The window goes on: the next command works.
    script.then<LanguageSelection>([](LanguageSelection& choice) {
        choice.OnOK();
        return answerOf(choice);
    });
    script.then<CDHtmlEditDlg>([](CDHtmlEditDlg& editor) {
        EXPECT_EQ(editor.GetTitle(), "View Analyst");
        return static_cast<int>(wxID_CANCEL);
    });
    m_main->OnViewPage();
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

} // namespace
