// Undo and redo in the window: every kind of step taken back and forth with the league
// exactly as before and after it, the editors, tree and all-star window shown anew at the
// step's team or player, values still typed stored as steps of their own first, and the
// caption's modified marker following the league back to the state last saved.
#include <QMenu>

#include "UiHarness.h"
#include "model/Rating.h"

namespace {

// What the editors and the tree should show of the selection in the league as it is.
void expectShown(frmMain& w) {
    const EditorSelection& at = w.selection();
    const clsPlayer& p = player(at.team, at.player);
    EXPECT_EQ(str(w.playerEditor().controls().txtLastname->text()), p.getLast());
    EXPECT_EQ(str(w.playerEditor().controls().txtWeight->text()), std::to_string(p.getWeight()));
    EXPECT_EQ(str(w.teamEditor().controls().txtCity->text()), team(at.team).getCity());
    EXPECT_EQ(str(w.tree().node(teamNode(at.team))->text(0)),
              team(at.team).getCity() + " " + team(at.team).getMascot());
    EXPECT_EQ(str(w.tree().node(playerNode(at.team, at.player))->text(0)).substr(3), p.getFullname());
    EXPECT_EQ(w.scheduleEditor().controls().cmbHome->currentIndex(), league().getMatchupBytes(at.game)[0]);
    EXPECT_EQ(str(w.scheduleEditor().controls().lstSchedule->item(at.game)->text()), league().getMatchupStr(at.game));
}

}  // namespace

class UndoRedo : public UiTest {
public:
    void undo() { menus().menuEditUndo->trigger(); }
    void redo() { menus().menuEditRedo->trigger(); }
    // Imports the league with team 1's city and player 1.2's last name and weight changed, as a project, team 1 or
    // player 1.2; a weight typed first gives way to the imported record.
    void import(Record kind, QAction* item) {
        clsProject other = league();
        other.getTeamRef(1)->setCity("IMPORTED");
        other.getTeamRef(1)->getPlayerRef(2)->setLast("FROMFILE");
        other.getTeamRef(1)->getPlayerRef(2)->setWeight(312);
        exportRecord(kind, other, 1, 2, file("import"));
        type(playerUi().txtWeight, "151");
        menu(item, file("import"));
    }
};

