#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "settings/TextNumber.h"

namespace {

struct ValueRow {
    const char* text;
    double expected;
};

TEST(TextNumber, ValueReadsTheLeadingNumber) {
    const ValueRow rows[] = {
        // plain decimals, blanks and tabs and line feeds anywhere
        {"32785", 32785},
        {" 32785", 32785},
        {"32785   ", 32785},
        {"3 2 7", 327},
        {"\t12\n", 12},
        {"1\n2\t3", 123},
        {"- 4", -4},
        {"-1", -1},
        {"+5", 5},
        // the period is the decimal point; a second one ends the number
        {"12.6", 12.6},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"-.25", -0.25},
        {"7.", 7},
        // reading stops at the first character that cannot continue
        {"12abc", 12},
        {"12e3", 12},
        {"1,5", 1},
        {"12\r", 12},
        {"4-5", 4},
        {"--4", 0},
        // hexadecimal after "&H", in either letter case
        {"&H8011", 32785},
        {"&h8011", 32785},
        {" &H 80 11", 32785},
        {"&Hff", 255},
        {"&HFFFF", 65535},
        {"&H1DC0C", 121868},
        {"&HG1", 0},
        {"&H", 0},
        {"&H12xyz", 18},
        // nothing numeric at the start
        {"abc", 0},
        {"", 0},
        {"   ", 0},
        {"&", 0},
        {"x12", 0},
        {"\r12", 0},
    };
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(TextNumber::value(r.text), r.expected) << '"' << r.text << '"';
}

TEST(TextNumber, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
    const double rows[][2] = {
        // exact halves
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {54.5, 54}, {55.5, 56}, {100.5, 100}, {101.5, 102},
        {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-3.5, -4},
        // everything else to the nearest integer
        {2.4, 2}, {2.6, 3}, {2.4999999, 2}, {2.5000001, 3}, {-2.4, -2}, {-2.6, -3}, {-0.4, 0}, {0.49999999999999994, 0},
        // integers stay
        {0, 0}, {7, 7}, {-7, -7}, {4294967296.0, 4294967296.0},
        // large halves
        {2147483646.5, 2147483646}, {2147483647.5, 2147483648.0}, {-2147483648.5, -2147483648.0},
    };
    for (const auto& r : rows) EXPECT_EQ(TextNumber::roundHalfEven(r[0]), r[1]) << r[0];
}

struct ClampRow {
    const char* text;
    std::int64_t lo, hi, expected;
};

TEST(TextNumber, RoundedClampedRoundsThenClamps) {
    const std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const ClampRow rows[] = {
        {"6.5", 0, 255, 6},
        {"7.5", 0, 255, 8},
        {"12abc", 0, 255, 12},
        {"abc", 0, 255, 0},
        {"300", 0, 255, 255},
        {"255.5", 0, 255, 255},
        {"-1", 0, 255, 0},
        {"-0.5", 0, 255, 0},
        {"-7.5", -100, 100, -8},
        {"&HFFFF", -32768, 32767, 32767},
        {"99999999999999999999999", kMin, kMax, kMax},
        {"9223372036854775808", kMin, kMax, kMax},
        {"-99999999999999999999999", kMin, kMax, kMin},
    };
    for (const auto& r : rows)
        EXPECT_EQ(TextNumber::roundedClamped(r.text, r.lo, r.hi), r.expected) << '"' << r.text << '"';
}

struct StrictRow {
    const char* text;
    std::int64_t lo, hi;
    std::optional<std::int64_t> expected;
};

TEST(TextNumber, StrictInRangeAcceptsOnlyWholeNumbersWithinBounds) {
    const std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    const StrictRow rows[] = {
        {"6.5", 0, 255, 6},
        {"7.5", 0, 255, 8},
        {" 12 ", 0, 255, 12},
        {"\t12", 0, 255, 12},
        {"+12", 0, 255, 12},
        {"-3", -32768, 32767, -3},
        {"255.4", 0, 255, 255},
        {"-0.4", 0, 255, 0},
        {"256", 0, 255, std::nullopt},
        {"255.5", 0, 255, std::nullopt},
        {"-1", 0, 255, std::nullopt},
        {"", 0, 255, std::nullopt},
        {" ", 0, 255, std::nullopt},
        {"12a", 0, 255, std::nullopt},
        {"1 2", 0, 255, std::nullopt},
        {".", 0, 255, std::nullopt},
        {"-", 0, 255, std::nullopt},
        {"&H10", 0, 255, std::nullopt},
        {"1.2.3", 0, 255, std::nullopt},
        {"9223372036854775808", kMin, kMax, std::nullopt},
        {"99999999999999999999999", kMin, kMax, std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(TextNumber::strictInRange(r.text, r.lo, r.hi), r.expected) << '"' << r.text << '"';
}

struct TruthRow {
    const char* text;
    std::optional<bool> expected;
};

TEST(TextNumber, TruthReadsWordsAndNumbers) {
    const TruthRow rows[] = {
        {"true", true}, {"True", true},   {"TRUE", true},  {" False ", false}, {"false", false},
        {"1", true},    {"-1", true},     {"0", false},    {"0.0", false},     {"2.5", true},
        {"yes", std::nullopt}, {"", std::nullopt}, {"tru", std::nullopt}, {"1x", std::nullopt},
    };
    for (const auto& r : rows) EXPECT_EQ(TextNumber::truth(r.text), r.expected) << '"' << r.text << '"';
}

}  // namespace
