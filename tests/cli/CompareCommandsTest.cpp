// tamsel-cli diff and check. diff: images that differ in one field of each kind (changed through the
// model and saved, or in the bytes) print that one line; equal leagues with bytes outside them; the
// reference images against their edited images. check: each way a file is read, refused or read into
// an image, and the usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "cli/CliRun.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"

namespace {

namespace fs = std::filesystem;
using E = OffsetSet;

// The demo image's league and bytes, changed by a row; a changed league is saved into the bytes.
struct Change {
    clsProject league;
    RomImage image;
    OffsetSet offsets;
    clsPlayer& p37() { return *league.getTeamRef(3)->getPlayerRef(7); }
    std::uint8_t& at(E::Entry entry, int plus) { return image[static_cast<std::size_t>(offsets[entry] + plus)]; }
};

struct DiffRow {  // lines: what diff prints
    std::string name; ConsoleKind kind; std::function<void(Change&)> change; std::string lines; int status;
};

TEST(CompareCommands, DiffPrintsTheOneFieldThatDiffers) {
    const ConsoleKind nes = Console::Nes, snes = Console::Snes;
    const DiffRow rows[] = {
        {"city with a quote, a backslash and bytes outside the printable range", nes, [](Change& c) { c.league.getTeamRef(0)->setCity("A\"B\\C\x01\xC3"); },
         "team 0 city: \"ALDERON\" -> \"A\\\"B\\\\C\\x01\\xC3\"\n", 1},
        {"mascot", snes, [](Change& c) { c.league.getTeamRef(26)->setMascot("HEAT"); }, "team 26 mascot: \"ANVILS\" -> \"HEAT\"\n", 1},
        {"abbreviation", nes, [](Change& c) { c.league.getTeamRef(5)->setAbrev("ZZ"); }, "team 5 abrev: \"FEN\" -> \"ZZ\"\n", 1},
        {"points scored", nes, [](Change& c) { c.league.getTeamRef(3)->setPointsScored(7); }, "team 3 ps: 98 -> 7\n", 1},
        {"points given", snes, [](Change& c) { c.league.getTeamRef(3)->setPointsGiven(9); }, "team 3 pg: 113 -> 9\n", 1},
        {"NES uniform", nes, [](Change& c) { c.league.getTeamRef(3)->setUniformColor_NES_single(1, 0x27); }, "team 3 uniform nes 1: 0x16 -> 0x27\n", 1},
        {"SNES uniform words, bit 15 too", snes, [](Change& c) {
             c.at(E::uniformTable, 256 * 3 + 2 * 17) = 0xFF;  // low byte first
             c.at(E::uniformTable, 256 * 3 + 2 * 17 + 1) = 0x7F;
             c.at(E::uniformTable, 256 * 4 + 2 * 17 + 1) ^= 0x80;
         }, "team 3 uniform snes 17: 0x0C42 -> 0x7FFF\nteam 4 uniform snes 17: 0x0C42 -> 0x8C42\n", 1},
        {"first name", nes, [](Change& c) { c.p37().setFirst("JOE"); }, "player 3.7 first: \"SOREN\" -> \"JOE\"\n", 1},
        {"last name", snes, [](Change& c) { c.p37().setLast("O'NEAL"); }, "player 3.7 last: \"VALMON\" -> \"O'NEAL\"\n", 1},
        {"jersey", nes, [](Change& c) { c.p37().setJersey(55); }, "player 3.7 jersey: 26 -> 55\n", 1},
        {"feet", snes, [](Change& c) { c.p37().setFeet(5); }, "player 3.7 feet: 6 -> 5\n", 1},
        {"inch", nes, [](Change& c) { c.p37().setInch(11); }, "player 3.7 inch: 8 -> 11\n", 1},
        {"weight", nes, [](Change& c) { c.p37().setWeight(312); }, "player 3.7 weight: 240 -> 312\n", 1},
        {"pos", snes, [](Change& c) { c.p37().setPosition(4); }, "player 3.7 pos: 3 -> 4\n", 1},
        {"fg", nes, [](Change& c) { c.p37().setFGpercent(604); }, "player 3.7 fg: 52 -> 604\n", 1},
        {"ft", snes, [](Change& c) { c.p37().setFTpercent(908); }, "player 3.7 ft: 72 -> 908\n", 1},
        {"threept", nes, [](Change& c) { c.p37().set3PTpercent(104); }, "player 3.7 threept: 20 -> 104\n", 1},
        {"rspeed", nes, [](Change& c) { c.p37().setRunSpeed(201); }, "player 3.7 rspeed: 7 -> 201\n", 1},
        {"jump", snes, [](Change& c) { c.p37().setJump(202); }, "player 3.7 jump: 198 -> 202\n", 1},
        {"steal", nes, [](Change& c) { c.p37().setSteal(203); }, "player 3.7 steal: 90 -> 203\n", 1},
        {"block", nes, [](Change& c) { c.p37().setBlock(201); }, "player 3.7 block: 73 -> 201\n", 1},
        {"shoot", snes, [](Change& c) { c.p37().setShotRange(205); }, "player 3.7 shoot: 7 -> 205\n", 1},
        {"stam", nes, [](Change& c) { c.p37().setStamina(206); }, "player 3.7 stam: 56 -> 206\n", 1},
        {"unknown", snes, [](Change& c) { c.p37().setUnknownByte(207); }, "player 3.7 unknown: 0 -> 207\n", 1},
        {"game", nes, [](Change& c) { c.league.setMatchupBytes(17, 20, 21); }, "game 17: \"SAL at RIV\" -> \"VES at UMB\"\n", 1},
        {"game, a byte whose team stays", snes, [](Change& c) { c.at(E::scheduleTable, 2 * 1106) ^= 0x40; }, "game 1106: \"YAR at JUN\" -> \"YAR at JUN\" (0x89 0x98 -> 0xC9 0x98)\n", 1},
        {"all-star slot", nes, [](Change& c) { c.league.setWestAllStar(3, 20, 9); }, "west all-star 3: 3.11 -> 20.9\n", 1},
        {"all-star slot, bytes of the image", snes, [](Change& c) {
             c.at(E::allStarRosterTable, 24 + 2 * 11) = 2 * 26;  // east 11
             c.at(E::allStarRosterTable, 24 + 2 * 11 + 1) = 2 * 11;
         }, "east all-star 11: 25.1 -> 26.11\n", 1},
        // Bytes outside the league are counted, and the leagues are still equal.
        {"the two bytes between the NES uniform tables", nes, [](Change& c) {
             c.at(E::uniformTable, 27) ^= 1;
             c.at(E::uniformTable, 28) ^= 1;
         }, "2 bytes differ outside the league\n", 0},
        {"a longer image", snes, [](Change& c) { c.image.push_back(0); }, "1 byte differs outside the league\n", 0},
        {"a city and the last byte", nes, [](Change& c) {
             c.image.back() ^= 0x55;  // saving leaves it as it is
             c.league.getTeamRef(26)->setCity("X");
         }, "team 26 city: \"AMBRIS\" -> \"X\"\n1 byte differs outside the league\n", 1},
    };
    const std::string dir = clitest::folder("cli-diff");
    for (const DiffRow& row : rows) {
        SCOPED_TRACE(row.name);
        const bool isNes = row.kind == Console::Nes;
        Change c{{}, isNes ? DemoRom::makeNes() : DemoRom::makeSnes(), isNes ? E::nesDefaults() : E::snesDefaults()};
        const std::string a = dir + (isNes ? "/a.nes" : "/a.smc"), b = dir + (isNes ? "/b.nes" : "/b.smc");
        testsupport::writeBytes(a, c.image);
        ASSERT_EQ(loadProjectFromRom(c.league, c.image, c.offsets, row.kind), Result::Ok);
        const clsProject decoded = c.league;
        row.change(c);
        if (c.league != decoded) { ASSERT_EQ(saveProjectToRom(c.league, c.image, c.offsets, row.kind), Result::Ok); }
        testsupport::writeBytes(b, c.image);
        const clitest::CliResult r = clitest::run({"diff", a, b}, dir);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, row.lines);
        EXPECT_EQ(r.err, "");
    }
}

