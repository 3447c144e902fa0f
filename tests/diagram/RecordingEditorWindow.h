#pragma once

// An EditorWindow for tests: a client area of a given size with the
// platform's scroll bars (positions kept within their ranges), and a record
// of every redraw, capture, cursor, timer, popup menu and focus the editor
// asks for. The modifier keys and the pointer are what the test sets; a
// chosen popup command goes to the editor, as the platform's menus send it.

#include "CDiagramEditor.h"
#include "DiagramMenu.h"
#include "EditorWindow.h"

#include <algorithm>
#include <map>
#include <vector>

class RecordingEditorWindow : public EditorWindow {
public:
    explicit RecordingEditorWindow(CSize clientSize = CSize(600, 400)) : client(clientSize) {}

    CSize client;
    EditorScrollBar bars[2];
    int redraws = 0;        // full redraws painted
    int suspendedDraws = 0; // asked for while redrawing was off
    bool redrawOn = true;
    bool captured = false;
    int captures = 0;
    std::vector<DiagramCursor> cursors;
    CPoint cursorPos;
    std::map<UINT, int> timers; // running timers and their intervals
    std::vector<DiagramMenu> menus;
    UINT menuChoice = 0;
    CDiagramEditor* editor = nullptr;
    int focus = 0;
    bool shift = false;
    bool ctrl = false;

    bool exists() const override { return true; }
    CSize getClientSize() const override { return client; }
    EditorScrollBar getScrollBar(int bar) const override { return bars[bar]; }
    void setScrollBar(int bar, bool shown, int max, int page) override {
        bars[bar].shown = shown;
        bars[bar].max = max;
        bars[bar].page = page;
        bars[bar].pos = std::clamp(bars[bar].pos, 0, bars[bar].maxPos());
    }
    void setScrollPos(int bar, int pos) override { bars[bar].pos = std::clamp(pos, 0, bars[bar].maxPos()); }
    void redraw() override { ++(redrawOn ? redraws : suspendedDraws); }
    void setRedraw(bool on) override { redrawOn = on; }
    void captureMouse() override {
        captured = true;
        ++captures;
    }
    void releaseMouse() override { captured = false; }
    bool hasCapture() const override { return captured; }
    void setCursor(DiagramCursor cursor) override { cursors.push_back(cursor); }
    CPoint getCursorPos() const override { return cursorPos; }
    CPoint clientToScreen(CPoint point) const override { return CPoint(point.x + 1000, point.y + 2000); }
    void setTimer(UINT id, int milliseconds) override { timers[id] = milliseconds; }
    void killTimer(UINT id) override { timers.erase(id); }
    UINT trackPopupMenu(const DiagramMenu& menu, int, int) override {
        menus.push_back(menu);
        if (menuChoice && editor)
            editor->OnCommand(menuChoice);
        return menuChoice;
    }
    void setFocus() override { ++focus; }
    bool isKeyDown(UINT key) const override {
        return (key == editorinput::VK_SHIFT && shift) || (key == editorinput::VK_CONTROL && ctrl);
    }
};
