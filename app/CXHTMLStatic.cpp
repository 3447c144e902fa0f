#include "CXHTMLStatic.h"

#include "FileSystem.h"
#include "ProcessRunner.h"
#include "WxText.h"

#include <cmath>
#include <cstring>
#include <utility>
#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>

namespace {

COLORREF colorRef(const wxColour& colour) {
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}
wxColour wxColourOf(COLORREF color) {
    return wxColour(GetRValue(color), GetGValue(color), GetBValue(color));
}

// Measures with the device context that paints.
class DcMeasurer : public XHtmlMeasurer {
public:
    explicit DcMeasurer(wxDC& dc) : m_dc(dc) {}
    void selectFont(const XHtmlFont& font) override { m_dc.SetFont(CXHTMLStatic::wxFontOf(font)); }
    int textWidth(const CString& text) override { return m_dc.GetTextExtent(toWx(text)).x; }
    int textHeight(const CString& text) override { return m_dc.GetTextExtent(toWx(text)).y; }
    int ascent() override {
        wxCoord width, height, descent;
        m_dc.GetTextExtent("abcdefgABCDEFG", &width, &height, &descent);
        return height - descent;
    }
    int descent() override {
        wxCoord width, height, descent;
        m_dc.GetTextExtent("abcdefgABCDEFG", &width, &height, &descent);
        return descent;
    }

private:
    wxDC& m_dc;
};

bool startsWithNoCase(const CString& text, const char* prefix) {
    return text.Left(static_cast<int>(std::strlen(prefix))).CompareNoCase(prefix) == 0;
}

} // namespace

CXHTMLStatic::CXHTMLStatic(wxWindow* parent, int id, const wxSize& size)
    : wxControl(parent, id, wxDefaultPosition, size, wxBORDER_NONE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    reset();
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent& event) { clickAt(event.GetPosition()); });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { OnMotion(event.GetPosition()); });
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) { OnMotion(wxPoint(-1, -1)); });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refresh();
        event.Skip();
    });
}

wxSize CXHTMLStatic::DoGetBestSize() const {
    return FromDIP(wxSize(120, 40));
}

COLORREF CXHTMLStatic::setBkColor(const CString& color) {
    return setBkColor(CXNamedColors(color).getColor());
}

COLORREF CXHTMLStatic::setBkColor(COLORREF color) {
    return std::exchange(m_background, color);
}

COLORREF CXHTMLStatic::setTextColor(const CString& color) {
    return setTextColor(CXNamedColors(color).getColor());
}

COLORREF CXHTMLStatic::setTextColor(COLORREF color) {
    return std::exchange(m_textColor, color);
}

void CXHTMLStatic::setWindowText(const CString& text) {
    reset();
    m_text = text;
    SetLabel(toWx(text));
    Refresh();
}

void CXHTMLStatic::reset() {
    m_background = colorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    m_textColor = colorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    m_hotRects.clear();
}

void CXHTMLStatic::setMargins(int left, int right) {
    m_leftMargin = left;
    m_rightMargin = right;
}

void CXHTMLStatic::setLogFont(const XHtmlFont& font) {
    m_font = font;
    m_ownFont = true;
}

void CXHTMLStatic::setAppCommands(const std::vector<AppCommand>& commands) {
    m_appCommands = commands;
}

XHtmlFont CXHTMLStatic::fontOf(const wxFont& font) {
    XHtmlFont result;
    const int ppi = wxScreenDC().GetPPI().y;
    result.height =
        -static_cast<int>(std::lround(font.GetFractionalPointSize() * (ppi > 0 ? ppi : 96) / 72.0));
    result.face = fromWx(font.GetFaceName());
    return result;
}

wxFont CXHTMLStatic::wxFontOf(const XHtmlFont& font) {
    wxFontInfo info(wxSize(0, std::max(1, std::abs(font.height))));
    info.FaceName(toWx(font.face)).Bold(font.bold).Italic(font.italic).Underlined(font.underline);
    info.Strikethrough(font.strike);
    return wxFont(info);
}

