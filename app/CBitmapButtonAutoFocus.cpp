#include "CBitmapButtonAutoFocus.h"

#include "WxText.h"

#include <wx/dcbuffer.h>
#include <wx/toplevel.h>

CBitmapButtonAutoFocus::CBitmapButtonAutoFocus(wxWindow* parent, int id, const CString& caption)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxWANTS_CHARS) {
    SetLabel(toWx(caption));
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        OnMouseMove();
        event.Skip();
    });
    // A quick second press is a double click to the toolkit; a button
    // takes it as a press, as a push button does.
    const auto press = [this](wxMouseEvent&) {
        m_pressed = true;
        if (!HasCapture())
            CaptureMouse();
        SetFocus();
        Refresh();
    };
    Bind(wxEVT_LEFT_DOWN, press);
    Bind(wxEVT_LEFT_DCLICK, press);
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) {
        if (!m_pressed)
            return;
        m_pressed = false;
        if (HasCapture())
            ReleaseMouse();
        Refresh();
        if (GetClientRect().Contains(event.GetPosition()))
            click();
    });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        m_pressed = false;
        Refresh();
    });
    Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_SPACE || event.GetKeyCode() == WXK_RETURN ||
            event.GetKeyCode() == WXK_NUMPAD_ENTER)
            click();
        else
            event.Skip();
    });
    const auto repaint = [this](wxFocusEvent& event) {
        Refresh();
        event.Skip();
    };
    Bind(wxEVT_SET_FOCUS, repaint);
    Bind(wxEVT_KILL_FOCUS, repaint);
}

bool CBitmapButtonAutoFocus::LoadBitmaps(const wxBitmap& normal, const wxBitmap& selected,
                                         const wxBitmap& focus, const wxBitmap& disabled) {
    m_normal = normal;
    m_selected = selected;
    m_focus = focus;
    m_disabled = disabled;
    InvalidateBestSize();
    SetMinSize(DoGetBestSize());
    Refresh();
    return normal.IsOk();
}

wxSize CBitmapButtonAutoFocus::DoGetBestSize() const {
    if (m_normal.IsOk())
        return m_normal.GetSize();
    const wxSize text = GetTextExtent(GetLabel());
    return wxSize(text.x + kIconBand + 16, text.y + 10);
}

CBitmapButtonAutoFocus::~CBitmapButtonAutoFocus() {
    if (m_defaultOf)
        m_defaultOf->Unbind(wxEVT_CHAR_HOOK, &CBitmapButtonAutoFocus::onWindowKey, this);
}

void CBitmapButtonAutoFocus::SetDefault() {
    auto* window = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this));
    if (!window)
        return;
    window->SetDefaultItem(this);
    // The toolkit presses only its own buttons on Enter: the window asks
    // the picture button that is its default.
    if (!m_defaultOf) {
        m_defaultOf = window;
        window->Bind(wxEVT_CHAR_HOOK, &CBitmapButtonAutoFocus::onWindowKey, this);
    }
}

void CBitmapButtonAutoFocus::onWindowKey(wxKeyEvent& event) {
    // Enter presses the default button, but on a picture button that has
    // the focus, which presses itself.
    const int key = event.GetKeyCode();
    if ((key != WXK_RETURN && key != WXK_NUMPAD_ENTER) || event.HasAnyModifiers() ||
        m_defaultOf->GetDefaultItem() != this || dynamic_cast<CBitmapButtonAutoFocus*>(FindFocus())) {
        event.Skip();
        return;
    }
    click();
}

void CBitmapButtonAutoFocus::OnMouseMove() {
    // Hovering takes the focus from another picture button, or where no
    // window has it, never from a field or a list the user types into:
    // Space or Enter typed there next would press the button instead.
    wxWindow* focus = FindFocus();
    if (focus == this || !AcceptsFocus() || (focus && !dynamic_cast<CBitmapButtonAutoFocus*>(focus)))
        return;
    SetFocus();
}

void CBitmapButtonAutoFocus::click() {
    if (!IsEnabled())
        return;
    wxCommandEvent event(wxEVT_BUTTON, GetId());
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

int CBitmapButtonAutoFocus::currentState() const {
    int state = 0;
    if (!IsEnabled())
        state |= kDisabled;
    if (m_pressed)
        state |= kSelected;
    if (FindFocus() == this)
        state |= kFocus;
    return state;
}

wxRect CBitmapButtonAutoFocus::captionRect(const wxRect& rect) const {
    wxRect caption = rect;
    if (m_iconOffset) {
        caption.x += kIconBand;
        caption.width -= kIconBand;
    }
    return caption;
}

void CBitmapButtonAutoFocus::DrawItem(wxDC& dc, const wxRect& rect, int state) {
    // The bitmap of the state: pressed, then focused, then normal.
    const wxBitmap* bitmap = &m_normal;
    if ((state & kDisabled) && m_disabled.IsOk())
        bitmap = &m_disabled;
    else if ((state & kSelected) && m_selected.IsOk())
        bitmap = &m_selected;
    else if ((state & kFocus) && m_focus.IsOk())
        bitmap = &m_focus;
    if (bitmap->IsOk())
        dc.DrawBitmap(*bitmap, rect.GetTopLeft(), true);

    wxRect caption = captionRect(rect);
    const wxString text = GetLabel();
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    if (state & kDisabled) {
        dc.SetTextForeground(*wxWHITE);
        dc.DrawLabel(text, caption, wxALIGN_CENTER);
        caption.Offset(-1, -1);
        dc.SetTextForeground(wxColour(160, 160, 160));
        dc.DrawLabel(text, caption, wxALIGN_CENTER);
    } else {
        dc.SetTextForeground(*wxBLACK);
        dc.DrawLabel(text, caption, wxALIGN_CENTER);
    }
}

void CBitmapButtonAutoFocus::OnPaint() {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    DrawItem(dc, GetClientRect(), currentState());
}
