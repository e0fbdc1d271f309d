// The all-star editor: replacing a slot through the team and player lists, writing the
// rosters back when the window closes, and reloading when another league is opened.
#include <QPushButton>

#include "UiHarness.h"
#include "ui/frmAllStar.h"

namespace {

// The west slots 0..11, then the east slots 0..11.
std::vector<clsProject::Pair> rosters() {
    std::vector<clsProject::Pair> r;
    for (int i = 0; i < 24; ++i) r.push_back(i < 12 ? league().getWestAllStar(i) : league().getEastAllStar(i - 12));
    return r;
}

QString fullName(clsProject::Pair slot) { return qs(player(slot[0], slot[1]).getFullname()); }

// The window's two lists name the players of the league's rosters.
void expectLists(frmAllStar* a) {
    const auto r = rosters();
    for (int i = 0; i < 24; ++i) EXPECT_EQ((i < 12 ? a->lstWEST : a->lstEAST)->item(i % 12)->text(), fullName(r[std::size_t(i)]));
}

}  // namespace

class AllStarEditor : public UiTest {
protected:
    frmAllStar* showWindow() {
        QTest::mouseClick(w->cmdEditAllStar, Qt::LeftButton);
        frmAllStar* a = w->allStarWindow(false);
        EXPECT_TRUE(a != nullptr && QTest::qWaitForWindowExposed(a));
        return a;
    }
};

TEST_F(AllStarEditor, EditedSlotIsWrittenOnCloseAndSaved) {
    openDemo();
    frmAllStar* a = showWindow();
    ASSERT_NE(a, nullptr);
    expectLists(a);
    auto expected = rosters();
    const clsProject::Pair east5 = expected[17];
    clickRow(a->lstEAST, 5);
    EXPECT_EQ(a->cmbTeam->currentIndex(), east5[0]);
    EXPECT_EQ(a->cmbPlayer->currentIndex(), east5[1]);
    const clsProject::Pair slot = {std::uint8_t((east5[0] + 1) % 27), std::uint8_t((east5[1] + 4) % 12)};
    choose(a->cmbTeam, slot[0]);
    EXPECT_EQ(a->cmbPlayer->currentIndex(), east5[1]);  // another team, the same roster position
    EXPECT_EQ(a->cmbPlayer->itemText(0), fullName({slot[0], 0}));
    choose(a->cmbPlayer, slot[1]);
    QTest::mouseClick(a->cmdChangeEast, Qt::LeftButton);
    EXPECT_EQ(a->lstEAST->item(5)->text(), fullName(slot));
    EXPECT_EQ(rosters(), expected);  // the league changes when the window closes
    a->close();
    expected[17] = slot;
    EXPECT_EQ(rosters(), expected);
    EXPECT_EQ(save(), "File successfully saved!");
    league() = clsProject{};
    open(rom);
    EXPECT_EQ(rosters(), expected);
}

TEST_F(AllStarEditor, AnOpenWindowReloadsWhenAnotherLeagueIsOpened) {
    openDemo();
    frmAllStar* a = showWindow();
    clickRow(a->lstWEST, 1);
    choose(a->cmbTeam, (rosters()[1][0] + 3) % 27);
    QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);

    open(place(DemoRom::makeSnes(), "game.smc"));
    const auto loaded = rosters();
    expectLists(a);
    a->close();
    EXPECT_EQ(rosters(), loaded);
    settle();
    EXPECT_EQ(w->allStarWindow(false), nullptr);
}