// Each step is made at player 1.2 (game 10 shown in the schedule); the selection then moves
// to player 6.4, and undo comes back to the step's team or player.
TEST_F(UndoRedo, EveryKindOfStepIsUndoneAndRedoneWhole) {
    struct Row {
        const char* name;
        std::function<void(UndoRedo&)> act;
        QString label;
        int team;  // the selection after undo, and the tree's current node
        int player;
        int node;
        int game;  // the game shown: an import of a project or a team fills the schedule anew
    };
    const Row rows[] = {
        {"a field stored as its box is left",
         [](UndoRedo& t) { t.typeAndLeave(t.teamUi().txtCity, "gotham", t.teamUi().txtMascot); }, "City", 1, 0,
         teamNode(1), 10},
        {"a rating step",
         [](UndoRedo& t) {
             const bool up = kRatings[Rating::Stealing].value(player(1, 2)) < 50;
             QTest::mouseClick((up ? t.playerUi().cmdIncAtt : t.playerUi().cmdDecAtt)[Rating::Stealing],
                               Qt::LeftButton);
         },
         "Rating", 1, 2, playerNode(1, 2), 10},
        {"a schedule change",
         [](UndoRedo& t) {
             t.choose(t.scheduleUi().cmbHome, (league().getMatchupBytes(10)[0] + 1) % 27);
             t.clickNode(playerNode(1, 3));  // the list loses the focus
         },
         "Schedule", 6, 4, playerNode(6, 4), 10},
        {"a colour from the palette tool",
         [](UndoRedo& t) { t.pickColour(t.teamUi().lblnespal[0], otherColour(team(1).getUniformColor_NES_0())); },
         "Colour", 1, 0, teamNode(1), 10},
        {"a slot replaced in the all-star window",
         [](UndoRedo& t) {
             frmAllStar* a = t.showAllStar();
             ASSERT_NE(a, nullptr);
             t.choose(a->cmbTeam, (league().getWestAllStar(0)[0] + 1) % 27);
             QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);
             a->close();
         },
         "All-Stars", 6, 4, playerNode(6, 4), 10},
        {"a project import", [](UndoRedo& t) { t.import(Record::Project, t.menus().menuProjectImport); },
         "Import Project", 6, 4, playerNode(6, 4), 0},
        {"a team import", [](UndoRedo& t) { t.import(Record::Team, t.menus().menuProjectImportTeam); }, "Import Team",
         1, 0, teamNode(1), 0},
        {"a player import", [](UndoRedo& t) { t.import(Record::Player, t.menus().meunProjectImportPlayer); },
         "Import Player", 1, 2, playerNode(1, 2), 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        clickRow(scheduleUi().lstSchedule, 10);
        clickNode(playerNode(1, 2));
        const clsProject before = league();
        ASSERT_NO_FATAL_FAILURE(row.act(*this));
        const clsProject after = league();
        ASSERT_FALSE(after == before);
        expectShown(*w);
        EXPECT_EQ(menus().menuEditUndo->text(), "&Undo " + row.label);
        EXPECT_TRUE(menus().menuEditUndo->isEnabled());
        EXPECT_FALSE(menus().menuEditRedo->isEnabled());
        clickNode(playerNode(6, 4));

        undo();
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(w->selection().team, row.team);
        EXPECT_EQ(w->selection().player, row.player);
        EXPECT_EQ(w->tree().currentItem(), node(row.node));
        EXPECT_EQ(w->selection().game, row.game);
        expectShown(*w);
        EXPECT_EQ(menus().menuEditRedo->text(), "&Redo " + row.label);
        EXPECT_FALSE(menus().menuEditUndo->isEnabled());

        redo();
        EXPECT_TRUE(league() == after);
        expectShown(*w);
        EXPECT_EQ(menus().menuEditUndo->text(), "&Undo " + row.label);
        EXPECT_EQ(menus().menuEditRedo->text(), "&Redo");
        EXPECT_FALSE(menus().menuEditRedo->isEnabled());
    }
}

TEST_F(UndoRedo, AnOpenAllStarWindowReloadsItsSlotsAfterUndoAndRedo) {
    openDemo();
    clickNode(playerNode(2, 0));
    typeAndLeave(playerUi().txtLastname, "renamed", playerUi().txtFirstname);
    const clsProject renamed = league();
    frmAllStar* a = showAllStar();
    ASSERT_NE(a, nullptr);
    choose(a->cmbTeam, (league().getWestAllStar(0)[0] + 1) % 27);
    QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);  // slot 0 changed
    const QString changed = a->lstWEST->item(0)->text();
    undo();
    EXPECT_TRUE(league() == renamed);
    EXPECT_EQ(a->lstWEST->item(0)->text(),
              qs(player(league().getWestAllStar(0)[0], league().getWestAllStar(0)[1]).getFullname()));
    EXPECT_EQ(menus().menuEditRedo->text(), "&Redo All-Stars");
    redo();
    EXPECT_EQ(a->lstWEST->item(0)->text(), changed);
    const std::size_t taken = steps();
    a->close();
    EXPECT_EQ(steps(), taken);  // closing wrote nothing new
}

