#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "settings/Settings.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

// Replaces {dir} (the test folder), {rom} (a copy of the NES image there) and {fx} (the
// fixture folder of that image) in an argument.
std::string expand(std::string arg, const std::string& dir) {
    const std::pair<std::string, std::string> subs[] = {
        {"{rom}", dir + "/game.nes"}, {"{fx}", testsupport::fixture("nes-1")}, {"{dir}", dir}};
    for (const auto& [key, value] : subs)
        for (std::size_t at; (at = arg.find(key)) != std::string::npos;) arg.replace(at, key.size(), value);
    return arg;
}

struct Row {
    const char* what;
    std::vector<std::string> args;
    int exit;
    std::string out;
    std::string err;  // the start of what goes to the error stream
    std::function<void(const std::string& dir)> check;
};

bool sameFile(const std::string& a, const std::string& b) { return testsupport::readBytes(a) == testsupport::readBytes(b); }

TEST(InterchangeCli, CommandsOnTheNesImage) {
    REQUIRE_FIXTURES();
    const std::string fx = testsupport::fixture("nes-1");
    const Row rows[] = {
        {"export project", {"export-project", "{rom}", "{dir}/l.tpr"}, 0, "Project exported!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/l.tpr", fx + "/expected/league.tpr")); }},
        {"export team", {"export-team", "{rom}", "26", "{dir}/t.tte"}, 0, "Team exported!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/t.tte", fx + "/expected/team26.tte")); }},
        {"export player", {"export-player", "{rom}", "26", "11", "{dir}/p.tpl"}, 0, "Player exported!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/p.tpl", fx + "/expected/player_26_11.tpl")); }},
        {"report by index, grouped", {"report", "{rom}", "3", "{dir}/r.txt", "--by-position"}, 0, "Analysis complete!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/r.txt", fx + "/expected/report_3_bypos.txt")); }},
        {"report by name", {"report", "{rom}", "shooting-range", "{dir}/r.txt"}, 0, "Analysis complete!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/r.txt", fx + "/expected/report_4_plain.txt")); }},
        {"export into a missing folder", {"export-project", "{rom}", "{dir}/none/l.tpr"}, 1, "", "Error writing file!\n",
         nullptr},
        {"report into a missing folder", {"report", "{rom}", "0", "{dir}/none/r.txt"}, 1, "", "Error writing file!\n",
         nullptr},
        {"import project to -o", {"import-project", "{rom}", "{fx}/edit.tpr", "-o", "{dir}/out.nes"}, 0,
         "File successfully saved!\n", "",
         [&](const std::string& d) {
             EXPECT_TRUE(sameFile(d + "/out.nes", fx + "/expected/edited.nes"));
             EXPECT_TRUE(sameFile(d + "/game.nes", fx + "/game.nes"));
         }},
        {"import project over the image", {"import-project", "{rom}", "{fx}/edit.tpr"}, 0, "File successfully saved!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/game.nes", fx + "/expected/edited.nes")); }},
        {"import a team's own file", {"import-team", "{rom}", "0", "{fx}/expected/team0.tte"}, 0,
         "File successfully saved!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/game.nes", fx + "/game.nes")); }},
        {"import a player's own file", {"import-player", "{rom}", "26", "11", "{fx}/expected/player_26_11.tpl", "-o", "{dir}/o.nes"},
         0, "File successfully saved!\n", "",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/o.nes", fx + "/game.nes")); }},
        {"failing project import", {"import-project", "{rom}", "{dir}/bad.tpr"}, 1, "", "Error reading file!\n",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/game.nes", fx + "/game.nes")); }},
        {"failing team import with -o", {"import-team", "{rom}", "4", "{dir}/bad.tte", "-o", "{dir}/o.nes"}, 1, "",
         "Error reading file!\n",
         [&](const std::string& d) {
             EXPECT_TRUE(sameFile(d + "/game.nes", fx + "/game.nes"));
             EXPECT_FALSE(fs::exists(d + "/o.nes"));
         }},
        {"failing player import", {"import-player", "{rom}", "4", "0", "{dir}/bad.tpl"}, 1, "", "Error reading file!\n",
         [&](const std::string& d) { EXPECT_TRUE(sameFile(d + "/game.nes", fx + "/game.nes")); }},
        {"missing import file", {"import-player", "{rom}", "4", "0", "{dir}/none.tpl"}, 1, "", "Error reading file!\n",
         nullptr},
        {"missing image", {"export-project", "{dir}/none.nes", "{dir}/l.tpr"}, 1, "", "Error loading file!\n",
         [](const std::string& d) { EXPECT_FALSE(fs::exists(d + "/l.tpr")); }},
        {"team 27", {"export-team", "{rom}", "27", "{dir}/t.tte"}, 2, "", "tamsel-cli export-team: TEAM", nullptr},
        {"team not a number", {"import-team", "{rom}", "x", "{dir}/t.tte"}, 2, "", "tamsel-cli import-team: TEAM", nullptr},
        {"slot 12", {"export-player", "{rom}", "0", "12", "{dir}/p.tpl"}, 2, "", "tamsel-cli export-player: SLOT", nullptr},
        {"negative slot", {"import-player", "{rom}", "0", "-1", "{dir}/p.tpl"}, 2, "", "tamsel-cli import-player: ",
         nullptr},
        {"attribute 6", {"report", "{rom}", "6", "{dir}/r.txt"}, 2, "", "tamsel-cli report: ATTR", nullptr},
        {"unknown attribute name", {"report", "{rom}", "speed", "{dir}/r.txt"}, 2, "", "tamsel-cli report: ATTR", nullptr},
        {"missing argument", {"export-team", "{rom}", "3"}, 2, "", "usage: tamsel-cli export-team", nullptr},
    };
    SettingsData defaults;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string dir = testsupport::freshDir("cli_interchange");
        fs::copy_file(fx + "/game.nes", dir + "/game.nes");
        fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
        ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", defaults), Result::Ok);
        testsupport::writeText(dir + "/bad.tpr", "@SCHED\r\n01\r\n@END\r\n@3\r\nps=300\r\n@END\r\n");
        testsupport::writeText(dir + "/bad.tte", "city=X\r\n#2\r\njersey=1000\r\n#END\r\n");
        testsupport::writeText(dir + "/bad.tpl", "first=\xC3\x89MILE\r\n");

        std::vector<std::string> args;
        for (const auto& a : row.args) args.push_back(expand(a, dir));
        args.insert(args.end(), {"--settings", dir + "/tamsel.ini"});
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCli(args, out, err), row.exit);
        EXPECT_EQ(out.str(), row.out);
        EXPECT_EQ(err.str().substr(0, row.err.size()), row.err) << err.str();
        if (row.err.empty()) {
            EXPECT_EQ(err.str(), "");
        }
        if (row.check) row.check(dir);
    }
}

