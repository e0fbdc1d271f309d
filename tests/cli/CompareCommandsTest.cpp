// tamsel-cli diff and check. diff: images that differ in exactly one field of each kind (changed through
// the model and saved, or patched byte by byte) print that one line; equal leagues and bytes outside
// them; unreadable images; the reference images against their edited images. check: one spoiled file
// per reason, the good exports of every reference image, and files imported into an image in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "cli/CliRun.h"
#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using clitest::run;
using E = OffsetSet;

// One change to image B: it returns the lines diff prints for it, computed from the values before.
struct Change {
    clsProject& league;  // B's league as decoded; saved into the image after a model change
    RomImage& image;
    const OffsetSet& offsets;
};
using Edit = std::function<std::string(Change&)>;

constexpr bool kSave = true;

struct DiffRow {
    std::string name;
    ConsoleKind kind;
    bool save;  // the change goes through the model and the codec's save; otherwise straight into the bytes
    Edit edit;
    int status;
};

std::string q(const std::string& text) { return "\"" + text + "\""; }

clsPlayer& player37(clsProject& l) { return *l.getTeamRef(3)->getPlayerRef(7); }

// A player field of player 3.7 moved from its value v to next(v).
DiffRow playerNumber(const std::string& field, ConsoleKind kind, std::function<int(const clsPlayer&)> get,
                     std::function<void(clsPlayer&, int)> set, std::function<int(int)> next) {
    return {"player " + field, kind, kSave, [=](Change& c) {
                clsPlayer& p = player37(c.league);
                const int before = get(p), after = next(before);
                set(p, after);
                return "player 3.7 " + field + ": " + std::to_string(before) + " -> " + std::to_string(after) + "\n";
            }, 1};
}

int plusOne(int v) { return (v + 1) % 256; }
int otherQuarter(int v) { return v >= 400 ? v - 4 : v + 4; }  // stored as v / 4

