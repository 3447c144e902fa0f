#pragma once

// Reading back the PNG files of the tests: their chunks as written, their
// pixels decoded by libpng, and what pngcheck says of them.

#include "DiagramPicture.h"
#include "RunProgram.h"

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

struct PngChunk {
    std::string type;
    std::string data;
};

inline std::uint32_t bigEndian32(const std::string& bytes, size_t at) {
    return (std::uint32_t(std::uint8_t(bytes[at])) << 24) |
           (std::uint32_t(std::uint8_t(bytes[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(bytes[at + 2])) << 8) | std::uint32_t(std::uint8_t(bytes[at + 3]));
}

// The chunks after the signature; empty when the signature is not PNG's or
// a chunk runs past the end.
inline std::vector<PngChunk> pngChunks(const std::string& bytes) {
    static const std::string kSignature("\x89PNG\r\n\x1a\n", 8);
    std::vector<PngChunk> chunks;
    if (bytes.compare(0, 8, kSignature) != 0)
        return chunks;
    for (size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = bigEndian32(bytes, at);
        if (at + 12 + length > bytes.size())
            return {};
        chunks.push_back({bytes.substr(at + 4, 4), bytes.substr(at + 8, length)});
        at += 12 + length;
    }
    return chunks;
}

// The chunk types in order, IDAT runs shown once.
inline std::vector<std::string> chunkOrder(const std::vector<PngChunk>& chunks) {
    std::vector<std::string> order;
    for (const PngChunk& chunk : chunks)
        if (order.empty() || order.back() != chunk.type || chunk.type != "IDAT")
            order.push_back(chunk.type);
    return order;
}

// The pixels as 0x00RRGGBB, row after row, decoded by libpng; empty when
// the file does not decode.
struct DecodedPng {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
inline DecodedPng decodePng(const std::string& bytes) {
    DecodedPng decoded;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return decoded;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return decoded;
    }
    decoded.width = int(image.width);
    decoded.height = int(image.height);
    decoded.pixels.resize(size_t(image.width) * image.height);
    for (size_t i = 0; i < decoded.pixels.size(); ++i)
        decoded.pixels[i] =
            (std::uint32_t(rgb[3 * i]) << 16) | (std::uint32_t(rgb[3 * i + 1]) << 8) | rgb[3 * i + 2];
    return decoded;
}

// The picture's pixels the same way (the colour, alpha left out).
inline std::vector<std::uint32_t> picturePixels(const DiagramPicture& picture) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(size_t(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const COLORREF c = picture.pixel(x, y);
            pixels.push_back(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
        }
    return pixels;
}

// pngcheck's verdict: its exit code (0 when the file is sound) and its words.
inline ProgramResult pngcheck(const std::string& path) {
    return runProgram({"pngcheck", "-v", path});
}
