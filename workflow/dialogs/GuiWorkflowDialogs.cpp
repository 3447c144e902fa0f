#include "GuiWorkflowDialogs.h"

#include "CSelectOrCreateProcessItemDlgMgt.h"
#include "DiagramCanvas.h"

ItemChoice GuiWorkflowDialogs::selectOrCreateItem(Project* project, int classFilter) {
    CSelectOrCreateProcessItemDlgMgt dialog(project, classFilter, nullptr);
    ItemChoice choice;
    choice.result = dialog.DoModal() == IDOK ? IDOK : IDCANCEL;
    if (choice.result == IDOK) {
        choice.create = dialog.m_create;
        choice.selected = dialog.m_selectedItem;
    }
    return choice;
}

int GuiWorkflowDialogs::editActivityGraphicalProperties(CActivityBox& /*box*/, EditorWindow* /*window*/) {
    return IDCANCEL;
}

void GuiWorkflowDialogs::redraw(EditorWindow* window) {
    if (window)
        window->redraw();
}

int GuiWorkflowDialogs::doubleClickMode(EditorWindow* window) {
    // The mode is the editor's; the canvas is the window of one editor.
    if (auto* canvas = dynamic_cast<DiagramCanvas*>(window))
        return canvas->getEditor().getDoubleClickMode();
    return 1;
}
