// Another league beside the open one: the compare window's tree, taking checked lines as one step
// and undoing it, the window following the open league, a double-click choosing a player, files
// refused; a backup of the open file restored as one step.
#include "ui/support/UiHarness.h"

using Compare = UiTest;

TEST_F(Compare, CheckedLinesAreTakenAsOneStepAndTheWindowFollowsTheLeague) {
    openImage(DemoRom::makeNes(), "friend.nes");
    act("click row 10 of lstSchedule, type gotham into txtCity, click player 1.2, click cmdIncAtt_2, choose 3 in "
        "cmbHome, click player 1.3, menu menuFileSave");
    messages.said.clear();
    openDemo();
    place(DemoRom::makeSnes(), "other.smc");
    testsupport::writeText(file("bad.tpr"), "[Team0]\nps=abc\n");
    const std::string city = "team 0 city: \"ALDERON\" -> \"GOTHAM\"", steal = "player 1.2 steal: 183 -> 184",
                      game = "game 10: \"LUM at KES\" -> \"LUM at DUS\"";
    const auto shows = [this](const Lines& lines) {
        return [=, this] { EXPECT_EQ(shownLines(w->findChild<QTreeWidget*>("tvwDifferences")), lines); };
    };
    play({
        {"file friend.nes, menu menuFileCompare", "", "", "",
         shows({"Teams (1)", "  team 0 ALDERON (1)", "    " + city, "Players (1)", "  team 1 BRAMWICK (1)",
                "    " + steal, "Schedule (1)", "  " + game})},
        {"check " + steal + " in tvwDifferences, check Schedule in tvwDifferences, click cmdTake",
         {steal, game},
         "",
         "Take 2 Changes",
         shows({"Teams (1)", "  team 0 ALDERON (1)", "    " + city})},
        {"menu menuEditUndo",
         {"player 1.2 steal: 184 -> 183", "game 10: \"LUM at DUS\" -> \"LUM at KES\""},
         "",
         "",
         shows({"Teams (1)", "  team 0 ALDERON (1)", "    " + city, "[x] Players (1)", "  [x] team 1 BRAMWICK (1)",
                "    [x] " + steal, "[x] Schedule (1)", "  [x] " + game})},
        {"double-click " + steal + " in tvwDifferences, type LUM into txtDiffFilter", "", "", nullptr,
         [&, this] {
             EXPECT_TRUE(
                 w->findChild<QWidget*>("frmCompare")->grab().save(TAMSEL_BUILD_DIR "/screenshots/compare.png"));
             EXPECT_EQ(w->tree().currentItem(), node(playerNode(1, 2)));
             EXPECT_EQ(playerUi().txtLastname->text().toStdString(), player(1, 2).getLast());
             shows({"[x] Schedule (1)", "  [x] " + game})();
         }},
        {"type  into txtDiffFilter, double-click " + city + " in tvwDifferences, type gotham into txtCity, Tab",
         {city},
         "",
         "City",
         shows({"[x] Players (1)", "  [x] team 1 BRAMWICK (1)", "    [x] " + steal, "[x] Schedule (1)",
                "  [x] " + game})},
        {"file other.smc, menu menuFileCompare", "",
         "warning: Image of the other edition! | an SNES image beside an NES league"},
        {"file bad.tpr, menu menuFileCompare", "",
         "warning: Error reading file! | line 2: the league has no section @SCHED"},
        {"file none.nes, menu menuFileCompare", "",
         "warning: Error loading file! | No such file or directory: " + file("none.nes")},
    });
}

TEST_F(Compare, ABackupOfTheOpenFileComesBackAsOneStep) {
    openDemo();
    act("type gotham into txtCity, Tab, menu menuFileSave");
    const std::vector<BackupStore::Backup> kept = session().backups().list(rom);
    ASSERT_EQ(kept.size(), 1u);
    play({{"menu menuFileRestoreBackup, see " + kept[0].time + " | 1 in lstBackups, click cmdOpen",
           "team 0 city: \"GOTHAM\" -> \"ALDERON\"", "", "Restore Backup",
           [this] { EXPECT_EQ(caption(), "Tamsel v0.21.0 [game.nes]*"); }}});
}
