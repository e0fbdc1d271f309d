#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "interchange/HexPairs.h"
#include "interchange/TeamFile.h"
#include "support/TestSupport.h"

namespace {

std::string zeros(std::size_t n) { return std::string(n, '0'); }

std::string resetPlayerLines() {
    return "first=\r\nlast=\r\njersey=0\r\nfeet=0\r\ninch=0\r\nweight=0\r\npos=0\r\nfg=0\r\nft=0\r\nthreept=0\r\n"
           "rspeed=0\r\njump=144\r\nsteal=0\r\nblock=0\r\nshoot=0\r\nstam=0\r\n";
}

// A team unlike a reset one, with a filled slot 12 and unknown bytes that no file carries.
clsTeam startingTeam() {
    clsTeam t;
    t.setCity("OLDTOWN");
    t.setMascot("OWLS");
    t.setAbrev("OLD");
    t.setPointsScored(7);
    t.setPointsGiven(8);
    t.setUniformColor_NES(0x11, 0x22);
    t.setUniformColor_1Word(5, 0x7FFF);
    for (int s = 0; s < clsTeam::kSlots; ++s) {
        clsPlayer& p = *t.getPlayerRef(s);
        p.setFirst("P" + std::to_string(s));
        p.setJersey(static_cast<std::uint8_t>(s + 40));
        p.setUnknownByte(static_cast<std::uint8_t>(0xA0 + s));
        p.setDataPtr(s * 100);
    }
    return t;
}

TEST(HexPairs, ReadingAndWriting) {
    struct Row {
        const char* text;
        std::size_t index;
        int expected;
    };
    const Row rows[] = {
        {"0F16", 0, 0x0F}, {"0F16", 1, 0x16}, {"0f16", 0, 0x0F}, {"ab", 0, 0xAB},  // either letter case
        {"f", 0, 15},      {"f", 1, 0},                                           // single char, missing pair
        {"", 0, 0},        {"1G", 0, 1},     {"G1", 0, 0},     {" 1", 0, 0},     // non-hex second / first char
        {"123", 1, 3},     {"12", 5, 0},     {"FF", 0, 255},                       // odd tail, far index
    };
    for (const auto& r : rows) EXPECT_EQ(HexPairs::readPair(r.text, r.index), r.expected) << r.text << " #" << r.index;

    std::string out;
    for (int b : {0x00, 0x0F, 0xA0, 0xFF}) HexPairs::appendByte(out, static_cast<std::uint8_t>(b));
    EXPECT_EQ(out, "000FA0FF");
}

TEST(TeamFile, WriterOfAResetTeam) {
    clsTeam t;
    t.initTeam();
    std::string expected =
        "city=CITY\r\nmascot=MASCOT\r\nabrev=ABREV\r\nps=100\r\npg=100\r\nunifnes=False\r\nunifpalnes=0000\r\n"
        "unifsnes=False\r\n";
    for (int k = 0; k < 4; ++k) expected += "unifpalsnes" + std::to_string(k) + "=" + zeros(128) + "\r\n";
    std::string teamLines;
    TeamFile::writeToFile(t, teamLines);
    EXPECT_EQ(teamLines, expected);
    for (int s = 0; s < 12; ++s) expected += "#" + std::to_string(s) + "\r\n" + resetPlayerLines() + "#END\r\n";

    const std::string path = testsupport::freshDir("team_writer") + "/t.tte";
    ASSERT_EQ(TeamFile::exportTeam(t, path), Result::Ok);
    const std::string text = testsupport::readText(path);
    EXPECT_EQ(text, expected);
    std::size_t lines = 0;
    for (std::size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
    EXPECT_EQ(lines, 228u);
}

TEST(TeamFile, WriterOfColoursAndNames) {
    clsTeam t;
    t.initTeam();
    t.setCity("new york");
    t.setUniformColor_NES(0x0F, 0x16);
    t.setUniformColor_2Bytes(0, 0x1F, 0x7C);    // bytes 0, 1
    t.setUniformColor_2Bytes(127, 0xAB, 0x0C);  // bytes 254, 255
    std::string text;
    TeamFile::writeToFile(t, text);
    EXPECT_NE(text.find("city=NEW YORK\r\n"), std::string::npos);
    EXPECT_NE(text.find("unifnes=True\r\nunifpalnes=0F16\r\nunifsnes=True\r\n"), std::string::npos);
    EXPECT_NE(text.find("unifpalsnes0=1F7C" + zeros(124) + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("unifpalsnes3=" + zeros(124) + "AB0C\r\n"), std::string::npos);
}

struct ReadRow {
    const char* what;
    std::string text;
    bool succeeds;
    std::function<void(clsTeam&)> expect;  // applied to the reset team
};

TEST(TeamFile, ReaderRules) {
    const std::string snes1 = "unifpalsnes1=" + std::string("0102") + zeros(120) + "FE7F";
    const ReadRow rows[] = {
        {"empty file", "", true, [](clsTeam&) {}},
        {"names are upper-cased", "city=new york\r\nmascot=Knicks\r\nabrev=nyk", true,
         [](clsTeam& t) {
             t.setCity("NEW YORK");
             t.setMascot("KNICKS");
             t.setAbrev("NYK");
         }},
        {"city= found inside another key", "mascot=city=X", true, [](clsTeam& t) { t.setCity("T=CITY=X"); }},
        {"NES pair", "unifpalnes=0F16", true, [](clsTeam& t) { t.setNesByte(0, 0x0F);
             t.setNesByte(1, 0x16); }},
        {"short NES value", "unifpalnes=f", true, [](clsTeam& t) { t.setNesByte(0, 15); }},
        {"SNES line 1", snes1, true,
         [](clsTeam& t) {
             t.setSnesByte(64, 1);
             t.setSnesByte(65, 2);
             t.setSnesByte(126, 0xFE);
             t.setSnesByte(127, 0x7F);
         }},
        {"short SNES line", "unifpalsnes3=1G2", true,
         [](clsTeam& t) {
             t.setSnesByte(192, 1);
             t.setSnesByte(193, 2);
         }},
        {"unifpalsnes4 ignored", "unifpalsnes4=00FF", true, [](clsTeam&) {}},
        {"key must match exactly", " unifpalnes=FFFF\r\nunifpalnes =FFFF\r\nunifpal", true, [](clsTeam&) {}},
        {"points: leading number", "ps=12abc", true, [](clsTeam& t) { t.setPointsScored(12); }},
        {"points: no number", "ps=abc", true, [](clsTeam& t) { t.setPointsScored(0); }},
        {"points: blanks skipped, hex, rounding", "ps= 2 5\r\npg=&HFF", true,
         [](clsTeam& t) {
             t.setPointsScored(25);
             t.setPointsGiven(255);
         }},
        {"points: half to even", "pg=254.5", true, [](clsTeam& t) { t.setPointsGiven(254); }},
        {"points over 255", "ps=300", false, nullptr},
        {"points rounding to 256", "pg=255.5", false, nullptr},
        {"negative points", "ps=-1", false, nullptr},
        {"flag true", "unifnes=true", true, [](clsTeam& t) { t.uniformNES_vaild = true; }},
        {"flag 1", "unifnes=1\r\nunifsnes=TRUE", true,
         [](clsTeam& t) {
             t.uniformNES_vaild = true;
             t.uniformSNES_vaild = true;
         }},
        {"flag False after True", "unifsnes=True\r\nunifsnes=False", true, [](clsTeam&) {}},
        {"flag yes", "unifnes=yes", false, nullptr},
        {"flag empty", "unifsnes=", false, nullptr},
        {"block 5 with one line", "#5\r\njersey=7\r\n#END", true, [](clsTeam& t) { t.getPlayerRef(5)->setJersey(7); }},
        {"block 12 fills slot 12", "#12\r\njersey=7\r\n#END", true, [](clsTeam& t) { t.getPlayerRef(12)->setJersey(7); }},
        {"lone # is slot 0", "#\r\nlast=x\r\n#END", true, [](clsTeam& t) { t.getPlayerRef(0)->setLast("X"); }},
        {"block then team lines", "#1\r\ncity=IN\r\nfeet=6\r\n#END\r\ncity=OUT", true,
         [](clsTeam& t) {
             t.getPlayerRef(1)->setFeet(6);
             t.setCity("OUT");
         }},
        {"block without #END runs to the end", "#2\r\njersey=9\r\ncity=X", true,
         [](clsTeam& t) { t.getPlayerRef(2)->setJersey(9); }},
        {"empty block out of range", "#20\r\n#END", true, [](clsTeam&) {}},
        {"block out of range with a line", "#20\r\njersey=7\r\n#END", false, nullptr},
        {"block out of range with an empty line", "#13\r\n\r\n#END", false, nullptr},
        {"negative block", "#-1\r\njersey=7\r\n#END", false, nullptr},
        {"bad player line", "#3\r\njersey=300\r\n#END", false, nullptr},
        {"non-ASCII city", "city=K\xC3\xB6ln", false, nullptr},
        {"non-ASCII abbreviation", "abrev=\xE9", false, nullptr},
        {"LF-only lines", "city=a\n#4\nstam=5\n#END\nps=1\n", true,
         [](clsTeam& t) {
             t.setCity("A");
             t.getPlayerRef(4)->setStamina(5);
             t.setPointsScored(1);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const clsTeam before = startingTeam();
        clsTeam t = before;
        ResultCode r = TeamFile::importTeamText(t, row.text);
        if (!row.succeeds) {
            EXPECT_EQ(r, Result::Failed);
            EXPECT_EQ(t, before);
            continue;
        }
        EXPECT_EQ(r, Result::Ok);
        clsTeam expected = before;
        expected.initTeam();  // slot 12 and the unknown bytes stay
        row.expect(expected);
        EXPECT_EQ(t, expected);
    }
}

TEST(TeamFile, SlotTwelveAndUnknownBytesSurviveAnImport) {
    clsTeam t = startingTeam();
    ASSERT_EQ(TeamFile::importTeamText(t, "city=X\r\n"), Result::Ok);
    EXPECT_EQ(t.getPlayerRef(12)->getFirst(), "P12");
    EXPECT_EQ(t.getPlayerRef(12)->getJersey(), 52);
    EXPECT_EQ(t.getPlayerRef(3)->getUnknownByte(), 0xA3);
    EXPECT_EQ(t.getPlayerRef(3)->getJersey(), 0);
    EXPECT_EQ(t.getPlayerRef(3)->getDataPtr(), -1);
}

TEST(TeamFile, ExportImportRoundTrip) {
    const std::string dir = testsupport::freshDir("team_files");
    clsTeam source = startingTeam();
    source.getPlayerRef(11)->setLast("Smith");
    source.getPlayerRef(0)->setBlock(0xF3);
    for (int i = 0; i < 256; ++i) source.setSnesByte(i, static_cast<std::uint8_t>(255 - i));
    ASSERT_EQ(TeamFile::exportTeam(source, dir + "/a.tte"), Result::Ok);

    clsTeam back;
    ASSERT_EQ(TeamFile::importTeam(back, dir + "/a.tte"), Result::Ok);
    clsTeam expected = source;
    for (int s = 0; s < clsTeam::kRoster; ++s) {
        expected.getPlayerRef(s)->setUnknownByte(0);
        expected.getPlayerRef(s)->setDataPtr(-1);
    }
    *expected.getPlayerRef(12) = clsPlayer();  // slot 12 is not written
    expected.getPlayerRef(11)->setLast("SMITH");
    EXPECT_EQ(back, expected);

    clsTeam t = startingTeam();
    EXPECT_EQ(TeamFile::importTeam(t, dir + "/missing.tte"), Result::Failed);
    EXPECT_EQ(t, startingTeam());
    EXPECT_EQ(TeamFile::exportTeam(t, dir + "/missing/t.tte"), Result::Failed);
}

}  // namespace
