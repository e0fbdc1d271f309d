// Trades: the two players change places whole and the all-star slots follow them; the same place twice or a
// place off the roster changes nothing. (What the save writes for an all-star slot is the writer's test.)
#include <gtest/gtest.h>

#include <sstream>

#include "model/Trade.h"
#include "support/Leagues.h"

namespace {

using Trade::Place;

Place place(const std::string& text) {
    Place p;
    std::sscanf(text.c_str(), "%d.%d", &p.team, &p.slot);
    return p;
}

// All-star slots as words: "w3=5.4" west slot 3 names team 5 slot 4, "e0=..." an east slot.
void setSlots(clsProject& league, const std::string& words) {
    std::istringstream in(words);
    for (std::string w; in >> w;) {
        const Place p = place(w.substr(w.find('=') + 1));
        const int slot = std::stoi(w.substr(1));
        const auto team = static_cast<std::uint8_t>(p.team), player = static_cast<std::uint8_t>(p.slot);
        w[0] == 'w' ? league.setWestAllStar(slot, team, player) : league.setEastAllStar(slot, team, player);
    }
}

TEST(Trade, PlayersChangePlacesWholeAndAllStarSlotsFollowThemOrNothingChanges) {
    const std::tuple<const char*, std::string, std::string, std::string, std::string> rows[] = {
        // name, the places, the slots before, the slots that change ("-": the trade is refused)
        {"within a team, a slot on the first place", "3.4", "3.9", "w0=3.4 w1=3.5", "w0=3.9"},
        {"across teams, a slot on the second place", "0.0", "26.11", "w2=26.0 e5=26.11", "e5=0.0"},
        {"slots on both places, in both rosters", "0.0", "26.11", "w0=0.0 w11=26.11 e0=26.11 e3=0.1 e4=92.0",
         "w0=26.11 w11=0.0 e0=0.0"},
        {"no slot on either place", "7.2", "8.3", "w0=7.3 w1=8.2 e0=2.7", ""},
        {"the same place", "5.5", "5.5", "w0=5.5", ""},
        {"team 27", "27.0", "0.0", "w0=0.0", "-"},
        {"slot 12", "0.0", "0.12", "", "-"},
        {"team -1", "-1.0", "0.0", "", "-"},
        {"slot -1", "0.-1", "1.1", "", "-"},
    };
    for (const auto& [name, a, b, slots, after] : rows) {
        SCOPED_TRACE(name);
        clsProject league = testsupport::distinctLeague();  // its all-star slots name teams 10 and 11
        setSlots(league, slots);
        const clsProject before = league;
        clsProject want = league;
        if (after != "-") {
            std::swap(*want.getTeamRef(place(a).team)->getPlayerRef(place(a).slot),
                      *want.getTeamRef(place(b).team)->getPlayerRef(place(b).slot));
            setSlots(want, after);
        }
        EXPECT_EQ(Trade::swapPlayers(league, place(a), place(b)), after != "-");
        EXPECT_TRUE(league == want);
        Trade::swapPlayers(league, place(b), place(a));  // a trade back undoes it
        EXPECT_TRUE(league == before);
    }
}

}  // namespace
