// Trades in the window: a player node dropped onto another in the tree, or Project > Swap
// Players with its dialogue. The two players swap whole with their all-star slots following,
// as one step of the history; the selection follows the player it showed; a drop anywhere
// else does nothing.
#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPushButton>

#include "ui/support/UiHarness.h"
#include "ui/windows/SwapDialog.h"
#include "ui/windows/frmAllStar.h"

namespace {

// What the tree made of a drag: whether it took the drag over the target, and the drop.
struct DropSeen {
    bool overTarget = false;
    bool dropped = false;
};

}  // namespace

class Trades : public UiTest {
public:
    // The model index of a node, for the tree's own mime data.
    QModelIndex indexOf(QTreeWidgetItem* item) const {
        QTreeWidget& tree = w->tree();
        if (item->parent() == nullptr) return tree.model()->index(tree.indexOfTopLevelItem(item), 0);
        return tree.model()->index(item->parent()->indexOfChild(item), 0, indexOf(item->parent()));
    }
    // Drags the node from onto the node onto (null: the empty space below the root, all
    // teams folded) with the events a drag delivers, carrying the data the tree itself
    // gives the node.
    DropSeen drag(QTreeWidgetItem* from, QTreeWidgetItem* onto) {
        ProjectTreePanel& tree = w->tree();
        std::unique_ptr<QMimeData> data(tree.model()->mimeData({indexOf(from)}));
        EXPECT_NE(data, nullptr);
        if (data == nullptr) return {};
        QPoint at(5, tree.viewport()->height() - 2);
        if (onto == nullptr) {
            tree.collapseAll();
            EXPECT_EQ(tree.itemAt(at), nullptr);
        } else {
            if (onto->parent() != nullptr) onto->parent()->setExpanded(true);
            tree.scrollToItem(onto);
            at = tree.visualItemRect(onto).center();
        }
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &move);
        QDropEvent drop(QPointF(at), Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &drop);
        return {move.isAccepted(), drop.isAccepted()};
    }
    // Runs Project > Swap Players and lets answer(dialog) work the dialogue once it is up;
    // the dialogue is closed afterwards whatever answer did.
    void withSwapDialog(const std::function<void(SwapDialog&)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<SwapDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            answered = true;
            answer(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        menus().menuProjectSwapPlayers->trigger();
        EXPECT_TRUE(answered) << "the Swap Players dialogue did not come up";
    }
    std::string fullName(int t, int p) const { return player(t, p).getFullname(); }
};

// Player a is the first West all-star; the selection shows him when the trade starts.
TEST_F(Trades, ADropOrTheDialogueSwapsTwoPlayersWithTheirAllStarSlotAsOneStep) {
    struct Row {
        const char* name;
        bool byDialogue;
    };
    for (const Row& row : {Row{"drop", false}, Row{"dialogue", true}}) {
        SCOPED_TRACE(row.name);
        openDemo();
        const clsProject::Pair star = league().getWestAllStar(0);
        const int at = star[0];
        const int slot = star[1];
        const int toTeam = (at + 3) % clsProject::kTeams;
        const int toSlot = (slot + 5) % clsTeam::kRoster;
        ASSERT_NE(fullName(at, slot), fullName(toTeam, toSlot));
        w->allStarWindow()->show();
        clickNode(playerNode(at, slot));
        type(playerUi().txtLastname, "TRADED");  // still in its box: it goes with the player
        clsPlayer a = player(at, slot);
        a.setLast("TRADED");
        const clsPlayer b = player(toTeam, toSlot);
        const std::size_t taken = steps();
        if (row.byDialogue) {
            withSwapDialog([&](SwapDialog& d) {
                EXPECT_FALSE(d.cmdOK->isEnabled());  // it starts on the player himself
                EXPECT_TRUE(d.lblFirst->text().contains("TRADED"));
                choose(d.cmbTeam, toTeam);
                choose(d.cmbPlayer, toSlot);
                ASSERT_TRUE(d.cmdOK->isEnabled());
                QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            });
        } else {
            const DropSeen seen = drag(node(playerNode(at, slot)), node(playerNode(toTeam, toSlot)));
            EXPECT_TRUE(seen.overTarget);
            EXPECT_TRUE(seen.dropped);
        }
        EXPECT_TRUE(player(toTeam, toSlot) == a);
        EXPECT_TRUE(player(at, slot) == b);
        EXPECT_EQ(league().getWestAllStar(0), (clsProject::Pair{std::uint8_t(toTeam), std::uint8_t(toSlot)}));
        EXPECT_EQ(steps(), taken + 2);  // the typed name, then the trade
        EXPECT_EQ(session().history().undoLabel(), "Swap Players");

        // The selection followed its player; the tree, the editors and the all-star window show the trade.
        EXPECT_EQ(w->selection().team, toTeam);
        EXPECT_EQ(w->selection().player, toSlot);
        EXPECT_EQ(w->tree().currentItem(), node(playerNode(toTeam, toSlot)));
        EXPECT_EQ(playerUi().txtLastname->text(), "TRADED");
        EXPECT_TRUE(node(playerNode(toTeam, toSlot))->text(0).endsWith(" TRADED"));
        EXPECT_EQ(str(node(playerNode(at, slot))->text(0).mid(3)), b.getFullname());
        frmAllStar* allStar = w->allStarWindow(false);
        ASSERT_NE(allStar, nullptr);
        EXPECT_TRUE(allStar->lstWEST->item(0)->text().endsWith(" TRADED"));
        allStar->close();  // writes its slots: they followed the trade
        settle();
        EXPECT_EQ(league().getWestAllStar(0), (clsProject::Pair{std::uint8_t(toTeam), std::uint8_t(toSlot)}));
    }
}

