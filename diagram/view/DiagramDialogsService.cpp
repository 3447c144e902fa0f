#include "DiagramDialogsService.h"

#include "CDiagramPropertyDlg.h"
#include "DiagramPropertyDialog.h"
#include "EditorWindow.h"

int DiagramDialogsService::editLineProperties(CDiagramLine&, EditorWindow*) {
    return IDCANCEL;
}

int DiagramDialogsService::editBoxProperties(CFlowchartGeometricForm&, EditorWindow*) {
    return IDCANCEL;
}

int DiagramDialogsService::editGatewayProperties(CFlowchartEntityCondition&, EditorWindow*) {
    return IDCANCEL;
}

std::unique_ptr<DiagramPropertyDialog> DiagramDialogsService::createPropertyDialog(UINT templateId) {
    return CDiagramPropertyDlg::createHandle(templateId);
}

UINT DiagramDialogsService::trackPopupMenu(const DiagramMenu& menu, int x, int y, EditorWindow* window) {
    return window ? window->trackPopupMenu(menu, x, y) : 0;
}
