// tamsel-cli info, resave and demo: in-process through runCli, plus real runs of the tool.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/CliCommand.h"
#include "codec/DemoRom.h"
#include "codec/JsonValue.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

struct FixtureRom {
    const char* folder;
    const char* image;
};

const FixtureRom kRoms[] = {{"nes-1", "game.nes"}, {"snes-1", "game.smc"}, {"snes-overflow-2", "game.smc"}};

std::string fixtureImage(const FixtureRom& f) { return testsupport::fixture(std::string(f.folder) + "/" + f.image); }

TEST(ResaveCommand, FixturesComeBackIdentical) {
    REQUIRE_FIXTURES();
    std::string dir = testsupport::freshDir("cli-resave");
    for (const FixtureRom& f : kRoms) {
        std::string out = dir + "/" + f.folder + "-" + f.image;
        ToolRun r = cli({"resave", fixtureImage(f), "-o", out});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "File successfully saved!\n");
        EXPECT_EQ(r.err, "");
        EXPECT_TRUE(testsupport::readBytes(out) == testsupport::readBytes(fixtureImage(f))) << f.folder;
    }
}

TEST(ResaveCommand, WritesOverTheFileWithoutOutput) {
    std::string dir = testsupport::freshDir("cli-resave-inplace");
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), 0);
    for (const char* name : {"demo.nes", "demo.smc"}) {
        std::string path = dir + "/" + name;
        auto before = testsupport::readBytes(path);
        ToolRun r = cli({"resave", path});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(testsupport::readBytes(path) == before) << name;
    }
}

