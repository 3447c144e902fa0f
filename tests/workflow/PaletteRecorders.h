#pragma once

// A palette's host window and painter as tests see them: the messages
// posted, the rectangles repainted and hides, and what was drawn, call by
// call.

#include "CFOSystemColors.h"
#include "PaletteDC.h"
#include "PaletteWindow.h"

#include <algorithm>
#include <string>
#include <vector>

struct PostedMessage {
    UINT message;
    DWORD wParam;
    long lParam;
    bool operator==(const PostedMessage&) const = default;
};

class RecordingWindow : public PaletteWindow {
public:
    void postMessage(UINT message, DWORD wParam, long lParam) override {
        posted.push_back({message, wParam, lParam});
    }
    void invalidate(const CRect& rect) override { invalidated.push_back(rect); }
    void hide() override { ++hides; }
    void focusPreviousTabStop() override { ++focusMovedBack; }
    bool shiftHeld() const override { return shift; }

    void clear() {
        posted.clear();
        invalidated.clear();
        hides = 0;
        focusMovedBack = 0;
    }
    bool wasInvalidated(const CRect& rect) const {
        return std::find(invalidated.begin(), invalidated.end(), rect) != invalidated.end();
    }

    std::vector<PostedMessage> posted;
    std::vector<CRect> invalidated;
    int hides = 0;
    int focusMovedBack = 0;
    bool shift = false;
};

struct DrawCall {
    std::string kind; // "fill", "brush", "polygon", "framePolygon", "3d", "frame", "region", "text", "line"
    CRect rect;
    COLORREF colour = 0;
    COLORREF other = 0;
    int width = 0;
    int height = 0;
    std::vector<CPoint> points;
    std::string text;
};

class RecordingDC : public PaletteDC {
public:
    static DrawCall call(const char* kind, const CRect& rect, COLORREF colour, COLORREF other = 0,
                         int width = 0, int height = 0) {
        DrawCall made;
        made.kind = kind;
        made.rect = rect;
        made.colour = colour;
        made.other = other;
        made.width = width;
        made.height = height;
        return made;
    }

    std::unique_ptr<PaletteBrush> createSolidBrush(COLORREF colour) override {
        ++brushesMade;
        return std::make_unique<PaletteBrush>(colour);
    }
    void fillRect(const CRect& rect, const PaletteBrush& brush) override {
        calls.push_back(call("brush", rect, brush.getColor()));
    }
    void fillSolidRect(const CRect& rect, COLORREF colour) override {
        calls.push_back(call("fill", rect, colour));
    }
    void fillPolygon(const CPoint* points, int count, const PaletteBrush& brush) override {
        DrawCall made = call("polygon", CRect(), brush.getColor());
        made.points.assign(points, points + count);
        calls.push_back(made);
    }
    void framePolygon(const CPoint* points, int count, COLORREF colour, int width, int height) override {
        DrawCall made = call("framePolygon", CRect(), colour, 0, width, height);
        made.points.assign(points, points + count);
        calls.push_back(made);
    }
    void drawText(const CString& text, const CRect& rect) override {
        DrawCall made = call("text", rect, 0);
        made.text = text.str();
        calls.push_back(made);
    }
    void styledLine(int left, int right, int y, int penStyle) override {
        calls.push_back(call("line", CRect(left, y, right, y), 0, 0, penStyle));
    }
    void draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight) override {
        calls.push_back(call("3d", rect, topLeft, bottomRight));
    }
    void frameRect(const CRect& rect, COLORREF colour) override {
        calls.push_back(call("frame", rect, colour));
    }
    void frameRegion(const CRect& rect, COLORREF colour, int width, int height) override {
        calls.push_back(call("region", rect, colour, 0, width, height));
    }

    // The calls of a kind (and colour, when given).
    std::vector<DrawCall> of(const std::string& kind) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls)
            if (call.kind == kind)
                found.push_back(call);
        return found;
    }
    bool has(const std::string& kind, const CRect& rect, COLORREF colour) const {
        return std::any_of(calls.begin(), calls.end(), [&](const DrawCall& call) {
            return call.kind == kind && call.rect == rect && call.colour == colour;
        });
    }
    // The cell rectangles framed as selected: white two pixels inside.
    std::vector<CRect> selectionFrames() const {
        std::vector<CRect> frames;
        for (const DrawCall& call : calls)
            if (call.kind == "region" && call.colour == RGB(255, 255, 255) && call.width == 2)
                frames.push_back(inflated(call.rect, 1, 1));
        return frames;
    }

    std::vector<DrawCall> calls;
    int brushesMade = 0;
};
