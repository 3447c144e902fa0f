#include "NodePictures.h"

#include "EmbeddedFiles.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

DiagramPicture NodePictures::decode(std::span<const unsigned char> bytes) {
    if (bytes.empty())
        return DiagramPicture();
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    const bool written = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr);
    const bool closed = gdk_pixbuf_loader_close(loader, nullptr);
    GdkPixbuf* pixbuf = written && closed ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    DiagramPicture picture;
    if (pixbuf && gdk_pixbuf_get_bits_per_sample(pixbuf) == 8 && gdk_pixbuf_get_n_channels(pixbuf) >= 3) {
        const int width = gdk_pixbuf_get_width(pixbuf);
        const int height = gdk_pixbuf_get_height(pixbuf);
        const int channels = gdk_pixbuf_get_n_channels(pixbuf);
        const bool alpha = gdk_pixbuf_get_has_alpha(pixbuf);
        const int stride = gdk_pixbuf_get_rowstride(pixbuf);
        const guchar* data = gdk_pixbuf_read_pixels(pixbuf);
        std::vector<std::uint32_t> argb(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const guchar* p = data + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * channels;
                const std::uint32_t a = alpha ? p[3] : 255;
                argb[static_cast<size_t>(y) * width + x] = (a << 24) | (p[0] << 16) | (p[1] << 8) | p[2];
            }
        picture = DiagramPicture::fromArgb(width, height, argb.data());
    }
    g_object_unref(loader);
    return picture;
}

const DiagramPicture& NodePictures::activityPlaque(int style) {
    static std::array<std::optional<DiagramPicture>, 5> kept;
    static const DiagramPicture none;
    if (style < 0 || style >= static_cast<int>(kept.size()))
        return none;
    if (!kept[style])
        kept[style].emplace(decode(embeddedFile("activityPlaque" + std::to_string(style) + ".png")));
    return *kept[style];
}
