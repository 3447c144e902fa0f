#pragma once

// The crossing from wxWidgets key events to the key codes and modifier
// flags that the grid's handlers take.

#include "WinTypes.h"

#include <wx/event.h>

namespace gridkeys {

// The virtual key of a wxWidgets key code; 0 for keys the grid ignores.
UINT toVirtualKey(int keyCode);
// MK_SHIFT and MK_CONTROL as held in the event.
UINT modifiers(const wxKeyboardState& state);

} // namespace gridkeys
