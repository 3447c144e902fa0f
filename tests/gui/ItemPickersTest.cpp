// The pickers: the process item picker with its class filters and its own
// copy of the project's icons, the icon picker, and the language choice.

#include "CSelectIcon.h"
#include "CSelectProcessItemDlgMgt.h"
#include "ImageIndex.h"
#include "ItemDialogsProject.h"
#include "LanguageSelection.h"

#include <functional>
#include <wx/imaglist.h>
#include <wx/listctrl.h>
#include <wx/treectrl.h>

namespace {

class ItemPickersTest : public ItemDialogsProject {
protected:
    std::unique_ptr<CSelectProcessItemDlgMgt> openPicker(int filter) {
        auto dialog = std::make_unique<CSelectProcessItemDlgMgt>(m_project.get(), filter, nullptr);
        dialog->OnInitDialog();
        return dialog;
    }
    // The node of the item with this uid.
    static wxTreeItemId nodeOf(wxTreeCtrl* tree, const CString& uid) {
        std::function<wxTreeItemId(const wxTreeItemId&)> search = [&](const wxTreeItemId& parent) {
            wxTreeItemIdValue cookie;
            for (wxTreeItemId node = tree->GetFirstChild(parent, cookie); node.IsOk();
                 node = tree->GetNextChild(parent, cookie)) {
                if (static_cast<ItemNodeData*>(tree->GetItemData(node))->getItem()->getUid() == uid)
                    return node;
                if (const wxTreeItemId found = search(node); found.IsOk())
                    return found;
            }
            return wxTreeItemId();
        };
        return search(tree->GetRootItem());
    }
};

TEST_F(ItemPickersTest, ThePickerShowsTheWholeTreeWithTheProjectsIcons) {
    auto picker = openPicker(0);
    wxTreeCtrl* tree = picker->getTree();
    EXPECT_EQ(static_cast<int>(tree->GetCount()), m_project->getItemCount());
    // No item's node is selected (the tree may hold its hidden root as selected).
    EXPECT_TRUE(!tree->GetSelection().IsOk() || tree->GetSelection() == tree->GetRootItem());
    const wxTreeItemId analyst = nodeOf(tree, "N3");
    ASSERT_TRUE(analyst.IsOk());
    EXPECT_EQ(tree->GetItemText(analyst), "Analyst");
    EXPECT_EQ(tree->GetItemParent(analyst), nodeOf(tree, "N2"));
    // Its own pictures of the icon folder, filled as the main window fills its tree.
    EXPECT_NE(picker->getIcons().getImageList(), m_icons.getImageList());
    EXPECT_EQ(tree->GetImageList(), picker->getIcons().getImageList());
    EXPECT_EQ(tree->GetItemImage(analyst), picker->getIcons().find("worker.gif")->getImageIndex());
    EXPECT_EQ(tree->GetItemImage(nodeOf(tree, "N1"), wxTreeItemIcon_Selected),
              picker->getIcons().find("homeo.gif")->getImageIndex());
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(ItemPickersTest, EachFilterAcceptsItsClasses) {
    const struct {
        int filter;
        const char* chosen;
        const char* accepted; // null: the dialog stays open
        const char* message;
    } cases[] = {
        {0, "N10", "N10", nullptr}, // an external item
        {0, "N8", "N3", nullptr},   // a shortcut stands for its target
        {2, "N8", "N3", nullptr},
        {2, "N6", nullptr, nullptr},
        {4, "N5", "N5", nullptr},
        {4, "N6", "N6", nullptr},
        {4, "N3", nullptr, "Please select an activity, macro-activity, phase or workflow"},
        {7, "N12", "N12", nullptr},
        {7, "N11", nullptr, nullptr},
        {3, "N3", nullptr, nullptr}, // a filter of no family accepts nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.filter) + " " + c.chosen);
        auto picker = openPicker(c.filter);
        picker->getTree()->SelectItem(nodeOf(picker->getTree(), c.chosen));
        picker->OnOK();
        EXPECT_EQ(picker->hasEnded(), c.accepted != nullptr);
        EXPECT_EQ(picker->m_selectedItem, c.accepted ? item(c.accepted) : nullptr);
        EXPECT_EQ(messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
    auto picker = openPicker(0);
    picker->OnOK();
    EXPECT_FALSE(picker->hasEnded()) << "no item chosen";
    picker->OnCancel();
    EXPECT_TRUE(picker->hasEnded());
    EXPECT_EQ(picker->m_selectedItem, nullptr);
}

TEST_F(ItemPickersTest, WithoutTheDefaultIconThePickerShowsNoTree) {
    std::filesystem::remove(m_dir / "proj/applet/IconImages/bookc.gif");
    auto picker = openPicker(0);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Default icon 'bookc.gif' not found! Treeview will be hidden."});
    EXPECT_TRUE(picker->getTree()->IsEmpty());
    picker->OnOK();
    EXPECT_FALSE(picker->hasEnded());
}

TEST_F(ItemPickersTest, TheIconPickerListsTheIconsAndNeedsAChoice) {
    CSelectIcon picker(m_icons.getImageList(), m_icons.getIconList(), nullptr);
    picker.OnInitDialog();
    wxListCtrl* list = picker.getList();
    ASSERT_EQ(list->GetItemCount(), m_icons.getIconList()->count());
    EXPECT_EQ(list->GetImageList(wxIMAGE_LIST_SMALL), m_icons.getImageList());
    for (int i = 0; i < list->GetItemCount(); ++i) {
        const ImageIndex* icon = m_icons.getIconList()->at(i + 1);
        EXPECT_EQ(list->GetItemText(i), icon->getFileName().str());
        wxListItem entry;
        entry.SetId(i);
        entry.SetMask(wxLIST_MASK_IMAGE);
        list->GetItem(entry);
        EXPECT_EQ(entry.GetImage(), icon->getImageIndex());
    }
    EXPECT_EQ(list->GetSelectedItemCount(), 0);
    picker.OnOK();
    EXPECT_FALSE(picker.hasEnded());
    EXPECT_EQ(messages(), std::vector<std::string>{"Please select an item"});
    const long workers = list->FindItem(-1, "workers.gif");
    list->SetItemState(workers, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    picker.OnOK();
    EXPECT_TRUE(picker.hasEnded());
    EXPECT_EQ(picker.getIconName(), "workers.gif");
}

TEST_F(ItemPickersTest, TheLanguageChoiceAnswersTheFirstLanguageUnlessTheSecondIsConfirmed) {
    const struct {
        bool second;
        bool confirmed;
        int language;
    } cases[] = {{false, true, 0}, {true, true, 1}, {true, false, 0}};
    for (const auto& c : cases) {
        LanguageSelection choice(nullptr);
        choice.OnInitDialog();
        EXPECT_TRUE(choice.isChecked(LanguageSelection::IDC_LANGUAGE_1));
        EXPECT_EQ(choice.FindWindow(wxID_CANCEL), nullptr) << "no Cancel button";
        if (c.second)
            choice.setChecked(LanguageSelection::IDC_LANGUAGE_2, true);
        // Escape closes the dialog like a Cancel button would.
        if (c.confirmed)
            choice.OnOK();
        else
            choice.OnCancel();
        EXPECT_TRUE(choice.hasEnded());
        EXPECT_EQ(choice.m_language, c.language) << c.second << c.confirmed;
    }
}

} // namespace
