#pragma once

// What a drop-down picker button tells its owner (the dialog it sits in),
// as command events sent at once, in this order: SELECTED after every
// preview and every choice, CANCEL after a cancel, then CHANGED when the
// button's value really changed. The event's id is the button's control
// id and its int the colour (red | green << 8 | blue << 16) or the pen style.

#include "WinTypes.h"

#include <wx/event.h>

wxDECLARE_EVENT(EVT_FO_COLOR_SELECTED, wxCommandEvent);
wxDECLARE_EVENT(EVT_FO_COLOR_CANCEL, wxCommandEvent);
wxDECLARE_EVENT(EVT_FO_COLOR_CHANGED, wxCommandEvent);
wxDECLARE_EVENT(EVT_FO_LINETYPE_SELECTED, wxCommandEvent);
wxDECLARE_EVENT(EVT_FO_LINETYPE_CANCEL, wxCommandEvent);
wxDECLARE_EVENT(EVT_FO_LINETYPE_CHANGED, wxCommandEvent);

inline DWORD pickerValue(const wxCommandEvent& event) {
    return static_cast<DWORD>(event.GetInt());
}
