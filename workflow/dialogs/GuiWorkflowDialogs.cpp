#include "GuiWorkflowDialogs.h"

#include "CSelectOrCreateProcessItemDlgMgt.h"

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

void GuiWorkflowDialogs::redraw(EditorWindow* /*window*/) {}

int GuiWorkflowDialogs::doubleClickMode(EditorWindow* /*window*/) {
    return 1;
}
