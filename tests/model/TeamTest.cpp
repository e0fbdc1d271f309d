#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "model/clsTeam.h"

namespace {

TEST(TeamUniformNes, SettersMaskAndFlag) {
    const struct {
        const char* name;
        int index;
        std::uint8_t color;
        int position;
        std::uint8_t stored;
    } rows[] = {
        {"index 3, colour 0xFF", 3, 0xFF, 1, 0x3F},
        {"index 0", 0, 0x21, 0, 0x21},
        {"index 1", 1, 0x0F, 1, 0x0F},
        {"index 2 is position 0", 2, 0x40, 0, 0x00},
        {"index -1 is position 1", -1, 0x7F, 1, 0x3F},
        {"index 32767", 32767, 0xC5, 1, 0x05},
    };
    for (const auto& r : rows) {
        clsTeam t;
        t.setNesByte(0, 0xAA);
        t.setNesByte(1, 0xBB);
        EXPECT_FALSE(t.uniformNES_vaild);
        t.setUniformColor_NES_single(r.index, r.color);
        EXPECT_TRUE(t.uniformNES_vaild) << r.name;
        EXPECT_FALSE(t.uniformSNES_vaild) << r.name;
        EXPECT_EQ(t.getUniformColor_NES_single(r.position), r.stored) << r.name;
        EXPECT_EQ(t.getUniformColor_NES_single(r.position + 2), r.stored) << r.name << ": index AND 1";
        EXPECT_EQ(t.getUniformColor_NES_single(1 - r.position), r.position ? 0xAA : 0xBB) << r.name << ": other byte kept";
    }

    clsTeam t;
    t.setUniformColor_NES(0xC1, 0xFF);  // the pair setter stores bytes unmasked
    EXPECT_TRUE(t.uniformNES_vaild);
    EXPECT_EQ(t.getUniformColor_NES(), (std::array<std::uint8_t, 2>{0xC1, 0xFF}));
    EXPECT_EQ(t.getUniformColor_NES_0(), 0xC1);
    EXPECT_EQ(t.getUniformColor_NES_1(), 0xFF);
    EXPECT_EQ(t.getPaletteRef(1), (std::vector<std::uint8_t>{0xC1, 0xFF}));
}

TEST(TeamUniformSnes, WordsAreStoredLowByteFirstAtIndexAnd127) {
    const struct {
        const char* name;
        int index;
        std::uint8_t lo, hi;
        std::size_t byteAt;
        std::int16_t word;
        int red, green, blue;
    } rows[] = {
        {"index 130 is word 2", 130, 0x1F, 0x7C, 4, 0x7C1F, 31, 0, 31},
        {"index 0", 0, 0xE0, 0x03, 0, 0x03E0, 0, 31, 0},
        {"index 127", 127, 0xFF, 0x7F, 254, 0x7FFF, 31, 31, 31},
        {"index 128 is word 0", 128, 0x21, 0x04, 0, 0x0421, 1, 1, 1},
        {"index -1 is word 127", -1, 0x34, 0x12, 254, 0x1234, 20, 17, 4},
        {"high byte with bit 7 set", 5, 0x00, 0xFC, 10, 0x7C00, 0, 0, 31},
    };
    for (const auto& r : rows) {
        clsTeam t;
        t.setUniformColor_2Bytes(r.index, r.lo, r.hi);
        EXPECT_TRUE(t.uniformSNES_vaild) << r.name;
        EXPECT_FALSE(t.uniformNES_vaild) << r.name;
        std::vector<std::uint8_t> all = t.getPaletteRef(2);
        ASSERT_EQ(all.size(), 256u);
        for (std::size_t i = 0; i < 256; ++i) {
            std::uint8_t expected = i == r.byteAt ? r.lo : i == r.byteAt + 1 ? r.hi : 0;
            EXPECT_EQ(all[i], expected) << r.name << " byte " << i;
            EXPECT_EQ(t.getUniformData(static_cast<int>(i)), expected) << r.name << " byte " << i;
        }
        int word = static_cast<int>(r.byteAt / 2);
        EXPECT_EQ(t.getUniformColor_1Word(word), r.word) << r.name;
        EXPECT_EQ(t.getUniformColor_1Word(word + 128), r.word) << r.name;
        EXPECT_EQ(t.getUniformColor_2Bytes(word), (std::array<std::uint8_t, 2>{r.lo, r.hi})) << r.name;
        EXPECT_EQ(t.getRed(word), r.red) << r.name;
        EXPECT_EQ(t.getGreen(word), r.green) << r.name;
        EXPECT_EQ(t.getBlue(word), r.blue) << r.name;
        EXPECT_EQ(t.getUniformColor_RGB(word),
                  static_cast<std::uint32_t>(r.red * 8 + 256 * r.green * 8 + 65536 * r.blue * 8)) << r.name;
    }
}

TEST(TeamUniformSnes, OneWordSetterSplitsTheWord) {
    const struct {
        int index;
        int word;
        std::uint8_t lo, hi;
        std::int16_t readBack;  // bit 15 is no part of a colour
    } rows[] = {{0, 0x1234, 0x34, 0x12, 0x1234}, {3, 0x7FFF, 0xFF, 0x7F, 0x7FFF}, {130, 0x001F, 0x1F, 0x00, 0x001F},
                {1, 0, 0, 0, 0},                 {4, -1, 0xFF, 0xFF, 0x7FFF},      {5, -32768, 0x00, 0x80, 0}};
    for (const auto& r : rows) {
        clsTeam t;
        t.setUniformColor_1Word(r.index, r.word);
        EXPECT_TRUE(t.uniformSNES_vaild);
        std::size_t at = static_cast<std::size_t>(r.index & 127) * 2;
        EXPECT_EQ(t.getUniformData(static_cast<int>(at)), r.lo) << r.word;
        EXPECT_EQ(t.getUniformData(static_cast<int>(at + 1)), r.hi) << r.word;
        EXPECT_EQ(t.getUniformColor_1Word(r.index), r.readBack) << r.word;
    }
}

TEST(TeamRecord, InitTeamResetsTheTeamAndItsRosterButNotSlot12) {
    clsTeam t;
    EXPECT_EQ(t.getCity(), "");
    EXPECT_EQ(t.getPointsScored(), 0);
    t.setCity("BOSTON");
    t.setMascot("X");
    t.setAbrev("BOS");
    t.setPointsScored(7);
    t.setPointsGiven(8);
    t.setUniformColor_NES(0x21, 0x30);
    t.setUniformColor_1Word(9, 0x1234);
    for (int i = 0; i <= 12; ++i) {
        clsPlayer* p = t.getPlayerRef(i);
        ASSERT_NE(p, nullptr) << i;
        p->setFirst("P" + std::to_string(i));
        p->setJump(200);
        p->setDataPtr(0x8000 + i);
    }
    t.initTeam();

    EXPECT_EQ(t.getCity(), "CITY");
    EXPECT_EQ(t.getMascot(), "MASCOT");
    EXPECT_EQ(t.getAbrev(), "ABREV");
    EXPECT_EQ(t.getPointsScored(), 100);
    EXPECT_EQ(t.getPointsGiven(), 100);
    EXPECT_FALSE(t.uniformNES_vaild);
    EXPECT_FALSE(t.uniformSNES_vaild);
    EXPECT_EQ(t.getPaletteRef(1), std::vector<std::uint8_t>(2, 0));
    EXPECT_EQ(t.getPaletteRef(2), std::vector<std::uint8_t>(256, 0));
    for (int i = 0; i < 12; ++i) {
        const clsPlayer* p = t.getPlayerRef(i);
        EXPECT_EQ(p->getFirst(), "") << i;
        EXPECT_EQ(p->getJump(), 144) << i;
        EXPECT_EQ(p->getDataPtr(), -1) << i;
    }
    const clsPlayer* extra = t.getPlayerRef(12);
    EXPECT_EQ(extra->getFirst(), "P12");
    EXPECT_EQ(extra->getJump(), 200);
    EXPECT_EQ(extra->getDataPtr(), 0x8000 + 12);
}

TEST(TeamRecord, PlayerSlotsOutsideTheRangeGiveNoRecord) {
    clsTeam t;
    const clsTeam& ct = t;
    for (int slot : {-32768, -1, 13, 14, 100, 32767}) {
        EXPECT_EQ(t.getPlayerRef(slot), nullptr) << slot;
        EXPECT_EQ(ct.getPlayerRef(slot), nullptr) << slot;
    }
    for (int slot = 0; slot <= 12; ++slot) {
        ASSERT_NE(t.getPlayerRef(slot), nullptr) << slot;
        EXPECT_EQ(t.getPlayerRef(slot), t.getPlayerRef(slot)) << "the same record every time";
    }
    // the same slot is the same record: a change through one reference shows in the next
    t.getPlayerRef(4)->setJersey(42);
    EXPECT_EQ(ct.getPlayerRef(4)->getJersey(), 42);
    EXPECT_TRUE(t.getPaletteRef(0).empty());
    EXPECT_TRUE(t.getPaletteRef(3).empty());
}

}  // namespace
