// The small dialogs of a removal, a move and a class change: what they
// show, what they answer, and the class change on disk.

#include "CChangeItemClassDlgMgt.h"
#include "CMoveMenuItem.h"
#include "CRemoveMenuItem.h"
#include "ItemClasses.h"
#include "ItemDialogsProject.h"

#include <wx/combobox.h>

namespace {

class RemoveMoveClassDialogsTest : public ItemDialogsProject {};

TEST_F(RemoveMoveClassDialogsTest, ADualItemIsRemovedWithItsFolderAndNoOtherIs) {
    for (int dual : {1, 0}) {
        CRemoveMenuItem dialog(nullptr, "Team A_B", dual);
        dialog.OnInitDialog();
        EXPECT_EQ(dialog.getText(CRemoveMenuItem::IDC_NAME), "Team A_B");
        EXPECT_FALSE(dialog.FindWindow(CRemoveMenuItem::IDC_REMOVE_FILES)->IsShown());
        EXPECT_EQ(dialog.FindWindow(CRemoveMenuItem::IDC_REMOVE_FILES)->IsThisEnabled(), false);
        dialog.OnOK();
        EXPECT_TRUE(dialog.hasEnded());
        EXPECT_EQ(dialog.m_removeFiles, dual);
    }
}

TEST_F(RemoveMoveClassDialogsTest, TheMoveOpensBelowAndAnswersThePositionChosen) {
    const struct {
        int radio;
        int position;
    } cases[] = {
        {0, 0}, {CMoveMenuItem::IDC_UP, 1}, {CMoveMenuItem::IDC_BELOW, 0}, {CMoveMenuItem::IDC_CHILD, 2}};
    for (const auto& c : cases) {
        CMoveMenuItem dialog(1, nullptr);
        dialog.m_moveName = "Analyst";
        dialog.m_referenceName = "Process";
        dialog.OnInitDialog();
        EXPECT_TRUE(dialog.isChecked(CMoveMenuItem::IDC_BELOW));
        EXPECT_EQ(dialog.getText(CMoveMenuItem::IDC_MOVED), "Analyst");
        EXPECT_EQ(dialog.getText(CMoveMenuItem::IDC_REFERENCE), "Process");
        if (c.radio)
            dialog.setChecked(c.radio, true);
        dialog.OnOK();
        EXPECT_TRUE(dialog.hasEnded());
        EXPECT_EQ(dialog.m_position, c.position) << c.radio;
    }
}

TEST_F(RemoveMoveClassDialogsTest, TheClassChangeRefusesASeparatorAndChangesTheDataFile) {
    CChangeItemClassDlgMgt dialog(m_project.get(), item("N6"), nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.getText(CChangeItemClassDlgMgt::IDC_NAME), "Design");
    EXPECT_FALSE(dialog.FindWindow(CChangeItemClassDlgMgt::IDC_NAME)->IsThisEnabled());
    EXPECT_EQ(dialog.getText(CChangeItemClassDlgMgt::IDC_CLASS), "ACTIVITY");
    auto* classes = static_cast<wxComboBox*>(dialog.FindWindow(CChangeItemClassDlgMgt::IDC_CLASS));
    ASSERT_EQ(classes->GetCount(), 23u);
    EXPECT_EQ(classes->GetString(0), "ACTIVITY");
    EXPECT_EQ(classes->GetString(17), "--- View ---");

    classes->SetSelection(17);
    dialog.OnOK();
    EXPECT_FALSE(dialog.hasEnded());
    EXPECT_EQ(messages(), std::vector<std::string>{"Please select a class, not a class group separator."});
    classes->SetSelection(3);
    dialog.OnOK();
    ASSERT_TRUE(dialog.hasEnded());
    EXPECT_EQ(dialog.m_classText, "MACRO-ACTIVITY");

    // What the caller does with it.
    m_project->changeItemClass(item("N6"), dialog.m_classText);
    EXPECT_EQ(messages(), std::vector<std::string>{});
    EXPECT_EQ(dataKey("Process/Design", "Class"), "MACROACTIVITY");
    EXPECT_EQ(classKindOf(item("N6")), kMacroActivityClass);
    EXPECT_NE(read("site/ZevoRiruradiruzuz.log")
                  .find("Changing item Design from class ACTIVITY to class MACRO-ACTIVITY"),
              std::string::npos);
}

TEST_F(RemoveMoveClassDialogsTest, ATypedClassIsPassedOnAsTyped) {
    CChangeItemClassDlgMgt dialog(m_project.get(), item("N3"), nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.getText(CChangeItemClassDlgMgt::IDC_CLASS), "ROLE");
    dialog.setText(CChangeItemClassDlgMgt::IDC_CLASS, "role group");
    dialog.OnOK();
    EXPECT_TRUE(dialog.hasEnded());
    EXPECT_EQ(dialog.m_classText, "role group");
}

} // namespace
