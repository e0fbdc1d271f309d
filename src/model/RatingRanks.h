#pragma once
#include <array>
#include <string>
#include <vector>

#include "model/Rating.h"
#include "model/clsProject.h"

// Where a player stands in the league for each rating: rank 1 + the number of the league's
// players (the twelve roster players of each team) with a higher shown value, so equal
// values share a rank. Built once for a league; each rank is then a binary search.
class RatingRanks {
public:
    RatingRanks() = default;
    explicit RatingRanks(const clsProject& league);

    // The rank a shown value of the rating has in the league.
    int rank(Rating::Index rating, int shownValue) const;
    int rank(Rating::Index rating, const clsPlayer& player) const {
        return rank(rating, kRatings[rating].value(player));
    }
    // The number of players ranked: 324 for a league.
    int players() const { return static_cast<int>(values_[0].size()); }

private:
    std::array<std::vector<int>, Rating::Count> values_;  // each rating's shown values, ascending
};

// "1st", "2nd", "3rd", "4th", "11th", "12th", "13th", "21st", "112th".
std::string ordinal(int n);
// "12th of 324".
std::string rankText(int rank, int of);
