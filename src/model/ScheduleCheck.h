#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/clsProject.h"

// What the season schedule gives each team, and what is wrong with it. A game names its
// teams by the low five bits of its two bytes (home, then visitor), so a byte can name
// 27..31, teams the league does not have.
namespace ScheduleCheck {

// The games a team takes part in, and of those the ones it plays at home and away. A game
// against itself counts once among the games and once each at home and away; a game
// against a team that does not exist counts for the team that does.
struct TeamGames {
    int games = 0;
    int home = 0;
    int away = 0;
    bool operator==(const TeamGames&) const = default;
};

enum class Fault {
    PlaysItself,  // both bytes of a game name the same team
    NoSuchTeam,   // a byte of a game names 27..31
    GameCount,    // a team plays another number of games than most teams do
};

struct Problem {
    Fault fault = Fault::PlaysItself;
    int game = 0;   // PlaysItself, NoSuchTeam: the game 0..1106
    int team = 0;   // the team named (for NoSuchTeam 27..31)
    int games = 0;  // GameCount: the team's games
    // "game 17: BOS plays itself", "game 40 names team 29",
    // "team 3 (BOS) plays 90 games, most teams play 82"
    std::string text;
};

struct Report {
    std::array<TeamGames, clsProject::kTeams> teams{};
    // The number of games most teams play. When several counts are shared by equally
    // many teams, the largest of them: a schedule being filled in has teams that lack
    // games rather than teams with games to spare, and those are the ones to list.
    int usualGames = 0;
    // The games' problems in game order (for one game: itself, then each team it names
    // that does not exist, home first, a team named twice listed once), then the teams
    // whose count differs from usualGames, in team order.
    std::vector<Problem> problems;
};

Report check(const clsProject& league);

}  // namespace ScheduleCheck