std::vector<DiffRow> diffRows() {
    const ConsoleKind nes = Console::Nes, snes = Console::Snes;
    std::vector<DiffRow> rows = {
        {"city", nes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(3);
             const std::string line = "team 3 city: " + q(t.getCity()) + " -> \"MIAMI\"\n";
             t.setCity("MIAMI");
             return line;
         }, 1},
        {"city with a quote, a backslash and bytes outside ASCII's printable range", nes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(0);
             const std::string line = "team 0 city: " + q(t.getCity()) + " -> \"A\\\"B\\\\C\\x01\\xC3\"\n";
             t.setCity("A\"B\\C\x01\xC3");
             return line;
         }, 1},
        {"mascot", snes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(26);
             const std::string line = "team 26 mascot: " + q(t.getMascot()) + " -> \"HEAT\"\n";
             t.setMascot("HEAT");
             return line;
         }, 1},
        {"abbreviation", nes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(5);
             const std::string line = "team 5 abrev: " + q(t.getAbrev()) + " -> \"ZZ\"\n";
             t.setAbrev("ZZ");
             return line;
         }, 1},
        {"points scored", nes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(3);
             const int before = t.getPointsScored();
             t.setPointsScored(static_cast<std::uint8_t>(plusOne(before)));
             return "team 3 ps: " + std::to_string(before) + " -> " + std::to_string(plusOne(before)) + "\n";
         }, 1},
        {"points given", snes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(3);
             const int before = t.getPointsGiven();
             t.setPointsGiven(static_cast<std::uint8_t>(plusOne(before)));
             return "team 3 pg: " + std::to_string(before) + " -> " + std::to_string(plusOne(before)) + "\n";
         }, 1},
        {"NES uniform", nes, kSave, [](Change& c) {
             clsTeam& t = *c.league.getTeamRef(3);
             const int before = t.getUniformColor_NES_1(), after = before == 0x27 ? 0x16 : 0x27;
             t.setUniformColor_NES_single(1, static_cast<std::uint8_t>(after));
             char line[64];
             std::snprintf(line, sizeof line, "team 3 uniform nes 1: 0x%02X -> 0x%02X\n", before, after);
             return std::string(line);
         }, 1},
        {"SNES uniform words, bytes of the image, bit 15 too", snes, !kSave, [](Change& c) {
             const auto word = [&](std::size_t at) { return c.image[at] | c.image[at + 1] << 8; };
             const std::size_t at = static_cast<std::size_t>(c.offsets[E::uniformTable] + 256 * 3 + 2 * 17), next = at + 256;
             const int before = word(at), was = word(next);
             c.image[at] = 0xFF;  // low byte first
             c.image[at + 1] = 0x7F;
             c.image[next + 1] ^= 0x80;  // team 4's word 17
             char line[128];
             std::snprintf(line, sizeof line, "team 3 uniform snes 17: 0x%04X -> 0x7FFF\nteam 4 uniform snes 17: 0x%04X -> 0x%04X\n",
                           before, was, was ^ 0x8000);
             return std::string(line);
         }, 1},
        {"first name", nes, kSave, [](Change& c) {
             clsPlayer& p = player37(c.league);
             const std::string line = "player 3.7 first: " + q(p.getFirst()) + " -> " + q(p.getFirst() + "E") + "\n";
             p.setFirst(p.getFirst() + "E");
             return line;
         }, 1},
        {"last name", snes, kSave, [](Change& c) {
             clsPlayer& p = player37(c.league);
             const std::string line = "player 3.7 last: " + q(p.getLast()) + " -> \"O'NEAL\"\n";
             p.setLast("O'NEAL");
             return line;
         }, 1},
        playerNumber("jersey", nes, [](const clsPlayer& p) { return p.getJersey(); },
                     [](clsPlayer& p, int v) { p.setJersey(static_cast<std::uint8_t>(v)); }, [](int v) { return (v + 1) % 100; }),
        playerNumber("feet", snes, [](const clsPlayer& p) { return p.getFeet(); },
                     [](clsPlayer& p, int v) { p.setFeet(static_cast<std::uint8_t>(v)); }, [](int v) { return (v + 1) % 16; }),
        playerNumber("inch", nes, [](const clsPlayer& p) { return p.getInch(); },
                     [](clsPlayer& p, int v) { p.setInch(static_cast<std::uint8_t>(v)); }, [](int v) { return (v + 1) % 16; }),
        playerNumber("weight", nes, [](const clsPlayer& p) { return p.getWeight(); },
                     [](clsPlayer& p, int v) { p.setWeight(static_cast<std::int16_t>(v)); }, otherQuarter),
        playerNumber("pos", snes, [](const clsPlayer& p) { return p.getPosition(); },
                     [](clsPlayer& p, int v) { p.setPosition(static_cast<std::uint8_t>(v)); }, [](int v) { return (v + 1) % 5; }),
        playerNumber("fg", nes, [](const clsPlayer& p) { return p.getFGpercent(); },
                     [](clsPlayer& p, int v) { p.setFGpercent(static_cast<std::int16_t>(v)); }, otherQuarter),
        playerNumber("ft", snes, [](const clsPlayer& p) { return p.getFTpercent(); },
                     [](clsPlayer& p, int v) { p.setFTpercent(static_cast<std::int16_t>(v)); }, otherQuarter),
        playerNumber("threept", nes, [](const clsPlayer& p) { return p.get3PTpercent(); },
                     [](clsPlayer& p, int v) { p.set3PTpercent(static_cast<std::int16_t>(v)); }, otherQuarter),
        playerNumber("rspeed", nes, [](const clsPlayer& p) { return p.getRunSpeed(); },
                     [](clsPlayer& p, int v) { p.setRunSpeed(static_cast<std::uint8_t>(v)); }, plusOne),
        playerNumber("jump", snes, [](const clsPlayer& p) { return p.getJump(); },
                     [](clsPlayer& p, int v) { p.setJump(static_cast<std::uint8_t>(v)); }, plusOne),
        playerNumber("steal", nes, [](const clsPlayer& p) { return p.getSteal(); },
                     [](clsPlayer& p, int v) { p.setSteal(static_cast<std::uint8_t>(v)); }, plusOne),
        playerNumber("block", nes, [](const clsPlayer& p) { return p.getBlockByte(); },
                     [](clsPlayer& p, int v) { p.setBlock(static_cast<std::uint8_t>(v)); }, [](int v) { return v ^ 0x80; }),
        playerNumber("shoot", snes, [](const clsPlayer& p) { return p.getShotRangeByte(); },
                     [](clsPlayer& p, int v) { p.setShotRange(static_cast<std::uint8_t>(v)); }, plusOne),
        playerNumber("stam", nes, [](const clsPlayer& p) { return p.getStamina(); },
                     [](clsPlayer& p, int v) { p.setStamina(static_cast<std::uint8_t>(v)); }, plusOne),
        playerNumber("unknown", snes, [](const clsPlayer& p) { return p.getUnknownByte(); },
                     [](clsPlayer& p, int v) { p.setUnknownByte(static_cast<std::uint8_t>(v)); }, plusOne),
        {"game", nes, kSave, [](Change& c) {
             const auto abrev = [&](int t) { return c.league.getTeamRef(t)->getAbrev(); };
             const auto [home, visitor] = c.league.getMatchupBytes(17);
             const int newHome = (home + 1) % 27;
             const std::string line = "game 17: " + q(abrev(visitor) + " at " + abrev(home)) + " -> " +
                                      q(abrev(visitor) + " at " + abrev(newHome)) + "\n";
             c.league.setMatchupBytes(17, static_cast<std::uint8_t>(newHome), visitor);
             return line;
         }, 1},
        {"game, a byte of the image whose team stays", snes, !kSave, [](Change& c) {
             const std::size_t at = static_cast<std::size_t>(c.offsets[E::scheduleTable] + 2 * 1106);
             const auto abrev = [&](int t) { return c.league.getTeamRef(t & 31)->getAbrev(); };
             const int home = c.image[at], visitor = c.image[at + 1];
             c.image[at] = static_cast<std::uint8_t>(home ^ 0x40);
             char bytes[64];
             std::snprintf(bytes, sizeof bytes, " (0x%02X 0x%02X -> 0x%02X 0x%02X)\n", home, visitor, home ^ 0x40, visitor);
             const std::string matchup = q(abrev(visitor) + " at " + abrev(home));
             return "game 1106: " + matchup + " -> " + matchup + bytes;
         }, 1},
        {"all-star slot", nes, kSave, [](Change& c) {
             const auto [team, player] = c.league.getWestAllStar(3);
             const int newPlayer = (player + 1) % 12;
             c.league.setWestAllStar(3, team, static_cast<std::uint8_t>(newPlayer));
             return "west all-star 3: " + std::to_string(team) + "." + std::to_string(player) + " -> " + std::to_string(team) +
                    "." + std::to_string(newPlayer) + "\n";
         }, 1},
        {"all-star slot, bytes of the image", snes, !kSave, [](Change& c) {
             const std::size_t at = static_cast<std::size_t>(c.offsets[E::allStarRosterTable] + 24 + 2 * 11);  // east 11
             const int team = c.image[at] / 2, player = c.image[at + 1] / 2;
             c.image[at] = 2 * 26;
             c.image[at + 1] = 2 * 11;
             return "east all-star 11: " + std::to_string(team) + "." + std::to_string(player) + " -> 26.11\n";
         }, 1},
        // Bytes outside the league are counted, and the leagues are still equal.
        {"the two bytes between the NES uniform tables", nes, !kSave, [](Change& c) {
             c.image[static_cast<std::size_t>(c.offsets[E::uniformTable] + 27)] ^= 1;
             c.image[static_cast<std::size_t>(c.offsets[E::uniformTable] + 28)] ^= 1;
             return std::string("2 bytes differ outside the league\n");
         }, 0},
        {"a longer image", snes, !kSave, [](Change& c) {
             c.image.push_back(0);
             return std::string("1 byte differs outside the league\n");
         }, 0},
        {"a city and the last byte", nes, kSave, [](Change& c) {
             c.image.back() ^= 0x55;  // saving leaves it as it is
             clsTeam& t = *c.league.getTeamRef(26);
             const std::string line = "team 26 city: " + q(t.getCity()) + " -> \"X\"\n1 byte differs outside the league\n";
             t.setCity("X");
             return line;
         }, 1},
    };
    return rows;
}

