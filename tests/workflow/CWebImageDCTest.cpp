#include "CWebImageDC.h"

#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "FileSystem.h"
#include "PngFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// 2026-03-04 05:06:07 UTC.
constexpr std::time_t kFixedTime = 1772600767;

// Shapes, a line and text in several colours, laid out by the size, so
// that rows and columns differ and a swapped or shifted row shows.
void drawSample(DiagramDC& dc, CSize size) {
    const int w = size.cx, h = size.cy;
    dc.FillSolidRect(CRect(0, 0, w / 2 + 1, h / 3 + 1), RGB(200, 30, 40));
    dc.FillSolidRect(CRect(w / 3, h / 2, w, h), RGB(20, 160, 90));
    CBrush blue(RGB(10, 20, 230));
    dc.SelectObject(blue);
    dc.Ellipse(w / 4, h / 4, w - w / 5, h - h / 6);
    dc.MoveTo(0, h - 1);
    dc.LineTo(w, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText("Activity", CRect(2, 2, w, h), DT_NOPREFIX);
    dc.SetPixel(w - 1, h - 1, RGB(1, 2, 3));
    dc.SetPixel(0, 0, RGB(250, 251, 252));
}

std::string saved(CWebImageDC& image, const TempDir& dir, const std::string& name, BOOL interlace) {
    EXPECT_TRUE(image.saveAsPng((dir / name).c_str(), interlace, FALSE, RGB(255, 255, 255)));
    return dir.read(name);
}

} // namespace

struct SizeCase {
    int width;
    int height;
};
const SizeCase kSizes[] = {{1, 1}, {2, 1}, {1, 3}, {7, 5}, {91, 37}, {333, 17}, {2000, 4000}};

// Every picture, interlaced and not, is a sound PNG file whose pixels are
// the ones drawn, the first row the top one.
TEST(CWebImageDCTest, SavesSoundFilesWhosePixelsAreTheDrawing) {
    TempDir dir;
    for (const SizeCase& c : kSizes) {
        for (BOOL interlace : {FALSE, TRUE}) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " interlace " << interlace);
            CWebImageDC image;
            ASSERT_TRUE(image.create(CSize(c.width, c.height)));
            drawSample(*image.dc(), image.getSize());
            const std::string name = "p" + std::to_string(c.width) + "x" + std::to_string(c.height) +
                                     (interlace ? "i" : "") + ".png";
            const std::string bytes = saved(image, dir, name, interlace);

            const ProgramResult check = pngcheck(dir / name);
            EXPECT_EQ(check.exitCode, 0) << check.output << check.errors;
            const std::string interlaced = interlace ? "interlaced" : "non-interlaced";
            EXPECT_NE(check.output.find(std::to_string(c.width) + " x " + std::to_string(c.height) +
                                        " image, 24-bit RGB, " + interlaced),
                      std::string::npos)
                << check.output;

            const DecodedPng decoded = decodePng(bytes);
            ASSERT_EQ(decoded.width, c.width);
            ASSERT_EQ(decoded.height, c.height);
            const std::vector<std::uint32_t> drawn = picturePixels(*image.getPicture());
            EXPECT_TRUE(decoded.pixels == drawn);
            if (decoded.pixels.size() > 1) {
                EXPECT_EQ(decoded.pixels.front(), 0xFAFBFCu);
                EXPECT_EQ(decoded.pixels.back(), 0x010203u);
            }
        }
    }
}

