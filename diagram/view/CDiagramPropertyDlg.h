#pragma once

// The base of the modeless property dialogs an entity opens for itself: it
// knows the entity it edits and the editor window it redraws after applying
// its values. Each dialog class registers itself under its template id; the
// entity gets a handle (createHandle) that makes the window the first time
// the properties are shown and destroys it when the entity goes (deleted,
// cut, undone, or the diagram reloaded), so that no dialog is left with an
// entity that no longer exists.

#include "TolvaneDialog.h"
#include "WinTypes.h"

#include <functional>
#include <memory>

class CDiagramEntity;
class DiagramPropertyDialog;
class EditorWindow;

class CDiagramPropertyDlg : public TolvaneDialog {
public:
    CDiagramPropertyDlg(UINT templateId, wxWindow* parent, const CString& caption);

    virtual void setEntity(CDiagramEntity* entity) { m_entity = entity; }
    CDiagramEntity* getEntity() const { return m_entity; }
    virtual EditorWindow* getRedrawWindow() const { return m_redrawWindow; }
    virtual void setRedrawWindow(EditorWindow* window) { m_redrawWindow = window; }
    // Redraws the editor window whole (nothing without one).
    virtual void redrawParent();
    // Fills the controls from the entity; each derived dialog has its own.
    virtual void setValues() {}
    UINT getTemplateId() const { return m_templateId; }

    // The dialog class of a template: made with the editor window as parent.
    using Factory = std::function<CDiagramPropertyDlg*(wxWindow* parent)>;
    static void registerTemplate(UINT templateId, Factory factory);
    // A handle for the entity; null when no class is registered for the template.
    static std::unique_ptr<DiagramPropertyDialog> createHandle(UINT templateId);

private:
    UINT m_templateId;
    CDiagramEntity* m_entity = nullptr;
    EditorWindow* m_redrawWindow = nullptr;
};
