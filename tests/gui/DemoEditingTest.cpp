// A user's session on a copy of the demo, through the main window: an
// activity added, its identification and description edited in its sheet,
// renamed, moved by drag and drop, removed. After each step the tree file,
// the item's files and folders are checked on disk, and a second copy of
// the program opening the project sees the change.

#include "AppProfile.h"
#include "CAddMenuItem.h"
#include "CChangeMenuItem.h"
#include "CIdentificationDialogView.h"
#include "CMoveMenuItem.h"
#include "CRemoveMenuItem.h"
#include "DemoSession.h"
#include "DescDialogView.h"
#include "DialogLook.h"
#include "Item.h"
#include "ItemDialogsProject.h"
#include "ItemPropertySheet.h"
#include "MenuCreatorDlg.h"
#include "ModalScript.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "SheetEditing.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <wx/choice.h>

namespace {

class DemoEditingTest : public DemoSession {
protected:
    wxTreeItemId nodeNamed(const char* name) const {
        Item* item = project()->findItemByName(name);
        EXPECT_NE(item, nullptr) << name;
        return item ? wxTreeItemId(item->getTreeHandle()) : wxTreeItemId();
    }
    // The tree file's line of the item of that name; empty when none.
    std::string treeLine(const std::string& name) const {
        std::istringstream lines(m_dir.read("Demo/tolvane/MenuTreeV2.dat"));
        for (std::string line; std::getline(lines, line);)
            if (line.find("*" + name + "*") != std::string::npos)
                return line.substr(0, line.size() - (line.back() == '\r' ? 1 : 0));
        return "";
    }
    // What a second copy of the program sees of the item of that name:
    // "name|uid|url|class|version|state|author|description"; empty when none.
    std::string secondCopySees(const std::string& name) const {
        const ProgramResult seen = runProgram({TOLVANE_READ_PROJECT, settings()});
        EXPECT_EQ(seen.exitCode, 0) << seen.errors;
        std::istringstream lines(seen.output);
        for (std::string line; std::getline(lines, line);) {
            const size_t start = line.find_first_not_of(' ');
            if (line.compare(start, name.size() + 1, name + "|") == 0)
                return line;
        }
        return "";
    }
    bool exists(const std::string& path) const { return m_dir.exists("Demo/" + path); }
};

TEST_F(DemoEditingTest, AnActivityAddedEditedRenamedMovedAndRemoved) {
    // Added as the last child of the workflow.
    {
        ModalScript script;
        script.then<CAddMenuItem>([](CAddMenuItem& dialog) {
            dialog.setText(CAddMenuItem::IDC_NAME, "Write the guide");
            dialog.OnOK();
            return answerOf(dialog);
        });
        Item* added = m_main->addItem(nodeNamed("Development workflow"), 2, 4, "");
        ASSERT_NE(added, nullptr);
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const std::string uid = project()->findItemByName("Write the guide")->getUid().str();
    EXPECT_EQ(treeLine("Write the guide").substr(0, 2 + uid.size() + 1), "1*" + uid + "*");
    EXPECT_NE(treeLine("Write the guide").find("*../site/Development_workflow/Write_the_guide/overview.htm*"),
              std::string::npos);
    EXPECT_EQ(dataKey("Development_workflow/Write_the_guide", "Class"), "ACTIVITY");
    EXPECT_TRUE(exists("site/Development_workflow/Write_the_guide/overview.htm"));
    EXPECT_EQ(secondCopySees("Write the guide"),
              " Write the guide|" + uid +
                  "|../site/Development_workflow/Write_the_guide/overview.htm|ACTIVITY||DRAFT||");

    // Its identification and description edited in its sheet.
    {
        ModalScript script;
        script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
            EXPECT_EQ(sheet.GetTitle(), "Edit activity: Write the guide");
            auto* description = sheet.findView<DescDialogView>();
            EXPECT_TRUE(sheet.activate(description));
            description->setText(DescDialogView::IDC_DESCRIPTION, "Explains the product\r\nto its users.");
            auto* identification = sheet.findView<CIdentificationDialogView>();
            EXPECT_TRUE(sheet.activate(identification));
            identification->setText(CIdentificationDialogView::IDC_VERSION, "1");
            identification->setText(CIdentificationDialogView::IDC_STATE, "FOR_APPROVAL");
            identification->setText(CIdentificationDialogView::IDC_AUTHOR, "Ann");
            static_cast<wxChoice*>(identification->FindWindow(CIdentificationDialogView::approvalId(1)))
                ->SetSelection(2);
            identification->OnSelchangeApproval(1);
            sheet.OnOK();
            return sheet.GetReturnCode();
        });
        m_main->getTree()->SelectItem(nodeNamed("Write the guide"));
        m_main->OnEditAttributes();
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const std::string folder = "Development_workflow/Write_the_guide";
    EXPECT_EQ(m_dir.read("Demo/site/" + folder + "/ActivityDescription.txt"),
              "Explains the product\r\nto its users.");
    EXPECT_EQ(dataKey(folder, "Version"), "1");
    EXPECT_EQ(dataKey(folder, "State"), "FOR_APPROVAL");
    EXPECT_EQ(dataKey(folder, "Editor"), "Ann");
    EXPECT_EQ(dataKey(folder, "Appro1"), "To approve");
    EXPECT_EQ(dataKey(folder, "Appro1Date"), wxDateTime::Today().Format("%d/%m/%Y").utf8_string());
    EXPECT_EQ(secondCopySees("Write the guide"),
              " Write the guide|" + uid +
                  "|../site/Development_workflow/Write_the_guide/overview.htm|ACTIVITY|1|FOR_APPROVAL|Ann|"
                  "Explains the product\\nto its users.");

    // Renamed: its folder follows.
    {
        ModalScript script;
        script.then<CChangeMenuItem>([](CChangeMenuItem& dialog) {
            dialog.setText(CChangeMenuItem::IDC_NEW_NAME, "Write the user guide");
            dialog.OnOK();
            return answerOf(dialog);
        });
        m_main->OnModifyItem();
    }
    // The page keeps its title, which the user changes in the page editor.
    EXPECT_EQ(messages(), std::vector<std::string>{"Html page title should be update manually"});
    EXPECT_EQ(treeLine("Write the guide"), "");
    EXPECT_NE(treeLine("Write the user guide")
                  .find("*../site/Development_workflow/Write_the_user_guide/overview.htm*"),
              std::string::npos);
    EXPECT_FALSE(exists("site/Development_workflow/Write_the_guide"));
    EXPECT_EQ(dataKey("Development_workflow/Write_the_user_guide", "Editor"), "Ann");
    EXPECT_EQ(secondCopySees("Write the guide"), "");
    EXPECT_NE(secondCopySees("Write the user guide").find("|ACTIVITY|1|FOR_APPROVAL|Ann|Explains"),
              std::string::npos);

    // Dragged onto "Develop" and dropped as its child.
    {
        m_main->Show();
        m_main->OnExpandAll();
        CMainTreeCtrl* tree = m_main->getTree();
        tree->EnsureVisible(nodeNamed("Write the user guide"));
        tree->Update();
        auto middle = [tree](const wxTreeItemId& node) {
            wxRect rect;
            EXPECT_TRUE(tree->GetBoundingRect(node, rect, true));
            return rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2);
        };
        ModalScript script;
        script.then<CMoveMenuItem>([](CMoveMenuItem& dialog) {
            EXPECT_EQ(dialog.getText(CMoveMenuItem::IDC_MOVED), "Write the user guide");
            EXPECT_EQ(dialog.getText(CMoveMenuItem::IDC_REFERENCE), "Develop");
            dialog.setChecked(CMoveMenuItem::IDC_CHILD, true);
            dialog.OnOK();
            return answerOf(dialog);
        });
        ASSERT_TRUE(
            tree->OnBeginDrag(nodeNamed("Write the user guide"), middle(nodeNamed("Write the user guide"))));
        tree->OnDragMove(middle(nodeNamed("Develop")));
        tree->OnDrop();
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
    const std::string moved = "Development_workflow/Develop/Write_the_user_guide";
    EXPECT_EQ(treeLine("Write the user guide").substr(0, 2), "2*");
    EXPECT_NE(treeLine("Write the user guide").find("*../site/" + moved + "/overview.htm*"),
              std::string::npos);
    EXPECT_FALSE(exists("site/Development_workflow/Write_the_user_guide"));
    EXPECT_EQ(m_dir.read("Demo/site/" + moved + "/ActivityDescription.txt"),
              "Explains the product\r\nto its users.");
    EXPECT_NE(secondCopySees("Write the user guide").find("|../site/" + moved + "/overview.htm|ACTIVITY|1|"),
              std::string::npos);
    EXPECT_EQ(secondCopySees("Write the user guide").find("  Write the user guide|"), 0u) << "at level 2";

    // Removed: its folder goes aside into "tmp".
    {
        ModalScript script;
        script.then<CRemoveMenuItem>([](CRemoveMenuItem& dialog) {
            dialog.OnOK();
            return answerOf(dialog);
        });
        m_main->getTree()->SelectItem(nodeNamed("Write the user guide"));
        m_main->OnRemoveItem();
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(treeLine("Write the user guide"), "");
    EXPECT_FALSE(exists("site/" + moved));
    bool keptAside = false;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir / "Demo/tmp"))
        keptAside |= entry.path().filename().string().rfind("Write_the_user_guide_", 0) == 0;
    EXPECT_TRUE(keptAside);
    EXPECT_EQ(secondCopySees("Write the user guide"), "");
    EXPECT_NE(secondCopySees("Develop"), "");
}

