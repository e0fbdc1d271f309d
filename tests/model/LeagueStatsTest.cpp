// League figures: rounding an exact value at a half, ranks from exact strengths with ties by team number, and
// player ranks per rating with equal values sharing a rank. (The averages themselves are checked on a reference
// image through tamsel-cli stats.)
#include <gtest/gtest.h>

#include "model/LeagueStats.h"
#include "model/RatingRanks.h"

namespace {

TEST(LeagueStats, OneDecimalRoundsHalvesUpFromTheExactValue) {
    const std::pair<LeagueStats::Fraction, const char*> rows[] = {
        {{3, 8}, "0.4"}, {{249, 1000}, "0.2"}, {{-1, 4}, "-0.2"}, {{-1, 20}, "0.0"}, {{-3, 8}, "-0.4"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(value.oneDecimal(), text) << value.numerator;
}

// Stamina 10 shows 11; a steal byte of 3 shows 2, so 2 / 72 more strength, which rounds away.
TEST(LeagueStats, RankByExactStrengthTiesByTeamNumber) {
    clsProject league;
    for (const auto& [team, slot] : {std::pair{9, 0}, {5, 11}, {2, 12}})
        league.getTeamRef(team)->getPlayerRef(slot)->setStamina(10);  // slot 12 is no player of the roster
    league.getTeamRef(20)->getPlayerRef(3)->setSteal(3);
    const LeagueStats::Figures f = LeagueStats::compute(league);
    EXPECT_EQ((std::vector<int>(f.byRank.begin(), f.byRank.begin() + 4)), (std::vector<int>{5, 9, 20, 0}));
    EXPECT_EQ(f.teams[26].rank, 27);
    EXPECT_EQ(f.teams[20].strength().oneDecimal(), f.teams[0].strength().oneDecimal());
}

TEST(RatingRanks, EqualValuesShareARank) {
    clsProject league;  // stamina 0 shows 1
    for (const auto& [team, slot, stamina] : {std::tuple{0, 0, 50}, {26, 11, 50}, {13, 4, 20}, {13, 12, 99}})
        league.getTeamRef(team)->getPlayerRef(slot)->setStamina(static_cast<std::uint8_t>(stamina));
    const RatingRanks ranks(league);
    EXPECT_EQ(ranks.players(), 324);
    for (const auto& [shown, rank] : {std::pair{51, 1}, {100, 1}, {21, 3}, {1, 4}, {0, 325}})
        EXPECT_EQ(ranks.rank(Rating::Stamina, shown), rank) << shown;
    const std::pair<int, const char*> ordinals[] = {{1, "1st"},   {2, "2nd"},     {3, "3rd"},    {4, "4th"},
                                                    {11, "11th"}, {12, "12th"},   {13, "13th"},  {21, "21st"},
                                                    {22, "22nd"}, {111, "111th"}, {101, "101st"}};
    for (const auto& [n, text] : ordinals) EXPECT_EQ(ordinal(n), text);
    EXPECT_EQ(rankText(12, 324), "12th of 324");
}

}  // namespace
