#include "XHtmlLayout.h"

#include "XHtmlParser.h"

#include <algorithm>

namespace {

// The state of one layout: every paint starts from the control's settings,
// so that the same text always looks the same however often it is painted.
class Layouter {
public:
    Layouter(const XHtmlLayout::Settings& settings, XHtmlMeasurer& measurer, XHtmlLayout& result)
        : m_settings(settings), m_measurer(measurer), m_result(result), m_font(settings.font),
          m_color(settings.textColor), m_background(settings.backgroundColor) {
        m_areaLeft = settings.leftMargin;
        m_areaRight = settings.width - settings.rightMargin;
        m_areaBottom = settings.height;
    }

    void run(const std::vector<XHtmlToken>& tokens) {
        for (const XHtmlToken& token : tokens)
            apply(token);
        m_result.bottom = m_y;
    }

private:
    static void lower(int& counter) { counter = std::max(counter - 1, 0); }
    // A larger or smaller font by one pixel, whatever the sign of the height.
    void grow(int pixels) { setHeight(m_font.height + (m_font.height < 0 ? -pixels : pixels)); }
    void setHeight(int height) {
        m_font.height = std::clamp(height, -XHtmlLayout::kLargestPixels, XHtmlLayout::kLargestPixels);
    }

    void apply(const XHtmlToken& token) {
        switch (token.kind) {
        case XHtmlToken::Text:
            draw(token.text);
            break;
        case XHtmlToken::BoldOn:
            ++m_bold;
            break;
        case XHtmlToken::BoldOff:
            lower(m_bold);
            break;
        case XHtmlToken::ItalicOn:
            ++m_italic;
            break;
        case XHtmlToken::ItalicOff:
            lower(m_italic);
            break;
        case XHtmlToken::UnderlineOn:
            ++m_underline;
            break;
        case XHtmlToken::UnderlineOff:
            lower(m_underline);
            break;
        case XHtmlToken::StrikeOn:
            ++m_strike;
            break;
        case XHtmlToken::StrikeOff:
            lower(m_strike);
            break;
        case XHtmlToken::BigOn:
        case XHtmlToken::SmallOff:
            grow(1);
            break;
        case XHtmlToken::BigOff:
        case XHtmlToken::SmallOn:
            grow(-1);
            break;
        case XHtmlToken::SubOn:
            ++m_subscript;
            break;
        case XHtmlToken::SubOff:
            lower(m_subscript);
            break;
        case XHtmlToken::SupOn:
            ++m_superscript;
            break;
        case XHtmlToken::SupOff:
            lower(m_superscript);
            break;
        case XHtmlToken::Font:
            if (token.hasColor)
                m_color = CXNamedColors(token.color).getColor();
            if (token.hasBackground)
                m_background = CXNamedColors(token.background).getColor();
            if (token.hasFace)
                m_font.face = token.text;
            if (token.hasSize) {
                setHeight(m_font.height - token.size);
                m_sizeUsed = true;
            }
            break;
        case XHtmlToken::FontEnd:
            if (m_sizeUsed) {
                // The larger line's descent, which the next line break does not cover.
                m_measurer.selectFont(currentFont());
                m_y += m_measurer.descent();
                m_sizeUsed = false;
            }
            m_color = m_settings.textColor;
            m_background = m_settings.backgroundColor;
            m_font = m_settings.font;
            break;
        case XHtmlToken::CodeOn:
            m_font.face = "Courier New";
            break;
        case XHtmlToken::CodeOff:
            m_font = m_settings.font;
            break;
        case XHtmlToken::Link:
            m_link = true;
            m_target = token.text;
            break;
        case XHtmlToken::LinkEnd:
            m_link = false;
            break;
        case XHtmlToken::Rule:
            if (token.hasSize)
                m_ruleSize = std::clamp(token.size, 0, XHtmlLayout::kLargestPixels);
            ++m_pendingRules;
            draw("\r\n");
            break;
        case XHtmlToken::LineBreak:
            draw("\r\n");
            break;
        }
    }

