#pragma once
#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace testsupport {

// A PNG file's pixels as decoded by libpng: 8-bit RGB, three bytes a pixel, row by row.
struct DecodedPng {
    bool ok = false;
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

inline DecodedPng decodePng(const std::vector<std::uint8_t>& bytes) {
    DecodedPng result;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return result;
    png.format = PNG_FORMAT_RGB;
    result.rgb.resize(PNG_IMAGE_SIZE(png));
    result.ok = png_image_finish_read(&png, nullptr, result.rgb.data(), 0, nullptr) != 0;
    result.width = static_cast<int>(png.width);
    result.height = static_cast<int>(png.height);
    png_image_free(&png);
    return result;
}

}  // namespace testsupport
