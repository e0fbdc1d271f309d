#include "model/ScheduleCheck.h"

#include <map>

namespace ScheduleCheck {

namespace {

// The team's abbreviation, or "team N" when it has none.
std::string teamLabel(const clsProject& league, int team) {
    const std::string& abbreviation = league.getTeamRef(team)->getAbrev();
    return abbreviation.empty() ? "team " + std::to_string(team) : abbreviation;
}

bool exists(int team) { return team < clsProject::kTeams; }

}  // namespace

Report check(const clsProject& league) {
    Report report;
    for (int game = 0; game <= clsProject::getNumberOfGames(); ++game) {
        const clsProject::Pair teams = league.getMatchupBytes(game);
        const int home = teams[0];
        const int away = teams[1];
        if (exists(home)) {
            ++report.teams[static_cast<std::size_t>(home)].games;
            ++report.teams[static_cast<std::size_t>(home)].home;
        }
        if (exists(away)) {
            if (away != home) ++report.teams[static_cast<std::size_t>(away)].games;
            ++report.teams[static_cast<std::size_t>(away)].away;
        }
        const std::string at = "game " + std::to_string(game);
        if (home == away && exists(home))
            report.problems.push_back(
                {Fault::PlaysItself, game, home, 0, at + ": " + teamLabel(league, home) + " plays itself"});
        if (!exists(home))
            report.problems.push_back({Fault::NoSuchTeam, game, home, 0, at + " names team " + std::to_string(home)});
        if (!exists(away) && away != home)
            report.problems.push_back({Fault::NoSuchTeam, game, away, 0, at + " names team " + std::to_string(away)});
    }
    std::map<int, int> teamsWith;  // game count -> teams with that count
    for (const TeamGames& t : report.teams) ++teamsWith[t.games];
    int most = 0;
    for (const auto& [games, count] : teamsWith) {  // ascending, so a tie goes to the larger count
        if (count >= most) {
            most = count;
            report.usualGames = games;
        }
    }
    for (int team = 0; team < clsProject::kTeams; ++team) {
        const int games = report.teams[static_cast<std::size_t>(team)].games;
        if (games == report.usualGames) continue;
        const std::string& abbreviation = league.getTeamRef(team)->getAbrev();
        const std::string who =
            "team " + std::to_string(team) + (abbreviation.empty() ? "" : " (" + abbreviation + ")");
        report.problems.push_back({Fault::GameCount, 0, team, games,
                                   who + " plays " + std::to_string(games) + (games == 1 ? " game" : " games") +
                                       ", most teams play " + std::to_string(report.usualGames)});
    }
    return report;
}

}  // namespace ScheduleCheck
