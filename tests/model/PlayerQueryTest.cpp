// Player queries: each kind of term on a small league, each refusal with its message. (Matches on a reference
// image are the find command's test.)
#include <gtest/gtest.h>

#include "model/PlayerQuery.h"

namespace {

// Team 3 BOSTON OWLS (BOS) with 3.4 MILO WENMON, team 5 ALDEN KINGS (ALD) with 5.0 XAN, and 0.2 AB; the players
// left unset are guards with a jump byte of 0, which shows as -216.
clsProject smallLeague() {
    clsProject league;
    for (const auto& [t, city, mascot, abrev] :
         {std::tuple{3, "BOSTON", "OWLS", "BOS"}, {5, "ALDEN", "KINGS", "ALD"}}) {
        league.getTeamRef(t)->setCity(city);
        league.getTeamRef(t)->setMascot(mascot);
        league.getTeamRef(t)->setAbrev(abrev);
    }
    const auto set = [&](int t, int s, const char* first, const char* last,
                         std::vector<std::pair<const char*, int>> v) {
        clsPlayer& p = *league.getTeamRef(t)->getPlayerRef(s);
        p.setFirst(first);
        p.setLast(last);
        for (const auto& [key, value] : v) PlayerField::find(key)->set(p, value);
    };
    // jump 191: 70.5 shows as 70; fg 1016: the box shows 1016; stam 69 shows 70
    set(3, 4, "MILO", "WENMON",
        {{"jersey", 24}, {"pos", 4}, {"jump", 191}, {"feet", 6}, {"inch", 11}, {"fg", 1016}, {"stam", 69}});
    set(5, 0, "XAN", "", {{"jersey", 7}, {"pos", 3}, {"jump", 190}, {"weight", 250}});  // jump 190 shows 69
    set(0, 2, "", "AB", {{"jersey", 33}});
    return league;
}

std::string found(const std::string& text) {
    PlayerQuery::Fault fault;
    const std::optional<PlayerQuery> query = PlayerQuery::parse(text, fault);
    if (!query) return fault.message();
    std::string places;
    for (const Trade::Place& p : query->find(smallLeague()))
        places += (places.empty() ? "" : " ") + std::to_string(p.team) + "." + std::to_string(p.slot);
    return places;
}

TEST(PlayerQuery, EachTermAndEachRefusal) {
    const std::pair<const char*, const char*> rows[] = {
        {"wen", "3.4"},
        {"  Owls\t#24 ", "3.4"},  // mascot, jersey, blanks around
        {"alden pos:f", "5.0"},
        {"ald #7", "5.0"},
        {"team:ald #7", "5.0"},
        {"TEAM:5 #07", "5.0"},
        {"team:al #7", ""},  // the whole abbreviation
        {"pos:G #33", "0.2"},
        {"pos:c", "3.4"},
        {"jump>=70", "3.4"},
        {"JUMP=69", "5.0"},
        {"jump<=69 jump>-216", "5.0"},
        {"stam=70", "3.4"},
        {"fg=1016", "3.4"},
        {"height>82", "3.4"},
        {"weight>=250", "5.0"},
        {"jump<-215.5 #33", "0.2"},
        {"jmp>3", "unknown field 'jmp'"},
        {"milo jump>=x", "'x' is not a number"},
        {"#", "'' is not a number"},
        {"team:27", "there is no team 27"},
        {"pos:Q", "unknown position 'Q' (G, F or C)"},
        {"foo:1", "unknown field 'foo'"},
    };
    for (const auto& [query, places] : rows) EXPECT_EQ(found(query), places) << query;
    PlayerQuery::Fault fault;
    EXPECT_EQ(PlayerQuery::parse(" ", fault)->find(smallLeague()).size(), 324u);
}

}  // namespace
