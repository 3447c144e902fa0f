#include "PaletteControl.h"

#include "CFOSystemColors.h"

PaletteControl::PaletteControl(UINT selectedMessage, UINT cancelMessage, UINT customMessage, int margin,
                               BOOL customShown)
    : m_customShown(customShown), m_margin(margin), m_selectedMessage(selectedMessage),
      m_cancelMessage(cancelMessage), m_customMessage(customMessage) {}

void PaletteControl::init(PaletteWindow* window, DWORD value, const CRect& client, BOOL popup) {
    m_client = client;
    m_window = window;
    m_current = value;
    m_popup = popup;
    layout();
}

void PaletteControl::onMouseMove(UINT, int x, int y) {
    const int hit = selectAt(x, y);
    if (hit >= 0) {
        onCellPassed(hit);
    } else if (m_customShown && m_customArea.PtInRect(CPoint(x, y))) {
        m_customHot = TRUE;
        invalidate(m_customArea);
    }
}

void PaletteControl::onLButtonUp(UINT, int x, int y) {
    if (m_customHot) {
        m_customHot = FALSE;
        invalidate(m_customArea);
    }
    const int hit = firstCellAt(x, y);
    if (hit >= 0) {
        choose(getCellValue(hit), 0);
    } else if (m_customShown && m_customArea.PtInRect(CPoint(x, y))) {
        post(m_customMessage, m_current, 0);
        hideIfPopup();
    }
}

int PaletteControl::selectAt(int x, int y) {
    int old = -1, hit = -1;
    for (int i = 0; i < getCellCount() && (old < 0 || hit < 0); ++i) {
        if (old < 0 && getCellValue(i) == m_current)
            old = i;
        if (hit < 0 && cellHit(i, x, y))
            hit = i;
    }
    if (hit >= 0) {
        m_current = getCellValue(hit);
        invalidate(getCellBounds(hit));
    }
    if (old >= 0)
        invalidate(getCellBounds(old));
    return hit;
}

void PaletteControl::moveSelection(DWORD value) {
    int old = -1, found = -1;
    for (int i = 0; i < getCellCount() && (old < 0 || found < 0); ++i) {
        if (old < 0 && getCellValue(i) == m_current)
            old = i;
        if (found < 0 && getCellValue(i) == value)
            found = i;
    }
    if (found >= 0) {
        m_current = getCellValue(found);
        invalidate(getCellBounds(found));
    } else {
        m_current = value;
        invalidate(m_customRow);
    }
    if (old >= 0)
        invalidate(getCellBounds(old));
}

void PaletteControl::choose(DWORD value, long lParam) {
    post(m_selectedMessage, value, lParam);
    if (m_customShown)
        invalidate(m_customRow);
    hideIfPopup();
}

void PaletteControl::cancel(DWORD value, long lParam) {
    post(m_cancelMessage, value, lParam);
    if (m_customShown)
        invalidate(m_customRow);
    hideIfPopup();
}

bool PaletteControl::onEndKey(UINT key) {
    if (key == palette::VK_CANCEL || key == palette::VK_ESCAPE) {
        if (m_popup)
            cancel(m_current, 0);
        return true;
    }
    if (key == palette::VK_RETURN) {
        if (m_popup)
            choose(m_current, 0);
        return true;
    }
    return false;
}

CRect PaletteControl::captionStrip() const {
    return CRect(m_client.left + m_margin, m_client.top + 4, m_client.right - m_margin, m_client.top + 10);
}

int PaletteControl::keyOrigin() const {
    const int found = firstCellWithValue(m_current);
    return found < 0 ? 0 : found;
}

int PaletteControl::cellBefore(int index, bool wrap) const {
    if (index > 0)
        return index - 1;
    return wrap ? getCellCount() - 1 : 0;
}

int PaletteControl::firstCellWithValue(DWORD value) const {
    for (int i = 0; i < getCellCount(); ++i)
        if (getCellValue(i) == value)
            return i;
    return -1;
}

