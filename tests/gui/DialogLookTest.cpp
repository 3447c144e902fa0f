// Every item dialog, and every small dialog of the page editor, shown on
// the display as it opens: saved as a picture for a person to look at, and
// checked to keep each control whole, inside the window and clear of the
// others.

#include "DialogLook.h"
#include "CAddFile.h"
#include "CAddMenuItem.h"
#include "CCIK_DTND.h"
#include "CCIK_NDTD.h"
#include "CChangeItemClassDlgMgt.h"
#include "CChangeMenuItem.h"
#include "CHrProperties.h"
#include "CInsertHyperlink.h"
#include "CMoveMenuItem.h"
#include "CRemoveMenuItem.h"
#include "CSelectIcon.h"
#include "CSelectProcessItemDlgMgt.h"
#include "CTableProperties.h"
#include "ItemDialogsProject.h"
#include "LanguageSelection.h"

#include <functional>
#include <memory>

namespace {

class DialogLookTest : public ItemDialogsProject {};

TEST_F(DialogLookTest, EveryDialogShowsItsControlsWhole) {
    const struct {
        const char* name;
        std::function<std::unique_ptr<TolvaneDialog>()> make;
    } dialogs[] = {
        {"CAddMenuItem",
         [&] {
             return std::make_unique<CAddMenuItem>(nullptr, m_project.get(), item("N5"), &m_icons, 2, 4,
                                                   "Build");
         }},
        {"CChangeMenuItem",
         [&] { return std::make_unique<CChangeMenuItem>(nullptr, item("N8"), m_project.get(), &m_icons); }},
        {"CCIK_DTND", [] { return std::make_unique<CCIK_DTND>(nullptr); }},
        {"CCIK_NDTD", [] { return std::make_unique<CCIK_NDTD>("Maker", nullptr); }},
        {"CRemoveMenuItem", [] { return std::make_unique<CRemoveMenuItem>(nullptr, "Team A_B", 1); }},
        {"CMoveMenuItem",
         [] {
             auto dialog = std::make_unique<CMoveMenuItem>(1, nullptr);
             dialog->m_moveName = "Analyst";
             dialog->m_referenceName = "Process";
             return dialog;
         }},
        {"CChangeItemClassDlgMgt",
         [&] { return std::make_unique<CChangeItemClassDlgMgt>(m_project.get(), item("N6"), nullptr); }},
        {"CSelectIcon",
         [&] {
             return std::make_unique<CSelectIcon>(m_icons.getImageList(), m_icons.getIconList(), nullptr);
         }},
        {"CSelectProcessItemDlgMgt",
         [&] { return std::make_unique<CSelectProcessItemDlgMgt>(m_project.get(), 0, nullptr); }},
        {"LanguageSelection", [] { return std::make_unique<LanguageSelection>(nullptr); }},
        {"CInsertHyperlink",
         [&] { return std::make_unique<CInsertHyperlink>(m_project.get(), 1, item("N3"), 0, nullptr); }},
        {"CAddFile", [] { return std::make_unique<CAddFile>(nullptr, "Analyst"); }},
        {"CTableProperties", [] { return std::make_unique<CTableProperties>(nullptr); }},
        {"CHrProperties", [] { return std::make_unique<CHrProperties>(nullptr); }},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        std::unique_ptr<TolvaneDialog> dialog = d.make();
        dialog->OnInitDialog();
        checkDialogLook(*dialog, d.name, m_dir.path());
        EXPECT_EQ(dialog->GetMinSize(), dialog->GetSize()) << "opens at its least size";
    }
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

} // namespace
