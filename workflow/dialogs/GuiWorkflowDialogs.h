#pragma once

// The workflow dialogs service of the GUI, installed by the application:
// the create-or-select dialog for the activity boxes, the redraw and the
// double-click mode of the editor's canvas. The graphical properties dialog
// of the activity box is not built yet: it answers as Cancel.

#include "WorkflowDialogs.h"

class GuiWorkflowDialogs : public WorkflowDialogs {
public:
    ItemChoice selectOrCreateItem(Project* project, int classFilter) override;
    int editActivityGraphicalProperties(CActivityBox& box, EditorWindow* window) override;
    void redraw(EditorWindow* window) override;
    int doubleClickMode(EditorWindow* window) override;
};
