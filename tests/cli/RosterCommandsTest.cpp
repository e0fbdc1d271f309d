// tamsel-cli export-csv, import-csv, swap and check-schedule: each message and exit path once. What
// the tables, trades and schedule checks hold is the interchange and model tests' work; here the
// expected images and tables come from the core, so that each row checks the command's choices.
#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "interchange/PlayerCsv.h"
#include "model/Trade.h"

namespace {

TEST(RosterCommands, MessagesExitCodesAndFiles) {
    REQUIRE_FIXTURES();
    const std::string dir = clitest::folder("cli-roster"), original = testsupport::fixture("nes-1/game.nes");
    const OffsetSet offsets = OffsetSet::nesDefaults();
    const RomImage rom = testsupport::readBytes(original);
    clsProject league;
    ASSERT_EQ(loadProjectFromRom(league, rom, offsets, Console::Nes), Result::Ok);
    const auto saved = [&](const std::string& name, clsProject changed) {
        RomImage image = rom;
        ASSERT_EQ(saveProjectToRom(changed, image, offsets, Console::Nes), Result::Ok);
        testsupport::writeBytes(dir + "/" + name, image);
    };
    const std::string table = PlayerCsv::writePlayers(league);
    testsupport::writeText(dir + "/table.csv", table);
    const std::string edit =
        table.substr(0, table.find("\r\n") + 2) + "3,4,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n";
    testsupport::writeText(dir + "/edit.csv", edit);
    testsupport::writeText(dir + "/bad.csv", edit + "3,5,AB,CDE,32,6,9,abc,0,48,84,20,31,211,200,92,138,99\r\n");
    clsProject changed = league;
    LineReport why;
    ASSERT_EQ(PlayerCsv::importPlayersText(changed, edit, why), Result::Ok);
    saved("edited.nes", changed);
    ASSERT_TRUE(Trade::swapPlayers(changed = league, {0, 0}, {26, 11}));
    saved("traded.nes", changed);
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), Result::Ok);  // its schedule gives every team 41 games at home and 41 away
    const std::string ok = "File successfully saved!\n",
                      place = "tamsel-cli swap: each place must be TEAM.SLOT with TEAM 0..26 and SLOT 0..11\n";
    clitest::runRows(
        {
            {"export-csv {rom} {dir}/p.csv", 0, "Players exported!\n", "", "{dir}/p.csv={dir}/table.csv"},
            {"export-csv {rom} {dir}/none/p.csv", 1, "",
             "Error writing file! (No such file or directory: {dir}/none/p.csv)\n"},
            {"import-csv {rom} {dir}/edit.csv", 0, ok, "", "", "{dir}/edited.nes"},
            {"import-csv {rom} {dir}/bad.csv -o {dir}/o.nes", 1, "",
             "Error reading file! ({dir}/bad.csv:3: column weight: 'abc' is not a number)\n"},
            {"import-csv {rom} {dir}/none.csv", 1, "", "Error reading file! (the file cannot be read)\n"},
            {"swap {rom} 26.11 0.0 -o {dir}/o.nes", 0, ok, "", "{dir}/o.nes={dir}/traded.nes"},
            {"swap {rom} 27.0 0.0", 2, "", place},
            {"swap {rom} 0.0 0.12", 2, "", place},
            {"swap {rom} 0.0.0 0.1", 2, "", place},
            {"swap {rom} .1 0.1", 2, "", place},
            {"swap {dir}/missing.nes 0.0 0.1", 1, "",
             "Error loading file! (No such file or directory: {dir}/missing.nes)\n"},
            {"check-schedule {rom}", 1,
             "Team  Abbreviation  Games  Home  Away\n   0  WFYP             92    39    55\n...\n  26  RFP             "
             " 79    33    48\n\ngame 13: ATCPQ plays itself\n...\nteam 26 (RFP) plays 79 games, most teams play 87\n",
             ""},
            {"check-schedule {dir}/demo.nes", 0,
             "Team  Abbreviation  Games  Home  Away\n...\n  26  AMB              82    41    41\n\nno problems\n", ""},
            {"check-schedule {dir}/missing.nes", 2, "",
             "Error loading file! (No such file or directory: {dir}/missing.nes)\n"},
        },
        dir, original);
}

}  // namespace
