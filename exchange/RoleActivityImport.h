#pragma once

// The role-activity matrix that a process engineer prepares in a
// spreadsheet: a header line, a line naming the role of each column from
// the sixth on, then one line per activity (its name in one of the first
// five columns) whose cells say that the role takes part ("x") or give
// its responsibility. Every activity named gets the roles of its line in
// place of its own; the log tells line by line what was read, as a table
// to paste into a spreadsheet. Nothing changes until the whole file was
// read without error, and a role list that cannot be saved undoes the
// import's changes.

#include "CString.h"

class ProcessManager;

class RoleActivityImport {
public:
    explicit RoleActivityImport(ProcessManager& manager) : m_manager(manager) {}

    void ImportRoleActivityLinks(const CString& path);
    // Saves the role list of every activity and logs each; 33000 after a
    // failure. False when one could not be saved.
    bool saveRoleActivityLinks();

    // The room of the per-line table of results: no more responsibilities.
    static constexpr int kMaxResponsibilities = 99;

private:
    ProcessManager& m_manager;
};
