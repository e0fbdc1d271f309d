// The player, team and project readers: each rule as a row over a whole file (a file our export
// writes, with lines added, cut or spoiled), the diagnosis of every refusal, and files read back.
// (Line ends, the empty file and the name rules are shared by the three readers: each is one reader's row.)
#include <gtest/gtest.h>

#include <algorithm>

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

std::string repeat(std::size_t count, const std::string& s) {
    std::string out;
    while (count--) out += s;
    return out;
}
// A player block of a reset player with extra lines before its "#END".
std::string block(const std::string& slot, const std::string& extra = "") {
    return "#" + slot + "\r\n" + kReset + extra + "#END\r\n";
}
// A reset team's file: its twelve key lines, then "#0" .. "#END" to "#11" .. "#END" of reset players (228 lines).
std::string resetTeam() {
    const std::string zeros = std::string(128, '0') + "\r\n";
    std::string text =
        "city=CITY\r\nmascot=MASCOT\r\nabrev=ABREV\r\nps=100\r\npg=100\r\nunifnes=False\r\n"
        "unifpalnes=0000\r\nunifsnes=False\r\nunifpalsnes0=" +
        zeros + "unifpalsnes1=" + zeros + "unifpalsnes2=" + zeros + "unifpalsnes3=" + zeros;
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
        {"names upper-cased", kReset + "first=Ab\r\nlast=mcDoe", [](P p) { p.setFirst("AB"), p.setLast("MCDOE"); }},
        {"value taken from the line's end", kReset + " first=AB", [](P p) { p.setFirst("=AB"); }},
        {"first key of the fixed order decides", kReset + "last=first=X", [](P p) { p.setFirst("IRST=X"); }},
        {"half to even", kReset + "feet=6.5", [](P p) { p.setFeet(6); }},
        {"16-bit fields, blanks, sign", kReset + "inch= +3 \r\nweight=-32768\r\nfg=32767\r\nthreept=-7",
         [](P p) { p.setInch(3), p.setWeight(-32768), p.setFGpercent(32767), p.set3PTpercent(-7); }},
        {"whole bytes, no range check", kReset + "jump=0\r\nblock=255\r\nshoot=128",
         [](P p) { p.setJump(0), p.setBlock(255), p.setShotRange(128); }},
        {"a key twice takes the last", kReset + "jersey=12\r\njersey=34", [](P p) { p.setJersey(34); }},
        {"unknown keys, empty lines", kReset + "race=1\r\n\r\nhello", [](P) {}},
        {"byte over 255 after good lines", kReset + "jersey=12\r\njersey=256", nullptr,
         "line 18: jersey: '256' is outside 0..255"},
        {"16-bit over", kReset + "weight=32768", nullptr, "line 17: weight: '32768' is outside -32768..32767"},
        {"not a number", "feet=six\r\n" + kReset, nullptr, "line 1: feet: 'six' is not a number"},
        {"non-ASCII name", kReset + "first=\xC3\x89MILE", nullptr,
         "line 17: first: byte 0xC3 cannot be stored in the game's texts"},
        {"empty file", "", nullptr, "line 1: the file is empty"},
        {"one empty line", "\r\n", nullptr, "line 1: the player has no key first"},
        {"no weight line", withoutLine(kExample, 6), nullptr, "line 15: the player has no key weight"},
    };
    for (int n = 1; n < 16; ++n)  // cut after each key
        rows.push_back({"cut after " + keys[n - 1], firstLines(kExample, n), nullptr,
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
        {"key found inside a line", reset + "mascot=city=X", [](T t) { t.setCity("T=CITY=X"); }},
        {"NES pair", reset + "unifpalnes=0F16", [](T t) { t.setNesByte(0, 0x0F), t.setNesByte(1, 0x16); }},
        {"SNES line 1, either case", reset + snes1,
         [](T t) { t.setSnesByte(64, 1), t.setSnesByte(65, 2), t.setSnesByte(126, 0xFE), t.setSnesByte(127, 0x7F); }},
        {"short and broken pairs", reset + "unifpalsnes3=1GG12",
         [](T t) { t.setSnesByte(192, 1), t.setSnesByte(194, 2); }},
        {"uniform keys must match", reset + "unifpalsnes4=00FF\r\n unifpalnes=FFFF\r\nunifpal", [](T) {}},
        {"points: blanks, hex, halves, a leading number", reset + "ps= 25 4.5\r\npg=&HFF\r\npg=12abc",
         [](T t) { t.setPointsScored(254), t.setPointsGiven(12); }},
        {"flags: true, 1, FALSE", reset + "unifnes=true\r\nunifsnes=1\r\nunifsnes=FALSE",
         [](T t) { t.uniformNES_vaild = true; }},
        {"block #5 once more", reset + block("5", "jersey=7\r\n"), [](T t) { t.getPlayerRef(5)->setJersey(7); }},
        {"block #12 with one key fills slot 12", reset + "#12\r\njersey=7\r\n#END",
         [](T t) { t.getPlayerRef(12)->setJersey(7); }},
        {"block #12 without #END runs to the end", reset + "#12\r\njersey=9\r\ncity=X",
         [](T t) { t.getPlayerRef(12)->setJersey(9); }},
        {"lone # is slot 0", reset + block("", "last=x\r\n"), [](T t) { t.getPlayerRef(0)->setLast("X"); }},
        {"block lines, then team lines", reset + block("1", "city=IN\r\nfeet=6\r\n") + "city=OUT",
         [](T t) { t.getPlayerRef(1)->setFeet(6), t.setCity("OUT"); }},
        {"empty block #13", reset + "#13\r\n#END", [](T) {}},
        {"LF line ends", reset + "city=a\nps=1\n", [](T t) { t.setCity("A"), t.setPointsScored(1); }},
        {"points round to 256", reset + "pg=255.5", nullptr, "line 229: pg: '255.5' is outside 0..255"},
        {"flag yes", reset + "unifnes=yes", nullptr, "line 229: unifnes: 'yes' is not True, False or a number"},
        {"#13 with a line", reset + "#13\r\njersey=7\r\n#END", nullptr, "line 229: slot 13 is outside 0..12"},
        {"#-1 with a line", reset + "#-1\r\n\r\n#END", nullptr, "line 229: slot -1 is outside 0..12"},
        {"bad player line", reset + block("3", "jersey=300\r\n"), nullptr, "line 246: jersey: '300' is outside 0..255"},
        {"DEL in a mascot", reset + "mascot=A\x7F", nullptr, "line 229: mascot: byte 0x7F is a control character"},
        {"a lone block #5", block("5", "jersey=7\r\n"), nullptr, "line 19: the team has no key city"},
        {"block #3 without stam", withoutLine(reset, 12 + 3 * 18 + 17), nullptr, "line 83: player 3 has no key stam"},
        {"no block #11", firstLines(reset, 12 + 11 * 18), nullptr, "line 210: the team has no block #11"},
        {"block #4 without #END takes in block #5", withoutLine(reset, 12 + 5 * 18), nullptr,
         "line 227: the team has no block #5"},
    };
    for (int k = 0; k < 12; ++k)  // each team key missing
        rows.push_back(
            {"no " + teamKeys[k], withoutLine(reset, k + 1), nullptr, "line 227: the team has no key " + teamKeys[k]});
    for (int n = 0; n <= 16; ++n)  // cut after the header of block #11 and n of its keys
        rows.push_back({"block #11 cut after " + std::to_string(n) + " keys", firstLines(reset, 12 + 11 * 18 + 1 + n),
                        nullptr,
                        "line " + std::to_string(12 + 11 * 18 + 1 + n) + ": file ends before player 11 is complete"});
    testsupport::checkImports<clsTeam>(startingTeam(), rows, TeamFile::importTeamText, &clsTeam::initTeam);
}

