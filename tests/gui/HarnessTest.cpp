// Proves the GUI harness: a dialog with a tree control is built on the
// display, filled, read back and destroyed, with text crossing the
// Windows-1252 boundary both ways.

#include "WxText.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

namespace {

constexpr int kTreeId = 1000;

class TreeDialog : public wxDialog {
public:
    TreeDialog() : wxDialog(nullptr, wxID_ANY, "Harness") {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        m_tree = new wxTreeCtrl(this, kTreeId, wxDefaultPosition, wxSize(300, 200));
        sizer->Add(m_tree, 1, wxEXPAND);
        SetSizerAndFit(sizer);
    }
    wxTreeCtrl* tree() const { return m_tree; }

private:
    wxTreeCtrl* m_tree;
};

TEST(GuiHarnessTest, BuildsADialogWithATreeAndReadsItBack) {
    TreeDialog dialog;
    wxTreeCtrl* tree = dialog.tree();
    ASSERT_EQ(wxWindow::FindWindowById(kTreeId, &dialog), tree);

    const wxTreeItemId root = tree->AddRoot(toWx("Home"));
    const wxTreeItemId child = tree->AppendItem(root, toWx(CString("Qualit\xE9 & co")));
    tree->AppendItem(child, toWx("Step"));
    tree->Expand(root);
    tree->SelectItem(child);

    EXPECT_EQ(tree->GetCount(), 3u);
    EXPECT_EQ(tree->GetChildrenCount(root, true), 2u);
    EXPECT_EQ(tree->GetSelection(), child);
    EXPECT_EQ(fromWx(tree->GetItemText(child)), CString("Qualit\xE9 & co"));
    EXPECT_EQ(tree->GetItemText(child), wxString::FromUTF8("Qualit\xC3\xA9 & co"));

    dialog.Show();
    EXPECT_TRUE(dialog.IsShown());
    dialog.Hide();
}

TEST(GuiHarnessTest, TextCrossesTheBoundaryWithoutLoss) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const CString text(all);
    EXPECT_EQ(fromWx(toWx(text)), text);
    EXPECT_EQ(fromWx(wxString::FromUTF8("\xE2\x82\xAC")), CString("\x80")); // euro sign
}

} // namespace
