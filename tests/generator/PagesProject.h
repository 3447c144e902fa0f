#pragma once

// The fixture process of the generated pages, opened in a temporary folder:
// a role group with its role map and two roles that author work products,
// two disciplines of one domain with their work products (a state, an
// element, templates, examples, an example library, a quality criterion
// that two work products derived from each other share, a requirement and
// what implements it), an overview of every work product with its map and
// one of the domain's, a template access page for one discipline and one
// for all, a procedure, a measure, and a workflow generated whole from its
// diagram, with a macro-activity in
// marker mode, four activities (one whose procedure text lies on its own
// page, one with its workflow picture, one a peer review) and a shortcut;
// two languages.

#include "Golden.h"
#include "PrivateProfile.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class PagesProject {
public:
    // The fixture "pages-project", or another of the same layout.
    explicit PagesProject(const char* fixture = "pages-project") : fixture(fixture) {
        dir.copyFixture(fixture, "proj");
    }

    ProcessManager& open() {
        manager.reset();
        manager = std::make_unique<ProcessManager>((dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
        return *manager;
    }
    ProcessItem* item(const char* uid) const {
        return static_cast<ProcessItem*>(manager->findItemByUid(uid));
    }
    std::string read(const std::string& path) const { return dir.read("proj/" + path); }
    void write(const std::string& path, const std::string& bytes) const { dir.write("proj/" + path, bytes); }
    bool exists(const std::string& path) const { return dir.exists("proj/" + path); }
    void setOption(const char* section, const char* key, const char* value) const {
        WritePrivateProfileStringA(section, key, value, (dir / "proj/site.tvx").c_str());
    }
    // Writes the pages of both languages as a generation does, after the
    // popup texts the pages show in their tooltips.
    void prepare() {
        manager->updateLinks(1, 0);
        for (const char* uid : {"N1", "N2", "N3", "N6", "N8", "N10", "N11", "N14", "N16", "N18", "N19", "N20",
                                "N21", "N23", "N24", "N26"})
            for (int language = 0; language <= 1; ++language)
                item(uid)->buildHtmlDescription(language);
    }

    // The texts of the messages shown so far.
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& message : ui.messages)
            texts.push_back(message.text.str());
        return texts;
    }

    std::string fixture;
    TempDir dir;
    RecordingUserInterface ui;
    std::unique_ptr<ProcessManager> manager;
};

// A page (or file) of the project and the golden file it must equal, in
// the fixture's golden folder.
struct GoldenPage {
    const char* page;
    const char* golden;
};

inline void expectGoldenPages(const PagesProject& project, const std::vector<GoldenPage>& pages) {
    for (const auto& page : pages) {
        ASSERT_TRUE(project.exists(page.page)) << page.page;
        const std::string difference =
            compareWithGolden(project.read(page.page), project.fixture + "/" + page.golden);
        EXPECT_TRUE(difference.empty()) << difference;
    }
}
