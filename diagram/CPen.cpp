#include "CPen.h"

namespace {

int clampWidth(int width) {
    return width < 0 ? 1 : width;
}

bool isDashed(int style) {
    return style >= PS_DASH && style <= PS_DASHDOTDOT;
}

} // namespace

CPen::CPen(int style, int width, COLORREF color) : m_width(clampWidth(width)), m_color(color) {
    m_style = style & PS_STYLE_MASK;
    if (m_style == PS_INSIDEFRAME || m_style == PS_USERSTYLE || m_style > PS_USERSTYLE)
        m_style = PS_SOLID;
    // The platform's CreatePen draws wider dashed styles solid.
    if (m_width > 1 && isDashed(m_style))
        m_style = PS_SOLID;
}

CPen CPen::ExtCreatePen(int styleWord, int width, COLORREF color, const std::vector<DWORD>& userStyle) {
    CPen pen;
    pen.m_geometric = (styleWord & PS_TYPE_MASK) == PS_GEOMETRIC;
    pen.m_style = styleWord & PS_STYLE_MASK;
    if (pen.m_style == PS_INSIDEFRAME || pen.m_style > PS_USERSTYLE)
        pen.m_style = PS_SOLID;
    pen.m_width = pen.m_geometric ? clampWidth(width) : 1;
    pen.m_color = color;
    if (pen.m_style == PS_USERSTYLE)
        pen.m_userStyle = userStyle;
    return pen;
}

CPen CPen::stock(int stockId) {
    switch (stockId) {
    case WHITE_PEN:
        return CPen(PS_SOLID, 1, RGB(255, 255, 255));
    case NULL_PEN:
        return CPen(PS_NULL, 1, 0);
    default:
        return CPen();
    }
}

std::vector<int> CPen::dashPattern() const {
    if (m_style == PS_USERSTYLE) {
        std::vector<int> pattern;
        bool anyOn = false;
        for (DWORD length : m_userStyle) {
            pattern.push_back(static_cast<int>(length > 1000000 ? 1000000 : length));
            anyOn = anyOn || length > 0;
        }
        if (!anyOn)
            pattern.clear();
        if (pattern.size() % 2 == 1) // an odd list repeats once more, so on and off swap
            pattern.insert(pattern.end(), pattern.begin(), pattern.end());
        return pattern;
    }
    if (!isDashed(m_style))
        return {};
    const int w = pixelWidth();
    if (w == 1) {
        switch (m_style) {
        case PS_DASH:
            return {18, 6};
        case PS_DOT:
            return {3, 3};
        case PS_DASHDOT:
            return {9, 6, 3, 6};
        default:
            return {9, 3, 3, 3, 3, 3};
        }
    }
    switch (m_style) {
    case PS_DASH:
        return {3 * w, w};
    case PS_DOT:
        return {w, w};
    case PS_DASHDOT:
        return {3 * w, w, w, w};
    default:
        return {3 * w, w, w, w, w, w};
    }
}