TEST_F(UndoRedo, TheMarkerFollowsTheLeagueBackToTheStateLastSaved) {
    openDemo();
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [game.nes]");
    EXPECT_EQ(menus().menuEditUndo->text(), "&Undo");
    EXPECT_FALSE(menus().menuEditUndo->isEnabled());
    struct Row {
        const char* name;
        std::function<void(UndoRedo&)> act;
        bool modified;
    };
    const Row rows[] = {
        {"an edit", [](UndoRedo& t) { t.typeAndLeave(t.teamUi().txtCity, "gotham", t.teamUi().txtMascot); }, true},
        {"undone with the key", [](UndoRedo& t) { QTest::keyClick(&t.w->tree(), Qt::Key_Z, Qt::ControlModifier); },
         false},
        {"redone with the other key",
         [](UndoRedo& t) { QTest::keyClick(&t.w->tree(), Qt::Key_Y, Qt::ControlModifier); }, true},
        {"saved", [](UndoRedo& t) { EXPECT_EQ(t.save(), "File successfully saved!"); }, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        w->tree().setFocus();
        row.act(*this);
        EXPECT_EQ(w->isWindowModified(), row.modified);
        EXPECT_EQ(caption(), row.modified ? "Tamsel v0.21.0 [game.nes]*" : "Tamsel v0.21.0 [game.nes]");
    }
    open(rom);  // a fresh history
    EXPECT_FALSE(menus().menuEditUndo->isEnabled());
    EXPECT_FALSE(menus().menuEditRedo->isEnabled());
}

// A game whose bytes carry flags besides the top bit (game 0 of nes-1 is E0 99) is selected
// when a city is stored: undo takes the city back, and the game keeps its bytes.
TEST_F(UndoRedo, UndoWithAFlaggedGameSelectedTakesBackTheEdit) {
    REQUIRE_FIXTURES();
    for (const testsupport::Reference& ref : testsupport::kReferences) {
        SCOPED_TRACE(ref.folder);
        openReference(ref);
        const clsProject opened = league();
        const auto plain = [](std::uint8_t b) { return b == ((b & 31) | 0x80); };
        int flagged = 0;
        while (flagged < 1106 && plain(league().schedule()[std::size_t(2 * flagged)])) ++flagged;
        clickRow(scheduleUi().lstSchedule, flagged);
        typeAndLeave(teamUi().txtCity, "gotham", teamUi().txtMascot);
        undo();
        EXPECT_EQ(diffSince(opened), Lines{});
        EXPECT_EQ(menus().menuEditRedo->text(), "&Redo City");
    }
}

// The history keys with the cursor still in a box store what was typed, as leaving the box
// would, then take the league's step; opening the Edit menu stores it too, so that Undo names
// the step it takes.
TEST_F(UndoRedo, TheKeysWithTheCursorInABoxStoreWhatWasTypedFirst) {
    using P = PlayerEditorPanel::Controls;
    struct Row {
        const char* name;
        ConsoleKind kind;
        TextBox* P::*box;
        QKeyCombination redo;
        QString label;
        std::string (*field)(const clsPlayer&);  // "last: \"DOE\"", as a diff line names the field and its value
        QString typed;
        std::string stored;
        QString typedAgain;
        std::string storedAgain;
    };
    const Row rows[] = {
        {"a name box, NES", Console::Nes, &P::txtLastname, Qt::CTRL | Qt::Key_Y, "Last Name",
         [](const clsPlayer& p) { return "last: \"" + p.getLast() + "\""; }, "smith", "\"SMITH\"", "jones",
         "\"JONES\""},
        {"a number box, SNES", Console::Snes, &P::txtWeight, Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "Weight",
         [](const clsPlayer& p) { return "weight: " + std::to_string(p.getWeight()); }, "203", "200", "305", "304"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo(row.kind);
        clickNode(playerNode(2, 5));
        const clsProject opened = league();
        TextBox* box = playerUi().*row.box;
        const QString shown = box->text();
        const std::string change = "player 2.5 " + row.field(player(2, 5)) + " -> ";
        type(box, row.typed);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(diffSince(opened), Lines{});
        EXPECT_EQ(box->text(), shown);
        EXPECT_EQ(menus().menuEditRedo->text(), "&Redo " + row.label);
        QTest::keyClick(box, row.redo.key(), row.redo.keyboardModifiers());
        EXPECT_EQ(diffSince(opened), Lines{change + row.stored});
        type(box, row.typedAgain);
        emit menus().menuEdit->aboutToShow();
        EXPECT_EQ(menus().menuEditUndo->text(), "&Undo " + row.label);
        EXPECT_EQ(diffSince(opened), Lines{change + row.storedAgain});
    }
}
