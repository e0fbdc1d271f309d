// tamsel-cli stats: the reference image's table against figures worked out here from the reference decoding's
// player values; the plain table's order; the exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "cli/CliRun.h"
#include "support/DecodedJson.h"

namespace {

using testsupport::numbersAfter;

// n / d with one decimal, halves up, for n >= 0.
std::string decimal(long n, long d) {
    const long tenths = (20 * n + d) / (2 * d);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

TEST(StatsCommands, ReferenceTableOrderAndExitStatuses) {
    REQUIRE_FIXTURES();
    const std::string json = testsupport::readText(testsupport::fixture("nes-1/expected/decoded.json"));
    const auto display = numbersAfter(json, "display", 6), feet = numbersAfter(json, "feet"),
               inches = numbersAfter(json, "inches");
    const std::vector<long> plain[] = {numbersAfter(json, "fg"),
                                       numbersAfter(json, "ft"),
                                       numbersAfter(json, "threept"),
                                       {},
                                       numbersAfter(json, "weight")};
    ASSERT_EQ(display.size(), 324u * 6);
    std::vector<std::vector<long>> sums(27, std::vector<long>(12, 0));  // 11 columns, then the six ratings' sum
    for (std::size_t p = 0; p < 324; ++p) {
        auto& s = sums[p / 12];
        for (std::size_t c = 0; c < 11; ++c)
            s[c] += c < 6 ? display[6 * p + c] : c == 9 ? feet[p] * 12 + inches[p] : plain[c - 6][p];
        s[11] = std::accumulate(s.begin(), s.begin() + 6, 0L);
    }
    std::vector<int> order(27);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return sums[a][11] > sums[b][11]; });
    std::string csv =
        "team,abrev,city,mascot,rspeed,jump,steal,block,shoot,stam,fg,ft,threept,height,weight,strength,"
        "rank\r\n";
    for (int t = 0; t < 27; ++t) {  // the names are the reference decoding's as the reader tests check
        csv += std::to_string(t) + ",...";
        for (std::size_t c = 0; c < 11; ++c) csv += "," + decimal(sums[t][c], 12);
        csv += "," + decimal(sums[t][11], 72) + "," +
               std::to_string(std::find(order.begin(), order.end(), t) - order.begin() + 1) + "\r\n";
    }
    const std::string dir = clitest::folder("cli-stats");
    clitest::runRows(
        {
            {"stats {rom} --csv", 0, csv, ""},
            {"stats {rom}", 0,
             "rank  team  abrev  strength  rspeed  jump  steal  block  shoot  stam     fg     ft  threept  height  "
             "weight  name\n   1     5  SGGG       55.0  ...\n  27    10  JFH        40.0  ...",
             ""},
            {"stats {dir}/none.nes", 1, "", "Error loading file! (No such file or directory: {dir}/none.nes)\n"},
        },
        dir, testsupport::fixture("nes-1/game.nes"));
}

}  // namespace
