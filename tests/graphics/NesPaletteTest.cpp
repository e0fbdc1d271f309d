#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/modGraphics.h"

namespace {

struct Rgb {
    int r, g, b;
};

std::uint32_t pack(Rgb c) { return static_cast<std::uint32_t>(c.r + 256 * c.g + 65536 * c.b); }

struct ColourRow {
    int index;
    bool monochrome;
    int emphasis;
    Rgb expected;
};

// Index 0x00 (128 each) and 0x20 (255 each) under every emphasis row exercise all 24
// factors: a factor off by 0.01 moves the product by at least 1.28 and so the result.
const ColourRow kRows[] = {
    // plain colours
    {0x0D, false, 0, {0, 0, 0}},
    {0x0E, false, 0, {5, 5, 5}},
    {0x0F, false, 0, {5, 5, 5}},
    {0x1E, false, 0, {9, 9, 9}},
    {0x3F, false, 0, {17, 17, 17}},
    {0x20, false, 0, {255, 255, 255}},
    {0x30, false, 0, {255, 255, 255}},
    {0x11, false, 0, {0, 119, 255}},
    {0x27, false, 0, {255, 156, 18}},
    {0x17, false, 0, {214, 50, 0}},
    {0x3D, false, 0, {221, 221, 221}},
    {0x2C, false, 0, {5, 251, 255}},
    // every emphasis row on grey 0x00
    {0x00, false, 1, {128, 102, 104}},
    {0x00, false, 2, {100, 120, 84}},
    {0x00, false, 3, {101, 99, 81}},
    {0x00, false, 4, {105, 106, 143}},
    {0x00, false, 5, {104, 91, 111}},
    {0x00, false, 6, {87, 101, 101}},
    {0x00, false, 7, {90, 90, 90}},
    // every emphasis row on white 0x20
    {0x20, false, 1, {255, 204, 207}},
    {0x20, false, 2, {199, 240, 168}},
    {0x20, false, 3, {201, 196, 161}},
    {0x20, false, 4, {209, 212, 255}},
    {0x20, false, 5, {207, 181, 222}},
    {0x20, false, 6, {173, 201, 201}},
    {0x20, false, 7, {178, 178, 178}},
    // blue emphasis pushes past 255 and is capped
    {0x21, false, 4, {12, 178, 255}},
    {0x16, false, 4, {209, 28, 0}},
    {0x2C, false, 4, {4, 208, 255}},
    // rounding: 150 * 0.81 = 121.50000000000001 -> 122; exact halves go to the even
    // neighbour (94.5 -> 94, 130.5 -> 130, 118.5 -> 118, 45.5 -> 46, 3.5 -> 4)
    {0x03, false, 1, {68, 0, 122}},
    {0x03, false, 3, {54, 0, 94}},
    {0x03, false, 5, {55, 0, 130}},
    {0x03, false, 6, {46, 0, 118}},
    {0x0C, false, 7, {0, 46, 71}},
    {0x0E, false, 7, {4, 4, 4}},
    // only the low three emphasis bits count
    {0x21, false, 12, {12, 178, 255}},
    {0x00, false, 15, {90, 90, 90}},
    // monochrome keeps the brightness row and ignores emphasis
    {0x16, true, 4, {199, 199, 199}},
    {0x0D, true, 0, {128, 128, 128}},
    {0x2C, true, 7, {255, 255, 255}},
    {0x3E, true, 1, {255, 255, 255}},
    // beyond the palette: black, unless monochrome folds the index back into it
    {0x40, false, 0, {0, 0, 0}},
    {0xFF, false, 4, {0, 0, 0}},
    {0x40, true, 0, {128, 128, 128}},
    {0x7F, true, 0, {255, 255, 255}},
    {0xD6, true, 4, {199, 199, 199}},
};

TEST(NesColorToRGB, MasterPaletteEmphasisMonochromeAndRounding) {
    for (const ColourRow& row : kRows) {
        const std::uint32_t got = modGraphics::nesColorToRGB(static_cast<std::uint8_t>(row.index), row.monochrome,
                                                             static_cast<std::uint8_t>(row.emphasis));
        EXPECT_EQ(got, pack(row.expected)) << std::hex << "index 0x" << row.index << " mono " << row.monochrome
                                           << " emphasis " << row.emphasis << ": got r " << std::dec << (got & 0xFF)
                                           << " g " << ((got >> 8) & 0xFF) << " b " << (got >> 16);
    }
}

}  // namespace
