#include "codec/AllStarCheck.h"

namespace AllStarCheck {

namespace {

void checkPair(Conference conference, int slot, const clsProject::Pair& pair, std::vector<Problem>& out) {
    const int team = pair[0];
    const int player = pair[1];
    // Only the roster 0..11 has data records, and so data pointers, after a save.
    if (team >= clsProject::kTeams)
        out.push_back({conference, slot, Fault::NoSuchTeam, team, player});
    else if (player >= clsTeam::kRoster)
        out.push_back({conference, slot, Fault::NoSuchPlayer, team, player});
}

}  // namespace

std::vector<Problem> findProblems(const clsProject& project) {
    std::vector<Problem> out;
    for (int i = 0; i < clsProject::kAllStars; ++i) checkPair(Conference::West, i, project.getWestAllStar(i), out);
    for (int i = 0; i < clsProject::kAllStars; ++i) checkPair(Conference::East, i, project.getEastAllStar(i), out);
    return out;
}

const char* conferenceName(Conference conference) { return conference == Conference::West ? "west" : "east"; }

std::string describe(const Problem& problem) {
    std::string text =
        std::string(conferenceName(problem.conference)) + " all-star " + std::to_string(problem.slot) + " names ";
    if (problem.fault == Fault::NoSuchTeam) return text + "team " + std::to_string(problem.team);
    return text + "player " + std::to_string(problem.player) + " of team " + std::to_string(problem.team);
}

}  // namespace AllStarCheck
