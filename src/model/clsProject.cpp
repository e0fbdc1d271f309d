#include "model/clsProject.h"

clsTeam* clsProject::getTeamRef(int team) {
    if (team < 0 || team >= kTeams) return nullptr;
    return &teams_[static_cast<std::size_t>(team)];
}

const clsTeam* clsProject::getTeamRef(int team) const {
    if (team < 0 || team >= kTeams) return nullptr;
    return &teams_[static_cast<std::size_t>(team)];
}

std::string clsProject::getMatchupStr(int game) const {
    if (game < 0 || game > getNumberOfGames()) return {};
    std::size_t g = static_cast<std::size_t>(game);
    int visitor = schedule_[2 * g + 1] & 31;
    int home = schedule_[2 * g] & 31;
    const clsTeam* v = getTeamRef(visitor);
    const clsTeam* h = getTeamRef(home);
    return (v ? v->getAbrev() : std::string()) + " at " + (h ? h->getAbrev() : std::string());
}

clsProject::Pair clsProject::getMatchupBytes(int game) const {
    if (game < 0 || game > getNumberOfGames()) return {0, 0};
    std::size_t g = static_cast<std::size_t>(game);
    return {static_cast<std::uint8_t>(schedule_[2 * g] & 31), static_cast<std::uint8_t>(schedule_[2 * g + 1] & 31)};
}

void clsProject::setMatchupBytes(int game, std::uint8_t home, std::uint8_t away) {
    if (game < 0 || game > getNumberOfGames()) return;
    std::size_t g = static_cast<std::size_t>(game);
    schedule_[2 * g] = static_cast<std::uint8_t>(home | 0x80);
    schedule_[2 * g + 1] = static_cast<std::uint8_t>(away | 0x80);
}

clsProject::Pair clsProject::getWestAllStar(int i) const {
    return (i >= 0 && i < kAllStars) ? westAllStars_[static_cast<std::size_t>(i)] : Pair{0, 0};
}

clsProject::Pair clsProject::getEastAllStar(int i) const {
    return (i >= 0 && i < kAllStars) ? eastAllStars_[static_cast<std::size_t>(i)] : Pair{0, 0};
}

void clsProject::setWestAllStar(int i, std::uint8_t team, std::uint8_t player) {
    if (i >= 0 && i < kAllStars) westAllStars_[static_cast<std::size_t>(i)] = {team, player};
}

void clsProject::setEastAllStar(int i, std::uint8_t team, std::uint8_t player) {
    if (i >= 0 && i < kAllStars) eastAllStars_[static_cast<std::size_t>(i)] = {team, player};
}

void clsProject::clearProject() {
    schedule_.fill(0);
    eastAllStars_.fill({0, 0});
    westAllStars_.fill({0, 0});
    for (auto& t : teams_) t.initTeam();
}
