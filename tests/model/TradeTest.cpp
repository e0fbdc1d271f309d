// Trades: the two players change places whole and the all-star slots follow them; the same place twice or a
// place off the roster changes nothing. (What the save writes for an all-star slot is the writer's test.)
#include <gtest/gtest.h>

#include "model/Trade.h"
#include "support/Leagues.h"

namespace {

using Trade::Place;
using Pair = clsProject::Pair;

clsPlayer& at(clsProject& league, const Place& p) { return *league.getTeamRef(p.team)->getPlayerRef(p.slot); }

TEST(Trade, PlayersChangePlacesWholeAndAllStarSlotsFollowThem) {
    struct Row {
        std::string name;
        Place a, b;
        std::vector<std::pair<int, Pair>> west, east;            // slot and pair before
        std::vector<std::pair<int, Pair>> westAfter, eastAfter;  // the pairs that change
    };
    const Row rows[] = {
        {"within a team, pair on the first place", {3, 4}, {3, 9}, {{0, {3, 4}}, {1, {3, 5}}}, {}, {{0, {3, 9}}}, {}},
        {"across teams, pair on the second place",
         {0, 0},
         {26, 11},
         {{2, {26, 0}}},
         {{5, {26, 11}}},
         {},
         {{5, {0, 0}}}},
        {"pairs on both places, in both rosters",
         {0, 0},
         {26, 11},
         {{0, {0, 0}}, {11, {26, 11}}},
         {{0, {26, 11}}, {3, {0, 1}}, {4, {92, 0}}},
         {{0, {26, 11}}, {11, {0, 0}}},
         {{0, {0, 0}}}},
        {"no pair on either place", {7, 2}, {8, 3}, {{0, {7, 3}}, {1, {8, 2}}}, {{0, {2, 7}}}, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clsProject league =
            testsupport::distinctLeague();  // its all-star slots name teams 10 and 11, which no row trades
        for (const auto& [slot, pair] : row.west) league.setWestAllStar(slot, pair[0], pair[1]);
        for (const auto& [slot, pair] : row.east) league.setEastAllStar(slot, pair[0], pair[1]);
        const clsProject before = league;
        clsProject want = league;
        at(want, row.a) = at(league, row.b);
        at(want, row.b) = at(league, row.a);
        for (const auto& [slot, pair] : row.westAfter) want.setWestAllStar(slot, pair[0], pair[1]);
        for (const auto& [slot, pair] : row.eastAfter) want.setEastAllStar(slot, pair[0], pair[1]);
        ASSERT_TRUE(Trade::swapPlayers(league, row.a, row.b));
        EXPECT_TRUE(league == want);
        ASSERT_TRUE(Trade::swapPlayers(league, row.b, row.a));  // a trade back undoes it
        EXPECT_TRUE(league == before);
    }
}

TEST(Trade, TheSamePlaceOrAPlaceOffTheRosterChangesNothing) {
    const std::pair<Place, Place> places[] = {
        {{5, 5}, {5, 5}}, {{27, 0}, {0, 0}}, {{0, 0}, {0, 12}}, {{-1, 0}, {0, 0}}, {{0, -1}, {1, 1}}};
    for (const auto& [a, b] : places) {
        clsProject league = testsupport::distinctLeague();
        league.setWestAllStar(0, 5, 5);
        const clsProject before = league;
        EXPECT_EQ(Trade::swapPlayers(league, a, b), a == b)
            << a.team << "." << a.slot << " " << b.team << "." << b.slot;
        EXPECT_TRUE(league == before);
    }
}

}  // namespace
