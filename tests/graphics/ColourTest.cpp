#include <gtest/gtest.h>

#include <sstream>

#include "graphics/modGraphics.h"
#include "support/TestSupport.h"

namespace {

using SnesColor::rgb;

// The rows of a reference colour table: the first column hexadecimal, the others decimal.
std::vector<std::vector<int>> table(const std::string& name) {
    std::vector<std::vector<int>> rows;
    std::istringstream text(testsupport::readText(testsupport::fixture("colours/" + name)));
    for (std::string line; std::getline(text, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::vector<int> row(1);
        in >> std::hex >> row[0] >> std::dec;
        for (int v; in >> v;) row.push_back(v);
        rows.push_back(row);
    }
    return rows;
}

// Every NES index (00..3F) under every emphasis and under monochrome, and 1,024 SNES words stored as two bytes
// (bit 15 set in some), shown as the reference tables say.
TEST(ColourModels, EveryNesIndexAndSnesWordShowsAsTheReferenceTables) {
    REQUIRE_FIXTURES();
    const auto nes = table("nes-colours.txt"), snes = table("snes-colours.txt");
    ASSERT_EQ(nes.size(), 1024u);
    for (const auto& r : nes)
        EXPECT_EQ(modGraphics::nesColorToRGB(static_cast<std::uint8_t>(r[0]), r[2], static_cast<std::uint8_t>(r[1])),
                  rgb(r[3], r[4], r[5]))
            << "index " << r[0] << ", emphasis " << r[1] << ", monochrome " << r[2];
    ASSERT_EQ(snes.size(), 1024u);
    clsTeam team;
    for (const auto& r : snes) {
        team.setUniformColor_2Bytes(72, static_cast<std::uint8_t>(r[0]), static_cast<std::uint8_t>(r[0] >> 8));
        EXPECT_EQ(team.getUniformColor_RGB(72), rgb(r[1], r[2], r[3])) << "word " << std::hex << r[0];
    }
}

// What the reference table leaves out: indexes above 0x3F are black (monochrome first turns them into a grey), and
// emphasis keeps its low three bits.
TEST(NesColorToRGB, IndexesAboveThePaletteAndEmphasisAbove7) {
    const std::tuple<const char*, int, int, int, int, int, int> rows[] = {
        // name, index, mono, emphasis, r, g, b
        {"0x40 is black", 0x40, 0, 0, 0, 0, 0},          {"0xFF is black", 0xFF, 0, 4, 0, 0, 0},
        {"0x40 monochrome", 0x40, 1, 0, 128, 128, 128},  {"0xD6 monochrome", 0xD6, 1, 4, 199, 199, 199},
        {"emphasis 12 is 4", 0x21, 0, 12, 12, 178, 255}, {"emphasis 15 is 7", 0x00, 0, 15, 90, 90, 90},
    };
    for (const auto& [name, index, mono, emphasis, r, g, b] : rows)
        EXPECT_EQ(
            modGraphics::nesColorToRGB(static_cast<std::uint8_t>(index), mono, static_cast<std::uint8_t>(emphasis)),
            rgb(r, g, b))
            << name;
}

// Stored low byte first; bit 15 of a stored word is no part of the colour (nor of its text); entries wrap at
// 128 (-1 is entry 127); storing a colour marks the SNES uniform as read. (Each word's colour is in the
// reference table.)
TEST(SnesColour, StoredBytesWordsAndText) {
    // low byte, high byte, the word, the text
    const std::tuple<std::uint8_t, std::uint8_t, int, const char*> rows[] = {
        {0x1F, 0x00, 0x001F, "1F"}, {0x00, 0x7C, 0x7C00, "7C00"}, {0x00, 0x80, 0, "0"}, {0x34, 0x92, 0x1234, "1234"}};
    for (const auto& [low, high, word, text] : rows) {
        SCOPED_TRACE(text);
        clsTeam team;
        team.setUniformColor_2Bytes(9 + 128, low, high);
        EXPECT_TRUE(team.uniformSNES_vaild && !team.uniformNES_vaild);
        EXPECT_EQ(team.getUniformColor_1Word(9), word);
        EXPECT_EQ(modGraphics::snesWordText(low | high << 8), text);
        EXPECT_EQ(SnesColor::compose(team.getRed(9), team.getGreen(9), team.getBlue(9)), word);
        team.setUniformColor_1Word(-1, word);
        EXPECT_EQ(team.getUniformData(254) | team.getUniformData(255) << 8, word);
    }
}

// The palette tool's texts: an NES index in two digits; a word read up to the first non-digit as a 16-bit
// two's-complement value.
TEST(ColourText, NesIndexAndHexWords) {
    for (const auto& [index, text] : {std::pair{0x0F, "0F"}, {0x2a, "2A"}})
        EXPECT_EQ(modGraphics::nesIndexText(index), text) << text;
    const std::pair<const char*, int> words[] = {{"FFFF", -1}, {"7FFF", 0x7FFF}, {"12G4", 0x12},
                                                 {"1f", 0x1F}, {" 1F", 0},       {"12345", 0x2345}};
    for (const auto& [text, value] : words) EXPECT_EQ(modGraphics::readHexWord(text), value) << '"' << text << '"';
}

}  // namespace
