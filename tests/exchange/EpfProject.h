#pragma once

// The exports fixture with the pages, pictures, quality criterion and GUID
// map file the EPF export reads laid over it, opened in a temporary folder
// at a fixed time in a fixed time zone, so that every date the export
// writes is the same in every run.

#include "CTime.h"
#include "EpfLibraryCheck.h"
#include "ExportsProject.h"
#include "ProcessItemListe.h"
#include "ScopedTimeZone.h"

#include <filesystem>
#include <initializer_list>
#include <string>

class EpfProject : public ExportsProject {
public:
    EpfProject() {
        dir.copyFixture("epf-project", "proj");
        CTime::setClockForTests(CTime(2024, 5, 17, 9, 5, 3).GetTime());
    }

    // Runs the export as the dialog does, with the items of these uids
    // selected in this order.
    void exportLibrary(std::initializer_list<const char*> uids, const std::string& mapFile = "") {
        ProcessItemListe selection;
        for (const char* uid : uids)
            selection.append(item(uid));
        manager->exportXMLforEPF(&selection, mapFile.c_str());
        selection.removeAll();
    }
    std::string library() const { return read("tmp/EPFexport/exportForEPF.xml"); }
    EpfLibraryCheck check() const { return checkEpfLibrary(path("tmp/EPFexport/exportForEPF.xml")); }
    // Every file below the export folder, one relative path a line, sorted.
    std::string exportedFiles() const {
        std::set<std::string> files;
        const std::filesystem::path root = path("tmp/EPFexport");
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files.insert(std::filesystem::relative(entry.path(), root).string());
        std::string list;
        for (const std::string& file : files)
            list += file + "\n";
        return list;
    }

private:
    ScopedTimeZone m_zone{"UTC"};
};
