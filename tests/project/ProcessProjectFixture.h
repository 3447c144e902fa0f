#pragma once

// The fixture process project opened by a process manager in a temporary folder.

#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "PrivateProfile.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <memory>
#include <string>

class ProcessProjectFixture {
public:
    explicit ProcessProjectFixture(const char* fixture = "process-project") { dir.copyFixture(fixture, "proj"); }

    ProcessManager* open(int deferred = 0) {
        manager.reset();
        manager = std::make_unique<ProcessManager>((dir / "proj/site.tvx").c_str(), &window, deferred, 0);
        return manager.get();
    }
    ProcessItem* item(const char* uid) const { return static_cast<ProcessItem*>(manager->findItemByUid(uid)); }
    std::string read(const std::string& path) const { return dir.read("proj/" + path); }
    void write(const std::string& path, const std::string& text) const { dir.write("proj/" + path, text); }
    void setOption(const char* key, const char* value) const {
        WritePrivateProfileStringA("PROCESS_OPTION", key, value, (dir / "proj/site.tvx").c_str());
    }

    TempDir dir;
    RecordingUserInterface ui;
    RecordingMainWindow window;
    std::unique_ptr<ProcessManager> manager;
};
