// The schedule editor: the game list and the away and home team lists, storing a choice
// when its list loses the focus, and selections made by the program running the same
// handling as a click.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "MainWindowHarness.h"

using namespace uitest;

class ScheduleEditor : public MainWindowTest {
protected:
    void openDemo(ConsoleKind kind = Console::Nes) {
        start();
        rom = placeRom(kind, kind == Console::Nes ? "game.nes" : "game.smc");
        openOk(rom);
    }
    // Teams the two lists show for the selected game.
    void expectShown(int game) {
        clsProject::Pair b = league().getMatchupBytes(game);
        EXPECT_EQ(w->selectedGame, game);
        EXPECT_EQ(w->lstSchedule->currentRow(), game);
        EXPECT_EQ(w->cmbHome->currentIndex(), b[0] < 27 ? b[0] : -1);
        EXPECT_EQ(w->cmbAway->currentIndex(), b[1] < 27 ? b[1] : -1);
    }
    // A team other than the one the list shows.
    static int otherTeam(const QComboBox* list) { return (list->currentIndex() + 5) % 27; }
    std::string rom;
};

TEST_F(ScheduleEditor, ListsEveryGameAndEveryTeam) {
    openDemo(Console::Snes);
    for (int refill = 0; refill < 3; ++refill) {
        SCOPED_TRACE(refill);
        if (refill > 0) w->fillSchedulePanel();
        ASSERT_EQ(w->lstSchedule->count(), 1107);
        for (int g = 0; g < 1107; ++g)
            ASSERT_EQ(w->lstSchedule->item(g)->text(), QString::fromStdString(league().getMatchupStr(g))) << g;
        for (QComboBox* list : {w->cmbHome, w->cmbAway}) {
            ASSERT_EQ(list->count(), 27);
            for (int t = 0; t < 27; ++t) EXPECT_EQ(list->itemText(t), QString::fromStdString(team(t).getAbrev()));
        }
        expectShown(0);
    }
    // Away team, "at", home team, from left to right.
    EXPECT_LT(w->cmbAway->x(), w->cmbHome->x());
    EXPECT_EQ(w->cmdEditAllStar->text(), "All-Star");
    bool foundAt = false;
    for (QLabel* l : w->frameProjectEditor->findChildren<QLabel*>())
        if (l->text() == "at") foundAt = l->x() > w->cmbAway->x() && l->x() < w->cmbHome->x();
    EXPECT_TRUE(foundAt);
}

TEST_F(ScheduleEditor, ClickingAGameShowsItsTeams) {
    openDemo();
    for (int g : {10, 1106, 0, 555}) {
        clickRow(w->lstSchedule, g);
        expectShown(g);
    }
    // The keyboard moves the selection as a click does.
    QTest::keyClick(w->lstSchedule, Qt::Key_Down);
    expectShown(556);
    // So does a selection made by the program.
    w->selectScheduleGame(42);
    expectShown(42);
}

TEST_F(ScheduleEditor, ChosenTeamIsStoredInTheGameSelectedBeforeTheNextClick) {
    openDemo();
    clickRow(w->lstSchedule, 3);
    const clsProject::Pair before = league().getMatchupBytes(3);
    const int home = otherTeam(w->cmbHome);
    chooseWithKeys(w->cmbHome, home);
    // Nothing is stored while the list keeps the focus.
    EXPECT_EQ(league().getMatchupBytes(3), before);

    clickRow(w->lstSchedule, 10);
    EXPECT_EQ(league().getMatchupBytes(3)[0], home);
    EXPECT_EQ(league().getMatchupBytes(3)[1], before[1]);
    EXPECT_EQ(w->lstSchedule->item(3)->text(), QString::fromStdString(league().getMatchupStr(3)));
    EXPECT_TRUE(w->lstSchedule->item(3)->text().endsWith(QString::fromStdString(" at " + team(home).getAbrev())));
    expectShown(10);

    // Stored with the top bit set, and saved into the image.
    const auto& bytes = league().schedule();
    EXPECT_TRUE((bytes[6] & 0x80) && (bytes[7] & 0x80));
    EXPECT_EQ(saveByMenu(), "File successfully saved!");
    openOk(rom);
    EXPECT_EQ(league().getMatchupBytes(3)[0], home);
}

TEST_F(ScheduleEditor, AwayTeamAndTheSameTeamOnBothSides) {
    openDemo();
    clickRow(w->lstSchedule, 20);
    const int home = w->cmbHome->currentIndex();
    chooseWithKeys(w->cmbAway, home);
    QTest::mouseClick(w->txtWeight, Qt::LeftButton);  // any other control taking the focus
    EXPECT_EQ(league().getMatchupBytes(20)[0], home);
    EXPECT_EQ(league().getMatchupBytes(20)[1], home);
    const QString abrev = QString::fromStdString(team(home).getAbrev());
    EXPECT_EQ(w->lstSchedule->item(20)->text(), abrev + " at " + abrev);
    EXPECT_EQ(w->selectedGame, 20);
}

TEST_F(ScheduleEditor, TeamNumbersBeyondTheLeagueShowNoEntryAndAreKept) {
    openDemo();
    league().setMatchupBytes(5, 29, 2);
    league().setMatchupBytes(6, 1, 31);
    w->fillSchedulePanel();
    clickRow(w->lstSchedule, 5);
    EXPECT_EQ(w->cmbHome->currentIndex(), -1);
    EXPECT_EQ(w->cmbAway->currentIndex(), 2);
    chooseWithKeys(w->cmbAway, 7);
    clickRow(w->lstSchedule, 6);
    EXPECT_EQ(league().getMatchupBytes(5), (clsProject::Pair{29, 7}));
    EXPECT_EQ(w->cmbHome->currentIndex(), 1);
    EXPECT_EQ(w->cmbAway->currentIndex(), -1);
    // Leaving a list without choosing keeps both numbers.
    w->cmbHome->setFocus(Qt::MouseFocusReason);
    clickRow(w->lstSchedule, 7);
    EXPECT_EQ(league().getMatchupBytes(6), (clsProject::Pair{1, 31}));
}

TEST_F(ScheduleEditor, EditedAbbreviationRefillsTheListsAndSelectsTheFirstGame) {
    openDemo();
    clickRow(w->lstSchedule, 30);
    clickNode(2 + 13 * 3);
    type(w->txtAbrev, "zzz");
    QTest::keyClick(w->txtAbrev, Qt::Key_Tab);
    EXPECT_EQ(team(3).getAbrev(), "ZZZ");
    EXPECT_EQ(w->cmbHome->itemText(3), "ZZZ");
    EXPECT_EQ(w->cmbAway->count(), 27);
    for (int g = 0; g < 1107; ++g)
        ASSERT_EQ(w->lstSchedule->item(g)->text(), QString::fromStdString(league().getMatchupStr(g))) << g;
    expectShown(0);
}
