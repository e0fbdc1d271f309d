// The league's players as a CSV table: the reference leagues' rows against their reference player
// files, every rule of the reader as a row over a whole table (a success changes exactly its rows'
// players, a refusal names its line and column and changes nothing), and tables written and read back.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <sstream>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "interchange/PlayerCsv.h"
#include "support/TestSupport.h"

namespace {

using L = clsProject&;

const std::string kHeader = "team,slot,first,last,jersey,feet,inch,weight,pos,fg,ft,threept,rspeed,jump,steal,block,shoot,stam\r\n";
// AB CDE, #32, 6-9, 220 lb, guard, 48/84/20, raw ratings 31, 211, 200, 0x5C, 0x8A, 99, as team 3 slot 4.
const std::string kRow = "3,4,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n";

void makeExample(clsPlayer& p) {
    p.setFirst("AB"); p.setLast("CDE"); p.setJersey(32); p.setFeet(6); p.setInch(9); p.setWeight(220);
    p.setPosition(0); p.setFGpercent(48); p.setFTpercent(84); p.set3PTpercent(20); p.setRunSpeed(31);
    p.setJump(211); p.setSteal(200); p.setBlock(0x5C); p.setShotRange(0x8A); p.setStamina(99);
}

// Every player unlike the example and unlike each other, with unknown bytes and data pointers that no
// table carries.
clsProject startingLeague() {
    clsProject league;
    league.clearProject();
    for (int t = 0; t < clsProject::kTeams; ++t) {
        for (int s = 0; s < clsTeam::kSlots; ++s) {
            clsPlayer& p = *league.getTeamRef(t)->getPlayerRef(s);
            p.setFirst("T" + std::to_string(t)); p.setLast("S" + std::to_string(s)); p.setJersey(static_cast<std::uint8_t>(s + 40));
            p.setWeight(static_cast<std::int16_t>(150 + t)); p.setFGpercent(-4); p.setJump(150); p.setBlock(0xF1);
            p.setUnknownByte(static_cast<std::uint8_t>(t + s)); p.setDataPtr(1000 * t + s);
        }
    }
    return league;
}

clsPlayer& player(L league, int team, int slot) { return *league.getTeamRef(team)->getPlayerRef(slot); }

// The example's sixteen fields over a player, the fields no table carries kept.
void example(L league, int team, int slot) { makeExample(player(league, team, slot)); }

struct Row {
    std::string name;
    std::string text;
    std::function<void(L)> change;  // empty for a refusal
    std::string refusal = "";
};

std::string field(const std::string& row, int column) {  // the row with one field replaced by "{}"
    std::string out;
    std::istringstream in(row.substr(0, row.size() - 2));
    std::string cell;
    for (int c = 0; std::getline(in, cell, ','); ++c) out += (c ? "," : "") + (c == column ? std::string("{}") : cell);
    return out + "\r\n";
}
std::string with(const std::string& row, int column, const std::string& value) {
    std::string out = field(row, column);
    return out.replace(out.find("{}"), 2, value);
}

TEST(PlayerCsv, ReaderRulesAllOrNothing) {
    const std::string lf = "team,slot,first,last,jersey,feet,inch,weight,pos,fg,ft,threept,rspeed,jump,steal,block,shoot,stam\n"
                           "3,4,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\n";
    const std::string reordered = "stam,shoot,block,steal,jump,rspeed,threept,ft,fg,pos,weight,inch,feet,jersey,last,first,slot,team\r\n"
                                  "99,138,92,200,211,31,20,84,48,0,220,9,6,32,CDE,AB,4,3\r\n";
    // with() splits at every comma, so the field holding one goes in last
    const std::string quoted = with(with(with(kRow, 4, "\"32\""), 2, "\" AB \""), 3, "\"O\"\"NEIL, JR\"");
    const std::vector<Row> rows = {
        {"one row", kHeader + kRow, [](L l) { example(l, 3, 4); }},
        {"three rows, the rest unchanged", kHeader + with(kRow, 0, "0") + with(kRow, 1, "11") + with(with(kRow, 0, "26"), 1, "0"),
         [](L l) { example(l, 0, 4); example(l, 3, 11); example(l, 26, 0); }},
        {"header only", kHeader, [](L) {}},
        {"columns in another order", reordered, [](L l) { example(l, 3, 4); }},
        {"LF line ends", lf, [](L l) { example(l, 3, 4); }},
        {"CR line ends", "team,slot,first,last,jersey,feet,inch,weight,pos,fg,ft,threept,rspeed,jump,steal,block,shoot,stam\r" +
                             kRow.substr(0, kRow.size() - 1),
         [](L l) { example(l, 3, 4); }},
        {"byte-order mark", "\xEF\xBB\xBF" + kHeader + kRow, [](L l) { example(l, 3, 4); }},
        {"no line end after the last row", kHeader + kRow.substr(0, kRow.size() - 2), [](L l) { example(l, 3, 4); }},
        {"empty lines at the end", kHeader + kRow + "\r\n\n\r\n", [](L l) { example(l, 3, 4); }},
        {"quoted fields: comma, doubled quote, blanks, number", kHeader + quoted,
         [](L l) { example(l, 3, 4); player(l, 3, 4).setLast("O\"NEIL, JR"); player(l, 3, 4).setFirst(" AB "); }},
        {"a quoted line break", kHeader + with(kRow, 3, "\"C\r\nDE\""),
         [](L l) { example(l, 3, 4); player(l, 3, 4).setLast("C\r\nDE"); }},
        {"values as the player file reads them", kHeader + with(with(with(with(kRow, 2, "ab"), 5, "7.5"), 6, " +3 "), 7, "-32768"),
         [](L l) { example(l, 3, 4); player(l, 3, 4).setFeet(8); player(l, 3, 4).setInch(3); player(l, 3, 4).setWeight(-32768); }},
        {"team and slot as whole numbers", kHeader + with(with(kRow, 0, " 03"), 1, "4.0"), [](L l) { example(l, 3, 4); }},
        // refusals
        {"not a number", kHeader + with(kRow, 7, "abc"), {}, "line 2: column weight: 'abc' is not a number"},
        {"empty number", kHeader + with(kRow, 15, ""), {}, "line 2: column block: '' is not a number"},
        {"out of range on the second row", kHeader + with(kRow, 0, "0") + with(kRow, 4, "256"), {},
         "line 3: column jersey: '256' is outside 0..255"},
        {"16-bit out of range", kHeader + with(kRow, 9, "32768"), {}, "line 2: column fg: '32768' is outside -32768..32767"},
        {"team 27", kHeader + with(kRow, 0, "27"), {}, "line 2: column team: '27' is outside 0..26"},
        {"team -1", kHeader + with(kRow, 0, "-1"), {}, "line 2: column team: '-1' is outside 0..26"},
        {"slot 12", kHeader + with(kRow, 1, "12"), {}, "line 2: column slot: '12' is outside 0..11"},
        {"slot 1.5", kHeader + with(kRow, 1, "1.5"), {}, "line 2: column slot: '1.5' is not a whole number"},
        {"empty team", kHeader + with(kRow, 0, ""), {}, "line 2: column team: '' is not a whole number"},
        {"the same player twice", kHeader + kRow + with(kRow, 0, "5") + with(kRow, 2, "X"), {}, "line 4: team 3 slot 4 is on line 2 already"},
        {"the first faulty cell in the file's order", kHeader + with(with(kRow, 16, "x"), 5, "y"), {}, "line 2: column feet: 'y' is not a number"},
        {"missing column", kHeader.substr(0, kHeader.size() - 7) + "\r\n" + kRow.substr(0, kRow.size() - 5) + "\r\n", {},
         "line 1: column stam is missing"},
        {"unknown column", "wieght," + kHeader + "1," + kRow, {}, "line 1: unknown column 'wieght'"},
        {"column twice", "slot," + kHeader + "4," + kRow, {}, "line 1: column slot appears twice"},
        {"header in capitals", "TEAM" + kHeader.substr(4) + kRow, {}, "line 1: unknown column 'TEAM'"},
        {"too few fields", kHeader + kRow.substr(0, kRow.size() - 5) + "\r\n", {}, "line 2: the row has 17 fields, the header 18"},
        {"too many fields", kHeader + kRow.substr(0, kRow.size() - 2) + ",\r\n", {}, "line 2: the row has 19 fields, the header 18"},
        {"unclosed quote", kHeader + with(kRow, 3, "\"CDE") + kRow, {}, "line 2: column last: the quote is never closed"},
        {"unclosed quote beyond the header", kHeader + kRow.substr(0, kRow.size() - 2) + ",\"x\r\n", {},
         "line 2: field 19: the quote is never closed"},
        {"text after a closing quote", kHeader + with(kRow, 2, "\"AB\"C"), {}, "line 2: column first: text follows the closing quote"},
        {"quote inside a field", kHeader + with(kRow, 2, "A\"B"), {},
         "line 2: column first: a quote inside a field that does not start with one"},
        {"line counted after a quoted line break", kHeader + with(kRow, 3, "\"C\r\nDE\"") + with(with(kRow, 1, "5"), 13, "x"), {},
         "line 4: column jump: 'x' is not a number"},
        {"non-ASCII name", kHeader + with(kRow, 2, "\xC3\x89MILE"), {}, "line 2: column first: byte 0xC3 cannot be stored in the game's texts"},
        {"empty line among the rows", kHeader + kRow + "\r\n" + with(kRow, 0, "4"), {}, "line 3: an empty line stands among the rows"},
        {"empty file", "", {}, "line 1: the file is empty"},
        {"byte-order mark only", "\xEF\xBB\xBF", {}, "line 1: the file is empty"},
    };
    const clsProject before = startingLeague();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clsProject got = before, want = before;
        if (row.change) row.change(want);
        LineReport report;
        EXPECT_EQ(PlayerCsv::importPlayersText(got, row.text, report), row.change ? Result::Ok : Result::Failed);
        EXPECT_EQ(report.text(), row.refusal);
        EXPECT_TRUE(got == want);
    }
}

