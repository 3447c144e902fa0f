#pragma once

// The main window on a fresh copy of the demo, shown on a display with a
// window manager, with the program's own message boxes and property
// sheets, for tests that drive it with real pointer and key events.

#include "AppProfile.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "MenuCreatorDlg.h"
#include "ProcessManager.h"
#include "RealEvents.h"
#include "SheetEditing.h"
#include "TempDir.h"
#include "UserInterface.h"
#include "WxUserInterface.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <wx/treectrl.h>

class ShownMainWindow : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(realevents::waitUntil(realevents::windowManagerRuns))
            << "no window manager on the display";
        std::filesystem::copy(TOLVANE_DEMO_DIR, m_dir / "Demo", std::filesystem::copy_options::recursive);
        prepareDemo();
        // The tip of the day, switched off, never comes between the steps.
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
        ui::install(&m_ui);
        EditingService::install(&m_editing);
        m_main = std::make_unique<CMenuCreatorDlg>((m_dir / "Demo/Demo.tvx").c_str(), nullptr);
        m_main->OnInitDialog();
        m_main->OnTimer(CMenuCreatorDlg::kLinkRefreshTimer);
        m_main->Show();
        ASSERT_TRUE(realevents::waitUntil([this] { return m_main->IsShownOnScreen() && m_main->IsActive(); }))
            << "the main window did not come up";
        // Maximised by the window manager, and laid out again.
        realevents::waitUntil([this] { return m_main->IsMaximized(); }, std::chrono::seconds(3));
        realevents::handlePending();
    }
    void TearDown() override {
        realevents::endEveryModalWindow();
        m_main.reset();
        EditingService::install(nullptr);
        ui::install(nullptr);
    }
    // Changes to the demo's files before the project opens.
    virtual void prepareDemo() {}

    Item* item(const char* name) const { return project()->findItemByName(name); }
    ProcessManager* project() const { return m_main->getProject(); }
    wxTreeCtrl& tree() const { return *m_main->getTree(); }
    wxWindow& control(int id) const { return *m_main->FindWindow(id); }
    // The middle of an item's node on the screen; its parents expanded.
    wxPoint nodeCentre(const char* name) const {
        const wxTreeItemId node(item(name)->getTreeHandle());
        tree().EnsureVisible(node);
        realevents::handlePending();
        wxRect bounds;
        tree().GetBoundingRect(node, bounds, true);
        return tree().ClientToScreen(bounds.GetPosition() + bounds.GetSize() / 2);
    }
    // Where the item stands in the project's list (1 first).
    int placeOf(const char* name) const {
        ItemListePlus* items = project()->getItemList();
        for (int i = 1; i <= items->count(); ++i)
            if (items->at(i)->getName() == name)
                return i;
        return 0;
    }

    TempDir m_dir;
    WxUserInterface m_ui;
    SheetEditing m_editing;
    std::unique_ptr<CMenuCreatorDlg> m_main;
};
