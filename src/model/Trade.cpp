#include "model/Trade.h"

#include <utility>

namespace Trade {

namespace {

// The all-star pair naming one place names the other afterwards.
clsProject::Pair follow(const clsProject::Pair& pair, const Place& a, const Place& b) {
    const Place named{pair[0], pair[1]};
    const Place& to = named == a ? b : named == b ? a : named;
    return {static_cast<std::uint8_t>(to.team), static_cast<std::uint8_t>(to.slot)};
}

}  // namespace

bool isRosterPlace(const Place& place) {
    return place.team >= 0 && place.team < clsProject::kTeams && place.slot >= 0 && place.slot < clsTeam::kRoster;
}

bool swapPlayers(clsProject& league, const Place& a, const Place& b) {
    if (!isRosterPlace(a) || !isRosterPlace(b)) return false;
    if (a == b) return true;
    std::swap(*league.getTeamRef(a.team)->getPlayerRef(a.slot), *league.getTeamRef(b.team)->getPlayerRef(b.slot));
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        const clsProject::Pair west = follow(league.getWestAllStar(i), a, b);
        const clsProject::Pair east = follow(league.getEastAllStar(i), a, b);
        league.setWestAllStar(i, west[0], west[1]);
        league.setEastAllStar(i, east[0], east[1]);
    }
    return true;
}

}  // namespace Trade
