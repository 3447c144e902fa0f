#pragma once

// A window for driving the flowchart editor headless: a fixed client area
// without scroll bars, redraws counted, menus recorded and answered with a
// chosen command (sent to the editor, as the platform's menus do), and the
// modifier keys held as the test says.

#include "CDiagramEditor.h"
#include "DiagramMenu.h"
#include "EditorWindow.h"

#include <set>
#include <vector>

class LinkEditorWindow : public EditorWindow {
public:
    CDiagramEditor* editor = nullptr;
    std::vector<DiagramMenu> menus;
    std::vector<UINT> menuChoices; // answered in turn; 0 when none left
    std::set<UINT> heldKeys;
    int redraws = 0;
    int focusCalls = 0;

    bool exists() const override { return true; }
    CSize getClientSize() const override { return CSize(2000, 2000); }
    EditorScrollBar getScrollBar(int) const override { return {}; }
    void setScrollBar(int, bool, int, int) override {}
    void setScrollPos(int, int) override {}
    void redraw() override { ++redraws; }
    void setRedraw(bool) override {}
    void captureMouse() override { m_capture = true; }
    void releaseMouse() override { m_capture = false; }
    bool hasCapture() const override { return m_capture; }
    void setCursor(DiagramCursor) override {}
    CPoint getCursorPos() const override { return CPoint(); }
    CPoint clientToScreen(CPoint point) const override { return point; }
    void setTimer(UINT, int) override {}
    void killTimer(UINT) override {}
    UINT trackPopupMenu(const DiagramMenu& menu, int, int) override {
        menus.push_back(menu);
        const UINT choice = menus.size() <= menuChoices.size() ? menuChoices[menus.size() - 1] : 0;
        if (choice && editor)
            editor->OnCommand(choice);
        return choice;
    }
    void setFocus() override { ++focusCalls; }
    bool isKeyDown(UINT key) const override { return heldKeys.count(key) > 0; }

private:
    bool m_capture = false;
};
