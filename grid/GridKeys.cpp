#include "GridKeys.h"

#include "GridDefines.h"

namespace gridkeys {

UINT toVirtualKey(int keyCode) {
    switch (keyCode) {
    case WXK_BACK:
        return VK_BACK;
    case WXK_TAB:
        return VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return VK_RETURN;
    case WXK_ESCAPE:
        return VK_ESCAPE;
    case WXK_SPACE:
        return VK_SPACE;
    case WXK_PAGEUP:
    case WXK_NUMPAD_PAGEUP:
        return VK_PRIOR;
    case WXK_PAGEDOWN:
    case WXK_NUMPAD_PAGEDOWN:
        return VK_NEXT;
    case WXK_END:
    case WXK_NUMPAD_END:
        return VK_END;
    case WXK_HOME:
    case WXK_NUMPAD_HOME:
        return VK_HOME;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return VK_LEFT;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return VK_UP;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return VK_RIGHT;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return VK_DOWN;
    case WXK_INSERT:
    case WXK_NUMPAD_INSERT:
        return VK_INSERT;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE:
        return VK_DELETE;
    case WXK_F2:
        return VK_F2;
    default:
        if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
            return static_cast<UINT>(keyCode);
        if (keyCode >= 'a' && keyCode <= 'z')
            return static_cast<UINT>(keyCode - 'a' + 'A');
        return 0;
    }
}

UINT modifiers(const wxKeyboardState& state) {
    return (state.ShiftDown() ? MK_SHIFT : 0) | (state.ControlDown() ? MK_CONTROL : 0);
}

} // namespace gridkeys
