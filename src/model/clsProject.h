#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "model/clsTeam.h"

// The whole league of one image: 27 teams, the 1107-game schedule (two bytes a game,
// home then visitor) and the two all-star rosters of 12 (team, player) pairs.
class clsProject {
public:
    static constexpr int kTeams = 27;
    static constexpr int kScheduleBytes = 2214;
    static constexpr int kAllStars = 12;
    using Pair = std::array<std::uint8_t, 2>;

    // The team 0..26; nullptr for any other index.
    clsTeam* getTeamRef(int team);
    const clsTeam* getTeamRef(int team) const;

    // Visitor abbreviation, " at ", home abbreviation; empty for a game out of range.
    std::string getMatchupStr(int game) const;
    // [home, visitor], each byte & 31.
    Pair getMatchupBytes(int game) const;
    // Stores home | 0x80, away | 0x80.
    void setMatchupBytes(int game, std::uint8_t home, std::uint8_t away);
    // Index of the last game: 1106.
    static constexpr int getNumberOfGames() { return (kScheduleBytes - 1 - 1) / 2; }

    Pair getWestAllStar(int i) const;
    Pair getEastAllStar(int i) const;
    void setWestAllStar(int i, std::uint8_t team, std::uint8_t player);
    void setEastAllStar(int i, std::uint8_t team, std::uint8_t player);

    std::array<std::uint8_t, kScheduleBytes>& schedule() { return schedule_; }
    const std::array<std::uint8_t, kScheduleBytes>& schedule() const { return schedule_; }

    // Zero schedule and rosters, initTeam on every team.
    void clearProject();

    bool operator==(const clsProject&) const = default;

private:
    std::array<clsTeam, kTeams> teams_{};
    std::array<std::uint8_t, kScheduleBytes> schedule_{};
    std::array<Pair, kAllStars> eastAllStars_{};
    std::array<Pair, kAllStars> westAllStars_{};
};
