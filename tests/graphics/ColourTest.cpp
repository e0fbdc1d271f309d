#include <gtest/gtest.h>

#include "graphics/modGraphics.h"

namespace {

using SnesColor::rgb;

// Grey 0x00 and white 0x20 under every emphasis row meet all 21 factors; products ending in
// .5 go to the even neighbour, and 150 * 0.81 = 121.50000000000001 goes up.
TEST(NesColorToRGB, MasterPaletteEmphasisMonochromeAndRounding) {
    struct Row {
        const char* name;
        int index, mono, emphasis, r, g, b;
    };
    const Row rows[] = {
        {"0x0D black", 0x0D, 0, 0, 0, 0, 0},          {"0x0E", 0x0E, 0, 0, 5, 5, 5},
        {"0x0F", 0x0F, 0, 0, 5, 5, 5},                {"0x20 white", 0x20, 0, 0, 255, 255, 255},
        {"0x30 white", 0x30, 0, 0, 255, 255, 255},    {"0x11", 0x11, 0, 0, 0, 119, 255},
        {"0x27", 0x27, 0, 0, 255, 156, 18},           {"0x17", 0x17, 0, 0, 214, 50, 0},
        {"grey, emphasis 1", 0x00, 0, 1, 128, 102, 104}, {"grey, emphasis 2", 0x00, 0, 2, 100, 120, 84},
        {"grey, emphasis 3", 0x00, 0, 3, 101, 99, 81},   {"grey, emphasis 4", 0x00, 0, 4, 105, 106, 143},
        {"grey, emphasis 5", 0x00, 0, 5, 104, 91, 111},  {"grey, emphasis 6", 0x00, 0, 6, 87, 101, 101},
        {"grey, emphasis 7", 0x00, 0, 7, 90, 90, 90},    {"white, emphasis 1", 0x20, 0, 1, 255, 204, 207},
        {"white, emphasis 2", 0x20, 0, 2, 199, 240, 168}, {"white, emphasis 3", 0x20, 0, 3, 201, 196, 161},
        {"white, emphasis 4", 0x20, 0, 4, 209, 212, 255}, {"white, emphasis 5", 0x20, 0, 5, 207, 181, 222},
        {"white, emphasis 6", 0x20, 0, 6, 173, 201, 201}, {"white, emphasis 7", 0x20, 0, 7, 178, 178, 178},
        {"0x21, emphasis 4", 0x21, 0, 4, 12, 178, 255},   {"0x16, emphasis 4", 0x16, 0, 4, 209, 28, 0},
        {"0x03, emphasis 1", 0x03, 0, 1, 68, 0, 122},     {"0x03, emphasis 3", 0x03, 0, 3, 54, 0, 94},
        {"0x03, emphasis 5", 0x03, 0, 5, 55, 0, 130},     {"0x0E, emphasis 7", 0x0E, 0, 7, 4, 4, 4},
        {"emphasis 12 is 4", 0x21, 0, 12, 12, 178, 255},  {"emphasis 15 is 7", 0x00, 0, 15, 90, 90, 90},
        {"monochrome ignores emphasis", 0x16, 1, 4, 199, 199, 199}, {"monochrome 0x0D", 0x0D, 1, 0, 128, 128, 128},
        {"0x40 is black", 0x40, 0, 0, 0, 0, 0},            {"0xFF is black", 0xFF, 0, 4, 0, 0, 0},
        {"0x40 monochrome", 0x40, 1, 0, 128, 128, 128},   {"0xD6 monochrome", 0xD6, 1, 4, 199, 199, 199},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(r.index), r.mono, static_cast<std::uint8_t>(r.emphasis)),
                  rgb(r.r, r.g, r.b));
    }
}

// Stored low byte first; bit 15 of a stored word is no part of the colour; entries wrap at 128 (-1 is
// entry 127); storing a colour marks the SNES uniform as read.
TEST(SnesColour, StoredBytesWordsChannelsDisplayAndText) {
    struct Row {
        const char* name;
        std::uint8_t low, high;
        int word, r, g, b;
        const char* text;
    };
    const Row rows[] = {
        {"white", 0xFF, 0x7F, 0x7FFF, 31, 31, 31, "7FFF"},   {"red", 0x1F, 0x00, 0x001F, 31, 0, 0, "1F"},
        {"green", 0xE0, 0x03, 0x03E0, 0, 31, 0, "3E0"},      {"blue", 0x00, 0x7C, 0x7C00, 0, 0, 31, "7C00"},
        {"black", 0x00, 0x00, 0, 0, 0, 0, "0"},              {"mixed", 0x34, 0x12, 0x1234, 20, 17, 4, "1234"},
        {"one of each", 0x21, 0x04, 0x0421, 1, 1, 1, "421"}, {"0xFFFF without bit 15", 0xFF, 0xFF, 0x7FFF, 31, 31, 31, "7FFF"},
        {"bit 15 alone", 0x00, 0x80, 0, 0, 0, 0, "0"},       {"mixed with bit 15", 0x34, 0x92, 0x1234, 20, 17, 4, "1234"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        clsTeam team;
        team.setUniformColor_2Bytes(9 + 128, r.low, r.high);
        EXPECT_TRUE(team.uniformSNES_vaild);
        EXPECT_FALSE(team.uniformNES_vaild);
        EXPECT_EQ(team.getUniformColor_1Word(9), r.word);
        EXPECT_EQ(team.getRed(9), r.r);
        EXPECT_EQ(team.getGreen(9), r.g);
        EXPECT_EQ(team.getBlue(9), r.b);
        EXPECT_EQ(team.getUniformColor_RGB(9 + 256), rgb(8 * r.r, 8 * r.g, 8 * r.b));
        EXPECT_EQ(SnesColor::compose(r.r, r.g, r.b), r.word);
        EXPECT_EQ(modGraphics::snesWordText(team.getUniformColor_1Word(9)), r.text);
        team.setUniformColor_1Word(3 + 128, r.word);
        EXPECT_EQ(team.getUniformData(6), r.word & 0xFF);
        EXPECT_EQ(team.getUniformData(7), r.word >> 8);
        team.setUniformColor_2Bytes(-1, r.low, r.high);  // entry 127, the last two bytes
        EXPECT_EQ(team.getUniformColor_1Word(127), r.word);
    }
}

TEST(ColourText, NesIndexAndHexWords) {
    const struct { int index; const char* text; } indexes[] = {{0x00, "00"}, {0x0F, "0F"}, {0x3F, "3F"}, {0x2a, "2A"}};
    for (const auto& r : indexes) EXPECT_EQ(modGraphics::nesIndexText(r.index), r.text) << r.text;
    // digits up to the first non-digit, as a 16-bit two's-complement value
    const struct { const char* text; int value; } words[] = {{"FFFF", -1}, {"8000", -32768}, {"7FFF", 0x7FFF}, {"12G4", 0x12},
        {"", 0}, {"1f", 0x1F}, {"abcd", -0x5433}, {" 1F", 0}, {"12345", 0x2345}};
    for (const auto& r : words) EXPECT_EQ(modGraphics::readHexWord(r.text), r.value) << '"' << r.text << '"';
    EXPECT_EQ(modGraphics::snesWordText(modGraphics::readHexWord("FFFF")), "7FFF");
}

}  // namespace
