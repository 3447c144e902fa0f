#include "DiagramPicture.h"

#include "DiagramDC.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

namespace {

DiagramPicture twoByTwo(std::uint32_t first) {
    const std::uint32_t pixels[] = {first, 0x800000FFu, 0x00000000u, 0xFF00FF00u};
    return DiagramPicture::fromArgb(2, 2, pixels);
}

TEST(DiagramPictureTest, KeepsPixelsAndAlpha) {
    const DiagramPicture picture = twoByTwo(0xFFFF0000u);
    EXPECT_EQ(picture.pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(picture.alpha(0, 0), 255);
    EXPECT_EQ(picture.pixel(1, 0), RGB(0, 0, 255));
    EXPECT_EQ(picture.alpha(1, 0), 128);
    EXPECT_EQ(picture.alpha(0, 1), 0);
    EXPECT_EQ(picture.alpha(5, 5), 0); // outside
    const DiagramPicture copy = picture.clone();
    EXPECT_EQ(copy.pixel(1, 1), RGB(0, 255, 0));
    EXPECT_NE(copy.surface(), picture.surface());
}

TEST(DiagramPictureTest, SizesItCannotHoldGiveNoPixels) {
    EXPECT_TRUE(DiagramPicture().isNull());
    EXPECT_TRUE(DiagramPicture(0, 10).isNull());
    EXPECT_TRUE(DiagramPicture(-5, 10, RGB(1, 2, 3)).isNull());
    EXPECT_TRUE(DiagramPicture(40000, 2).isNull());
    DiagramPicture none;
    DiagramDC dc(none); // drawing into nothing draws nothing and does not fail
    dc.Rectangle(0, 0, 10, 10);
    dc.DrawText("text", CRect(0, 0, 50, 20), DT_LEFT);
    EXPECT_EQ(none.width(), 0);
}

// A picture file is read once while it stays as it is, and again when it
// changes; a file that is no picture, or none at all, gives no picture.
TEST(DiagramPictureTest, LoadsPictureFilesOnceWhileUnchanged) {
    TempDir folder;
    const std::string path = folder / "node.png";
    ASSERT_TRUE(twoByTwo(0xFFFF0000u).savePng(path));
    const auto first = DiagramPicture::load(CString(path));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->width(), 2);
    EXPECT_EQ(first->pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(first->pixel(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(first->alpha(0, 1), 0);
    EXPECT_EQ(DiagramPicture::load(CString(path)), first);

    DiagramPicture larger(3, 1, RGB(0, 0, 255));
    ASSERT_TRUE(larger.savePng(path));
    const auto second = DiagramPicture::load(CString(path));
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->width(), 3);
    EXPECT_EQ(first->width(), 2); // a picture handed out before stays as it was

    folder.write("notes.png", "not a picture at all");
    EXPECT_FALSE(DiagramPicture::load(CString(folder / "notes.png")));
    EXPECT_FALSE(DiagramPicture::load(CString(folder / "missing.bmp")));
}

TEST(DiagramPictureTest, ProgramPathsWithBackslashesLoad) {
    TempDir folder;
    folder.write("Images/readme.txt", "");
    ASSERT_TRUE(twoByTwo(0xFF000000u).savePng(folder / "Images/logo.png"));
    CString path(folder.path() + "Images\\logo.png");
    const auto picture = DiagramPicture::load(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixel(0, 0), RGB(0, 0, 0));
}

} // namespace
