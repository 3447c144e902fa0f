// The modify dialog driven through its controls: what it shows for each
// kind of item, the refusals of its OK and Cancel, and its kind changes,
// which it applies to the item at once, with the two dialogs they open.
// After OK the test applies the fields as the main window does and reads
// the project's files.

#include "CCIK_DTND.h"
#include "CCIK_NDTD.h"
#include "CChangeMenuItem.h"
#include "ItemDialogsProject.h"
#include "ModalScript.h"
#include "WxText.h"

#include <wx/choice.h>
#include <wx/combobox.h>

namespace {

class ChangeMenuItemTest : public ItemDialogsProject {
protected:
    using D = CChangeMenuItem;

    std::unique_ptr<CChangeMenuItem> open(const char* uid) {
        auto dialog = std::make_unique<CChangeMenuItem>(nullptr, item(uid), m_project.get(), &m_icons);
        dialog->OnInitDialog();
        return dialog;
    }
    // Applies the dialog's fields, as the main window does after OK.
    void apply(const char* uid, const CChangeMenuItem& d) {
        m_project->changeItem(item(uid), d.m_newName, d.m_openInNewWindow, d.m_icon, d.m_openIcon,
                              d.m_renameDirectory, d.m_url, d.m_visible, d.m_nameL2, d.m_pageHeaderImage);
    }
    static void changeKind(CChangeMenuItem& dialog, const char* kind) {
        dialog.setText(D::IDC_NEW_KIND, kind);
        dialog.OnChangeKind();
    }
    static std::vector<std::string> entries(CChangeMenuItem& dialog, int id) {
        std::vector<std::string> texts;
        auto* list = dynamic_cast<wxItemContainer*>(dialog.FindWindow(id));
        for (unsigned i = 0; i < list->GetCount(); ++i)
            texts.push_back(list->GetString(i).utf8_string());
        return texts;
    }
    static bool enabled(CChangeMenuItem& dialog, int id) { return dialog.FindWindow(id)->IsThisEnabled(); }
    static std::string text(CChangeMenuItem& dialog, int id) { return dialog.getText(id).str(); }
};

TEST_F(ChangeMenuItemTest, ShowsTheItemAsItsKindAllows) {
    const struct {
        const char* uid;
        const char* kind;
        const char* url;
        std::vector<std::string> otherKinds;
        bool newName, referenced, url_, visible;
        const char* referencedText;
    } cases[] = {
        {"N3", "Dual", "", {"", "Shortcut", "External"}, true, false, false, true, ""},
        {"N8", "Shortcut", "", {"", "Dual", "External"}, false, true, false, false, "Analyst"},
        {"N10",
         "External",
         "http://www.example.com/",
         {"", "Dual", "Shortcut"},
         true,
         false,
         true,
         false,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uid);
        auto dialog = open(c.uid);
        EXPECT_EQ(text(*dialog, D::IDC_OLD_NAME), item(c.uid)->getName().str());
        EXPECT_EQ(text(*dialog, D::IDC_NEW_NAME), item(c.uid)->getName().str());
        EXPECT_EQ(text(*dialog, D::IDC_ACTUAL_KIND), c.kind);
        EXPECT_EQ(text(*dialog, D::IDC_URL), c.url);
        EXPECT_EQ(text(*dialog, D::IDC_ICON), item(c.uid)->getIcon().str());
        EXPECT_EQ(entries(*dialog, D::IDC_NEW_KIND), c.otherKinds);
        EXPECT_EQ(enabled(*dialog, D::IDC_NEW_NAME), c.newName);
        EXPECT_EQ(enabled(*dialog, D::IDC_REFERENCED), c.referenced);
        EXPECT_EQ(enabled(*dialog, D::IDC_URL), c.url_);
        EXPECT_EQ(enabled(*dialog, D::IDC_VISIBLE), c.visible);
        EXPECT_EQ(enabled(*dialog, D::IDC_DUAL_GROUP), c.visible);
        EXPECT_EQ(dialog->isChecked(D::IDC_RENAME_DIRECTORY), c.visible)
            << "a dual item's folder follows its name";
        EXPECT_FALSE(dialog->FindWindow(D::IDC_RENAME_DIRECTORY)->IsShown());
        EXPECT_EQ(text(*dialog, D::IDC_REFERENCED), c.referencedText);
        EXPECT_TRUE(enabled(*dialog, D::IDC_NAME_L2));
    }
    auto shortcut = open("N8");
    EXPECT_EQ(entries(*shortcut, D::IDC_REFERENCED),
              (std::vector<std::string>{"", "Home", "Roles", "Analyst", "Team A_B", "Process", "Design",
                                        "Sketch", "Links", "Products", "Plan"}));
    shortcut->setText(D::IDC_REFERENCED, "Plan");
    shortcut->OnSelchangeReferenced();
    EXPECT_EQ(text(*shortcut, D::IDC_NEW_NAME), "-> Plan");

    setOption("TwoLanguages", "no");
    EXPECT_FALSE(enabled(*open("N3"), D::IDC_NAME_L2));
}

TEST_F(ChangeMenuItemTest, RefusalsKeepTheDialogOpenAndChangeNothing) {
    m_dir.write("proj/site/Roles/Old/overview.htm", "left by a removed item");
    const struct {
        const char* uid;
        const char* name;
        const char* url;
        const char* message;
    } cases[] = {
        {"N3", "", "", "Name of the item shall not be empty"},
        {"N3", "Team A_B", "", "Duplicated name under same parent item!"},
        {"N3", "Team A B", "",
         "The name 'Team A B' gives the folder 'Team_A_B', which the item 'Team A_B' under the same parent "
         "already "
         "uses. Please choose another name."},
        {"N3", "Old", "",
         "The folder 'site/Roles/Old' exists already: the pages of an item named 'Old' would replace the "
         "pages in "
         "it. Please choose another name."},
        {"N10", "Maker", "", "Please select the external web page address  (URL) corresponding to the item"},
    };
    const auto before = m_dir.entries();
    const std::string tree = read("tolvane/MenuTreeV2.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = open(c.uid);
        dialog->setText(D::IDC_NEW_NAME, c.name);
        dialog->setText(D::IDC_URL, c.url);
        dialog->OnOK();
        EXPECT_FALSE(dialog->hasEnded());
        EXPECT_EQ(messages(), std::vector<std::string>{c.message});
    }
    EXPECT_EQ(m_dir.entries(), before);
    EXPECT_EQ(read("tolvane/MenuTreeV2.dat"), tree);
    // Its own name in other letters is its own folder.
    auto dialog = open("N3");
    dialog->setText(D::IDC_NEW_NAME, "ANALYST");
    dialog->OnOK();
    EXPECT_TRUE(dialog->hasEnded());
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(ChangeMenuItemTest, ADualItemWithChildrenStaysDual) {
    auto dialog = open("N6");
    changeKind(*dialog, "");
    EXPECT_EQ(messages(), std::vector<std::string>{"New item kind has to be selected"});
    changeKind(*dialog, "External");
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Dual item could not be changed to non dual as it has children"});
    EXPECT_EQ(item("N6")->getKind(), kDual);
    EXPECT_EQ(dialog->m_kindChanged, 0);
    dialog->OnCancel();
    EXPECT_TRUE(dialog->hasEnded());
}

TEST_F(ChangeMenuItemTest, ADualItemBecomesAShortcutAndItsFolderGoesAside) {
    auto dialog = open("N12");
    {
        ModalScript script;
        script.then<CCIK_DTND>([](CCIK_DTND& ask) {
            ask.setChecked(CCIK_DTND::IDC_REMOVE_FILES, true);
            ask.OnOK();
            return answerOf(ask);
        });
        changeKind(*dialog, "Shortcut");
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(item("N12")->getKind(), kShortcut);
    EXPECT_FALSE(exists("site/Products/Plan"));
    bool keptAside = false;
    for (const std::string& path : m_dir.entries())
        keptAside |= path.find("proj/tmp/Plan_") != std::string::npos &&
                     path.find("_save/overview.htm") != std::string::npos;
    EXPECT_TRUE(keptAside);
    // The kind changes once; the dialog must then be confirmed.
    EXPECT_EQ(text(*dialog, D::IDC_ACTUAL_KIND), "Shortcut");
    EXPECT_EQ(text(*dialog, D::IDC_NEW_NAME), "");
    EXPECT_FALSE(enabled(*dialog, D::IDC_NEW_KIND));
    EXPECT_FALSE(enabled(*dialog, D::IDC_CHANGE_KIND));
    EXPECT_TRUE(enabled(*dialog, D::IDC_REFERENCED));
    const auto referenced = entries(*dialog, D::IDC_REFERENCED);
    EXPECT_EQ(std::count(referenced.begin(), referenced.end(), "Plan"), 0)
        << "a shortcut never references itself";
    dialog->OnCancel();
    EXPECT_FALSE(dialog->hasEnded());
    EXPECT_EQ(messages(),
              std::vector<std::string>{"This dialog box should be validated after changing item kind"});
    dialog->OnOK();
    EXPECT_EQ(messages(), std::vector<std::string>{"Name of the item shall not be empty"});
    dialog->setText(D::IDC_REFERENCED, "Design");
    dialog->OnSelchangeReferenced();
    dialog->OnOK();
    ASSERT_TRUE(dialog->hasEnded());

    apply("N12", *dialog);
    const MenuTreeRecord record = recordNamed("-> Design");
    EXPECT_EQ(record.uid, "N12");
    EXPECT_EQ(record.url, "../site/Process/Design/overview.htm");
    EXPECT_EQ(record.level, 1);
}

TEST_F(ChangeMenuItemTest, ADualItemBecomesExternalKeepingItsFolderWhenAsked) {
    auto dialog = open("N12");
    ModalScript script;
    script.then<CCIK_DTND>([](CCIK_DTND& ask) {
        ask.OnOK();
        return answerOf(ask);
    });
    changeKind(*dialog, "External");
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Please remove the '../site/Products/Plan/' directory with an "
                                       "advanced html editor to complete the operation."});
    EXPECT_TRUE(exists("site/Products/Plan/overview.htm"));
    EXPECT_EQ(item("N12")->getKind(), kExternal);
    EXPECT_TRUE(enabled(*dialog, D::IDC_URL));
    dialog->setText(D::IDC_NEW_NAME, "Plan online");
    dialog->setText(D::IDC_URL, "https://plans.example.org/");
    dialog->OnOK();
    ASSERT_TRUE(dialog->hasEnded());
    apply("N12", *dialog);
    const MenuTreeRecord record = recordNamed("Plan online");
    EXPECT_EQ(record.url, "https://plans.example.org/");
}

TEST_F(ChangeMenuItemTest, ACancelledKindDialogChangesNothing) {
    auto dialog = open("N12");
    ModalScript script;
    script.then<CCIK_DTND>([](CCIK_DTND& ask) {
        ask.setChecked(CCIK_DTND::IDC_REMOVE_FILES, true);
        ask.OnCancel();
        return answerOf(ask);
    });
    changeKind(*dialog, "Shortcut");
    EXPECT_EQ(item("N12")->getKind(), kDual);
    EXPECT_TRUE(exists("site/Products/Plan/overview.htm"));
    EXPECT_EQ(dialog->m_kindChanged, 0);
    EXPECT_TRUE(enabled(*dialog, D::IDC_CHANGE_KIND));
}

TEST_F(ChangeMenuItemTest, AShortcutBecomesDualUnderANameItsFolderCanTake) {
    auto dialog = open("N8");
    ModalScript script;
    script.then<CCIK_NDTD>([this](CCIK_NDTD& ask) {
        EXPECT_EQ(ask.getText(CCIK_NDTD::IDC_NAME), "");
        EXPECT_TRUE(ask.isChecked(CCIK_NDTD::IDC_CREATE_PAGE));
        // The sibling's name, then its folder, are refused; the dialog stays open.
        for (const char* taken : {"Design", "design"}) {
            ask.setText(CCIK_NDTD::IDC_NAME, taken);
            ask.OnOK();
            EXPECT_FALSE(ask.hasEnded()) << taken;
        }
        ask.setText(CCIK_NDTD::IDC_NAME, "Review");
        ask.setText(CCIK_NDTD::IDC_PURPOSE, "Look again");
        ask.OnOK();
        return answerOf(ask);
    });
    changeKind(*dialog, "Dual");
    const auto shown = messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "Duplicated name under same parent item!");
    EXPECT_EQ(shown[1].find("The name 'design' gives the folder 'design'"), 0u) << shown[1];
    EXPECT_EQ(item("N8")->getKind(), kDual);
    EXPECT_EQ(item("N8")->getUrl(), "../site/Process/Review/overview.htm");
    EXPECT_TRUE(exists("site/Process/Review/overview.htm"));
    EXPECT_EQ(text(*dialog, D::IDC_NEW_NAME), "Review");
    EXPECT_FALSE(enabled(*dialog, D::IDC_NEW_NAME));
    EXPECT_TRUE(enabled(*dialog, D::IDC_VISIBLE));
    dialog->OnOK();
    ASSERT_TRUE(dialog->hasEnded());
    EXPECT_EQ(messages(), std::vector<std::string>{});
    apply("N8", *dialog);
    const MenuTreeRecord record = recordNamed("Review");
    EXPECT_EQ(record.uid, "N8");
    EXPECT_EQ(record.url, "../site/Process/Review/overview.htm");
}

