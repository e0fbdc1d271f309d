// The team and league records: NES uniform colours as the game stores them (the SNES words are the colour tests'
// work), the reset of a team, the schedule's matchups and the places outside the league.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "model/clsProject.h"

namespace {

using Pair = clsProject::Pair;
using Bytes = std::vector<std::uint8_t>;

// Index 3 is colour 1, index 2 colour 0, -1 colour 1; six bits are kept. Stored: the two bytes after 0xAA, 0xBB.
TEST(TeamUniform, NesColoursAreMaskedToTheirSixBitsAtIndexAnd1) {
    const std::tuple<int, std::uint8_t, Bytes> rows[] = {
        {3, 0xFF, {0xAA, 0x3F}}, {2, 0x40, {0x00, 0xBB}}, {-1, 0xC5, {0xAA, 0x05}}};
    for (const auto& [index, colour, stored] : rows) {
        clsTeam t;
        t.setNesByte(0, 0xAA);
        t.setNesByte(1, 0xBB);
        t.setUniformColor_NES_single(index, colour);
        EXPECT_EQ(t.getPaletteRef(1), stored) << index;
        EXPECT_TRUE(t.uniformNES_vaild);
        EXPECT_FALSE(t.uniformSNES_vaild);
    }
}

// CITY, MASCOT, ABREV, 100 points each way, no uniform read and its bytes zero, players 0..11 reset (names empty,
// numbers 0, jump 144, data pointer -1, the unknown byte kept), slot 12 kept; slots outside give no record.
TEST(TeamRecord, InitTeamResetsTheRosterButNotSlot12AndSlotsOutsideGiveNoRecord) {
    clsTeam t, want;
    t.setUniformColor_NES(0x21, 0x30);
    t.setUniformColor_1Word(9, 0x1234);
    for (int i = 0; i < clsTeam::kSlots; ++i) {
        t.getPlayerRef(i)->setFirst("P");
        t.getPlayerRef(i)->setJump(200);
        t.getPlayerRef(i)->setUnknownByte(9);
        want.getPlayerRef(i)->setJump(144);
        want.getPlayerRef(i)->setUnknownByte(9);
        want.getPlayerRef(i)->setDataPtr(-1);
    }
    *want.getPlayerRef(12) = *t.getPlayerRef(12);
    want.setCity("CITY");
    want.setMascot("MASCOT");
    want.setAbrev("ABREV");
    want.setPointsScored(100);
    want.setPointsGiven(100);
    t.initTeam();
    EXPECT_TRUE(t == want);
    for (int slot : {-1, 13}) EXPECT_EQ(t.getPlayerRef(slot), nullptr) << slot;
}

// The home byte first; reading keeps the low five bits, storing sets bit 7.
TEST(ProjectSchedule, MatchupsReadTheLowFiveBitsAndStoreBit7) {
    const std::tuple<int, std::uint8_t, std::uint8_t, const char*, Pair> rows[] = {
        // game, home and visitor bytes before, the text, home and visitor as read
        {0, 0x83, 0x8A, "T10 at T3", {3, 10}},
        {1106, 0x9A, 0x80, "T0 at T26", {26, 0}},
        {17, 0xE3, 0x2A, "T10 at T3", {3, 10}},
        {9, 0x1B, 0x01, "T1 at ", {27, 1}},  // team 27 has no abbreviation
        {1107, 0, 0, "", {0, 0}}};
    auto league = std::make_unique<clsProject>();
    for (int t = 0; t < clsProject::kTeams; ++t) league->getTeamRef(t)->setAbrev("T" + std::to_string(t));
    auto& bytes = league->schedule();
    for (const auto& [game, home, visitor, text, teams] : rows) {
        SCOPED_TRACE(game);
        bytes.fill(0x55);
        const std::size_t g = static_cast<std::size_t>(game) * 2;  // a game outside the schedule has no bytes
        if (g < bytes.size()) bytes[g] = home, bytes[g + 1] = visitor;
        EXPECT_EQ(league->getMatchupStr(game), text);
        EXPECT_EQ(league->getMatchupBytes(game), teams);
        auto expected = bytes;
        if (g < bytes.size()) expected[g] = teams[1] | 0x80, expected[g + 1] = teams[0] | 0x80;
        league->setMatchupBytes(game, teams[1], teams[0]);  // home and visitor the other way round
        EXPECT_EQ(bytes, expected);
    }
}

TEST(ProjectRecord, AllStarSlotsAndTeamsOutsideTheLeagueAreIgnoredAndClearProjectResets) {
    auto league = std::make_unique<clsProject>();
    for (int i : {-1, 11, 12}) {
        league->setWestAllStar(i, 26, static_cast<std::uint8_t>(i + 1));
        league->setEastAllStar(i, 1, static_cast<std::uint8_t>(i + 1));
    }
    for (const auto& [i, west, east] :
         {std::tuple{-1, Pair{0, 0}, Pair{0, 0}}, {11, {26, 12}, {1, 12}}, {12, {0, 0}, {0, 0}}}) {
        EXPECT_EQ(league->getWestAllStar(i), west) << i;
        EXPECT_EQ(league->getEastAllStar(i), east) << i;
    }
    for (int t : {-1, 27}) {
        EXPECT_EQ(league->getTeamRef(t), nullptr) << t;
        EXPECT_EQ(std::as_const(*league).getTeamRef(t), nullptr) << t;
    }
    league->setMatchupBytes(1106, 1, 2);
    league->clearProject();
    EXPECT_EQ(league->schedule()[2212], 0);
    EXPECT_EQ(league->getWestAllStar(11), (Pair{0, 0}));
    EXPECT_EQ(league->getTeamRef(26)->getAbrev(), "ABREV");
}

}  // namespace
