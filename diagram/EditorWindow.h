#pragma once

// The window a diagram editor works on, as the headless editor sees it: its
// client size, scroll bars, redrawing, mouse capture, cursor, timers, popup
// menus, focus and the state of the modifier keys. DiagramCanvas implements
// it on wxWidgets; tests implement it with a window that records every call.
//
// Coordinates are the window's client pixels; screen points are what
// clientToScreen gives.

#include "CPoint.h"
#include "CSize.h"
#include "DiagramCursor.h"
#include "WinTypes.h"

class DiagramMenu;

// The platform's numbers for the keys, buttons and scroll bars the editor
// reads; the canvas translates its toolkit's events into them.
namespace editorinput {

// Mouse flags of a button or move event.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// Virtual key codes.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_PRIOR = 0x21; // Page Up
constexpr UINT VK_NEXT = 0x22;  // Page Down
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_ADD = 0x6B;      // numeric keypad +
constexpr UINT VK_SUBTRACT = 0x6D; // numeric keypad -
// Letters are their capitals: 'A', 'C', 'V', 'X', 'Z'.

// Scroll bars and the codes of a scroll event.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_ENDSCROLL = 8;

} // namespace editorinput

// One scroll bar: shown or not, its range 0 .. max, its page and position.
// As on the platform, the position runs from 0 to max - page + 1.
struct EditorScrollBar {
    bool shown = false;
    int max = 0;
    int page = 0;
    int pos = 0;

    int maxPos() const { return max - page + 1 > 0 ? max - page + 1 : 0; }
    bool operator==(const EditorScrollBar&) const = default;
};

class EditorWindow {
public:
    virtual ~EditorWindow() = default;

    // Whether the window exists yet (before: nothing is redrawn or scrolled).
    virtual bool exists() const = 0;
    virtual CSize getClientSize() const = 0;

    // Scroll bars (editorinput::SB_HORZ, SB_VERT).
    virtual EditorScrollBar getScrollBar(int bar) const = 0;
    // Shows or hides the bar with its range and page; the position is kept
    // within the new range.
    virtual void setScrollBar(int bar, bool shown, int max, int page) = 0;
    // Sets the position, kept within the range.
    virtual void setScrollPos(int bar, int pos) = 0;

    // A full redraw: invalidated, erased and painted before it returns (when
    // redrawing is on).
    virtual void redraw() = 0;
    // Redrawing suspended (false) or resumed (true); redraws asked for while
    // it is off are not painted.
    virtual void setRedraw(bool on) = 0;

    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    virtual bool hasCapture() const = 0;
    virtual void setCursor(DiagramCursor cursor) = 0;
    // Where the mouse pointer is now, in client coordinates.
    virtual CPoint getCursorPos() const = 0;
    virtual CPoint clientToScreen(CPoint point) const = 0;

    // A timer of the id, firing every milliseconds until killed; the window
    // hands each tick to its editor's OnTimer.
    virtual void setTimer(UINT id, int milliseconds) = 0;
    virtual void killTimer(UINT id) = 0;

    // Tracks the popup menu at a screen point with the right button; the
    // chosen command goes to the window's editor, as the platform's menus
    // send it. Answers the command, 0 when none was chosen.
    virtual UINT trackPopupMenu(const DiagramMenu& menu, int x, int y) = 0;

    virtual void setFocus() = 0;
    // Whether a key (editorinput::VK_SHIFT, VK_CONTROL) is held now.
    virtual bool isKeyDown(UINT virtualKey) const = 0;
};