TEST(CompareCommands, DiffPrintsTheOneFieldThatDiffers) {
    const std::string dir = testsupport::freshDir("cli-diff");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    const RomImage demo[] = {{}, DemoRom::makeNes(), DemoRom::makeSnes()};
    for (const DiffRow& row : diffRows()) {
        SCOPED_TRACE(row.name);
        const bool nes = row.kind == Console::Nes;
        const OffsetSet offsets = nes ? E::nesDefaults() : E::snesDefaults();
        const std::string a = dir + (nes ? "/a.nes" : "/a.smc"), b = dir + (nes ? "/b.nes" : "/b.smc");
        RomImage image = demo[row.kind];
        clsProject league;
        ASSERT_EQ(loadProjectFromRom(league, image, offsets, row.kind), Result::Ok);
        Change change{league, image, offsets};
        const std::string lines = row.edit(change);
        if (row.save) { ASSERT_EQ(saveProjectToRom(league, image, offsets, row.kind), Result::Ok); }
        testsupport::writeBytes(a, demo[row.kind]);
        testsupport::writeBytes(b, image);
        const clitest::CliResult r = run({"diff", a, b}, dir);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, lines);
        EXPECT_EQ(r.err, "");
    }
}

struct UsageRow {
    std::string name;
    std::vector<std::string> args;
    int status;
    std::string out, err;
};

