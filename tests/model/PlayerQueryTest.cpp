// Player queries: each kind of term on a small league, each refusal with its message. (Matches on a reference
// image are the find command's test.)
#include <gtest/gtest.h>

#include "model/PlayerQuery.h"

namespace {

// Team 3 BOSTON OWLS (BOS) and team 5 ALDEN KINGS (ALD); the players left unset are guards with a jump byte of
// 0, which shows as -216.
clsProject smallLeague() {
    clsProject league;
    const auto team = [&](int t, const char* city, const char* mascot, const char* abrev) {
        league.getTeamRef(t)->setCity(city);
        league.getTeamRef(t)->setMascot(mascot);
        league.getTeamRef(t)->setAbrev(abrev);
    };
    team(3, "BOSTON", "OWLS", "BOS");
    team(5, "ALDEN", "KINGS", "ALD");
    clsPlayer& milo = *league.getTeamRef(3)->getPlayerRef(4);
    milo.setFirst("MILO");
    milo.setLast("WENMON");
    milo.setJersey(24);
    milo.setPosition(4);
    milo.setJump(191);  // x = 47: 70.5 shows as 70
    milo.setFeet(6);
    milo.setInch(11);
    milo.setFGpercent(1016);  // the box shows 016
    milo.setStamina(69);      // shows 70
    clsPlayer& xan = *league.getTeamRef(5)->getPlayerRef(0);
    xan.setFirst("XAN");
    xan.setJersey(7);
    xan.setPosition(3);
    xan.setJump(190);  // shows 69
    xan.setWeight(250);
    league.getTeamRef(0)->getPlayerRef(2)->setLast("AB");
    league.getTeamRef(0)->getPlayerRef(2)->setJersey(33);
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
        {"milo", "3.4"},
        {"wen", "3.4"},
        {"  Owls\t#24 ", "3.4"},  // mascot, jersey, blanks around
        {"alden pos:f", "5.0"},
        {"kings xan", "5.0"},
        {"ald #7", "5.0"},
        {"team:ald #7", "5.0"},
        {"TEAM:5 #07", "5.0"},
        {"team:al #7", ""},  // the whole abbreviation
        {"team:3 #7", ""},
        {"#33", "0.2"},
        {"pos:G #33", "0.2"},
        {"pos:c", "3.4"},
        {"pos:Center", "3.4"},
        {"jump>=70", "3.4"},
        {"jump>69", "3.4"},
        {"JUMP=69", "5.0"},
        {"jump<=69 jump>-216", "5.0"},
        {"stam=70", "3.4"},
        {"fg=16", "3.4"},
        {"height>82", "3.4"},
        {"height>83", ""},
        {"inch=11 feet<7", "3.4"},
        {"weight>=250", "5.0"},
        {"jump<-215.5 #33", "0.2"},
        {"jmp>3", "unknown field 'jmp'"},
        {"milo jump>=x", "'x' is not a number"},
        {"jump>=", "'' is not a number"},
        {"#x", "'x' is not a number"},
        {"=5", "unknown field ''"},
        {"team:27", "there is no team 27"},
        {"pos:Q", "unknown position 'Q' (G, F or C)"},
        {"foo:1", "unknown field 'foo'"},
    };
    for (const auto& [query, places] : rows) EXPECT_EQ(found(query), places) << query;
    PlayerQuery::Fault fault;
    EXPECT_EQ(PlayerQuery::parse(" ", fault)->find(smallLeague()).size(), 324u);
}

}  // namespace
