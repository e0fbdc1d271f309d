#include <gtest/gtest.h>

#include "model/SnesColorWord.h"

namespace {

TEST(SnesColorWord, ChannelsComposeAndDisplayColour) {
    const struct {
        int word;
        int r, g, b;
        SnesColor::Rgb rgb;
    } rows[] = {
        {0x0000, 0, 0, 0, 0x000000},
        {0x001F, 31, 0, 0, 0x0000F8},
        {0x03E0, 0, 31, 0, 0x00F800},
        {0x7C00, 0, 0, 31, 0xF80000},
        {0x7FFF, 31, 31, 31, 0xF8F8F8},
        {0x7C1F, 31, 0, 31, 0xF800F8},
        {0x1234, 20, 17, 4, 0x2088A0},
        {0x8000, 0, 0, 0, 0x000000},  // bit 15 is no part of the colour
        {0xFFFF, 31, 31, 31, 0xF8F8F8},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(SnesColor::red(r.word), r.r) << std::hex << r.word;
        EXPECT_EQ(SnesColor::green(r.word), r.g) << std::hex << r.word;
        EXPECT_EQ(SnesColor::blue(r.word), r.b) << std::hex << r.word;
        EXPECT_EQ(SnesColor::toRgb(r.word), r.rgb) << std::hex << r.word;
        EXPECT_EQ(SnesColor::compose(r.r, r.g, r.b), r.word & 0x7FFF) << std::hex << r.word;
    }
    EXPECT_EQ(SnesColor::rgb(1, 2, 3), 1u + 256u * 2u + 65536u * 3u);
}

}  // namespace
