// Undo and redo in the window: every kind of step taken back and forth whole, the selection at
// the step's team or player, what is typed stored as a step of its own first, and the caption's
// modified marker following the league back to the state last saved.
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "ui/support/UiHarness.h"

class UndoRedo : public UiTest {
public:
    // The selection, and what the editors, the tree and the schedule show of it, as the league holds it.
    std::function<void()> shows(int team, int player, int node) {
        return [=, this] {
            const clsPlayer& p = ::player(team, player);
            const clsTeam& t = ::team(team);
            EXPECT_EQ(w->tree().currentItem(), this->node(node));
            EXPECT_EQ(
                QStringList({QString::number(w->selection().team * 100 + w->selection().player),
                             playerUi().txtLastname->text(), playerUi().txtWeight->text(), teamUi().txtCity->text(),
                             this->node(teamNode(team))->text(0), this->node(playerNode(team, player))->text(0),
                             scheduleUi().lstSchedule->currentItem()->text(), scheduleUi().cmbHome->currentText()}),
                QStringList({QString::number(team * 100 + player), qs(p.getLast()), QString::number(p.getWeight()),
                             qs(t.getCity()), qs(t.getCity() + " " + t.getMascot()), UiText::playerText(p),
                             qs(league().getMatchupStr(10)), qs(::team(league().getMatchupBytes(10)[0]).getAbrev())}));
        };
    }
};

// Each step is made at player 1.2, game 10 shown; the selection then moves to player 6.4, and
// undo comes back to the step's team or player.
TEST_F(UndoRedo, EveryKindOfStepIsUndoneAndRedoneWhole) {
    openDemo();
    act("click row 10 of lstSchedule");
    const std::string undo = "click player 6.4, menu menuEditUndo";
    const Lines city = {"team 1 city: \"BRAMWICK\" -> \"GOTHAM\""}, back = {"team 1 city: \"GOTHAM\" -> \"BRAMWICK\""};
    const Lines colour = {"team 1 uniform nes 0: 0x06 -> 0x2A"}, colourBack = {"team 1 uniform nes 0: 0x2A -> 0x06"};
    const Lines game = {"game 10: \"LUM at KES\" -> \"LUM at DUS\""},
                gameBack = {"game 10: \"LUM at DUS\" -> \"LUM at KES\""};
    const Lines star = {"west all-star 0: 0.2 -> 5.2"}, starBack = {"west all-star 0: 5.2 -> 0.2"};
    const Lines steal = {"player 1.2 steal: 183 -> 184"}, stealBack = {"player 1.2 steal: 184 -> 183"};
    play({
        {"click player 1.2, type gotham into txtCity, Tab", city, "", "City"},
        {undo, back, "", "", shows(1, 0, teamNode(1))},
        {"menu menuEditRedo", city, "", "City", shows(1, 0, teamNode(1))},
        {"click player 1.2, click cmdIncAtt_2", steal, "", "Rating"},
        {undo, stealBack, "", "City", shows(1, 2, playerNode(1, 2))},
        {"menu menuEditRedo", steal, "", "Rating"},
        {"choose 3 in cmbHome, click player 1.3", game, "", "Schedule"},
        {undo, gameBack, "", "Rating", shows(6, 4, playerNode(6, 4))},
        {"menu menuEditRedo", game, "", "Schedule"},
        {"click player 1.2, click lblnespal_0, click lblnespal_42, click cmdOK", colour, "", "Colour"},
        {undo, colourBack, "", "Schedule", shows(1, 0, teamNode(1))},
        {"menu menuEditRedo", colour, "", "Colour"},
        {"click cmdEditAllStar, choose 5 in cmbTeam, click cmdChangeWest", star, "", "All-Stars"},
        {"menu menuEditUndo", starBack, "", "Colour",
         [this] { EXPECT_EQ(w->allStarWindow(false)->lstWEST->item(0)->text(), "EMRY GALRICK"); }},
        {"menu menuEditRedo, close frmAllStar", star, "", "All-Stars"},
    });
    // Team 1's city and player 1.2's last name changed, as a project, team and player file.
    clsProject other = league();
    other.getTeamRef(1)->setCity("IMPORTED");
    other.getTeamRef(1)->getPlayerRef(2)->setLast("FROMFILE");
    ASSERT_EQ(ProjectFile::exportProject(other, file("l.tpr")), Result::Ok);
    ASSERT_EQ(TeamFile::exportTeam(*other.getTeamRef(1), file("t.tte")), Result::Ok);
    ASSERT_EQ(PlayerFile::exportPlayer(*other.getTeamRef(1)->getPlayerRef(2), file("p.tpl")), Result::Ok);
    const Lines in = {"team 1 city: \"GOTHAM\" -> \"IMPORTED\"", "player 1.2 last: \"GALVIK\" -> \"FROMFILE\""};
    const Lines out = {"team 1 city: \"IMPORTED\" -> \"GOTHAM\"", "player 1.2 last: \"FROMFILE\" -> \"GALVIK\""};
    play({
        {"file l.tpr, menu menuProjectImport", in, "Team imported!", "Import Project"},
        {undo, out, "", "All-Stars", shows(6, 4, playerNode(6, 4))},
        {"menu menuEditRedo", in, "", "Import Project"},
        {"menu menuEditUndo", out, "", "All-Stars"},
        {"click player 1.2, file t.tte, menu menuProjectImportTeam", in, "Team imported!", "Import Team"},
        {undo, out, "", "All-Stars", shows(1, 0, teamNode(1))},
        {"click player 1.2, file p.tpl, menu meunProjectImportPlayer", {in[1]}, "Player imported!", "Import Player"},
        {undo, {out[1]}, "", "All-Stars", shows(1, 2, playerNode(1, 2))},
    });
}

