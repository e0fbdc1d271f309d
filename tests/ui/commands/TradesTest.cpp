// Trades: a player node dropped onto another, or Project > Swap Players. The two players swap
// whole, the all-star slots following them, as one step; the selection follows the player it
// showed; a drop anywhere else does nothing, and a drag of several selected players is refused.
#include "ui/support/UiHarness.h"

// Player 3.7 is made player 0.2 (the first West all-star) but for his name, so that a trade shows
// as names and the slot.
TEST_F(UiTest, TradesSwapTwoPlayersWithTheirAllStarSlot) {
    openDemo();
    session().edit("Twin", LeagueChange::ofPlayer({3, 7}), [](clsProject& l) {
        *l.getTeamRef(3)->getPlayerRef(7) = *l.getTeamRef(0)->getPlayerRef(2);
        l.getTeamRef(3)->getPlayerRef(7)->setFirst("ANN");
    });
    const std::string there =
        "player 0.2 first: \"EMRY\" -> \"ANN\"\nplayer 0.2 last: \"TRADED\" -> \"GALRICK\"\n"
        "player 3.7 first: \"ANN\" -> \"EMRY\"\nplayer 3.7 last: \"GALRICK\" -> \"TRADED\"\n";
    const std::string back =
        "player 0.2 first: \"ANN\" -> \"EMRY\"\nplayer 0.2 last: \"GALRICK\" -> \"TRADED\"\n"
        "player 3.7 first: \"EMRY\" -> \"ANN\"\nplayer 3.7 last: \"TRADED\" -> \"GALRICK\"\n";
    play({
        {"click cmdEditAllStar, click player 0.2, type traded into txtLastname, drag player 0.2 onto player 3.7, see "
         "68-EMRY TRADED in tvProject, see TRADED in txtLastname",
         "player 0.2 first: \"EMRY\" -> \"ANN\"\nplayer 3.7 first: \"ANN\" -> \"EMRY\"\nplayer 3.7 last: \"GALRICK\" "
         "-> "
         "\"TRADED\"\nwest all-star 0: 0.2 -> 3.7",
         "", "Swap Players", [this] { EXPECT_EQ(w->allStarWindow(false)->lstWEST->item(0)->text(), "EMRY TRADED"); }},
        {"menu menuProjectSwapPlayers, click cmdOK, see Swap 68-EMRY TRADED of DUSKMOOR MOTHS with: in lblFirst, "
         "choose 2 in cmbPlayer, choose 0 in cmbTeam, click cmdOK",
         back + "west all-star 0: 3.7 -> 0.2", "", "Swap Players",
         [this] { EXPECT_EQ(w->tree().currentItem(), node(playerNode(0, 2))); }},
        {"click player 7.4, drag player 0.2 onto player 3.7, see 62-NILO KELNER in tvProject",
         there + "west all-star 0: 0.2 -> 3.7"},
        {"drag player 0.2 onto team 9, drag player 0.2 onto root, drag player 0.2 onto player 0.2, drag player 0.2 "
         "onto nothing, drag team 4 onto player 0.2"},
        {"menu menuProjectSwapPlayers, choose 9 in cmbTeam, choose 11 in cmbPlayer, see " +
             UiText::playerText(player(9, 11)).toStdString() +
             " in cmbPlayer, click cmdCancel, see 62-NILO KELNER in tvProject",
         "", "", "Swap Players"},
        // A drag that trades nothing leaves the node the editors show current; one of several selected is refused.
        {"drag player 0.1, see 62-NILO KELNER in tvProject"},
        {"ctrl-click player 0.1, drag player 0.1", "",
         "warning: A trade takes one player: 2 are selected. Drag a single player onto another."},
    });
}
