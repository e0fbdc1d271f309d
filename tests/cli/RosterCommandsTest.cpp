// tamsel-cli export-csv, import-csv, swap and check-schedule: each command's messages, exit status and
// files as rows of one table. What the files hold is checked in full by the interchange and model tests;
// here the expected images and tables come from the core, so that each row checks the command's choices.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "cli/CliCommand.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "interchange/PlayerCsv.h"
#include "model/Trade.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

struct Row {
    std::vector<std::string> args;  // "{dir}" stands for the test folder, "{rom}" for {dir}/game.nes
    int status;
    std::vector<std::string> out;  // texts standard output holds, in this order; none: it is empty
    std::string err = "";          // standard error, whole
    std::string made = "";         // a file the command writes, and the name of its expected content
    std::string content = "";      // ("" when the file must not exist afterwards)
    std::string image = "";        // the expected content of {rom} afterwards; "": unchanged
};

std::string substitute(std::string text, const std::string& dir) {
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"{rom}", dir + "/game.nes"}, {"{dir}", dir}})
        for (std::size_t at; (at = text.find(key)) != std::string::npos;) text.replace(at, key.size(), value);
    return text;
}

TEST(RosterCommands, MessagesExitCodesAndFiles) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-roster"), original = testsupport::fixture("nes-1/game.nes");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    const OffsetSet offsets = OffsetSet::nesDefaults();
    const RomImage rom = testsupport::readBytes(original);
    clsProject league;
    ASSERT_EQ(loadProjectFromRom(league, rom, offsets, Console::Nes), Result::Ok);

    // The expected files, made with the core.
    std::map<std::string, std::vector<std::uint8_t>> expected;
    auto saved = [&](const std::string& name, clsProject changed) {
        RomImage image = rom;
        ASSERT_EQ(saveProjectToRom(changed, image, offsets, Console::Nes), Result::Ok);
        expected[name] = image;
    };
    const std::string table = PlayerCsv::writePlayers(league);
    expected["table"] = std::vector<std::uint8_t>(table.begin(), table.end());
    const std::string header = table.substr(0, table.find("\r\n") + 2);
    const std::string edit = header + "3,4,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n";
    clsProject edited = league;
    LineReport why;
    ASSERT_EQ(PlayerCsv::importPlayersText(edited, edit, why), Result::Ok);
    saved("edited", edited);
    clsProject traded = league;
    ASSERT_TRUE(Trade::swapPlayers(traded, {0, 0}, {26, 11}));
    saved("traded", traded);
    clsProject within = league;
    ASSERT_TRUE(Trade::swapPlayers(within, {5, 11}, {5, 0}));
    saved("within", within);
    testsupport::writeText(dir + "/edit.csv", edit);
    testsupport::writeText(dir + "/edit-lf.csv", "\xEF\xBB\xBF" + header.substr(0, header.size() - 2) + "\n3,4,AB,CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\n");
    testsupport::writeText(dir + "/bad.csv", edit + "3,5,AB,CDE,32,6,9,abc,0,48,84,20,31,211,200,92,138,99\r\n");
    testsupport::writeText(dir + "/misspelt.csv", "wieght," + edit);
    testsupport::writeText(dir + "/long.csv", header + "3,4,ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ" + std::string(400, 'Q') +
                                                  ",CDE,32,6,9,220,0,48,84,20,31,211,200,92,138,99\r\n");
    // A balanced season: game g is team g mod 27 at home against team (g mod 27 + 1 + (g div 27) mod 26) mod 27.
    RomImage balanced = rom;
    for (std::size_t g = 0; g < 1107; ++g) {
        const std::size_t at = static_cast<std::size_t>(offsets[OffsetSet::scheduleTable]) + 2 * g;
        balanced[at] = static_cast<std::uint8_t>(0x80 | g % 27);
        balanced[at + 1] = static_cast<std::uint8_t>(0x80 | (g % 27 + 1 + g / 27 % 26) % 27);
    }
    testsupport::writeBytes(dir + "/balanced.nes", balanced);

    const std::string ok = "File successfully saved!\n", place = "tamsel-cli swap: each place must be TEAM.SLOT with TEAM 0..26 and SLOT 0..11\n";
    const Row rows[] = {
        {{"export-csv", "{rom}", "{dir}/p.csv"}, 0, {"Players exported!\n"}, "", "p.csv", "table"},
        {{"export-csv", "{rom}", "{dir}/none/p.csv"}, 1, {}, "Error writing file! (No such file or directory: {dir}/none/p.csv)\n"},
        {{"export-csv", "{dir}/missing.nes", "{dir}/p.csv"}, 1, {}, "Error loading file!\n", "p.csv", ""},
        {{"import-csv", "{rom}", "{dir}/edit.csv"}, 0, {ok}, "", "", "", "edited"},
        {{"import-csv", "{rom}", "{dir}/edit-lf.csv", "-o", "{dir}/o.nes"}, 0, {ok}, "", "o.nes", "edited"},
        {{"import-csv", "{rom}", "{dir}/bad.csv", "-o", "{dir}/o.nes"}, 1, {},
         "Error reading file! ({dir}/bad.csv:3: column weight: 'abc' is not a number)\n", "o.nes", ""},
        {{"import-csv", "{rom}", "{dir}/misspelt.csv"}, 1, {}, "Error reading file! ({dir}/misspelt.csv:1: unknown column 'wieght')\n"},
        {{"import-csv", "{rom}", "{dir}/none.csv"}, 1, {}, "Error reading file! (the file cannot be read)\n"},
        {{"import-csv", "{rom}", "{dir}/long.csv"}, 1, {}, "Player names are too long!\n"},
        {{"import-csv", "{rom}"}, 2, {}, "usage: tamsel-cli import-csv ROM IN.csv [-o OUT]\n"},
        {{"swap", "{rom}", "0.0", "26.11"}, 0, {ok}, "", "", "", "traded"},
        {{"swap", "{rom}", "26.11", "0.0", "-o", "{dir}/o.nes"}, 0, {ok}, "", "o.nes", "traded"},
        {{"swap", "{rom}", "5.0", "5.11"}, 0, {ok}, "", "", "", "within"},
        {{"swap", "{rom}", "7.7", "7.7", "-o", "{dir}/o.nes"}, 0, {ok}, "", "o.nes", "original"},
        {{"swap", "{dir}/missing.nes", "0.0", "0.1"}, 1, {}, "Error loading file!\n"},
        {{"swap", "{rom}", "27.0", "0.0"}, 2, {}, place},
        {{"swap", "{rom}", "0.0", "0.12"}, 2, {}, place},
        {{"swap", "{rom}", "0", "0.1"}, 2, {}, place},
        {{"swap", "{rom}", "0.0.0", "0.1"}, 2, {}, place},
        {{"swap", "{rom}", "a.b", "0.1"}, 2, {}, place},
        {{"swap", "{rom}", ".1", "0.1"}, 2, {}, place},
        {{"swap", "{rom}", "0.1"}, 2, {}, "usage: tamsel-cli swap ROM TEAM.SLOT TEAM.SLOT [-o OUT]\n"},
        {{"check-schedule", "{rom}"}, 1,
         {"Team  Abbreviation  Games  Home  Away\n   0  WFYP             92    39    55\n", "  26  RFP              79    33    48\n\ngame 13: ATCPQ plays itself\n",
          "\nteam 26 (RFP) plays 79 games, most teams play 87\n"}},
        {{"check-schedule", "{dir}/balanced.nes"}, 0, {"\n   0  WFYP             82    41    41\n", "\n  26  RFP              82    41    41\n\nno problems\n"}},
        {{"check-schedule", "{dir}/missing.nes"}, 2, {}, "Error loading file!\n"},
        {{"check-schedule"}, 2, {}, "usage: tamsel-cli check-schedule ROM\n"},
        {{"--help"}, 0, {"export-csv ROM OUT.csv\n", "import-csv ROM IN.csv [-o OUT]\n", "swap ROM TEAM.SLOT TEAM.SLOT [-o OUT]\n", "check-schedule ROM\n"}},
    };
    expected["original"] = rom;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.empty() ? "" : row.args[0] + " " + (row.args.size() > 2 ? row.args[2] : ""));
        fs::copy_file(original, dir + "/game.nes", fs::copy_options::overwrite_existing);
        fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
        if (!row.made.empty()) fs::remove(dir + "/" + row.made);
        std::vector<std::string> args;
        for (const std::string& a : row.args) args.push_back(substitute(a, dir));
        if (args[0] != "--help") args.insert(args.begin() + 1, {"--settings", dir + "/tamsel.ini"});
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCli(args, out, err), row.status);
        EXPECT_EQ(err.str(), substitute(row.err, dir));
        std::size_t from = 0;
        for (const std::string& text : row.out) {
            const std::size_t at = out.str().find(text, from);
            EXPECT_NE(at, std::string::npos) << text << " in\n" << out.str();
            from = at == std::string::npos ? from : at + text.size();
        }
        if (row.out.empty()) { EXPECT_EQ(out.str(), ""); }
        if (!row.made.empty()) {
            EXPECT_EQ(fs::exists(dir + "/" + row.made), !row.content.empty()) << row.made;
            if (!row.content.empty()) { EXPECT_TRUE(testsupport::readBytes(dir + "/" + row.made) == expected.at(row.content)) << row.made; }
        }
        EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") == expected.at(row.image.empty() ? "original" : row.image));
    }
}

}  // namespace
