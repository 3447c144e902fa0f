#include "CFlowchartMenu.h"

#include "CFlowchartEditor.h"

DiagramMenu CFlowchartMenu::getPopupMenu(const CDiagramEditor& editor) {
    const auto* flowchart = dynamic_cast<const CFlowchartEditor*>(&editor);
    const bool linked = flowchart && flowchart->isSelectionLinked();
    // The editor's items, the link commands before Group and Ungroup.
    const DiagramMenu editorMenu = CDiagramMenu::getPopupMenu(editor);
    DiagramMenu menu;
    for (const DiagramMenuItem& item : editorMenu.items()) {
        if (item.id == ID_EDIT_GROUP) {
            menu.append(ID_LINK, "Link");
            menu.enable(ID_LINK, flowchart && flowchart->canLinkSelection());
            menu.append(ID_BREAK_LINK, "Break link");
            menu.append(ID_FLIP_LINK, "Flip link direction");
            menu.append(ID_EDIT_LINK_NAME, "Link label...");
            for (const UINT id : {ID_BREAK_LINK, ID_FLIP_LINK, ID_EDIT_LINK_NAME})
                menu.enable(id, linked);
            menu.appendSeparator();
        }
        if (item.isSeparator()) {
            menu.appendSeparator();
            continue;
        }
        menu.append(item.id, item.text);
        menu.enable(item.id, item.enabled);
    }
    menu.enable(ID_EDIT_GROUP, !editor.isSelectionOneGroup());
    menu.enable(ID_EDIT_UNGROUP, editor.isGroupInSelection());
    return menu;
}
