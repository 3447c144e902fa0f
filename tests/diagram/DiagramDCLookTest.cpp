// Every drawing call of the painter and every gateway marker in one picture,
// saved for a person to look at ("diagram-painter.png" in
// $TOLVANE_SCREENSHOT_DIR when that is set, else in the test's own folder).

#include "DiagramDC.h"
#include "GatewayMarker.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

void drawGallery(DiagramDC& dc) {
    const COLORREF black = RGB(0, 0, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(CFont{.height = -12, .face = "Arial"});

    // Row 1: lines in each pen style, one pixel and geometric 3 pixels wide.
    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    for (int i = 0; i < 5; ++i) {
        dc.SelectObject(CPen(styles[i], 1, black));
        dc.MoveTo(10, 10 + i * 8);
        dc.LineTo(150, 10 + i * 8);
        dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | styles[i], 3, RGB(0, 0, 160)));
        dc.MoveTo(170, 10 + i * 8);
        dc.LineTo(310, 10 + i * 8);
    }
    dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, black, {10, 5}));
    dc.MoveTo(330, 10);
    dc.LineTo(470, 50);
    dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, black, {1, 5}));
    dc.MoveTo(330, 50);
    dc.LineTo(470, 10);
    dc.SelectObject(CPen(PS_SOLID, 1, RGB(200, 0, 0)));
    const CPoint zigzag[] = {{490, 50}, {510, 10}, {530, 50}, {550, 10}, {570, 50}};
    dc.Polyline(zigzag, 5);

    // Row 2: shapes with a pen and a brush, then with the null pen.
    dc.SelectObject(CPen(PS_SOLID, 1, black));
    dc.SelectObject(CBrush(RGB(255, 215, 125)));
    dc.Rectangle(10, 70, 70, 110);
    dc.Ellipse(80, 70, 140, 110);
    dc.RoundRect(150, 70, 230, 110, 12, 12);
    const CPoint diamond[] = {{260, 70}, {280, 90}, {260, 110}, {240, 90}};
    dc.Polygon(diamond, 4);
    const CPoint star[] = {{320, 68}, {332, 108}, {298, 82}, {342, 82}, {308, 108}};
    dc.Polygon(star, 5);
    dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_DASH, 2, RGB(0, 120, 0)));
    dc.Rectangle(360, 70, 420, 110);
    dc.SelectObject(CPen(PS_NULL, 0, 0));
    dc.SelectObject(CBrush(RGB(95, 170, 220)));
    dc.Rectangle(430, 70, 490, 110);
    dc.Ellipse(500, 70, 560, 110);
    dc.SelectObject(CPen(PS_DOT, 1, black));
    dc.SelectObject(CBrush::null());
    dc.RoundRect(570, 70, 650, 110, 24, 24);
    // The corners of a rounded frame as four quarter arcs.
    dc.SelectObject(CPen(PS_SOLID, 1, RGB(160, 0, 160)));
    dc.Arc(660, 70, 684, 94, 672, 70, 660, 82);
    dc.Arc(676, 70, 700, 94, 700, 82, 688, 70);
    dc.Arc(660, 86, 684, 110, 660, 98, 672, 110);
    dc.Arc(676, 86, 700, 110, 688, 110, 700, 98);

    // Row 3: fills, pixels and text.
    dc.FillSolidRect(CRect(10, 130, 70, 150), RGB(240, 65, 35));
    dc.FillRect(CRect(20, 140, 80, 160), CBrush::stock(GRAY_BRUSH));
    for (int x = 90; x <= 150; x += 6)
        for (int y = 130; y <= 160; y += 6)
            dc.SetPixel(x, y, RGB(0, 0, 255));
    dc.DrawFocusRect(CRect(160, 130, 220, 160));
    dc.SetTextColor(black);
    dc.DrawText("Centred text", CRect(230, 130, 350, 160),
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(CPen(PS_SOLID, 1, RGB(180, 180, 180)));
    dc.SelectObject(CBrush::null());
    dc.Rectangle(230, 130, 350, 160);
    dc.Rectangle(360, 125, 460, 185);
    dc.DrawText("Words broken into lines in their box", CRect(360, 125, 460, 185), DT_CENTER | DT_WORDBREAK);
    dc.SelectObject(CFont{.height = -14, .weight = FW_BOLD, .italic = 1, .face = "Times New Roman"});
    dc.SetTextColor(RGB(0, 0, 160));
    dc.DrawText("&Bold italic", CRect(470, 130, 600, 150), DT_LEFT);
    dc.SelectObject(CFont{.height = 12, .underline = 1, .face = "Courier New"});
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(128, 128, 128));
    dc.SetTextColor(RGB(255, 255, 255));
    dc.DrawText("Opaque", CRect(470, 160, 600, 180), DT_LEFT);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(black);
    dc.SelectObject(CFont{.height = -13, .escapement = 900, .face = "Arial"});
    dc.TextOut(620, 185, "Upwards");
    dc.SelectObject(CFont{.height = -12, .face = "Arial"});
    dc.DrawText("A text much too long for its box", CRect(640, 130, 740, 150),
                DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);

    // Row 4: the gateway markers on the condition's fill, and a picture
    // with alpha, stretched.
    for (int kind = GatewayMarker::kFirstKind; kind <= GatewayMarker::kLastKind; ++kind) {
        const int left = 10 + (kind - 1) * 50;
        dc.SelectObject(CPen(PS_SOLID, 1, black));
        dc.SelectObject(CBrush(RGB(240, 235, 225)));
        const CPoint gateway[] = {{left + 18, 218}, {left + 36, 200}, {left + 54, 218}, {left + 36, 236}};
        dc.Polygon(gateway, 4);
        dc.DrawPicture(left + 18, 200, GatewayMarker::picture(kind));
    }
    const DiagramPicture& marker = GatewayMarker::picture(6);
    dc.DrawPicture(CRect(370, 195, 444, 269), marker);
}

TEST(DiagramDCLookTest, EveryCallInOnePicture) {
    DiagramPicture canvas(760, 280, RGB(255, 255, 255));
    {
        DiagramDC dc(canvas);
        drawGallery(dc);
    }
    // The same, four times larger, pixel for pixel, in two halves.
    DiagramPicture left(4 * 380, 4 * 280), right(4 * 380, 4 * 280);
    {
        DiagramDC dc(left);
        dc.DrawPicture(CRect(0, 0, 4 * 380, 4 * 280), canvas, CRect(0, 0, 380, 280));
    }
    {
        DiagramDC dc(right);
        dc.DrawPicture(CRect(0, 0, 4 * 380, 4 * 280), canvas, CRect(380, 0, 760, 280));
    }
    TempDir folder;
    const char* wanted = std::getenv("TOLVANE_SCREENSHOT_DIR");
    const std::string stem =
        (wanted && *wanted ? std::string(wanted) + "/" : folder.path()) + "diagram-painter";
    EXPECT_TRUE(canvas.savePng(stem + ".png")) << stem;
    EXPECT_TRUE(left.savePng(stem + "-zoom-left.png")) << stem;
    EXPECT_TRUE(right.savePng(stem + "-zoom-right.png")) << stem;
}

} // namespace
