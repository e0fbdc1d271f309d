#pragma once
#include "model/Trade.h"
#include "model/clsProject.h"

// What the editors show: the selected team and player, the game of the schedule list and
// the variants of the two preview figures. The main window holds it; the panels read it,
// and each panel changes only the part that is its own (the schedule panel the game, the
// team editor the figure variants).
struct EditorSelection {
    int team = 0;               // 0..26
    int player = 0;             // 0..11 within the team
    int game = 0;               // 0..1106
    int nesFigureVariant = 0;   // 0..3
    int snesFigureVariant = 0;  // 0..7

    // The selected player's roster place.
    Trade::Place place() const { return {team, player}; }

    // The selected records of the league; null while the selection is out of range.
    const clsTeam* teamOf(const clsProject& league) const { return league.getTeamRef(team); }
    clsTeam* teamOf(clsProject& league) const { return league.getTeamRef(team); }
    const clsPlayer* playerOf(const clsProject& league) const {
        const clsTeam* t = teamOf(league);
        return t != nullptr ? t->getPlayerRef(player) : nullptr;
    }
    clsPlayer* playerOf(clsProject& league) const {
        clsTeam* t = teamOf(league);
        return t != nullptr ? t->getPlayerRef(player) : nullptr;
    }
};
