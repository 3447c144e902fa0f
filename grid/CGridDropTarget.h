#pragma once

// Makes a grid a target for dragged text: the enter, over, leave and drop
// callbacks of wxWidgets' drag and drop go to the grid's OnDragEnter,
// OnDragOver, OnDragLeave and OnDrop. The grid registers it on its window
// (which then owns it) and tries again on every size message until that
// has succeeded.

#include <wx/dnd.h>

class CGridCtrl;

class CGridDropTarget : public wxDropTarget {
public:
    CGridDropTarget();

    // FALSE when already registered, while another registration runs, or
    // without a grid window.
    bool Register(CGridCtrl* grid);
    void Revoke();
    bool IsRegistered() const { return m_registered; }

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
    void OnLeave() override;
    bool OnDrop(wxCoord x, wxCoord y) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;

private:
    unsigned keyFlags() const;

    CGridCtrl* m_grid = nullptr;
    bool m_registered = false;
};
