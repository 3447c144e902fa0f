// Dialogs built at run time: their controls, ids, data exchange, the
// commands they pass to their parent, and a dialog of many rows.

#include "CDynDialogEx.h"
#include "DialogLook.h"
#include "ModalScript.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/slider.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

using namespace DynStyle;

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE;

class DynDialogTest : public testing::Test {
protected:
    void TearDown() override { m_owner->Destroy(); }
    wxFrame* m_owner = new wxFrame(nullptr, wxID_ANY, "owner");
    TempDir m_dir;
};

TEST_F(DynDialogTest, KindsAndClassNames) {
    EXPECT_EQ(CDynDialogItemEx::kindOfClassName("BUTTON"), 128);
    EXPECT_EQ(CDynDialogItemEx::kindOfClassName("edit"), 129);
    EXPECT_EQ(CDynDialogItemEx::kindOfClassName("RICHEDIT20A"), 142);
    EXPECT_EQ(CDynDialogItemEx::kindOfClassName("SysMonthCal32"), 144);
    EXPECT_EQ(CDynDialogItemEx::kindOfClassName("Shell.Explorer"), 0);
    EXPECT_EQ(CDynDialogItemEx::classNameOfKind(130), "STATIC");
    EXPECT_EQ(CDynDialogItemEx::classNameOfKind(146), "ComboBoxEx32");
    EXPECT_EQ(CDynDialogItemEx::classNameOfKind(147), "");
    EXPECT_EQ(CDynDialogItemEx::classNameOfKind(0), "");
}

TEST_F(DynDialogTest, AnEmptyDialogHasOnlyItsButtons) {
    CDynDialogEx dialog(m_owner);
    dialog.setTitle("Empty");
    dialog.createControls();
    ASSERT_EQ(dialog.getControls().size(), 2u);
    const CDynDialogItemEx& ok = *dialog.getControls()[0];
    const CDynDialogItemEx& cancel = *dialog.getControls()[1];
    EXPECT_EQ(ok.getCaption(), "OK");
    EXPECT_EQ(ok.getId(), 1u);
    EXPECT_EQ(ok.getRect(), (DynRect{10, 16, 60, 30}));
    EXPECT_EQ(cancel.getCaption(), "Cancel");
    EXPECT_EQ(cancel.getId(), 2u);
    EXPECT_EQ(cancel.getRect(), (DynRect{65, 16, 115, 30}));
    EXPECT_EQ(dialog.getDialogRect(), (DynRect{0, 0, 120, 35}));
    EXPECT_NE(dialog.FindWindow(wxID_OK), nullptr);
    EXPECT_NE(dialog.FindWindow(wxID_CANCEL), nullptr);
    EXPECT_EQ(dialog.GetTitle(), "Empty");
}

TEST_F(DynDialogTest, AutomaticIdsRunOnAcrossDialogs) {
    CDynDialogEx first(m_owner);
    const UINT a = first.addControl("STATIC", "a", kStaticStyle, 0);
    CDynDialogEx second(m_owner);
    const UINT b = second.addControl("STATIC", "b", kStaticStyle, 0);
    const UINT c = second.addControl("STATIC", "c", kStaticStyle, 0);
    EXPECT_GE(a, 1024u);
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(c, b + 1);
    // Rows without a rectangle go down by 12 dialog units each.
    EXPECT_EQ(second.getControls()[0]->getRect(), (DynRect{10, 10, 270, 22}));
    EXPECT_EQ(second.getControls()[1]->getRect(), (DynRect{10, 22, 270, 34}));
    EXPECT_EQ(second.addControlOfKind(CDynDialogItemEx::kEdit, "", kEditStyle, 0), c + 1);
    EXPECT_EQ(second.getControls()[2]->getRect(), (DynRect{10, 34, 120, 46}));
    // An explicit id is kept as given.
    EXPECT_EQ(second.addControl("EDIT", "", kEditStyle, 0, nullptr, DynData(), 1500), 1500u);
}