struct Fixture {
    std::string folder, image;
    ConsoleKind kind;
    OffsetSet offsets() const { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }
};
const Fixture kFixtures[] = {{"nes-1", "game.nes", Console::Nes}, {"snes-1", "game.smc", Console::Snes},
                             {"snes-overflow-2", "game.smc", Console::Snes}};

// The lines of a text ended by CR LF, without their line ends.
std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) lines.push_back(text.substr(at, end - at));
    return lines;
}

// Each reference league's table: the header, then 324 rows of team and slot in order; the rows of team 0
// slot 0 and team 26 slot 11 hold, cell by cell, the values of the reference player files. Read over a
// league whose players were all reset, the table brings the league back: saved, the image is the original.
TEST(PlayerCsv, ReferenceLeaguesExportTheirPlayerFilesAndComeBackWhole) {
    REQUIRE_FIXTURES();
    for (const Fixture& f : kFixtures) {
        SCOPED_TRACE(f.folder);
        RomImage rom = testsupport::readBytes(testsupport::fixture(f.folder + "/" + f.image));
        const RomImage original = rom;
        clsProject league;
        ASSERT_EQ(loadProjectFromRom(league, rom, f.offsets(), f.kind), Result::Ok);
        const std::string dir = testsupport::freshDir("csv_" + f.folder) + "/";
        FileIO::WriteError why;
        ASSERT_EQ(PlayerCsv::exportPlayers(league, dir + "players.csv", why), Result::Ok);
        const std::string text = testsupport::readText(dir + "players.csv");
        const std::vector<std::string> lines = crlfLines(text);
        ASSERT_EQ(lines.size(), 325u);
        EXPECT_EQ(text.size(), lines.size() * 2 + std::accumulate(lines.begin(), lines.end(), std::size_t{0}, [](std::size_t n, const std::string& l) { return n + l.size(); }));
        EXPECT_EQ(lines[0] + "\r\n", kHeader);
        for (int r = 0; r < 324; ++r)
            EXPECT_EQ(lines[static_cast<std::size_t>(r + 1)].rfind(std::to_string(r / 12) + "," + std::to_string(r % 12) + ",", 0), 0u) << r;
        for (const auto& [file, line] : {std::pair<std::string, std::size_t>{"player_0_0.tpl", 1}, {"player_26_11.tpl", 324}}) {
            std::istringstream cells(lines[line]);
            std::string cell;
            std::vector<std::string> got;
            while (std::getline(cells, cell, ',')) got.push_back(cell);
            const std::vector<std::string> keyLines = crlfLines(testsupport::readText(testsupport::fixture(f.folder + "/expected/" + file)));
            ASSERT_EQ(got.size(), 18u) << file;
            ASSERT_EQ(keyLines.size(), 16u) << file;
            const std::vector<std::string> header = [] {
                std::vector<std::string> h;
                std::istringstream in(kHeader.substr(0, kHeader.size() - 2));
                for (std::string c; std::getline(in, c, ',');) h.push_back(c);
                return h;
            }();
            for (std::size_t k = 0; k < 16; ++k) EXPECT_EQ(header[k + 2] + "=" + got[k + 2], keyLines[k]) << file;
        }
        clsProject reset = league;
        for (int t = 0; t < clsProject::kTeams; ++t)
            for (int s = 0; s < clsTeam::kRoster; ++s) player(reset, t, s).initPlayer();
        LineReport report;
        ASSERT_EQ(PlayerCsv::importPlayers(reset, dir + "players.csv", report), Result::Ok) << report.text();
        ASSERT_EQ(saveProjectToRom(reset, rom, f.offsets(), f.kind), Result::Ok);
        EXPECT_TRUE(rom == original);
    }
}

