// The project tree and the schedule editor: what a click or a key selects and stores, and the
// order the Tab key follows.
#include "ui/support/UiHarness.h"
#include "ui/widgets/UiText.h"

using TreeAndSchedule = UiTest;

TEST_F(TreeAndSchedule, NodesSelectTheirRecordsAndTypedValuesGoToTheSelectionTheyWereTypedFor) {
    openDemo(Console::Snes);
    ASSERT_EQ(node(1)->childCount(), 27);
    EXPECT_EQ(node(1)->text(0) + node(teamNode(26))->text(0), "NBAAMBRIS ANVILS");
    w->selection().snesFigureVariant = 5;
    play({
        {"see 24-MILO WENMON in tvProject, click player 2.1, see NORZER in txtLastname"},
        {"click player 26.11, click root, see LORSON in txtLastname, see AMBRIS in txtCity"},
        {"click team 5, see SALFORD in txtLastname", "", "", nullptr,
         [this] { EXPECT_EQ(w->selection().snesFigureVariant, 0); }},
        // A store (the city, its box left) shows in the tree and the status bar but refills no
        // editor: the weight typed before stays as tidied, to be stored with the next store.
        {"click player 1.2, type 151 into txtWeight, type a much longer into txtCity, click txtFeet, see 148 in "
         "txtWeight",
         "team 1 city: \"BRAMWICK\" -> \"A MUCH LONGER\"", "", "City",
         [this] {
             EXPECT_EQ(node(teamNode(1))->text(0), "A MUCH LONGER NEWTS");
             EXPECT_TRUE(statusText().contains("Cities 227/259")) << statusText().toStdString();
         }},
        {"type 5 into txtFeet, type 203 into txtWeight, click player 7.9",
         "player 1.2 feet: 6 -> 5\nplayer 1.2 weight: 192 -> 200"},
        {"type 151 into txtWeight, focus tvProject, Down, see BRANTON in txtLastname", "player 7.9 weight: 248 -> 148"},
    });
}

// A team chosen in a list is stored, with the top bit the game keeps, into the game selected when
// the list loses the focus; a team number beyond the league shows no entry and is kept.
TEST_F(TreeAndSchedule, AChosenTeamGoesIntoTheGameSelectedBefore) {
    RomImage image = DemoRom::makeNes();
    const auto schedule = std::size_t(OffsetSet::nesDefaults()[OffsetSet::scheduleTable]);
    for (const auto& [at, byte] : {std::pair{10, 0x80 | 29}, {13, 0x80 | 31}}) image[schedule + std::size_t(at)] = byte;
    openImage(image, "game.nes");
    play({
        {"click row 3 of lstSchedule, see EMB at DUS in lstSchedule, see DUS in cmbHome, choose 9 in cmbHome"},
        {"click row 10 of lstSchedule, see LUM in cmbAway", "game 3: \"EMB at DUS\" -> \"EMB at JUN\"", "", "Schedule",
         [this] { EXPECT_EQ(league().schedule()[6], 0x80 | 9); }},
        {"Down, see MAR at LUM in lstSchedule"},
        {"click row 5 of lstSchedule, choose 7 in cmbAway, click row 6 of lstSchedule, see  in cmbAway",
         "game 5: \"GAL at \" -> \"HEX at \""},
        {"focus cmbHome, click row 7 of lstSchedule"},
    });
}

// The Tab key follows the controls as they stand: tool strip, tree, League, Team Editor, Player
// Editor with its rating rows top to bottom.
TEST_F(TreeAndSchedule, TabOrderFollowsTheFramesAndTheWindowIsPhotographed) {
    openDemo();
    QStringList expected = {"cmdFileLoad", "cmdFileSave",  "cmdTestInEmulator", "cmdExitApp",    "txtFilter",
                            "tvProject",   "lstSchedule",  "cmbAway",           "cmbHome",       "cmdEditAllStar",
                            "txtCity",     "txtMascot",    "txtAbrev",          "txtPPGhome",    "txtPPGaway",
                            "txtJersey",   "txtFirstname", "txtLastname",       "txtFeet",       "txtInches",
                            "txtWeight",   "cmbPosition",  "txtFGpercent",      "txtTPTpercent", "txtFTpercent"};
    for (int i = 0; i < 6; ++i)
        expected << QStringLiteral("cmdDecAtt_%1").arg(i) << QStringLiteral("cmdIncAtt_%1").arg(i);
    QStringList chain;
    for (QWidget* next = w->nextInFocusChain(); next != w.get(); next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisibleTo(w.get())) chain << next->objectName();
    EXPECT_EQ(chain, expected);
    settle();
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(w->grab().toImage().save(TAMSEL_BUILD_DIR "/screenshots/main-window.png"));
}

// An open over a league shows the new one in every node and row, the teams closed but the first.
TEST_F(TreeAndSchedule, AnOpenOverALeagueShowsEveryNameAndGameOfTheNewOne) {
    openDemo();
    act("type zed into txtAbrev, click player 3.4, type quill into txtLastname, file other.nes, menu menuFileSaveAs");
    act("click player 5.1, open game.nes");
    for (int t = 0; t < clsProject::kTeams; ++t) {
        EXPECT_EQ(scheduleUi().cmbHome->itemText(t), UiText::fromRom(team(t).getAbrev()));
        EXPECT_EQ(node(teamNode(t))->text(0),
                  UiText::fromRom(team(t).getCity()) + " " + UiText::fromRom(team(t).getMascot()));
        EXPECT_EQ(node(teamNode(t))->isExpanded(), t == 0) << t;
        for (int p = 0; p < clsTeam::kRoster; ++p)
            EXPECT_EQ(node(playerNode(t, p))->text(0), UiText::playerText(player(t, p)));
    }
    for (int g = 0; g <= clsProject::getNumberOfGames(); ++g)
        EXPECT_EQ(scheduleUi().lstSchedule->item(g)->text(), UiText::fromRom(league().getMatchupStr(g))) << g;
}

// The tree repaints only what the focus changes; what is on screen after the focus comes and goes
// is what a whole new painting of the tree gives.
TEST_F(TreeAndSchedule, WhatTheFocusLeavesOnScreenIsTheWholeTreeAsPaintedAnew) {
    openDemo();
    ProjectTreePanel& tree = w->tree();
    const auto onScreen = [&] {
        settle();
        const QRect place(tree.mapTo(w.get(), QPoint(0, 0)), tree.size());
        return QGuiApplication::primaryScreen()->grabWindow(w->winId()).copy(place).toImage();
    };
    for (const char* move : {"click player 0.3", "click txtFirstname", "click player 0.4", "focus txtCity"}) {
        act(move);
        const QImage shown = onScreen();
        tree.viewport()->update();
        tree.update();
        EXPECT_TRUE(shown == onScreen()) << move;
    }
}
