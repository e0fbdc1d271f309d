// tamsel-cli find: the centers jumping 70 or more of a reference image, worked out here from the reference
// decoding's players; exit statuses as grep's. tamsel-cli edit: what it would change, what it saves as diff
// tells it, and what it refuses before reading the image.
#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "support/DecodedJson.h"

namespace {

TEST(QueryCommands, FindListsTheMatchesInTeamAndSlotOrder) {
    REQUIRE_FIXTURES();
    const std::string json = testsupport::readText(testsupport::fixture("nes-1/expected/decoded.json"));
    const auto display = testsupport::numbersAfter(json, "display", 6),
               pos = testsupport::numbersAfter(json, "position"), jersey = testsupport::numbersAfter(json, "jersey");
    const auto first = testsupport::textsAfter(json, "first"), last = testsupport::textsAfter(json, "last");
    std::string centers;
    for (std::size_t p = 0; p < 324; ++p) {
        if (pos[p] != 4 || display[6 * p + 1] < 70) continue;
        const std::string number = "0" + std::to_string(jersey[p]);
        centers += std::to_string(p / 12) + "." + std::to_string(p % 12) + " #" + number.substr(number.size() - 2) +
                   " " + first[p] + " " + last[p] + "\n";
    }
    ASSERT_FALSE(centers.empty());
    const std::string dir = clitest::folder("cli-find");
    clitest::runRows(
        {
            {"find {rom} pos:C 'jump>=70'", 0, centers, ""},
            {"find {rom} 'pos:C jump>=70 jump<70'", 1, "", ""},
            {"find {rom} pos:C 'jmp>=70'", 2, "", "tamsel-cli find: unknown field 'jmp'\n"},
            {"find {dir}/none.nes pos:C", 2, "", "Error loading file! (No such file or directory: {dir}/none.nes)\n"},
            {"find {rom}", 2, "", "usage: tamsel-cli find ROM QUERY...\n"},
        },
        dir, testsupport::fixture("nes-1/game.nes"));
}

TEST(QueryCommands, EditChangesEveryMatchAndTheSavedImageExactlyThat) {
    REQUIRE_FIXTURES();
    const std::string raised =  // the tall centers jumping under 40, two "+" presses each
        "player 1.10 jump: 165 -> 167\nplayer 4.2 jump: 169 -> 171\nplayer 6.0 jump: 169 -> 171\n"
        "player 10.4 jump: 169 -> 171\nplayer 12.0 jump: 152 -> 154\nplayer 13.4 jump: 168 -> 170\n"
        "player 20.4 jump: 154 -> 156\n";
    const std::string dir = clitest::folder("cli-edit");
    clitest::runRows(
        {
            {"edit {rom} pos:C 'height>82' 'jump<40' --set jump=+2 -o {dir}/out.nes", 0,
             raised + "File successfully saved!\n", "", "{dir}/out.nes"},
            {"diff {rom} {dir}/out.nes", 1, raised, ""},
            {"edit {rom} team:1 #68 --set weight=-3 --set height=200 --set pos=2 --set STAM=+1 --dry-run", 0,
             "player 1.10 feet: 7 -> 15\nplayer 1.10 inch: 8 -> 11\nplayer 1.10 weight: 276 -> 272\n"
             "player 1.10 pos: 4 -> 2\nplayer 1.10 stam: 94 -> 95\n",
             "player 1.10 weight: clamped at 272\nplayer 1.10 height: clamped at 191\n"},
            {"edit {rom} pos:C 'jump<0' --set jump=+2 -o {dir}/nothing.nes", 1, "",
             "no player matches: nothing to edit\n"},
            {"edit {dir}/none.nes pos:C --set jump=+2", 1, "", "Error loading file! ...\n"},
            {"edit {dir}/none.nes 'jmp<40' --set jump=+2", 2, "", "tamsel-cli edit: unknown field 'jmp'\n"},
            {"edit {dir}/none.nes pos:C --set pos=+1", 2, "", "tamsel-cli edit: --set pos=+1: pos takes a code 0..4\n"},
        },
        dir, testsupport::fixture("nes-1/game.nes"));
}

}  // namespace
