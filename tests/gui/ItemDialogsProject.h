#pragma once

// The small process project that the item dialogs work on, opened in a
// temporary folder with the program's icons, and what the tests read of
// it on disk: the tree file's records, the item folders and data files.
//
// Its tree: Home; Roles (role group) with Analyst and "Team A_B" (roles);
// Process (workflow) with Design (activity, with its activity Sketch) and a
// shortcut to Analyst; Links (no class) with the external item Maker;
// Products (work product group) with Plan (work product).

#include "FileSystem.h"
#include "ItemIcons.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "MenuTreeRecord.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TextInStream.h"
#include "TolvaneDialog.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The main window as the project sees it: counts the tree rebuilds.
class CountingMainWindow : public MainWindow {
public:
    void loadIconImages(const CString&) override {}
    void disableProjectButtons() override {}
    void rebuildTree(ItemListePlus*) override { ++rebuilds; }
    void setWindowTitle(const CString&) override {}
    int rebuilds = 0;
};

class ItemDialogsProject : public testing::Test {
protected:
    // The fixture folder the project is copied from.
    virtual const char* fixture() const { return "item-dialogs"; }
    void SetUp() override {
        m_dir.copyFixture(fixture(), "proj");
        std::filesystem::create_directories(m_dir / "proj/applet");
        std::filesystem::copy(TOLVANE_ICONS_DIR, m_dir / "proj/applet/IconImages");
        open();
    }
    void TearDown() override {
        TolvaneDialog::setModalRunner(nullptr);
        m_project.reset();
    }
    void open() {
        m_project.reset();
        m_project = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), &m_window, 0, 0);
        m_icons.load(m_project->getProjectDirectory());
        m_ui.messages.clear();
    }
    void setOption(const char* key, const char* value) const {
        WritePrivateProfileStringA("STD_OPTION", key, value, (m_dir / "proj/site.tvx").c_str());
    }
    ProcessItem* item(const char* uid) const {
        return static_cast<ProcessItem*>(m_project->findItemByUid(uid));
    }
    // The texts of the messages shown since the last call.
    std::vector<std::string> messages() { return m_ui.takeMessageTexts(); }

    // The tree file as it is on disk: its records, and its shape (each name
    // indented by its level).
    std::vector<MenuTreeRecord> records() const {
        std::vector<MenuTreeRecord> found;
        TextInStream in((m_dir / "proj/tolvane/MenuTreeV2.dat").c_str());
        CString line;
        while (in.getline(line, 4000)) {
            MenuTreeRecord record;
            if (MenuTreeRecord::parse(line, record))
                found.push_back(record);
        }
        return found;
    }
    std::vector<std::string> treeOnDisk() const {
        std::vector<std::string> shape;
        for (const MenuTreeRecord& record : records())
            shape.push_back(std::string(static_cast<size_t>(record.level), ' ') + record.name.str());
        return shape;
    }
    MenuTreeRecord recordNamed(const std::string& name) const {
        for (const MenuTreeRecord& record : records())
            if (record.name.str() == name)
                return record;
        ADD_FAILURE() << "no record named " << name;
        return MenuTreeRecord();
    }
    std::string read(const std::string& path) const { return m_dir.read("proj/" + path); }
    bool exists(const std::string& path) const { return m_dir.exists("proj/" + path); }
    // A key of an item's data file, read from disk.
    std::string dataKey(const std::string& folder, const char* key) const {
        char value[1000] = "";
        GetPrivateProfileStringA("PROCESSUS", key, "", value, sizeof value,
                                 (m_dir / ("proj/site/" + folder + "/process.data")).c_str());
        return value;
    }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    CountingMainWindow m_window;
    std::unique_ptr<ProcessManager> m_project;
    ItemIconSet m_icons;
};

// The shape of the fixture's tree file.
inline std::vector<std::string> fixtureTree() {
    return {"Home",     "Roles",       " Analyst", " Team A_B", "Process",  " Design",
            "  Sketch", " -> Analyst", "Links",    " Maker",    "Products", " Plan"};
}
