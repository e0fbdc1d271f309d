// The league's players as a CSV table: every rule of the reader as a row over a whole table (a success changes
// exactly its rows' players, a refusal names its line and column and changes nothing), and tables written and
// read back.
#include <gtest/gtest.h>

#include <sstream>

#include "interchange/PlayerCsv.h"
#include "support/Leagues.h"
#include "support/ReaderRows.h"
#include "support/TestSupport.h"

namespace {

using L = clsProject&;

const std::string kHeader =
    "team,slot,first,last,jersey,feet,inch,weight,pos,fg,ft,threept,rspeed,jump,steal,block,shoot,stam\r\n";
// AB CDE, #32, 6-9, 220 lb, guard, 48/84/20, raw ratings 31, 211, 200, 0x5C, 0x8A, 99, as team 3 slot 4.
const std::string kRow = "3,4,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n";

clsPlayer& player(L league, int team, int slot) { return *league.getTeamRef(team)->getPlayerRef(slot); }
// The example's sixteen fields over a player, the fields no table carries kept.
void example(L league, int team, int slot) { testsupport::setExample(player(league, team, slot)); }

// The row with one field replaced (it splits at every comma, so a value holding one goes in last).
std::string with(const std::string& row, int column, const std::string& value) {
    std::string out;
    std::istringstream in(row.substr(0, row.size() - 2));
    std::string cell;
    for (int c = 0; std::getline(in, cell, ','); ++c) out += (c ? "," : "") + (c == column ? value : cell);
    return out + "\r\n";
}

TEST(PlayerCsv, ReaderRulesAllOrNothing) {
    const std::string reordered =
        "stam,shoot,block,steal,jump,rspeed,threept,ft,fg,pos,weight,inch,feet,jersey,last,first,slot,team\r\n"
        "99,138,92,200,211,31,20,84,48,0,220,9,6,32,CDE,AB,4,3\r\n";
    const std::string quoted = with(with(with(kRow, 4, "\"32\""), 2, "\" AB \""), 3, "\"O\"\"NEIL, JR\"");
    const std::vector<testsupport::ImportRow<clsProject>> rows = {
        {"one row", kHeader + kRow, [](L l) { example(l, 3, 4); }},
        {"three rows, the rest unchanged",
         kHeader + with(kRow, 0, "0") + with(kRow, 1, "11") + with(with(kRow, 0, "26"), 1, "0"),
         [](L l) { example(l, 0, 4), example(l, 3, 11), example(l, 26, 0); }},
        {"header only", kHeader, [](L) {}},
        {"columns in another order", reordered, [](L l) { example(l, 3, 4); }},
        {"LF line ends", kHeader.substr(0, kHeader.size() - 2) + "\n" + kRow.substr(0, kRow.size() - 2) + "\n",
         [](L l) { example(l, 3, 4); }},
        {"CR line ends", kHeader.substr(0, kHeader.size() - 1) + kRow.substr(0, kRow.size() - 1),
         [](L l) { example(l, 3, 4); }},
        {"byte-order mark", "\xEF\xBB\xBF" + kHeader + kRow, [](L l) { example(l, 3, 4); }},
        {"no line end after the last row", kHeader + kRow.substr(0, kRow.size() - 2), [](L l) { example(l, 3, 4); }},
        {"empty lines at the end", kHeader + kRow + "\r\n\n\r\n", [](L l) { example(l, 3, 4); }},
        {"quoted fields: comma, doubled quote, blanks, number", kHeader + quoted,
         [](L l) { example(l, 3, 4), player(l, 3, 4).setLast("O\"NEIL, JR"), player(l, 3, 4).setFirst(" AB "); }},
        {"a 16-bit value as the player file reads it", kHeader + with(kRow, 7, "-32768"),
         [](L l) { example(l, 3, 4), player(l, 3, 4).setWeight(-32768); }},
        {"team and slot as whole numbers", kHeader + with(with(kRow, 0, " 03"), 1, "4.0"),
         [](L l) { example(l, 3, 4); }},
        // refusals
        {"empty number", kHeader + with(kRow, 15, ""), nullptr, "line 2: column block: '' is not a number"},
        {"out of range on the second row", kHeader + with(kRow, 0, "0") + with(kRow, 4, "256"), nullptr,
         "line 3: column jersey: '256' is outside 0..255"},
        {"team 27", kHeader + with(kRow, 0, "27"), nullptr, "line 2: column team: '27' is outside 0..26"},
        {"slot 12", kHeader + with(kRow, 1, "12"), nullptr, "line 2: column slot: '12' is outside 0..11"},
        {"slot 1.5", kHeader + with(kRow, 1, "1.5"), nullptr, "line 2: column slot: '1.5' is not a whole number"},
        {"the same player twice", kHeader + kRow + with(kRow, 0, "5") + with(kRow, 2, "X"), nullptr,
         "line 4: team 3 slot 4 is on line 2 already"},
        {"the first faulty cell in the file's order", kHeader + with(with(kRow, 16, "x"), 5, "y"), nullptr,
         "line 2: column feet: 'y' is not a number"},
        {"missing column", kHeader.substr(0, kHeader.size() - 7) + "\r\n" + kRow.substr(0, kRow.size() - 5) + "\r\n",
         nullptr, "line 1: column stam is missing"},
        {"unknown column", "wieght," + kHeader + "1," + kRow, nullptr, "line 1: unknown column 'wieght'"},
        {"column twice", "slot," + kHeader + "4," + kRow, nullptr, "line 1: column slot appears twice"},
        {"too few fields", kHeader + kRow.substr(0, kRow.size() - 5) + "\r\n", nullptr,
         "line 2: the row has 17 fields, the header 18"},
        {"too many fields", kHeader + kRow.substr(0, kRow.size() - 2) + ",\r\n", nullptr,
         "line 2: the row has 19 fields, the header 18"},
        {"unclosed quote", kHeader + with(kRow, 3, "\"CDE") + kRow, nullptr,
         "line 2: column last: the quote is never closed"},
        {"unclosed quote beyond the header", kHeader + kRow.substr(0, kRow.size() - 2) + ",\"x\r\n", nullptr,
         "line 2: field 19: the quote is never closed"},
        {"text after a closing quote", kHeader + with(kRow, 2, "\"AB\"C"), nullptr,
         "line 2: column first: text follows the closing quote"},
        {"quote inside a field", kHeader + with(kRow, 2, "A\"B"), nullptr,
         "line 2: column first: a quote inside a field that does not start with one"},
        {"a quoted line break in a name, as a project file could not carry it",
         kHeader + kRow + with(with(kRow, 1, "5"), 3, "\"C\r\nDE\""), nullptr,
         "line 3: column last: byte 0x0D is a control character"},
        {"a cell cut in its reason", kHeader + with(kRow, 7, std::string(50, '9') + "x"), nullptr,
         "line 2: column weight: '" + std::string(40, '9') + "...' is not a number"},
        {"empty line among the rows", kHeader + kRow + "\r\n" + with(kRow, 0, "4"), nullptr,
         "line 3: an empty line stands among the rows"},
        {"empty file", "", nullptr, "line 1: the file is empty"},
    };
    testsupport::checkImports<clsProject>(testsupport::distinctLeague(), rows, PlayerCsv::importPlayersText);
}

// A header and a row for every player, team by team, slot by slot; names that need quotes are written quoted and
// read back as they were; the table's file as every interchange file's (checkFiles).
// (The values are the player file's, which are compared with the reference player files.)
TEST(PlayerCsv, WrittenAndReadBack) {
    clsProject league = testsupport::distinctLeague();
    player(league, 0, 0).setFirst("O\"NEIL, JR");
    player(league, 0, 0).setLast(" LEAD");
    player(league, 0, 1).setFirst("TRAIL ");
    example(league, 0, 2);
    const std::string text = PlayerCsv::writePlayers(league);
    EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
    EXPECT_NE(text.find("\r\n0,0,\"O\"\"NEIL, JR\",\" LEAD\",40,"), std::string::npos);
    EXPECT_NE(text.find("\r\n0,1,\"TRAIL \",L1,41,"), std::string::npos);
    EXPECT_NE(text.find("\r\n0,2,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n0,3,"), std::string::npos);
    EXPECT_NE(text.find("\r\n26,11,F349,L349,51,"), std::string::npos);
    EXPECT_TRUE(text.ends_with(",118\r\n")) << "team 26 slot 11 last, its stamina 118";
    clsProject back = testsupport::distinctLeague();
    LineReport report;
    ASSERT_EQ(PlayerCsv::importPlayersText(back, text, report), Result::Ok) << report.text();
    EXPECT_TRUE(back == league);
    testsupport::checkFiles<clsProject>(
        league, PlayerCsv::exportPlayers, PlayerCsv::importPlayers, "players.csv",
        [](L l) { player(l, 26, 11).setLast("TWO\r\nLINES"); },  // as a damaged image can hold it
        "team 26 player 11 last: byte 0x0D is a control character");
}

}  // namespace
