// The lines that tell two leagues apart: each field once, on the distinct league (player 3.7 is
// player 46 there: F46 L46, #47, 10-8, 346 lb, position 3, 354/447/448 as stored, ratings 50..55, unknown
// byte 56), and the fixed order of several lines; taking the differences gives the other league, each field
// as stored there. (What tamsel-cli diff adds, the bytes outside the league
// and its exit status, is the CLI tests' work.)
#include <gtest/gtest.h>

#include <functional>

#include "model/LeagueDiff.h"
#include "support/Leagues.h"

namespace {

using L = clsProject&;

clsPlayer& p37(L league) { return *league.getTeamRef(3)->getPlayerRef(7); }

std::string lines(const clsProject& before, const clsProject& after) {
    std::string text;
    for (const LeagueDiff::Difference& d : LeagueDiff::compare(before, after)) text += d.text() + "\n";
    return text;
}

TEST(LeagueDiff, EachFieldGivesItsOneLine) {
    const std::tuple<const char*, std::function<void(L)>, std::string> rows[] = {
        // name, change, the lines
        {"nothing", [](L) {}, ""},
        {"a city with a quote, a backslash and bytes outside the printable range",
         [](L l) { l.getTeamRef(0)->setCity("A\"B\\C\x01\xC3"); },
         "team 0 city: \"CITY0\" -> \"A\\\"B\\\\C\\x01\\xC3\"\n"},
        {"every field of a team, in the team file's order",
         [](L l) {
             clsTeam& t = *l.getTeamRef(3);
             t.setMascot("HEAT"), t.setAbrev("ZZ"), t.setPointsScored(7), t.setPointsGiven(9);
             t.setNesByte(1, 0x67), t.setUniformColor_2Bytes(17, 0xFF, 0x7F), t.setUniformColor_2Bytes(5, 0xFB, 0xFF);
             t.uniformNES_vaild = t.uniformSNES_vaild = false;
         },
         "team 3 mascot: \"OWLS3\" -> \"HEAT\"\nteam 3 abrev: \"T3\" -> \"ZZ\"\nteam 3 ps: 4 -> 7\nteam 3 pg: 5 -> 9\n"
         "team 3 unifnes: True -> False\nteam 3 uniform nes 1: 0x23 -> 0x67\nteam 3 unifsnes: True -> False\n"
         "team 3 uniform snes 5: 0x7FFC -> 0xFFFB\nteam 3 uniform snes 17: 0x0000 -> 0x7FFF\n"},
        {"every field of a player, in the player file's order",
         [](L l) {
             clsPlayer& p = p37(l);
             p.setFirst("JOE"), p.setLast("O'NEAL"), p.setJersey(55), p.setFeet(5), p.setInch(11), p.setWeight(312);
             p.setPosition(4), p.setFGpercent(604), p.setFTpercent(908), p.set3PTpercent(104), p.setRunSpeed(201);
             p.setJump(202), p.setSteal(203), p.setBlock(204), p.setShotRange(205), p.setStamina(206);
             p.setUnknownByte(207);
         },
         "player 3.7 first: \"F46\" -> \"JOE\"\nplayer 3.7 last: \"L46\" -> \"O'NEAL\"\nplayer 3.7 jersey: 47 -> 55\n"
         "player 3.7 feet: 10 -> 5\nplayer 3.7 inch: 8 -> 11\nplayer 3.7 weight: 346 -> 312\nplayer 3.7 pos: 3 -> 4\n"
         "player 3.7 fg: -354 -> 604\nplayer 3.7 ft: 447 -> 908\nplayer 3.7 threept: 448 -> 104\n"
         "player 3.7 rspeed: 50 -> 201\nplayer 3.7 jump: 51 -> 202\nplayer 3.7 steal: 52 -> 203\n"
         "player 3.7 block: 53 -> 204\nplayer 3.7 shoot: 54 -> 205\nplayer 3.7 stam: 55 -> 206\n"
         "player 3.7 unknown: 56 -> 207\n"},
        {"game", [](L l) { l.setMatchupBytes(17, 20, 21); }, "game 17: \"T8 at T7\" -> \"T21 at T20\"\n"},
        {"game, a byte whose team stays", [](L l) { l.schedule()[2 * 1106] ^= 0x40; },
         "game 1106: \"T26 at T25\" -> \"T26 at T25\" (0x99 0x9A -> 0xD9 0x9A)\n"},
        {"west all-star slot", [](L l) { l.setWestAllStar(3, 20, 9); }, "west all-star 3: 10.3 -> 20.9\n"},
        {"east all-star slot", [](L l) { l.setEastAllStar(11, 26, 11); }, "east all-star 11: 11.11 -> 26.11\n"},
        {"teams, players, games, then west and east all-stars",
         [](L l) {
             l.setEastAllStar(0, 1, 1), l.setWestAllStar(0, 1, 1), l.setMatchupBytes(0, 1, 2);
             p37(l).setStamina(1), l.getTeamRef(26)->setPointsGiven(1), l.getTeamRef(0)->setCity("A");
         },
         "team 0 city: \"CITY0\" -> \"A\"\nteam 26 pg: 28 -> 1\nplayer 3.7 stam: 55 -> 1\ngame 0: \"T1 at T0\" -> \"T2 "
         "at T1\"\nwest all-star 0: 10.0 -> 1.1\neast all-star 0: 11.0 -> 1.1\n"},
    };
    const clsProject before = testsupport::distinctLeague();
    for (const auto& [name, change, text] : rows) {
        SCOPED_TRACE(name);
        clsProject after = before;
        change(after);
        EXPECT_EQ(lines(before, after), text);
        clsProject taken = before;
        for (const LeagueDiff::Difference& d : LeagueDiff::compare(before, after)) d.take(taken);
        EXPECT_TRUE(taken == after);
    }
}

TEST(LeagueDiff, Groups) {
    clsProject after = testsupport::distinctLeague();
    after.getTeamRef(2)->setUniformColor_2Bytes(3, 1, 2);
    p37(after).setLast("X");
    after.setMatchupBytes(5, 1, 2);
    after.setEastAllStar(0, 1, 1);
    using G = LeagueDiff::Group;
    std::vector<G> groups;
    for (const LeagueDiff::Difference& d : LeagueDiff::compare(testsupport::distinctLeague(), after))
        groups.push_back(d.group());
    EXPECT_EQ(groups, (std::vector<G>{G::Teams, G::Players, G::Schedule, G::AllStars}));
}

}  // namespace
