#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "interchange/PlayerFile.h"
#include "support/TestSupport.h"

namespace {

// The example player: AB CDE, #32, 6-9, 220 lb, guard, 48/84/20, raw ratings 31, 211,
// 200, 0x5C, 0x8A, 99.
const char* const kExampleLines =
    "first=AB\r\nlast=CDE\r\njersey=32\r\nfeet=6\r\ninch=9\r\nweight=220\r\npos=0\r\nfg=48\r\nft=84\r\n"
    "threept=20\r\nrspeed=31\r\njump=211\r\nsteal=200\r\nblock=92\r\nshoot=138\r\nstam=99\r\n";

void makeExample(clsPlayer& p) {
    p.setFirst("AB");
    p.setLast("CDE");
    p.setJersey(32);
    p.setFeet(6);
    p.setInch(9);
    p.setWeight(220);
    p.setPosition(0);
    p.setFGpercent(48);
    p.setFTpercent(84);
    p.set3PTpercent(20);
    p.setRunSpeed(31);
    p.setJump(211);
    p.setSteal(200);
    p.setBlock(0x5C);
    p.setShotRange(0x8A);
    p.setStamina(99);
}

// A player that differs from a reset one everywhere, including the fields no file carries.
clsPlayer startingPlayer() {
    clsPlayer p;
    p.setFirst("OLD");
    p.setLast("NAME");
    p.setJersey(5);
    p.setFeet(7);
    p.setInch(1);
    p.setWeight(-4);
    p.setPosition(4);
    p.setFGpercent(60);
    p.setFTpercent(70);
    p.set3PTpercent(-80);
    p.setRunSpeed(9);
    p.setJump(170);
    p.setSteal(11);
    p.setBlock(0x33);
    p.setShotRange(0x84);
    p.setStamina(50);
    p.setUnknownByte(0x5A);
    p.setDataPtr(0x1234);
    return p;
}

struct ReadRow {
    const char* what;
    std::string text;
    bool succeeds;
    std::function<void(clsPlayer&)> expect;  // applied to the reset player
};

TEST(PlayerFile, ReaderRules) {
    const ReadRow rows[] = {
        {"the sixteen example lines", kExampleLines, true, makeExample},
        {"an empty file", "", true, [](clsPlayer&) {}},
        {"a lone jersey line", "jersey=12\r\n", true, [](clsPlayer& p) { p.setJersey(12); }},
        {"names are upper-cased", "first=Ab\r\nlast=mcDoe", true,
         [](clsPlayer& p) {
             p.setFirst("AB");
             p.setLast("MCDOE");
         }},
        {"value is taken from the end of the line", " first=AB", true, [](clsPlayer& p) { p.setFirst("=AB"); }},
        {"first key in fixed order decides", "last=first=X", true, [](clsPlayer& p) { p.setFirst("IRST=X"); }},
        {"empty name", "first=", true, [](clsPlayer& p) { p.setFirst(""); }},
        {"half rounds down to even", "feet=6.5", true, [](clsPlayer& p) { p.setFeet(6); }},
        {"half rounds up to even", "feet=7.5", true, [](clsPlayer& p) { p.setFeet(8); }},
        {"blanks and sign around a number", "inch= +3 ", true, [](clsPlayer& p) { p.setInch(3); }},
        {"negative 16-bit fields", "weight=-300\r\nfg=-1\r\nft=32767\r\nthreept=-32768", true,
         [](clsPlayer& p) {
             p.setWeight(-300);
             p.setFGpercent(-1);
             p.setFTpercent(32767);
             p.set3PTpercent(-32768);
         }},
        {"ft= is not mistaken in threept=", "threept=7\r\nft=5", true,
         [](clsPlayer& p) {
             p.set3PTpercent(7);
             p.setFTpercent(5);
         }},
        {"no range check beyond the byte", "jump=0\r\npos=255", true,
         [](clsPlayer& p) {
             p.setJump(0);
             p.setPosition(255);
         }},
        {"face and race bits come with the value", "block=255\r\nshoot=128", true,
         [](clsPlayer& p) {
             p.setBlock(255);
             p.setShotRange(128);
         }},
        {"a key given twice takes its last line", "jersey=12\r\njersey=34", true, [](clsPlayer& p) { p.setJersey(34); }},
        {"unknown key ignored", "race=1\r\n\r\nhello", true, [](clsPlayer&) {}},
        {"lone line feeds end lines", "jersey=12\njump=150\n", true,
         [](clsPlayer& p) {
             p.setJersey(12);
             p.setJump(150);
         }},
        {"lone carriage returns end lines", "jersey=12\rjump=150", true,
         [](clsPlayer& p) {
             p.setJersey(12);
             p.setJump(150);
         }},
        {"byte over 255", "jersey=256", false, nullptr},
        {"byte below 0", "stam=-1", false, nullptr},
        {"16-bit over 32767", "weight=32768", false, nullptr},
        {"16-bit below -32768", "fg=-32769", false, nullptr},
        {"empty number", "jersey=", false, nullptr},
        {"not a number", "feet=six", false, nullptr},
        {"trailing garbage", "inch=9x", false, nullptr},
        {"hexadecimal is not decimal", "rspeed=&H10", false, nullptr},
        {"failure after good lines", "jersey=12\r\nfirst=AB\r\njersey=x", false, nullptr},
        {"name with a byte over 0x7F (UTF-8)", "first=\xC3\x89MILE", false, nullptr},
        {"name with a byte over 0x7F (single byte)", "last=M\xFCLLER", false, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const clsPlayer before = startingPlayer();
        clsPlayer p = before;
        ResultCode r = PlayerFile::importPlayerText(p, row.text);
        if (!row.succeeds) {
            EXPECT_EQ(r, Result::Failed);
            EXPECT_EQ(p, before);  // nothing of the failed import remains
            continue;
        }
        EXPECT_EQ(r, Result::Ok);
        clsPlayer expected = before;
        expected.initPlayer();  // keeps the unknown byte, data pointer -1
        row.expect(expected);
        EXPECT_EQ(p, expected);
        EXPECT_EQ(p.getUnknownByte(), 0x5A);
        EXPECT_EQ(p.getDataPtr(), -1);
    }
}

TEST(PlayerFile, ProcessImportStringReportsEachLine) {
    clsPlayer p;
    p.initPlayer();
    EXPECT_EQ(PlayerFile::processImportString(p, "jersey=12"), Result::Ok);
    EXPECT_EQ(PlayerFile::processImportString(p, "jersey=256"), Result::Failed);
    EXPECT_EQ(p.getJersey(), 12);
    EXPECT_EQ(PlayerFile::processImportString(p, "race=1"), Result::Ok);
}

TEST(PlayerFile, WriterLines) {
    struct Row {
        const char* what;
        std::function<void(clsPlayer&)> make;
        std::string text;
    };
    const Row rows[] = {
        {"example player", makeExample, kExampleLines},
        {"reset player", [](clsPlayer& p) { p.initPlayer(); },
         "first=\r\nlast=\r\njersey=0\r\nfeet=0\r\ninch=0\r\nweight=0\r\npos=0\r\nfg=0\r\nft=0\r\nthreept=0\r\n"
         "rspeed=0\r\njump=144\r\nsteal=0\r\nblock=0\r\nshoot=0\r\nstam=0\r\n"},
        {"lower-case names and negative figures",
         [](clsPlayer& p) {
             p.initPlayer();
             p.setFirst("jo ann");
             p.setLast("Lee");
             p.setWeight(-32768);
             p.setFGpercent(-2);
             p.setShotRange(255);
         },
         "first=JO ANN\r\nlast=LEE\r\njersey=0\r\nfeet=0\r\ninch=0\r\nweight=-32768\r\npos=0\r\nfg=-2\r\nft=0\r\n"
         "threept=0\r\nrspeed=0\r\njump=144\r\nsteal=0\r\nblock=0\r\nshoot=255\r\nstam=0\r\n"},
    };
    const std::string dir = testsupport::freshDir("player_writer");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        clsPlayer p;
        row.make(p);
        std::string text;
        PlayerFile::writeToFile(p, text);
        EXPECT_EQ(text, row.text);
        const std::string path = dir + "/p.tpl";
        ASSERT_EQ(PlayerFile::exportPlayer(p, path), Result::Ok);
        EXPECT_EQ(testsupport::readText(path), row.text);
    }
}

TEST(PlayerFile, FilesOnDisk) {
    const std::string dir = testsupport::freshDir("player_files");
    clsPlayer example;
    makeExample(example);
    example.setUnknownByte(7);

    // Export then import gives the same player; only the unknown byte and pointer stay.
    ASSERT_EQ(PlayerFile::exportPlayer(example, dir + "/a.tpl"), Result::Ok);
    clsPlayer back = startingPlayer();
    ASSERT_EQ(PlayerFile::importPlayer(back, dir + "/a.tpl"), Result::Ok);
    clsPlayer expected = example;
    expected.setUnknownByte(0x5A);
    expected.setDataPtr(-1);
    EXPECT_EQ(back, expected);

    // A missing file, a folder and an unwritable target fail and change nothing.
    clsPlayer p = startingPlayer();
    EXPECT_EQ(PlayerFile::importPlayer(p, dir + "/missing.tpl"), Result::Failed);
    EXPECT_EQ(PlayerFile::importPlayer(p, dir), Result::Failed);
    EXPECT_EQ(p, startingPlayer());
    EXPECT_EQ(PlayerFile::exportPlayer(p, dir + "/no/such/folder/p.tpl"), Result::Failed);
}

}  // namespace
