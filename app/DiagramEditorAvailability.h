#pragma once

// The diagram editor is not part of this version of the program: the
// commands that would open it (the main window's "Edit Diagram" and "Edit
// banner", the tree menu's "Edit diagram", the diagram button of a sheet's
// "Workflow" page) stay disabled and say why.

class wxWindow;

// What the disabled commands say.
constexpr const char* kDiagramEditorMissing =
    "The diagram editor is not available in this version of Tolvane";

// Disables the control and gives it that tooltip.
void disableDiagramCommand(wxWindow* control);
