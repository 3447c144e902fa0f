#pragma once

// Plays the installer service for one package and one custom-action
// library:
//
//   msihost [--answer KIND=ANSWER]... [--component NAME=INSTALLED,ACTION]...
//           PACKAGE LIBRARY [PROPERTY=VALUE]...
//
// It opens the package, sets the properties of the command line over those
// of its Property table and walks its InstallExecuteSequence table in the
// order of the Sequence column. Each action whose Condition holds and that
// is a row of the CustomAction table of base type 1 calls the function
// that its Target column names in LIBRARY (the Source column, a key of the
// Binary table under the real installer, is not looked at: there is one
// library). A row of base type 51 sets the property that its Source names
// to its Target, formatted: so a package passes a merge module's id to the
// module's actions. Other actions are left out. Deferred, rollback and
// commit actions go into the script, which runs after the sequence
// (MsiSession).
//
// Components are installed afresh (installed state 2, action state 3), or
// removed (3 and 2) when REMOVE is "ALL"; --component sets other states.
// Message boxes answer with their default button unless --answer names an
// answer (ok, cancel, abort, retry, ignore, yes, no, none or a number) for
// their kind (error, warning, user, info, actiondata, progress ...).
//
// Every step and message is logged on standard output. The exit status is
// 0 when the installation succeeded, 1 when it failed, 2 when the user
// cancelled it, 3 when the package or the library cannot be opened and 4
// for a bad command line.

#include "Msi.h"

#include <map>
#include <string>
#include <vector>

class MsiHost {
public:
    enum Status { kSucceeded = 0, kFailed = 1, kCancelled = 2, kCannotOpen = 3, kBadCommandLine = 4 };

    ~MsiHost();

    // False, with the reason, for a command line that is not as above.
    bool parse(const std::vector<std::string>& arguments, std::string& error);
    Status run();

private:
    struct ComponentState {
        std::u16string name;
        int installed;
        int action;
    };

    std::string m_package;
    std::string m_library;
    std::vector<std::pair<std::u16string, std::u16string>> m_properties;
    std::vector<ComponentState> m_components;
    std::map<std::uint32_t, int> m_answers; // message kind -> answer
    void* m_module = nullptr;
};
