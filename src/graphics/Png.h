#pragma once
#include <cstdint>
#include <vector>

#include "graphics/PixelImage.h"

namespace modGraphics {

// The top-left width x height pixels of the image as the bytes of an 8-bit RGB PNG file;
// pixels beyond the image are black. False, with out left as it was, for an empty size or
// when it cannot be encoded.
bool toPng(const PixelImage& image, int width, int height, std::vector<std::uint8_t>& out);

}  // namespace modGraphics
