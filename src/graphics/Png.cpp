// Pictures as PNG files, encoded in memory by the stb image writer (header-only, the same
// code on every platform the program builds for).
#include "graphics/Png.h"

#include <cstddef>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wconversion"
#endif
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

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
    int size = 0;
    unsigned char* png = stbi_write_png_to_mem(rgb.data(), 3 * width, width, height, 3, &size);
    const bool ok = png != nullptr && size > 0;
    if (ok) out.assign(png, png + size);
    STBIW_FREE(png);
    return ok;
}

}  // namespace modGraphics
