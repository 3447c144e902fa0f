// The activity and work product sheets on a project where two roles and two
// work products share a name, and a role and a work product have a "/" in
// theirs. Each row of the reference grids keeps the item it was read with
// or chosen as: OK, pressed on the window with the mouse or with nothing
// changed, writes the references the data file held; a row the user adds
// takes the very item chosen in the list.

#include "ActivityRolesWPsDialogView.h"
#include "ActivityWorkProductLinkDlgMgt.h"
#include "CWorkProductPPage1View.h"
#include "ItemPropertySheet.h"
#include "ModalScript.h"
#include "SheetsProject.h"

#include <functional>
#include <wx/listbox.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

namespace {

const char kReview[] = "Process/Review";
const char kArchivedReport[] = "Archive/Report";

class SameNamedItemsSheetTest : public SheetsProject {
protected:
    const char* fixture() const override { return "same-names"; }
    // Selects, in a list of candidates, the entry that stands for the item.
    static void choose(wxWindow* page, int listId, Item* item) {
        auto* list = static_cast<wxListBox*>(page->FindWindow(listId));
        for (unsigned i = 0; i < list->GetCount(); ++i)
            if (list->GetClientData(i) == item) {
                list->SetSelection(static_cast<int>(i));
                return;
            }
        ADD_FAILURE() << "no entry for " << item->getName().str() << " (" << item->getUid().str() << ")";
    }
    static void chooseText(wxWindow* page, int listId, const char* text) {
        static_cast<wxListBox*>(page->FindWindow(listId))->SetStringSelection(text);
    }
};

// Runs the sheet as the program does, and once it is on the screen clicks
// its OK button through the display, as the user's mouse does.
int clickOkOnScreen(ItemPropertySheet& sheet) {
    wxWindow* okButton = sheet.FindWindow(wxID_OK);
    wxTimer timer;
    int ticks = 0;
    bool clicked = false;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        ++ticks;
        if (!clicked && ticks >= 4 && okButton->IsShownOnScreen()) {
            wxUIActionSimulator user;
            user.MouseMove(okButton->GetScreenRect().GetPosition() + okButton->GetSize() / 2);
            user.MouseClick();
            clicked = true;
        } else if (ticks > 400) {
            ADD_FAILURE() << "the click never closed the sheet";
            sheet.EndModal(wxID_CANCEL);
        }
    });
    timer.Start(50);
    const int answer = sheet.ShowModal();
    timer.Stop();
    EXPECT_TRUE(clicked);
    return answer;
}

TEST_F(SameNamedItemsSheetTest, OkClickedOnTheSheetKeepsEveryRowsItem) {
    ModalScript script;
    script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
        EXPECT_NE(sheet.findView<ActivityRolesWPsDialogView>(), nullptr);
        return clickOkOnScreen(sheet);
    });
    script.then<ItemPropertySheet>([](ItemPropertySheet& sheet) {
        EXPECT_NE(sheet.findView<CWorkProductPPage1View>(), nullptr);
        return clickOkOnScreen(sheet);
    });
    m_main->editItemAttributes(node("N8"));
    m_main->editItemAttributes(node("N14"));
    EXPECT_EQ(script.opened,
              (std::vector<std::string>{"Edit activity: Review", "WorkProduct edition: Report"}));
    EXPECT_EQ(messages(), std::vector<std::string>{});
    // The second Analyst and "QA/QC manager" stay what they were; a plain
    // name still names the first role of that name.
    EXPECT_EQ(dataKey(kReview, "Roles"), "~N6/responsible,~N4/approver,~N3/informed");
    EXPECT_EQ(dataKey(kReview, "InWorkProducts"), "~N14/N15/1,~N12//2");
    EXPECT_EQ(dataKey(kReview, "OutWorkProducts"), "~N10//1");
    EXPECT_EQ(dataKey(kArchivedReport, "Author"), "~N6/author,~N4/reviewed by");
}