// The chunks come in their order with their fields: 8-bit RGB, the time
// of the clock in UTC, the program's text; tRNS only when asked for.
TEST(CWebImageDCTest, WritesItsChunksInOrder) {
    struct ChunkCase {
        BOOL interlace;
        BOOL transparent;
        std::vector<std::string> order;
    };
    const ChunkCase cases[] = {
        {TRUE, FALSE, {"IHDR", "tIME", "tEXt", "IDAT", "IEND"}},
        {FALSE, FALSE, {"IHDR", "tIME", "tEXt", "IDAT", "IEND"}},
        {TRUE, TRUE, {"IHDR", "tRNS", "tIME", "tEXt", "IDAT", "IEND"}},
    };
    for (const ChunkCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "interlace " << c.interlace << " transparent " << c.transparent);
        CWebImageDC image;
        image.setClock([] { return kFixedTime; });
        ASSERT_TRUE(image.create(CSize(300, 2)));
        std::string bytes;
        ASSERT_TRUE(image.writePng(bytes, c.interlace, c.transparent, RGB(0x12, 0x34, 0x56)));
        const std::vector<PngChunk> chunks = pngChunks(bytes);
        EXPECT_EQ(chunkOrder(chunks), c.order);

        const std::string& header = chunks.at(0).data;
        ASSERT_EQ(header.size(), 13u);
        EXPECT_EQ(bigEndian32(header, 0), 300u);
        EXPECT_EQ(bigEndian32(header, 4), 2u);
        EXPECT_EQ(header.substr(8), std::string({8, 2, 0, 0, char(c.interlace ? 1 : 0)}));
        for (const PngChunk& chunk : chunks) {
            if (chunk.type == "tIME") {
                EXPECT_EQ(chunk.data, std::string({char(2026 >> 8), char(2026 & 0xFF), 3, 4, 5, 6, 7}));
            } else if (chunk.type == "tEXt") {
                EXPECT_EQ(chunk.data, std::string("Software\0CWebImageDC / PNG", 26));
            } else if (chunk.type == "tRNS") {
                EXPECT_EQ(chunk.data, std::string({0, 0x12, 0, 0x34, 0, 0x56}));
            }
        }
    }
}

// With a fixed clock two saves give the same bytes; the clock's time is
// the only thing that tells two saves of one picture apart.
TEST(CWebImageDCTest, AFixedClockGivesTheSameBytes) {
    std::time_t now = kFixedTime;
    CWebImageDC image;
    image.setClock([&now] { return now; });
    ASSERT_TRUE(image.create(CSize(120, 80)));
    drawSample(*image.dc(), image.getSize());
    std::string first, second, later;
    ASSERT_TRUE(image.writePng(first, TRUE, FALSE, 0xFFFFFF));
    ASSERT_TRUE(image.writePng(second, TRUE, FALSE, 0xFFFFFF));
    EXPECT_TRUE(first == second);
    now += 1;
    ASSERT_TRUE(image.writePng(later, TRUE, FALSE, 0xFFFFFF));
    EXPECT_FALSE(first == later);
    EXPECT_EQ(first.size(), later.size());
}

// A file that cannot be written is refused and nothing else on disk
// changes; an old picture is replaced whole.
TEST(CWebImageDCTest, ReplacesTheFileWholeOrNotAtAll) {
    TempDir dir;
    dir.write("old.png", "an old picture");
    dir.write("folder.png/keep", "x");
    CWebImageDC image;
    ASSERT_TRUE(image.create(CSize(10, 10)));
    const auto before = dir.entries();
    EXPECT_FALSE(image.saveAsPng((dir / "missing/wf.png").c_str(), TRUE, FALSE, 0xFFFFFF));
    EXPECT_FALSE(image.saveAsPng((dir / "folder.png").c_str(), TRUE, FALSE, 0xFFFFFF));
    EXPECT_EQ(dir.entries(), before);
    EXPECT_EQ(dir.read("folder.png/keep"), "x");

    EXPECT_TRUE(image.saveAsPng((dir / "old.png").c_str(), TRUE, FALSE, 0xFFFFFF));
    EXPECT_EQ(pngcheck(dir / "old.png").exitCode, 0);
    EXPECT_EQ(dir.entries(), before);
}

// No picture, nothing to save: an empty or impossible size is refused.
TEST(CWebImageDCTest, RefusesSizesWithoutPixels) {
    for (CSize size : {CSize(0, 0), CSize(0, 5), CSize(5, 0), CSize(-3, 4), CSize(40000, 1)}) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        CWebImageDC image;
        EXPECT_FALSE(image.create(size));
        EXPECT_EQ(image.dc(), nullptr);
        std::string bytes;
        EXPECT_FALSE(image.writePng(bytes, TRUE, FALSE, 0xFFFFFF));
        EXPECT_TRUE(bytes.empty());
    }
}
