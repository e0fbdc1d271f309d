#include "model/LeagueStats.h"

#include <algorithm>
#include <numeric>

#include "model/PlayerField.h"
#include "model/Rating.h"

namespace LeagueStats {

namespace {

// The quotient rounded toward minus infinity, for a divisor above 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && a < 0); }

}  // namespace

std::string Fraction::oneDecimal() const {
    // tenths = floor(10 n / d + 1/2) = floor((20 n + d) / 2 d)
    const std::int64_t tenths = floorDiv(20 * numerator + denominator, 2 * denominator);
    const std::int64_t whole = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
}

std::strong_ordering Fraction::operator<=>(const Fraction& other) const {
    return numerator * other.denominator <=> other.numerator * denominator;
}

Fraction TeamFigures::strength() const {
    return {std::accumulate(sums.begin(), sums.begin() + kRatingColumns, std::int64_t{0}),
            std::int64_t{kRatingColumns} * clsTeam::kRoster};
}

Figures compute(const clsProject& league) {
    Figures f;
    for (int t = 0; t < clsProject::kTeams; ++t) {
        TeamFigures& team = f.teams[static_cast<std::size_t>(t)];
        team.team = t;
        for (int s = 0; s < clsTeam::kRoster; ++s) {
            const clsPlayer& p = *league.getTeamRef(t)->getPlayerRef(s);
            for (int r = 0; r < kRatingColumns; ++r) team.sums[r] += kRatings[static_cast<std::size_t>(r)].value(p);
            team.sums[Fg] += p.getFGpercent();
            team.sums[Ft] += p.getFTpercent();
            team.sums[Threept] += p.get3PTpercent();
            team.sums[Height] += PlayerField::height(p);
            team.sums[Weight] += p.getWeight();
        }
    }
    std::iota(f.byRank.begin(), f.byRank.end(), 0);
    std::stable_sort(f.byRank.begin(), f.byRank.end(), [&f](int a, int b) {
        return f.teams[static_cast<std::size_t>(a)].strength() > f.teams[static_cast<std::size_t>(b)].strength();
    });
    for (std::size_t i = 0; i < f.byRank.size(); ++i)
        f.teams[static_cast<std::size_t>(f.byRank[i])].rank = static_cast<int>(i) + 1;
    return f;
}

}  // namespace LeagueStats
