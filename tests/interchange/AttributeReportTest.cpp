#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "interchange/AttributeReport.h"
#include "support/TestSupport.h"

namespace {

clsProject resetLeague() {
    clsProject league;
    league.clearProject();
    return league;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) lines.push_back(text.substr(at, end - at));
    EXPECT_EQ(at, text.size()) << "text after the last line end";
    return lines;
}

std::string report(const clsProject& league, int attribute, bool byposition) {
    std::string text;
    EXPECT_EQ(AttributeReport::buildReport(league, attribute, byposition, text), Result::Ok);
    return text;
}

TEST(AttributeReport, CombSortGapRun) {
    std::vector<int> gaps;
    for (int gap = 323; gaps.size() < 22;) gaps.push_back(gap = AttributeReport::nextGap(gap));
    const std::vector<int> expected = {248, 191, 147, 113, 87, 67, 52, 40, 31, 24, 18,
                                       14,  11,  8,   6,   5,  4,  3,  2,  1,  1,  1};
    EXPECT_EQ(gaps, expected);
    EXPECT_EQ(AttributeReport::nextGap(13), 11);  // 10 becomes 11
    EXPECT_EQ(AttributeReport::nextGap(12), 11);  // 9 becomes 11
}

TEST(AttributeReport, NamesAndValues) {
    const char* names[] = {"Run Speed", "Jumping", "Stealing", "Blocking", "Shooting Range", "Stamina", "", ""};
    const int indexes[] = {0, 1, 2, 3, 4, 5, 6, -1};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(AttributeReport::getAttributeName(indexes[i]), names[i]);

    clsPlayer p;
    p.initPlayer();
    p.setRunSpeed(0x1F);
    p.setJump(211);
    p.setSteal(5);
    p.setBlock(0x5C);
    p.setShotRange(0x8A);
    p.setStamina(99);
    const int values[] = {100, 100, 2, 96, 100, 100, 0};
    for (int a = 0; a <= 6; ++a) EXPECT_EQ(AttributeReport::getAttributeValue(p, a), values[a]) << a;
    p.setJump(143);  // display -1
    EXPECT_FALSE(AttributeReport::getAttributeValue(p, 1));
    p.setRunSpeed(0x5E);  // display 256
    EXPECT_FALSE(AttributeReport::getAttributeValue(p, 0));
    p.setRunSpeed(0x5D);  // display 252
    EXPECT_EQ(AttributeReport::getAttributeValue(p, 0), 252);
}

TEST(AttributeReport, ReportLineTabs) {
    struct Row {
        std::string name;
        const char* tabs;
    };
    const Row rows[] = {
        {" ", "\t\t\t"}, {"ABC DEF", "\t\t\t"}, {"ABC DEFG", "\t\t"}, {"ABCDEFG HIJKLMN", "\t\t"},
        {"ABCDEFG HIJKLMNO", "\t"}, {"ABCDEFGHIJ KLMNOPQRST", "\t"},
    };
    for (const auto& r : rows) {
        std::string out;
        AttributeReport::writeReportLine(out, r.name, 42);
        EXPECT_EQ(out, r.name + r.tabs + "42\r\n") << r.name.size();
    }
}

TEST(AttributeReport, ResetLeague) {
    const clsProject league = resetLeague();
    struct Row {
        int attribute;
        const char* title;
        const char* value;
    };
    const Row rows[] = {{5, "Stamina", "1"}, {1, "Jumping", "0"}, {0, "Run Speed", "0"}, {4, "Shooting Range", "0"}};
    for (const auto& r : rows) {
        const auto lines = splitLines(report(league, r.attribute, false));
        ASSERT_EQ(lines.size(), 326u);
        EXPECT_EQ(lines[0], r.title);
        EXPECT_EQ(lines[1], "");
        for (std::size_t i = 2; i < lines.size(); ++i) EXPECT_EQ(lines[i], std::string(" \t\t\t") + r.value);
    }
}

TEST(AttributeReport, HigherValuesComeFirst) {
    clsProject league = resetLeague();
    clsPlayer& low = *league.getTeamRef(0)->getPlayerRef(1);
    low.setFirst("NINETY");
    low.setLast("NINE");
    low.setStamina(98);
    clsPlayer& high = *league.getTeamRef(26)->getPlayerRef(11);
    high.setFirst("HUNDRED");
    high.setLast("X");
    high.setStamina(99);
    const auto lines = splitLines(report(league, 5, false));
    ASSERT_EQ(lines.size(), 326u);
    EXPECT_EQ(lines[2], "HUNDRED X\t\t100");
    EXPECT_EQ(lines[3], "NINETY NINE\t\t99");
    EXPECT_EQ(lines[4], " \t\t\t1");
}

