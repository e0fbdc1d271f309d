// Trades: the two players change places whole and the all-star slots follow them, in memory and
// through a save read back by the codec; the same place twice or a place off the roster changes nothing.
#include <gtest/gtest.h>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "model/Trade.h"

namespace {

using Trade::Place;
using Pair = clsProject::Pair;

clsPlayer& at(clsProject& league, const Place& p) { return *league.getTeamRef(p.team)->getPlayerRef(p.slot); }

// Every player different in every field, data pointers and unknown bytes included; the all-star slots
// name teams 10 and 11, which no row trades.
clsProject distinctLeague() {
    clsProject league;
    league.clearProject();
    for (std::uint8_t i = 0; i < clsProject::kAllStars; ++i) {
        league.setWestAllStar(i, 10, i);
        league.setEastAllStar(i, 11, i);
    }
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            clsPlayer& p = at(league, {t, s});
            const int n = t * 12 + s;
            p.setFirst("F" + std::to_string(n)); p.setLast("L" + std::to_string(n)); p.setJersey(static_cast<std::uint8_t>(s));
            p.setFeet(static_cast<std::uint8_t>(t % 8)); p.setInch(static_cast<std::uint8_t>(s)); p.setWeight(static_cast<std::int16_t>(n));
            p.setPosition(static_cast<std::uint8_t>(n % 5)); p.setFGpercent(static_cast<std::int16_t>(n + 1));
            p.setFTpercent(static_cast<std::int16_t>(n + 2)); p.set3PTpercent(static_cast<std::int16_t>(n + 3));
            p.setRunSpeed(static_cast<std::uint8_t>(n)); p.setJump(static_cast<std::uint8_t>(n + 1)); p.setSteal(static_cast<std::uint8_t>(n + 2));
            p.setBlock(static_cast<std::uint8_t>(n + 3)); p.setShotRange(static_cast<std::uint8_t>(n + 4));
            p.setStamina(static_cast<std::uint8_t>(n + 5)); p.setUnknownByte(static_cast<std::uint8_t>(n + 6)); p.setDataPtr(n * 100);
        }
    }
    return league;
}

struct Row {
    std::string name;
    Place a, b;
    std::vector<std::pair<int, Pair>> west, east;       // slot and pair before
    std::vector<std::pair<int, Pair>> westAfter, eastAfter;  // the pairs that change
};

TEST(Trade, PlayersChangePlacesWholeAndAllStarSlotsFollowThem) {
    const Row rows[] = {
        {"within a team, pair on the first place", {3, 4}, {3, 9}, {{0, {3, 4}}, {1, {3, 5}}}, {}, {{0, {3, 9}}}, {}},
        {"across teams, pair on the second place", {0, 0}, {26, 11}, {{2, {26, 0}}}, {{5, {26, 11}}}, {}, {{5, {0, 0}}}},
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
        clsProject league = distinctLeague();
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
    const std::pair<Place, Place> places[] = {{{5, 5}, {5, 5}}, {{27, 0}, {0, 0}}, {{0, 0}, {0, 12}}, {{-1, 0}, {0, 0}}, {{0, -1}, {1, 1}}};
    for (const auto& [a, b] : places) {
        clsProject league = distinctLeague();
        league.setWestAllStar(0, 5, 5);
        const clsProject before = league;
        EXPECT_EQ(Trade::swapPlayers(league, a, b), a == b) << a.team << "." << a.slot << " " << b.team << "." << b.slot;
        EXPECT_TRUE(league == before);
    }
}

// The league with every data pointer cleared: the codec sets them anew on every save and read.
clsProject withoutDataPointers(clsProject league) {
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int s = 0; s < clsTeam::kRoster; ++s) at(league, {t, s}).setDataPtr(0);
    return league;
}

// Saved into either edition's image and read back, the traded league is the league read.
TEST(Trade, ASavedTradeReadsBack) {
    for (const ConsoleKind kind : {Console::Nes, Console::Snes}) {
        SCOPED_TRACE(kind == Console::Nes ? "NES" : "SNES");
        RomImage rom = kind == Console::Nes ? DemoRom::makeNes() : DemoRom::makeSnes();
        const OffsetSet offsets = kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults();
        clsProject league;
        ASSERT_EQ(loadProjectFromRom(league, rom, offsets, kind), Result::Ok);
        league.setWestAllStar(0, 2, 3);
        league.setEastAllStar(7, 20, 11);
        const clsPlayer a = at(league, {2, 3}), b = at(league, {20, 11});
        ASSERT_NE(a.getFullname(), b.getFullname());
        ASSERT_TRUE(Trade::swapPlayers(league, {2, 3}, {20, 11}));
        ASSERT_EQ(saveProjectToRom(league, rom, offsets, kind), Result::Ok);
        clsProject back;
        ASSERT_EQ(loadProjectFromRom(back, rom, offsets, kind), Result::Ok);
        EXPECT_TRUE(withoutDataPointers(back) == withoutDataPointers(league));
        EXPECT_EQ(at(back, {2, 3}).getFullname(), b.getFullname());
        EXPECT_EQ(at(back, {20, 11}).getFullname(), a.getFullname());
        EXPECT_EQ(back.getWestAllStar(0), (Pair{20, 11}));
        EXPECT_EQ(back.getEastAllStar(7), (Pair{2, 3}));
    }
}

}  // namespace
