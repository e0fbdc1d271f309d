// Pictures as PNG files, encoded in memory by libpng's simplified interface.
#include "graphics/Png.h"

#include <png.h>

#include <cstring>

namespace modGraphics {

bool toPng(const PixelImage& image, int width, int height, std::vector<std::uint8_t>& out) {
    if (width <= 0 || height <= 0) return false;
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = image.get(x, y);
            rgb[at++] = static_cast<std::uint8_t>(c & 0xFF);
            rgb[at++] = static_cast<std::uint8_t>((c >> 8) & 0xFF);
            rgb[at++] = static_cast<std::uint8_t>((c >> 16) & 0xFF);
        }
    }

    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = PNG_FORMAT_RGB;
    // The first call only measures, the second writes into a buffer of that size.
    png_alloc_size_t size = 0;
    std::vector<std::uint8_t> bytes;
    bool ok = png_image_write_to_memory(&png, nullptr, &size, 0, rgb.data(), 0, nullptr) != 0;
    if (ok) {
        bytes.resize(size);
        ok = png_image_write_to_memory(&png, bytes.data(), &size, 0, rgb.data(), 0, nullptr) != 0;
    }
    png_image_free(&png);  // after a failure libpng may still hold its state
    if (!ok) return false;
    bytes.resize(size);
    out = std::move(bytes);
    return true;
}

}  // namespace modGraphics