TEST(AttributeReport, RankingIsDescendingAndKeepsEntriesTogether) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 20; ++round) {
        std::array<AttributeReport::Entry, AttributeReport::kEntries> entries;
        std::array<int, 256> count{};
        for (std::size_t k = 0; k < entries.size(); ++k) {
            entries[k].value = static_cast<std::uint8_t>(rng() % (round < 10 ? 8 : 256));
            entries[k].name = std::to_string(entries[k].value);
            entries[k].position = static_cast<std::uint8_t>(entries[k].value % 5);
            ++count[entries[k].value];
        }
        AttributeReport::rankEntries(entries);
        for (std::size_t k = 0; k < entries.size(); ++k) {
            if (k > 0) {
                EXPECT_GE(entries[k - 1].value, entries[k].value);
            }
            EXPECT_EQ(entries[k].name, std::to_string(entries[k].value));
            EXPECT_EQ(entries[k].position, entries[k].value % 5);
            --count[entries[k].value];
        }
        for (int c : count) EXPECT_EQ(c, 0);
    }
}

TEST(AttributeReport, ByPositionGroups) {
    clsProject league = resetLeague();
    for (int t = 0; t < 27; ++t)
        for (int s = 0; s < 12; ++s) league.getTeamRef(t)->getPlayerRef(s)->setPosition(4);
    auto lines = splitLines(report(league, 3, true));
    std::vector<std::string> expected = {"Blocking", ""};
    for (const char* header : {"     Guards", "     Guards", "    Forwards", "    Forwards"}) {
        expected.insert(expected.end(), {header, "----------------", "", "", ""});
    }
    expected.insert(expected.end(), {"    Centers", "----------------"});
    expected.insert(expected.end(), 324, " \t\t\t0");
    expected.insert(expected.end(), {"", "", ""});
    EXPECT_EQ(lines, expected);

    // Each code in its own group, in ranking order; codes above 4 appear nowhere.
    league = resetLeague();
    const int positions[] = {0, 1, 2, 3, 4, 7};
    for (int i = 0; i < 6; ++i) {
        clsPlayer& p = *league.getTeamRef(i)->getPlayerRef(0);
        p.setFirst("P" + std::to_string(i));
        p.setPosition(static_cast<std::uint8_t>(positions[i]));
        p.setSteal(static_cast<std::uint8_t>(100 + 2 * i));
    }
    lines = splitLines(report(league, 2, true));
    auto at = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
    EXPECT_EQ(lines.size(), 2u + 5 * 5 + 323);  // 324 players less the one with code 7
    EXPECT_EQ(at("P0 \t\t\t50"), 4);
    EXPECT_LT(at("P1 \t\t\t51"), at("    Forwards"));
    EXPECT_GT(at("P1 \t\t\t51"), at("P0 \t\t\t50"));
    EXPECT_EQ(static_cast<std::size_t>(at("P5 \t\t\t55")), lines.size());
    EXPECT_EQ(lines[static_cast<std::size_t>(at("    Centers")) + 2], "P4 \t\t\t54");
}

TEST(AttributeReport, FilesAndFailures) {
    const std::string dir = testsupport::freshDir("reports");
    clsProject league = resetLeague();
    ASSERT_EQ(AttributeReport::writeSortedList(league, dir + "/r.txt", 5, false), Result::Ok);
    EXPECT_EQ(testsupport::readText(dir + "/r.txt"), report(league, 5, false));

    // A value that cannot be ranked fails before the file is touched.
    testsupport::writeText(dir + "/old.txt", "keep me");
    league.getTeamRef(13)->getPlayerRef(6)->setJump(100);
    EXPECT_EQ(AttributeReport::writeSortedList(league, dir + "/old.txt", 1, true), Result::Failed);
    league.getTeamRef(13)->getPlayerRef(6)->setRunSpeed(0x5E);
    EXPECT_EQ(AttributeReport::writeSortedList(league, dir + "/old.txt", 0, false), Result::Failed);
    EXPECT_EQ(testsupport::readText(dir + "/old.txt"), "keep me");
    // The other ratings of the same league still report.
    EXPECT_EQ(AttributeReport::writeSortedList(league, dir + "/old.txt", 2, false), Result::Ok);
    EXPECT_EQ(AttributeReport::writeSortedList(league, dir + "/no/such/r.txt", 2, false), Result::Failed);
}

}  // namespace