TEST(CompareCommands, DiffOfEqualLeaguesUnreadableImagesAndUsage) {
    const std::string dir = testsupport::freshDir("cli-diff-usage");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), Result::Ok);
    fs::copy_file(dir + "/demo.nes", dir + "/copy.bin");
    const UsageRow rows[] = {
        {"the same image", {"diff", "{dir}/demo.nes", "{dir}/demo.nes"}, 0, "", ""},
        {"the second read as the edition of the first", {"diff", "{dir}/demo.nes", "{dir}/copy.bin"}, 0, "", ""},
        {"a missing second image", {"diff", "{dir}/demo.nes", "{dir}/none.nes"}, 2, "", "{dir}/none.nes: Error loading file!\n"},
        {"a missing first image", {"diff", "{dir}/none.smc", "{dir}/demo.smc"}, 2, "", "{dir}/none.smc: Error loading file!\n"},
        {"images of two editions", {"diff", "{dir}/demo.smc", "{dir}/demo.nes"}, 2, "", "{dir}/demo.nes: Invalid rom!\n"},
        {"an edition forced", {"diff", "--snes", "{dir}/demo.nes", "{dir}/demo.nes"}, 2, "", "{dir}/demo.nes: Invalid rom!\n"},
        {"one argument", {"diff", "{dir}/demo.nes"}, 2, "", "usage: tamsel-cli diff A B\n"},
        {"an unknown option", {"diff", "{dir}/demo.nes", "{dir}/demo.nes", "--fast"}, 2, "", "tamsel-cli diff: unknown option --fast\n"},
    };
    for (const UsageRow& row : rows) {
        SCOPED_TRACE(row.name);
        const clitest::CliResult r = run(row.args, dir);
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.out, clitest::expand(row.out, dir));
        EXPECT_EQ(r.err, clitest::expand(row.err, dir));
    }
}

// The lines below are read off the reference files: expected/league.tpr (the decoded league) against
// edit.tpr (the league of the edited image).
TEST(CompareCommands, DiffOfTheReferenceImagesAndTheirEditedImages) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-diff-fixtures");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    struct Row {
        std::string folder, ext;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {"nes-1", ".nes", {"team 0 city: \"LYLFHTGTHDS\" -> \"IXRAUHGQ\"\n", "east all-star 11: 4.7 -> 0.3\n"}},
        {"snes-1", ".smc", {"team 0 city: \"UONY\" -> \"IXRAUHGQ\"\n", "west all-star 0: 11.5 -> 13.0\n", "east all-star 11: 16.9 -> 0.3\n"}},
        {"snes-overflow-2", ".smc", {"team 0 city: \"SXT ITMX\" -> \"IANWIYDEP ZK\"\n", "east all-star 11: 10.9 -> 16.5\n"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.folder);
        const std::string game = testsupport::fixture(row.folder + "/game" + row.ext);
        const clitest::CliResult r = run({"diff", game, testsupport::fixture(row.folder + "/expected/edited" + row.ext)}, dir);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.rfind(row.lines.front(), 0), 0u) << r.out.substr(0, 200);
        for (const std::string& line : row.lines) EXPECT_NE(r.out.find(line), std::string::npos) << line;
        EXPECT_EQ(r.out.substr(r.out.size() - row.lines.back().size()), row.lines.back());
        const clitest::CliResult same = run({"diff", game, game}, dir);
        EXPECT_EQ(same.status, 0);
        EXPECT_EQ(same.out, "");
    }
}

