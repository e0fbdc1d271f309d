// tamsel-cli diff and check. diff: equal leagues with bytes outside them, a league changed and saved as well
// (each line of a field is the model's LeagueDiff test); a reference image against its edited image. check: each way a
// file is read, refused or read into an image, and the usage errors.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/CliRun.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "support/ReferenceImages.h"

namespace {

namespace fs = std::filesystem;
using E = OffsetSet;

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
    // The demo images with bytes outside the league changed, and with a league changed and saved as well.
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), Result::Ok);
    RomImage between = DemoRom::makeNes(), longer = DemoRom::makeSnes(), city = between;
    const auto at = static_cast<std::size_t>(E::nesDefaults()[E::uniformTable] + 27);  // between the uniform tables
    between[at] ^= 1, between[at + 1] ^= 1;
    longer.push_back(0);
    clsProject league = testsupport::decoded(city, Console::Nes);
    league.getTeamRef(26)->setCity("X");
    ASSERT_EQ(saveProjectToRom(league, city, E::nesDefaults(), Console::Nes), Result::Ok);
    city.back() ^= 0x55;  // a byte the save leaves
    testsupport::writeBytes(dir + "/between.nes", between);
    testsupport::writeBytes(dir + "/longer.smc", longer);
    testsupport::writeBytes(dir + "/city.nes", city);
    clitest::runRows(
        {
            {"diff {rom} {dir}/copy.bin", 0, "", ""},  // the second read as the edition of the first
            // Bytes outside the league are counted; leagues equal otherwise exit 0.
            {"diff {dir}/demo.nes {dir}/between.nes", 0, "2 bytes differ outside the league\n", ""},
            {"diff {dir}/demo.smc {dir}/longer.smc", 0, "1 byte differs outside the league\n", ""},
            {"diff {dir}/demo.nes {dir}/city.nes", 1,
             "team 26 city: \"AMBRIS\" -> \"X\"\n1 byte differs outside the league\n", ""},
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
        },
        dir, fx + "/game.nes");
}

}  // namespace
