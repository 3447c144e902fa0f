#pragma once

// A static text that shows its text as small HTML (see XHtmlParser for the
// tags and entities it knows): bold, italic, underline, strike-through,
// bigger and smaller text, subscript and superscript, font colour,
// background, face and size, a monospaced code font, rules, line breaks and
// links. A link either sends a command that the owner offers by name
// ("APP:name") or opens a page; "/qvm/" in a page's address stands for the
// program folder, where the program's help pages are.

#include "CString.h"
#include "CXNamedColors.h"
#include "XHtmlLayout.h"

#include <vector>
#include <wx/control.h>
#include <wx/weakref.h>

class wxDC;
class wxFont;

class CXHTMLStatic : public wxControl {
public:
    // A command the owner offers to "APP:" links: the window gets a menu
    // command event with the id `message` and the number `wParam`.
    struct AppCommand {
        wxWeakRef<wxWindow> window;
        int message = 0;
        long wParam = 0;
        CString name;
    };

    CXHTMLStatic(wxWindow* parent, int id, const wxSize& size = wxDefaultSize);

    // Each answers the previous colour. A colour text is read as CXNamedColors reads it.
    COLORREF setBkColor(const CString& color);
    COLORREF setBkColor(COLORREF color);
    COLORREF setTextColor(const CString& color);
    COLORREF setTextColor(COLORREF color);

    // Shows a new text, from the control's own colours and no link.
    void setWindowText(const CString& text);
    // The colours back to the desktop's, the links forgotten.
    void reset();
    void setMargins(int left, int right);
    // The font the text starts with, in place of the window's.
    void setLogFont(const XHtmlFont& font);
    void setAppCommands(const std::vector<AppCommand>& commands);

    const CString& getWindowText() const { return m_text; }
    // The layout of the text in the control's present size, as painted.
    XHtmlLayout layoutText();
    // The links as last painted or laid out.
    const std::vector<XHtmlHotRect>& getHotRects() const { return m_hotRects; }

    // A click at a point of the control: follows the first link there.
    // Whether a link was followed.
    bool clickAt(const wxPoint& point);
    // A link's target: "APP:" targets (also in double quotes) run the
    // owner's command; any other target opens as a page. Whether it worked.
    bool gotoURL(const CString& target);
    bool runAppCommand(const CString& name);
    // The address a page target opens: "/qvm/" becomes the program folder
    // as a "file://" address ('/' for '\', "%20" for blanks). The quotes
    // of a quoted target stay.
    static CString linkAddress(const CString& target);

    // The font of the text's start as the layout takes it.
    static XHtmlFont fontOf(const wxFont& font);
    // A wxWidgets font for a layout font.
    static wxFont wxFontOf(const XHtmlFont& font);

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint();
    void OnMotion(const wxPoint& point);
    XHtmlLayout layoutIn(wxDC& dc);

    CString m_text;
    COLORREF m_background;
    COLORREF m_textColor;
    bool m_ownFont = false;
    XHtmlFont m_font;
    int m_leftMargin = 0;
    int m_rightMargin = 0;
    std::vector<XHtmlHotRect> m_hotRects;
    std::vector<AppCommand> m_appCommands;
    bool m_hovering = false;
};
