#pragma once

// The temporary project folder of one fuzz input: "proj/" inside a folder of
// its own, so that anything a reader writes beside the project folder shows
// up, and both go away afterwards. The first folder of a run also points
// TOLVANE_REGISTRY_DIR at a temporary folder, so no input reaches the
// user's own profile.

#include "CString.h"
#include "TempDir.h"

#include <string>
#include <string_view>

class FuzzFolder {
public:
    FuzzFolder();

    // The project folder, ending with '/'.
    const std::string& project() const { return m_project; }
    // Writes bytes to a file below the project folder (folders are made) and
    // answers its path.
    std::string write(const std::string& name, std::string_view bytes) const;
    std::string read(const std::string& name) const;
    // A settings file "site.tvx" of this program's data version, so that
    // opening the project migrates nothing; answers its path.
    std::string writeSettings() const;
    bool exists(const std::string& name) const;

    // Whether a path the program computed (either separator, "." and ".."
    // segments resolved as the file system would) stays inside the project
    // folder.
    bool isInside(const CString& path) const;
    // Stops the run when anything appeared beside the project folder.
    void requireNothingOutside() const;

private:
    TempDir m_dir;
    std::string m_project;
};
