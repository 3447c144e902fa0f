#pragma once

// The edit laid over a cell while its text is edited in place. It opens
// with the cell's text and the first character that started the edit, ends
// on Enter, Tab, Escape (which restores the text), on the navigation keys
// when opened from the keyboard, or when it loses the focus, and then hands
// the final text to the grid: a GridNotifyEvent with code kGridNotifyEndEdit
// and id kInPlaceEditId whose item holds row, column, text, the key that
// ended the edit as param and the modifier flags (MK_SHIFT, MK_CONTROL) held
// with it as state. The window is destroyed once it has ended.

#include "CString.h"
#include "GridRect.h"
#include "WinTypes.h"

#include <wx/textctrl.h>

class CGridCtrl;

class CInPlaceEdit : public wxTextCtrl {
public:
    CInPlaceEdit(CGridCtrl* parent, const GridRect& rect, long style, UINT id, int row, int col,
                 const CString& initialText, UINT firstChar);

    // Takes the font, the text and the focus, and places the caret or the
    // first character as the way the edit was opened asks.
    void Start(UINT firstChar);
    // A character for the open edit (a second start on the same cell).
    void SendChar(UINT ch);
    // Hands the text to the grid and closes the edit; once only.
    void EndEdit();

    // Handlers: a key press and a character, with MK_ modifier flags;
    // they answer whether they handled it.
    bool OnKeyDown(UINT key, UINT flags);
    bool OnChar(UINT ch, UINT flags);

    int GetRow() const { return m_row; }
    int GetColumn() const { return m_col; }
    UINT GetLastKey() const { return m_lastKey; }
    bool HasEnded() const { return m_ended; }

private:
    void endWithKey(UINT key, UINT flags);
    void growToText();
    void onCharHook(wxKeyEvent& event);
    void onKeyDown(wxKeyEvent& event);
    void onChar(wxKeyEvent& event);
    void onText(wxCommandEvent& event);
    void onKillFocus(wxFocusEvent& event);

    int m_row;
    int m_col;
    CString m_initialText;
    BOOL m_exitOnArrows;
    UINT m_lastKey = 0;
    UINT m_lastFlags = 0;
    GridRect m_rect;
    bool m_ended = false;
};
