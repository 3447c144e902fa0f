#include "ItemPageEditing.h"

#include "CDHtmlEditDlg.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "UserInterface.h"

void runItemPageEditor(Project* project, ProcessItem* item, bool viewOnly, int language, wxWindow* parent) {
    if (!project || !item)
        return;
    try {
        const CString pagePath = project->getItemPagePath(item, language);
        const CString title = CString(viewOnly ? "View " : "Edit ") + item->getName();
        const CString pageFolder = project->getProjectDirectory() + item->getFolder(1, 1);
        CDHtmlEditDlg editor(dynamic_cast<ProcessManager*>(project), item, viewOnly ? 1 : 0, pagePath, title,
                             pageFolder, viewOnly ? 0 : 1, language, parent);
        editor.DoModal();
    } catch (...) {
        ui::AfxMessageBox("An unexpected error has occured");
    }
}