// Names that need quotes are written quoted and read back as they were; files with LF line ends or a
// byte-order mark read as the table our export writes; missing and unwritable files fail.
TEST(PlayerCsv, WrittenAndReadBack) {
    clsProject league = startingLeague();
    player(league, 0, 0).setFirst("O\"NEIL, JR");
    player(league, 0, 0).setLast(" LEAD");
    player(league, 0, 1).setFirst("TRAIL\t");
    player(league, 0, 1).setLast("TWO\r\nLINES");
    example(league, 0, 2);
    const std::string text = PlayerCsv::writePlayers(league);
    EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
    EXPECT_NE(text.find("\r\n0,0,\"O\"\"NEIL, JR\",\" LEAD\",40,0,0,150,0,-4,0,0,0,150,0,241,0,0\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n0,1,\"TRAIL\t\",\"TWO\r\nLINES\",41,"), std::string::npos);
    EXPECT_NE(text.find("\r\n0,2,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n"), std::string::npos);

    const std::string dir = testsupport::freshDir("csv-files") + "/";
    std::string lf = text;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
    testsupport::writeText(dir + "lf.csv", lf);
    testsupport::writeText(dir + "bom.csv", "\xEF\xBB\xBF" + text);
    FileIO::WriteError why;
    ASSERT_EQ(PlayerCsv::exportPlayers(league, dir + "crlf.csv", why), Result::Ok);
    EXPECT_EQ(testsupport::readText(dir + "crlf.csv"), text);
    for (const char* name : {"crlf.csv", "lf.csv", "bom.csv"}) {
        SCOPED_TRACE(name);
        clsProject back = startingLeague();
        LineReport report;
        ASSERT_EQ(PlayerCsv::importPlayers(back, dir + name, report), Result::Ok) << report.text();
        clsProject want = league;
        if (std::string(name) == "lf.csv") player(want, 0, 1).setLast("TWO\nLINES");  // the break inside the quotes was changed too
        EXPECT_TRUE(back == want);
    }
    clsProject back = league;
    LineReport report;
    EXPECT_EQ(PlayerCsv::importPlayers(back, dir + "missing.csv", report), Result::Failed);
    EXPECT_EQ(report.text(), "the file cannot be read");
    EXPECT_TRUE(back == league);
    EXPECT_EQ(PlayerCsv::exportPlayers(league, dir + "no/such.csv", why), Result::Failed);
    EXPECT_EQ(why.text(), "No such file or directory: " + dir + "no/such.csv");
}

}  // namespace
