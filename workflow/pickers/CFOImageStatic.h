#pragma once

// The "Select..." control of "More Colors": its pictures in a row at the
// left, centred vertically, and its text after them on one line.

#include "CFOCustomStatic.h"

#include <vector>
#include <wx/bitmap.h>

class CFOImageStatic : public CFOCustomStatic {
public:
    CFOImageStatic(wxWindow* parent, wxWindowID id, const wxString& text);

    // Cuts the bitmap into pictures of the width (the whole bitmap when
    // negative), the mask colour being transparent, and adds them: 0, or
    // -1 when there is no bitmap.
    int loadImages(const wxBitmap& bitmap, int imageWidth, const wxColour& mask);
    int getImageCount() const { return static_cast<int>(m_images.size()); }

protected:
    void drawContent(wxDC& dc) override;
    wxSize contentSize() const override;

private:
    // Where the row of pictures and the text go inside the content.
    void layoutBeside(const wxRect& content, wxPoint& imagesAt, wxPoint& textAt) const;
    wxSize imagesSize() const;

    std::vector<wxBitmap> m_images;
    int m_imageGap = 1;
    int m_textGap = 1;
};
