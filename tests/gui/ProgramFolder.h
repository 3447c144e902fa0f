#pragma once

// A program folder of the test's own, holding a copy of the program data
// (so that a test may add site templates to it) and a folder "work" in
// which projects are made; the recent project of the profile is cleared,
// the tip of the day switched off and the desktop's opener stood in for.

#include "AppProfile.h"
#include "FileSystem.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TolvaneDialog.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class ProgramFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA((m_dir / "bin").c_str(), nullptr));
        ASSERT_TRUE(platform::copyTree(TOLVANE_DATA_DIR "/Data", (m_dir / "bin/Data").c_str()));
        ASSERT_TRUE(CreateDirectoryA((m_dir / "work").c_str(), nullptr));
        setApplicationFolderForTests((m_dir / "bin").c_str());
        AppProfile::WriteProfileString("File", "Last", nullptr);
        // The tip of the day, switched off, never comes between the commands.
        AppProfile::WriteProfileInt("Parameters", "TipsActivated", 0);
        // The desktop's opener opens nothing.
        m_dir.write("opener/xdg-open", "#!/bin/sh\nexit 0\n");
        std::filesystem::permissions(m_dir / "opener/xdg-open", std::filesystem::perms::owner_all);
        const char* path = std::getenv("PATH");
        m_path = path ? path : "";
        setenv("PATH", (m_dir / "opener:" + m_path).c_str(), 1);
    }
    void TearDown() override {
        TolvaneDialog::setModalRunner(nullptr);
        setApplicationFolderForTests("");
        setenv("PATH", m_path.c_str(), 1);
    }

    // The texts of the messages shown since the last call.
    std::vector<std::string> messages() { return m_ui.takeMessageTexts(); }
    // The folder "work", or a path inside it.
    std::string work() const { return m_dir / "work"; }
    std::string work(const std::string& name) const { return m_dir / ("work/" + name); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    std::string m_path;
};
