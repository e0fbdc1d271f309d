// tamsel-cli: the reference images described and drawn; every command's messages, exit
// codes and files (the files' contents are checked in full by the codec, interchange and graphics
// tests, here each command's choice of team, slot, attribute and option); and a real run of the tool.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/CliCommand.h"
#include "demo/DemoRom.h"
#include "codec/RomReader.h"
#include "base/FileIO.h"
#include "settings/Settings.h"
#include "support/PngDecode.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status;
    std::string out, err;
};

// A figure's PNG file decodes to the pixels of its PPM file (after the PPM's 13-byte header).
void expectPngHoldsPpmPixels(const std::string& png, const std::string& ppm) {
    const testsupport::DecodedPng decoded = testsupport::decodePng(testsupport::readBytes(png));
    const std::vector<std::uint8_t> want = testsupport::readBytes(ppm);
    ASSERT_TRUE(decoded.ok) << png;
    EXPECT_EQ(decoded.width, 32);
    EXPECT_EQ(decoded.height, 96);
    ASSERT_EQ(want.size(), 13 + 3 * 32 * 96) << ppm;
    EXPECT_TRUE(decoded.rgb == std::vector<std::uint8_t>(want.begin() + 13, want.end())) << png;
}

// Runs the tool in process with {dir}/tamsel.ini for its offsets. In the arguments "{dir}" stands for
// the folder, "{rom}" for {dir}/game.nes and "{fx}" for the folder of the NES reference image.
CliResult run(std::vector<std::string> args, const std::string& dir) {
    const std::pair<std::string, std::string> names[] = {{"{rom}", dir + "/game.nes"}, {"{dir}", dir}, {"{fx}", testsupport::fixture("nes-1")}};
    for (std::string& a : args)
        for (const auto& [key, value] : names)
            for (std::size_t at; (at = a.find(key)) != std::string::npos;) a.replace(at, key.size(), value);
    if (!args.empty() && args[0][0] != '-') args.insert(args.begin() + 1, {"--settings", dir + "/tamsel.ini"});
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

// The exit status; `said` within the output on success, at the start of the error text otherwise;
// nothing in the other stream.
void expectSaid(const CliResult& r, int status, const std::string& said) {
    EXPECT_EQ(r.status, status) << r.err;
    EXPECT_NE(status == 0 ? r.out.find(said) : r.err.rfind(said, 0), std::string::npos) << r.out << r.err;
    EXPECT_EQ(status == 0 ? r.err : r.out, "");
}

// info names every team as the reader decodes it, and the space of each region; sprite draws the
// variant asked for (every variant's picture is the figure drawing's own test), as PPM and as PNG.
TEST(CliCommands, ReferenceImagesDescribedAndDrawn) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-fixtures");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    for (const std::string folder : {"nes-1", "snes-1", "snes-overflow-2"}) {
        SCOPED_TRACE(folder);
        const bool nes = folder == "nes-1";
        const std::string rom = testsupport::fixture(folder + (nes ? "/game.nes" : "/game.smc"));
        const std::string out = dir + "/" + folder;
        clsProject pr;
        ASSERT_EQ(loadProjectFromRom(pr, testsupport::readBytes(rom), nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(), nes ? 1 : 2), 0);
        const CliResult info = run({"info", rom}, dir);
        expectSaid(info, 0, nes ? "Edition: NES\nImage length: 393232 bytes (0x60010)" : "Edition: SNES\nImage length: 1048576 bytes (0x100000)");
        for (int t = 0; t < 27; ++t) {
            char line[80];
            const clsTeam& tm = *pr.getTeamRef(t);
            std::snprintf(line, sizeof line, "\n%4d  %-16s%-16s%s\n", t, tm.getCity().c_str(), tm.getMascot().c_str(), tm.getAbrev().c_str());
            EXPECT_NE(info.out.find(line), std::string::npos) << line;
        }
        EXPECT_NE(info.out.find("Saving now: everything fits\n"), std::string::npos);
        EXPECT_EQ(info.out.find("Player overflow") != std::string::npos, !nes);
        const std::string variant = nes ? "3" : "7";  // the last one
        const auto want = testsupport::readBytes(testsupport::fixture(folder + "/expected/sprite_" + variant + ".ppm"));
        expectSaid(run({"sprite", rom, "0", variant, out + ".ppm"}, dir), 0, "Figure of team 0, variant " + variant);
        EXPECT_TRUE(testsupport::readBytes(out + ".ppm") == want);
        const std::string png = out + (nes ? ".PNG" : ".png");  // the extension in any case
        expectSaid(run({"sprite", rom, "0", variant, png}, dir), 0, "written to " + png);
        expectPngHoldsPpmPixels(png, out + ".ppm");
    }
}

