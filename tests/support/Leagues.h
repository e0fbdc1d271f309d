#pragma once
#include <string>

#include "model/clsProject.h"

// Leagues built field by field for the tests of the model and the layers on it.
namespace testsupport {

// AB CDE, #32, 6-9, 220 lb, guard, 48/84/20, raw ratings 31, 211, 200, 0x5C, 0x8A, 99: the sixteen fields
// that a player file or a CSV row carries, each unlike a reset player's.
inline void setExample(clsPlayer& p) {
    p.setFirst("AB");
    p.setLast("CDE");
    p.setJersey(32);
    p.setFeet(6);
    p.setInch(9);
    p.setWeight(220);
    p.setPosition(0);
    p.setFGpercent(48);
    p.setFTpercent(84);
    p.set3PTpercent(20);
    p.setRunSpeed(31);
    p.setJump(211);
    p.setSteal(200);
    p.setBlock(0x5C);
    p.setShotRange(0x8A);
    p.setStamina(99);
}

// Every player (slot 12 too) unlike the example, a reset player and every other player in every field, the
// unknown byte and the data pointer included; teams unlike reset ones; every schedule byte set; the all-star
// slots naming teams 10 (west) and 11 (east).
inline clsProject distinctLeague() {
    clsProject league;
    for (std::size_t i = 0; i < league.schedule().size(); ++i)
        league.schedule()[i] = static_cast<std::uint8_t>(0x80 | i % 27);
    for (std::uint8_t i = 0; i < clsProject::kAllStars; ++i) {
        league.setWestAllStar(i, 10, i);
        league.setEastAllStar(i, 11, i);
    }
    for (int t = 0; t < clsProject::kTeams; ++t) {
        clsTeam& team = *league.getTeamRef(t);
        team.setCity("CITY" + std::to_string(t));
        team.setMascot("OWLS" + std::to_string(t));
        team.setAbrev("T" + std::to_string(t));
        team.setPointsScored(static_cast<std::uint8_t>(t + 1));
        team.setPointsGiven(static_cast<std::uint8_t>(t + 2));
        team.setUniformColor_NES(0x11, static_cast<std::uint8_t>(0x20 + t));
        team.setUniformColor_1Word(5, 0x7FFF - t);
        for (int s = 0; s < clsTeam::kSlots; ++s) {
            const int n = t * clsTeam::kSlots + s;
            auto b = [n](int k) { return static_cast<std::uint8_t>(1 + (n + k) % 120); };  // never 0, never jump's 144
            auto w = [n](int k) { return static_cast<std::int16_t>(n + k); };
            clsPlayer& p = *team.getPlayerRef(s);
            p.setFirst("F" + std::to_string(n));
            p.setLast("L" + std::to_string(n));
            p.setJersey(static_cast<std::uint8_t>(s + 40));
            p.setFeet(static_cast<std::uint8_t>(7 + t % 8));
            p.setInch(static_cast<std::uint8_t>(s + 1));
            p.setWeight(w(300));
            p.setPosition(static_cast<std::uint8_t>(1 + n % 4));
            p.setFGpercent(w(-400));
            p.setFTpercent(w(401));
            p.set3PTpercent(w(402));
            p.setRunSpeed(b(3));
            p.setJump(b(4));
            p.setSteal(b(5));
            p.setBlock(b(6));
            p.setShotRange(b(7));
            p.setStamina(b(8));
            p.setUnknownByte(b(9));
            p.setDataPtr(100 * n + 1);
        }
    }
    return league;
}

}  // namespace testsupport
