// The schedule editor: a team chosen in a list is stored, with the top bit the game
// keeps, into the game selected when the list loses the focus.
#include "UiHarness.h"

using ScheduleEditor = UiTest;

namespace {

void expectShown(frmMain& w, int game) {
    const clsProject::Pair b = league().getMatchupBytes(game);
    EXPECT_EQ(w.lstSchedule->currentRow(), game);
    EXPECT_EQ(w.cmbHome->currentIndex(), b[0] < 27 ? b[0] : -1);
    EXPECT_EQ(w.cmbAway->currentIndex(), b[1] < 27 ? b[1] : -1);
}

}  // namespace

TEST_F(ScheduleEditor, ChosenTeamIsStoredInTheGameSelectedBeforeTheNextClick) {
    openDemo();
    ASSERT_EQ(w->lstSchedule->count(), 1107);
    clickRow(w->lstSchedule, 3);
    expectShown(*w, 3);
    const clsProject::Pair before = league().getMatchupBytes(3);
    const int home = (before[0] + 5) % 27;
    choose(w->cmbHome, home);
    EXPECT_EQ(league().getMatchupBytes(3), before);  // nothing stored while the list has the focus

    clickRow(w->lstSchedule, 10);
    expectShown(*w, 10);
    EXPECT_EQ(league().getMatchupBytes(3), (clsProject::Pair{std::uint8_t(home), before[1]}));
    EXPECT_EQ(league().schedule()[6], 0x80 | home);
    EXPECT_EQ(w->lstSchedule->item(3)->text(), qs(team(before[1]).getAbrev() + " at " + team(home).getAbrev()));
    EXPECT_EQ(save(), "File successfully saved!");
    const auto bytes = testsupport::readBytes(rom);
    const std::size_t at = std::size_t(modGlobals::activeOffsets[OffsetSet::scheduleTable]) + 6;
    EXPECT_EQ(bytes[at], 0x80 | home);
    EXPECT_EQ(bytes[at + 1], 0x80 | before[1]);

    QTest::keyClick(w->lstSchedule, Qt::Key_Down);  // the keyboard selects as a click does
    expectShown(*w, 11);
}

TEST_F(ScheduleEditor, TeamNumbersBeyondTheLeagueShowNoEntryAndAreKept) {
    openDemo();
    league().setMatchupBytes(5, 29, 2);
    league().setMatchupBytes(6, 1, 31);
    w->fillSchedulePanel();
    clickRow(w->lstSchedule, 5);
    expectShown(*w, 5);
    choose(w->cmbAway, 7);
    clickRow(w->lstSchedule, 6);
    EXPECT_EQ(league().getMatchupBytes(5), (clsProject::Pair{29, 7}));
    expectShown(*w, 6);
    w->cmbHome->setFocus(Qt::MouseFocusReason);  // leaving a list without choosing keeps both
    clickRow(w->lstSchedule, 7);
    EXPECT_EQ(league().getMatchupBytes(6), (clsProject::Pair{1, 31}));
}
