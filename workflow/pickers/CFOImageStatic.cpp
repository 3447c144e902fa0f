#include "CFOImageStatic.h"

#include <wx/dc.h>
#include <wx/dcclient.h>

CFOImageStatic::CFOImageStatic(wxWindow* parent, wxWindowID id, const wxString& text)
    : CFOCustomStatic(parent, id, text) {}

int CFOImageStatic::loadImages(const wxBitmap& bitmap, int imageWidth, const wxColour& mask) {
    if (!bitmap.IsOk())
        return -1;
    const int width = imageWidth < 0 ? bitmap.GetWidth() : imageWidth;
    for (int x = 0; width > 0 && x + width <= bitmap.GetWidth(); x += width) {
        wxBitmap image = bitmap.GetSubBitmap(wxRect(x, 0, width, bitmap.GetHeight()));
        image.SetMask(new wxMask(image, mask));
        m_images.push_back(image);
    }
    InvalidateBestSize();
    Refresh();
    return 0;
}

wxSize CFOImageStatic::imagesSize() const {
    wxSize size;
    for (const wxBitmap& image : m_images) {
        size.x += image.GetWidth() + (size.x ? m_imageGap : 0);
        size.y = std::max(size.y, image.GetHeight());
    }
    return size;
}

wxSize CFOImageStatic::contentSize() const {
    wxClientDC dc(const_cast<CFOImageStatic*>(this));
    dc.SetFont(GetFont());
    const wxSize text = dc.GetTextExtent(GetLabel());
    const wxSize images = imagesSize();
    return wxSize(images.x + m_textGap + text.x, std::max(images.y, text.y));
}

void CFOImageStatic::layoutBeside(const wxRect& content, wxPoint& imagesAt, wxPoint& textAt) const {
    const wxSize images = imagesSize();
    imagesAt = wxPoint(content.x, content.y + (content.height - images.y) / 2);
    wxClientDC dc(const_cast<CFOImageStatic*>(this));
    dc.SetFont(GetFont());
    const wxSize text = dc.GetTextExtent(GetLabel());
    textAt = wxPoint(content.x + images.x + m_textGap, content.y + (content.height - text.y) / 2);
}

void CFOImageStatic::drawContent(wxDC& dc) {
    wxPoint imagesAt, textAt;
    layoutBeside(contentRect(), imagesAt, textAt);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawText(GetLabel(), textAt);
    for (const wxBitmap& image : m_images) {
        dc.DrawBitmap(IsEnabled() ? image : image.ConvertToDisabled(), imagesAt, true);
        imagesAt.x += image.GetWidth() + m_imageGap;
    }
}
