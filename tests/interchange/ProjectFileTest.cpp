#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "interchange/ProjectFile.h"
#include "support/TestSupport.h"

namespace {

// A league unlike a cleared one: schedule, rosters, names, slot 12 and unknown bytes.
clsProject startingLeague() {
    clsProject league;
    for (int i = 0; i < clsProject::kScheduleBytes; ++i) league.schedule()[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0x80 | (i % 27));
    for (int i = 0; i < clsProject::kAllStars; ++i) {
        league.setEastAllStar(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(11 - i));
        league.setWestAllStar(i, static_cast<std::uint8_t>(26 - i), static_cast<std::uint8_t>(i));
    }
    for (int t = 0; t < clsProject::kTeams; ++t) {
        clsTeam& team = *league.getTeamRef(t);
        team.setCity("TOWN" + std::to_string(t));
        team.setUniformColor_NES(static_cast<std::uint8_t>(t), 0x30);
        for (int s = 0; s < clsTeam::kSlots; ++s) {
            team.getPlayerRef(s)->setJersey(static_cast<std::uint8_t>(s));
            team.getPlayerRef(s)->setUnknownByte(static_cast<std::uint8_t>(t + s));
        }
    }
    return league;
}

std::string hexRun(std::size_t bytes, const char* pair) {
    std::string s;
    for (std::size_t i = 0; i < bytes; ++i) s += pair;
    return s;
}

struct ReadRow {
    const char* what;
    std::string text;
    bool succeeds;
    std::function<void(clsProject&)> expect;  // applied to the cleared league
};

TEST(ProjectFile, ReaderRules) {
    const std::string fullSchedule = hexRun(2214, "8A");
    const ReadRow rows[] = {
        {"empty file leaves the cleared league", "", true, [](clsProject&) {}},
        {"one schedule line", "@SCHED\r\n" + fullSchedule + "\r\n@END", true,
         [](clsProject& p) { p.schedule().fill(0x8A); }},
        {"schedule split over two lines", "@SCHED\r\n" + hexRun(1107, "8A") + "\r\n" + hexRun(1107, "8A") + "\r\n@END",
         true, [](clsProject& p) { p.schedule().fill(0x8A); }},
        {"odd line lengths: 1, 3 and 5 characters", "@SCHED\r\nA\r\nB1C\r\n12345\r\n\r\n9\r\n@END", true,
         [](clsProject& p) {
             auto& s = p.schedule();
             s[0] = 0x0A;                                 // "A": one single-character pair
             s[1] = 0xB1;                                 // "B1C": one pair, the C is dropped
             s[2] = 0x12, s[3] = 0x34, s[4] = 0x05;       // "12345": three pairs
             s[5] = 0x09;                                 // the empty line adds nothing
         }},
        {"schedule without @END runs to the end", "@SCHED\r\n0102", true,
         [](clsProject& p) {
             p.schedule()[0] = 1;
             p.schedule()[1] = 2;
         }},
        {"schedule filled exactly, then an empty line", "@SCHED\r\n" + fullSchedule + "\r\n\r\n@END", true,
         [](clsProject& p) { p.schedule().fill(0x8A); }},
        {"schedule one byte too long", "@SCHED\r\n" + fullSchedule + "00\r\n@END", false, nullptr},
        {"schedule second line too long", "@SCHED\r\n" + fullSchedule + "\r\n0\r\n@END", false, nullptr},
        {"east=0102", "@ALLSTAR\r\neast=0102\r\n@END", true, [](clsProject& p) { p.setEastAllStar(0, 1, 2); }},
        {"both conferences", "@ALLSTAR\r\nwest=" + hexRun(12, "1A0B") + "\r\nother\r\neast=FF\r\n@END", true,
         [](clsProject& p) {
             for (int i = 0; i < 12; ++i) p.setWestAllStar(i, 0x1A, 0x0B);
             p.setEastAllStar(0, 0xFF, 0);
         }},
        {"all-star key must begin the line", "@ALLSTAR\r\n east=0102\r\n@END", true, [](clsProject&) {}},
        {"team 3 city", "@3\r\ncity=X\r\n@END", true, [](clsProject& p) { p.getTeamRef(3)->setCity("X"); }},
        {"team section with a player block", "@26\r\n#11\r\nlast=z\r\n#END\r\nps=5\r\n@END", true,
         [](clsProject& p) {
             p.getTeamRef(26)->getPlayerRef(11)->setLast("Z");
             p.getTeamRef(26)->setPointsScored(5);
         }},
        {"lone @ is team 0", "@\r\nabrev=q\r\n@END", true, [](clsProject& p) { p.getTeamRef(0)->setAbrev("Q"); }},
        {"section found anywhere in a line", "x@SCHED\r\n01\r\n@END\r\nmid@ALLSTAR\r\neast=0203\r\n@END", true,
         [](clsProject& p) {
             p.schedule()[0] = 1;
             p.setEastAllStar(0, 2, 3);
         }},
        {"stray lines ignored", "@END\r\ncity=X\r\n#3\r\n", true, [](clsProject&) {}},
        {"sections repeat", "@1\r\ncity=A\r\n@END\r\n@1\r\nmascot=B\r\n@END", true,
         [](clsProject& p) {
             p.getTeamRef(1)->setCity("A");
             p.getTeamRef(1)->setMascot("B");
         }},
        {"team section without @END", "@2\r\ncity=A\r\n@3\r\ncity=B", true, [](clsProject& p) { p.getTeamRef(2)->setCity("B"); }},
        {"missing #END swallows the @END", "@2\r\n#0\r\njersey=1\r\n@END\r\n@3\r\ncity=B", true,
         [](clsProject& p) { p.getTeamRef(2)->getPlayerRef(0)->setJersey(1); }},
        {"empty team 27", "@27\r\n@END", true, [](clsProject&) {}},
        {"team 27 with a line", "@27\r\ncity=X\r\n@END", false, nullptr},
        {"team -1 with an empty line", "@-1\r\n\r\n@END", false, nullptr},
        {"bad team line", "@4\r\nps=300\r\n@END", false, nullptr},
        {"bad player line", "@4\r\n#0\r\nfeet=x\r\n#END\r\n@END", false, nullptr},
        {"non-ASCII mascot", "@4\r\nmascot=L\xC3\xB6wen\r\n@END", false, nullptr},
        {"failure after applied sections", "@SCHED\r\n" + fullSchedule + "\r\n@END\r\n@1\r\ncity=A\r\n@END\r\n@99\r\ncity=B",
         false, nullptr},
        {"LF-only file", "@SCHED\n0A0B\n@END\n@ALLSTAR\neast=0102\n@END\n@5\ncity=lf\n#1\nstam=3\n#END\n@END\n", true,
         [](clsProject& p) {
             p.schedule()[0] = 0x0A;
             p.schedule()[1] = 0x0B;
             p.setEastAllStar(0, 1, 2);
             p.getTeamRef(5)->setCity("LF");
             p.getTeamRef(5)->getPlayerRef(1)->setStamina(3);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const clsProject before = startingLeague();
        clsProject league = before;
        ResultCode r = ProjectFile::importProjectText(league, row.text);
        if (!row.succeeds) {
            EXPECT_EQ(r, Result::Failed);
            EXPECT_TRUE(league == before);
            continue;
        }
        EXPECT_EQ(r, Result::Ok);
        clsProject expected = before;
        expected.clearProject();  // slot 12 and the unknown bytes stay
        row.expect(expected);
        EXPECT_TRUE(league == expected);
    }
}

TEST(ProjectFile, WriterLayout) {
    clsProject league;
    league.clearProject();
    league.schedule()[0] = 0x83;
    league.schedule()[2213] = 0x0F;
    league.setEastAllStar(0, 26, 11);
    league.setWestAllStar(11, 1, 2);
    league.getTeamRef(26)->setCity("last");
    const std::string text = ProjectFile::projectText(league);

    std::vector<std::string> lines;
    for (std::size_t at = 0;;) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            EXPECT_EQ(at, text.size()) << "text after the last line end";
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 6217u);
    EXPECT_EQ(lines[0], "@SCHED");
    EXPECT_EQ(lines[1], "83" + std::string(4424, '0') + "0F");
    EXPECT_EQ(lines[2], "@END");
    EXPECT_EQ(lines[3], "@ALLSTAR");
    EXPECT_EQ(lines[4], "east=1A0B" + std::string(44, '0'));
    EXPECT_EQ(lines[5], "west=" + std::string(44, '0') + "0102");
    EXPECT_EQ(lines[6], "@END");
    for (int t = 0; t < 27; ++t) {
        const std::size_t first = 7 + 230 * static_cast<std::size_t>(t);
        EXPECT_EQ(lines[first], "@" + std::to_string(t));
        EXPECT_EQ(lines[first + 13], "#0");
        EXPECT_EQ(lines[first + 228], "#END");
        EXPECT_EQ(lines[first + 229], "@END");
    }
    EXPECT_EQ(lines[7 + 230 * 26 + 1], "city=LAST");
}

TEST(ProjectFile, FilesOnDisk) {
    const std::string dir = testsupport::freshDir("project_files");
    const clsProject source = startingLeague();
    ASSERT_EQ(ProjectFile::exportProject(source, dir + "/a.tpr"), Result::Ok);
    EXPECT_EQ(testsupport::readText(dir + "/a.tpr"), ProjectFile::projectText(source));

    // Into a fresh league: everything but slot 12, the unknown bytes and the pointers.
    clsProject back;
    ASSERT_EQ(ProjectFile::importProject(back, dir + "/a.tpr"), Result::Ok);
    EXPECT_EQ(back.schedule(), source.schedule());
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(back.getEastAllStar(i), source.getEastAllStar(i));
        EXPECT_EQ(back.getWestAllStar(i), source.getWestAllStar(i));
    }
    EXPECT_EQ(ProjectFile::projectText(back), ProjectFile::projectText(source));
    EXPECT_EQ(back.getTeamRef(4)->getPlayerRef(3)->getUnknownByte(), 0);

    // Over the league itself: only the pointers change.
    clsProject same = source;
    ASSERT_EQ(ProjectFile::importProject(same, dir + "/a.tpr"), Result::Ok);
    for (int t = 0; t < 27; ++t)
        for (int s = 0; s < 12; ++s) same.getTeamRef(t)->getPlayerRef(s)->setDataPtr(source.getTeamRef(t)->getPlayerRef(s)->getDataPtr());
    EXPECT_TRUE(same == source);

    clsProject league = startingLeague();
    EXPECT_EQ(ProjectFile::importProject(league, dir + "/missing.tpr"), Result::Failed);
    EXPECT_TRUE(league == startingLeague());
    EXPECT_EQ(ProjectFile::exportProject(league, dir + "/missing/a.tpr"), Result::Failed);
}

}  // namespace
