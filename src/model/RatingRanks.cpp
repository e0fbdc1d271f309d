#include "model/RatingRanks.h"

#include <algorithm>

RatingRanks::RatingRanks(const clsProject& league) {
    for (std::size_t r = 0; r < values_.size(); ++r) {
        std::vector<int>& values = values_[r];
        values.reserve(clsProject::kTeams * clsTeam::kRoster);
        for (int t = 0; t < clsProject::kTeams; ++t)
            for (int s = 0; s < clsTeam::kRoster; ++s)
                values.push_back(kRatings[r].value(*league.getTeamRef(t)->getPlayerRef(s)));
        std::sort(values.begin(), values.end());
    }
}

int RatingRanks::rank(Rating::Index rating, int shownValue) const {
    const std::vector<int>& values = values_[rating];
    return 1 + static_cast<int>(values.end() - std::upper_bound(values.begin(), values.end(), shownValue));
}

std::string ordinal(int n) {
    const int tens = n % 100, ones = n % 10;
    const char* suffix = tens >= 11 && tens <= 13 ? "th"
                         : ones == 1              ? "st"
                         : ones == 2              ? "nd"
                         : ones == 3              ? "rd"
                                                  : "th";
    return std::to_string(n) + suffix;
}

std::string rankText(int rank, int of) { return ordinal(rank) + " of " + std::to_string(of); }
