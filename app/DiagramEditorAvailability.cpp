#include "DiagramEditorAvailability.h"

#include <wx/window.h>

void disableDiagramCommand(wxWindow* control) {
    control->Disable();
    control->SetToolTip(kDiagramEditorMissing);
}
