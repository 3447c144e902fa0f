#include "DiagramFont.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct FaceCase {
    const char* stored;
    const char* drawnWith;
};

// The faces the program names draw with their metric-compatible faces; the
// stored name stays as it was.
TEST(DiagramFontTest, StoredFacesDrawWithTheirInstalledStandIns) {
    const FaceCase cases[] = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
    };
    for (const auto& c : cases) {
        const DiagramFont& font = DiagramFont::of(CFont{.height = -12, .face = c.stored});
        EXPECT_EQ(font.drawingFamily(), c.drawnWith);
        EXPECT_EQ(font.logFont().face, c.stored);
    }
    const DiagramFont& missing = DiagramFont::of(CFont{.height = -12, .face = "Face Nobody Installed"});
    EXPECT_EQ(missing.logFont().face, "Face Nobody Installed");
    EXPECT_FALSE(missing.drawingFamily().IsEmpty());
    EXPECT_GT(missing.textExtent("text").cx, 0);
}

// A negative height is the character height, a positive one the cell height
// (ascent + descent); 0 is 12 points.
TEST(DiagramFontTest, HeightsFollowTheLogicalFont) {
    const DiagramFont& character = DiagramFont::of(CFont{.height = -12, .face = "Arial"});
    EXPECT_DOUBLE_EQ(character.pixelSize(), 12.0);
    EXPECT_EQ(character.metrics().tmAscent, 11);
    EXPECT_EQ(character.metrics().tmDescent, 3);
    EXPECT_EQ(character.metrics().tmHeight, 14);
    EXPECT_EQ(character.metrics().tmInternalLeading, 2);

    const DiagramFont& cell = DiagramFont::of(CFont{.height = 12, .face = "Arial"});
    EXPECT_EQ(cell.metrics().tmHeight, 12);
    EXPECT_NEAR(cell.pixelSize(), 12.0 * 2048 / 2288, 0.01);
    EXPECT_LT(cell.textExtent("Review").cx, character.textExtent("Review").cx);

    EXPECT_DOUBLE_EQ(DiagramFont::of(CFont{.height = 0, .face = "Arial"}).pixelSize(), 16.0);
    EXPECT_EQ(CFont::heightFromPoints(12), -16);
    EXPECT_EQ(CFont::heightFromPoints(9), -12);
    EXPECT_EQ(CFont::heightFromPoints(8), -11);
}

TEST(DiagramFontTest, WeightAndStyleChangeTheText) {
    const CString text = "Approve the design";
    const int normal = DiagramFont::of(CFont{.height = -14, .face = "Arial"}).textExtent(text).cx;
    const int bold =
        DiagramFont::of(CFont{.height = -14, .weight = FW_BOLD, .face = "Arial"}).textExtent(text).cx;
    EXPECT_GT(bold, normal);
    EXPECT_EQ(DiagramFont::of(CFont{.height = -14, .face = "Arial"}).textExtent("").cx, 0);
    // Text is Windows-1252: "\xE9" is one character, e with an acute accent.
    const DiagramFont& arial = DiagramFont::of(CFont{.height = -14, .face = "Arial"});
    EXPECT_GT(arial.textExtent("caf\xE9").cx, arial.textExtent("caf").cx);
    EXPECT_LT(arial.textExtent("caf\xE9").cx, arial.textExtent("cafee").cx);
    // Equal fonts are one resolved font.
    EXPECT_EQ(&DiagramFont::of(CFont{.height = -14, .face = "Arial"}),
              &DiagramFont::of(CFont{.height = -14, .face = "Arial"}));
}

} // namespace