    XHtmlFont currentFont() const {
        XHtmlFont font = m_font;
        font.bold = m_bold != 0;
        font.italic = m_italic != 0;
        font.underline = m_underline != 0;
        font.strike = m_strike != 0;
        return font;
    }

    // One piece of text (or a line break) in the current font and colours.
    void draw(const CString& piece) {
        const XHtmlFont font = currentFont();
        m_measurer.selectFont(font);
        int shift = 0;
        if (m_subscript > 0)
            shift += m_measurer.ascent() / 2;
        if (m_superscript > 0)
            shift -= m_measurer.ascent() / 2;
        m_y += shift;
        m_x = wrap(piece, font);
        m_y -= shift;
        if (m_pendingRules > 0) {
            m_result.rules.push_back({m_y, m_ruleSize, m_color});
            m_y += m_ruleSize;
            m_x = 0;
            --m_pendingRules;
        }
    }

    // Draws a piece from the current x, wrapping at blanks; answers the x
    // where the next piece goes on (0 after a line break).
    int wrap(const CString& piece, const XHtmlFont& font) {
        if (m_areaBottom - m_y < 1)
            return 0;
        const int lineHeight = m_measurer.textHeight("abcdefgABCDEFG");
        int lineStart = m_x;
        CString line;
        const char* p = piece;
        while (*p) {
            CString word;
            bool lineBreak = false;
            while (*p) {
                const char c = *p++;
                if (c == '\r')
                    continue;
                if (c == '\n') {
                    lineBreak = true;
                    break;
                }
                if (c == XHtmlParser::kPlaceholder && *p) {
                    word += XHtmlParser::entityCharacter(*p++);
                    continue;
                }
                word += c;
                if (c == ' ')
                    break;
            }
            // A line that starts at the left edge starts with a word, not blanks.
            if (line.IsEmpty() && lineStart == 0)
                word.TrimLeft(' ');
            // A word goes to the next line unless it would be alone on its line.
            const int room = (m_areaRight - m_areaLeft) - lineStart - 2;
            if ((line.IsEmpty() && lineStart == 0) || m_measurer.textWidth(line + word) < room) {
                line += word;
            } else {
                output(line, lineStart, lineHeight, font);
                m_y += lineHeight;
                lineStart = 0;
                word.TrimLeft(' ');
                line = word;
            }
            if (lineBreak) {
                output(line, lineStart, lineHeight, font);
                m_y += lineHeight;
                lineStart = 0;
                line.Empty();
            }
        }
        int next = 0;
        if (!line.IsEmpty() || lineStart > 0) {
            output(line, lineStart, lineHeight, font);
            next = lineStart + m_measurer.textWidth(line);
        }
        if (m_areaBottom - m_y < lineHeight)
            m_y = m_areaBottom;
        return next;
    }

    // One line of a piece, when it ends inside the client area.
    void output(const CString& line, int start, int lineHeight, const XHtmlFont& font) {
        if (line.IsEmpty() || m_y > m_areaBottom - lineHeight)
            return;
        const int left = m_areaLeft + start;
        m_result.runs.push_back({left, m_y, line, font, m_color, m_background});
        if (m_link)
            m_result.hotRects.push_back(
                {left, m_y, left + m_measurer.textWidth(line), m_y + lineHeight, m_target});
    }

    const XHtmlLayout::Settings& m_settings;
    XHtmlMeasurer& m_measurer;
    XHtmlLayout& m_result;
    XHtmlFont m_font;
    COLORREF m_color;
    COLORREF m_background;
    int m_areaLeft = 0, m_areaRight = 0, m_areaBottom = 0;
    int m_x = 0, m_y = 0;
    int m_bold = 0, m_italic = 0, m_underline = 0, m_strike = 0, m_subscript = 0, m_superscript = 0;
    int m_pendingRules = 0;
    int m_ruleSize = 2;
    bool m_sizeUsed = false;
    bool m_link = false;
    CString m_target;
};

} // namespace

XHtmlLayout XHtmlLayout::layout(const CString& text, const Settings& settings, XHtmlMeasurer& measurer) {
    XHtmlLayout result;
    Layouter(settings, measurer, result).run(XHtmlParser::parse(text));
    return result;
}
