#include <gtest/gtest.h>

#include "settings/TextNumber.h"

namespace {

struct ValueRow {
    const char* text;
    double expected;
};

TEST(TextNumber, ValueReadsTheLeadingNumber) {
    const ValueRow rows[] = {
        {"32785", 32785},  {" 32785", 32785}, {"&H8011", 32785}, {"&h8011", 32785}, {"3 2 7", 327},
        {"\t12\n", 12},    {"12abc", 12},     {"abc", 0},        {"", 0},           {"-1", -1},
        {"+5", 5},         {"12.6", 12.6},    {"1.2.3", 1.2},    {"&HG1", 0},       {"- 4", -4},
        {"&HFFFF", 65535}, {".5", 0.5},       {"12e3", 12},
    };
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(TextNumber::value(r.text), r.expected) << r.text;
}

TEST(TextNumber, RoundHalfEven) {
    const double rows[][2] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4},
                              {2.4, 2}, {2.6, 3}, {100.5, 100}, {-0.4, 0}, {7, 7}};
    for (const auto& r : rows) EXPECT_EQ(TextNumber::roundHalfEven(r[0]), r[1]) << r[0];
}

TEST(TextNumber, StrictNumbers) {
    EXPECT_EQ(TextNumber::strictInRange("6.5", 0, 255), 6);
    EXPECT_EQ(TextNumber::strictInRange("7.5", 0, 255), 8);
    EXPECT_EQ(TextNumber::strictInRange(" 12 ", 0, 255), 12);
    EXPECT_EQ(TextNumber::strictInRange("-3", -32768, 32767), -3);
    EXPECT_FALSE(TextNumber::strictInRange("256", 0, 255));
    EXPECT_FALSE(TextNumber::strictInRange("-1", 0, 255));
    EXPECT_FALSE(TextNumber::strictInRange("", 0, 255));
    EXPECT_FALSE(TextNumber::strictInRange("12a", 0, 255));
    EXPECT_FALSE(TextNumber::strictInRange(".", 0, 255));
    EXPECT_EQ(TextNumber::truth("true"), true);
    EXPECT_EQ(TextNumber::truth("FALSE"), false);
    EXPECT_EQ(TextNumber::truth("1"), true);
    EXPECT_EQ(TextNumber::truth("0"), false);
    EXPECT_FALSE(TextNumber::truth("yes"));
}

}  // namespace
