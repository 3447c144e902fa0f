#pragma once

// The window of the diagram editor: a wxWidgets window (it takes every key)
// that implements EditorWindow for a CDiagramEditor and hands it its events.
// It paints through DiagramDC on the cairo context of its paint DC, so the
// screen shows the pixels of the offscreen rendering; its scroll bars take
// the platform's ranges and pages; panning runs on a wxTimer; the mouse is
// captured while a button drags and a lost capture ends the gesture; menus
// are tracked as wxMenus; cursors are the stock ones.

#include "CDiagramEditor.h"
#include "EditorWindow.h"

#include <map>
#include <memory>
#include <wx/window.h>

class wxTimer;

class DiagramCanvas : public wxWindow, public EditorWindow {
public:
    // Creates the window and the editor on it over the container.
    DiagramCanvas(wxWindow* parent, CDiagramEditor& editor, CDiagramEntityContainer* container,
                  wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize);
    ~DiagramCanvas() override;

    CDiagramEditor& getEditor() const { return m_editor; }

    // EditorWindow
    bool exists() const override { return !IsBeingDeleted(); }
    CSize getClientSize() const override;
    EditorScrollBar getScrollBar(int bar) const override;
    void setScrollBar(int bar, bool shown, int max, int page) override;
    void setScrollPos(int bar, int pos) override;
    void redraw() override;
    void setRedraw(bool on) override;
    void captureMouse() override;
    void releaseMouse() override;
    bool hasCapture() const override;
    void setCursor(DiagramCursor cursor) override;
    CPoint getCursorPos() const override;
    CPoint clientToScreen(CPoint point) const override;
    void setTimer(UINT id, int milliseconds) override;
    void killTimer(UINT id) override;
    UINT trackPopupMenu(const DiagramMenu& menu, int x, int y) override;
    void setFocus() override;
    bool isKeyDown(UINT virtualKey) const override;

    // The platform's key code of a toolkit key, 0 for a key the editor does not read.
    static UINT virtualKeyOf(int keyCode);

private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnScroll(wxScrollWinEvent& event);
    UINT flagsOf(const wxMouseEvent& event);

    CDiagramEditor& m_editor;
    EditorScrollBar m_bars[2];
    bool m_redrawOn = true;
    CPoint m_lastMotion; // the point of the last move or press
    bool m_shift = false;
    bool m_ctrl = false;
    std::map<UINT, std::unique_ptr<wxTimer>> m_timers;
};
