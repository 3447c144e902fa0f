#pragma once

// The editor's popup menu, shown on a right click that does not hit a single
// selected entity: Cut, Copy, Paste, Group and Ungroup, each greyed when it
// cannot act. The flowchart editor's menu derives it and adds the link
// commands.

#include "DiagramMenu.h"

class CDiagramEditor;

class CDiagramMenu {
public:
    virtual ~CDiagramMenu() = default;
    // The menu to track, with its items enabled for the editor's state.
    virtual DiagramMenu getPopupMenu(const CDiagramEditor& editor);
};
