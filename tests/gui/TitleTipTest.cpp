// A title tip over a cut grid cell of a running property sheet: the sheet
// still takes every key and click, and a click on the tip reaches the cell
// beneath it.

#include "CGridCtrl.h"
#include "CTitleTip.h"
#include "CWorkProductPPage1View.h"
#include "ItemPropertySheet.h"
#include "PrivateProfile.h"
#include "ShownMainWindow.h"

using namespace realevents;

namespace {

// The second author of "Test plan" is sent the plan for information: a
// responsibility cut short in its column.
constexpr int kCutRow = 2;
constexpr int kResponsibilityColumn = 1;

class TitleTipTest : public ShownMainWindow {
protected:
    void prepareDemo() override {
        WritePrivateProfileStringA(
            "PROCESSUS", "Author", "~n17653000004/author,~n17653000002/sent for information",
            (m_dir / "Demo/site/Software_engineering/Testing/Testing_work_products/Test_plan/process.data")
                .c_str());
    }
    static ItemPropertySheet* sheetUp() { return dynamic_cast<ItemPropertySheet*>(topModalDialogUp()); }
    static CGridCtrl* authors() {
        ItemPropertySheet* sheet = sheetUp();
        auto* page = sheet ? sheet->findView<CWorkProductPPage1View>() : nullptr;
        auto* grid =
            page ? dynamic_cast<CGridCtrl*>(page->FindWindow(CWorkProductPPage1View::IDC_AUTHORS)) : nullptr;
        return grid && grid->IsShownOnScreen() ? grid : nullptr;
    }
    static wxPoint cutCell() {
        GridRect cell;
        authors()->GetCellRect(kCutRow, kResponsibilityColumn, &cell);
        return authors()->ClientToScreen(wxPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
    }
    static bool tipShown() { return authors() && authors()->GetTitleTip()->IsShown(); }
    // The sheet of "Test plan" with the pointer resting on the cut cell and
    // its tip shown; then the steps given, while the sheet runs.
    void runSheetWithTip(EventScript& script, const char* picture = nullptr) {
        EventScript start;
        m_script = &script;
        start
            .step(
                "the sheet with its authors", [] { return authors() != nullptr; }, [] { moveTo(cutCell()); })
            .step("the title tip", tipShown, [this, picture] {
                if (picture)
                    saveScreen(picture, m_dir.path());
                m_script->start();
            });
        start.start();
        m_main->editItemAttributes(wxTreeItemId(item("Test plan")->getTreeHandle()));
        EXPECT_TRUE(start.waitForEnd()) << "stopped at: " << start.failure();
        EXPECT_TRUE(script.waitForEnd()) << "stopped at: " << script.failure();
        EXPECT_EQ(topModalDialog(), nullptr) << "the sheet is still open";
    }

    EventScript* m_script = nullptr;
};

TEST_F(TitleTipTest, EscapeEndsTheSheetUnderATitleTip) {
    EventScript script;
    script
        .step(
            "the key pressed", [] { return true; }, [] { press(WXK_ESCAPE); })
        .step(
            "the sheet cancelled", [] { return !topModalDialog(); }, [] {});
    runSheetWithTip(script, "sheet-with-a-title-tip");
}

TEST_F(TitleTipTest, CancelTakesTheClickUnderATitleTip) {
    EventScript script;
    script
        .step(
            "the click on Cancel", [] { return true; },
            [] { click(centreOf(*sheetUp()->FindWindow(wxID_CANCEL))); })
        .step(
            "the sheet cancelled", [] { return !topModalDialog(); }, [] {});
    runSheetWithTip(script);
}

TEST_F(TitleTipTest, AClickOnTheTipReachesTheCellBeneath) {
    EventScript script;
    script
        .step(
            "the click on the tip", [] { return true; }, [] { click(cutCell()); })
        .step(
            "the cell's row selected",
            [] { return authors() && authors()->GetFocusCell().row == kCutRow && !tipShown(); },
            [] { click(centreOf(*sheetUp()->FindWindow(wxID_CANCEL))); })
        .step(
            "the sheet cancelled", [] { return !topModalDialog(); }, [] {});
    runSheetWithTip(script);
}

} // namespace
