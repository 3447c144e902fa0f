#include "DiagramPicture.h"

#include "AtomicFileWriter.h"
#include "FileSystem.h"

#include <cairo.h>
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <utility>

namespace {

constexpr int kMaxSide = 32767;

inline std::uint32_t* rowOf(cairo_surface_t* surface, int y) {
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                            static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
}

inline std::uint32_t premultiply(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 255)
        return argb;
    if (a == 0)
        return 0;
    auto channel = [a](std::uint32_t v) { return (v * a + 127) / 255; };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) |
           channel(argb & 0xFF);
}

cairo_surface_t* newSurface(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

struct CachedPicture {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    std::shared_ptr<const DiagramPicture> picture;
};

} // namespace

DiagramPicture::DiagramPicture() = default;

DiagramPicture::DiagramPicture(int width, int height) : m_surface(newSurface(width, height)) {
    if (m_surface) {
        m_width = width;
        m_height = height;
    }
}

DiagramPicture::DiagramPicture(int width, int height, COLORREF background) : DiagramPicture(width, height) {
    if (!m_surface)
        return;
    const std::uint32_t pixel =
        0xFF000000u | ((background & 0xFF) << 16) | (background & 0xFF00) | ((background >> 16) & 0xFF);
    cairo_surface_flush(m_surface);
    for (int y = 0; y < m_height; ++y) {
        std::uint32_t* row = rowOf(m_surface, y);
        std::fill(row, row + m_width, pixel);
    }
    cairo_surface_mark_dirty(m_surface);
}

DiagramPicture DiagramPicture::fromArgb(int width, int height, const std::uint32_t* pixels) {
    DiagramPicture picture(width, height);
    if (picture.isNull() || !pixels)
        return picture;
    cairo_surface_flush(picture.m_surface);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = rowOf(picture.m_surface, y);
        for (int x = 0; x < width; ++x)
            row[x] = premultiply(pixels[static_cast<size_t>(y) * width + x]);
    }
    cairo_surface_mark_dirty(picture.m_surface);
    return picture;
}

std::shared_ptr<const DiagramPicture> DiagramPicture::load(const CString& path) {
    static std::mutex mutex;
    static std::map<std::string, CachedPicture> cache;

    const std::string disk = platform::diskPath(path.str());
    std::error_code error;
    const auto size = std::filesystem::file_size(disk, error);
    if (error)
        return nullptr;
    const auto time = std::filesystem::last_write_time(disk, error);
    if (error)
        return nullptr;

    std::lock_guard<std::mutex> lock(mutex);
    auto found = cache.find(disk);
    if (found != cache.end() && found->second.size == size && found->second.time == time)
        return found->second.picture;

    GError* gerror = nullptr;
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(disk.c_str(), &gerror);
    if (gerror)
        g_error_free(gerror);
    std::shared_ptr<const DiagramPicture> result;
    if (pixbuf) {
        const int width = gdk_pixbuf_get_width(pixbuf);
        const int height = gdk_pixbuf_get_height(pixbuf);
        const int channels = gdk_pixbuf_get_n_channels(pixbuf);
        const bool hasAlpha = gdk_pixbuf_get_has_alpha(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        const guchar* data = gdk_pixbuf_read_pixels(pixbuf);
        auto picture = std::make_shared<DiagramPicture>(width, height);
        if (!picture->isNull() && gdk_pixbuf_get_bits_per_sample(pixbuf) == 8 && channels >= 3) {
            cairo_surface_flush(picture->m_surface);
            for (int y = 0; y < height; ++y) {
                const guchar* source = data + static_cast<size_t>(y) * stride;
                std::uint32_t* row = rowOf(picture->m_surface, y);
                for (int x = 0; x < width; ++x, source += channels) {
                    const std::uint32_t a = hasAlpha ? source[3] : 255;
                    row[x] = premultiply((a << 24) | (std::uint32_t(source[0]) << 16) |
                                         (std::uint32_t(source[1]) << 8) | source[2]);
                }
            }
            cairo_surface_mark_dirty(picture->m_surface);
            result = std::move(picture);
        }
        g_object_unref(pixbuf);
    }
    cache[disk] = CachedPicture{size, time, result};
    return result;
}

DiagramPicture::DiagramPicture(DiagramPicture&& other) noexcept
    : m_surface(std::exchange(other.m_surface, nullptr)), m_width(std::exchange(other.m_width, 0)),
      m_height(std::exchange(other.m_height, 0)) {}

DiagramPicture& DiagramPicture::operator=(DiagramPicture&& other) noexcept {
    if (this != &other) {
        if (m_surface)
            cairo_surface_destroy(m_surface);
        m_surface = std::exchange(other.m_surface, nullptr);
        m_width = std::exchange(other.m_width, 0);
        m_height = std::exchange(other.m_height, 0);
    }
    return *this;
}

DiagramPicture::~DiagramPicture() {
    if (m_surface)
        cairo_surface_destroy(m_surface);
}

DiagramPicture DiagramPicture::clone() const {
    DiagramPicture copy(m_width, m_height);
    if (copy.isNull())
        return copy;
    cairo_surface_flush(m_surface);
    cairo_surface_flush(copy.m_surface);
    for (int y = 0; y < m_height; ++y)
        std::copy(rowOf(m_surface, y), rowOf(m_surface, y) + m_width, rowOf(copy.m_surface, y));
    cairo_surface_mark_dirty(copy.m_surface);
    return copy;
}

DiagramPicture DiagramPicture::withColorKey(COLORREF key) const {
    DiagramPicture copy = clone();
    if (copy.isNull())
        return copy;
    const std::uint32_t keyPixel = 0xFF000000u | ((key & 0xFF) << 16) | (key & 0xFF00) | ((key >> 16) & 0xFF);
    for (int y = 0; y < m_height; ++y) {
        std::uint32_t* row = rowOf(copy.m_surface, y);
        for (int x = 0; x < m_width; ++x) {
            if (row[x] == keyPixel)
                row[x] = 0;
        }
    }
    cairo_surface_mark_dirty(copy.m_surface);
    return copy;
}

COLORREF DiagramPicture::pixel(int x, int y) const {
    if (!m_surface || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    cairo_surface_flush(m_surface);
    const std::uint32_t argb = rowOf(m_surface, y)[x];
    const std::uint32_t a = argb >> 24;
    if (a == 0)
        return 0;
    auto channel = [a](std::uint32_t v) { return int((v * 255 + a / 2) / a); };
    return RGB(channel((argb >> 16) & 0xFF), channel((argb >> 8) & 0xFF), channel(argb & 0xFF));
}

int DiagramPicture::alpha(int x, int y) const {
    if (!m_surface || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    cairo_surface_flush(m_surface);
    return int(rowOf(m_surface, y)[x] >> 24);
}

bool DiagramPicture::savePng(const std::string& diskPath) const {
    if (!m_surface)
        return false;
    std::string bytes;
    auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(m_surface, append, &bytes) != CAIRO_STATUS_SUCCESS)
        return false;
    AtomicFileWriter writer(diskPath);
    return writer.isOpen() && writer.write(bytes) && writer.commit();
}
