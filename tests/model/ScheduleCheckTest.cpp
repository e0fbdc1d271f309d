// The schedule check on schedules spelled out byte by byte: a balanced season, each kind of problem and the tie
// between two counts.
#include <gtest/gtest.h>

#include "model/ScheduleCheck.h"

namespace {

using ScheduleCheck::TeamGames;

// Teams A0..A26, team 5 without an abbreviation. Game g: home g mod 27, visitor (home + 1 + block mod 26)
// mod 27 with block = g div 27; each block of 27 games has every team once at home and once away, so
// each team plays 41 + 41 = 82 games.
clsProject balancedLeague() {
    clsProject league;
    league.clearProject();
    for (int t = 0; t < clsProject::kTeams; ++t) league.getTeamRef(t)->setAbrev(t == 5 ? "" : "A" + std::to_string(t));
    for (int g = 0; g < 1107; ++g) {
        league.schedule()[static_cast<std::size_t>(2 * g)] = static_cast<std::uint8_t>(0x80 | g % 27);
        league.schedule()[static_cast<std::size_t>(2 * g + 1)] =
            static_cast<std::uint8_t>(0x80 | (g % 27 + 1 + g / 27 % 26) % 27);
    }
    return league;
}

struct Row {
    std::string name;
    std::vector<std::tuple<int, std::uint8_t, std::uint8_t>> games;  // game, home byte, visitor byte
    std::vector<std::pair<int, TeamGames>> teams;                    // the teams whose counts are not 82/41/41
    std::vector<std::string> problems;
};

TEST(ScheduleCheck, CountsAndProblemsOfHandBuiltSchedules) {
    const Row rows[] = {
        {"balanced", {}, {}, {}},
        {"bits 5 and 6 ignored",
         {{0, 0xE0, 0xA1}, {1106, 0x7A, 0x6E}},
         {},
         {}},  // games 0 and 1106 are 0-1 and 26-14 already
        {"a team plays itself",
         {{17, 0x83, 0x83}},
         {{3, {83, 42, 42}}, {17, {81, 40, 41}}, {18, {81, 41, 40}}},
         {"game 17: A3 plays itself", "team 3 (A3) plays 83 games, most teams play 82",
          "team 17 (A17) plays 81 games, most teams play 82", "team 18 (A18) plays 81 games, most teams play 82"}},
        {"a team without an abbreviation plays itself",
         {{5, 0x85, 0x85}},
         {{5, {82, 41, 42}}, {6, {81, 41, 40}}},
         {"game 5: team 5 plays itself", "team 6 (A6) plays 81 games, most teams play 82"}},
        {"a home team that does not exist",
         {{40, 0x9D, 0x8F}},
         {{13, {81, 40, 41}}},
         {"game 40 names team 29", "team 13 (A13) plays 81 games, most teams play 82"}},
        {"both teams 27 and 30",
         {{28, 0x1B, 0xFE}},
         {{1, {81, 40, 41}}, {3, {81, 41, 40}}},
         {"game 28 names team 27", "game 28 names team 30", "team 1 (A1) plays 81 games, most teams play 82",
          "team 3 (A3) plays 81 games, most teams play 82"}},
        {"team 31 twice, named once",
         {{0, 0x9F, 0xFF}},
         {{0, {81, 40, 41}}, {1, {81, 41, 40}}},
         {"game 0 names team 31", "team 0 (A0) plays 81 games, most teams play 82",
          "team 1 (A1) plays 81 games, most teams play 82"}},
        {"two games moved from team 0 to team 5",
         {{0, 0x85, 0x81}, {27, 0x85, 0x82}},
         {{0, {80, 39, 41}}, {5, {84, 43, 41}}},
         {"team 0 (A0) plays 80 games, most teams play 82", "team 5 plays 84 games, most teams play 82"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clsProject league = balancedLeague();
        for (const auto& [game, home, away] : row.games) {
            league.schedule()[static_cast<std::size_t>(2 * game)] = home;
            league.schedule()[static_cast<std::size_t>(2 * game + 1)] = away;
        }
        std::array<TeamGames, 27> want;
        want.fill({82, 41, 41});
        for (const auto& [team, games] : row.teams) want[static_cast<std::size_t>(team)] = games;
        const ScheduleCheck::Report report = ScheduleCheck::check(league);
        for (int t = 0; t < 27; ++t) {
            const TeamGames& got = report.teams[static_cast<std::size_t>(t)];
            EXPECT_EQ(got, want[static_cast<std::size_t>(t)])
                << "team " << t << ": " << got.games << "/" << got.home << "/" << got.away;
        }
        EXPECT_EQ(report.usualGames, 82);
        std::vector<std::string> texts;
        for (const ScheduleCheck::Problem& p : report.problems) texts.push_back(p.text);
        EXPECT_EQ(texts, row.problems);
    }
}

// 13 teams with one game and 13 without: the larger count is the usual one.
TEST(ScheduleCheck, ATieGoesToTheLargerCount) {
    clsProject league = balancedLeague();
    league.schedule().fill(0xBF);  // every game names team 31 twice
    const std::uint8_t games[][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 9}, {10, 11}, {12, 26}, {26, 26}};
    for (std::size_t g = 0; g < std::size(games); ++g) {
        league.schedule()[2 * g] = games[g][0];
        league.schedule()[2 * g + 1] = games[g][1];
    }
    const ScheduleCheck::Report report = ScheduleCheck::check(league);
    EXPECT_EQ(report.usualGames, 1);
    EXPECT_EQ(report.teams[26], (TeamGames{2, 1, 2}));
    std::vector<std::string> counts;
    for (const ScheduleCheck::Problem& p : report.problems)
        if (p.fault == ScheduleCheck::Fault::GameCount) counts.push_back(p.text);
    ASSERT_EQ(counts.size(), 14u);
    EXPECT_EQ(counts.front(), "team 13 (A13) plays 0 games, most teams play 1");
    EXPECT_EQ(counts.back(), "team 26 (A26) plays 2 games, most teams play 1");
    ASSERT_EQ(report.problems.size(), 1 + (1107 - 8) + 14);
    EXPECT_EQ(report.problems[0].text, "game 7: A26 plays itself");
    EXPECT_EQ(report.problems[1].text, "game 8 names team 31");
}

}  // namespace
