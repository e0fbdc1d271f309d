// The all-star editor: loading both rosters, the click chains between the lists and the
// team and player lists, replacing a slot, writing the slots back when the window closes,
// and staying consistent with a league opened while it is open.
#include <QLabel>
#include <QPushButton>

#include "MainWindowHarness.h"
#include "ui/frmAllStar.h"

using namespace uitest;

namespace {

QString fullName(int t, int p) { return QString::fromStdString(player(t, p).getFullname()); }

using Roster = std::array<clsProject::Pair, 12>;
Roster west() {
    Roster r{};
    for (int i = 0; i < 12; ++i) r[static_cast<std::size_t>(i)] = league().getWestAllStar(i);
    return r;
}
Roster east() {
    Roster r{};
    for (int i = 0; i < 12; ++i) r[static_cast<std::size_t>(i)] = league().getEastAllStar(i);
    return r;
}

}  // namespace

class AllStarEditor : public MainWindowTest {
protected:
    void openDemo(ConsoleKind kind = Console::Nes) {
        start();
        rom = placeRom(kind, kind == Console::Nes ? "game.nes" : "game.smc");
        openOk(rom);
    }
    frmAllStar* showWindow() {
        QTest::mouseClick(w->cmdEditAllStar, Qt::LeftButton);
        frmAllStar* a = w->allStarWindow(false);
        EXPECT_NE(a, nullptr);
        if (a != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(a));
        }
        return a;
    }
    // The slot the team and player lists show.
    static void expectLists(frmAllStar* a, clsProject::Pair slot) {
        ASSERT_EQ(a->cmbTeam->count(), 27);
        EXPECT_EQ(a->cmbTeam->currentIndex(), slot[0]);
        ASSERT_EQ(a->cmbPlayer->count(), 12);
        for (int p = 0; p < 12; ++p) EXPECT_EQ(a->cmbPlayer->itemText(p), fullName(slot[0], p));
        EXPECT_EQ(a->cmbPlayer->currentIndex(), slot[1]);
    }
    std::string rom;
};

TEST_F(AllStarEditor, OpensWithBothRostersAndTheWestSlotCurrent) {
    openDemo();
    frmAllStar* a = showWindow();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->windowTitle(), "All-Star Editor");
    EXPECT_TRUE(a->isWindow());
    EXPECT_EQ(a->windowModality(), Qt::NonModal);
    EXPECT_TRUE(w->isEnabled());  // the main window stays usable
    const Roster wr = west(), er = east();
    ASSERT_EQ(a->lstWEST->count(), 12);
    ASSERT_EQ(a->lstEAST->count(), 12);
    for (int i = 0; i < 12; ++i) {
        auto idx = static_cast<std::size_t>(i);
        EXPECT_EQ(a->lstWEST->item(i)->text(), fullName(wr[idx][0], wr[idx][1]));
        EXPECT_EQ(a->lstEAST->item(i)->text(), fullName(er[idx][0], er[idx][1]));
    }
    EXPECT_EQ(a->lstWEST->currentRow(), 0);
    EXPECT_EQ(a->lstEAST->currentRow(), 0);
    EXPECT_FALSE(a->eastSelected);
    expectLists(a, wr[0]);
    for (int t = 0; t < 27; ++t) EXPECT_EQ(a->cmbTeam->itemText(t), QString::fromStdString(team(t).getAbrev()));

    EXPECT_EQ(a->cmdChangeWest->text(), "^");
    EXPECT_EQ(a->cmdChangeEast->text(), "^");
    QStringList captions;
    for (QLabel* l : a->findChildren<QLabel*>()) captions << l->text();
    EXPECT_TRUE(captions.contains("WEST"));
    EXPECT_TRUE(captions.contains("EAST"));
    EXPECT_LT(a->lstWEST->x(), a->lstEAST->x());
    EXPECT_LT(a->cmbTeam->x(), a->cmbPlayer->x());
    EXPECT_GT(a->cmbTeam->y(), a->lstWEST->y());
}

TEST_F(AllStarEditor, ClickingAnEntryShowsItsSlotEvenWhenItIsAlreadySelected) {
    openDemo();
    frmAllStar* a = showWindow();
    const Roster wr = west(), er = east();
    clickRow(a->lstEAST, 4);
    EXPECT_TRUE(a->eastSelected);
    expectLists(a, er[4]);
    clickRow(a->lstWEST, 2);
    EXPECT_FALSE(a->eastSelected);
    expectLists(a, wr[2]);
    clickRow(a->lstEAST, 4);  // the entry already selected in its list
    EXPECT_TRUE(a->eastSelected);
    expectLists(a, er[4]);
    QTest::keyClick(a->lstEAST, Qt::Key_Down);
    expectLists(a, er[5]);
}

TEST_F(AllStarEditor, AnotherTeamListsItsPlayersAtTheSlotsRosterPosition) {
    openDemo();
    frmAllStar* a = showWindow();
    const Roster er = east();
    clickRow(a->lstEAST, 7);
    const int other = (er[7][0] + 3) % 27;
    chooseWithKeys(a->cmbTeam, other);
    expectLists(a, {static_cast<std::uint8_t>(other), er[7][1]});
    EXPECT_EQ(east(), er);  // nothing changes before "^"
}

