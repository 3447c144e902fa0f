#include "CGridDropTarget.h"

#include "CGridCtrl.h"
#include "WxText.h"

#include <wx/utils.h>

CGridDropTarget::CGridDropTarget() : wxDropTarget(new wxTextDataObject) {}

bool CGridDropTarget::Register(CGridCtrl* grid) {
    static bool registering = false;
    if (m_bRegistered || registering || !grid || !grid->HasWindow())
        return false;
    registering = true;
    m_pGridCtrl = grid;
    grid->SetDropTarget(this);
    m_bRegistered = true;
    registering = false;
    return true;
}

void CGridDropTarget::Revoke() {
    if (m_bRegistered && m_pGridCtrl) {
        m_bRegistered = false;
        m_pGridCtrl->SetDropTarget(nullptr);
    }
}

unsigned CGridDropTarget::keyFlags() const {
    return wxGetKeyState(WXK_CONTROL) ? MK_CONTROL : 0;
}

wxDragResult CGridDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult) {
    return m_pGridCtrl ? m_pGridCtrl->OnDragEnter(TRUE, keyFlags(), wxPoint(x, y)) : wxDragNone;
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult) {
    return m_pGridCtrl ? m_pGridCtrl->OnDragOver(TRUE, keyFlags(), wxPoint(x, y)) : wxDragNone;
}

void CGridDropTarget::OnLeave() {
    if (m_pGridCtrl)
        m_pGridCtrl->OnDragLeave();
}

bool CGridDropTarget::OnDrop(wxCoord, wxCoord) {
    return m_pGridCtrl != nullptr;
}

wxDragResult CGridDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult def) {
    if (!m_pGridCtrl || !GetData())
        return wxDragNone;
    const auto* text = static_cast<wxTextDataObject*>(GetDataObject());
    return m_pGridCtrl->OnDrop(fromWx(text->GetText()), def, wxPoint(x, y)) ? def : wxDragNone;
}
