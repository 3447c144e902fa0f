#include "DiagramCanvas.h"

#include "DiagramDC.h"
#include "DiagramMenu.h"
#include "WxScrollCode.h"
#include "WxText.h"

#include <algorithm>
#include <gtk/gtk.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/utils.h>

using namespace editorinput;

namespace {

// A timer that hands its ticks to the editor under its id.
class EditorTimer : public wxTimer {
public:
    EditorTimer(CDiagramEditor& editor, UINT id) : m_editor(editor), m_id(id) {}
    void Notify() override { m_editor.OnTimer(m_id); }

private:
    CDiagramEditor& m_editor;
    UINT m_id;
};

int orientationOf(int bar) {
    return bar == SB_HORZ ? wxHORIZONTAL : wxVERTICAL;
}

wxStockCursor stockCursorOf(DiagramCursor cursor) {
    switch (cursor) {
    case DiagramCursor::sizeAll:
        return wxCURSOR_SIZING;
    case DiagramCursor::sizeNWSE:
        return wxCURSOR_SIZENWSE;
    case DiagramCursor::sizeNS:
        return wxCURSOR_SIZENS;
    case DiagramCursor::sizeNESW:
        return wxCURSOR_SIZENESW;
    case DiagramCursor::sizeWE:
        return wxCURSOR_SIZEWE;
    case DiagramCursor::cross:
        return wxCURSOR_CROSS;
    case DiagramCursor::link:
        return wxCURSOR_HAND;
    case DiagramCursor::none:
    case DiagramCursor::arrow:
        break;
    }
    return wxCURSOR_ARROW;
}

// The menu as a wxMenu: greyed items, radio items with their check, submenus.
// The toolkit's item ids stop below the program's command numbers, so each
// item gets the id 1 + its place in commands, which keeps its command.
void fillMenu(wxMenu& target, const std::vector<DiagramMenuItem>& items, std::vector<UINT>& commands) {
    for (const DiagramMenuItem& item : items) {
        if (item.isSubmenu()) {
            auto* submenu = new wxMenu;
            fillMenu(*submenu, item.submenu, commands);
            target.AppendSubMenu(submenu, toWx(item.text));
        } else if (item.isSeparator()) {
            target.AppendSeparator();
        } else {
            commands.push_back(item.id);
            wxMenuItem* added = target.Append(static_cast<int>(commands.size()), toWx(item.text),
                                              wxEmptyString, item.radio ? wxITEM_RADIO : wxITEM_NORMAL);
            if (item.radio)
                added->Check(item.checked);
            added->Enable(item.enabled);
        }
    }
}

} // namespace

DiagramCanvas::DiagramCanvas(wxWindow* parent, CDiagramEditor& editor, CDiagramEntityContainer* container,
                             wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxWindow(parent, id, pos, size, wxWANTS_CHARS | wxHSCROLL | wxVSCROLL | wxFULL_REPAINT_ON_RESIZE),
      m_editor(editor) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    // Scroll bars beside the paper, as the platform's, not drawn over it:
    // the client area is what the editor paints.
    if (GtkWidget* widget = GetHandle(); widget && GTK_IS_SCROLLED_WINDOW(widget))
        gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(widget), FALSE);
    Bind(wxEVT_PAINT, &DiagramCanvas::OnPaint, this);
    for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DOWN,
                             wxEVT_RIGHT_UP, wxEVT_MIDDLE_DOWN, wxEVT_MOTION, wxEVT_MOUSEWHEEL})
        Bind(type, &DiagramCanvas::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &DiagramCanvas::OnKey, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { m_editor.OnCaptureLost(); });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        m_editor.OnKillFocus();
        event.Skip();
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        m_editor.OnSize();
        Refresh(false);
        event.Skip();
    });
    for (const auto& type : {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
                             wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
                             wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE})
        Bind(type, &DiagramCanvas::OnScroll, this);
    setScrollBar(SB_HORZ, false, 0, 0);
    setScrollBar(SB_VERT, false, 0, 0);
    const wxSize client = GetClientSize();
    m_editor.create(this, CRect(0, 0, client.x, client.y), container);
}

