// The PNG encoder, checked by decoding its output with the stb image reader.
#include <gtest/gtest.h>

#include "graphics/Png.h"
#include "support/PngDecode.h"

namespace {

TEST(Png, TheTopLeftRegionDecodesToThePixelsWithBlackBeyondTheImage) {
    PixelImage image(3, 2);  // colours as red + 256 green + 65536 blue
    const std::uint32_t colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x123456, 0xFFFFFF, 0x010203};
    for (int k = 0; k < 6; ++k) image.set(k % 3, k / 3, colours[k]);
    const std::tuple<const char*, int, int, std::vector<std::uint8_t>> rows[] = {
        // name, width, height, the pixels row by row: red, green, blue
        {"whole image", 3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 0x56, 0x34, 0x12, 255, 255, 255, 3, 2, 1}},
        {"left part", 2, 1, {255, 0, 0, 0, 255, 0}},
        {"beyond the image", 4, 3, {255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0x56, 0x34, 0x12, 255, 255, 255,
                                    3,   2, 1, 0, 0,   0, 0, 0, 0,   0, 0, 0, 0,    0,    0,    0,   0,   0}},
    };
    for (const auto& [name, width, height, rgb] : rows) {
        SCOPED_TRACE(name);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(modGraphics::toPng(image, width, height, bytes));
        const testsupport::DecodedPng png = testsupport::decodePng(bytes);
        EXPECT_TRUE(png.ok && png.width == width && png.height == height);
        EXPECT_EQ(png.rgb, rgb);
    }
}

TEST(Png, AnEmptySizeMakesNoFile) {
    std::vector<std::uint8_t> bytes{1, 2};
    for (const auto& [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-1, 3}}) {
        EXPECT_FALSE(modGraphics::toPng(PixelImage(4, 4), w, h, bytes)) << w << " x " << h;
        EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2}));
    }
}

}  // namespace