TEST_F(AllStarEditor, ReplacingASlotRenamesItsEntryAndKeepsItSelected) {
    openDemo();
    frmAllStar* a = showWindow();
    const Roster wr = west(), er = east();
    clickRow(a->lstEAST, 5);
    const int t = (er[5][0] + 1) % 27;
    const int p = (er[5][1] + 4) % 12;
    chooseWithKeys(a->cmbTeam, t);
    chooseWithKeys(a->cmbPlayer, p);
    QTest::mouseClick(a->cmdChangeEast, Qt::LeftButton);
    EXPECT_EQ(a->lstEAST->item(5)->text(), fullName(t, p));
    EXPECT_EQ(a->lstEAST->count(), 12);
    EXPECT_EQ(a->lstEAST->currentRow(), 5);
    EXPECT_TRUE(a->eastSelected);
    expectLists(a, {static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(p)});
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(a->lstWEST->item(i)->text(), fullName(wr[static_cast<std::size_t>(i)][0], wr[static_cast<std::size_t>(i)][1]));
    EXPECT_EQ(east(), er);  // the league changes when the window closes

    a->close();
    Roster expected = er;
    expected[5] = {static_cast<std::uint8_t>(t), static_cast<std::uint8_t>(p)};
    EXPECT_EQ(east(), expected);
    EXPECT_EQ(west(), wr);

    EXPECT_EQ(saveByMenu(), "File successfully saved!");
    league().clearProject();
    openOk(rom);
    EXPECT_EQ(east(), expected);
    EXPECT_EQ(west(), wr);
}

TEST_F(AllStarEditor, ClosingWritesAllTwentyFourSlotsBack) {
    openDemo();
    const Roster wr = west(), er = east();
    frmAllStar* a = showWindow();
    // Whatever the league holds meanwhile, the window's copy goes back when it closes.
    for (int i = 0; i < 12; ++i) {
        league().setWestAllStar(i, 0, 0);
        league().setEastAllStar(i, 1, 1);
    }
    a->close();
    EXPECT_EQ(west(), wr);
    EXPECT_EQ(east(), er);
    settle();
    EXPECT_EQ(w->allStarWindow(false), nullptr);
}

TEST_F(AllStarEditor, ShowingItAgainOnlyRaisesItAndAfterClosingItLoadsAfresh) {
    openDemo();
    frmAllStar* a = showWindow();
    clickRow(a->lstWEST, 3);
    chooseWithKeys(a->cmbPlayer, (a->cmbPlayer->currentIndex() + 1) % 12);
    QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);
    const QString changed = a->lstWEST->item(3)->text();
    const auto westBefore = a->westSlots;

    EXPECT_EQ(showWindow(), a);
    EXPECT_EQ(a->lstWEST->item(3)->text(), changed);
    EXPECT_EQ(a->westSlots, westBefore);

    a->close();
    // Before the closed window is gone, the button already loads a new one.
    frmAllStar* b = showWindow();
    ASSERT_NE(b, nullptr);
    EXPECT_NE(b, a);
    EXPECT_FALSE(b->isUnloaded());
    EXPECT_EQ(b->lstWEST->item(3)->text(), changed);
    EXPECT_EQ(b->lstWEST->currentRow(), 0);
    settle();
    EXPECT_EQ(w->allStarWindow(false), b);
}

TEST_F(AllStarEditor, AnOpenWindowFollowsTheNextLeagueOpened) {
    REQUIRE_FIXTURES();
    start();
    openOk(placeFixture("nes-1/game.nes", "game.nes"));
    frmAllStar* a = showWindow();
    clickRow(a->lstEAST, 1);
    chooseWithKeys(a->cmbTeam, 20);
    QTest::mouseClick(a->cmdChangeEast, Qt::LeftButton);

    openOk(placeFixture("snes-1/game.smc", "game.smc"));
    const Roster wr = west(), er = east();
    for (int i = 0; i < 12; ++i) {
        auto idx = static_cast<std::size_t>(i);
        EXPECT_EQ(a->lstWEST->item(i)->text(), fullName(wr[idx][0], wr[idx][1]));
        EXPECT_EQ(a->lstEAST->item(i)->text(), fullName(er[idx][0], er[idx][1]));
        EXPECT_EQ(a->westSlots[idx], (frmAllStar::Slot{wr[idx][0], wr[idx][1]}));
    }
    EXPECT_EQ(a->lstWEST->currentRow(), 0);
    EXPECT_FALSE(a->eastSelected);
    expectLists(a, wr[0]);
    a->close();
    EXPECT_EQ(west(), wr);
    EXPECT_EQ(east(), er);
}

TEST_F(AllStarEditor, ClosingTheMainWindowClosesItAndKeepsItsChanges) {
    openDemo();
    frmAllStar* a = showWindow();
    const Roster wr = west();
    clickRow(a->lstWEST, 0);
    const int t = (wr[0][0] + 2) % 27;
    chooseWithKeys(a->cmbTeam, t);
    QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);
    w->close();
    EXPECT_FALSE(a->isVisible());
    EXPECT_TRUE(a->isUnloaded());
    EXPECT_EQ(west()[0], (clsProject::Pair{static_cast<std::uint8_t>(t), wr[0][1]}));
}