TEST(ProjectFile, ReaderRulesAllOrNothing) {
    const std::string league = clearedLeague(), full = repeat(2214, "8A"), team = resetTeam();
    const std::string zeros = std::string(48, '0');
    std::vector<ImportRow<clsProject>> rows = {
        {"a cleared league's file", league, [](L) {}},
        {"stray lines", league + "@END\r\ncity=X\r\n#3\r\n", [](L) {}},
        {"schedule over two lines",
         league + "@SCHED\r\n" + repeat(1107, "8A") + "\r\n" + repeat(1107, "8A") + "\r\n@END",
         [](L p) { p.schedule().fill(0x8A); }},
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
        {"team with a player block", league + "@26\r\n" + team + block("11", "last=z\r\n") + "ps=5\r\n@END",
         [](L p) { p.getTeamRef(26)->getPlayerRef(11)->setLast("Z"), p.getTeamRef(26)->setPointsScored(5); }},
        {"sections anywhere in a line, repeated",
         league + "x@SCHED\r\n01" + repeat(2213, "00") + "\r\n@END\r\n@1\r\n" + team + "city=A\r\n@END\r\n@1\r\n" +
             team + "abrev=b\r\n@END",
         [](L p) { p.schedule()[0] = 1, p.getTeamRef(1)->setAbrev("B"); }},
        {"empty @27", league + "@27\r\n@END", [](L) {}},
        {"schedule too long on a second line", league + "@SCHED\r\n" + full + "\r\n0\r\n@END", nullptr,
         "line 6220: the schedule holds more than 2214 bytes"},
        {"schedule line cut short", league.substr(0, 8 + 4426) + league.substr(8 + 4428), nullptr,
         "line 3: the schedule ends after 2213 of 2214 bytes"},
        {"schedule without @END", "@SCHED\r\n" + full, nullptr, "line 2: file ends before the schedule is complete"},
        {"east=0102", league + "@ALLSTAR\r\neast=0102\r\nwest=" + zeros + "\r\n@END", nullptr,
         "line 6219: east= holds 4 characters, not 48 hexadecimal digits"},
        {"a letter among the west digits",
         league + "@ALLSTAR\r\neast=" + zeros + "\r\nwest=" + std::string(47, '0') + "G\r\n@END", nullptr,
         "line 6220: west= 'G' is not a hexadecimal digit"},
        {"all-stars without west=", league + "@ALLSTAR\r\neast=" + zeros + "\r\n@END", nullptr,
         "line 6220: the all-stars have no line west="},
        {"all-stars without @END", league + "@ALLSTAR\r\neast=" + zeros + "\r\nwest=" + zeros, nullptr,
         "line 6220: file ends before the all-stars are complete"},
        {"@27 with a line", league + "@27\r\ncity=X\r\n@END", nullptr, "line 6218: team 27 is outside 0..26"},
        {"bad team line", league + "@4\r\nps=300\r\n@END", nullptr, "line 6219: ps: '300' is outside 0..255"},
        {"bad player line", league + "@4\r\n#0\r\nfeet=x\r\n#END", nullptr, "line 6220: feet: 'x' is not a number"},
        {"team 13 without pg", withoutLine(league, 7 + 13 * 230 + 6), nullptr, "line 3226: team 13 has no key pg"},
        {"team 2's block #0 without #END swallows its @END",
         league + "@2\r\n" + team + "#0\r\n" + kReset + "@END\r\n@3\r\ncity=B", nullptr,
         "line 6466: file ends before team 2 player 0 is complete"},
        {"a lone team section", "@3\r\ncity=X\r\n@END", nullptr, "line 3: team 3 has no key mascot"},
        {"no @26", firstLines(league, 7 + 26 * 230), nullptr, "line 5987: the league has no section @26"},
        {"team 26 without @END", firstLines(league, 6216), nullptr, "line 6216: file ends before team 26 is complete"},
        {"no @SCHED", league.substr(firstLines(league, 3).size()), nullptr,
         "line 6214: the league has no section @SCHED"},
        {"no @ALLSTAR", firstLines(league, 3) + league.substr(firstLines(league, 7).size()), nullptr,
         "line 6213: the league has no section @ALLSTAR"},
    };
    testsupport::checkImports<clsProject>(startingLeague(), rows, ProjectFile::importProjectText,
                                          &clsProject::clearProject);
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
    testsupport::checkFiles<clsPlayer>(
        startingPlayer(), PlayerFile::exportPlayer, PlayerFile::importPlayer, "p.tpl", [](P p) { p.setLast("A\rB"); },
        "last: byte 0x0D is a control character");
    testsupport::checkFiles<clsTeam>(
        startingTeam(), TeamFile::exportTeam, TeamFile::importTeam, "t.tte",
        [](T t) { t.getPlayerRef(11)->setFirst("\x01"); }, "player 11 first: byte 0x01 is a control character");
    testsupport::checkFiles<clsProject>(
        startingLeague(), ProjectFile::exportProject, ProjectFile::importProject, "l.tpr",
        [](L l) { l.getTeamRef(26)->setAbrev("\x7F"); }, "team 26 abrev: byte 0x7F is a control character");
}

}  // namespace
