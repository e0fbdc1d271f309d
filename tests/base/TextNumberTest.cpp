// Numbers read from text: the lenient leading-number reader, rounding halves to even, the field readers that
// clamp or refuse, truth values, and the whole numbers of the settings file's offset lines.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "base/TextNumber.h"

using std::nullopt;

TEST(TextNumber, ValueReadsTheLeadingNumber) {
    const std::pair<const char*, double> rows[] = {{" 32785", 32785},
                                                   {"3 2 7", 327},
                                                   {"\t1\n2", 12},
                                                   {"- 4", -4},
                                                   {"+5", 5},
                                                   {"1.2.3", 1.2},
                                                   {"-.25", -0.25},
                                                   {"12e3", 12},
                                                   {"--4", 0},
                                                   {"\r12", 0},
                                                   {"&h 1d c0c", 121868},
                                                   {"&Hff", 255},
                                                   {"&HG1", 0},
                                                   {"&H12xyz", 18},
                                                   {"abc", 0},
                                                   {"&", 0}};
    for (const auto& [text, expected] : rows) EXPECT_DOUBLE_EQ(TextNumber::value(text), expected) << '"' << text << '"';
}

TEST(TextNumber, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
    const double rows[][2] = {{0.5, 0},   {1.5, 2}, {2.5, 2},       {-1.5, -2},     {-2.5, -2},
                              {-2.6, -3}, {7, 7},   {2.4999999, 2}, {2.5000001, 3}, {2147483647.5, 2147483648.0}};
    for (const auto& r : rows) EXPECT_EQ(TextNumber::roundHalfEven(r[0]), r[1]) << r[0];
}

TEST(TextNumber, FieldReadersRoundThenClampOrRefuse) {
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    // text, bounds, what the lenient reader (clamped) and the strict one (nothing when out of bounds or
    // malformed) give
    const std::tuple<const char*, std::int64_t, std::int64_t, std::int64_t, std::optional<std::int64_t>> rows[] = {
        {"6.5", 0, 255, 6, 6},
        {" 12\t", 0, 255, 12, 12},
        {"-7.5", -100, 100, -8, -8},
        {"255.4", 0, 255, 255, 255},
        {"255.5", 0, 255, 255, nullopt},
        {"-1", 0, 255, 0, nullopt},
        {"-0.4", 0, 255, 0, 0},
        {"12abc", 0, 255, 12, nullopt},
        {"", 0, 255, 0, nullopt},
        {"&H10", 0, 255, 16, nullopt},
        {"1.2.3", 0, 255, 1, nullopt},
        {"9223372036854775808", kMin, kMax, kMax, nullopt},
        {"-99999999999999999999999", kMin, kMax, kMin, nullopt}};
    for (const auto& [text, lo, hi, clamped, strict] : rows) {
        EXPECT_EQ(TextNumber::roundedClamped(text, lo, hi), clamped) << '"' << text << '"';
        EXPECT_EQ(TextNumber::strictInRange(text, lo, hi), strict) << '"' << text << '"';
    }
    const std::pair<const char*, std::optional<bool>> truths[] = {{"True", true}, {" FALSE ", false}, {"-1", true},
                                                                  {"0.0", false}, {"yes", nullopt},   {"1x", nullopt}};
    for (const auto& [text, expected] : truths) EXPECT_EQ(TextNumber::truth(text), expected) << '"' << text << '"';
}

// One whole number, blanks around it, decimal or "&H", within the bounds (here -100..1000).
TEST(TextNumber, StrictWholeTakesOneWholeNumberAndNothingElse) {
    const std::pair<const char*, std::optional<std::int64_t>> rows[] = {{"&h3E8  ", 1000},
                                                                        {"\t-100\t", -100},
                                                                        {"+7", 7},
                                                                        {"007", 7},
                                                                        {"1001", nullopt},
                                                                        {"-101", nullopt},
                                                                        {"&H3E9", nullopt},
                                                                        {" \t ", nullopt},
                                                                        {"12abc", nullopt},
                                                                        {"12 13", nullopt},
                                                                        {"12.0", nullopt},
                                                                        {"- 5", nullopt},
                                                                        {"&H", nullopt},
                                                                        {"-&H10", nullopt},
                                                                        {"&H8G", nullopt},
                                                                        {"18446744073709551617", nullopt},
                                                                        {"123456789012345678901234567890", nullopt}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(TextNumber::strictWhole(text, -100, 1000), expected) << '"' << text << '"';
}
