#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "support/TestSupport.h"

namespace {

using P = clsPlayer&;
using T = clsTeam&;
using L = clsProject&;

// AB CDE, #32, 6-9, 220 lb, guard, 48/84/20, raw ratings 31, 211, 200, 0x5C, 0x8A, 99.
const std::string kExample = "first=AB\r\nlast=CDE\r\njersey=32\r\nfeet=6\r\ninch=9\r\nweight=220\r\npos=0\r\nfg=48\r\n"
                             "ft=84\r\nthreept=20\r\nrspeed=31\r\njump=211\r\nsteal=200\r\nblock=92\r\nshoot=138\r\nstam=99\r\n";
const std::string kReset = "first=\r\nlast=\r\njersey=0\r\nfeet=0\r\ninch=0\r\nweight=0\r\npos=0\r\nfg=0\r\nft=0\r\n"
                           "threept=0\r\nrspeed=0\r\njump=144\r\nsteal=0\r\nblock=0\r\nshoot=0\r\nstam=0\r\n";

void makeExample(P p) {
    p.setFirst("AB"); p.setLast("CDE"); p.setJersey(32); p.setFeet(6); p.setInch(9); p.setWeight(220);
    p.setPosition(0); p.setFGpercent(48); p.setFTpercent(84); p.set3PTpercent(20); p.setRunSpeed(31);
    p.setJump(211); p.setSteal(200); p.setBlock(0x5C); p.setShotRange(0x8A); p.setStamina(99);
}

// Records unlike reset ones in every field, with unknown bytes (no file carries them), slot 12 filled.
clsPlayer startingPlayer() {
    clsPlayer p;
    makeExample(p);
    p.setPosition(4); p.setUnknownByte(0x5A); p.setDataPtr(-1);
    return p;
}

clsTeam startingTeam() {
    clsTeam t;
    t.setCity("OLDTOWN"); t.setMascot("OWLS"); t.setAbrev("OLD"); t.setPointsScored(7); t.setPointsGiven(8);
    t.setUniformColor_NES(0x11, 0x22); t.setUniformColor_1Word(5, 0x7FFF);
    for (int s = 0; s < clsTeam::kSlots; ++s) *t.getPlayerRef(s) = startingPlayer();
    return t;
}

clsProject startingLeague() {
    clsProject league;
    for (std::size_t i = 0; i < league.schedule().size(); ++i) league.schedule()[i] = static_cast<std::uint8_t>(0x80 | i % 27);
    for (std::uint8_t i = 0; i < clsProject::kAllStars; ++i) { league.setEastAllStar(i, i, 11 - i); league.setWestAllStar(i, 26 - i, i); }
    for (int t = 0; t < clsProject::kTeams; ++t) *league.getTeamRef(t) = startingTeam();
    return league;
}

// One row of a reader table: the text, whether it imports, and what it changes in the reset record.
template <class R>
struct ImportRow {
    const char* what;
    std::string text;
    bool ok;
    std::function<void(R&)> change;
};

// A success gives the reset record with the row's changes; a failure leaves the record as it was.
template <class R, class Import, class Reset>
void checkImports(const R& before, const std::vector<ImportRow<R>>& rows, Import import, Reset reset) {
    for (const auto& row : rows) {
        R got = before, want = before;
        if (row.ok) { reset(want); row.change(want); }
        EXPECT_EQ(import(got, row.text), row.ok ? Result::Ok : Result::Failed) << row.what;
        EXPECT_TRUE(got == want) << row.what;
    }
}

// Written and read back over itself a record stays as it was; missing or unwritable files fail.
template <class R, class Export, class Import>
void checkFiles(const R& source, Export exportFile, Import importFile, const std::string& name) {
    const std::string dir = testsupport::freshDir("files_" + name) + "/";
    R back = source;
    ASSERT_EQ(exportFile(source, dir + name), Result::Ok) << name;
    EXPECT_EQ(importFile(back, dir + name), Result::Ok) << name;
    EXPECT_EQ(importFile(back, dir + "missing"), Result::Failed) << name;
    EXPECT_TRUE(back == source) << name;
    EXPECT_EQ(exportFile(source, dir + "no/such/" + name), Result::Failed) << name;
}

TEST(PlayerFile, ReaderRulesAllOrNothing) {
    checkImports<clsPlayer>(startingPlayer(), {
        {"the sixteen example lines", kExample, true, makeExample},
        {"a lone jersey line", "jersey=12", true, [](P p) { p.setJersey(12); }},
        {"names upper-cased", "first=Ab\r\nlast=mcDoe", true, [](P p) { p.setFirst("AB"); p.setLast("MCDOE"); }},
        {"value taken from the line's end", " first=AB", true, [](P p) { p.setFirst("=AB"); }},
        {"first key of the fixed order decides", "last=first=X", true, [](P p) { p.setFirst("IRST=X"); }},
        {"half down to even", "feet=6.5", true, [](P p) { p.setFeet(6); }}, {"half up to even", "feet=7.5", true, [](P p) { p.setFeet(8); }},
        {"blanks, sign, 16-bit ends", "inch= +3 \r\nweight=-32768\r\nfg=32767", true,
         [](P p) { p.setInch(3); p.setWeight(-32768); p.setFGpercent(32767); }},
        {"3PT and FT percentages", "threept=-7\r\nft=5", true, [](P p) { p.set3PTpercent(-7); p.setFTpercent(5); }},
        {"whole bytes, no range check", "jump=0\r\nblock=255\r\nshoot=128", true,
         [](P p) { p.setJump(0); p.setBlock(255); p.setShotRange(128); }},
        {"a key twice takes the last", "jersey=12\r\njersey=34", true, [](P p) { p.setJersey(34); }},
        {"unknown keys, empty lines", "race=1\r\n\r\nhello", true, [](P) {}},
        {"LF-only lines", "jersey=12\njump=150\n", true, [](P p) { p.setJersey(12); p.setJump(150); }},
        {"byte over 255 after good lines", "jersey=12\r\njersey=256", false, {}}, {"byte below 0", "stam=-1", false, {}},
        {"16-bit over", "weight=32768", false, {}}, {"16-bit under", "threept=-32769", false, {}},
        {"empty number", "jersey=", false, {}}, {"not a number", "feet=six", false, {}},
        {"trailing garbage", "inch=9x", false, {}}, {"non-ASCII name", "first=\xC3\x89MILE", false, {}},
    }, PlayerFile::importPlayerText, [](P p) { p.initPlayer(); });
}

TEST(TeamFile, ReaderRulesAllOrNothing) {
    const std::string snes1 = "unifpalsnes1=0102" + std::string(120, '0') + "fe7F";
    checkImports<clsTeam>(startingTeam(), {
        {"empty file", "", true, [](T) {}},
        {"names upper-cased", "city=new york\r\nmascot=Knicks\r\nabrev=nyk", true,
         [](T t) { t.setCity("NEW YORK"); t.setMascot("KNICKS"); t.setAbrev("NYK"); }},
        {"key found inside a line", "mascot=city=X", true, [](T t) { t.setCity("T=CITY=X"); }},
        {"NES pair", "unifpalnes=0F16", true, [](T t) { t.setNesByte(0, 0x0F); t.setNesByte(1, 0x16); }},
        {"short NES value", "unifpalnes=f", true, [](T t) { t.setNesByte(0, 15); }},
        {"SNES line 1, either case", snes1, true,
         [](T t) { t.setSnesByte(64, 1); t.setSnesByte(65, 2); t.setSnesByte(126, 0xFE); t.setSnesByte(127, 0x7F); }},
        {"short and broken pairs", "unifpalsnes3=1GG12", true, [](T t) { t.setSnesByte(192, 1); t.setSnesByte(194, 2); }},
        {"uniform keys must match", "unifpalsnes4=00FF\r\n unifpalnes=FFFF\r\nunifpal", true, [](T) {}},
        {"points: leading number", "ps=12abc\r\npg=abc", true, [](T t) { t.setPointsScored(12); t.setPointsGiven(0); }},
        {"points: blanks, hex, halves", "ps= 25 4.5\r\npg=&HFF", true, [](T t) { t.setPointsScored(254); t.setPointsGiven(255); }},
        {"points over 255", "ps=300", false, {}}, {"points round to 256", "pg=255.5", false, {}}, {"points below 0", "ps=-1", false, {}},
        {"flags: true, 1, FALSE", "unifnes=true\r\nunifsnes=1\r\nunifsnes=FALSE", true, [](T t) { t.uniformNES_vaild = true; }},
        {"flag yes", "unifnes=yes", false, {}}, {"flag empty", "unifsnes=", false, {}},
        {"block #5", "#5\r\njersey=7\r\n#END", true, [](T t) { t.getPlayerRef(5)->setJersey(7); }},
        {"block #12 fills slot 12", "#12\r\njersey=7\r\n#END", true, [](T t) { t.getPlayerRef(12)->setJersey(7); }},
        {"lone # is slot 0", "#\r\nlast=x\r\n#END", true, [](T t) { t.getPlayerRef(0)->setLast("X"); }},
        {"block lines, then team lines", "#1\r\ncity=IN\r\nfeet=6\r\n#END\r\ncity=OUT", true,
         [](T t) { t.getPlayerRef(1)->setFeet(6); t.setCity("OUT"); }},
        {"block without #END runs to the end", "#2\r\njersey=9\r\ncity=X", true, [](T t) { t.getPlayerRef(2)->setJersey(9); }},
        {"empty block #20", "#20\r\n#END", true, [](T) {}},
        {"#20 with a line", "#20\r\njersey=7\r\n#END", false, {}}, {"#-1 with a line", "#-1\r\n\r\n#END", false, {}},
        {"bad player line", "#3\r\njersey=300\r\n#END", false, {}}, {"non-ASCII city", "city=K\xC3\xB6ln", false, {}},
        {"LF-only lines", "city=a\n#4\nstam=5\n#END\nps=1\n", true,
         [](T t) { t.setCity("A"); t.getPlayerRef(4)->setStamina(5); t.setPointsScored(1); }},
    }, TeamFile::importTeamText, [](T t) { t.initTeam(); });
}

TEST(ProjectFile, ReaderRulesAllOrNothing) {
    auto hex = [](std::size_t count, const std::string& pair) { std::string s; while (count--) s += pair; return s; };
    const std::string full = hex(2214, "8A");
    auto fill8A = [](L p) { p.schedule().fill(0x8A); };
    checkImports<clsProject>(startingLeague(), {
        {"stray lines only: the cleared league", "@END\r\ncity=X\r\n#3\r\n", true, [](L) {}},
        {"schedule over two lines", "@SCHED\r\n" + hex(1107, "8A") + "\r\n" + hex(1107, "8A") + "\r\n@END", true, fill8A},
        {"one schedule line, then an empty one", "@SCHED\r\n" + full + "\r\n\r\n@END", true, fill8A},
        // a line of length n gives round-half-even(n / 2 - 1) + 1 pairs: "B1C" one, "12345" three
        {"odd line lengths", "@SCHED\r\nA\r\nB1C\r\n12345\r\n9", true, [](L p) {
             const std::uint8_t b[] = {0x0A, 0xB1, 0x12, 0x34, 0x05, 0x09};
             std::copy(std::begin(b), std::end(b), p.schedule().begin());
         }},
        {"schedule one byte too long", "@SCHED\r\n" + full + "00\r\n@END", false, {}},
        {"schedule too long on a second line", "@SCHED\r\n" + full + "\r\n0\r\n@END", false, {}},
        {"east=0102", "@ALLSTAR\r\neast=0102\r\n@END", true, [](L p) { p.setEastAllStar(0, 1, 2); }},
        {"west in full, other lines ignored", "@ALLSTAR\r\nwest=" + hex(12, "1A0B") + "\r\n east=01\r\nx\r\n@END", true,
         [](L p) { for (int i = 0; i < 12; ++i) p.setWestAllStar(i, 0x1A, 0x0B); }},
        {"@3 city=X", "@3\r\ncity=X\r\n@END", true, [](L p) { p.getTeamRef(3)->setCity("X"); }},
        {"team with a player block", "@26\r\n#11\r\nlast=z\r\n#END\r\nps=5\r\n@END", true,
         [](L p) { p.getTeamRef(26)->getPlayerRef(11)->setLast("Z"); p.getTeamRef(26)->setPointsScored(5); }},
        {"sections anywhere in a line, repeated", "x@SCHED\r\n01\r\n@END\r\n@1\r\ncity=A\r\n@END\r\n@1\r\nabrev=b\r\n@END", true,
         [](L p) { p.schedule()[0] = 1; p.getTeamRef(1)->setCity("A"); p.getTeamRef(1)->setAbrev("B"); }},
        {"missing #END swallows the @END", "@2\r\n#0\r\njersey=1\r\n@END\r\n@3\r\ncity=B", true,
         [](L p) { p.getTeamRef(2)->getPlayerRef(0)->setJersey(1); }},
        {"empty @27", "@27\r\n@END", true, [](L) {}},
        {"@27 with a line", "@27\r\ncity=X\r\n@END", false, {}}, {"@-1 with an empty line", "@-1\r\n\r\n@END", false, {}},
        {"bad team line", "@4\r\nps=300\r\n@END", false, {}}, {"bad player line", "@4\r\n#0\r\nfeet=x\r\n#END", false, {}},
        {"non-ASCII mascot", "@4\r\nmascot=L\xC3\xB6wen\r\n@END", false, {}},
        {"failure after applied sections", "@SCHED\r\n" + full + "\r\n@END\r\n@1\r\ncity=A\r\n@END\r\n@99\r\ncity=B", false, {}},
        {"LF-only lines", "@SCHED\n0A0B\n@END\n@ALLSTAR\neast=0102\n@END\n@5\ncity=lf\n#1\nstam=3\n#END\n@END\n", true, [](L p) {
             p.schedule()[0] = 0x0A; p.schedule()[1] = 0x0B; p.setEastAllStar(0, 1, 2);
             p.getTeamRef(5)->setCity("LF"); p.getTeamRef(5)->getPlayerRef(1)->setStamina(3);
         }},
    }, ProjectFile::importProjectText, [](L p) { p.clearProject(); });
}

TEST(InterchangeFiles, WrittenAndReadBack) {
    clsTeam reset;  // names written in upper case; the example's lines are checked against the reference exports
    reset.initTeam();
    reset.setCity("new york");
    reset.getPlayerRef(0)->setFirst("jo ann");
    std::string team, player;
    TeamFile::writeToFile(reset, team);
    PlayerFile::writeToFile(*reset.getPlayerRef(0), player);
    EXPECT_EQ(team.substr(0, 15), "city=NEW YORK\r\n");
    EXPECT_EQ(player, "first=JO ANN" + kReset.substr(6));
    checkFiles(startingPlayer(), PlayerFile::exportPlayer, PlayerFile::importPlayer, "p.tpl");
    checkFiles(startingTeam(), TeamFile::exportTeam, TeamFile::importTeam, "t.tte");
    checkFiles(startingLeague(), ProjectFile::exportProject, ProjectFile::importProject, "l.tpr");
}

}  // namespace
