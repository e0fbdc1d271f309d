#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/modGraphics.h"
#include "model/SnesColorWord.h"
#include "model/clsTeam.h"

namespace {

std::uint32_t rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r + 256 * g + 65536 * b); }

struct WordRow {
    int word;
    int red, green, blue;    // channels 0..31
    std::uint32_t display;   // shown colour
    const char* text;        // as the editor writes it
};

const WordRow kWords[] = {
    {0x7FFF, 31, 31, 31, rgb(248, 248, 248), "7FFF"},
    {0x001F, 31, 0, 0, rgb(248, 0, 0), "1F"},
    {0x03E0, 0, 31, 0, rgb(0, 248, 0), "3E0"},
    {0x7C00, 0, 0, 31, rgb(0, 0, 248), "7C00"},
    {0x0000, 0, 0, 0, 0, "0"},
    {0x7C1F, 31, 0, 31, rgb(248, 0, 248), "7C1F"},
    {0x1234, 20, 17, 4, rgb(160, 136, 32), "1234"},
    {0x0421, 1, 1, 1, rgb(8, 8, 8), "421"},
};

TEST(SnesColour, WordsChannelsDisplayAndText) {
    for (const WordRow& row : kWords) {
        clsTeam team;
        team.setUniformColor_1Word(9, row.word);
        EXPECT_EQ(team.getUniformColor_1Word(9), row.word) << row.text;
        EXPECT_EQ(team.getRed(9), row.red) << row.text;
        EXPECT_EQ(team.getGreen(9), row.green) << row.text;
        EXPECT_EQ(team.getBlue(9), row.blue) << row.text;
        EXPECT_EQ(team.getUniformColor_RGB(9), row.display) << row.text;
        // the channels compose back to the word, and its colour is the word's colour
        EXPECT_EQ(SnesColor::compose(row.red, row.green, row.blue), row.word) << row.text;
        EXPECT_EQ(SnesColor::toRgb(SnesColor::compose(row.red, row.green, row.blue)), row.display) << row.text;
        EXPECT_EQ(modGraphics::snesWordText(row.word), row.text);
    }
}

TEST(SnesColour, StoredBytesAreLowByteFirstAndEntriesWrapAt128) {
    clsTeam team;
    team.setUniformColor_1Word(0, 0x1234);
    EXPECT_EQ(team.getUniformData(0), 0x34);
    EXPECT_EQ(team.getUniformData(1), 0x12);
    team.setUniformColor_2Bytes(130, 0x1F, 0x7C);  // 130 & 127 = entry 2, bytes 4 and 5
    EXPECT_EQ(team.getUniformData(4), 0x1F);
    EXPECT_EQ(team.getUniformData(5), 0x7C);
    EXPECT_EQ(team.getUniformColor_1Word(2), 0x7C1F);
    team.setUniformColor_1Word(128, 0x03E0);  // entry 128 is entry 0
    EXPECT_EQ(team.getUniformColor_1Word(0), 0x03E0);
    EXPECT_EQ(team.getUniformColor_RGB(128), rgb(0, 248, 0));
    EXPECT_EQ(team.getUniformColor_RGB(255), team.getUniformColor_RGB(127));
}

// A stored high byte with bit 7 set (from an image or a team file) must not turn into a
// negative word or a colour outside the channel range.
TEST(SnesColour, HighByteWithBit15IsIgnoredEverywhere) {
    struct Row {
        std::uint8_t low, high;
        int word;
    };
    const Row rows[] = {{0xFF, 0xFF, 0x7FFF}, {0x00, 0x80, 0x0000}, {0x1F, 0xFC, 0x7C1F}, {0x34, 0x92, 0x1234}};
    for (const Row& r : rows) {
        clsTeam team;
        team.setUniformColor_2Bytes(77, r.low, r.high);
        EXPECT_EQ(team.getUniformColor_1Word(77), r.word);
        EXPECT_GE(team.getUniformColor_1Word(77), 0);
        EXPECT_EQ(team.getUniformColor_RGB(77), SnesColor::toRgb(r.word));
        EXPECT_LE(team.getRed(77), 31);
        EXPECT_LE(team.getGreen(77), 31);
        EXPECT_LE(team.getBlue(77), 31);
        EXPECT_EQ(modGraphics::snesWordText(team.getUniformColor_1Word(77)), modGraphics::snesWordText(r.word));
    }
    // a negative word (read from text as two's complement) is stored and shown without bit 15
    clsTeam team;
    team.setUniformColor_1Word(3, modGraphics::readHexWord("FFFF"));
    EXPECT_EQ(team.getUniformColor_RGB(3), rgb(248, 248, 248));
    EXPECT_EQ(modGraphics::snesWordText(-1), "7FFF");
    EXPECT_EQ(modGraphics::snesWordText(0x8000), "0");
}

TEST(ColourText, NesIndexIsTwoUpperCaseDigits) {
    const struct {
        int index;
        const char* text;
    } rows[] = {{0x00, "00"}, {0x0F, "0F"}, {0x3F, "3F"}, {0x2a, "2A"}, {0x40, "40"}, {0xFF, "FF"}, {0x123, "23"}};
    for (const auto& r : rows) EXPECT_EQ(modGraphics::nesIndexText(r.index), r.text) << r.index;
}

TEST(ColourText, ReadHexWordStopsAtTheFirstNonDigitAndWrapsTo16Bits) {
    const struct {
        const char* text;
        int value;        // the 16-bit two's-complement reading
        int colourWord;   // what a colour reader keeps (& 0x7FFF)
    } rows[] = {
        {"FFFF", -1, 0x7FFF}, {"8000", -32768, 0}, {"7FFF", 0x7FFF, 0x7FFF}, {"12G4", 0x12, 0x12},
        {"", 0, 0},           {"G", 0, 0},         {"1f", 0x1F, 0x1F},       {"abcd", -0x5433, 0x2BCD},
        {"0", 0, 0},          {"3E0 ", 0x3E0, 0x3E0}, {" 1F", 0, 0},         {"12345", 0x2345, 0x2345},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(modGraphics::readHexWord(r.text), r.value) << '"' << r.text << '"';
        EXPECT_EQ(modGraphics::readHexWord(r.text) & 0x7FFF, r.colourWord) << '"' << r.text << '"';
    }
}

}  // namespace
