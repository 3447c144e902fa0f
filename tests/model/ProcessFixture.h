#pragma once

// A project whose item factory makes process items, opened on a fixture
// folder copied into a temporary folder.

#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "Project.h"
#include "TempDir.h"

#include <memory>
#include <string>
#include <vector>

class ProcessTestProject : public Project {
public:
    using Project::Project;
    Item* createItem(Item* parent, const CString& name, const CString& url, int blankTarget, const CString& icon,
                     const CString& openIcon, int level, int frame, const CString& description) override {
        return new ProcessItem(parent, name, url, blankTarget, icon, openIcon, level, this, frame, description);
    }
    // Renames are recorded here; the tree operations have tests of their own.
    int changeItem(Item* item, const CString& newName, int, const CString&, const CString&, int, const CString&, int,
                   const CString& nameL2, const CString&, Item*) override {
        renames.push_back(item->getUid().str() + " -> " + newName.str() + " / " + nameL2.str());
        return 1;
    }
    std::vector<std::string> renames;
};

class ProcessFixture {
public:
    explicit ProcessFixture(const std::string& fixture) {
        dir.copyFixture(fixture, "proj");
        project = std::make_unique<ProcessTestProject>((dir / "proj/site.tvx").c_str(), nullptr, 0);
        project->loadMenuTree(nullptr, 1);
    }
    ProcessItem* item(const char* uid) const { return static_cast<ProcessItem*>(project->findItemByUid(uid)); }
    std::string read(const std::string& path) const { return dir.read("proj/" + path); }
    void write(const std::string& path, const std::string& text) const { dir.write("proj/" + path, text); }

    TempDir dir;
    std::unique_ptr<ProcessTestProject> project;
};
