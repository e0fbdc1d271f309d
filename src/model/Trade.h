#pragma once
#include "model/clsProject.h"

// Trades between two roster places of the league.
namespace Trade {

// A roster place: team 0..26, slot 0..11.
struct Place {
    int team = 0;
    int slot = 0;
    bool operator==(const Place&) const = default;
};

// True for team 0..26 and slot 0..11.
bool isRosterPlace(const Place& place);

// Swaps the two players whole (names, body, percentages, ratings, unknown byte, data
// pointer) and lets the all-star slots follow them: a slot naming one of the two places
// names the other afterwards. The same place twice changes nothing. False, with nothing
// changed, when either place lies outside the roster.
bool swapPlayers(clsProject& league, const Place& a, const Place& b);

}  // namespace Trade
