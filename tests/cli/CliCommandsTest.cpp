// tamsel-cli info, resave, demo, the interchange exports and imports, report and sprite: each
// message and exit path once, each command's choice of team, slot, attribute and option checked
// against the reference files (what the files hold is the codec, interchange and graphics tests'
// work); and a real run of the tool.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/PathText.h"
#include "cli/CliRun.h"
#include "demo/DemoRom.h"
#include "support/PngDecode.h"
#include "support/ReferenceImages.h"

namespace {

TEST(CliCommands, MessagesExitCodesAndFiles) {
    REQUIRE_FIXTURES();
    const std::string dir = clitest::folder("cli-commands"), fx = testsupport::fixture("nes-1");
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), Result::Ok);
    const RomImage game = testsupport::readBytes(fx + "/game.nes");
    testsupport::writeBytes(dir + "/allstars.nes", testsupport::withDamagedAllStars(game, Console::Nes));
    testsupport::writeBytes(dir + "/cut.nes", RomImage(game.begin(), game.begin() + 0x40710 + 100));  // in a tile
    testsupport::writeText(dir + "/bad.tte", "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
    SettingsData outside;
    outside.nesOffsets[OffsetSet::uniformTable] = 0x60010 - 20;
    ASSERT_EQ(Settings::writeFile(dir + "/outside.ini", outside), Result::Ok);
    const std::string saved = "File successfully saved!\n", stars = testsupport::kDamagedSlots + "\n";
    const std::string usage = "Usage: tamsel-cli COMMAND ARGUMENTS [OPTIONS]\n...";
    clitest::runRows(
        {
            {"info {rom}", 0,
             "Edition: NES\nImage length: 393232 bytes (0x60010)\n\nTeam  City            Mascot          "
             "Abbreviation\n   0  LYLFHTGTHDS     ...\n  26  ...\n\nRegion              Used  Available  Left\n...\n\n"
             "Saving now: everything fits\n",
             ""},
            {"info {dir}/demo.smc", 0, "Edition: SNES\nImage length: 1048576 bytes (0x100000)\n...", ""},
            {"info {dir}/allstars.nes", 0, "...\nSaving now: Unknown error!\n" + stars, ""},
            {"info {dir}/missing.nes", 1, "", "Error loading file! (No such file or directory: {dir}/missing.nes)\n"},
            {"resave {rom}", 0, saved, ""},
            {"resave {dir}/allstars.nes -o {dir}/o.nes", 1, "", "Unknown error!\n" + stars},
            {"resave {rom} -o ''", 2, "", "tamsel-cli resave: -o needs a file name\n"},
            {"demo {dir}/made/here", 0,
             "Wrote {dir}/made/here{sep}demo.nes (393232 bytes)\nWrote {dir}/made/here{sep}demo.smc (1048576 bytes)\n",
             "", "{dir}/made/here/demo.nes={dir}/demo.nes {dir}/made/here/demo.smc={dir}/demo.smc"},
            {"demo {dir}/allstars.nes/sub", 1, "", "Error writing to disk!\n"},
            {"export-project {rom} {dir}/l.tpr", 0, "Project exported!\n", "", "{dir}/l.tpr={fx}/expected/league.tpr"},
            {"export-team {rom} 26 {dir}/t.tte", 0, "Team exported!\n", "", "{dir}/t.tte={fx}/expected/team26.tte"},
            {"export-player {rom} 26 11 {dir}/p.tpl", 0, "Player exported!\n", "",
             "{dir}/p.tpl={fx}/expected/player_26_11.tpl"},
            {"report {rom} 3 {dir}/r.txt --by-position", 0, "Analysis complete!\n", "",
             "{dir}/r.txt={fx}/expected/report_3_bypos.txt"},
            {"report {rom} shooting-range {dir}/r.txt", 0, "Analysis complete!\n", "",
             "{dir}/r.txt={fx}/expected/report_4_plain.txt"},
            {"export-project {rom} {dir}/none/l.tpr", 1, "",
             "Error writing file! (No such file or directory: {dir}/none/l.tpr)\n"},
            {"import-project {rom} {fx}/edit.tpr", 0, saved, "", "", "{fx}/expected/edited.nes"},
            {"import-team {rom} 0 {fx}/expected/team0.tte", 0, saved, ""},
            {"import-player {rom} 26 11 {fx}/expected/player_26_11.tpl -o {dir}/o.nes", 0, saved, "",
             "{dir}/o.nes={fx}/game.nes"},
            {"import-team {rom} 4 {dir}/bad.tte -o {dir}/o.nes", 1, "",
             "Error reading file! (line 3: jersey: '1000' is outside 0..255)\n"},
            {"import-project {rom} {fx}/edit.tpr -o {dir}/none/o.nes", 1, "",
             "Error writing to disk! (No such file or directory: {dir}/none/o.nes)\n"},
            // A settings file named on the command line is used whole or the command fails, as do offsets outside
            // the image.
            {"resave {rom} --settings {dir}/missing.ini", 1, "",
             "Error loading {dir}/missing.ini! (the file cannot be read)\n"},
            {"import-project {rom} {fx}/edit.tpr --settings {dir}/outside.ini -o {dir}/o.nes", 1, "",
             "Error reading data! (uniformTable (0x5FFFC, 27 bytes) lies outside the image of 0x60010 bytes)\n"},
            {"sprite {rom} 0 3 {dir}/a.ppm", 0, "Figure of team 0, variant 3 written to {dir}/a.ppm\n", "",
             "{dir}/a.ppm={fx}/expected/sprite_3.ppm"},
            {"sprite {rom} 0 3 {dir}/a.PNG", 0, "...", "", "{dir}/a.PNG"},
            {"sprite {dir}/cut.nes 0 1 {dir}/a.ppm", 1, "",
             "Error reading data! (the image ends inside the figure's tile data)\n"},
            // Usage errors; the ROM is not read.
            {"--help", 0, usage + "\n  resave ROM [-o OUT]\n...\nExit status: 0 success, 1 failure, 2 usage error.\n",
             ""},
            {"", 2, "", usage},
            {"bogus", 2, "", "tamsel-cli: unknown command bogus (see --help)\n"},
            {"info", 2, "", "usage: tamsel-cli info ROM\n"},
            {"resave a.nes --bogus", 2, "", "tamsel-cli resave: unknown option --bogus\n"},
            {"export-team {rom} 27 {dir}/t.tte", 2, "", "tamsel-cli export-team: TEAM must be 0..26\n"},
            {"export-player {rom} 0 12 {dir}/p.tpl", 2, "", "tamsel-cli export-player: SLOT must be 0..11\n"},
            {"report {rom} 6 {dir}/r.txt", 2, "",
             "tamsel-cli report: ATTR must be 0..5 or run-speed, jumping, stealing, blocking, shooting-range, "
             "stamina\n"},
            {"sprite {rom} 0 4 {dir}/a.ppm", 2, "", "tamsel-cli sprite: VARIANT must be 0..3 for the NES edition\n"},
            {"sprite {dir}/g.smc 0 8 {dir}/a.ppm", 2, "",
             "tamsel-cli sprite: VARIANT must be 0..7 for the SNES edition\n"},
            {"sprite {rom} 27 0 {dir}/a.ppm", 2, "", "tamsel-cli sprite: TEAM must be 0..26\n"},
            {"sprite {rom} 0 0 {dir}/a.bmp", 2, "", "tamsel-cli sprite: OUT must end in .png or .ppm\n"},
            {"sprite {rom} 0 0 .png", 2, "", "tamsel-cli sprite: OUT must end in .png or .ppm\n"},
        },
        dir, fx + "/game.nes");
    // A name ending in .png in any case gives a PNG file of the figure.
    const testsupport::DecodedPng png = testsupport::decodePng(testsupport::readBytes(dir + "/a.PNG"));
    const RomImage ppm = testsupport::readBytes(fx + "/expected/sprite_3.ppm");  // a 13-byte header, then pixels
    EXPECT_TRUE(png.ok && png.width == 32 && png.height == 96 && png.rgb == RomImage(ppm.begin() + 13, ppm.end()));
}

