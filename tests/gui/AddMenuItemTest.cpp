// The add item dialog driven through its controls: what it shows when it
// opens, what each kind and choice switches, each refusal with its message
// (the dialog stays open and nothing changes on disk), and the project's
// files after OK.

#include "CAddMenuItem.h"
#include "CSelectIcon.h"
#include "ItemClasses.h"
#include "ItemDialogsProject.h"
#include "ModalScript.h"
#include "WxText.h"

#include <filesystem>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/listctrl.h>

namespace {

class AddMenuItemTest : public ItemDialogsProject {
protected:
    using D = CAddMenuItem;

    std::unique_ptr<CAddMenuItem> open(const char* uid, int position, int classKind = 0,
                                       const char* name = "") {
        auto dialog = std::make_unique<CAddMenuItem>(nullptr, m_project.get(), item(uid), &m_icons, position,
                                                     classKind, name);
        dialog->OnInitDialog();
        return dialog;
    }
    // A click on a kind: the radio, then its handler.
    static void choose(CAddMenuItem& dialog, int radio) {
        dialog.setChecked(radio, true);
        switch (radio) {
        case D::IDC_DUAL:
            dialog.OnDual();
            break;
        case D::IDC_SHORTCUT:
            dialog.OnShortcut();
            break;
        case D::IDC_EXTERNAL:
            dialog.OnExternal();
            break;
        default:
            dialog.OnSpecificClass();
            break;
        }
    }
    static void chooseClass(CAddMenuItem& dialog, const char* keyword) {
        dialog.setText(D::IDC_CLASS, keyword);
        dialog.OnSelchangeClass();
    }
    static void chooseReferenced(CAddMenuItem& dialog, const char* name) {
        auto* combo = static_cast<wxComboBox*>(dialog.FindWindow(D::IDC_REFERENCED));
        const int index = combo->FindString(wxString::FromUTF8(name), true);
        ASSERT_NE(index, wxNOT_FOUND) << name;
        combo->SetSelection(index);
        dialog.OnSelchangeReferenced();
    }
    static bool enabled(CAddMenuItem& dialog, int id) { return dialog.FindWindow(id)->IsThisEnabled(); }
    static std::string text(CAddMenuItem& dialog, int id) { return dialog.getText(id).str(); }
};

TEST_F(AddMenuItemTest, OpensAsDualBelowTheItemWithTheBookIcons) {
    auto dialog = open("N3", 3);
    EXPECT_TRUE(dialog->isChecked(D::IDC_DUAL));
    EXPECT_TRUE(dialog->isChecked(D::IDC_BELOW));
    EXPECT_FALSE(enabled(*dialog, D::IDC_CLASS));
    EXPECT_FALSE(enabled(*dialog, D::IDC_REFERENCED));
    EXPECT_FALSE(enabled(*dialog, D::IDC_URL));
    EXPECT_TRUE(enabled(*dialog, D::IDC_SPECIFIC_CLASS));
    EXPECT_TRUE(enabled(*dialog, D::IDC_NAME_L2));
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "bookc.gif");
    EXPECT_EQ(text(*dialog, D::IDC_OPEN_ICON), "booko.gif");
    EXPECT_EQ(text(*dialog, D::IDC_RELATIVE_TO), "Analyst");
    // The kept values of the hidden controls.
    EXPECT_TRUE(dialog->isChecked(D::IDC_CREATE_PAGE));
    EXPECT_FALSE(dialog->FindWindow(D::IDC_CREATE_PAGE)->IsShown());
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_KIND), "Standard");
    EXPECT_FALSE(dialog->isChecked(D::IDC_USE_FRAME));
    // The items a shortcut may reference: the dual ones, in tree order, after an empty entry.
    auto* referenced = static_cast<wxComboBox*>(dialog->FindWindow(D::IDC_REFERENCED));
    std::vector<std::string> entries;
    for (unsigned i = 0; i < referenced->GetCount(); ++i)
        entries.push_back(referenced->GetString(i).utf8_string());
    EXPECT_EQ(entries, (std::vector<std::string>{"", "Home", "Roles", "Analyst", "Team A_B", "Process",
                                                 "Design", "Sketch", "Links", "Products", "Plan"}));
    // The class list, separators included.
    auto* classes = static_cast<wxChoice*>(dialog->FindWindow(D::IDC_CLASS));
    EXPECT_EQ(classes->GetCount(), 23u);
    EXPECT_EQ(classes->GetString(13), "--- Group ---");

    const struct {
        int position;
        int radio;
    } positions[] = {{1, D::IDC_UP}, {2, D::IDC_CHILD}, {0, D::IDC_BELOW}, {7, D::IDC_BELOW}};
    for (const auto& c : positions)
        EXPECT_TRUE(open("N3", c.position)->isChecked(c.radio)) << c.position;

    setOption("UseFrame", "yes");
    setOption("TwoLanguages", "no");
    dialog = open("N3", 3);
    EXPECT_TRUE(dialog->isChecked(D::IDC_USE_FRAME));
    EXPECT_FALSE(enabled(*dialog, D::IDC_NAME_L2));
}

