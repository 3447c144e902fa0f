#include "CDiagramPropertyDlg.h"

#include "DiagramPropertyDialog.h"
#include "EditorWindow.h"

#include <map>
#include <wx/weakref.h>

namespace {

std::map<UINT, CDiagramPropertyDlg::Factory>& factories() {
    static std::map<UINT, CDiagramPropertyDlg::Factory> registered;
    return registered;
}

// What the entity owns: the dialog window, made on first use and destroyed
// with the handle. The window may also go first, with its parent editor
// window; the weak reference then reads null.
class PropertyDialogHandle : public DiagramPropertyDialog {
public:
    explicit PropertyDialogHandle(CDiagramPropertyDlg::Factory factory) : m_factory(std::move(factory)) {}
    ~PropertyDialogHandle() override {
        if (CDiagramPropertyDlg* dialog = m_dialog.get()) {
            dialog->setEntity(nullptr);
            dialog->Hide();
            dialog->Destroy();
        }
    }
    void setEntity(CDiagramEntity* entity) override {
        m_entity = entity;
        if (m_dialog)
            m_dialog->setEntity(entity);
    }
    bool hasWindow() const override { return m_dialog.get() != nullptr; }
    void create(UINT /*templateId*/, EditorWindow* parent) override {
        CDiagramPropertyDlg* dialog = m_factory(dynamic_cast<wxWindow*>(parent));
        if (!dialog)
            return;
        m_dialog = dialog;
        dialog->setRedrawWindow(parent);
        dialog->setEntity(m_entity);
    }
    void show(bool show) override {
        if (m_dialog)
            m_dialog->Show(show);
    }
    void setValues() override {
        if (m_dialog)
            m_dialog->setValues();
    }
    void setFocus() override {
        if (m_dialog)
            m_dialog->SetFocus();
    }

private:
    CDiagramPropertyDlg::Factory m_factory;
    CDiagramEntity* m_entity = nullptr;
    wxWeakRef<CDiagramPropertyDlg> m_dialog;
};

} // namespace

CDiagramPropertyDlg::CDiagramPropertyDlg(UINT templateId, wxWindow* parent, const CString& caption)
    : TolvaneDialog(parent, caption), m_templateId(templateId) {}

void CDiagramPropertyDlg::redrawParent() {
    if (m_redrawWindow)
        m_redrawWindow->redraw();
}

void CDiagramPropertyDlg::registerTemplate(UINT templateId, Factory factory) {
    factories()[templateId] = std::move(factory);
}

std::unique_ptr<DiagramPropertyDialog> CDiagramPropertyDlg::createHandle(UINT templateId) {
    auto found = factories().find(templateId);
    if (found == factories().end())
        return nullptr;
    return std::make_unique<PropertyDialogHandle>(found->second);
}