// The main window with the demo's tree and two sheets, as pictures for a
// person to look at; their controls are whole and apart.
TEST_F(DemoEditingTest, MainWindowAndSheetsAsTheUserSeesThem) {
    m_main->SetSize(1280, 800);
    m_main->Show();
    for (const char* name : {"Development workflow", "Roles", "Software engineering", "Requirements"})
        m_main->getTree()->Expand(nodeNamed(name));
    m_main->getTree()->SelectItem(nodeNamed("Review the requirements"));
    checkDialogLook(*m_main, "MainWindow", m_dir.path());

    ModalScript script;
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* identification = sheet.findView<CIdentificationDialogView>();
        sheet.activate(identification);
        static_cast<wxChoice*>(identification->FindWindow(CIdentificationDialogView::approvalId(2)))
            ->SetSelection(3);
        identification->OnSelchangeApproval(2);
        checkDialogLook(sheet, "ActivitySheetIdentification", m_dir.path());
        sheet.activate(sheet.findView<DescDialogView>());
        checkDialogLook(sheet, "ActivitySheetDescription", m_dir.path());
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        checkDialogLook(sheet, "MeasureSheet", m_dir.path());
        sheet.setActivePage(1);
        checkDialogLook(sheet, "MeasureSheetDescriptionL2", m_dir.path());
        sheet.OnCancel();
        return sheet.GetReturnCode();
    });
    m_main->editItemAttributes(nodeNamed("Review the requirements"));
    m_main->editItemAttributes(nodeNamed("Defects found"));
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

} // namespace
