#include "CGridDropTarget.h"

#include "CGridCtrl.h"
#include "WxText.h"

#include <wx/utils.h>

CGridDropTarget::CGridDropTarget() : wxDropTarget(new wxTextDataObject) {}

bool CGridDropTarget::Register(CGridCtrl* grid) {
    static bool registering = false;
    if (m_registered || registering || !grid || !grid->HasWindow())
        return false;
    registering = true;
    m_grid = grid;
    grid->SetDropTarget(this);
    m_registered = true;
    registering = false;
    return true;
}

void CGridDropTarget::Revoke() {
    if (m_registered && m_grid) {
        m_registered = false;
        m_grid->SetDropTarget(nullptr);
    }
}

unsigned CGridDropTarget::keyFlags() const {
    return wxGetKeyState(WXK_CONTROL) ? MK_CONTROL : 0;
}

wxDragResult CGridDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult) {
    return m_grid ? m_grid->OnDragEnter(TRUE, keyFlags(), wxPoint(x, y)) : wxDragNone;
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult) {
    return m_grid ? m_grid->OnDragOver(TRUE, keyFlags(), wxPoint(x, y)) : wxDragNone;
}

void CGridDropTarget::OnLeave() {
    if (m_grid)
        m_grid->OnDragLeave();
}

bool CGridDropTarget::OnDrop(wxCoord, wxCoord) {
    return m_grid != nullptr;
}

wxDragResult CGridDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult def) {
    if (!m_grid || !GetData())
        return wxDragNone;
    const auto* text = static_cast<wxTextDataObject*>(GetDataObject());
    return m_grid->OnDrop(fromWx(text->GetText()), def, wxPoint(x, y)) ? def : wxDragNone;
}