TEST(CompareCommands, DiffAndCheckMessagesExitCodesAndFiles) {
    REQUIRE_FIXTURES();
    const std::string dir = clitest::folder("cli-compare"), fx = testsupport::fixture("nes-1");
    fs::copy_file(fx + "/game.nes", dir + "/copy.bin");
    fs::copy_file(testsupport::fixture("snes-1/game.smc"), dir + "/game.smc");
    std::string player = testsupport::readText(fx + "/expected/player_0_0.tpl");
    testsupport::writeText(dir + "/number.TPL", player.replace(player.find("weight=276"), 10, "weight=abc"));
    std::string edit = testsupport::readText(fx + "/edit.tpr");  // its cities fill their 259 bytes exactly
    testsupport::writeText(dir + "/long.tpr", edit.insert(edit.find("\r\n", edit.find("\r\ncity=") + 2), "A"));
    const std::string good = "{fx}/expected/player_26_11.tpl";
    clitest::runRows({
        {{"diff", "{rom}", "{dir}/copy.bin"}, 0, "", ""},  // the second read as the edition of the first
        {{"diff", "{rom}", "{dir}/none.nes"}, 2, "", "{dir}/none.nes: Error loading file!\n"},
        {{"diff", "{dir}/game.smc", "{rom}"}, 2, "", "{rom}: Invalid rom!\n"},
        {{"diff", "--snes", "{rom}", "{rom}"}, 2, "", "{rom}: Invalid rom!\n"},
        // The reference images against their edited images; the lines are read off expected/league.tpr (the decoded
        // league) and edit.tpr (the league of the edited image).
        {{"diff", "{fx}/game.nes", "{fx}/expected/edited.nes"}, 1, "team 0 city: \"LYLFHTGTHDS\" -> \"IXRAUHGQ\"\n...\neast all-star 11: 4.7 -> 0.3\n", ""},
        {{"diff", "{fx}/../snes-1/game.smc", "{fx}/../snes-1/expected/edited.smc"}, 1,
         "team 0 city: \"UONY\" -> \"IXRAUHGQ\"\n...\nwest all-star 0: 11.5 -> 13.0\n...\neast all-star 11: 16.9 -> 0.3\n", ""},
        {{"diff", "{fx}/../snes-overflow-2/game.smc", "{fx}/../snes-overflow-2/expected/edited.smc"}, 1,
         "team 0 city: \"SXT ITMX\" -> \"IANWIYDEP ZK\"\n...\neast all-star 11: 10.9 -> 16.5\n", ""},
        {{"check", "{fx}/../snes-1/expected/team26.tte"}, 0, "ok\n", ""},
        {{"check", "{dir}/number.TPL"}, 1, "", "{dir}/number.TPL:6: weight: 'abc' is not a number\n"},
        {{"check", "{dir}/none.tpr"}, 1, "", "{dir}/none.tpr: the file cannot be read\n"},
        // Into an image in memory: where the file went, the space table and whether the save fits.
        {{"check", "{fx}/edit.tpr", "--rom", "{rom}"}, 0,
         "ok\nRead into the league of {rom} (nothing is saved)\n\nRegion              Used  Available  Left\nAbbreviations        155        171    16\n"
         "Cities               259        259     0\nMascots              218        218     0\nPlayers             6503       6915   412\n\nSaving now: everything fits\n", ""},
        {{"check", "{dir}/long.tpr", "--rom", "{rom}"}, 1, "ok\nRead into the league...\nCities               260        259    -1\n...", "City names are too long! (Cities: 260 of 259 bytes)\n"},
        {{"check", "{fx}/expected/team0.tte", "--rom", "{dir}/game.smc", "--team", "4"}, 1, "ok\nRead into team 4 of {dir}/game.smc (nothing is saved)\n\n...",
         "Mascot names are too long! (Mascots: 220 of 218 bytes)\n"},
        {{"check", good, "--rom", "{rom}", "--team", "5", "--player", "3"}, 0, "ok\nRead into team 5 player 3 of {rom} (nothing is saved)\n...", ""},
        {{"check", good, "--rom", "{rom}"}, 0, "ok\nRead into team 0 player 0 of...", ""},
        {{"check", "{fx}/edit.tpr", "--rom", "{dir}/none.nes"}, 1, "", "Error loading file!\n"},
        {{"check", "{dir}/notes.txt"}, 2, "", "tamsel-cli check: FILE must end in .tpl, .tte or .tpr\n"},
        {{"check", good, "--team", "3"}, 2, "", "tamsel-cli check: --team and --player go with --rom\n"},
        {{"check", "{fx}/edit.tpr", "--rom", "{rom}", "--team", "3"}, 2, "", "tamsel-cli check: --team does not apply to a project file\n"},
        {{"check", "{fx}/expected/team0.tte", "--rom", "{rom}", "--player", "3"}, 2, "", "tamsel-cli check: --player applies to a player file only\n"},
        {{"check", good, "--rom", "{rom}", "--team", "27"}, 2, "", "tamsel-cli check: --team must be 0..26\n"},
        {{"check", good, "--rom", "{rom}", "--player", "12"}, 2, "", "tamsel-cli check: --player must be 0..11\n"},
        {{"check", good, "--rom"}, 2, "", "tamsel-cli check: --rom needs a file name\n"},
        {{"check", good, good}, 2, "", "usage: tamsel-cli check FILE [--rom ROM [--team T] [--player P]]\n"},
    }, dir, fx + "/game.nes");
}

}  // namespace
