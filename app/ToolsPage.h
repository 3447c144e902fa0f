#pragma once

// A page of the "Tools" sheet as a value: it holds no data of its own, only
// the open project and the item selected in the tree when the sheet opened
// (null when none was), which its view's commands work on.

#include "PropertyPage.h"

class Item;
class ProcessManager;

class ToolsPage : public PropertyPage {
public:
    ToolsPage(int templateId, const CString& caption, ProcessManager* project, Item* selected)
        : PropertyPage(templateId, caption), m_project(project), m_selected(selected) {}

    ProcessManager* getProject() const { return m_project; }
    Item* getSelected() const { return m_selected; }

private:
    ProcessManager* m_project;
    Item* m_selected;
};
