// tamsel-cli merge: taking everything from an image or a project file gives the reference edited images byte for
// byte; a pattern takes exactly the diff lines it matches; the refusals and exit statuses.
#include <gtest/gtest.h>

#include "base/ShellPattern.h"
#include "cli/CliRun.h"

namespace {

std::vector<std::string> diffLines(const std::string& a, const std::string& b, const std::string& dir) {
    std::vector<std::string> lines;
    std::istringstream out(clitest::run("diff " + a + " " + b, dir).out);
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    return lines;
}

TEST(MergeCommands, TakesDifferencesAndRefusesOtherFiles) {
    REQUIRE_FIXTURES();
    const std::string dir = clitest::folder("cli-merge"), fx = testsupport::fixture("nes-1");
    std::string edit = testsupport::readText(fx + "/edit.tpr");
    testsupport::writeText(dir + "/bad.tpr", edit.replace(edit.find("weight="), 8, "weight=x"));
    testsupport::writeText(dir + "/junk.nes", "not an image of either edition");
    const std::string ok = "File successfully saved!\n", overflow = "{fx}/../snes-overflow-2/";
    clitest::runRows(
        {
            {"merge {rom} {fx}/expected/edited.nes", 0,
             "team 0 city: \"LYLFHTGTHDS\" -> \"IXRAUHGQ\"\n...\neast all-star 11: 4.7 -> 0.3\n" + ok, "", "",
             "{fx}/expected/edited.nes"},
            {"merge {rom} {fx}/edit.tpr -o {dir}/o.nes", 0, "...", "", "{dir}/o.nes={fx}/expected/edited.nes"},
            // Read over the open league: the players' seventh rating bytes, which a project file lacks, stay.
            {"merge " + overflow + "game.smc " + overflow + "edit.tpr -o {dir}/o.smc", 0, "...", "",
             "{dir}/o.smc=" + overflow + "expected/edited.smc"},
            {"merge {rom} {fx}/edit.tpr --only 'game 1?: *' --dry-run -o {dir}/d.nes", 0,
             "game 10: ...\ngame 19: \"JFH at YHZ\" -> \"RREGX at SL\"\n", ""},
            {"merge {rom} {fx}/edit.tpr --only 'game 1?'", 1, "", "no difference matches: nothing to take\n"},
            {"merge {rom} {rom}", 1, "", "the leagues are equal: nothing to take\n"},
            {"merge {rom} {fx}/../snes-1/game.smc", 1, "",
             "{fx}/../snes-1/game.smc: Image of the other edition! (an SNES image beside an NES league)\n"},
            {"merge {rom} {dir}/junk.nes", 1, "", "{dir}/junk.nes: Invalid rom!\n"},
            {"merge {rom} {dir}/bad.tpr", 1, "",
             "{dir}/bad.tpr: Error reading file! (line 27: weight: 'x72' is not a number)\n"},
        },
        dir, fx + "/game.nes");

    // A pattern takes exactly its lines: they are what tells the merged image from the original, and the rest
    // is what still tells it from the edited one.
    const std::string patterns[] = {"team * city*", "player 3.*"};
    const std::string only = "--only '" + patterns[0] + "' --only '" + patterns[1] + "'";
    ASSERT_EQ(clitest::run("merge {fx}/game.nes {fx}/edit.tpr " + only + " -o {dir}/p.nes", dir).status, 0);
    std::vector<std::string> taken, left;
    for (const std::string& line : diffLines(fx + "/game.nes", fx + "/expected/edited.nes", dir))
        (ShellPattern::matches(patterns[0], line) || ShellPattern::matches(patterns[1], line) ? taken : left)
            .push_back(line);
    EXPECT_GT(taken.size(), 27u);  // every city, and fields of the players of team 3
    EXPECT_EQ(diffLines(fx + "/game.nes", dir + "/p.nes", dir), taken);
    EXPECT_EQ(diffLines(dir + "/p.nes", fx + "/expected/edited.nes", dir), left);
}

}  // namespace
