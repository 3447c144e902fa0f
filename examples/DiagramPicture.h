#pragma once

// A small raster picture of a diagram, drawn the way the diagram editor's
// export draws one (boxes, rounded boxes, lines with arrows, circles and
// text in a plain 5 x 7 font) and saved as a PNG file. The demo builder
// draws the demo's workflow and role map with it, until the diagram editor
// exports them itself.

#include "CString.h"

#include <cstdint>
#include <vector>

class DiagramPicture {
public:
    struct Color {
        std::uint8_t red, green, blue;
    };

    // A white picture.
    DiagramPicture(int width, int height);

    void fillRect(int left, int top, int right, int bottom, Color color);
    // The outline of a rectangle, thickness pixels wide inwards.
    void frame(int left, int top, int right, int bottom, Color color, int thickness = 1);
    // A filled box with rounded corners and an outline.
    void roundBox(int left, int top, int right, int bottom, Color fill, Color outline);
    void line(int x0, int y0, int x1, int y1, Color color);
    // A line from the first point to the second with an arrow head at the second.
    void arrow(int x0, int y0, int x1, int y1, Color color);
    struct Point {
        int x, y;
    };
    // Lines from point to point, the last one with an arrow head.
    void connector(const std::vector<Point>& points, Color color);
    void disc(int centreX, int centreY, int radius, Color color);
    void ring(int centreX, int centreY, int radius, Color color);

    // The width in pixels of a text written at scale 1.
    static int textWidth(const CString& text);
    // A text with its top left corner at (x, y); Windows-1252 bytes.
    void text(int x, int y, const CString& text, Color color, int scale = 1);
    // A text centred in a box, its words wrapped over as many lines as the box's width needs.
    void centredText(int left, int top, int right, int bottom, const CString& text, Color color);

    // Writes the picture as a PNG file through the platform layer; false when it cannot.
    bool save(const CString& path) const;

private:
    void plot(int x, int y, Color color);

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_pixels;
};
