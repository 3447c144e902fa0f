#pragma once

// Values that the grid shares with the pages that use it: cell state bits,
// notification codes, the ids of its timer and in-place edit, and the
// Windows codes of the keys and scroll actions that its handlers take (the
// text format flags are the platform's, in WinTypes.h). Numbers are those of
// the program's documents, so that a page or a test names them the same way.

#include "WinTypes.h"

// Cell state bits.
constexpr UINT kCellFocused = 0x01;
constexpr UINT kCellSelected = 0x02;
constexpr UINT kCellDropHighlighted = 0x04;
constexpr UINT kCellReadOnly = 0x08;
constexpr UINT kCellFixed = 0x10;
constexpr UINT kCellFixedRow = 0x20;
constexpr UINT kCellFixedColumn = 0x40;
constexpr UINT kCellModified = 0x80;

// The colour value that stands for "no colour of its own": a cell then
// takes its default cell's colour, the title tip its own.
constexpr COLORREF kNoColour = 0xFF000000;

// Grid lines drawn in the body.
constexpr int GVL_NONE = 0;
constexpr int GVL_HORZ = 1;
constexpr int GVL_VERT = 2;
constexpr int GVL_BOTH = 3;

// Notification codes sent to the grid's parent (see GridNotifyEvent).
constexpr int kGridNotifyClick = -2;
constexpr int kGridNotifyDoubleClick = -3;
constexpr int kGridNotifyRightClick = -5;
constexpr int kGridNotifySelChanging = -100;
constexpr int kGridNotifySelChanged = -101;
constexpr int kGridNotifyBeginEdit = -105;
constexpr int kGridNotifyEndEdit = -106;
constexpr int kGridNotifyBeginDrag = -109;
constexpr int kGridNotifyCacheHint = -113;
constexpr int kGridNotifyGetDisplayInfo = -150;

// The control id of the in-place edit and the id of the autoscroll timer.
constexpr int kInPlaceEditId = 8;
constexpr int kAutoScrollTimerId = 513;

// Mask of a CGridItem: which fields the record carries.
constexpr UINT GVIF_TEXT = 0x0001;
constexpr UINT GVIF_IMAGE = 0x0002;
constexpr UINT GVIF_PARAM = 0x0004;
constexpr UINT GVIF_STATE = 0x0008;
constexpr UINT GVIF_ALL = 0xFFFFFFFF;

// Auto-size style bits: which rows a column measures.
constexpr int GVS_HEADER = 1;
constexpr int GVS_DATA = 2;
constexpr int GVS_BOTH = 3;

// Modifier flags passed with mouse and key handling.
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;

// Key codes (the Windows virtual keys) that the grid and its edit act on.
constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_F2 = 0x71;

// Scroll actions (one code table for both directions).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_BOTH = 3;

// Marks a typed character handed to an in-place edit as its first
// character, so that a typed space or "(" is written into the edit like any
// other character and not taken for the navigation key of the same code.
constexpr UINT kTypedCharacterFlag = 0x40000000;
