#pragma once

// The system colours and the screen depth that every picker paints with,
// read once and kept: refresh reads them again (at start-up, when the
// desktop's colours change, and when the "More Colors" dialog asks). The
// windows install the reader of the display; without one (headless) the
// colours are the desktop's usual light greys on a true-colour screen.

#include "WinTypes.h"

#include <functional>

class CFOSystemColors {
public:
    COLORREF m_buttonFace = RGB(240, 240, 240);
    COLORREF m_buttonShadow = RGB(160, 160, 160);
    // The same shadow again: the cell frames read this one.
    COLORREF m_buttonShadow2 = RGB(160, 160, 160);
    COLORREF m_buttonHighlight = RGB(255, 255, 255);
    COLORREF m_caption = RGB(153, 180, 209);
    COLORREF m_windowFrame = RGB(100, 100, 100);
    int m_screenDepth = 24;

    // The instance the pickers read.
    static CFOSystemColors& colors();
    static void refresh();
    // What the system has now, without keeping it.
    static CFOSystemColors read();

    using Reader = std::function<CFOSystemColors()>;
    static void setReader(Reader reader);
    static bool hasReader();
};
