#pragma once

// A frame on the test display holding one grid, with the notifications the
// grid sends recorded and answered, and synthetic mouse and key events sent
// through the grid's own event handling. Sizes settle by letting the
// toolkit process what is pending, never by sleeping.

#include "CGridCtrl.h"
#include "GridNotifyEvent.h"

#include <chrono>
#include <map>
#include <memory>
#include <vector>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/frame.h>

struct GridNotice {
    int code;
    int row;
    int col;
    bool operator==(const GridNotice& o) const { return code == o.code && row == o.row && col == o.col; }
};

inline void processPending() {
    for (int i = 0; i < 20; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
    }
}

// Lets the toolkit run until the keyboard focus is on that window: the
// focus of a newly shown window arrives from the display a little later.
inline bool focusArrivesAt(wxWindow* window) {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (wxWindow::FindFocus() != window) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        loop.DispatchTimeout(20);
    }
    return true;
}

class GridTestWindow {
public:
    static constexpr int kGridId = 1101;

    explicit GridTestWindow(const wxSize& clientSize = wxSize(400, 300), CGridCtrl* grid = nullptr) {
        m_frame = new wxFrame(nullptr, wxID_ANY, "Grid test", wxPoint(0, 0), wxDefaultSize);
        m_frame->SetClientSize(clientSize);
        m_grid = grid ? grid : new CGridCtrl;
        m_grid->Create(m_frame, kGridId, wxPoint(0, 0), clientSize);
        m_frame->Bind(wxEVT_GRIDCTRL_NOTIFY, [this](GridNotifyEvent& event) {
            notices.push_back({event.GetCode(), event.GetRow(), event.GetColumn()});
            if (auto answer = answers.find(event.GetCode()); answer != answers.end())
                event.SetResult(answer->second);
        });
        m_frame->Bind(wxEVT_GRIDCTRL_COMMAND, [this](wxCommandEvent&) { ++commands; });
        m_frame->Show();
        m_frame->Raise();
        processPending();
        m_grid->SetFocus();
        processPending();
    }
    ~GridTestWindow() {
        m_frame->Destroy();
        processPending();
    }
    GridTestWindow(const GridTestWindow&) = delete;
    GridTestWindow& operator=(const GridTestWindow&) = delete;

    CGridCtrl& grid() { return *m_grid; }
    wxFrame& frame() { return *m_frame; }

    void mouse(wxEventType type, wxPoint point, bool shift = false, bool control = false) {
        wxMouseEvent event(type);
        event.SetPosition(point);
        event.SetEventObject(m_grid);
        event.SetId(m_grid->GetId());
        event.SetShiftDown(shift);
        event.SetControlDown(control);
        event.m_leftDown =
            type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK || (type == wxEVT_MOTION && m_buttonHeld);
        if (type == wxEVT_LEFT_DOWN)
            m_buttonHeld = true;
        if (type == wxEVT_LEFT_UP)
            m_buttonHeld = false;
        m_grid->GetEventHandler()->ProcessEvent(event);
    }
    void click(wxPoint point, bool shift = false, bool control = false) {
        mouse(wxEVT_LEFT_DOWN, point, shift, control);
        mouse(wxEVT_LEFT_UP, point, shift, control);
    }
    void drag(wxPoint from, wxPoint to) {
        mouse(wxEVT_MOTION, from);
        mouse(wxEVT_LEFT_DOWN, from);
        mouse(wxEVT_MOTION, to);
        mouse(wxEVT_LEFT_UP, to);
    }
    // A key as the toolkit delivers it: the key press, and when nobody
    // handled it, the character.
    void key(wxWindow* target, int keyCode, bool shift = false, bool control = false, wxChar ch = 0) {
        wxKeyEvent down(wxEVT_KEY_DOWN);
        down.m_keyCode = keyCode;
        down.m_uniChar = ch ? ch : (keyCode < WXK_START ? keyCode : WXK_NONE);
        down.SetShiftDown(shift);
        down.SetControlDown(control);
        down.SetEventObject(target);
        wxKeyEvent hook(down);
        hook.SetEventType(wxEVT_CHAR_HOOK);
        if (target->GetEventHandler()->ProcessEvent(hook) && !hook.GetSkipped())
            return;
        if (target->GetEventHandler()->ProcessEvent(down) && !down.GetSkipped())
            return;
        if (down.m_uniChar == WXK_NONE)
            return;
        wxKeyEvent character(down);
        character.SetEventType(wxEVT_CHAR);
        target->GetEventHandler()->ProcessEvent(character);
    }
    void key(int keyCode, bool shift = false, bool control = false) { key(m_grid, keyCode, shift, control); }
    void type(wxWindow* target, wxChar ch) {
        key(target, ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch, false, false, ch);
    }

    // The middle of a cell in client coordinates.
    wxPoint centre(int row, int col) {
        GridRect rect;
        m_grid->GetCellRect(row, col, &rect);
        return wxPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }

    std::vector<GridNotice> notices;
    std::map<int, long> answers;
    int commands = 0;

private:
    wxFrame* m_frame;
    CGridCtrl* m_grid;
    bool m_buttonHeld = false;
};