TEST_F(AddMenuItemTest, OpensWithTheClassAskedFor) {
    auto dialog = open("N5", 2, 4, "Build");
    EXPECT_TRUE(dialog->isChecked(D::IDC_SPECIFIC_CLASS));
    EXPECT_EQ(text(*dialog, D::IDC_CLASS), "ACTIVITY");
    EXPECT_TRUE(enabled(*dialog, D::IDC_CLASS));
    EXPECT_EQ(text(*dialog, D::IDC_NAME), "Build");
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "wfdtree.gif");
    EXPECT_EQ(text(*dialog, D::IDC_OPEN_ICON), "wfdtree.gif");
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "activity.gif");
    // Class 1 is in no list: the dialog opens as dual.
    EXPECT_TRUE(open("N5", 2, 1)->isChecked(D::IDC_DUAL));
}

TEST_F(AddMenuItemTest, EachKindSwitchesItsControls) {
    // referenced, shortcut group, dual group, name, name L2, url, class, page header, visible enabled
    const struct {
        int radio;
        bool on[9];
    } kinds[] = {
        {D::IDC_DUAL, {false, false, true, true, true, false, false, true, true}},
        {D::IDC_SHORTCUT, {true, true, false, false, false, false, false, false, false}},
        {D::IDC_EXTERNAL, {false, false, false, true, true, true, false, false, false}},
        {D::IDC_SPECIFIC_CLASS, {false, false, false, true, true, false, true, true, true}},
    };
    const int ids[] = {
        D::IDC_REFERENCED, D::IDC_SHORTCUT_GROUP, D::IDC_DUAL_GROUP,         D::IDC_NAME,   D::IDC_NAME_L2,
        D::IDC_URL,        D::IDC_CLASS,          D::IDC_SELECT_PAGE_HEADER, D::IDC_VISIBLE};
    auto dialog = open("N9", 2);
    for (const auto& kind : kinds) {
        choose(*dialog, kind.radio);
        for (size_t i = 0; i < std::size(ids); ++i)
            EXPECT_EQ(enabled(*dialog, ids[i]), kind.on[i]) << "kind " << kind.radio << " control " << ids[i];
    }
    // Shortcut and external items are always visible.
    dialog->setChecked(D::IDC_VISIBLE, false);
    choose(*dialog, D::IDC_EXTERNAL);
    EXPECT_TRUE(dialog->isChecked(D::IDC_VISIBLE));
    dialog->setText(D::IDC_URL, "http://www.example.org/");
    choose(*dialog, D::IDC_DUAL);
    EXPECT_EQ(text(*dialog, D::IDC_URL), "");
}

TEST_F(AddMenuItemTest, AReferencedItemNamesTheShortcutAndGivesItsIcons) {
    auto dialog = open("N9", 2);
    dialog->setText(D::IDC_NAME, "Typed");
    choose(*dialog, D::IDC_SHORTCUT);
    EXPECT_EQ(text(*dialog, D::IDC_NAME), "");
    chooseReferenced(*dialog, "Analyst");
    EXPECT_EQ(text(*dialog, D::IDC_NAME), "-> Analyst");
    EXPECT_EQ(text(*dialog, D::IDC_NAME_L2), "-> Analyste");
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "worker.gif");
    EXPECT_EQ(text(*dialog, D::IDC_OPEN_ICON), "worker.gif");
    chooseReferenced(*dialog, "");
    EXPECT_EQ(text(*dialog, D::IDC_NAME), "");
    EXPECT_EQ(text(*dialog, D::IDC_NAME_L2), "");
    // Another kind empties the name the shortcut made, once.
    chooseReferenced(*dialog, "Design");
    choose(*dialog, D::IDC_DUAL);
    EXPECT_EQ(text(*dialog, D::IDC_NAME), "");
    EXPECT_EQ(text(*dialog, D::IDC_REFERENCED), "");
    dialog->setText(D::IDC_NAME, "Kept");
    choose(*dialog, D::IDC_EXTERNAL);
    EXPECT_EQ(text(*dialog, D::IDC_NAME), "Kept");
}

