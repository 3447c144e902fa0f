#pragma once

// The workflow dialogs service of the GUI, installed by the application:
// the create-or-select dialog for the activity boxes. The graphical
// properties dialog and the editor window come with the diagram editor;
// until then they answer as no dialog and the editor's mode at start.

#include "WorkflowDialogs.h"

class GuiWorkflowDialogs : public WorkflowDialogs {
public:
    ItemChoice selectOrCreateItem(Project* project, int classFilter) override;
    int editActivityGraphicalProperties(CActivityBox& box, EditorWindow* window) override;
    void redraw(EditorWindow* window) override;
    int doubleClickMode(EditorWindow* window) override;
};