DiagramCanvas::~DiagramCanvas() {
    m_timers.clear();
    if (HasCapture())
        ReleaseMouse();
}

CSize DiagramCanvas::getClientSize() const {
    const wxSize size = GetClientSize();
    return CSize(size.x, size.y);
}

EditorScrollBar DiagramCanvas::getScrollBar(int bar) const {
    EditorScrollBar info = m_bars[bar];
    info.pos = info.shown ? GetScrollPos(orientationOf(bar)) : 0;
    return info;
}

void DiagramCanvas::setScrollBar(int bar, bool shown, int max, int page) {
    EditorScrollBar& info = m_bars[bar];
    info.shown = shown;
    info.max = shown ? max : 0;
    info.page = shown ? page : 0;
    // The toolkit's range counts positions: max - page + 1 of them past 0,
    // as the platform's bar with its page.
    const int pos = std::clamp(GetScrollPos(orientationOf(bar)), 0, info.maxPos());
    if (shown)
        SetScrollbar(orientationOf(bar), pos, info.page, info.max + 1);
    else
        SetScrollbar(orientationOf(bar), 0, 0, 0);
}

void DiagramCanvas::setScrollPos(int bar, int pos) {
    if (!m_bars[bar].shown)
        return;
    SetScrollPos(orientationOf(bar), std::clamp(pos, 0, m_bars[bar].maxPos()));
}

void DiagramCanvas::redraw() {
    if (!m_redrawOn || IsBeingDeleted())
        return;
    Refresh(false);
    Update();
}

void DiagramCanvas::setRedraw(bool on) {
    m_redrawOn = on;
}

void DiagramCanvas::captureMouse() {
    if (!HasCapture())
        CaptureMouse();
}

void DiagramCanvas::releaseMouse() {
    if (HasCapture())
        ReleaseMouse();
}

bool DiagramCanvas::hasCapture() const {
    return HasCapture();
}

void DiagramCanvas::setCursor(DiagramCursor cursor) {
    SetCursor(wxCursor(stockCursorOf(cursor)));
}

CPoint DiagramCanvas::getCursorPos() const {
    const wxPoint point = ScreenToClient(wxGetMousePosition());
    return CPoint(point.x, point.y);
}

CPoint DiagramCanvas::clientToScreen(CPoint point) const {
    const wxPoint screen = ClientToScreen(wxPoint(point.x, point.y));
    return CPoint(screen.x, screen.y);
}

void DiagramCanvas::setTimer(UINT id, int milliseconds) {
    auto& timer = m_timers[id];
    if (!timer)
        timer = std::make_unique<EditorTimer>(m_editor, id);
    timer->Start(milliseconds);
}

void DiagramCanvas::killTimer(UINT id) {
    auto found = m_timers.find(id);
    if (found != m_timers.end())
        found->second->Stop();
}

UINT DiagramCanvas::trackPopupMenu(const DiagramMenu& menu, int x, int y) {
    wxMenu popup;
    std::vector<UINT> commands;
    fillMenu(popup, menu.items(), commands);
    const int chosen = GetPopupMenuSelectionFromUser(popup, ScreenToClient(wxPoint(x, y)));
    if (chosen <= 0 || chosen > static_cast<int>(commands.size()))
        return 0;
    const UINT command = commands[chosen - 1];
    m_editor.OnCommand(command);
    return command;
}

void DiagramCanvas::setFocus() {
    SetFocus();
}

bool DiagramCanvas::isKeyDown(UINT virtualKey) const {
    if (virtualKey == VK_SHIFT)
        return m_shift;
    if (virtualKey == VK_CONTROL)
        return m_ctrl;
    return false;
}