// The built tool, as a user runs it. On Windows its arguments and output are UTF-8 as elsewhere, and
// printed lines end in CR LF.
TEST(CliCommands, RunAsAProgram) {
    const std::string dir = testsupport::freshDir("cli-process");
    const std::pair<std::string, clitest::CliResult> runs[] = {
        {"demo {dir}/roms",
         {0, "Wrote {dir}/roms{sep}demo.nes (393232 bytes)\nWrote {dir}/roms{sep}demo.smc (1048576 bytes)\n", ""}},
        {"info", {2, "", "usage: tamsel-cli info ROM\n"}},
        {"demo \"{dir}/\xC3\x89quipe \xE3\x83\x90\"",
         {0, "Wrote {dir}/\xC3\x89quipe \xE3\x83\x90{sep}demo.nes (393232 bytes)\nWrote ...", ""}},
    };
    for (const auto& [args, expected] : runs) {
        SCOPED_TRACE(args);
        const std::string command =
            "\"" TAMSEL_CLI_EXE "\" " + clitest::expand(args, dir) + " >" + dir + "/out.txt 2>" + dir + "/err.txt";
#ifdef _WIN32
        // cmd.exe takes the outer quotes off a command line that starts with one.
        const int status = ::_wsystem(PathText::toWide("\"" + command + "\"")->c_str());
        const auto printed = [](std::string text) {
            for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
            return text;
        };
#else
        const int raw = std::system(command.c_str());
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        const auto printed = [](const std::string& text) { return text; };
#endif
        EXPECT_EQ(status, expected.status);
        EXPECT_TRUE(
            clitest::matches(printed(testsupport::readText(dir + "/out.txt")), clitest::expand(expected.out, dir)));
        EXPECT_TRUE(
            clitest::matches(printed(testsupport::readText(dir + "/err.txt")), clitest::expand(expected.err, dir)));
    }
    EXPECT_TRUE(testsupport::readBytes(dir + "/roms/demo.nes") == DemoRom::makeNes());
    std::vector<std::uint8_t> made;
    EXPECT_EQ(FileIO::readWholeFile(dir + "/\xC3\x89quipe \xE3\x83\x90/demo.smc", made), Result::Ok);
    EXPECT_TRUE(made == DemoRom::makeSnes());
}

}  // namespace