// A team step undone selects the team as a click on its node does: both figures start again.
TEST_F(UndoRedo, AnUndoneTeamStepShowsTheTeamsFirstFigure) {
    openDemo();
    act("click team 3");
    const QImage first = figureOf(teamUi().picPlayerRenderNES);
    play({{"click picPlayerRenderNES, type gotham into txtCity, Tab, click picPlayerRenderNES, menu menuEditUndo", "",
           "", "", [&] {
               EXPECT_EQ(w->selection().nesFigureVariant, 0);
               EXPECT_EQ(figureOf(teamUi().picPlayerRenderNES), first);
           }}});
}

// The history keys with the cursor still in a box store what was typed, as leaving the box
// would, then take the league's step; opening the Edit menu stores it too, so that Undo names
// the step it takes. The caption's marker follows the league back to what was last saved.
TEST_F(UndoRedo, TheKeysWithTheCursorInABoxStoreWhatWasTypedFirst) {
    openDemo(Console::Snes);
    play({
        {"click player 2.5, type smith into txtLastname, Ctrl+Z, see VALFORD in txtLastname, see &Redo Last Name in "
         "menuEditRedo",
         "", "", ""},
        {"Ctrl+Y, see Tamsel v0.21.0 [game.smc]* in frmMain", "player 2.5 last: \"VALFORD\" -> \"SMITH\"", "",
         "Last Name"},
        {"type jones into txtLastname, show menuEdit", "player 2.5 last: \"SMITH\" -> \"JONES\"", "", "Last Name"},
        {"type 203 into txtWeight, Ctrl+Z", "", "", "Last Name"},
        {"Ctrl+Shift+Z", "player 2.5 weight: 204 -> 200", "", "Weight"},
        {"type 305 into txtWeight, show menuEdit", "player 2.5 weight: 200 -> 304", "", "Weight"},
        {"focus tvProject, Ctrl+Z*4, see Tamsel v0.21.0 [game.smc] in frmMain",
         "player 2.5 last: \"JONES\" -> \"VALFORD\"\nplayer 2.5 weight: 304 -> 204", "", ""},
        {"Ctrl+Y, see Tamsel v0.21.0 [game.smc]* in frmMain", "player 2.5 last: \"VALFORD\" -> \"SMITH\"", "",
         "Last Name"},
        {"menu menuFileSave, see Tamsel v0.21.0 [game.smc] in frmMain", "", "File successfully saved!", "Last Name"},
        {"open game.smc", "", "File successfully loaded!", "",
         [this] { EXPECT_FALSE(menus().menuEditRedo->isEnabled()); }},
    });
}

// A game whose bytes carry flags besides the top bit (game 0 of nes-1 is E0 99) is selected when
// a city is stored: undo takes the city back, and the game keeps its bytes.
TEST_F(UndoRedo, UndoWithAFlaggedGameSelectedTakesBackTheEdit) {
    REQUIRE_FIXTURES();
    for (const testsupport::Reference& ref : testsupport::kReferences) {
        SCOPED_TRACE(ref.folder);
        openReference(ref);
        int flagged = 0;
        for (std::uint8_t b = league().schedule()[0]; b == ((b & 31) | 0x80);
             b = league().schedule()[std::size_t(2 * flagged)])
            ++flagged;
        play({{"click row " + std::to_string(flagged) +
                   " of lstSchedule, type gotham into txtCity, Tab, Ctrl+Z, see &Redo City in menuEditRedo",
               "", "", ""}});
    }
}
