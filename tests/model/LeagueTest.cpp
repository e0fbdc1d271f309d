#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "model/clsProject.h"

using Pair = clsProject::Pair;
using Bytes = std::vector<std::uint8_t>;

TEST(TeamUniform, NesColourMaskedAtIndexAnd1SnesWordLowByteFirstAtIndexAnd127WithoutBit15) {
    const std::tuple<int, std::uint8_t, Bytes> nes[] = {{3, 0xFF, {0xAA, 0x3F}}, {2, 0x40, {0x00, 0xBB}}, {-1, 0xC5, {0xAA, 0x05}}};
    for (const auto& [index, color, stored] : nes) {
        clsTeam t;
        t.setNesByte(0, 0xAA), t.setNesByte(1, 0xBB);
        t.setUniformColor_NES_single(index, color);
        EXPECT_TRUE(t.getPaletteRef(1) == stored && t.uniformNES_vaild && !t.uniformSNES_vaild) << index;
        EXPECT_EQ(t.getUniformColor_NES_single(index + 2), stored[index & 1]) << index;
    }
    // index, the two bytes, whether they go in as one word, where they land, then the word and its red, green, blue
    const std::tuple<int, std::uint8_t, std::uint8_t, bool, std::size_t, std::vector<int>> snes[] = {
        {130, 0x1F, 0x7C, false, 4, {0x7C1F, 31, 0, 31}}, {0, 0x34, 0x12, true, 0, {0x1234, 20, 17, 4}},
        {-1, 0xE0, 0x03, false, 254, {0x03E0, 0, 31, 0}}, {128, 0xFF, 0xFF, true, 0, {0x7FFF, 31, 31, 31}},
        {5, 0x00, 0x80, false, 10, {0, 0, 0, 0}}};
    for (const auto& [index, lo, hi, asWord, at, word] : snes) {
        Bytes expected(256, 0);
        expected[at] = lo, expected[at + 1] = hi;
        clsTeam t;
        asWord ? t.setUniformColor_1Word(index, lo | hi << 8) : t.setUniformColor_2Bytes(index, lo, hi);
        EXPECT_TRUE(t.getPaletteRef(2) == expected && t.uniformSNES_vaild && !t.uniformNES_vaild) << index;
        const int i = int(at / 2) + 128;  // any index is taken AND 127
        EXPECT_EQ((std::vector<int>{t.getUniformColor_1Word(i), t.getRed(i), t.getGreen(i), t.getBlue(i)}), word) << index;
    }
}

TEST(TeamRecord, InitTeamResetsTheRosterButNotSlot12AndSlotsOutsideGiveNoRecord) {
    clsTeam t;
    t.setUniformColor_NES(0x21, 0x30), t.setUniformColor_1Word(9, 0x1234);  // names empty and points 0 until the reset
    for (int i = 0; i <= 12; ++i) t.getPlayerRef(i)->setFirst("P"), t.getPlayerRef(i)->setJump(200), t.getPlayerRef(i)->setUnknownByte(9);
    t.initTeam();
    EXPECT_TRUE(t.getCity() == "CITY" && t.getMascot() == "MASCOT" && t.getAbrev() == "ABREV" && t.getPointsScored() == 100);
    EXPECT_TRUE(t.getPointsGiven() == 100 && !t.uniformNES_vaild && !t.uniformSNES_vaild && t.getPaletteRef(2) == Bytes(256, 0));
    clsPlayer reset;  // names empty, numbers 0, jump 144, data pointer -1, the unknown byte kept
    reset.setJump(144), reset.setUnknownByte(9), reset.setDataPtr(-1);
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(*t.getPlayerRef(i) == reset) << i;
    EXPECT_TRUE(t.getPlayerRef(0)->getFullname() == " " && t.getPlayerRef(12)->getJump() == 200 && t.getPaletteRef(1) == Bytes(2, 0));
    for (int slot : {-1, 13, 32767}) EXPECT_EQ(t.getPlayerRef(slot), nullptr) << slot;
}

TEST(ProjectSchedule, MatchupsReadTheLowFiveBitsAndStoreBit7) {
    const std::tuple<int, std::uint8_t, std::uint8_t, const char*, Pair> rows[] = {
        {0, 0x83, 0x8A, "T10 at T3", {3, 10}}, {1106, 0x9A, 0x80, "T0 at T26", {26, 0}}, {17, 0xE3, 0x2A, "T10 at T3", {3, 10}},
        {9, 0x1B, 0x01, "T1 at ", {27, 1}}, {-1, 0, 0, "", {0, 0}}, {1107, 0, 0, "", {0, 0}}};
    auto league = std::make_unique<clsProject>();
    for (int t = 0; t < clsProject::kTeams; ++t) league->getTeamRef(t)->setAbrev("T" + std::to_string(t));
    auto& bytes = league->schedule();
    for (const auto& [game, home, visitor, text, teams] : rows) {
        bytes.fill(0x55);
        const std::size_t g = std::size_t(game) * 2;  // games outside the schedule have no bytes
        if (g < bytes.size()) bytes[g] = home, bytes[g + 1] = visitor;
        EXPECT_TRUE(league->getMatchupStr(game) == text && league->getMatchupBytes(game) == teams) << game;
        auto expected = bytes;
        if (g < bytes.size()) expected[g] = std::uint8_t(teams[1] | 0x80), expected[g + 1] = std::uint8_t(teams[0] | 0x80);
        league->setMatchupBytes(game, teams[1], teams[0]);  // home and visitor the other way round
        EXPECT_EQ(bytes, expected) << game;
    }
    EXPECT_EQ(clsProject::getNumberOfGames(), 1106);
}

TEST(ProjectRecord, AllStarSlotsAndTeamsOutsideTheLeagueAreIgnoredAndClearProjectResets) {
    auto league = std::make_unique<clsProject>();
    for (int i : {-1, 0, 11, 12}) league->setWestAllStar(i, 26, std::uint8_t(i + 1)), league->setEastAllStar(i, 1, std::uint8_t(i + 1));
    EXPECT_TRUE(league->getWestAllStar(0) == (Pair{26, 1}) && league->getWestAllStar(11) == (Pair{26, 12}) &&
                league->getEastAllStar(0) == (Pair{1, 1}) && league->getEastAllStar(11) == (Pair{1, 12}));
    for (int i : {-1, 12}) EXPECT_TRUE(league->getWestAllStar(i) == (Pair{0, 0}) && league->getEastAllStar(i) == (Pair{0, 0})) << i;
    for (int t : {-1, 27, 32767}) EXPECT_TRUE(!league->getTeamRef(t) && !std::as_const(*league).getTeamRef(t)) << t;
    league->setMatchupBytes(1106, 1, 2), league->clearProject();
    EXPECT_TRUE(league->schedule()[2212] == 0 && league->getWestAllStar(11) == (Pair{0, 0}) && league->getTeamRef(26)->getAbrev() == "ABREV");
}
