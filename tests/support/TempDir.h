#pragma once

// A temporary folder for one test, removed with everything in it afterwards.
// path() ends with '/'.

#include <set>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + name; }

    // Writes bytes to a file below the folder (folders are created).
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Every path below the folder, folders included: what a test compares
    // to show that nothing was created or removed.
    std::set<std::string> entries() const;
    // Copies a fixture folder of tests/fixtures into this folder.
    void copyFixture(const std::string& fixture, const std::string& as = "") const;

private:
    std::string m_path;
};

// The folder of the committed fixtures.
std::string fixturesFolder();
