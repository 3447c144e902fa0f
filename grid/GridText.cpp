#include "GridText.h"

#include "GridDefines.h"

#include <vector>
#include <wx/dcclient.h>

namespace gridtext {

namespace {

// The lines of the text as the flags lay them out within the width.
std::vector<wxString> layoutLines(wxDC& dc, const wxString& text, int width, UINT format) {
    std::vector<wxString> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(text);
        return lines;
    }
    wxString clean = text;
    clean.Replace("\r\n", "\n");
    clean.Replace("\r", "\n");
    for (const wxString& paragraph : wxSplit(clean, '\n', '\0')) {
        if (!(format & DT_WORDBREAK) || dc.GetTextExtent(paragraph).x <= width) {
            lines.push_back(paragraph);
            continue;
        }
        // Break at spaces; a word wider than the width stays whole on its line.
        wxString line;
        for (const wxString& word : wxSplit(paragraph, ' ', '\0')) {
            const wxString candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(candidate).x > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

wxString withEllipsis(wxDC& dc, const wxString& line, int width) {
    if (dc.GetTextExtent(line).x <= width)
        return line;
    const wxString dots = "...";
    // The longest start of the line that fits with the dots after it.
    size_t low = 0, high = line.length();
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (dc.GetTextExtent(line.Left(mid) + dots).x <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return line.Left(low) + dots;
}

} // namespace

void draw(wxDC& dc, const wxString& text, const GridRect& rect, UINT format) {
    if (rect.IsRectEmpty() || text.empty())
        return;
    wxDCClipper clip(dc, rect.toWx());
    const int lineHeight = dc.GetCharHeight();
    std::vector<wxString> lines = layoutLines(dc, text, rect.Width(), format);
    int y = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect.top + (rect.Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rect.bottom - lineHeight;
    }
    for (wxString line : lines) {
        if (format & DT_END_ELLIPSIS)
            line = withEllipsis(dc, line, rect.Width());
        const int width = dc.GetTextExtent(line).x;
        // A line wider than the rectangle shows its beginning, whatever
        // its alignment.
        int x = rect.left;
        if (width <= rect.Width() && (format & DT_CENTER))
            x = rect.left + (rect.Width() - width) / 2;
        else if (width <= rect.Width() && (format & DT_RIGHT))
            x = rect.right - width;
        dc.DrawText(line, x, y);
        y += lineHeight;
        if (y >= rect.bottom)
            break;
    }
}

wxSize measure(wxDC& dc, const wxString& text, int width, UINT format) {
    const std::vector<wxString> lines = layoutLines(dc, text, width, format);
    int widest = 0;
    for (const wxString& line : lines)
        widest = std::max(widest, dc.GetTextExtent(line).x);
    return wxSize(widest, dc.GetCharHeight() * static_cast<int>(lines.size()));
}

} // namespace gridtext
