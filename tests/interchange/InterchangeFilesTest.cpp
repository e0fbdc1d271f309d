// The player, team and project readers: each rule as a row over a whole file (a file our export
// writes, with lines added, cut or spoiled), the diagnosis of every refusal, and files read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "support/Leagues.h"
#include "support/ReaderRows.h"
#include "support/TestSupport.h"

namespace {

using P = clsPlayer&;
using T = clsTeam&;
using L = clsProject&;
using testsupport::ImportRow;

// AB CDE, #32, 6-9, 220 lb, guard, 48/84/20, raw ratings 31, 211, 200, 0x5C, 0x8A, 99.
const std::string kExample =
    "first=AB\r\nlast=CDE\r\njersey=32\r\nfeet=6\r\ninch=9\r\nweight=220\r\npos=0\r\nfg=48\r\n"
    "ft=84\r\nthreept=20\r\nrspeed=31\r\njump=211\r\nsteal=200\r\nblock=92\r\nshoot=138\r\nstam=99\r\n";
// The sixteen lines of a reset player.
const std::string kReset =
    "first=\r\nlast=\r\njersey=0\r\nfeet=0\r\ninch=0\r\nweight=0\r\npos=0\r\nfg=0\r\nft=0\r\n"
    "threept=0\r\nrspeed=0\r\njump=144\r\nsteal=0\r\nblock=0\r\nshoot=0\r\nstam=0\r\n";
// A reset team's file: its twelve key lines, then "#0" .. "#END" to "#11" .. "#END" of reset players (228 lines).
const std::string kTeamKeys =
    "city=CITY\r\nmascot=MASCOT\r\nabrev=ABREV\r\nps=100\r\npg=100\r\nunifnes=False\r\nunifpalnes=0000\r\n"
    "unifsnes=False\r\nunifpalsnes0=" +
    std::string(128, '0') + "\r\nunifpalsnes1=" + std::string(128, '0') + "\r\nunifpalsnes2=" + std::string(128, '0') +
    "\r\nunifpalsnes3=" + std::string(128, '0') + "\r\n";

std::string repeat(std::size_t count, const std::string& s) {
    std::string out;
    while (count--) out += s;
    return out;
}
// A player block of a reset player with extra lines before its "#END".
std::string block(const std::string& slot, const std::string& extra = "") {
    return "#" + slot + "\r\n" + kReset + extra + "#END\r\n";
}
std::string resetTeam() {
    std::string text = kTeamKeys;
    for (int s = 0; s < 12; ++s) text += block(std::to_string(s));
    return text;
}
// A cleared league's file (6217 lines): 2214 zero bytes, all-stars zero, 27 reset teams.
std::string clearedLeague() {
    std::string text = "@SCHED\r\n" + std::string(4428, '0') + "\r\n@END\r\n@ALLSTAR\r\neast=" + std::string(48, '0') +
                       "\r\nwest=" + std::string(48, '0') + "\r\n@END\r\n";
    for (int t = 0; t < 27; ++t) text += "@" + std::to_string(t) + "\r\n" + resetTeam() + "@END\r\n";
    return text;
}
// The first n lines of a text, each with its CR LF.
std::string firstLines(const std::string& text, int n) {
    std::size_t at = 0;
    for (int i = 0; i < n; ++i) at = text.find("\r\n", at) + 2;
    return text.substr(0, at);
}
// The text without its line number n (1-based).
std::string withoutLine(const std::string& text, int n) {
    const std::size_t from = firstLines(text, n - 1).size();
    return text.substr(0, from) + text.substr(text.find("\r\n", from) + 2);
}
std::string lfOnly(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Distinct records (the codec's data pointer, which no file carries and a reset sets to -1, at -1 already).
clsProject startingLeague() {
    clsProject league = testsupport::distinctLeague();
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int s = 0; s < clsTeam::kSlots; ++s) league.getTeamRef(t)->getPlayerRef(s)->setDataPtr(-1);
    return league;
}
clsTeam startingTeam() { return *startingLeague().getTeamRef(5); }
clsPlayer startingPlayer() { return *startingTeam().getPlayerRef(7); }

TEST(PlayerFile, ReaderRulesAllOrNothing) {
    const std::string keys[] = {"first", "last",    "jersey", "feet", "inch",  "weight", "pos",   "fg",
                                "ft",    "threept", "rspeed", "jump", "steal", "block",  "shoot", "stam"};
    std::string reversed;
    for (int n = 16; n >= 1; --n) reversed += firstLines(kExample, n).substr(firstLines(kExample, n - 1).size());
    std::vector<ImportRow<clsPlayer>> rows = {
        {"the sixteen example lines", kExample, testsupport::setExample},
        {"in reverse order", reversed, testsupport::setExample},
        {"a jersey line after the reset lines", kReset + "jersey=12", [](P p) { p.setJersey(12); }},
        {"names upper-cased", kReset + "first=Ab\r\nlast=mcDoe",
         [](P p) {
             p.setFirst("AB");
             p.setLast("MCDOE");
         }},
        {"value taken from the line's end", kReset + " first=AB", [](P p) { p.setFirst("=AB"); }},
        {"first key of the fixed order decides", kReset + "last=first=X", [](P p) { p.setFirst("IRST=X"); }},
        {"half down to even", kReset + "feet=6.5", [](P p) { p.setFeet(6); }},
        {"half up to even", kReset + "feet=7.5", [](P p) { p.setFeet(8); }},
        {"blanks, sign, 16-bit ends", kReset + "inch= +3 \r\nweight=-32768\r\nfg=32767",
         [](P p) {
             p.setInch(3);
             p.setWeight(-32768);
             p.setFGpercent(32767);
         }},
        {"3PT and FT percentages", kReset + "threept=-7\r\nft=5",
         [](P p) {
             p.set3PTpercent(-7);
             p.setFTpercent(5);
         }},
        {"whole bytes, no range check", kReset + "jump=0\r\nblock=255\r\nshoot=128",
         [](P p) {
             p.setJump(0);
             p.setBlock(255);
             p.setShotRange(128);
         }},
        {"a key twice takes the last", kReset + "jersey=12\r\njersey=34", [](P p) { p.setJersey(34); }},
        {"unknown keys, empty lines", kReset + "race=1\r\n\r\nhello", [](P) {}},
        {"LF-only lines", lfOnly(kReset) + "jersey=12\njump=150\n",
         [](P p) {
             p.setJersey(12);
             p.setJump(150);
         }},
        {"byte over 255 after good lines",
         kReset + "jersey=12\r\njersey=256",
         {},
         "line 18: jersey: '256' is outside 0..255"},
        {"16-bit over", kReset + "weight=32768", {}, "line 17: weight: '32768' is outside -32768..32767"},
        {"not a number", "feet=six\r\n" + kReset, {}, "line 1: feet: 'six' is not a number"},
        {"trailing garbage", kReset + "inch=9x", {}, "line 17: inch: '9x' is not a number"},
        {"non-ASCII name",
         kReset + "first=\xC3\x89MILE",
         {},
         "line 17: first: byte 0xC3 cannot be stored in the game's texts"},
        {"tab in a name", kReset + "last=A\tB", {}, "line 17: last: byte 0x09 is a control character"},
        {"empty file", "", {}, "line 1: the file is empty"},
        {"one empty line", "\r\n", {}, "line 1: the player has no key first"},
        {"no weight line", withoutLine(kExample, 6), {}, "line 15: the player has no key weight"},
    };
    for (int n = 1; n < 16; ++n)  // cut after each key
        rows.push_back({"cut after " + keys[n - 1],
                        firstLines(kExample, n),
                        {},
                        "line " + std::to_string(n) + ": the player has no key " + keys[n]});
    testsupport::checkImports<clsPlayer>(startingPlayer(), rows, PlayerFile::importPlayerText, &clsPlayer::initPlayer);
}

TEST(TeamFile, ReaderRulesAllOrNothing) {
    const std::string reset = resetTeam(), snes1 = "unifpalsnes1=0102" + std::string(120, '0') + "fe7F";
    const std::string teamKeys[] = {"city",         "mascot",       "abrev",        "ps",
                                    "pg",           "unifnes",      "unifpalnes",   "unifsnes",
                                    "unifpalsnes0", "unifpalsnes1", "unifpalsnes2", "unifpalsnes3"};
    std::vector<ImportRow<clsTeam>> rows = {
        {"a reset team's file", reset, [](T) {}},
        {"names upper-cased", reset + "city=new york\r\nmascot=Knicks\r\nabrev=nyk",
         [](T t) {
             t.setCity("NEW YORK");
             t.setMascot("KNICKS");
             t.setAbrev("NYK");
         }},
        {"key found inside a line", reset + "mascot=city=X", [](T t) { t.setCity("T=CITY=X"); }},
        {"NES pair", reset + "unifpalnes=0F16",
         [](T t) {
             t.setNesByte(0, 0x0F);
             t.setNesByte(1, 0x16);
         }},
        {"short NES value", reset + "unifpalnes=f", [](T t) { t.setNesByte(0, 15); }},
        {"SNES line 1, either case", reset + snes1,
         [](T t) {
             t.setSnesByte(64, 1);
             t.setSnesByte(65, 2);
             t.setSnesByte(126, 0xFE);
             t.setSnesByte(127, 0x7F);
         }},
        {"short and broken pairs", reset + "unifpalsnes3=1GG12",
         [](T t) {
             t.setSnesByte(192, 1);
             t.setSnesByte(194, 2);
         }},
        {"uniform keys must match", reset + "unifpalsnes4=00FF\r\n unifpalnes=FFFF\r\nunifpal", [](T) {}},
        {"points: leading number", reset + "ps=12abc\r\npg=abc",
         [](T t) {
             t.setPointsScored(12);
             t.setPointsGiven(0);
         }},
        {"points: blanks, hex, halves", reset + "ps= 25 4.5\r\npg=&HFF",
         [](T t) {
             t.setPointsScored(254);
             t.setPointsGiven(255);
         }},
        {"flags: true, 1, FALSE", reset + "unifnes=true\r\nunifsnes=1\r\nunifsnes=FALSE",
         [](T t) { t.uniformNES_vaild = true; }},
        {"block #5 once more", reset + block("5", "jersey=7\r\n"), [](T t) { t.getPlayerRef(5)->setJersey(7); }},
        {"block #12 with one key fills slot 12", reset + "#12\r\njersey=7\r\n#END",
         [](T t) { t.getPlayerRef(12)->setJersey(7); }},
        {"block #12 without #END runs to the end", reset + "#12\r\njersey=9\r\ncity=X",
         [](T t) { t.getPlayerRef(12)->setJersey(9); }},
        {"lone # is slot 0", reset + block("", "last=x\r\n"), [](T t) { t.getPlayerRef(0)->setLast("X"); }},
        {"block lines, then team lines", reset + block("1", "city=IN\r\nfeet=6\r\n") + "city=OUT",
         [](T t) {
             t.getPlayerRef(1)->setFeet(6);
             t.setCity("OUT");
         }},
        {"empty block #20", reset + "#20\r\n#END", [](T) {}},
        {"LF-only lines", lfOnly(reset + "city=a\r\n" + block("4", "stam=5\r\n") + "ps=1\r\n"),
         [](T t) {
             t.setCity("A");
             t.getPlayerRef(4)->setStamina(5);
             t.setPointsScored(1);
         }},
        {"points round to 256", reset + "pg=255.5", {}, "line 229: pg: '255.5' is outside 0..255"},
        {"flag yes", reset + "unifnes=yes", {}, "line 229: unifnes: 'yes' is not True, False or a number"},
        {"#20 with a line", reset + "#20\r\njersey=7\r\n#END", {}, "line 229: slot 20 is outside 0..12"},
        {"#-1 with a line", reset + "#-1\r\n\r\n#END", {}, "line 229: slot -1 is outside 0..12"},
        {"bad player line", reset + block("3", "jersey=300\r\n"), {}, "line 246: jersey: '300' is outside 0..255"},
        {"non-ASCII city",
         "city=K\xC3\xB6ln\r\n" + reset,
         {},
         "line 1: city: byte 0xC3 cannot be stored in the game's texts"},
        {"DEL in a mascot", reset + "mascot=A\x7F", {}, "line 229: mascot: byte 0x7F is a control character"},
        {"empty file", "", {}, "line 1: the file is empty"},
        {"a lone block #5", block("5", "jersey=7\r\n"), {}, "line 19: the team has no key city"},
        {"block #3 without stam", withoutLine(reset, 12 + 3 * 18 + 17), {}, "line 83: player 3 has no key stam"},
        {"no block #11", firstLines(reset, 12 + 11 * 18), {}, "line 210: the team has no block #11"},
        {"block #11 without #END", firstLines(reset, 227), {}, "line 227: file ends before player 11 is complete"},
        {"block #4 without #END takes in block #5",
         withoutLine(reset, 12 + 5 * 18),
         {},
         "line 227: the team has no block #5"},
    };
    for (int k = 0; k < 12; ++k)  // each team key missing
        rows.push_back(
            {"no " + teamKeys[k], withoutLine(reset, k + 1), {}, "line 227: the team has no key " + teamKeys[k]});
    for (int n = 0; n <= 16; ++n)  // cut after the header of block #11 and n of its keys
        rows.push_back({"cut after " + std::to_string(n) + " keys of block #11",
                        firstLines(reset, 12 + 11 * 18 + 1 + n),
                        {},
                        "line " + std::to_string(12 + 11 * 18 + 1 + n) + ": file ends before player 11 is complete"});
    testsupport::checkImports<clsTeam>(startingTeam(), rows, TeamFile::importTeamText, &clsTeam::initTeam);
}

TEST(ProjectFile, ReaderRulesAllOrNothing) {
    const std::string league = clearedLeague(), full = repeat(2214, "8A"), team = resetTeam();
    auto fill8A = [](L p) { p.schedule().fill(0x8A); };
    const std::string zeros = std::string(48, '0');
    std::vector<ImportRow<clsProject>> rows = {
        {"a cleared league's file", league, [](L) {}},
        {"stray lines", league + "@END\r\ncity=X\r\n#3\r\n", [](L) {}},
        {"schedule over two lines",
         league + "@SCHED\r\n" + repeat(1107, "8A") + "\r\n" + repeat(1107, "8A") + "\r\n@END", fill8A},
        {"one schedule line, then an empty one", league + "@SCHED\r\n" + full + "\r\n\r\n@END", fill8A},
        // a line of length n gives round-half-even(n / 2 - 1) + 1 pairs: "B1C" one, "12345" three
        {"odd line lengths", league + "@SCHED\r\nA\r\nB1C\r\n12345\r\n9\r\n" + repeat(2208, "00") + "\r\n@END",
         [](L p) {
             const std::uint8_t b[] = {0x0A, 0xB1, 0x12, 0x34, 0x05, 0x09};
             std::copy(std::begin(b), std::end(b), p.schedule().begin());
         }},
        {"all-stars in full, other lines ignored",
         league + "@ALLSTAR\r\neast=0102" + std::string(44, '0') + "\r\nwest=" + repeat(12, "1A0B") +
             "\r\n east=01\r\nx\r\n@END",
         [](L p) {
             p.setEastAllStar(0, 1, 2);
             for (int i = 0; i < 12; ++i) p.setWestAllStar(i, 0x1A, 0x0B);
         }},
        {"team 3 once more", league + "@3\r\n" + team + "city=X\r\n@END", [](L p) { p.getTeamRef(3)->setCity("X"); }},
        {"team with a player block", league + "@26\r\n" + team + block("11", "last=z\r\n") + "ps=5\r\n@END",
         [](L p) {
             p.getTeamRef(26)->getPlayerRef(11)->setLast("Z");
             p.getTeamRef(26)->setPointsScored(5);
         }},
        {"sections anywhere in a line, repeated",
         league + "x@SCHED\r\n01" + repeat(2213, "00") + "\r\n@END\r\n@1\r\n" + team + "city=A\r\n@END\r\n@1\r\n" +
             team + "abrev=b\r\n@END",
         [](L p) {
             p.schedule()[0] = 1;
             p.getTeamRef(1)->setAbrev("B");
         }},
        {"empty @27", league + "@27\r\n@END", [](L) {}},
        {"LF-only lines", lfOnly(league + "@5\r\n" + team + "city=lf\r\n@END\r\n"),
         [](L p) { p.getTeamRef(5)->setCity("LF"); }},
        {"schedule one byte too long",
         league + "@SCHED\r\n" + full + "00\r\n@END",
         {},
         "line 6219: the schedule holds more than 2214 bytes"},
        {"schedule too long on a second line",
         league + "@SCHED\r\n" + full + "\r\n0\r\n@END",
         {},
         "line 6220: the schedule holds more than 2214 bytes"},
        {"schedule line cut short",
         league.substr(0, 8 + 4426) + league.substr(8 + 4428),
         {},
         "line 3: the schedule ends after 2213 of 2214 bytes"},
        {"schedule without @END", "@SCHED\r\n" + full, {}, "line 2: file ends before the schedule is complete"},
        {"east=0102",
         league + "@ALLSTAR\r\neast=0102\r\nwest=" + zeros + "\r\n@END",
         {},
         "line 6219: east= holds 4 characters, not 48 hexadecimal digits"},
        {"a letter among the west digits",
         league + "@ALLSTAR\r\neast=" + zeros + "\r\nwest=" + std::string(47, '0') + "G\r\n@END",
         {},
         "line 6220: west= 'G' is not a hexadecimal digit"},
        {"all-stars without west=",
         league + "@ALLSTAR\r\neast=" + zeros + "\r\n@END",
         {},
         "line 6220: the all-stars have no line west="},
        {"all-stars without @END",
         league + "@ALLSTAR\r\neast=" + zeros + "\r\nwest=" + zeros,
         {},
         "line 6220: file ends before the all-stars are complete"},
        {"@27 with a line", league + "@27\r\ncity=X\r\n@END", {}, "line 6218: team 27 is outside 0..26"},
        {"@-1 with an empty line", league + "@-1\r\n\r\n@END", {}, "line 6218: team -1 is outside 0..26"},
        {"bad team line", league + "@4\r\nps=300\r\n@END", {}, "line 6219: ps: '300' is outside 0..255"},
        {"bad player line", league + "@4\r\n#0\r\nfeet=x\r\n#END", {}, "line 6220: feet: 'x' is not a number"},
        {"unit separator in a player's name",
         league + "@4\r\n#0\r\nfirst=A\x1F\r\n#END",
         {},
         "line 6220: first: byte 0x1F is a control character"},
        {"team 13 without pg", withoutLine(league, 7 + 13 * 230 + 6), {}, "line 3226: team 13 has no key pg"},
        {"team 2's block #0 without #END swallows its @END",
         league + "@2\r\n" + team + "#0\r\n" + kReset + "@END\r\n@3\r\ncity=B",
         {},
         "line 6466: file ends before team 2 player 0 is complete"},
        {"a lone team section", "@3\r\ncity=X\r\n@END", {}, "line 3: team 3 has no key mascot"},
        {"empty file", "", {}, "line 1: the file is empty"},
        {"no @26", firstLines(league, 7 + 26 * 230), {}, "line 5987: the league has no section @26"},
        {"team 26 without @END", firstLines(league, 6216), {}, "line 6216: file ends before team 26 is complete"},
        {"no @SCHED", league.substr(firstLines(league, 3).size()), {}, "line 6214: the league has no section @SCHED"},
        {"no @ALLSTAR",
         firstLines(league, 3) + league.substr(firstLines(league, 7).size()),
         {},
         "line 6213: the league has no section @ALLSTAR"},
    };
    testsupport::checkImports<clsProject>(startingLeague(), rows, ProjectFile::importProjectText,
                                          &clsProject::clearProject);
}

// Written and read back over itself, also with a UTF-8 byte-order mark in front, a record stays as it was; missing
// or unwritable files fail.
template <class R>
void checkFiles(const R& source, ResultCode (*exportFile)(const R&, const std::string&, FileIO::WriteError&),
                ResultCode (*importFile)(R&, const std::string&, LineReport&), const std::string& name) {
    SCOPED_TRACE(name);
    const std::string dir = testsupport::freshDir("files_" + name) + "/";
    R back = source;
    LineReport report;
    FileIO::WriteError why;
    ASSERT_EQ(exportFile(source, dir + name, why), Result::Ok);
    testsupport::writeText(dir + "bom", "\xEF\xBB\xBF" + testsupport::readText(dir + name));
    for (const std::string& file : {name, std::string("bom")}) {
        EXPECT_EQ(importFile(back, dir + file, report), Result::Ok) << file << ": " << report.text();
        EXPECT_TRUE(back == source) << file;
    }
    EXPECT_EQ(importFile(back, dir + "missing", report), Result::Failed);
    EXPECT_EQ(report.text(), "the file cannot be read");
    EXPECT_TRUE(back == source);
    EXPECT_EQ(exportFile(source, dir + "no/such/" + name, why), Result::Failed);
    EXPECT_EQ(why.text(), "No such file or directory: " + dir + "no/such/" + name);
}

TEST(InterchangeFiles, WrittenAndReadBack) {
    clsProject cleared;  // the example's lines are checked against the reference exports
    cleared.clearProject();
    EXPECT_EQ(ProjectFile::projectText(cleared), clearedLeague());
    clsTeam& team = *cleared.getTeamRef(0);
    team.setCity("new york");  // names are written in upper case
    team.getPlayerRef(0)->setFirst("jo ann");
    std::string text, want = resetTeam();
    TeamFile::writeToFile(team, text);
    TeamFile::writePlayerBlocks(team, text);
    EXPECT_EQ(text, want.replace(want.find("first="), 6, "first=JO ANN").replace(0, 9, "city=NEW YORK"));
    checkFiles(startingPlayer(), PlayerFile::exportPlayer, PlayerFile::importPlayer, "p.tpl");
    checkFiles(startingTeam(), TeamFile::exportTeam, TeamFile::importTeam, "t.tte");
    checkFiles(startingLeague(), ProjectFile::exportProject, ProjectFile::importProject, "l.tpr");
}

// A record read from a damaged image may hold names the readers refuse: no file is written that would not read
// back, and the cause names the team or player.
TEST(InterchangeFiles, ExportsRefuseNamesNoFileCanCarry) {
    const std::string dir = testsupport::freshDir("files_refused") + "/";
    enum class File { Player, Team, League };
    struct Row {
        const char* name;
        File file;  // of team 26, its player 11, or the league
        std::function<void(T)> damage;
        std::string cause;
    };
    const Row rows[] = {
        {"player", File::Player, [](T t) { t.getPlayerRef(11)->setLast("A\rB"); },
         "last: byte 0x0D is a control character"},
        {"team's last player", File::Team, [](T t) { t.getPlayerRef(11)->setFirst("\x01"); },
         "player 11 first: byte 0x01 is a control character"},
        {"league's last team", File::League, [](T t) { t.setAbrev("\x7F"); },
         "team 26 abrev: byte 0x7F is a control character"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clsProject league = startingLeague();
        clsTeam& team = *league.getTeamRef(26);
        row.damage(team);
        const std::string file = dir + row.name;
        FileIO::WriteError why;
        EXPECT_EQ(row.file == File::Player ? PlayerFile::exportPlayer(*team.getPlayerRef(11), file, why)
                  : row.file == File::Team ? TeamFile::exportTeam(team, file, why)
                                           : ProjectFile::exportProject(league, file, why),
                  Result::Failed);
        EXPECT_EQ(why.text(), row.cause + ": " + file);
        EXPECT_FALSE(FileIO::fileExists(file));
    }
}

}  // namespace
