#pragma once

// The fixture process of the exports, opened in a temporary folder: the
// process of the generated pages ("pages-project", with the files of
// "exports-project" laid over it) grown by a role acting as a group and
// named with a double quote, a work product group with a work product
// whose name holds the separator, a work product overview, a procedure
// whose document is no page, a process overview and a process formalism,
// a phase with a derived activity that names a role and a work product
// that do not exist, a glossary with its entry, a broken shortcut, notes,
// approvals and traceability links; two languages, Windows-1252.
//
// The desktop's opener is replaced by one that does nothing, so that no
// export opens a real file manager; what it is asked to open is not
// watched.

#include "CStringListePlus.h"
#include "CsvFileReader.h"
#include "Golden.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class ExportsProject {
public:
    ExportsProject() {
        dir.copyFixture("pages-project", "proj");
        dir.copyFixture("exports-project", "proj");
        dir.write("bin/xdg-open", "#!/bin/sh\nexit 0\n");
        std::filesystem::permissions(dir / "bin/xdg-open", std::filesystem::perms::owner_all);
        const char* path = std::getenv("PATH");
        m_oldPath = path ? path : "";
        setenv("PATH", (dir / "bin:" + m_oldPath).c_str(), 1);
    }
    ~ExportsProject() {
        manager.reset();
        setenv("PATH", m_oldPath.c_str(), 1);
    }

    ProcessManager& open() {
        manager.reset();
        platform::clearProfileCache();
        manager = std::make_unique<ProcessManager>((dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
        return *manager;
    }
    ProcessItem* item(const char* uid) const {
        return static_cast<ProcessItem*>(manager->findItemByUid(uid));
    }
    std::string path(const std::string& name) const { return dir / ("proj/" + name); }
    std::string read(const std::string& name) const { return dir.read("proj/" + name); }
    void write(const std::string& name, const std::string& bytes) const { dir.write("proj/" + name, bytes); }
    bool exists(const std::string& name) const { return dir.exists("proj/" + name); }
    void setOption(const char* section, const char* key, const char* value) const {
        WritePrivateProfileStringA(section, key, value, (dir / "proj/site.tvx").c_str());
    }
    // A folder in the place of an export's file of "tmp": the file cannot be put there.
    void blockExport(const std::string& name) const {
        std::filesystem::create_directories(path("tmp/" + name));
    }
    // The message that tells that an export's file of "tmp" could not be written.
    std::string creationFailed(const std::string& name) const {
        return path("tmp/" + name) + " creation failed. Verify the directory " + path("tmp") + " exist.";
    }
    std::string lastMessage() const {
        return ui.messages.empty() ? std::string() : ui.messages.back().text.str();
    }
    // Every file of the site but the log, each behind its path: what must stay as it was.
    std::string siteFiles() const {
        const std::string all = dumpFolder(dir / "proj/site");
        const size_t log = all.find("ZevoRiruradiruzuz.log ==");
        if (log == std::string::npos)
            return all;
        const size_t start = all.rfind("== ", log);
        const size_t end = all.find("\n== ", log);
        return all.substr(0, start) + (end == std::string::npos ? std::string() : all.substr(end + 1));
    }

    TempDir dir;
    RecordingUserInterface ui;
    std::unique_ptr<ProcessManager> manager;

private:
    std::string m_oldPath;
};

// The records of a file as the program's reader and as Python's csv
// module read them; equal when a spreadsheet sees the fields written.
struct CsvReadings {
    std::vector<std::vector<std::string>> program;
    std::vector<std::vector<std::string>> python;
};
// The readings of each file named, in order; one run of Python reads them all.
std::vector<CsvReadings> readCsvFilesBothWays(const std::vector<std::string>& paths);