XHtmlLayout CXHTMLStatic::layoutIn(wxDC& dc) {
    XHtmlLayout::Settings settings;
    const wxSize client = GetClientSize();
    settings.width = client.x;
    settings.height = client.y;
    settings.leftMargin = m_leftMargin;
    settings.rightMargin = m_rightMargin;
    settings.font = m_ownFont ? m_font : fontOf(GetFont());
    settings.textColor = m_textColor;
    settings.backgroundColor = m_background;
    DcMeasurer measurer(dc);
    XHtmlLayout layout = XHtmlLayout::layout(m_text, settings, measurer);
    m_hotRects = layout.hotRects;
    return layout;
}

XHtmlLayout CXHTMLStatic::layoutText() {
    wxClientDC dc(this);
    return layoutIn(dc);
}

void CXHTMLStatic::OnPaint() {
    wxAutoBufferedPaintDC dc(this);
    const wxSize client = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(wxColourOf(m_background)));
    dc.DrawRectangle(0, 0, client.x, client.y);
    const XHtmlLayout layout = layoutIn(dc);
    dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    for (const XHtmlRun& run : layout.runs) {
        dc.SetFont(wxFontOf(run.font));
        dc.SetTextForeground(wxColourOf(run.color));
        dc.SetTextBackground(wxColourOf(run.background));
        dc.DrawText(toWx(run.text), run.x, run.y);
    }
    for (const XHtmlRule& rule : layout.rules) {
        dc.SetPen(wxPen(wxColourOf(rule.color), std::max(rule.size, 1)));
        const int middle = rule.y + rule.size / 2;
        dc.DrawLine(0, middle, client.x, middle);
    }
}

void CXHTMLStatic::OnMotion(const wxPoint& point) {
    bool overLink = false;
    for (const XHtmlHotRect& rect : m_hotRects)
        overLink = overLink || rect.contains(point.x, point.y);
    if (overLink != m_hovering) {
        m_hovering = overLink;
        SetCursor(overLink ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
    }
}

bool CXHTMLStatic::clickAt(const wxPoint& point) {
    for (const XHtmlHotRect& rect : m_hotRects)
        if (rect.contains(point.x, point.y))
            return gotoURL(rect.target);
    return false;
}

bool CXHTMLStatic::gotoURL(const CString& target) {
    if (startsWithNoCase(target, "APP:"))
        return runAppCommand(target.Mid(4));
    if (startsWithNoCase(target, "\"APP:"))
        return runAppCommand(target.Mid(5));
    // The opener takes the address itself, without the quotes of the tag.
    CString address = linkAddress(target);
    if (address.GetLength() >= 2 && address[0] == '"' && address[address.GetLength() - 1] == '"')
        address = address.Mid(1, address.GetLength() - 2);
    return process::openWithDesktop(address);
}

bool CXHTMLStatic::runAppCommand(const CString& text) {
    CString name = text;
    if (name.Left(1) == "\"")
        name = name.Mid(1);
    if (name.Right(1) == "\"")
        name = name.Left(name.GetLength() - 1);
    for (const AppCommand& command : m_appCommands) {
        if (command.name.CompareNoCase(name) != 0 || !command.window)
            continue;
        wxCommandEvent event(wxEVT_MENU, command.message);
        event.SetExtraLong(command.wParam);
        event.SetEventObject(this);
        command.window->GetEventHandler()->ProcessEvent(event);
        return true;
    }
    return false;
}

CString CXHTMLStatic::linkAddress(const CString& target) {
    CString folder = "file://" + getApplicationFolder();
    folder.Replace("\\", "/");
    folder.Replace(" ", "%20");
    CString address = target;
    address.Replace("/qvm/", folder + "/");
    return address;
}
