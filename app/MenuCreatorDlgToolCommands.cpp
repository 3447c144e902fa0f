// The main window's "Parameters" and "Tools": the sheets of the project's
// options and of the site and process tools.

#include "MenuCreatorDlg.h"

#include "CPTools1DialogMgt.h"
#include "CTool1DialogMgt.h"
#include "ItemPropertySheet.h"
#include "OptionPageViews.h"
#include "OptionPages.h"
#include "PageViews.h"
#include "ProcessManager.h"
#include "PropertySheet.h"
#include "ToolsPage.h"

namespace {

// The tools pages are told apart by their template.
constexpr int kStandardToolsTemplate = 177;
constexpr int kProcessToolsTemplate = 178;

void registerSheetViews() {
    static const bool registered = [] {
        PageViews::add<COption1DialogMgt, COption1DialogView>();
        PageViews::add<CProcessOption1DialogMgt, CProcessOption1DialogView>();
        PageViews::add<CProcessOption2DialogMgt, CProcessOption2DialogView>();
        PageViews::add([](wxWindow* parent, PropertyPage& page) -> PropertyPageView* {
            auto* tools = dynamic_cast<ToolsPage*>(&page);
            if (!tools)
                return nullptr;
            if (tools->getTemplateId() == kProcessToolsTemplate)
                return new CPTools1DialogMgt(parent, *tools);
            return new CTool1DialogMgt(parent, *tools);
        });
        return true;
    }();
    (void)registered;
}

// Whether the sheet showed the page: only a page that was created writes its keys.
template <class View> bool created(const ItemPropertySheet& window) {
    const View* view = window.findView<View>();
    return view && view->isInitialised();
}

} // namespace

void CMenuCreatorDlg::OnParameters() {
    if (!m_project || m_running)
        return;
    registerSheetViews();
    COption1DialogMgt standard;
    CProcessOption1DialogMgt generation(m_project.get());
    CProcessOption2DialogMgt popup(m_project.get());
    PropertySheet sheet("Options");
    sheet.addPage(&standard);
    if (m_project->isProcessMode()) {
        sheet.addPage(&generation);
        sheet.addPage(&popup);
    }
    ItemPropertySheet window(sheet, this);
    if (window.DoModal() == IDOK)
        writeOptionSheet(*m_project, created<COption1DialogView>(window) ? &standard : nullptr,
                         created<CProcessOption1DialogView>(window) ? &generation : nullptr,
                         created<CProcessOption2DialogView>(window) ? &popup : nullptr);
    m_tree->SetFocus();
}

void CMenuCreatorDlg::OnTools() {
    if (!m_project || m_running)
        return;
    registerSheetViews();
    Item* selected = itemOf(selectedItemNode());
    ToolsPage standard(kStandardToolsTemplate, "Standard tools", m_project.get(), selected);
    ToolsPage process(kProcessToolsTemplate, "Process tools", m_project.get(), selected);
    PropertySheet sheet("Tools");
    sheet.addPage(&standard);
    if (m_project->isProcessMode())
        sheet.addPage(&process);
    ItemPropertySheet window(sheet, this);
    window.DoModal();
    m_tree->SetFocus();
}