TEST_F(AddMenuItemTest, AClassGivesItsIconsHeaderAndVisibility) {
    auto dialog = open("N11", 2);
    choose(*dialog, D::IDC_SPECIFIC_CLASS);
    chooseClass(*dialog, "WORKPRODUCT STATE");
    EXPECT_FALSE(dialog->isChecked(D::IDC_VISIBLE));
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "state.gif");
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "");
    chooseClass(*dialog, "ROLE");
    EXPECT_FALSE(dialog->isChecked(D::IDC_VISIBLE)) << "not checked again";
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "role.gif");
    chooseClass(*dialog, "WORKPRODUCT GROUP");
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "artfc_w.gif");
    EXPECT_EQ(text(*dialog, D::IDC_OPEN_ICON), "artfo_w.gif");
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "WorkProductGroup.gif");
    chooseClass(*dialog, "GLOSSARY ENTRY");
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "bookc.gif");
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "WorkProductGroup.gif") << "kept for a class without one";
}

TEST_F(AddMenuItemTest, IconsComeFromTheIconPickerAndTheHeaderFromAFile) {
    auto dialog = open("N1", 3);
    ModalScript script;
    auto pick = [](const char* name) {
        return [name](CSelectIcon& picker) {
            const long entry = picker.getList()->FindItem(-1, name);
            EXPECT_GE(entry, 0) << name;
            picker.getList()->SetItemState(entry, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            picker.OnOK();
            return answerOf(picker);
        };
    };
    script.then<CSelectIcon>(pick("check.gif")).then<CSelectIcon>(pick("state.gif"));
    script.then<wxFileDialog>([this](wxFileDialog& files) {
        EXPECT_EQ(files.GetDirectory().utf8_string(), m_dir / "proj/images/PageHeader");
        files.SetPath(wxString::FromUTF8(m_dir / "proj/images/PageHeader/role.gif"));
        return static_cast<int>(wxID_OK);
    });
    dialog->OnChooseIcon();
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "check.gif");
    EXPECT_EQ(text(*dialog, D::IDC_OPEN_ICON), "check.gif");
    dialog->OnChooseOpenIcon();
    EXPECT_EQ(text(*dialog, D::IDC_ICON), "check.gif");
    EXPECT_EQ(text(*dialog, D::IDC_OPEN_ICON), "state.gif");
    dialog->OnSelectPageHeader();
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "role.gif");
}

TEST_F(AddMenuItemTest, ADualItemGetsItsPagesInBothLanguages) {
    auto dialog = open("N1", 3);
    dialog->setText(D::IDC_NAME, "User guide");
    dialog->setText(D::IDC_NAME_L2, "Guide");
    dialog->setText(D::IDC_PAGE_HEADER, "guide.gif");
    dialog->OnOK();
    ASSERT_TRUE(dialog->hasEnded());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    ASSERT_NE(dialog->m_result, nullptr);
    EXPECT_EQ(dialog->m_result, m_project->findItemByName("User guide"));

    std::vector<std::string> expected = fixtureTree();
    expected.insert(expected.begin() + 1, "User guide");
    EXPECT_EQ(treeOnDisk(), expected);
    const MenuTreeRecord record = recordNamed("User guide");
    EXPECT_EQ(record.url, "../site/User_guide/overview.htm");
    EXPECT_EQ(record.nameL2, "Guide");
    EXPECT_EQ(record.icon, "bookc.gif");
    EXPECT_EQ(record.openIcon, "booko.gif");
    EXPECT_TRUE(record.visible);
    EXPECT_NE(read("site/User_guide/overview.htm").find("<title>User guide</title>"), std::string::npos);
    EXPECT_NE(read("site/User_guide/overviewL2.htm").find("<title>Guide</title>"), std::string::npos);
    EXPECT_EQ(dataKey("User_guide", "PageHeaderImage"), "guide.gif");
    EXPECT_NE(read("site/ZevoRiruradiruzuz.log").find("Add menu item \"User guide\" below \"Home\""),
              std::string::npos);
    EXPECT_GE(m_window.rebuilds, 1);
}

