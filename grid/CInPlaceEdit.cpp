#include "CInPlaceEdit.h"

#include "CGridCtrl.h"
#include "GridDefines.h"
#include "GridKeys.h"
#include "GridNotifyEvent.h"
#include "WxText.h"

#include <algorithm>
#include <wx/dcclient.h>

CInPlaceEdit::CInPlaceEdit(CGridCtrl* parent, const GridRect& rect, long style, UINT id, int row, int col,
                           const CString& initialText, UINT firstChar)
    : m_row(row), m_col(col), m_initialText(initialText), m_exitOnArrows(firstChar != VK_LBUTTON),
      m_rect(rect) {
    Create(parent, static_cast<wxWindowID>(id), wxEmptyString, wxPoint(rect.left, rect.top),
           wxSize(std::max(1, rect.Width()), std::max(1, rect.Height())),
           style | wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | wxWANTS_CHARS);
    Bind(wxEVT_CHAR_HOOK, &CInPlaceEdit::onCharHook, this);
    Bind(wxEVT_KEY_DOWN, &CInPlaceEdit::onKeyDown, this);
    Bind(wxEVT_CHAR, &CInPlaceEdit::onChar, this);
    Bind(wxEVT_TEXT, &CInPlaceEdit::onText, this);
    Bind(wxEVT_KILL_FOCUS, &CInPlaceEdit::onKillFocus, this);
}

void CInPlaceEdit::Start(UINT firstChar) {
    if (CGridCtrl* grid = static_cast<CGridCtrl*>(GetParent()); grid && grid->GetGridFont())
        SetFont(*grid->GetGridFont());
    ChangeValue(toWx(m_initialText));
    SetFocus();
    const long length = GetLastPosition();
    if (firstChar & kTypedCharacterFlag) {
        // A typed character replaces the whole text.
        SelectAll();
        WriteText(wxString(wxUniChar(firstChar & ~kTypedCharacterFlag)));
    } else if (firstChar == VK_LBUTTON || firstChar == VK_RETURN) {
        SetInsertionPoint(length);
    } else if (firstChar == VK_BACK) {
        SetInsertionPoint(length);
        if (length > 0)
            Remove(length - 1, length);
    } else if (firstChar == VK_TAB || (firstChar >= VK_SPACE && firstChar <= VK_DOWN)) {
        SelectAll();
    } else {
        SelectAll();
        if (firstChar >= 0x20)
            WriteText(wxString(wxUniChar(firstChar)));
    }
}

void CInPlaceEdit::SendChar(UINT ch) {
    if (m_ended)
        return;
    if (ch & kTypedCharacterFlag) {
        WriteText(wxString(wxUniChar(ch & ~kTypedCharacterFlag)));
    } else if (ch == VK_BACK) {
        long from, to;
        GetSelection(&from, &to);
        if (from != to)
            Remove(from, to);
        else if (from > 0)
            Remove(from - 1, from);
    }
}

void CInPlaceEdit::endWithKey(UINT key, UINT flags) {
    m_lastKey = key;
    m_lastFlags = flags;
    if (GetParent())
        GetParent()->SetFocus();
    EndEdit();
}

bool CInPlaceEdit::OnKeyDown(UINT key, UINT flags) {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (m_exitOnArrows || (flags & MK_CONTROL)) {
            endWithKey(key, flags);
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool CInPlaceEdit::OnChar(UINT ch, UINT flags) {
    if (ch == VK_TAB || ch == VK_RETURN) {
        endWithKey(ch, flags);
        return true;
    }
    if (ch == VK_ESCAPE) {
        ChangeValue(toWx(m_initialText));
        endWithKey(ch, flags);
        return true;
    }
    return false;
}

void CInPlaceEdit::growToText() {
    wxClientDC dc(this);
    dc.SetFont(GetFont());
    const int width = dc.GetTextExtent(GetValue() + "  ").x;
    if (width <= m_rect.Width())
        return;
    int right = m_rect.left + width;
    if (GetParent())
        right = std::min(right, GetParent()->GetClientSize().x);
    if (right <= m_rect.right)
        return;
    m_rect.right = right;
    SetSize(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height());
}

void CInPlaceEdit::EndEdit() {
    // One end at a time for all edits: the end record may open the next
    // edit, whose focus ends this one a second time.
    static bool ending = false;
    if (ending || m_ended)
        return;
    ending = true;
    m_ended = true;

    CGridItem item;
    item.row = m_row;
    item.col = m_col;
    item.mask = GVIF_TEXT | GVIF_PARAM;
    item.text = fromWx(GetValue());
    item.param = m_lastKey;
    item.state = m_lastFlags;
    GridNotifyEvent event(wxEVT_GRIDCTRL_NOTIFY, GetId(), kGridNotifyEndEdit);
    event.SetEventObject(this);
    event.SetCell(m_row, m_col);
    event.SetItem(&item);
    Hide();
    if (GetParent())
        GetParent()->GetEventHandler()->ProcessEvent(event);
    // The window goes once the current event is over.
    CallAfter([this] { Destroy(); });
    ending = false;
}

void CInPlaceEdit::onCharHook(wxKeyEvent& event) {
    // Enter, Tab and Escape belong to the edit, not to the dialog around it.
    const UINT key = gridkeys::toVirtualKey(event.GetKeyCode());
    if ((key == VK_RETURN || key == VK_TAB || key == VK_ESCAPE) && OnChar(key, gridkeys::modifiers(event)))
        return;
    event.Skip();
}

void CInPlaceEdit::onKeyDown(wxKeyEvent& event) {
    if (!OnKeyDown(gridkeys::toVirtualKey(event.GetKeyCode()), gridkeys::modifiers(event)))
        event.Skip();
}

void CInPlaceEdit::onChar(wxKeyEvent& event) {
    const int unicode = event.GetUnicodeKey();
    if (unicode == WXK_NONE || !OnChar(static_cast<UINT>(unicode), gridkeys::modifiers(event)))
        event.Skip();
}

void CInPlaceEdit::onText(wxCommandEvent& event) {
    event.Skip();
    if (!m_ended)
        growToText();
}

void CInPlaceEdit::onKillFocus(wxFocusEvent& event) {
    event.Skip();
    EndEdit();
}
