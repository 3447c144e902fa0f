#pragma once

// The modeless property dialog of an entity, as the entity sees it. The GUI
// makes it (DiagramDialogs::createPropertyDialog) the first time the entity
// shows its properties; the entity owns it from then on and destroys it, with
// its window, when the entity goes.

#include "WinTypes.h"

class CDiagramEntity;
class EditorWindow;

class DiagramPropertyDialog {
public:
    virtual ~DiagramPropertyDialog() = default;
    // The entity the dialog edits.
    virtual void setEntity(CDiagramEntity* entity) = 0;
    virtual bool hasWindow() const = 0;
    // Creates the window from the dialog template, parent becoming the
    // window the dialog redraws after applying its values.
    virtual void create(UINT templateId, EditorWindow* parent) = 0;
    virtual void show(bool show) = 0;
    // Fills the controls from the entity: each time the dialog is shown and
    // each time the entity's rectangle changes.
    virtual void setValues() = 0;
    virtual void setFocus() = 0;
};
