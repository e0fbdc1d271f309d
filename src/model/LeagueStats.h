#pragma once
#include <array>
#include <compare>
#include <cstdint>
#include <string>

#include "model/clsProject.h"

// Each team's figures over the twelve players of its roster: the average of each rating as
// the player editor shows it, of the three shooting percentages as the player file stores
// them, of height in inches and of weight; its strength, the average of its six rating
// averages; and its rank by strength. Everything is kept as exact sums and compared
// exactly; only the text of a figure is rounded.
namespace LeagueStats {

// The averaged columns, in table order, named as the table's header names them.
enum Column : int {
    RunSpeed,
    Jumping,
    Stealing,
    Blocking,
    ShootingRange,
    Stamina,
    Fg,
    Ft,
    Threept,
    Height,
    Weight,
    Count
};
inline constexpr int kRatingColumns = 6;  // the first six are the ratings, in attribute order
inline constexpr std::array<const char*, Count> kColumnKeys = {"rspeed", "jump", "steal",   "block",  "shoot", "stam",
                                                               "fg",     "ft",   "threept", "height", "weight"};

// An exact value numerator / denominator, the denominator above 0.
struct Fraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;

    // One decimal, halves rounded up (toward the larger number): 1/4 gives "0.3", -1/4
    // gives "-0.2", -1/20 gives "0.0".
    std::string oneDecimal() const;
    std::strong_ordering operator<=>(const Fraction& other) const;
    bool operator==(const Fraction& other) const { return (*this <=> other) == 0; }
};

struct TeamFigures {
    int team = 0;
    std::array<std::int64_t, Count> sums{};  // each column summed over the roster
    int rank = 0;                            // 1 for the strongest team

    Fraction average(Column column) const { return {sums[column], clsTeam::kRoster}; }
    // The average of the six rating averages: their sums over 6 x 12.
    Fraction strength() const;
};

struct Figures {
    std::array<TeamFigures, clsProject::kTeams> teams{};  // in team order
    // Team numbers by rank, strongest first; equal strength puts the lower team number first.
    std::array<int, clsProject::kTeams> byRank{};
};

Figures compute(const clsProject& league);

}  // namespace LeagueStats
