// Trades: a player node dropped onto another, or Project > Swap Players. The two players swap
// whole, the all-star slots following them, as one step; the selection follows the player it
// showed; a drop anywhere else does nothing.
#include <QApplication>

#include "ui/support/UiHarness.h"

// Player 3.7 is made player 0.2 (the first West all-star) but for his name, so that a trade shows
// as names and the slot.
TEST_F(UiTest, TradesSwapTwoPlayersWithTheirAllStarSlot) {
    openDemo();
    session().edit("Twin", LeagueChange::ofPlayer({3, 7}), [](clsProject& l) {
        *l.getTeamRef(3)->getPlayerRef(7) = *l.getTeamRef(0)->getPlayerRef(2);
        l.getTeamRef(3)->getPlayerRef(7)->setFirst("ANN");
    });
    const auto at = [this](int team, int player, const char* last) {
        return [=, this] {
            EXPECT_EQ(w->selection().team * 100 + w->selection().player, team * 100 + player);
            EXPECT_EQ(w->tree().currentItem(), node(playerNode(team, player)));
            EXPECT_EQ(playerUi().txtLastname->text(), last);
        };
    };
    const Lines there = {"player 0.2 first: \"EMRY\" -> \"ANN\"", "player 0.2 last: \"TRADED\" -> \"GALRICK\"",
                         "player 3.7 first: \"ANN\" -> \"EMRY\"", "player 3.7 last: \"GALRICK\" -> \"TRADED\"",
                         "west all-star 0: 0.2 -> 3.7"};
    const Lines back = {"player 0.2 first: \"ANN\" -> \"EMRY\"", "player 0.2 last: \"GALRICK\" -> \"TRADED\"",
                        "player 3.7 first: \"EMRY\" -> \"ANN\"", "player 3.7 last: \"TRADED\" -> \"GALRICK\"",
                        "west all-star 0: 3.7 -> 0.2"};
    play({
        {"click cmdEditAllStar, click player 0.2, type traded into txtLastname, drag player 0.2 onto player 3.7",
         {"player 0.2 first: \"EMRY\" -> \"ANN\"", "player 3.7 first: \"ANN\" -> \"EMRY\"",
          "player 3.7 last: \"GALRICK\" -> \"TRADED\"", "west all-star 0: 0.2 -> 3.7"},
         {},
         "Swap Players",
         [&] {
             at(3, 7, "TRADED")();
             EXPECT_EQ(node(playerNode(3, 7))->text(0), "68-EMRY TRADED");
             EXPECT_EQ(w->allStarWindow(false)->lstWEST->item(0)->text(), "EMRY TRADED");
         }},
        {"menu menuProjectSwapPlayers, click cmdOK, see Swap 68-EMRY TRADED of DUSKMOOR MOTHS with: in lblFirst, "
         "choose 2 in cmbPlayer, choose 0 in cmbTeam, click cmdOK",
         back,
         {},
         "Swap Players",
         at(0, 2, "TRADED")},
        {"click player 7.4, drag player 0.2 onto player 3.7", there, {}, {}, at(7, 4, "KELNER")},
        {"drag player 0.2 onto team 9, drag player 0.2 onto root, drag player 0.2 onto player 0.2, drag player 0.2 "
         "onto nothing, drag team 4 onto player 0.2",
         {}},
        {"menu menuProjectSwapPlayers, choose 9 in cmbTeam, click cmdCancel",
         {},
         {},
         "Swap Players",
         at(7, 4, "KELNER")},
    });
    // The press that starts a drag makes the dragged node current; a drag that trades nothing leaves
    // the node the editors show current (offscreen the drag ends at once, nothing dropped).
    ProjectTreePanel& tree = w->tree();
    tree.scrollToItem(node(playerNode(0, 1)));
    const QPoint from = tree.visualItemRect(node(playerNode(0, 1))).center();
    QTimer::singleShot(100, [&] { QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, from); });
    QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(tree.viewport(), from + QPoint(0, 1));
    QTest::mouseMove(tree.viewport(), from + QPoint(0, 2 * QApplication::startDragDistance()));
    QTest::qWait(200);
    EXPECT_EQ(tree.currentItem(), node(playerNode(7, 4)));
}
