#include "CDiagramMenu.h"

#include "CDiagramEditor.h"

DiagramMenu CDiagramMenu::getPopupMenu(const CDiagramEditor& editor) {
    DiagramMenu menu;
    menu.append(ID_EDIT_CUT, "Cut");
    menu.append(ID_EDIT_COPY, "Copy");
    menu.append(ID_EDIT_PASTE, "Paste");
    menu.appendSeparator();
    menu.append(ID_EDIT_GROUP, "Group");
    menu.append(ID_EDIT_UNGROUP, "Ungroup");

    const bool selected = editor.isAnyObjectSelected();
    menu.enable(ID_EDIT_CUT, selected);
    menu.enable(ID_EDIT_COPY, selected);
    CDiagramEntityContainer* objs = editor.getDiagramEntityContainer();
    menu.enable(ID_EDIT_PASTE, objs && objs->getPasteCount() > 0);
    const bool several = editor.getSelectCount() >= 2;
    menu.enable(ID_EDIT_GROUP, several);
    menu.enable(ID_EDIT_UNGROUP, several);
    return menu;
}
