// The create-or-select dialog of the activity boxes, driven with real
// pointer events: select an item, ask for a new one, a shortcut stands for
// its target, and a role is refused with its message.

#include "CActivityBox.h"
#include "CSelectOrCreateProcessItemDlgMgt.h"
#include "DialogLook.h"
#include "GuiWorkflowDialogs.h"
#include "ItemDialogsProject.h"
#include "RealEvents.h"

#include <functional>
#include <wx/radiobut.h>
#include <wx/treectrl.h>

using namespace realevents;

namespace {

class SelectOrCreateItemTest : public ItemDialogsProject {
protected:
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
    // Clicks the node's text on the display.
    static void clickNode(wxTreeCtrl* tree, const wxTreeItemId& node) {
        tree->EnsureVisible(node);
        handlePending();
        wxRect rect;
        ASSERT_TRUE(tree->GetBoundingRect(node, rect, true));
        click(tree->ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2)));
    }
    static CSelectOrCreateProcessItemDlgMgt* shownDialog() {
        return dynamic_cast<CSelectOrCreateProcessItemDlgMgt*>(topModalDialogUp());
    }
    // The uid of the project's items: the fixture's first activity and its shortcut to a role.
    static std::string uidOf(ProcessManager& project, const char* name) {
        for (int i = 1; i <= project.getItemList()->count(); ++i)
            if (project.getItemList()->at(i)->getName() == name)
                return project.getItemList()->at(i)->getUid().str();
        return "";
    }
};

TEST_F(SelectOrCreateItemTest, SelectsAnItemWithThePointer) {
    GuiWorkflowDialogs dialogs;
    const std::string design = uidOf(*m_project, "Design");
    EventScript script;
    script
        .step(
            "the dialog", [] { return shownDialog() != nullptr; },
            [&] {
                auto* dialog = shownDialog();
                EXPECT_EQ(dialog->GetTitle(), "Create or select Process Item");
                EXPECT_TRUE(dialog->isChecked(CSelectOrCreateProcessItemDlgMgt::IDC_SELECT));
                EXPECT_EQ(static_cast<int>(dialog->getTree()->GetCount()), m_project->getItemCount());
                clickNode(dialog->getTree(), nodeOf(dialog->getTree(), design.c_str()));
            })
        .step(
            "Design selected",
            [&] {
                auto* tree = shownDialog()->getTree();
                return tree->GetSelection() == nodeOf(tree, design.c_str());
            },
            [&] { click(centreOf(*shownDialog()->FindWindow(wxID_OK))); });
    script.start();
    const ItemChoice choice = dialogs.selectOrCreateItem(m_project.get(), 4);
    ASSERT_TRUE(script.waitForEnd()) << script.failure();
    EXPECT_EQ(choice.result, IDOK);
    EXPECT_EQ(choice.create, 0);
    ASSERT_TRUE(choice.selected);
    EXPECT_EQ(choice.selected->getName(), "Design");
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(SelectOrCreateItemTest, Looks) {
    CSelectOrCreateProcessItemDlgMgt dialog(m_project.get(), 4, nullptr);
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.getTree()->ExpandAll();
    checkDialogLook(dialog, "select-or-create-item", m_dir.path());
}

TEST_F(SelectOrCreateItemTest, CreateEndsWithTheFlagWhateverIsSelected) {
    GuiWorkflowDialogs dialogs;
    EventScript script;
    script
        .step(
            "the dialog", [] { return shownDialog() != nullptr; },
            [&] {
                auto* dialog = shownDialog();
                clickNode(dialog->getTree(), nodeOf(dialog->getTree(), uidOf(*m_project, "Analyst").c_str()));
                click(centreOf(*dialog->FindWindow(CSelectOrCreateProcessItemDlgMgt::IDC_CREATE)));
            })
        .step(
            "the tree disabled", [] { return !shownDialog()->getTree()->IsEnabled(); },
            [&] { click(centreOf(*shownDialog()->FindWindow(wxID_OK))); });
    script.start();
    const ItemChoice choice = dialogs.selectOrCreateItem(m_project.get(), 4);
    ASSERT_TRUE(script.waitForEnd()) << script.failure();
    EXPECT_EQ(choice.result, IDOK);
    EXPECT_EQ(choice.create, 1);
    EXPECT_EQ(choice.selected, nullptr);
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(SelectOrCreateItemTest, AShortcutStandsForItsTargetAndARoleIsRefused) {
    GuiWorkflowDialogs dialogs;
    WorkflowDialogs::install(&dialogs);
    // The shortcut "-> Analyst" leads to a role: refused with the message, the
    // dialog stays; the workflow Process is then accepted.
    const std::string shortcut = uidOf(*m_project, "-> Analyst");
    const std::string process = uidOf(*m_project, "Process");
    EventScript script;
    script
        .step(
            "the dialog", [] { return shownDialog() != nullptr; },
            [&] { clickNode(shownDialog()->getTree(), nodeOf(shownDialog()->getTree(), shortcut.c_str())); })
        .step(
            "the shortcut selected",
            [&] {
                auto* tree = shownDialog()->getTree();
                return tree->GetSelection() == nodeOf(tree, shortcut.c_str());
            },
            [&] { click(centreOf(*shownDialog()->FindWindow(wxID_OK))); })
        .step(
            "the refusal told", [&] { return !m_ui.messages.empty(); },
            [&] {
                EXPECT_EQ(messages(), std::vector<std::string>{
                                          "Please select an activity, macro-activity, phase or workflow"});
                ASSERT_TRUE(shownDialog()) << "the dialog stays open";
                clickNode(shownDialog()->getTree(), nodeOf(shownDialog()->getTree(), process.c_str()));
            })
        .step(
            "Process selected",
            [&] {
                auto* tree = shownDialog()->getTree();
                return tree->GetSelection() == nodeOf(tree, process.c_str());
            },
            [&] { click(centreOf(*shownDialog()->FindWindow(wxID_OK))); });
    script.start();
    // Through the activity box, as the editor's command reaches it.
    CActivityBox box(m_project.get(), item(process.c_str()));
    Item* bound = box.selectOrCreateItem(nullptr);
    ASSERT_TRUE(script.waitForEnd()) << script.failure();
    WorkflowDialogs::install(nullptr);
    ASSERT_TRUE(bound);
    EXPECT_EQ(bound->getName(), "Process");
    EXPECT_EQ(box.getTitle(), "Process");
}

} // namespace
