#pragma once

// A synthetic process on disk for the benchmarks: about a sixth roles in a
// role group, a third work products (each with a state and an author) in
// the group of each of the two disciplines of a domain, some with templates
// or examples, with template pages per discipline and for all; a
// procedure; the rest activities (half approved, a quarter awaiting
// approval) in macro-activities of a hundred under one workflow (each
// macro-activity with a shortcut to an activity of the one before), which
// name two roles, one input state and one output, every tenth also the
// procedure; the workflow's overview, a glossary and a site map. With
// pages, every item also gets its page in both languages and a
// description, each macro-activity its diagram's picture with the areas of
// its activities, the role group its role map, the site its banner with
// its areas and its common folders, as a project made by the program has
// them.

#include "ui/UserInterface.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class ProcessManager;

// Answers every message with its default button, shows nothing.
class QuietUserInterface : public UserInterface {
public:
    int messageBox(const CString&, const CString&, UINT style) override { return defaultAnswer(style); }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}
    void setProgressRange(int, int) override {}
    void setProgressPos(int) override {}
};

void buildSyntheticProcess(const std::filesystem::path& root, long items, bool withPages);

// What a benchmark over synthetic processes needs around it: the sizes asked
// for on the command line (or the defaults), a quiet user interface and a
// temporary folder, removed at the end.
class SyntheticRun {
public:
    SyntheticRun(int argc, char** argv, std::vector<long> defaultSizes);
    ~SyntheticRun();
    const std::vector<long>& sizes() const { return m_sizes; }
    std::filesystem::path folder(const std::string& name) const { return m_base / name; }
    // Puts an opener that does nothing first on the path, so that an export
    // that shows its folder at its end opens no window.
    void useQuietOpener();
    // Builds the synthetic process in root and opens it, every file read afresh.
    std::unique_ptr<ProcessManager> openProcess(const std::filesystem::path& root, long items,
                                                bool withPages);

private:
    std::vector<long> m_sizes;
    QuietUserInterface m_quiet;
    std::filesystem::path m_base;
};
