#pragma once

// The small process of tests/fixtures/workflow-project, copied into a
// temporary folder and opened as the program opens it, with a main window
// and a user interface that record what they are asked, and a workflow
// dialogs service that answers from what the test sets.
//
//   Process (domain)
//     Delivery (workflow N2): Plan (activity N3), Réaliser (activity N4,
//       no second-language name), Release phase (phase N5),
//       -> Support (shortcut N6 to the workflow N8), -> Audit (shortcut N7
//       to the activity N10)
//     Support (workflow N8): Hotline (macro-activity N9)
//     Audit (activity N10), Review (activity N11)
//   Roles: Owner (role N13)

#include "CActivityBox.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "MainWindow.h"
#include "ProcessManager.h"
#include "TempDir.h"
#include "WorkflowDialogs.h"
#include "ui/RecordingUserInterface.h"

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class WorkflowTestWindow : public MainWindow {
public:
    void loadIconImages(const CString&) override {}
    void disableProjectButtons() override {}
    void rebuildTree(ItemListePlus* list) override { rebuilds.push_back(list->count()); }
    void setWindowTitle(const CString&) override {}
    Item* addItem(Item* anchor, int position, int classCode, const CString& name) override {
        addCalls.push_back(anchor->getName().str() + " " + std::to_string(position) + " " +
                           std::to_string(classCode) + " " + name.str());
        return addAnswer ? addAnswer(anchor) : nullptr;
    }

    std::vector<int> rebuilds;
    std::vector<std::string> addCalls;
    // What the add-item dialog makes (null: the user cancelled).
    std::function<Item*(Item* anchor)> addAnswer;
};

class WorkflowTestDialogs : public WorkflowDialogs {
public:
    WorkflowTestDialogs() { WorkflowDialogs::install(this); }
    ~WorkflowTestDialogs() override { WorkflowDialogs::install(nullptr); }

    ItemChoice selectOrCreateItem(Project*, int classFilter) override {
        calls.push_back("select " + std::to_string(classFilter));
        return choice;
    }
    int editActivityGraphicalProperties(CActivityBox&, EditorWindow*) override {
        calls.push_back("graphical");
        return graphicalAnswer;
    }
    void redraw(EditorWindow*) override { calls.push_back("redraw"); }
    int doubleClickMode(EditorWindow*) override { return mode; }

    ItemChoice choice;
    int graphicalAnswer = IDCANCEL;
    int mode = 1;
    std::vector<std::string> calls;
};

class WorkflowProject {
public:
    explicit WorkflowProject(const std::string& fixture = "workflow-project") {
        setenv("TOLVANE_REGISTRY_DIR", (m_dir / "registry").c_str(), 1);
        m_dir.copyFixture(fixture, "proj");
        manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), &window, 0, 0);
    }
    ~WorkflowProject() { manager.reset(); }

    Item* item(const char* uid) const { return manager->findItemByUid(uid); }
    std::string path(const std::string& relative) const { return m_dir / ("proj/" + relative); }
    std::string folder() const { return m_dir / "proj/"; }
    std::string read(const std::string& relative) const { return m_dir.read("proj/" + relative); }
    void write(const std::string& relative, const std::string& bytes) const {
        m_dir.write("proj/" + relative, bytes);
    }
    bool exists(const std::string& relative) const { return m_dir.exists("proj/" + relative); }
    // Names of the item's direct children in tree order.
    std::vector<std::string> children(const char* uid) const {
        std::vector<std::string> names;
        Item* parent = item(uid);
        for (int i = 1; i <= manager->getItemList()->count(); ++i) {
            Item* each = manager->getItemList()->at(i);
            if (each->getParent() == parent)
                names.push_back(each->getName().str());
        }
        return names;
    }

    RecordingUserInterface ui;
    WorkflowTestWindow window;
    std::unique_ptr<ProcessManager> manager;

private:
    TempDir m_dir;
};