TEST_F(SameNamedItemsSheetTest, RowsAddedOrEditedTakeTheItemsChosen) {
    ModalScript script;
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<ActivityRolesWPsDialogView>();
        choose(page, ActivityRolesWPsDialogView::IDC_ROLES, item("N6"));
        chooseText(page, ActivityRolesWPsDialogView::IDC_RESPONSIBILITIES, "informed");
        page->OnAddRole();
        choose(page, ActivityRolesWPsDialogView::IDC_ROLES, item("N4"));
        static_cast<wxListBox*>(page->FindWindow(ActivityRolesWPsDialogView::IDC_RESPONSIBILITIES))
            ->SetSelection(wxNOT_FOUND);
        page->OnAddRole();
        choose(page, ActivityRolesWPsDialogView::IDC_OUT_WORK_PRODUCTS, item("N14"));
        page->OnAddOutWorkProduct(); // the link dialog: the second Report's Draft
        choose(page, ActivityRolesWPsDialogView::IDC_OUT_WORK_PRODUCTS, item("N12"));
        page->OnAddOutWorkProduct(); // the link dialog: as it opens
        page->inGrid().select(1);
        page->OnEditInWorkProduct(); // the link dialog: 5 of "Test/QA plan"
        page->inGrid().select(0);
        page->OnEditInWorkProduct(); // the link dialog: the second Report, no state
        EXPECT_EQ(messages(), std::vector<std::string>{});
        return ok(sheet);
    });
    auto takeState = [](const char* state, const char* number) {
        return [state, number](ActivityWorkProductLinkDlgMgt& link) {
            auto* states =
                static_cast<wxListBox*>(link.FindWindow(ActivityWorkProductLinkDlgMgt::IDC_STATES));
            EXPECT_EQ(states->GetCount(), 2u) << "its own Draft and no state";
            states->SetStringSelection(state);
            link.OnSelectState();
            link.setText(ActivityWorkProductLinkDlgMgt::IDC_NUMBER, number);
            link.OnOK();
            return answerOf(link);
        };
    };
    script.then<ActivityWorkProductLinkDlgMgt>(takeState("Draft", "1"));
    script.then<ActivityWorkProductLinkDlgMgt>([](ActivityWorkProductLinkDlgMgt& link) {
        EXPECT_EQ(link.getText(ActivityWorkProductLinkDlgMgt::IDC_WORK_PRODUCT), "Test/QA plan");
        link.OnOK();
        return answerOf(link);
    });
    script.then<ActivityWorkProductLinkDlgMgt>([](ActivityWorkProductLinkDlgMgt& link) {
        EXPECT_EQ(link.getText(ActivityWorkProductLinkDlgMgt::IDC_WORK_PRODUCT), "Test/QA plan");
        link.setText(ActivityWorkProductLinkDlgMgt::IDC_NUMBER, "5");
        link.OnOK();
        return answerOf(link);
    });
    script.then<ActivityWorkProductLinkDlgMgt>(takeState("", "1"));
    script.then<ItemPropertySheet>([this](ItemPropertySheet& sheet) {
        auto* page = sheet.findView<CWorkProductPPage1View>();
        choose(page, CWorkProductPPage1View::IDC_ROLES, item("N6"));
        chooseText(page, CWorkProductPPage1View::IDC_RESPONSIBILITIES, "reviewed by");
        page->OnAddAuthor();
        choose(page, CWorkProductPPage1View::IDC_ROLES, item("N4"));
        static_cast<wxListBox*>(page->FindWindow(CWorkProductPPage1View::IDC_RESPONSIBILITIES))
            ->SetSelection(wxNOT_FOUND);
        page->OnAddAuthor();
        return ok(sheet);
    });
    m_main->editItemAttributes(node("N8"));
    m_main->editItemAttributes(node("N14"));
    EXPECT_EQ(dataKey(kReview, "Roles"), "~N6/responsible,~N4/approver,~N3/informed,~N6/informed,~N4/");
    EXPECT_EQ(dataKey(kReview, "InWorkProducts"), "~N14//1,~N12//5");
    EXPECT_EQ(dataKey(kReview, "OutWorkProducts"), "~N10//1,~N14/N15/1,~N12//1");
    EXPECT_EQ(dataKey(kArchivedReport, "Author"), "~N6/author,~N4/reviewed by,~N6/reviewed by,~N4/author");
}

} // namespace
