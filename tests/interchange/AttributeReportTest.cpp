#include <gtest/gtest.h>

#include <functional>

#include "interchange/AttributeReport.h"
#include "model/Rating.h"
#include "support/TestSupport.h"

namespace {

clsPlayer& player(clsProject& league, int team, int slot) { return *league.getTeamRef(team)->getPlayerRef(slot); }

// The report over a league of reset players that `edit` has changed.
std::string report(int attribute, bool byposition, const std::function<void(clsProject&)>& edit = {}) {
    clsProject league;
    league.clearProject();
    if (edit) edit(league);
    std::string text;
    EXPECT_EQ(AttributeReport::buildReport(league, attribute, byposition, text), Result::Ok);
    return text;
}

// The gaps decide the order of equal values, which the reference reports do not reach.
TEST(AttributeReport, CombSortGapsRunFrom323) {
    std::vector<int> gaps;
    for (int gap = 323; gaps.size() < 21;) gaps.push_back(gap = AttributeReport::nextGap(gap));
    EXPECT_EQ(gaps, (std::vector<int>{248, 191, 147, 113, 87, 67, 52, 40, 31, 24, 18, 14, 11, 8, 6, 5, 4, 3, 2, 1, 1}));
    EXPECT_EQ(AttributeReport::nextGap(13), 11);  // 10 and 9 are raised to 11
    EXPECT_EQ(AttributeReport::nextGap(12), 11);
}

TEST(AttributeReport, ReportTexts) {
    auto lines = [](int count, const std::string& line) {
        std::string s;
        while (count--) s += line + "\r\n";
        return s;
    };
    const std::string group = "----------------\r\n\r\n\r\n\r\n";
    auto ranked = [](clsProject& p) {
        player(p, 0, 1).setLast("NINETY");
        player(p, 0, 1).setStamina(98);
        player(p, 26, 11).setLast("HUNDRED");
        player(p, 26, 11).setStamina(99);
        player(p, 13, 0).setFirst("ABCDEFG");
        player(p, 13, 0).setLast("HIJKLMNO");
        player(p, 13, 0).setStamina(2);
    };
    const std::tuple<const char*, std::string, std::string> rows[] = {
        // name, the report, the text expected
        {"100 before 99 wherever they stand; names of 7, 8 and 16 characters", report(5, false, ranked),
         "Stamina\r\n\r\n HUNDRED\t\t100\r\n NINETY\t\t\t99\r\nABCDEFG HIJKLMNO\t3\r\n" + lines(321, " \t\t\t1")},
        {"every player a centre: four empty groups, then all 324 under Centers",
         report(3, true,
                [](clsProject& p) {
                    for (int k = 0; k < 324; ++k) player(p, k / 12, k % 12).setPosition(4);
                }),
         "Blocking\r\n\r\n     Guards\r\n" + group + "     Guards\r\n" + group + "    Forwards\r\n" + group +
             "    Forwards\r\n" + group + "    Centers\r\n----------------\r\n" + lines(324, " \t\t\t0") +
             "\r\n\r\n\r\n"},
    };
    for (const auto& [name, text, expected] : rows)
        EXPECT_TRUE(text == expected) << name << ": " << text.substr(0, 200);
}

TEST(AttributeReport, UnrankableValueFailsBeforeTheFileIsTouched) {
    const std::string file = testsupport::freshDir("reports") + "/r.txt";
    clsProject league;
    league.clearProject();
    ASSERT_EQ(AttributeReport::writeSortedList(league, file, 5, false), Result::Ok);
    EXPECT_EQ(testsupport::readText(file), report(5, false));
    player(league, 13, 6).setJump(143);       // display -1
    player(league, 20, 2).setRunSpeed(0x5E);  // display 256
    for (const Rating::Index attribute : {Rating::Jumping, Rating::RunSpeed}) {
        SCOPED_TRACE(kRatings[attribute].reportName);
        EXPECT_EQ(AttributeReport::writeSortedList(league, file, attribute, true), Result::Failed);
        EXPECT_EQ(testsupport::readText(file), report(5, false));
    }
    EXPECT_EQ(AttributeReport::writeSortedList(league, file, 2, false), Result::Ok);  // the other ratings still report
    EXPECT_EQ(AttributeReport::writeSortedList(league, file + "/no/such", 2, false), Result::Failed);
}

}  // namespace
