#include "DiagramHostFrame.h"

#include "DiagramCanvas.h"

#include <wx/sizer.h>

DiagramHostFrame::DiagramHostFrame(const wxString& title, CSize paper, const wxSize& clientSize)
    : wxFrame(nullptr, wxID_ANY, title) {
    m_container.setVirtualSize(paper);
    if (!DiagramDialogs::current()) {
        DiagramDialogs::install(&m_dialogs);
        m_installedDialogs = true;
    }
    m_canvas = new DiagramCanvas(this, m_editor, &m_container, wxID_ANY, wxDefaultPosition, clientSize);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_canvas, 1, wxEXPAND);
    SetSizer(sizer);
    SetClientSize(clientSize);
}

DiagramHostFrame::~DiagramHostFrame() {
    // The entities' dialogs go with them, then the canvas while its editor lives.
    m_container.clearAll();
    DestroyChildren();
    if (m_installedDialogs && DiagramDialogs::current() == &m_dialogs)
        DiagramDialogs::install(nullptr);
}