// One run of the tool, named by its command line: the exit status and what it says; the file the
// command writes and the file it then equals, or the file it must not write; what {rom} holds afterwards.
struct Row {
    std::vector<std::string> args;
    int status;
    std::string said;
    std::vector<std::pair<std::string, std::string>> written = {};
    std::vector<std::string> notWritten = {};
    std::string image = "{fx}/game.nes";
};

TEST(CliCommands, MessagesExitCodesAndFiles) {
    REQUIRE_FIXTURES();
    const std::string saved = "File successfully saved!\n", readError = "Error reading file!";
    const Row rows[] = {
        {{"resave", "{rom}"}, 0, saved},
        {{"resave", "{dir}/long.nes"}, 1, "Abbreviations are too long!\n"},
        {{"info", "{dir}/long.nes"}, 0, "Abbreviations       1676        171 -1505\n"},
        {{"info", "{dir}/long.nes"}, 0, "Saving now: Abbreviations are too long!\n"},
        {{"info", "{dir}/missing.nes"}, 1, "Error loading file!\n"},
        {{"info", "{dir}/nes-image.smc"}, 1, "Invalid rom!\n"},
        {{"resave", "{dir}/short.nes", "-o", "{dir}/o.nes"}, 1,
         "Error reading data! (teamPtrTable (0x8011, 54 bytes) lies outside the image of 0x13 bytes)\n", {}, {"o.nes"}},
        {{"demo", "{dir}/made/here"}, 0, "demo.smc (1048576 bytes)", {{"made/here/demo.smc", "{dir}/demo.smc"}}},
        {{"demo", "{dir}/long.nes/sub"}, 1, "Error writing to disk!\n"},
        {{"export-project", "{rom}", "{dir}/l.tpr"}, 0, "Project exported!\n", {{"l.tpr", "{fx}/expected/league.tpr"}}},
        {{"export-team", "{rom}", "26", "{dir}/t.tte"}, 0, "Team exported!\n", {{"t.tte", "{fx}/expected/team26.tte"}}},
        {{"export-player", "{rom}", "26", "11", "{dir}/p.tpl"}, 0, "Player exported!\n", {{"p.tpl", "{fx}/expected/player_26_11.tpl"}}},
        {{"report", "{rom}", "3", "{dir}/r.txt", "--by-position"}, 0, "Analysis complete!\n", {{"r.txt", "{fx}/expected/report_3_bypos.txt"}}},
        {{"report", "{rom}", "shooting-range", "{dir}/r.txt"}, 0, "Analysis complete!\n", {{"r.txt", "{fx}/expected/report_4_plain.txt"}}},
        {{"export-project", "{rom}", "{dir}/none/l.tpr"}, 1, "Error writing file! (No such file or directory: {dir}/none/l.tpr)\n"},
        {{"import-project", "{rom}", "{fx}/edit.tpr", "-o", "{dir}/o.nes"}, 0, saved, {{"o.nes", "{fx}/expected/edited.nes"}}},
        {{"import-project", "{rom}", "{fx}/edit.tpr"}, 0, saved, {}, {}, "{fx}/expected/edited.nes"},
        {{"import-team", "{rom}", "0", "{fx}/expected/team0.tte"}, 0, saved},
        {{"import-player", "{rom}", "26", "11", "{fx}/expected/player_26_11.tpl", "-o", "{dir}/o.nes"}, 0, saved, {{"o.nes", "{fx}/game.nes"}}},
        {{"import-project", "{rom}", "{dir}/bad.tpr"}, 1, readError + " (line 2: ps: '300' is outside 0..255)\n"},
        {{"import-team", "{rom}", "4", "{dir}/bad.tte", "-o", "{dir}/o.nes"}, 1, readError + " (line 3: jersey: '1000' is outside 0..255)\n",
         {}, {"o.nes"}},
        {{"import-player", "{rom}", "4", "0", "{dir}/none.tpl"}, 1, readError + " (the file cannot be read)\n"},
        // Settings files named on the command line are used whole or the command fails; so are offsets
        // that do not fit the image. The image stays as it was.
        {{"resave", "{rom}", "--settings", "{dir}/prose.ini"}, 1,
         "Error loading {dir}/prose.ini! (line 2: 'Dear reader,' is not a whole number from -2147483648 to 2147483647)\n"},
        {{"resave", "{rom}", "--settings", "{dir}/missing.ini"}, 1, "Error loading {dir}/missing.ini! (the file cannot be read)\n"},
        {{"import-project", "{rom}", "{fx}/edit.tpr", "--settings", "{dir}/outside.ini"}, 1,
         "Error reading data! (uniformTable (0x5FFFC, 27 bytes) lies outside the image of 0x60010 bytes)\n"},
        {{"sprite", "{dir}/cut.nes", "0", "1", "{dir}/a.ppm"}, 1, "Error reading data! (the image ends inside the figure's tile data)\n", {}, {"a.ppm"}},
        {{"sprite", "{dir}/cut.smc", "0", "1", "{dir}/a.ppm"}, 1, "Error reading data!", {}, {"a.ppm"}},
        // Usage errors; the ROM is not read.
        {{"--help"}, 0, "resave ROM [-o OUT]"},
        {{}, 2, "Usage: tamsel-cli COMMAND"},
        {{"bogus"}, 2, "tamsel-cli: unknown command bogus"},
        {{"info"}, 2, "usage: tamsel-cli info ROM\n"},
        {{"demo", "a", "b"}, 2, "usage: tamsel-cli demo DIR\n"},
        {{"resave", "a.nes", "-o"}, 2, "tamsel-cli resave: -o needs a file name\n"},
        {{"resave", "a.nes", "--bogus"}, 2, "tamsel-cli resave: unknown option --bogus\n"},
        {{"export-team", "{rom}", "27", "{dir}/t.tte"}, 2, "tamsel-cli export-team: TEAM must be 0..26\n", {}, {"t.tte"}},
        {{"export-player", "{rom}", "0", "12", "{dir}/p.tpl"}, 2, "tamsel-cli export-player: SLOT must be 0..11\n", {}, {"p.tpl"}},
        {{"import-player", "{rom}", "0", "-1", "{dir}/p.tpl"}, 2, "tamsel-cli import-player: unknown option -1\n"},
        {{"report", "{rom}", "speed", "{dir}/r.txt"}, 2, "tamsel-cli report: ATTR must be 0..5 or run-speed, jumping,", {}, {"r.txt"}},
        {{"report", "{rom}", "6", "{dir}/r.txt"}, 2, "tamsel-cli report: ATTR must be", {}, {"r.txt"}},
        {{"export-team", "{rom}", "3"}, 2, "usage: tamsel-cli export-team ROM TEAM OUT.tte\n"},
        {{"sprite", "{rom}", "0", "4", "{dir}/a.ppm"}, 2, "tamsel-cli sprite: VARIANT must be 0..3 for the NES edition\n", {}, {"a.ppm"}},
        {{"sprite", "{dir}/g.smc", "0", "8", "{dir}/a.ppm"}, 2, "tamsel-cli sprite: VARIANT must be 0..7 for the SNES edition\n"},
        {{"sprite", "--nes", "{dir}/g.smc", "0", "5", "{dir}/a.ppm"}, 2, "tamsel-cli sprite: VARIANT must be 0..3"},
        {{"sprite", "{rom}", "0", "x", "{dir}/a.ppm"}, 2, "tamsel-cli sprite: VARIANT"},
        {{"sprite", "{rom}", "27", "0", "{dir}/a.ppm"}, 2, "tamsel-cli sprite: TEAM must be 0..26\n"},
        {{"sprite", "{rom}", "", "0", "{dir}/a.ppm"}, 2, "tamsel-cli sprite: TEAM"},
        {{"sprite", "{rom}", "0", "0", "{dir}/a.bmp"}, 2, "tamsel-cli sprite: OUT must end in .png or .ppm\n", {}, {"a.bmp"}},
        {{"sprite", "{rom}", "0", "0", "{dir}/a"}, 2, "tamsel-cli sprite: OUT must end"},
        {{"sprite", "{rom}", "0", "0"}, 2, "usage: tamsel-cli sprite ROM TEAM VARIANT OUT\n"},
    };
    const std::string dir = testsupport::freshDir("cli-commands"), fx = testsupport::fixture("nes-1");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), Result::Ok);
    RomImage rom = testsupport::readBytes(fx + "/game.nes");  // every abbreviation pointer aims at one 60-letter text
    for (int i = 0; i < 61; ++i) rom[static_cast<std::size_t>(0xE395 + i)] = i < 60 ? 'X' : 0xFF;
    for (std::size_t t = 0; t < 27; ++t) {
        rom[0xE440 + 2 * t] = 0x85;
        rom[0xE441 + 2 * t] = 0xA3;
    }
    testsupport::writeBytes(dir + "/long.nes", rom);
    testsupport::writeBytes(dir + "/short.nes", {'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3});
    testsupport::writeBytes(dir + "/nes-image.smc", testsupport::readBytes(fx + "/game.nes"));
    for (const auto& [image, keep] : {std::pair<std::string, std::size_t>{"nes-1/game.nes", 0x40710 + 100}, {"snes-1/game.smc", 0x88380 + 40}}) {
        auto bytes = testsupport::readBytes(testsupport::fixture(image));  // the league tables and part of the figure's tiles
        bytes.resize(keep);
        testsupport::writeBytes(dir + "/cut" + image.substr(image.size() - 4), bytes);
    }
    testsupport::writeText(dir + "/bad.tpr", "@3\r\nps=300\r\n@END\r\n");
    std::string prose = "C:\\Letters\r\nDear reader,\r\n";
    for (int i = 0; i < 38; ++i) prose += "this is line " + std::to_string(i + 3) + " of a letter, not a settings file.\r\n";
    testsupport::writeText(dir + "/prose.ini", prose);
    SettingsData outside;
    outside.nesOffsets[OffsetSet::uniformTable] = 0x60010 - 20;
    ASSERT_EQ(Settings::writeFile(dir + "/outside.ini", outside), Result::Ok);
    testsupport::writeText(dir + "/bad.tte", "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
    auto path = [&](const std::string& p) { return p[1] == 'f' ? fx + p.substr(4) : dir + p.substr(5); };
    for (const Row& row : rows) {
        std::string commandLine = "tamsel-cli";
        for (const std::string& a : row.args) commandLine += " " + a;
        SCOPED_TRACE(commandLine);
        fs::copy_file(fx + "/game.nes", dir + "/game.nes", fs::copy_options::overwrite_existing);
        fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
        for (const auto& [file, equals] : row.written) fs::remove(dir + "/" + file);
        for (const std::string& file : row.notWritten) fs::remove(dir + "/" + file);
        std::string said = row.said;
        for (std::size_t at; (at = said.find("{dir}")) != std::string::npos;) said.replace(at, 5, dir);
        expectSaid(run(row.args, dir), row.status, said);
        for (const auto& [file, equals] : row.written)
            EXPECT_TRUE(testsupport::readBytes(dir + "/" + file) == testsupport::readBytes(path(equals))) << file;
        for (const std::string& file : row.notWritten) EXPECT_FALSE(fs::exists(dir + "/" + file)) << file;
        EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") == testsupport::readBytes(path(row.image)));
    }
    EXPECT_TRUE(testsupport::readBytes(dir + "/long.nes") == rom);
}

// Roster bytes naming no player: resave (and the imports, which save the same way) prints the editor's
// message and then each slot on its own line, writes nothing and exits 1; info lists the slots below
// its save prediction and exits 0.
TEST(CliCommands, AllStarSlotsNamingNoPlayerAreListedAndNothingIsWritten) {
    const std::string dir = testsupport::freshDir("cli-allstars");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    const std::size_t roster = static_cast<std::size_t>(OffsetSet::nesDefaults()[OffsetSet::allStarRosterTable]);
    RomImage image = DemoRom::makeNes();
    image[roster + 24] = 8;    // east 0: team 4
    image[roster + 25] = 25;   // east 0: player 12
    image[roster + 6] = 184;   // west 3: team 92
    testsupport::writeBytes(dir + "/game.nes", image);
    const std::string listed = "west all-star 3 names team 92\neast all-star 0 names player 12 of team 4\n";
    const CliResult r = run({"resave", "{rom}"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unknown error!\n" + listed);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") == image);
    const CliResult info = run({"info", "{rom}"}, dir);
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.err, "");
    const std::string tail = "\nSaving now: Unknown error!\n" + listed;
    ASSERT_GE(info.out.size(), tail.size());
    EXPECT_EQ(info.out.substr(info.out.size() - tail.size()), tail);
}

// A write that fails names its cause and leaves the image and no temporary file behind. (Writes
// through links are the atomic writer's own test.)
TEST(CliCommands, AFailedWriteNamesItsCause) {
    REQUIRE_FIXTURES();
    const std::string dir = testsupport::freshDir("cli-writes");
    const std::string fx = testsupport::fixture("nes-1");
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    fs::copy_file(fx + "/game.nes", dir + "/game.nes");
    fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
    FileIO::setFailAfterBytesForTesting(0x1000);  // the disk fills up
    const CliResult full = run({"import-project", "{rom}", "{fx}/edit.tpr"}, dir);
    FileIO::setFailAfterBytesForTesting(std::nullopt);
    expectSaid(full, 1, "Error writing to disk! (No space left on device: " + dir + "/game.nes)\n");
    EXPECT_TRUE(testsupport::readBytes(dir + "/game.nes") == testsupport::readBytes(fx + "/game.nes"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "no temporary file is left";
}

// The built tool, as a user runs it.
TEST(CliCommands, RunAsAProgram) {
    const std::string dir = testsupport::freshDir("cli-process");
    auto tool = [&](const std::string& args) {
        const int raw = std::system(("\"" TAMSEL_CLI_EXE "\" " + args + " >\"" + dir + "/out.txt\" 2>\"" + dir + "/err.txt\"").c_str());
        return CliResult{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testsupport::readText(dir + "/out.txt"), testsupport::readText(dir + "/err.txt")};
    };
    expectSaid(tool("demo \"" + dir + "/roms\""), 0, "demo.nes (393232 bytes)");
    expectSaid(tool("info \"" + dir + "/roms/demo.smc\""), 0, "Edition: SNES");
    expectSaid(tool("resave \"" + dir + "/roms/demo.nes\" -o \"" + dir + "/copy.nes\""), 0, "File successfully saved!\n");
    EXPECT_TRUE(testsupport::readBytes(dir + "/copy.nes") == DemoRom::makeNes());
    expectSaid(tool("resave \"" + dir + "/nothing.nes\""), 1, "Error loading file!\n");
    expectSaid(tool("info"), 2, "usage: tamsel-cli info ROM\n");
}

}  // namespace
