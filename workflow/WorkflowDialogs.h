#pragma once

// How the notation nodes reach the GUI: the dialogs they open, and the
// editor window they act in. The GUI installs the service at start-up;
// without one no dialog opens (Cancel), nothing is redrawn and a double
// click opens a node's graphical properties, the editor's mode at start.

#include "WinTypes.h"

class CActivityBox;
class EditorWindow;
class Item;
class Project;

// What the create-or-select dialog answers: OK with "Create", OK with an
// item selected, or nothing (Cancel).
struct ItemChoice {
    int result = IDCANCEL;
    int create = 0;
    Item* selected = nullptr;
};

class WorkflowDialogs {
public:
    virtual ~WorkflowDialogs() = default;

    // CSelectOrCreateProcessItemDlgMgt over the project with the class
    // filter (4: activity, macro-activity, phase or workflow), no parent.
    virtual ItemChoice selectOrCreateItem(Project* project, int classFilter) = 0;
    // CNameAndGraphicalProperty of the box, no parent; IDOK when the values
    // were stored into the box.
    virtual int editActivityGraphicalProperties(CActivityBox& box, EditorWindow* window) = 0;
    // Invalidates the editor window, erasing it.
    virtual void redraw(EditorWindow* window) = 0;
    // The editor's double-click mode: 1 a double click opens a bound node's
    // graphical properties, 0 its item's property sheet.
    virtual int doubleClickMode(EditorWindow* window) = 0;

    // Installs the service used from now on (null: none); the caller keeps it.
    static void install(WorkflowDialogs* service);
    static WorkflowDialogs* current();
};