TEST_F(DynDialogTest, ExchangesValuesWithTheirVariables) {
    int checked = 1;
    int unchecked = 0;
    int radio = 1;
    int slider = 40;
    CString name = "Alpha";
    CString label = "Shown text";
    CString empty;
    wxWindow* list = nullptr;
    CDynDialogEx dialog(m_owner);
    const DynRect nameRect{130, 5, 350, 17};
    dialog.addControl("STATIC", "", kStaticStyle, 0, nullptr, &label, 1100);
    dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &nameRect, &name, 1101);
    dialog.addControl("EDIT", "", kEditStyle | ES_READONLY, 0, nullptr, &empty, 1102);
    dialog.addControl("BUTTON", "Check me", kEditStyle | BS_AUTOCHECKBOX, 0, nullptr, &checked, 1103);
    dialog.addControl("BUTTON", "Or me", kEditStyle | BS_AUTOCHECKBOX, 0, nullptr, &unchecked, 1104);
    dialog.addControl("BUTTON", "First", kEditStyle | BS_AUTORADIOBUTTON | WS_GROUP, 0, nullptr, &radio,
                      1105);
    dialog.addControl("BUTTON", "Second", kEditStyle | BS_AUTORADIOBUTTON, 0, nullptr, nullptr, 1106);
    dialog.addControl("BUTTON", "Third", kEditStyle | BS_AUTORADIOBUTTON, 0, nullptr, nullptr, 1107);
    dialog.addControl("msctls_trackbar32", "", kEditStyle, 0, nullptr, &slider, 1108);
    dialog.addControl("LISTBOX", "", kEditStyle, 0, nullptr, &list, 1109);
    dialog.addControl("Shell.Explorer.2", "", kEditStyle, 0, nullptr, nullptr, 1110);
    dialog.addControl("BUTTON", "Hidden", WS_CHILD, 0, nullptr, nullptr, 1111);
    dialog.addControl("BUTTON", "Greyed", kEditStyle | WS_DISABLED, 0, nullptr, nullptr, 1112);
    ASSERT_TRUE(dialog.OnInitDialog());

    EXPECT_EQ(dialog.getText(1100), "Shown text");
    EXPECT_EQ(dialog.getText(1101), "Alpha");
    EXPECT_TRUE(dialog.isChecked(1103));
    EXPECT_FALSE(dialog.isChecked(1104));
    EXPECT_FALSE(dialog.isChecked(1105));
    EXPECT_TRUE(dialog.isChecked(1106));
    EXPECT_EQ(static_cast<wxSlider*>(dialog.FindWindow(1108))->GetValue(), 40);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list, dialog.FindWindow(1109));
    EXPECT_NE(dynamic_cast<wxListBox*>(list), nullptr);
    // A class only a Windows control container makes is left out; the dialog opens.
    EXPECT_EQ(dialog.FindWindow(1110), nullptr);
    EXPECT_FALSE(dialog.FindWindow(1111)->IsShown());
    EXPECT_FALSE(dialog.FindWindow(1112)->IsEnabled());

    dialog.setText(1101, "Beta");
    dialog.setChecked(1103, false);
    dialog.setChecked(1104, true);
    dialog.setChecked(1107, true);
    static_cast<wxSlider*>(dialog.FindWindow(1108))->SetValue(75);
    dialog.OnOK();
    EXPECT_EQ(name, "Beta");
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(unchecked, 1);
    EXPECT_EQ(radio, 2);
    EXPECT_EQ(slider, 75);
    EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);

    // Cancel writes nothing back.
    CString kept = "kept";
    CDynDialogEx cancelled(m_owner);
    cancelled.addControl("EDIT", "", kEditStyle, 0, nullptr, &kept, 1200);
    cancelled.OnInitDialog();
    cancelled.setText(1200, "changed");
    cancelled.OnCancel();
    EXPECT_EQ(kept, "kept");
}

TEST_F(DynDialogTest, OtherCommandsReachTheParent) {
    std::vector<int> received;
    m_owner->Bind(wxEVT_BUTTON, [&received](wxCommandEvent& event) { received.push_back(event.GetId()); });
    CDynDialogEx dialog(m_owner);
    EXPECT_EQ(dialog.getParentWindow(), m_owner);
    dialog.addControl("BUTTON", "Get", kEditStyle, 0, nullptr, nullptr, 1501);
    dialog.OnInitDialog();
    for (int id : {1501, static_cast<int>(wxID_CANCEL)}) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(dialog.FindWindow(id));
        dialog.FindWindow(id)->GetEventHandler()->ProcessEvent(click);
    }
    EXPECT_EQ(received, std::vector<int>{1501});
    EXPECT_TRUE(dialog.hasEnded());
    EXPECT_EQ(dialog.GetReturnCode(), wxID_CANCEL);
}