TEST(InterchangeCli, EditedTeamReachesTheImage) {
    REQUIRE_FIXTURES();
    const std::string fx = testsupport::fixture("nes-1");
    const std::string dir = testsupport::freshDir("cli_team_edit");
    fs::copy_file(fx + "/game.nes", dir + "/game.nes");
    fs::permissions(dir + "/game.nes", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(Settings::writeFile(dir + "/tamsel.ini", SettingsData{}), Result::Ok);
    const std::vector<std::string> settings = {"--settings", dir + "/tamsel.ini"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.end(), settings.begin(), settings.end());
        std::ostringstream out, err;
        return cli::runCli(args, out, err);
    };

    // The player file with new figures lands in slot 5 of team 9 and in no other place.
    std::string player = testsupport::readText(fx + "/expected/player_0_0.tpl");
    testsupport::writeText(dir + "/in.tpl", player + "jersey=45\r\nstam=12\r\n");
    ASSERT_EQ(run({"import-player", dir + "/game.nes", "9", "5", dir + "/in.tpl"}), 0);
    ASSERT_EQ(run({"export-player", dir + "/game.nes", "9", "5", dir + "/out.tpl"}), 0);
    const std::string back = testsupport::readText(dir + "/out.tpl");
    EXPECT_NE(back.find("\r\njersey=45\r\n"), std::string::npos);
    EXPECT_NE(back.find("\r\nstam=12\r\n"), std::string::npos);
    EXPECT_EQ(back.substr(0, back.find("\r\njersey=")), player.substr(0, player.find("\r\njersey=")));
    ASSERT_EQ(run({"export-team", dir + "/game.nes", "0", dir + "/t0.tte"}), 0);
    EXPECT_TRUE(sameFile(dir + "/t0.tte", fx + "/expected/team0.tte"));

    // The team's points figure.
    std::string team = testsupport::readText(fx + "/expected/team26.tte");
    testsupport::writeText(dir + "/in.tte", team + "ps=7\r\n");
    ASSERT_EQ(run({"import-team", dir + "/game.nes", "26", dir + "/in.tte"}), 0);
    ASSERT_EQ(run({"export-team", dir + "/game.nes", "26", dir + "/t26.tte"}), 0);
    EXPECT_NE(testsupport::readText(dir + "/t26.tte").find("\r\nps=7\r\n"), std::string::npos);
}

}  // namespace
