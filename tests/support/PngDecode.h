#pragma once
#include <cstdint>
#include <vector>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wpedantic"
#endif
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace testsupport {

// A PNG file's pixels as the stb image reader decodes them: 8-bit RGB, three bytes a
// pixel, row by row.
struct DecodedPng {
    bool ok = false;
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

inline DecodedPng decodePng(const std::vector<std::uint8_t>& bytes) {
    DecodedPng result;
    int channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &result.width, &result.height,
                                            &channels, 3);
    if (pixels == nullptr) return result;
    result.rgb.assign(pixels, pixels + 3 * static_cast<std::size_t>(result.width) * result.height);
    stbi_image_free(pixels);
    result.ok = true;
    return result;
}

}  // namespace testsupport
