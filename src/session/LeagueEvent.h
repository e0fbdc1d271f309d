#pragma once
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "model/Trade.h"

// What a change of the league touched: the kinds of data it changed, and which teams,
// players and games. A window shows anew only what a change touched, and a list of rows
// (teams, players, games) redraws just the rows named.
struct LeagueChange {
    // The kinds of data, as a set of bits.
    enum Kind : unsigned {
        TeamNames = 1u << 0,    // city, mascot and abbreviation of the teams named
        TeamNumbers = 1u << 1,  // points scored and given of the teams named
        Uniforms = 1u << 2,     // the colours of the teams named
        Player = 1u << 3,       // the fields of the one player named
        Players = 1u << 4,      // the fields of the players named, several at once
        RosterOrder = 1u << 5,  // the players named changed places (a trade)
        Schedule = 1u << 6,     // the games named
        AllStars = 1u << 7,     // the all-star slots
        League = 1u << 8,       // anything at all: every team, player, game and slot
    };
    static constexpr unsigned kTeamKinds = TeamNames | TeamNumbers | Uniforms;
    static constexpr unsigned kPlayerKinds = Player | Players | RosterOrder;

    unsigned kinds = 0;
    std::vector<int> teams;             // whose own fields (names, numbers, uniforms) changed
    std::vector<Trade::Place> players;  // the players touched
    std::vector<int> games;             // the games touched

    // Any of the kinds (or the whole league) changed.
    bool touches(unsigned anyOf) const { return (kinds & (anyOf | League)) != 0; }
    // The team's own fields, the player or the game changed (any of them, for the whole league).
    bool touchesTeam(int team) const {
        return (kinds & League) != 0 || ((kinds & kTeamKinds) != 0 && std::ranges::count(teams, team) > 0);
    }
    bool touchesPlayer(const Trade::Place& place) const {
        return (kinds & League) != 0 || ((kinds & kPlayerKinds) != 0 && std::ranges::count(players, place) > 0);
    }
    bool touchesGame(int game) const {
        return (kinds & League) != 0 || ((kinds & Schedule) != 0 && std::ranges::count(games, game) > 0);
    }

    // A change of one team's own fields, of the kinds given (TeamNames, TeamNumbers, Uniforms).
    static LeagueChange ofTeam(int team, unsigned kinds) { return {kinds, {team}, {}, {}}; }
    // A change of one player.
    static LeagueChange ofPlayer(Trade::Place place) { return {Player, {}, {place}, {}}; }
    // A team read whole: its own fields and its twelve players.
    static LeagueChange ofWholeTeam(int team) {
        LeagueChange change{kTeamKinds | Players, {team}, {}, {}};
        for (int slot = 0; slot < clsTeam::kRoster; ++slot) change.players.push_back({team, slot});
        return change;
    }
    // The players named, several fields of each (a bulk edit).
    static LeagueChange ofPlayers(std::vector<Trade::Place> places) { return {Players, {}, std::move(places), {}}; }
    // Every player of the league, several fields at once.
    static LeagueChange ofEveryPlayer() {
        LeagueChange change{Players, {}, {}, {}};
        for (int team = 0; team < clsProject::kTeams; ++team)
            for (int slot = 0; slot < clsTeam::kRoster; ++slot) change.players.push_back({team, slot});
        return change;
    }
    // Two players traded: they changed places, and the all-star slots naming them followed.
    static LeagueChange ofTrade(Trade::Place a, Trade::Place b) { return {RosterOrder | AllStars, {}, {a, b}, {}}; }
    static LeagueChange ofGame(int game) { return {Schedule, {}, {}, {game}}; }
    static LeagueChange ofAllStars() { return {AllStars, {}, {}, {}}; }
    static LeagueChange ofLeague() { return {League, {}, {}, {}}; }

    bool operator==(const LeagueChange&) const = default;
};

// What the observers of a session hear: the nature of the event, the name of its step and
// what it changed. The league was replaced by one read from a file (an open, the file as
// last saved again), changed (an edit, an import, a trade), restored to the far side of a
// step of the history (undo, redo: the step's name and change) or saved (no change).
struct LeagueEvent {
    enum class Nature { Replaced, Changed, Restored, Saved };
    Nature nature = Nature::Changed;
    // The step's name as the Edit menu shows it ("City", "Import Team"), or the act's ("Open",
    // "Save"). Only a person reads it: what to show anew is in the change.
    std::string label;
    LeagueChange change;
    bool operator==(const LeagueEvent&) const = default;
};