TEST_F(AddMenuItemTest, AnItemOfAClassGetsItsClassFiles) {
    auto dialog = open("N2", 2, 2, "Reviewer");
    dialog->setText(D::IDC_NAME_L2, "Relecteur");
    dialog->OnOK();
    ASSERT_TRUE(dialog->hasEnded());
    EXPECT_EQ(messages(), std::vector<std::string>{});
    ASSERT_NE(dialog->m_result, nullptr);
    EXPECT_EQ(classKindOf(dialog->m_result), kRoleClass);

    const MenuTreeRecord record = recordNamed("Reviewer");
    EXPECT_EQ(record.level, 1);
    EXPECT_EQ(record.url, "../site/Roles/Reviewer/overview.htm");
    EXPECT_EQ(record.icon, "worker.gif");
    EXPECT_EQ(treeOnDisk()[4], " Reviewer") << "the last child of Roles";
    EXPECT_EQ(dataKey("Roles/Reviewer", "Class"), "PROCESSROLE");
    EXPECT_EQ(dataKey("Roles/Reviewer", "PageHeaderImage"), "role.gif");
    EXPECT_TRUE(exists("site/Roles/Reviewer/overview.htm"));
    EXPECT_TRUE(exists("site/Roles/Reviewer/overviewL2.htm"));
    EXPECT_NE(read("site/ZevoRiruradiruzuz.log")
                  .find("Add menu item \"Reviewer\" (class ROLE) as child of \"Roles\""),
              std::string::npos);
}

TEST_F(AddMenuItemTest, ShortcutsAndExternalItemsGetNoFolder) {
    const auto before = m_dir.entries();
    auto shortcut = open("N9", 2);
    choose(*shortcut, D::IDC_SHORTCUT);
    chooseReferenced(*shortcut, "Design");
    shortcut->OnOK();
    ASSERT_NE(shortcut->m_result, nullptr);
    auto external = open("N9", 2);
    choose(*external, D::IDC_EXTERNAL);
    external->setText(D::IDC_NAME, "Standards");
    external->setText(D::IDC_URL, "https://standards.example.org/");
    external->setChecked(D::IDC_OPEN_IN_NEW_WINDOW, true);
    external->OnOK();
    ASSERT_NE(external->m_result, nullptr);
    EXPECT_EQ(messages(), std::vector<std::string>{});

    const MenuTreeRecord link = recordNamed("-> Design");
    EXPECT_EQ(link.level, 1);
    EXPECT_EQ(link.url, "../site/Process/Design/overview.htm");
    EXPECT_EQ(link.referencedUid, "N6");
    EXPECT_EQ(link.nameL2, "-> Conception");
    EXPECT_EQ(link.icon, "wfdtree.gif");
    const MenuTreeRecord site = recordNamed("Standards");
    EXPECT_EQ(site.url, "https://standards.example.org/");
    EXPECT_TRUE(site.blankTarget);
    std::vector<std::string> expected = fixtureTree();
    expected.insert(expected.begin() + 10, {" -> Design", " Standards"});
    EXPECT_EQ(treeOnDisk(), expected);
    // Only the tree file, its backup, the log and the lock taken to write
    // the tree changed: no folder was made.
    auto after = m_dir.entries();
    for (auto it = after.begin(); it != after.end();)
        it = before.count(*it) ? after.erase(it) : std::next(it);
    for (const std::string& added : after)
        EXPECT_TRUE(added.find("/tolvane/save") != std::string::npos ||
                    added.find(".log") != std::string::npos || added.ends_with("/tmp/lock.data"))
            << added;
}

