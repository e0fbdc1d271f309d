// The schedule editor: a team chosen in a list is stored, with the top bit the game
// keeps, into the game selected when the list loses the focus.
#include "ui/support/UiHarness.h"

using ScheduleEditor = UiTest;

namespace {

void expectShown(const ScheduleEditorPanel::Controls& ui, int game) {
    const clsProject::Pair b = league().getMatchupBytes(game);
    EXPECT_EQ(ui.lstSchedule->currentRow(), game);
    EXPECT_EQ(ui.cmbHome->currentIndex(), b[0] < 27 ? b[0] : -1);
    EXPECT_EQ(ui.cmbAway->currentIndex(), b[1] < 27 ? b[1] : -1);
}

}  // namespace

TEST_F(ScheduleEditor, ChosenTeamIsStoredInTheGameSelectedBeforeTheNextClick) {
    openDemo();
    ASSERT_EQ(scheduleUi().lstSchedule->count(), 1107);
    clickRow(scheduleUi().lstSchedule, 3);
    expectShown(scheduleUi(), 3);
    const clsProject::Pair before = league().getMatchupBytes(3);
    const int home = (before[0] + 5) % 27;
    choose(scheduleUi().cmbHome, home);
    EXPECT_EQ(league().getMatchupBytes(3), before);  // nothing stored while the list has the focus

    clickRow(scheduleUi().lstSchedule, 10);
    expectShown(scheduleUi(), 10);
    EXPECT_EQ(league().getMatchupBytes(3), (clsProject::Pair{std::uint8_t(home), before[1]}));
    EXPECT_EQ(league().schedule()[6], 0x80 | home);
    EXPECT_EQ(scheduleUi().lstSchedule->item(3)->text(),
              qs(team(before[1]).getAbrev() + " at " + team(home).getAbrev()));
    EXPECT_EQ(save(), "File successfully saved!");
    const auto bytes = testsupport::readBytes(rom);
    const std::size_t at = std::size_t(session().activeOffsets()[OffsetSet::scheduleTable]) + 6;
    EXPECT_EQ(bytes[at], 0x80 | home);
    EXPECT_EQ(bytes[at + 1], 0x80 | before[1]);

    QTest::keyClick(scheduleUi().lstSchedule, Qt::Key_Down);  // the keyboard selects as a click does
    expectShown(scheduleUi(), 11);
}

// Game 5 of the image names team 29 at home, game 6 team 31 away: the lists show no entry
// for them, and a store keeps the team the list does not show.
TEST_F(ScheduleEditor, TeamNumbersBeyondTheLeagueShowNoEntryAndAreKept) {
    start();
    RomImage image = DemoRom::makeNes();
    const auto schedule = std::size_t(OffsetSet::nesDefaults()[OffsetSet::scheduleTable]);
    image[schedule + 10] = 0x80 | 29;
    image[schedule + 11] = 0x80 | 2;
    image[schedule + 12] = 0x80 | 1;
    image[schedule + 13] = 0x80 | 31;
    rom = place(image, "game.nes");
    open(rom);
    clickRow(scheduleUi().lstSchedule, 5);
    expectShown(scheduleUi(), 5);
    choose(scheduleUi().cmbAway, 7);
    clickRow(scheduleUi().lstSchedule, 6);
    EXPECT_EQ(league().getMatchupBytes(5), (clsProject::Pair{29, 7}));
    expectShown(scheduleUi(), 6);
    scheduleUi().cmbHome->setFocus(Qt::MouseFocusReason);  // leaving a list without choosing keeps both
    clickRow(scheduleUi().lstSchedule, 7);
    EXPECT_EQ(league().getMatchupBytes(6), (clsProject::Pair{1, 31}));
}
