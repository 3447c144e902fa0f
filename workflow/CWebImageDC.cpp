#include "CWebImageDC.h"

#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "FileSystem.h"

#include <cairo.h>
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <vector>

namespace {

// What the encoder is given: plain data only, so that libpng's error trap
// can leave writePngFile without passing over an object with a destructor.
struct PngRows {
    png_uint_32 width;
    png_uint_32 height;
    int interlace;
    png_bytep* rows; // top row first, 3 bytes a pixel
    int transparent;
    png_color_16 transparentColour;
    std::time_t when;
};

struct PngSink {
    std::string* bytes;
};

void pngError(png_structp png, png_const_charp /*message*/) {
    png_longjmp(png, 1);
}

void pngWarning(png_structp /*png*/, png_const_charp /*message*/) {}

// Appends to the memory buffer; a buffer that cannot grow is a libpng error,
// raised once the exception is out of the way.
void pngWriteToMemory(png_structp png, png_bytep data, size_t length) {
    auto* sink = static_cast<PngSink*>(png_get_io_ptr(png));
    bool grown = true;
    try {
        sink->bytes->append(reinterpret_cast<const char*>(data), length);
    } catch (...) {
        grown = false;
    }
    if (!grown)
        png_error(png, "Couldn't allocate enough memory");
}

void pngFlush(png_structp /*png*/) {}

// The libpng sequence, in C style: every failure, the library's own
// included, comes back here through setjmp and gives 0.
int writePngFile(const PngRows* image, PngSink* sink) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (!png)
        return 0;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return 0;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return 0;
    }
    png_set_write_fn(png, sink, pngWriteToMemory, pngFlush);
    png_set_IHDR(png, info, image->width, image->height, 8, PNG_COLOR_TYPE_RGB,
                 image->interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);

    png_text text;
    text.compression = PNG_TEXT_COMPRESSION_NONE;
    text.key = const_cast<png_charp>(CWebImageDC::kSoftwareKeyword);
    text.text = const_cast<png_charp>(CWebImageDC::kSoftwareText);
    text.text_length = 0;
    text.itxt_length = 0;
    text.lang = nullptr;
    text.lang_key = nullptr;
    png_set_text(png, info, &text, 1);

    struct tm utc;
    if (gmtime_r(&image->when, &utc)) {
        png_time stamp;
        png_convert_from_struct_tm(&stamp, &utc);
        png_set_tIME(png, info, &stamp);
    }
    if (image->transparent) {
        png_color_16 colour = image->transparentColour;
        png_set_tRNS(png, info, nullptr, 0, &colour);
    }
    png_write_info(png, info);

    const int passes = image->interlace ? png_set_interlace_handling(png) : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 row = 0; row < image->height; ++row)
            png_write_row(png, image->rows[row]);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return 1;
}

} // namespace

CWebImageDC::CWebImageDC() : m_clock([] { return std::time(nullptr); }) {}

CWebImageDC::~CWebImageDC() {
    // The painter goes before the picture it draws on.
    m_dc.reset();
}

BOOL CWebImageDC::create(CSize size, COLORREF background) {
    m_dc.reset();
    m_picture.reset();
    m_size = CSize(0, 0);
    auto picture = std::make_unique<DiagramPicture>(size.cx, size.cy, background);
    if (picture->isNull())
        return FALSE;
    m_picture = std::move(picture);
    m_dc = std::make_unique<DiagramDC>(*m_picture);
    m_size = size;
    return TRUE;
}

const DiagramPicture* CWebImageDC::getPicture() const {
    if (m_dc)
        m_dc->flush();
    return m_picture.get();
}

BOOL CWebImageDC::writePng(std::string& bytes, BOOL interlace, BOOL transparent,
                           COLORREF transparentColour) const {
    const DiagramPicture* picture = getPicture();
    if (!picture || picture->isNull())
        return FALSE;
    cairo_surface_t* surface = picture->surface();
    cairo_surface_flush(surface);
    const int width = picture->width();
    const int height = picture->height();
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    if (!data)
        return FALSE;

    // Cairo's pixels are 32-bit words 0xAARRGGBB, alpha premultiplied; a
    // site picture is opaque, but a partly transparent pixel is taken out
    // of its alpha all the same.
    std::vector<png_byte> rgb(size_t(width) * 3 * size_t(height));
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(data + size_t(y) * stride);
        png_bytep out = rgb.data() + size_t(y) * width * 3;
        rows[size_t(y)] = out;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t argb = in[x];
            std::uint32_t r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, b = argb & 0xFF;
            const std::uint32_t a = argb >> 24;
            if (a != 255) {
                r = a ? (r * 255 + a / 2) / a : 0;
                g = a ? (g * 255 + a / 2) / a : 0;
                b = a ? (b * 255 + a / 2) / a : 0;
            }
            out[3 * x] = png_byte(r);
            out[3 * x + 1] = png_byte(g);
            out[3 * x + 2] = png_byte(b);
        }
    }

    PngRows image{};
    image.width = png_uint_32(width);
    image.height = png_uint_32(height);
    image.interlace = interlace ? 1 : 0;
    image.rows = rows.data();
    image.transparent = transparent ? 1 : 0;
    image.transparentColour.red = png_uint_16(transparentColour & 0xFF);
    image.transparentColour.green = png_uint_16((transparentColour >> 8) & 0xFF);
    image.transparentColour.blue = png_uint_16((transparentColour >> 16) & 0xFF);
    image.when = m_clock ? m_clock() : std::time(nullptr);
    std::string encoded;
    PngSink sink{&encoded};
    if (!writePngFile(&image, &sink))
        return FALSE;
    bytes = std::move(encoded);
    return TRUE;
}

BOOL CWebImageDC::saveAsPng(const CString& path, BOOL interlace, BOOL transparent,
                            COLORREF transparentColour) {
    std::string bytes;
    if (!writePng(bytes, interlace, transparent, transparentColour))
        return FALSE;
    return platform::writeFileReplacing(path, bytes) ? TRUE : FALSE;
}