TEST_F(AddMenuItemTest, RefusalsKeepTheDialogOpenAndChangeNothing) {
    m_dir.write("proj/site/Roles/Old/overview.htm", "left by a removed item");
    const struct {
        const char* uid;
        int position;
        int radio;
        const char* name;
        const char* classText;
        const char* url;
        const char* message;
    } cases[] = {
        {"N2", 2, D::IDC_DUAL, "", "", "", "Name of the item shall not be empty"},
        {"N2", 2, D::IDC_DUAL, "Bad!", "", "",
         "Please use '0'-'9', 'A'-'Z', 'a'-'z',' ', '-', '_', "
         "'\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xB9\xC3\xBB\xC3\xA7\xC3\xA0"
         "\xC3\xA2@#&', ()/.: characters for the name"},
        {"N2", 2, D::IDC_DUAL, "Analyst", "", "", "Duplicated name under same parent item!"},
        // Its folder would be the sibling's: the sibling's pages would be overwritten.
        {"N3", 0, D::IDC_DUAL, "Team A B", "", "",
         "The name 'Team A B' gives the folder 'Team_A_B', which the item 'Team A_B' under the same parent "
         "already "
         "uses. Please choose another name."},
        {"N3", 0, D::IDC_SPECIFIC_CLASS, "team a.b", "ROLE", "",
         "The name 'team a.b' gives the folder 'team_a_b', which the item 'Team A_B' under the same parent "
         "already "
         "uses. Please choose another name."},
        {"N2", 2, D::IDC_DUAL, "Old", "", "",
         "The folder 'site/Roles/Old' exists already: the pages of an item named 'Old' would replace the "
         "pages in "
         "it. Please choose another name."},
        {"N2", 2, D::IDC_SPECIFIC_CLASS, "Build", "ACTIVITY", "",
         "Parent and child item classes are not compatible. Operation canceled."},
        {"N2", 2, D::IDC_SPECIFIC_CLASS, "Reviewer", "", "", "A class has to be selected. "},
        {"N9", 2, D::IDC_SPECIFIC_CLASS, "Group", "--- Group ---", "",
         "Please select a class, not a class group separator."},
        {"N9", 2, D::IDC_EXTERNAL, "Standards", "", "",
         "Please select the external web page address  (URL) corresponding to the item"},
    };
    const std::string tree = read("tolvane/MenuTreeV2.dat");
    const std::string teamPage = read("site/Roles/Team_A_B/overview.htm");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = m_dir.entries();
        auto dialog = open(c.uid, c.position);
        choose(*dialog, c.radio);
        dialog->setText(D::IDC_NAME, c.name);
        if (*c.classText)
            chooseClass(*dialog, c.classText);
        dialog->setText(D::IDC_URL, c.url);
        dialog->OnOK();
        EXPECT_FALSE(dialog->hasEnded());
        EXPECT_EQ(dialog->m_result, nullptr);
        EXPECT_EQ(messages(), std::vector<std::string>{fromWx(wxString::FromUTF8(c.message)).str()});
        EXPECT_EQ(m_dir.entries(), before);
        EXPECT_EQ(read("tolvane/MenuTreeV2.dat"), tree);
    }
    EXPECT_EQ(read("site/Roles/Team_A_B/overview.htm"), teamPage);
}

TEST_F(AddMenuItemTest, ADualChildOfANonDualItemIsRefusedOnceClosed) {
    const std::string tree = read("tolvane/MenuTreeV2.dat");
    auto dialog = open("N8", 2);
    dialog->setText(D::IDC_NAME, "Inside");
    dialog->OnOK();
    EXPECT_TRUE(dialog->hasEnded());
    EXPECT_EQ(dialog->m_result, nullptr);
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Adding dual children is forbidden under non dual item. Action aborted"});
    EXPECT_EQ(read("tolvane/MenuTreeV2.dat"), tree);
    EXPECT_FALSE(exists("site/Roles/Analyst/Inside"));
}

TEST_F(AddMenuItemTest, APageWhoseFolderCannotBeMadeLeavesTheTree) {
    // The parent's folder is gone: the new item's folder cannot be made.
    std::filesystem::remove_all(m_dir / "proj/site/Links");
    auto dialog = open("N9", 2);
    dialog->setText(D::IDC_NAME, "Partners");
    dialog->OnOK();
    EXPECT_EQ(dialog->m_result, nullptr);
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].find("Creation of directory"), 0u) << shown[0];
    EXPECT_EQ(treeOnDisk(), fixtureTree());
    EXPECT_EQ(m_project->findItemByName("Partners"), nullptr);
}

TEST_F(AddMenuItemTest, APlainProjectOffersNoKindAndAddsAPlainItem) {
    WritePrivateProfileStringA("APPLICATION_KIND", "Tolvane", "no", (m_dir / "proj/site.tvx").c_str());
    ItemDialogsProject::open();
    auto dialog = open("N9", 2);
    for (int radio : {D::IDC_DUAL, D::IDC_SHORTCUT, D::IDC_EXTERNAL, D::IDC_SPECIFIC_CLASS})
        EXPECT_FALSE(dialog->isChecked(radio)) << radio;
    EXPECT_FALSE(enabled(*dialog, D::IDC_SPECIFIC_CLASS));
    EXPECT_EQ(static_cast<wxChoice*>(dialog->FindWindow(D::IDC_CLASS))->GetCount(), 0u);
    dialog->setText(D::IDC_NAME, "Notes");
    dialog->OnOK();
    ASSERT_NE(dialog->m_result, nullptr);
    EXPECT_EQ(recordNamed("Notes").url, "../site/Links/Notes/overview.htm");
    EXPECT_FALSE(exists("site/Links/Notes"));
}

} // namespace
