// The preview figure as a binary PPM picture.
#include <string>

#include "graphics/modGraphics.h"

namespace modGraphics {

std::vector<std::uint8_t> toPpm(const PixelImage& image, int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.reserve(header.size() + 3 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t c = image.get(x, y);  // pixels beyond the image read as black
            out.push_back(static_cast<std::uint8_t>(c & 0xFF));
            out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
            out.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));
        }
    }
    return out;
}

}  // namespace modGraphics
