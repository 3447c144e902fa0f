#pragma once

// A picture with alpha for the diagram painter: 32-bit pixels with
// premultiplied alpha, kept as one cairo image surface for its whole life so
// that drawing it (DiagramDC::DrawPicture) costs a composite, not a
// conversion. It is also the target of offscreen drawing (a DiagramDC built
// on it) and the source of the site pictures.
//
// Pictures that the platform combined with a mask or with AND are made
// pictures with alpha here: a colour key turns into transparent pixels.

#include "CString.h"
#include "WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>

struct _cairo_surface;

class DiagramPicture {
public:
    // No pixels: width and height 0, drawing it does nothing.
    DiagramPicture();
    // Fully transparent pixels.
    DiagramPicture(int width, int height);
    // Opaque pixels of one colour (a canvas for offscreen drawing).
    DiagramPicture(int width, int height, COLORREF background);
    // Pixels given as 0xAARRGGBB, not premultiplied, row after row.
    static DiagramPicture fromArgb(int width, int height, const std::uint32_t* pixels);
    // A picture file (BMP, PNG, GIF, JPEG ...) read through gdk-pixbuf; the
    // path is the program's (backslashes allowed). Decoded once and kept by
    // path, file size and modification time; null when the file does not load.
    static std::shared_ptr<const DiagramPicture> load(const CString& path);

    DiagramPicture(DiagramPicture&& other) noexcept;
    DiagramPicture& operator=(DiagramPicture&& other) noexcept;
    DiagramPicture(const DiagramPicture&) = delete;
    DiagramPicture& operator=(const DiagramPicture&) = delete;
    ~DiagramPicture();

    // A copy with pixels of their own.
    DiagramPicture clone() const;
    // A copy in which every opaque pixel of the key colour is transparent (the
    // pictures drawn on a key colour, or white drawings printed with AND).
    DiagramPicture withColorKey(COLORREF key) const;

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_surface == nullptr; }
    // The colour of a pixel, alpha taken out, and its alpha (0 transparent,
    // 255 opaque); black and 0 outside the picture.
    COLORREF pixel(int x, int y) const;
    int alpha(int x, int y) const;
    // Writes the picture as a PNG file (for checks and tests); false on failure.
    bool savePng(const std::string& diskPath) const;

    // For the painter: the image surface (still owned by the picture).
    _cairo_surface* surface() const { return m_surface; }

private:
    _cairo_surface* m_surface = nullptr;
    int m_width = 0;
    int m_height = 0;
};
