#pragma once

// The main window opened on a fresh copy of the demo project, with the
// item sheets run through the editing service and the messages recorded,
// and what tests read of the copy on disk.

#include "AppProfile.h"
#include "MenuCreatorDlg.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "SheetEditing.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class DemoSession : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(TOLVANE_DEMO_DIR, m_dir / "Demo", std::filesystem::copy_options::recursive);
        // The tip of the day, switched off, never comes between the steps.
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
        m_main = std::make_unique<CMenuCreatorDlg>(settings().c_str(), nullptr);
        m_main->OnInitDialog();
        m_main->OnTimer(CMenuCreatorDlg::kLinkRefreshTimer);
        EditingService::install(&m_editing);
        m_ui.messages.clear();
    }
    void TearDown() override {
        EditingService::install(nullptr);
        m_main.reset();
    }
    std::string settings() const { return m_dir / "Demo/Demo.tvx"; }
    ProcessManager* project() const { return m_main->getProject(); }
    // A key of section PROCESSUS of the data file of an item folder under "site".
    std::string dataKey(const std::string& folder, const char* key) const {
        char value[2000] = "";
        GetPrivateProfileStringA("PROCESSUS", key, "", value, sizeof value,
                                 (m_dir / ("Demo/site/" + folder + "/process.data")).c_str());
        return value;
    }
    std::vector<std::string> messages() { return m_ui.takeMessageTexts(); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    SheetEditing m_editing;
    std::unique_ptr<CMenuCreatorDlg> m_main;
};