struct CheckRow {
    std::string name;
    std::vector<std::string> args;
    int status;
    std::string out, err;  // out: its start when it ends in "...", else all of it
};

TEST(CompareCommands, CheckReadsAFileAsItsImportDoes) {
    REQUIRE_FIXTURES();
    const std::string fx = testsupport::fixture("nes-1");
    const std::string player = testsupport::readText(fx + "/expected/player_0_0.tpl"), team = testsupport::readText(fx + "/expected/team0.tte"),
                      league = testsupport::readText(fx + "/expected/league.tpr"), edit = testsupport::readText(fx + "/edit.tpr");
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const auto firstLines = [](const std::string& text, int n) {
        std::size_t cut = 0;
        for (int line = 0; line < n; ++line) cut = text.find("\r\n", cut) + 2;
        return text.substr(0, cut);
    };
    const std::string space = "ok\nRead into ";
    const CheckRow rows[] = {
        {"not a number", {"check", "{dir}/number.tpl"}, 1, "", "{dir}/number.tpl:6: weight: 'abc' is not a number\n"},
        {"out of range", {"check", "{dir}/range.tte"}, 1, "", "{dir}/range.tte:4: ps: '300' is outside 0..255\n"},
        {"slot outside 0..12", {"check", "{dir}/slot.tte"}, 1, "", "{dir}/slot.tte:211: slot 13 is outside 0..12\n"},
        {"team outside 0..26", {"check", "{dir}/team.TPR"}, 1, "", "{dir}/team.TPR:5988: team 27 is outside 0..26\n"},
        {"cut before team 26 is complete", {"check", "{dir}/cut.tpr"}, 1, "", "{dir}/cut.tpr:6000: file ends before team 26 is complete\n"},
        {"a missing key", {"check", "{dir}/key.tpl"}, 1, "", "{dir}/key.tpl:15: the player has no key stam\n"},
        {"empty", {"check", "{dir}/empty.tte"}, 1, "", "{dir}/empty.tte:1: the file is empty\n"},
        {"missing", {"check", "{dir}/none.tpr"}, 1, "", "{dir}/none.tpr: the file cannot be read\n"},
        {"a byte-order mark", {"check", "{dir}/bom.tpl"}, 0, "ok\n", ""},
        // Into an image in memory: where the file went, the space table and whether the save fits.
        {"a league that fits", {"check", "{fx}/edit.tpr", "--rom", "{dir}/game.nes"}, 0,
         "ok\nRead into the league of {dir}/game.nes (nothing is saved)\n\nRegion              Used  Available  Left\n"
         "Abbreviations        155        171    16\nCities               259        259     0\nMascots              218        218     0\n"
         "Players             6503       6915   412\n\nSaving now: everything fits\n", ""},
        {"a league whose cities do not fit", {"check", "{dir}/long.tpr", "--rom", "{dir}/game.nes"}, 1, space + "the league...",
         "City names are too long! (Cities: 260 of 259 bytes)\n"},
        {"a team into team 4 of an SNES image", {"check", "{fx}/expected/team0.tte", "--rom", "{dir}/game.smc", "--team", "4"}, 1,
         space + "team 4 of {dir}/game.smc (nothing is saved)\n\n...", "Mascot names are too long! (Mascots: 220 of 218 bytes)\n"},
        {"a player into slot 3 of team 5", {"check", "{fx}/expected/player_26_11.tpl", "--rom", "{dir}/game.nes", "--team", "5", "--player", "3"}, 0,
         space + "team 5 player 3 of {dir}/game.nes (nothing is saved)\n...", ""},
        {"a player into team 0 slot 0", {"check", "{fx}/expected/player_26_11.tpl", "--rom", "{dir}/game.nes"}, 0, space + "team 0 player 0 of...", ""},
        {"a fault found before the image is looked at", {"check", "{dir}/number.tpl", "--rom", "{dir}/game.nes"}, 1, "",
         "{dir}/number.tpl:6: weight: 'abc' is not a number\n"},
        {"a missing image", {"check", "{fx}/edit.tpr", "--rom", "{dir}/none.nes"}, 1, "", "Error loading file!\n"},
        // Usage errors.
        {"another kind of file", {"check", "{dir}/notes.txt"}, 2, "", "tamsel-cli check: FILE must end in .tpl, .tte or .tpr\n"},
        {"--team without --rom", {"check", "{dir}/bom.tpl", "--team", "3"}, 2, "", "tamsel-cli check: --team and --player go with --rom\n"},
        {"--team for a project", {"check", "{fx}/edit.tpr", "--rom", "{dir}/game.nes", "--team", "3"}, 2, "",
         "tamsel-cli check: --team does not apply to a project file\n"},
        {"--player for a team", {"check", "{dir}/range.tte", "--rom", "{dir}/game.nes", "--player", "3"}, 2, "",
         "tamsel-cli check: --player applies to a player file only\n"},
        {"team 27", {"check", "{dir}/bom.tpl", "--rom", "{dir}/game.nes", "--team", "27"}, 2, "", "tamsel-cli check: --team must be 0..26\n"},
        {"slot 12", {"check", "{dir}/bom.tpl", "--rom", "{dir}/game.nes", "--player", "12"}, 2, "", "tamsel-cli check: --player must be 0..11\n"},
        {"--rom without a name", {"check", "{dir}/bom.tpl", "--rom"}, 2, "", "tamsel-cli check: --rom needs a file name\n"},
        {"two files", {"check", "{dir}/bom.tpl", "{dir}/key.tpl"}, 2, "", "usage: tamsel-cli check FILE [--rom ROM [--team T] [--player P]]\n"},
    };
    const std::string dir = testsupport::freshDir("cli-check");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    fs::copy_file(fx + "/game.nes", dir + "/game.nes");
    fs::copy_file(testsupport::fixture("snes-1/game.smc"), dir + "/game.smc");
    testsupport::writeText(dir + "/number.tpl", replaced(player, "weight=276", "weight=abc"));
    testsupport::writeText(dir + "/range.tte", replaced(team, "ps=102", "ps=300"));
    testsupport::writeText(dir + "/slot.tte", replaced(team, "\r\n#11\r\n", "\r\n#13\r\n"));
    testsupport::writeText(dir + "/team.TPR", replaced(league, "\r\n@26\r\n", "\r\n@27\r\n"));
    testsupport::writeText(dir + "/cut.tpr", firstLines(league, 6000));
    testsupport::writeText(dir + "/key.tpl", replaced(player, "stam=85\r\n", ""));
    testsupport::writeText(dir + "/empty.tte", "");
    testsupport::writeText(dir + "/bom.tpl", "\xEF\xBB\xBF" + player);
    testsupport::writeText(dir + "/notes.txt", player);
    const std::size_t city = edit.find("\r\ncity=") + 2;  // the cities of edit.tpr fill their 259 bytes exactly
    testsupport::writeText(dir + "/long.tpr", std::string(edit).insert(edit.find("\r\n", city), "A"));
    for (const CheckRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args = row.args;
        for (std::string& a : args)
            if (a.rfind("{fx}", 0) == 0) a = fx + a.substr(4);
        const clitest::CliResult r = run(args, dir);
        EXPECT_EQ(r.status, row.status);
        const std::string out = clitest::expand(row.out, dir);
        const bool start = out.size() > 3 && out.substr(out.size() - 3) == "...";
        if (start) {
            EXPECT_EQ(r.out.rfind(out.substr(0, out.size() - 3), 0), 0u) << r.out;
        } else {
            EXPECT_EQ(r.out, out);
        }
        EXPECT_EQ(r.err, clitest::expand(row.err, dir));
    }
    EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") == testsupport::readBytes(fx + "/game.nes"));
}

TEST(CompareCommands, CheckPassesTheGoodExportsOfEveryReferenceImage) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-check-good");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    for (const std::string folder : {"nes-1", "snes-1", "snes-overflow-2"})
        for (const std::string file : {"edit.tpr", "expected/league.tpr", "expected/team0.tte", "expected/team26.tte",
                                       "expected/player_0_0.tpl", "expected/player_26_11.tpl"}) {
            SCOPED_TRACE(folder + "/" + file);
            const clitest::CliResult r = run({"check", testsupport::fixture(folder + "/" + file)}, dir);
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.out, "ok\n");
            EXPECT_EQ(r.err, "");
        }
}

}  // namespace
