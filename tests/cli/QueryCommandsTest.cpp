// tamsel-cli find: the centers jumping 70 or more of a reference image, worked out here from the reference
// decoding's players; exit statuses as grep's.
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

}  // namespace
