#pragma once

// A DiagramDialogs service for tests: it keeps every call, answers the modal
// dialogs from a queue (IDCANCEL when it is empty) and makes modeless
// dialogs that record what the entity asks of them. Installed for its
// lifetime.

#include "CDiagramLine.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartGeometricForm.h"
#include "DiagramDialogs.h"
#include "DiagramMenu.h"
#include "DiagramPropertyDialog.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class RecordingDiagramDialogs : public DiagramDialogs {
public:
    RecordingDiagramDialogs() { DiagramDialogs::install(this); }
    ~RecordingDiagramDialogs() override { DiagramDialogs::install(nullptr); }

    // What a modal dialog does before answering IDOK: the user's edits.
    std::deque<std::function<void(CDiagramEntity&)>> okEdits;
    // What the link dialog does before answering IDOK, and what it was shown.
    std::deque<std::function<void(LinkProperties&)>> linkEdits;
    std::vector<LinkProperties> linkDialogs;
    // Every call, as "line", "box", "gateway", "link", "modeless 136", "menu" ...
    std::vector<std::string> calls;
    std::vector<DiagramMenu> menus;
    UINT menuChoice = 0;
    // What the modeless dialogs were asked, in order: "create", "show", "hide", "values", "focus",
    // and "destroyed" when their entity destroyed them.
    std::vector<std::string> modeless;

    int editLineProperties(CDiagramLine& line, EditorWindow*) override { return run("line", line); }
    int editBoxProperties(CFlowchartGeometricForm& shape, EditorWindow*) override {
        return run("box", shape);
    }
    int editGatewayProperties(CFlowchartEntityCondition& condition, EditorWindow*) override {
        return run("gateway", condition);
    }
    int editLinkProperties(LinkProperties& properties, EditorWindow*) override {
        calls.push_back("link");
        linkDialogs.push_back(properties);
        if (linkEdits.empty())
            return IDCANCEL;
        linkEdits.front()(properties);
        linkEdits.pop_front();
        return IDOK;
    }
    std::unique_ptr<DiagramPropertyDialog> createPropertyDialog(UINT templateId) override {
        calls.push_back("modeless " + std::to_string(templateId));
        return std::make_unique<Modeless>(modeless);
    }
    UINT trackPopupMenu(const DiagramMenu& menu, int, int, EditorWindow*) override {
        calls.push_back("menu");
        menus.push_back(menu);
        return menuChoice;
    }

private:
    int run(const char* which, CDiagramEntity& entity) {
        calls.push_back(which);
        if (okEdits.empty())
            return IDCANCEL;
        okEdits.front()(entity);
        okEdits.pop_front();
        return IDOK;
    }

    class Modeless : public DiagramPropertyDialog {
    public:
        explicit Modeless(std::vector<std::string>& log) : m_log(log) {}
        ~Modeless() override { m_log.push_back("destroyed"); }
        void setEntity(CDiagramEntity* entity) override { m_entity = entity; }
        bool hasWindow() const override { return m_window; }
        void create(UINT, EditorWindow*) override {
            m_window = true;
            m_log.push_back("create");
        }
        void show(bool show) override { m_log.push_back(show ? "show" : "hide"); }
        void setValues() override { m_log.push_back("values"); }
        void setFocus() override { m_log.push_back("focus"); }

    private:
        std::vector<std::string>& m_log;
        CDiagramEntity* m_entity = nullptr;
        bool m_window = false;
    };
};
