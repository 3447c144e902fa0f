#pragma once

// The flowchart editor's popup menu: the editor's Cut, Copy and Paste, the
// link commands (Link, Break link, Flip link direction, Link label...) and
// Group and Ungroup, each greyed when it cannot act.

#include "CDiagramMenu.h"

class CFlowchartMenu : public CDiagramMenu {
public:
    DiagramMenu getPopupMenu(const CDiagramEditor& editor) override;
};
