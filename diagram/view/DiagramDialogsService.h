#pragma once

// The DiagramDialogs service of the GUI: popup menus tracked by the editor
// window they belong to, modeless property dialogs made from the classes
// registered under their templates (CDiagramPropertyDlg). The modal property
// dialogs of the shapes answer Cancel until their dialogs come.

#include "DiagramDialogs.h"

class DiagramDialogsService : public DiagramDialogs {
public:
    int editLineProperties(CDiagramLine& line, EditorWindow* window) override;
    int editBoxProperties(CFlowchartGeometricForm& shape, EditorWindow* window) override;
    int editGatewayProperties(CFlowchartEntityCondition& condition, EditorWindow* window) override;
    std::unique_ptr<DiagramPropertyDialog> createPropertyDialog(UINT templateId) override;
    UINT trackPopupMenu(const DiagramMenu& menu, int x, int y, EditorWindow* window) override;
};