TEST_F(ChangeMenuItemTest, AnItemUnderANonDualItemStaysNonDual) {
    // An external item below the shortcut to Analyst.
    Item* inside = m_project->addItem(item("N8"), "Outside", 0, "bookc.gif", "booko.gif", 2, "",
                                      "https://outside.example.org/", 1, 1, 0, 1, "", 1, "");
    ASSERT_NE(inside, nullptr);
    const std::string tree = read("tolvane/MenuTreeV2.dat");
    auto dialog = std::make_unique<CChangeMenuItem>(nullptr, inside, m_project.get(), &m_icons);
    dialog->OnInitDialog();
    ModalScript script; // no kind dialog opens
    changeKind(*dialog, "Dual");
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Non dual item could not be changed to dual as parent item is non dual"});
    EXPECT_EQ(inside->getKind(), kExternal);
    EXPECT_EQ(dialog->m_kindChanged, 0);
    EXPECT_TRUE(enabled(*dialog, D::IDC_CHANGE_KIND));
    EXPECT_EQ(read("tolvane/MenuTreeV2.dat"), tree);
    EXPECT_FALSE(exists("site/Outside"));
}

TEST_F(ChangeMenuItemTest, ShortcutsAndExternalItemsTradeKinds) {
    auto external = open("N10");
    changeKind(*external, "Shortcut");
    EXPECT_EQ(item("N10")->getKind(), kShortcut);
    EXPECT_EQ(text(*external, D::IDC_NEW_NAME), "");
    EXPECT_EQ(text(*external, D::IDC_URL), "");
    EXPECT_EQ(text(*external, D::IDC_ACTUAL_KIND), "Shortcut");

    auto shortcut = open("N8");
    changeKind(*shortcut, "External");
    EXPECT_EQ(item("N8")->getKind(), kExternal);
    EXPECT_EQ(text(*shortcut, D::IDC_NEW_NAME), "");
    EXPECT_TRUE(enabled(*shortcut, D::IDC_URL));
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(ChangeMenuItemTest, ThePageHeaderImageCanBeRemoved) {
    item("N3")->setPageHeaderImage("analyst.gif");
    auto dialog = open("N3");
    EXPECT_EQ(text(*dialog, D::IDC_PAGE_HEADER), "analyst.gif");
    dialog->OnRemovePageHeader();
    dialog->OnOK();
    EXPECT_EQ(dialog->m_pageHeaderImage, "");
}

} // namespace