TEST_F(DynDialogTest, HoldsAnyNumberOfRowsAndScrollsThem) {
    // Rows as the archive dialogs make them: a name, a path, a button.
    const int rows = 600;
    std::vector<CString> paths(rows);
    CString project = "Demo";
    CDynDialogEx dialog(m_owner);
    dialog.setTitle("Archive project work products");
    const DynRect projectName{5, 5, 120, 17};
    const DynRect projectEdit{130, 5, 350, 17};
    dialog.addControl("STATIC", "Project name", kStaticStyle, 0, &projectName);
    dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &projectEdit, &project);
    for (int k = 0; k < rows; ++k) {
        const int y = 25 + 15 * k;
        const DynRect label{5, y, 120, y + 12};
        const DynRect edit{130, y, 350, y + 12};
        const DynRect get{360, y, 400, y + 12};
        paths[k].Format("/data/file%d.doc", k);
        dialog.addControl("STATIC", CString("Work product ") + std::to_string(k).c_str(), kStaticStyle, 0,
                          &label);
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &edit, &paths[k], 10000 + 2 * k);
        dialog.addControl("BUTTON", "Get", kEditStyle, 0, &get, nullptr, 10001 + 2 * k);
    }
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.getControls().size(), 2u + 3u * rows + 2u);
    EXPECT_EQ(dialog.getText(10000 + 2 * 599), "/data/file599.doc");
    // The rows scroll inside a dialog that fits the screen.
    const wxSize area = dialog.getArea()->GetVirtualSize();
    EXPECT_GT(area.y, dialog.getArea()->GetClientSize().y);
    EXPECT_LT(dialog.GetSize().y, 2000);
    // Rows keep their order and columns: each edit right of its label, below the one before.
    const wxRect first = dialog.FindWindow(10000)->GetRect();
    const wxRect second = dialog.FindWindow(10002)->GetRect();
    EXPECT_GT(second.y, first.y);
    EXPECT_EQ(second.x, first.x);
    EXPECT_GT(dialog.FindWindow(10001)->GetRect().x, first.GetRight());
    dialog.setText(10000 + 2 * 599, "/elsewhere/last.doc");
    dialog.OnOK();
    EXPECT_EQ(paths[599], "/elsewhere/last.doc");
    EXPECT_EQ(paths[0], "/data/file0.doc");
}

TEST_F(DynDialogTest, Looks) {
    CString project = "Demo process", type = "Software", department = "Quality";
    std::vector<CString> values(3), comments(3), planned(3);
    CDynDialogEx dialog(m_owner);
    dialog.setTitle("Archive project measure");
    const char* const heads[] = {"Project name", "Project type", "Department"};
    CString* texts[] = {&project, &type, &department};
    for (int i = 0; i < 3; ++i) {
        const DynRect label{5, 5 + 15 * i, 120, 17 + 15 * i};
        const DynRect edit{130, 5 + 15 * i, 350, 17 + 15 * i};
        dialog.addControl("STATIC", heads[i], kStaticStyle, 0, &label);
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &edit, texts[i]);
    }
    const DynRect value{160, 55, 200, 67}, comment{260, 55, 600, 67}, plan{210, 52, 250, 70};
    dialog.addControl("STATIC", "Value", kStaticStyle, 0, &value);
    dialog.addControl("STATIC", "Comment", kStaticStyle, 0, &comment);
    dialog.addControl("STATIC", "Planned Value", kStaticStyle, 0, &plan);
    for (int k = 0; k < 3; ++k) {
        const int y = 70 + 15 * k;
        const DynRect name{5, y, 120, y + 12}, info{130, y, 150, y + 12}, v{160, y, 200, y + 12},
            p{210, y, 250, y + 12}, c{260, y, 600, y + 12};
        dialog.addControl("STATIC", CString("Measure ") + std::to_string(k + 1).c_str(), kStaticStyle, 0,
                          &name);
        dialog.addControl("BUTTON", "Info", kEditStyle, 0, &info, nullptr, 1600 + 3 * k);
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &v, &values[k], 1601 + 3 * k);
        if (k != 1)
            dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &p, &planned[k]);
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &c, &comments[k], 1602 + 3 * k);
    }
    dialog.OnInitDialog();
    checkDialogLook(dialog, "dynamic-dialog", m_dir.path());
    checkControlsWhole(*dialog.getArea(), "dynamic-dialog rows");
}

} // namespace
