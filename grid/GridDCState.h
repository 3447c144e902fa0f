#pragma once

// Keeps what cell drawing changes on a device context (font, pens, brush,
// text colour and background mode) and puts it back at the end of scope,
// as the original's saving and restoring of the context state does.

#include <wx/dc.h>

class GridDCState {
public:
    explicit GridDCState(wxDC& dc)
        : m_dc(dc), m_font(dc.GetFont()), m_pen(dc.GetPen()), m_brush(dc.GetBrush()),
          m_text(dc.GetTextForeground()), m_mode(dc.GetBackgroundMode()) {}
    ~GridDCState() {
        if (m_font.IsOk())
            m_dc.SetFont(m_font);
        m_dc.SetPen(m_pen);
        m_dc.SetBrush(m_brush);
        m_dc.SetTextForeground(m_text);
        m_dc.SetBackgroundMode(m_mode);
    }
    GridDCState(const GridDCState&) = delete;
    GridDCState& operator=(const GridDCState&) = delete;

private:
    wxDC& m_dc;
    wxFont m_font;
    wxPen m_pen;
    wxBrush m_brush;
    wxColour m_text;
    int m_mode;
};
