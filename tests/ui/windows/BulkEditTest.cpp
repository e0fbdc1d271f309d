// Project > Edit Selected Players: the players selected in the tree (a team node standing for the
// players the filter shows of it) changed at once by the editor's rules, as one step of the history.
#include "ui/support/UiHarness.h"

using BulkEdits = UiTest;

TEST_F(BulkEdits, SelectedPlayersAreEditedInOneStep) {
    openDemo();
    const std::string raised =
        "player 0.9 jump: 156 -> 158\nplayer 1.9 jump: 166 -> 168\nplayer 2.8 jump: 169 -> 171\n"
        "player 14.8 jump: 167 -> 169";
    play({
        {"type pos:C height>82 jump<40 into txtFilter, click player 0.9, Ctrl+A, menu menuProjectEditSelected, see 17 "
         "players: choose a change in lblSummary"},
        {"click player 0.9, shift-click player 2.8, ctrl-click player 14.8, menu menuProjectEditSelected, choose 2 in "
         "cmbChange_jump, type 2 into txtAmount_jump, see 4 players: 4 values change; 0 held back by a limit in "
         "lblSummary, click cmdOK, see 38 in lblJump",
         raised, "", "Edit 4 Players"},
        {"focus tvProject, Ctrl+Z, see 34 in lblJump",
         "player 0.9 jump: 158 -> 156\nplayer 1.9 jump: 168 -> 166\nplayer 2.8 jump: 171 -> 169\n"
         "player 14.8 jump: 169 -> 167",
         "", ""},
    });
}
