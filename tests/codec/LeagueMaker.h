#pragma once
// Leagues made in memory for the writer tests, with text and record lengths set exactly.
#include <stdexcept>
#include <string>
#include <vector>

#include "model/clsProject.h"

namespace leaguemaker {

// n lengths of at least minimum that add up to total (as even as possible).
inline std::vector<int> lengthsSummingTo(int total, int n, int minimum = 0) {
    std::vector<int> out(static_cast<std::size_t>(n), total / n);
    for (int i = 0; i < total % n; ++i) ++out[static_cast<std::size_t>(i)];
    for (int v : out)
        if (v < minimum) throw std::runtime_error("lengths too short");
    return out;
}

// A valid player whose data record is exactly recordLength bytes (at least 9).
inline void shapePlayer(clsPlayer& p, int recordLength, int seed) {
    int nameChars = recordLength - 7 - 1;  // less the figure bytes and the space
    int firstLen = nameChars / 2;
    p.setFirst(std::string(static_cast<std::size_t>(firstLen), static_cast<char>('A' + seed % 26)));
    p.setLast(std::string(static_cast<std::size_t>(nameChars - firstLen), static_cast<char>('Z' - seed % 26)));
    p.setJersey(static_cast<std::uint8_t>(seed % 100));
    p.setFeet(6);
    p.setInch(static_cast<std::uint8_t>(seed % 12));
    p.setWeight(static_cast<std::int16_t>(160 + 4 * (seed % 35)));
    p.setPosition(static_cast<std::uint8_t>(seed % 5));
    p.setFGpercent(48);
    p.setFTpercent(76);
    p.set3PTpercent(32);
    p.setRunSpeed(static_cast<std::uint8_t>(seed % 32));
    p.setJump(static_cast<std::uint8_t>(144 + seed % 68));
    p.setSteal(static_cast<std::uint8_t>(seed % 201));
    p.setBlock(static_cast<std::uint8_t>(seed % 13));
    p.setShotRange(static_cast<std::uint8_t>(seed % 11));
    p.setStamina(static_cast<std::uint8_t>(seed % 100));
    p.setUnknownByte(static_cast<std::uint8_t>(seed));
}

// Every team with short texts, every player with a 10-byte record, all-stars and
// schedule valid.
inline clsProject plainLeague() {
    clsProject project;
    for (int t = 0; t < 27; ++t) {
        clsTeam& team = *project.getTeamRef(t);
        team.setCity("C");
        team.setMascot("M");
        team.setAbrev("A");
        team.setPointsScored(static_cast<std::uint8_t>(90 + t));
        team.setPointsGiven(static_cast<std::uint8_t>(80 + t));
        team.setUniformColor_NES(static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(0x30 + t));
        for (int k = 0; k < 128; ++k) team.setUniformColor_1Word(k, (t * 1000 + k * 7) & 0x7FFF);
        for (int p = 0; p < 12; ++p) shapePlayer(*team.getPlayerRef(p), 10, t * 12 + p);
    }
    for (int i = 0; i < 12; ++i) {
        project.setWestAllStar(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i));
        project.setEastAllStar(i, static_cast<std::uint8_t>(14 + i), static_cast<std::uint8_t>(11 - i));
    }
    for (int g = 0; g <= clsProject::getNumberOfGames(); ++g)
        project.setMatchupBytes(g, static_cast<std::uint8_t>(g % 27), static_cast<std::uint8_t>((g + 1 + g / 27 % 26) % 27));
    return project;
}

enum class Text { Abbreviation, City, Mascot };

// Team texts whose lengths plus terminators add up to total bytes.
inline void setTextBytes(clsProject& project, Text which, int total) {
    std::vector<int> lens = lengthsSummingTo(total, 27, 1);
    for (int t = 0; t < 27; ++t) {
        std::string s(static_cast<std::size_t>(lens[static_cast<std::size_t>(t)] - 1), static_cast<char>('A' + t % 26));
        clsTeam& team = *project.getTeamRef(t);
        if (which == Text::Abbreviation) team.setAbrev(s);
        if (which == Text::City) team.setCity(s);
        if (which == Text::Mascot) team.setMascot(s);
    }
}

// The records of teams first..last (inclusive) add up to total bytes.
inline void setRecordBytes(clsProject& project, int firstTeam, int lastTeam, int total) {
    int n = (lastTeam - firstTeam + 1) * 12;
    std::vector<int> lens = lengthsSummingTo(total, n, 9);
    for (int i = 0; i < n; ++i) {
        int t = firstTeam + i / 12, p = i % 12;
        shapePlayer(*project.getTeamRef(t)->getPlayerRef(p), lens[static_cast<std::size_t>(i)], t * 12 + p);
    }
}

}  // namespace leaguemaker