int PaletteControl::firstCellAt(int x, int y) const {
    for (int i = 0; i < getCellCount(); ++i)
        if (cellHit(i, x, y))
            return i;
    return -1;
}

void PaletteControl::invalidate(const CRect& rect) {
    if (m_window)
        m_window->invalidate(inflated(rect, 2, 2));
}

void PaletteControl::post(UINT message, DWORD wParam, long lParam) {
    if (m_window)
        m_window->postMessage(message, wParam, lParam);
}

void PaletteControl::hideIfPopup() {
    if (m_popup && m_window)
        m_window->hide();
}

CRect PaletteControl::contentArea(int top) const {
    return CRect(m_client.left + m_margin, m_client.top + top, m_client.right - m_margin,
                 m_client.bottom - m_margin);
}

void PaletteControl::layoutCustomRow(CRect& d, bool withSeparator) {
    m_customArea = CRect();
    if (!m_customShown)
        return;
    if (withSeparator)
        m_separator = CRect(d.left, d.bottom - 22, d.right, d.bottom - 18);
    m_customRow = m_customArea = CRect(d.left, d.bottom - 18, d.right, d.bottom);
    d.bottom -= withSeparator ? 24 : 20;
}

void PaletteControl::drawBorder(PaletteDC& dc, int style, COLORREF face, COLORREF shadow) const {
    const CFOSystemColors& system = CFOSystemColors::colors();
    if (style == 2) {
        dc.draw3dRect(m_client, RGB(255, 255, 255), RGB(0, 0, 0));
        dc.draw3dRect(deflated(m_client, 1, 1), face, shadow);
    } else if (style == 14) {
        dc.draw3dRect(m_client, system.m_buttonShadow2, system.m_buttonHighlight);
        dc.draw3dRect(deflated(m_client, 1, 1), system.m_buttonHighlight, system.m_buttonShadow2);
    }
}

void PaletteControl::drawCaptionStrip(PaletteDC& dc) const {
    dc.fillSolidRect(captionStrip(), CFOSystemColors::colors().m_caption);
}

void PaletteControl::drawCustomRow(PaletteDC& dc, bool cellSelected) {
    if (!m_customShown)
        return;
    const COLORREF shadow = CFOSystemColors::colors().m_buttonShadow;
    // An etched line two pixels high.
    dc.draw3dRect(CRect(m_separator.left, m_separator.top, m_separator.right, m_separator.bottom - 2), shadow,
                  RGB(255, 255, 255));
    drawCustom(dc, cellSelected ? FALSE : TRUE);
    if (m_customHot)
        drawHot(dc);
}

void PaletteControl::drawCustom(PaletteDC& dc, BOOL showSample) {
    const CFOSystemColors& system = CFOSystemColors::colors();
    dc.fillSolidRect(m_customArea, system.m_buttonFace);
    m_customArea = m_customRow;
    CRect text = deflated(m_customRow, 2, 2);
    CRect sample;
    if (showSample) {
        // The sample at the right end of the row is not part of what a click opens.
        sample = CRect(m_customRow.right - 21, m_customRow.top, m_customRow.right, m_customRow.bottom);
        m_customArea.right = m_customRow.right - 23;
        text = deflated(CRect(m_customRow.left, m_customRow.top, m_customRow.right - 23, m_customRow.bottom),
                        2, 2);
    }
    if (!m_customText.IsEmpty())
        dc.drawText(m_customText, text);
    if (showSample) {
        dc.draw3dRect(sample, system.m_buttonShadow, RGB(255, 255, 255));
        const CRect swatch = deflated(sample, 4, 4);
        dc.fillSolidRect(swatch, m_current);
        dc.frameRect(swatch, system.m_buttonShadow);
    }
}

void PaletteControl::drawHot(PaletteDC& dc) const {
    dc.frameSelection(m_customArea);
}
