// tamsel-cli diff and check. diff: equal leagues with bytes outside them, a league changed and saved as well;
// a reference image against its edited image. check: each way a file is read, refused or read into an image,
// and the usage errors.
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

// Bytes outside the league are counted, and leagues that are equal otherwise exit 0. The rows change the demo
// image's bytes and its league, which is then saved into them. (Each line of a field is the model's LeagueDiff test.)
TEST(CompareCommands, DiffCountsTheBytesOutsideTheLeague) {
    using Change = std::function<void(RomImage&, clsProject&)>;
    const std::size_t between = static_cast<std::size_t>(E::nesDefaults()[E::uniformTable] + 27);
    const std::tuple<const char*, ConsoleKind, Change, std::string, int> rows[] = {
        {"the two bytes between the NES uniform tables", Console::Nes,
         [&](RomImage& image, clsProject&) { image[between] ^= 1, image[between + 1] ^= 1; },
         "2 bytes differ outside the league\n", 0},
        {"a longer image", Console::Snes, [](RomImage& image, clsProject&) { image.push_back(0); },
         "1 byte differs outside the league\n", 0},
        {"a city and the last byte, which a save leaves", Console::Nes,
         [](RomImage& image, clsProject& league) { image.back() ^= 0x55, league.getTeamRef(26)->setCity("X"); },
         "team 26 city: \"AMBRIS\" -> \"X\"\n1 byte differs outside the league\n", 1},
    };
    const std::string dir = clitest::folder("cli-diff");
    for (const auto& [name, kind, change, lines, status] : rows) {
        SCOPED_TRACE(name);
        const bool nes = kind == Console::Nes;
        const OffsetSet o = nes ? E::nesDefaults() : E::snesDefaults();
        RomImage image = nes ? DemoRom::makeNes() : DemoRom::makeSnes();
        const std::string a = dir + (nes ? "/a.nes" : "/a.smc"), b = dir + (nes ? "/b.nes" : "/b.smc");
        testsupport::writeBytes(a, image);
        clsProject league;
        ASSERT_EQ(loadProjectFromRom(league, image, o, kind), Result::Ok);
        change(image, league);
        ASSERT_EQ(saveProjectToRom(league, image, o, kind), Result::Ok);
        testsupport::writeBytes(b, image);
        const clitest::CliResult r = clitest::run("diff " + a + " " + b, dir);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, lines);
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
    const std::string good = "{fx}/expected/player_26_11.tpl ";
    const auto usage = [](const std::string& what) { return "tamsel-cli check: " + what + "\n"; };
    clitest::runRows(
        {
            {"diff {rom} {dir}/copy.bin", 0, "", ""},  // the second read as the edition of the first
            {"diff {rom} {dir}/none.nes", 2, "",
             "{dir}/none.nes: Error loading file! (No such file or directory: {dir}/none.nes)\n"},
            {"diff {dir}/game.smc {rom}", 2, "", "{rom}: Invalid rom!\n"},
            {"diff --snes {rom} {rom}", 2, "", "{rom}: Invalid rom!\n"},
            // The lines are read off expected/league.tpr (the decoded league) and edit.tpr (the edited image's).
            {"diff {fx}/game.nes {fx}/expected/edited.nes", 1,
             "team 0 city: \"LYLFHTGTHDS\" -> \"IXRAUHGQ\"\n...\neast all-star 11: 4.7 -> 0.3\n", ""},
            {"check {fx}/../snes-1/expected/team26.tte", 0, "ok\n", ""},
            {"check {dir}/number.TPL", 1, "", "{dir}/number.TPL:6: weight: 'abc' is not a number\n"},
            {"check {dir}/none.tpr", 1, "", "{dir}/none.tpr: the file cannot be read\n"},
            // Into an image in memory: where the file went, the space table and whether the save fits.
            {"check {fx}/edit.tpr --rom {rom}", 0,
             "ok\nRead into the league of {rom} (nothing is saved)\n\nRegion              Used  Available  "
             "Left\nAbbreviations        155        171    16\nCities               259        259     0\n"
             "Mascots              218        218     0\nPlayers             6503       6915   412\n\n"
             "Saving now: everything fits\n",
             ""},
            {"check {dir}/long.tpr --rom {rom}", 1,
             "ok\nRead into the league...\nCities               260        259    -1\n...",
             "City names are too long! (Cities: 260 of 259 bytes)\n"},
            {"check {fx}/expected/team0.tte --rom {dir}/game.smc --team 4", 1,
             "ok\nRead into team 4 of {dir}/game.smc (nothing is saved)\n\n...",
             "Mascot names are too long! (Mascots: 220 of 218 bytes)\n"},
            {"check " + good + "--rom {rom} --team 5 --player 3", 0,
             "ok\nRead into team 5 player 3 of {rom} (nothing is saved)\n...", ""},
            {"check " + good + "--rom {rom}", 0, "ok\nRead into team 0 player 0 of...", ""},
            {"check {fx}/edit.tpr --rom {dir}/none.nes", 1, "",
             "Error loading file! (No such file or directory: {dir}/none.nes)\n"},
            {"check {dir}/notes.txt", 2, "", usage("FILE must end in .tpl, .tte or .tpr")},
            {"check " + good + "--team 3", 2, "", usage("--team and --player go with --rom")},
            {"check {fx}/edit.tpr --rom {rom} --team 3", 2, "", usage("--team does not apply to a project file")},
            {"check {fx}/expected/team0.tte --rom {rom} --player 3", 2, "",
             usage("--player applies to a player file only")},
            {"check " + good + "--rom {rom} --team 27", 2, "", usage("--team must be 0..26")},
            {"check " + good + "--rom {rom} --player 12", 2, "", usage("--player must be 0..11")},
            {"check " + good + "--rom", 2, "", usage("--rom needs a file name")},
            {"check " + good + good, 2, "", "usage: tamsel-cli check FILE [--rom ROM [--team T] [--player P]]\n"},
        },
        dir, fx + "/game.nes");
}

}  // namespace