void DiagramCanvas::OnPaint(wxPaintEvent&) {
    wxPaintDC paintDC(this);
    wxGraphicsContext* graphics = paintDC.GetGraphicsContext();
    if (!graphics)
        return;
    graphics->SetAntialiasMode(wxANTIALIAS_NONE);
    auto* context = static_cast<_cairo*>(graphics->GetNativeContext());
    if (!context)
        return;
    DiagramDC dc(context);
    m_editor.paint(dc);
}

UINT DiagramCanvas::flagsOf(const wxMouseEvent& event) {
    m_shift = event.ShiftDown();
    m_ctrl = event.ControlDown();
    UINT flags = 0;
    if (event.LeftIsDown())
        flags |= MK_LBUTTON;
    if (event.RightIsDown())
        flags |= MK_RBUTTON;
    if (event.MiddleIsDown())
        flags |= MK_MBUTTON;
    if (m_shift)
        flags |= MK_SHIFT;
    if (m_ctrl)
        flags |= MK_CONTROL;
    return flags;
}

void DiagramCanvas::OnMouse(wxMouseEvent& event) {
    const UINT flags = flagsOf(event);
    const CPoint point(event.GetX(), event.GetY());
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_LEFT_DOWN) {
        m_lastMotion = point;
        m_editor.OnLButtonDown(flags, point);
    } else if (type == wxEVT_LEFT_UP) {
        // The toolkit may fold the last move into the release: the gesture
        // still ends where the button came up.
        if (m_editor.getInteractMode() != MODE_NONE && point != m_lastMotion)
            m_editor.OnMouseMove(flags | MK_LBUTTON, point);
        m_editor.OnLButtonUp(flags, point);
    } else if (type == wxEVT_LEFT_DCLICK)
        m_editor.OnLButtonDblClk(flags, point);
    else if (type == wxEVT_RIGHT_DOWN)
        m_editor.OnRButtonDown(flags, point);
    else if (type == wxEVT_RIGHT_UP)
        m_editor.OnRButtonUp(flags, point);
    else if (type == wxEVT_MIDDLE_DOWN)
        m_editor.OnMButtonDown(flags, point);
    else if (type == wxEVT_MOUSEWHEEL && event.GetWheelAxis() == wxMOUSE_WHEEL_VERTICAL)
        m_editor.OnMouseWheel(flags, event.GetWheelRotation() * 120 / std::max(1, event.GetWheelDelta()),
                              point);
    else if (type == wxEVT_MOTION) {
        m_lastMotion = point;
        m_editor.OnMouseMove(flags, point);
        m_editor.OnSetCursor();
    }
}

UINT DiagramCanvas::virtualKeyOf(int keyCode) {
    switch (keyCode) {
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return VK_LEFT;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return VK_RIGHT;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return VK_UP;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return VK_DOWN;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        return VK_PRIOR;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        return VK_NEXT;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        return VK_DELETE;
    case WXK_INSERT:
    case WXK_NUMPAD_INSERT:
        return VK_INSERT;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return VK_RETURN;
    case WXK_ESCAPE:
        return VK_ESCAPE;
    case WXK_NUMPAD_ADD:
        return VK_ADD;
    case WXK_NUMPAD_SUBTRACT:
        return VK_SUBTRACT;
    default:
        break;
    }
    if (keyCode >= 'a' && keyCode <= 'z')
        return static_cast<UINT>(keyCode - 'a' + 'A');
    if (keyCode >= 'A' && keyCode <= 'Z')
        return static_cast<UINT>(keyCode);
    return 0;
}

void DiagramCanvas::OnKey(wxKeyEvent& event) {
    m_shift = event.ShiftDown();
    m_ctrl = event.ControlDown();
    const UINT key = virtualKeyOf(event.GetKeyCode());
    if (key == 0) {
        event.Skip();
        return;
    }
    m_editor.OnKeyDown(key, 1, 0);
}

void DiagramCanvas::OnScroll(wxScrollWinEvent& event) {
    const UINT code = scrollCodeOf(event);
    if (event.GetOrientation() == wxHORIZONTAL)
        m_editor.OnHScroll(code, event.GetPosition());
    else
        m_editor.OnVScroll(code, event.GetPosition());
}
