// The schedule check on schedules spelled out byte by byte: a balanced season, each kind of problem and the tie
// between two counts.
#include <gtest/gtest.h>

#include <sstream>

#include "model/ScheduleCheck.h"

namespace {

using ScheduleCheck::TeamGames;

// Teams A0..A26, team 5 without an abbreviation. Game g: home g mod 27, visitor (home + 1 + block mod 26)
// mod 27 with block = g div 27; each block of 27 games has every team once at home and once away, so
// each team plays 41 + 41 = 82 games.
clsProject balancedLeague() {
    clsProject league;
    for (int t = 0; t < clsProject::kTeams; ++t) league.getTeamRef(t)->setAbrev(t == 5 ? "" : "A" + std::to_string(t));
    for (std::size_t g = 0; g < 1107; ++g) {
        league.schedule()[2 * g] = static_cast<std::uint8_t>(0x80 | g % 27);
        league.schedule()[2 * g + 1] = static_cast<std::uint8_t>(0x80 | (g % 27 + 1 + g / 27 % 26) % 27);
    }
    return league;
}

// The problems: the rows' own, then a line for each team of the counts "TEAM:GAMES/HOME/AWAY ..." (the teams
// not at 82/41/41) that plays other than 82 games.
TEST(ScheduleCheck, CountsAndProblemsOfHandBuiltSchedules) {
    const std::tuple<const char*, std::vector<std::array<int, 3>>, std::string, std::string> rows[] = {
        // name, games changed (game, home byte, visitor byte), counts, problems of the games
        {"balanced", {}, "", ""},
        {"a team plays itself", {{17, 0x83, 0x83}}, "3:83/42/42 17:81/40/41 18:81/41/40", "game 17: A3 plays itself\n"},
        {"one without an abbreviation", {{5, 0x85, 0x85}}, "5:82/41/42 6:81/41/40", "game 5: team 5 plays itself\n"},
        {"a home team that does not exist", {{40, 0x9D, 0x8F}}, "13:81/40/41", "game 40 names team 29\n"},
        {"teams 27 and 30",
         {{28, 0x1B, 0xFE}},
         "1:81/40/41 3:81/41/40",
         "game 28 names team 27\ngame 28 names team 30\n"},
        {"team 31 twice, named once", {{0, 0x9F, 0xFF}}, "0:81/40/41 1:81/41/40", "game 0 names team 31\n"},
        {"two games moved from team 0 to team 5", {{0, 0x85, 0x81}, {27, 0x85, 0x82}}, "0:80/39/41 5:84/43/41", ""},
    };
    for (const auto& [name, games, counts, problems] : rows) {
        SCOPED_TRACE(name);
        clsProject league = balancedLeague();
        for (const auto& [game, home, away] : games) {
            league.schedule()[static_cast<std::size_t>(2 * game)] = static_cast<std::uint8_t>(home);
            league.schedule()[static_cast<std::size_t>(2 * game + 1)] = static_cast<std::uint8_t>(away);
        }
        std::array<TeamGames, 27> want;
        want.fill({82, 41, 41});
        std::string wantProblems = problems;
        std::istringstream in(counts);
        for (std::string word; in >> word;) {
            int team = 0;
            TeamGames g;
            std::sscanf(word.c_str(), "%d:%d/%d/%d", &team, &g.games, &g.home, &g.away);
            want[static_cast<std::size_t>(team)] = g;
            if (g.games != 82)
                wantProblems += "team " + std::to_string(team) + (team == 5 ? "" : " (A" + std::to_string(team) + ")") +
                                " plays " + std::to_string(g.games) + " games, most teams play 82\n";
        }
        const ScheduleCheck::Report report = ScheduleCheck::check(league);
        EXPECT_EQ(report.usualGames, 82);
        for (std::size_t t = 0; t < 27; ++t) {
            const TeamGames& got = report.teams[t];
            EXPECT_EQ(got, want[t]) << "team " << t << ": " << got.games << "/" << got.home << "/" << got.away;
        }
        std::string texts;
        for (const ScheduleCheck::Problem& p : report.problems) texts += p.text + "\n";
        EXPECT_EQ(texts, wantProblems);
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
    ASSERT_EQ(report.problems.size(), 1 + (1107 - 8) + 14);
    EXPECT_EQ(report.problems[0].text, "game 7: A26 plays itself");
    EXPECT_EQ(report.problems[1].text, "game 8 names team 31");
    EXPECT_EQ(report.problems[1 + 1099].text, "team 13 (A13) plays 0 games, most teams play 1");
    EXPECT_EQ(report.problems.back().text, "team 26 (A26) plays 2 games, most teams play 1");
}

}  // namespace
