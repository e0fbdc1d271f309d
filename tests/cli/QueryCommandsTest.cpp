// tamsel-cli find: the centers jumping 70 or more of a reference image in team and slot order (which players a
// query finds is the query's test); exit statuses as grep's. tamsel-cli edit: what it would change, what it saves as
// diff tells it, and what it refuses before reading the image.
#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

TEST(QueryCommands, FindListsTheMatchesInTeamAndSlotOrder) {
    REQUIRE_FIXTURES();
    const std::string centers =  // the centers jumping 70 or more
        "0.7 #78 M QOM\n0.9 #89 C QJRYWA\n1.1 #08 UVVKKIXOA HXMRNYB\n3.6 #02 FUU HU\n3.7 #51 GXO TM\n"
        "4.11 #33 UTZN AYJODH\n7.0 #90 DVYUNIVU HJMUSCAPZ\n8.7 #18 NHRKQ TQLAJYKM\n15.5 #37 SRQCVYQY DYW\n"
        "16.2 #16 OPWI HV\n17.9 #43 UVU V\n18.1 #65 ZNKOOI JQLXAETJ\n18.4 #47 UVIYAQ MM\n19.1 #01 PYUGQH UX\n"
        "19.8 #57 EFKL NRBSDUCVO\n19.9 #93 PXEYUYAJ QLMW\n23.1 #47 ZHYYP MG\n23.2 #29 TLXNPON DSGB\n"
        "25.2 #30 QLUIXU VAWVIDGJ\n26.0 #64 JKFIFLVM DQR\n";
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
