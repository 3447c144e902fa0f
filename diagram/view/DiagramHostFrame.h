#pragma once

// A frame that shows the flowchart editor on a diagram of its own: the
// container with its paper, the flowchart editor (snap on, objects kept on
// the paper) and its canvas filling the frame. Tests and the diagram's developers open it to drive the
// editor with real events; it installs the GUI's dialogs service while no
// other is installed.

#include "CFlowchartEditor.h"
#include "CFlowchartEntityContainer.h"
#include "DiagramDialogsService.h"

#include <wx/frame.h>

class DiagramCanvas;

class DiagramHostFrame : public wxFrame {
public:
    DiagramHostFrame(const wxString& title, CSize paper, const wxSize& clientSize);
    ~DiagramHostFrame() override;

    DiagramCanvas& canvas() const { return *m_canvas; }
    CFlowchartEditor& editor() { return m_editor; }
    CFlowchartEntityContainer& container() { return m_container; }

private:
    CFlowchartEntityContainer m_container;
    CFlowchartEditor m_editor;
    DiagramDialogsService m_dialogs;
    bool m_installedDialogs = false;
    DiagramCanvas* m_canvas = nullptr;
};