// A league that decodes but cannot be saved: every abbreviation pointer aims at one
// 60-letter text, so 27 of them overflow the table. The file stays as it was.
TEST(ResaveCommand, ATableThatDoesNotFitLeavesTheFileAlone) {
    std::string dir = testsupport::freshDir("cli-resave-long");
    RomImage rom = DemoRom::makeNes();
    const std::int64_t text = 0xE395;  // start of the NES abbreviation texts
    for (int i = 0; i < 60; ++i) rom[static_cast<std::size_t>(text + i)] = 'X';
    rom[static_cast<std::size_t>(text + 60)] = 0xFF;
    for (int t = 0; t < 27; ++t) {
        rom[static_cast<std::size_t>(0xE440 + 2 * t)] = 0x85;  // (0xA385 & 0x3FFF) + 0xC010 = 0xE395
        rom[static_cast<std::size_t>(0xE440 + 2 * t + 1)] = 0xA3;
    }
    std::string path = dir + "/long.nes";
    testsupport::writeBytes(path, rom);
    ToolRun r = cli({"resave", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Abbreviations are too long!\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(testsupport::readBytes(path) == rom);
    // info shows the table over its size and what a save would say.
    ToolRun info = cli({"info", path});
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("Abbreviations       1676        171 -1505\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Saving now: Abbreviations are too long!"), std::string::npos);
}

TEST(InfoCommand, NamesEveryTeamOfTheFixtures) {
    REQUIRE_FIXTURES();
    for (const FixtureRom& f : kRoms) {
        testjson::Value ref = testjson::parse(testsupport::readText(testsupport::fixture(std::string(f.folder) + "/expected/decoded.json")));
        ToolRun r = cli({"info", fixtureImage(f)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(std::string("Edition: ") + (ref["edition"].s == "nes" ? "NES\n" : "SNES\n")), std::string::npos);
        EXPECT_NE(r.out.find("Image length: " + std::to_string(fs::file_size(fixtureImage(f))) + " bytes"), std::string::npos);
        for (std::size_t t = 0; t < 27; ++t) {
            const testjson::Value& team = ref["teams"][t];
            std::ostringstream line;
            line.width(4);
            line << t;
            std::string row = line.str() + "  " + team["city"].s;
            EXPECT_NE(r.out.find(row), std::string::npos) << row;
            EXPECT_NE(r.out.find(team["mascot"].s), std::string::npos);
            EXPECT_NE(r.out.find(team["abrev"].s), std::string::npos);
        }
        for (const char* region : {"Abbreviations", "Cities", "Mascots", "Players"}) EXPECT_NE(r.out.find(region), std::string::npos);
        EXPECT_EQ(r.out.find("Player overflow") != std::string::npos, ref["edition"].s == "snes");
        EXPECT_NE(r.out.find("Saving now: everything fits"), std::string::npos);
    }
}

TEST(InfoCommand, ShowsTheSpaceOfTheDemoLeague) {
    std::string dir = testsupport::freshDir("cli-info-demo");
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), 0);
    ToolRun r = cli({"info", dir + "/demo.nes"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("   0  ALDERON         KITES           ALD\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Cities               222        259    37\n"), std::string::npos) << r.out;
}

TEST(DemoCommand, WritesBothImagesIntoANewFolder) {
    std::string dir = testsupport::freshDir("cli-demo") + "/made/here";
    ToolRun r = cli({"demo", dir});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("demo.nes (393232 bytes)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("demo.smc (1048576 bytes)"), std::string::npos) << r.out;
    EXPECT_TRUE(testsupport::readBytes(dir + "/demo.nes") == DemoRom::makeNes());
    EXPECT_TRUE(testsupport::readBytes(dir + "/demo.smc") == DemoRom::makeSnes());

    std::string blocked = testsupport::freshDir("cli-demo-blocked") + "/file";
    testsupport::writeText(blocked, "x");
    ToolRun bad = cli({"demo", blocked + "/sub"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Error writing to disk!\n");
}

TEST(CodecCommands, FailuresUseTheEditorsMessages) {
    std::string dir = testsupport::freshDir("cli-codec-failures");
    RomImage shortNes = {'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3};
    testsupport::writeBytes(dir + "/short.nes", shortNes);
    testsupport::writeBytes(dir + "/nes-image.smc", DemoRom::makeNes());
    testsupport::writeBytes(dir + "/empty.nes", {});
    struct Row {
        std::vector<std::string> args;
        const char* message;
    };
    const Row rows[] = {
        {{"info", dir + "/missing.nes"}, "Error loading file!\n"},
        {{"resave", dir + "/missing.smc"}, "Error loading file!\n"},
        {{"resave", dir + "/empty.nes"}, "Error loading file!\n"},
        {{"info", dir + "/nes-image.smc"}, "Invalid rom!\n"},
        {{"info", dir + "/short.nes"}, "Error reading data!\n"},
        {{"resave", dir + "/short.nes", "-o", dir + "/out.nes"}, "Error reading data!\n"},
    };
    for (const Row& row : rows) {
        ToolRun r = cli(row.args);
        EXPECT_EQ(r.status, 1) << row.args[1];
        EXPECT_EQ(r.err, row.message) << row.args[1];
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists(dir + "/out.nes"));
}

TEST(CodecCommands, UsageErrorsExit2) {
    const std::vector<std::vector<std::string>> rows = {
        {"info"}, {"info", "a.nes", "b.nes"}, {"resave"}, {"resave", "a.nes", "-o"}, {"resave", "a.nes", "--bogus"},
        {"demo"}, {"demo", "a", "b"},
    };
    for (const auto& args : rows) {
        ToolRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args[0] << " with " << args.size() - 1 << " arguments";
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.out, "");
    }
    ToolRun help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* name : {"info ROM", "resave ROM [-o OUT]", "demo DIR"}) EXPECT_NE(help.out.find(name), std::string::npos);
}

// The built tool itself, as a user runs it.
int runTool(const std::string& args, const std::string& dir, std::string& out, std::string& err) {
    std::string cmd = std::string("\"") + TAMSEL_CLI_EXE + "\" " + args + " >\"" + dir + "/out.txt\" 2>\"" + dir + "/err.txt\"";
    int raw = std::system(cmd.c_str());
    out = testsupport::readText(dir + "/out.txt");
    err = testsupport::readText(dir + "/err.txt");
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(CodecToolProcess, DemoInfoAndResaveRunAsAProgram) {
    std::string dir = testsupport::freshDir("cli-process");
    std::string out, err;
    ASSERT_EQ(runTool("demo \"" + dir + "/roms\"", dir, out, err), 0) << err;
    EXPECT_EQ(runTool("info \"" + dir + "/roms/demo.smc\"", dir, out, err), 0) << err;
    EXPECT_NE(out.find("Edition: SNES"), std::string::npos);
    EXPECT_NE(out.find("ZEPHYRA"), std::string::npos);
    EXPECT_EQ(runTool("resave \"" + dir + "/roms/demo.nes\" -o \"" + dir + "/copy.nes\"", dir, out, err), 0) << err;
    EXPECT_EQ(out, "File successfully saved!\n");
    EXPECT_TRUE(testsupport::readBytes(dir + "/copy.nes") == DemoRom::makeNes());
    EXPECT_EQ(runTool("resave \"" + dir + "/nothing.nes\"", dir, out, err), 1);
    EXPECT_EQ(err, "Error loading file!\n");
    EXPECT_EQ(runTool("info", dir, out, err), 2);
}

}  // namespace