// A trade of two other players leaves the selection where it is.
TEST_F(Trades, ASelectionThatIsNotTradedStays) {
    openDemo();
    clickNode(playerNode(7, 4));
    const std::string first = fullName(1, 1);
    ASSERT_TRUE(drag(node(playerNode(1, 1)), node(playerNode(2, 2))).dropped);
    EXPECT_EQ(fullName(2, 2), first);
    EXPECT_EQ(w->selection().team, 7);
    EXPECT_EQ(w->selection().player, 4);
    EXPECT_EQ(w->tree().currentItem(), node(playerNode(7, 4)));
}

TEST_F(Trades, DropsAnywhereButOnAnotherPlayerAndACancelledDialogueDoNothing) {
    openDemo();
    clickNode(playerNode(4, 6));
    const clsProject before = league();
    const std::size_t taken = steps();
    struct Row {
        const char* name;
        QTreeWidgetItem* onto;  // null: the empty space below the nodes
    };
    const Row rows[] = {{"onto a team node", node(teamNode(9))},
                        {"onto the root", node(1)},
                        {"onto itself", node(playerNode(4, 6))},
                        {"onto no node", nullptr}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DropSeen seen = drag(node(playerNode(4, 6)), row.onto);
        EXPECT_FALSE(seen.overTarget);
        EXPECT_FALSE(seen.dropped);
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(steps(), taken);
    }
    // Only player nodes are dragged: a team node carries nothing.
    for (int n : {1, teamNode(4)}) {
        EXPECT_FALSE(node(n)->flags().testFlag(Qt::ItemIsDragEnabled));
        EXPECT_EQ(w->tree().model()->mimeData({indexOf(node(n))}), nullptr);
    }
    withSwapDialog([&](SwapDialog& d) {
        choose(d.cmbTeam, 9);
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    });
    EXPECT_TRUE(league() == before);
    EXPECT_EQ(steps(), taken);
    EXPECT_EQ(w->selection().team, 4);
}

// The press that starts a drag makes the dragged node current; a drag that trades nothing
// (offscreen, a drag ends at once with nothing dropped) leaves the node the editors show current.
TEST_F(Trades, ADragThatTradesNothingLeavesTheShownNodeCurrent) {
    openDemo();
    clickNode(playerNode(7, 4));
    const clsProject before = league();
    ProjectTreePanel& tree = w->tree();
    node(teamNode(1))->setExpanded(true);
    tree.scrollToItem(node(playerNode(1, 1)));
    const QPoint from = tree.visualItemRect(node(playerNode(1, 1))).center();
    // The button comes up over the root, where nothing is dropped and nothing clicked
    // (a platform that runs the drag waits for it).
    const QPoint root = tree.visualItemRect(node(1)).center();
    QTimer::singleShot(100, [&] { QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, root); });
    QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, from);
    ASSERT_EQ(tree.currentItem(), node(playerNode(1, 1)));
    // The first move readies the drag, the next one past the start distance starts it.
    QTest::mouseMove(tree.viewport(), from + QPoint(0, 1));
    QTest::mouseMove(tree.viewport(), from + QPoint(0, 2 * QApplication::startDragDistance()));
    QTest::qWait(200);
    EXPECT_EQ(tree.currentItem(), node(playerNode(7, 4)));
    EXPECT_EQ(w->selection().team, 7);
    EXPECT_TRUE(league() == before);
}
