// The team and league records: NES uniform colours as the game stores them (the SNES words are the colour tests'
// work), the reset of a team, the schedule's matchups and the all-star slots.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "model/clsProject.h"

namespace {

using Pair = clsProject::Pair;
using Bytes = std::vector<std::uint8_t>;

TEST(TeamUniform, NesColoursAreMaskedToTheirSixBitsAtIndexAnd1) {
    struct Row {
        const char* name;
        int index;
        std::uint8_t colour;
        Bytes stored;
    };  // stored: the two bytes after 0xAA, 0xBB
    const Row rows[] = {{"index 3 is colour 1, 0xFF keeps 0x3F", 3, 0xFF, {0xAA, 0x3F}},
                        {"index 2 is colour 0, 0x40 keeps 0", 2, 0x40, {0x00, 0xBB}},
                        {"index -1 is colour 1", -1, 0xC5, {0xAA, 0x05}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clsTeam t;
        t.setNesByte(0, 0xAA);
        t.setNesByte(1, 0xBB);
        t.setUniformColor_NES_single(row.index, row.colour);
        EXPECT_EQ(t.getPaletteRef(1), row.stored);
        EXPECT_TRUE(t.uniformNES_vaild);
        EXPECT_FALSE(t.uniformSNES_vaild);
        EXPECT_EQ(t.getUniformColor_NES_single(row.index + 2), row.stored[static_cast<std::size_t>(row.index & 1)]);
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
    for (int slot : {-1, 13, 32767}) EXPECT_EQ(t.getPlayerRef(slot), nullptr) << slot;
}

TEST(ProjectSchedule, MatchupsReadTheLowFiveBitsAndStoreBit7) {
    struct Row {
        const char* name;
        int game;
        std::uint8_t home, visitor;
        const char* text;
        Pair teams;
    };  // home, visitor: the bytes before; teams: home, visitor as read
    const Row rows[] = {{"the first game", 0, 0x83, 0x8A, "T10 at T3", {3, 10}},
                        {"the last game", 1106, 0x9A, 0x80, "T0 at T26", {26, 0}},
                        {"bits 5 and 6 ignored", 17, 0xE3, 0x2A, "T10 at T3", {3, 10}},
                        {"team 27 has no abbreviation", 9, 0x1B, 0x01, "T1 at ", {27, 1}},
                        {"game -1", -1, 0, 0, "", {0, 0}},
                        {"game 1107", 1107, 0, 0, "", {0, 0}}};
    auto league = std::make_unique<clsProject>();
    for (int t = 0; t < clsProject::kTeams; ++t) league->getTeamRef(t)->setAbrev("T" + std::to_string(t));
    auto& bytes = league->schedule();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bytes.fill(0x55);
        const std::size_t g = static_cast<std::size_t>(row.game) * 2;  // games outside the schedule have no bytes
        const bool inside = g < bytes.size();
        if (inside) {
            bytes[g] = row.home;
            bytes[g + 1] = row.visitor;
        }
        EXPECT_EQ(league->getMatchupStr(row.game), row.text);
        EXPECT_EQ(league->getMatchupBytes(row.game), row.teams);
        auto expected = bytes;
        if (inside) {
            expected[g] = static_cast<std::uint8_t>(row.teams[1] | 0x80);
            expected[g + 1] = static_cast<std::uint8_t>(row.teams[0] | 0x80);
        }
        league->setMatchupBytes(row.game, row.teams[1], row.teams[0]);  // home and visitor the other way round
        EXPECT_EQ(bytes, expected);
    }
}

TEST(ProjectRecord, AllStarSlotsAndTeamsOutsideTheLeagueAreIgnoredAndClearProjectResets) {
    auto league = std::make_unique<clsProject>();
    for (int i : {-1, 0, 11, 12}) {
        league->setWestAllStar(i, 26, static_cast<std::uint8_t>(i + 1));
        league->setEastAllStar(i, 1, static_cast<std::uint8_t>(i + 1));
    }
    const std::tuple<int, Pair, Pair> slots[] = {
        {-1, {0, 0}, {0, 0}}, {0, {26, 1}, {1, 1}}, {11, {26, 12}, {1, 12}}, {12, {0, 0}, {0, 0}}};
    for (const auto& [i, west, east] : slots) {
        EXPECT_EQ(league->getWestAllStar(i), west) << i;
        EXPECT_EQ(league->getEastAllStar(i), east) << i;
    }
    for (int t : {-1, 27, 32767}) {
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
