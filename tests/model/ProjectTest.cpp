#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "model/clsProject.h"

namespace {

using Pair = clsProject::Pair;

// A league whose team t is abbreviated "T<t>".
std::unique_ptr<clsProject> namedLeague() {
    auto p = std::make_unique<clsProject>();
    for (int t = 0; t < clsProject::kTeams; ++t) p->getTeamRef(t)->setAbrev("T" + std::to_string(t));
    return p;
}

TEST(ProjectSchedule, MatchupTextAndBytesReadTheLowFiveBits) {
    const struct {
        const char* name;
        int game;
        std::uint8_t home, visitor;  // raw bytes 2g and 2g+1
        const char* text;
        Pair teams;
    } rows[] = {
        {"as the game stores it", 0, 0x83, 0x8A, "T10 at T3", {3, 10}},
        {"last game", 1106, 0x9A, 0x80, "T0 at T26", {26, 0}},
        {"bits 5 and 6 set", 17, 0xE3, 0xAA, "T10 at T3", {3, 10}},
        {"bit 7 clear", 500, 0x03, 0x0A, "T10 at T3", {3, 10}},
        {"all bits", 9, 0xFF, 0x7F, " at ", {31, 31}},  // team 31 does not exist: empty text
        {"team 27", 10, 0x1B, 0x01, "T1 at ", {27, 1}},
    };
    for (const auto& r : rows) {
        auto league = namedLeague();
        league->schedule()[2 * static_cast<std::size_t>(r.game)] = r.home;
        league->schedule()[2 * static_cast<std::size_t>(r.game) + 1] = r.visitor;
        EXPECT_EQ(league->getMatchupStr(r.game), r.text) << r.name;
        EXPECT_EQ(league->getMatchupBytes(r.game), r.teams) << r.name;
    }
}

TEST(ProjectSchedule, SetMatchupBytesSetsBit7AndTouchesOnlyItsGame) {
    const struct {
        int game;
        std::uint8_t home, away;
        std::uint8_t storedHome, storedAway;
    } rows[] = {
        {0, 3, 10, 0x83, 0x8A},
        {1106, 26, 0, 0x9A, 0x80},
        {55, 0x83, 0x8A, 0x83, 0x8A},  // already marked
        {56, 0x63, 0x0A, 0xE3, 0x8A},  // bits 5 and 6 as given
    };
    for (const auto& r : rows) {
        auto league = namedLeague();
        for (auto& b : league->schedule()) b = 0x55;
        league->setMatchupBytes(r.game, r.home, r.away);
        std::size_t g = static_cast<std::size_t>(r.game);
        for (std::size_t i = 0; i < static_cast<std::size_t>(clsProject::kScheduleBytes); ++i) {
            std::uint8_t expected = i == 2 * g ? r.storedHome : i == 2 * g + 1 ? r.storedAway : 0x55;
            ASSERT_EQ(league->schedule()[i], expected) << "game " << r.game << " byte " << i;
        }
        EXPECT_EQ(league->getMatchupBytes(r.game), (Pair{static_cast<std::uint8_t>(r.home & 31),
                                                         static_cast<std::uint8_t>(r.away & 31)}));
    }
}

TEST(ProjectSchedule, GameIndexesOutsideTheScheduleAreHarmless) {
    auto league = namedLeague();
    for (auto& b : league->schedule()) b = 0x81;
    auto before = league->schedule();
    for (int game : {-1, 1107, 2000, -32768, 32767}) {
        EXPECT_EQ(league->getMatchupStr(game), "") << game;
        EXPECT_EQ(league->getMatchupBytes(game), (Pair{0, 0})) << game;
        league->setMatchupBytes(game, 1, 2);
    }
    EXPECT_EQ(league->schedule(), before);
    EXPECT_EQ(clsProject::getNumberOfGames(), 1106);
    EXPECT_EQ(league->getNumberOfGames(), 1106) << "whatever the schedule holds";
}

TEST(ProjectAllStars, PairsAreStoredPerConferenceAndSlot) {
    auto league = std::make_unique<clsProject>();
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        league->setWestAllStar(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(11 - i));
        league->setEastAllStar(i, static_cast<std::uint8_t>(26 - i), static_cast<std::uint8_t>(i));
    }
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        EXPECT_EQ(league->getWestAllStar(i), (Pair{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(11 - i)}));
        EXPECT_EQ(league->getEastAllStar(i), (Pair{static_cast<std::uint8_t>(26 - i), static_cast<std::uint8_t>(i)}));
    }
    // slots outside 0..11 are ignored
    for (int i : {-1, 12, 100}) {
        league->setWestAllStar(i, 9, 9);
        league->setEastAllStar(i, 9, 9);
        EXPECT_EQ(league->getWestAllStar(i), (Pair{0, 0}));
        EXPECT_EQ(league->getEastAllStar(i), (Pair{0, 0}));
    }
    EXPECT_EQ(league->getWestAllStar(0), (Pair{0, 11}));
    EXPECT_EQ(league->getEastAllStar(11), (Pair{15, 11}));
}

TEST(ProjectRecord, TeamsOutsideTheLeagueGiveNoRecord) {
    auto league = std::make_unique<clsProject>();
    const clsProject& c = *league;
    for (int t : {-32768, -1, 27, 28, 33, 32767}) {
        EXPECT_EQ(league->getTeamRef(t), nullptr) << t;
        EXPECT_EQ(c.getTeamRef(t), nullptr) << t;
    }
    for (int t = 0; t < 27; ++t) {
        ASSERT_NE(league->getTeamRef(t), nullptr) << t;
        EXPECT_EQ(league->getTeamRef(t)->getCity(), "") << "a new team is empty";
    }
    league->getTeamRef(26)->setCity("X");
    EXPECT_EQ(c.getTeamRef(26)->getCity(), "X");
}

TEST(ProjectRecord, ClearProjectZeroesScheduleAndRostersAndResetsEveryTeam) {
    auto league = namedLeague();
    for (auto& b : league->schedule()) b = 0x8C;
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        league->setWestAllStar(i, 4, 5);
        league->setEastAllStar(i, 6, 7);
    }
    for (int t = 0; t < clsProject::kTeams; ++t) {
        league->getTeamRef(t)->getPlayerRef(3)->setJump(200);
        league->getTeamRef(t)->setUniformColor_NES(1, 2);
    }
    league->clearProject();
    for (auto b : league->schedule()) ASSERT_EQ(b, 0);
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        EXPECT_EQ(league->getWestAllStar(i), (Pair{0, 0}));
        EXPECT_EQ(league->getEastAllStar(i), (Pair{0, 0}));
    }
    for (int t = 0; t < clsProject::kTeams; ++t) {
        const clsTeam* team = league->getTeamRef(t);
        EXPECT_EQ(team->getAbrev(), "ABREV") << t;
        EXPECT_EQ(team->getPointsScored(), 100) << t;
        EXPECT_FALSE(team->uniformNES_vaild) << t;
        EXPECT_EQ(team->getPlayerRef(3)->getJump(), 144) << t;
    }
    EXPECT_EQ(league->getMatchupStr(0), "ABREV at ABREV");
}

}  // namespace
