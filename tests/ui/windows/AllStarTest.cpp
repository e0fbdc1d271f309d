// The all-star editor: a slot replaced through the team and player lists goes into the league
// at once; the window follows new leagues, imports and edits; slots naming no player (a damaged
// roster table) are flagged, shown empty and mended.
#include <QRegularExpression>

#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "ui/support/UiHarness.h"

class AllStar : public UiTest {
public:
    frmAllStar* window() { return w->allStarWindow(false); }
    // The window's entry and the choice below it.
    std::function<void()> shows(bool east, int row, const char* name, int team, int player) {
        return [=, this] {
            QListWidget* list = east ? window()->lstEAST : window()->lstWEST;
            EXPECT_EQ(std::tuple(list->currentRow(), list->item(row)->text(), window()->cmbTeam->currentIndex(),
                                 window()->cmbPlayer->currentIndex()),
                      std::tuple(row, QString(name), team, player));
        };
    }
};

// A slot replaced with "^" is a step of its own at once, which the caption and Save see while
// the window stays open; closing the window adds nothing. Another team keeps the roster place.
TEST_F(AllStar, AReplacedSlotIsStoredAtOnceAndFollowsImportsAndEdits) {
    openDemo();
    clsProject other = league();
    other.getTeamRef(19)->setAbrev("NEW");
    other.getTeamRef(19)->getPlayerRef(3)->setLast("RENAMED");
    ASSERT_EQ(TeamFile::exportTeam(*other.getTeamRef(19), file("t.tte")), Result::Ok);
    other.getTeamRef(19)->getPlayerRef(3)->setLast("AGAIN");
    ASSERT_EQ(PlayerFile::exportPlayer(*other.getTeamRef(19)->getPlayerRef(3), file("p.tpl")), Result::Ok);
    play({
        {"click cmdEditAllStar, click row 5 of lstEAST", "", "", nullptr, shows(true, 5, "LIOR VALTON", 19, 3)},
        {"choose 14 in cmbTeam", "", "", nullptr, shows(true, 5, "LIOR VALTON", 14, 3)},
        {"choose 2 in cmbPlayer, click cmdChangeEast, see Tamsel v0.21.0 [game.nes]* in frmMain",
         "east all-star 5: 19.3 -> 14.2", "", "All-Stars"},
        {"menu menuFileSave, close frmAllStar", "", "File successfully saved!", "All-Stars",
         [this] { EXPECT_EQ(diffLines(league(), decoded(rom)), Lines{}); }},
        {"menu menuEditUndo, click cmdEditAllStar, click row 5 of lstEAST, click player 19.0, file t.tte, "
         "menu menuProjectImportTeam",
         "team 19 abrev: \"TAM\" -> \"NEW\"\nplayer 19.3 last: \"VALTON\" -> \"RENAMED\"\neast all-star 5: 14.2 -> "
         "19.3",
         "Team imported!", "Import Team", shows(true, 5, "LIOR RENAMED", 19, 3)},
        {"click player 19.3, file p.tpl, menu meunProjectImportPlayer", "player 19.3 last: \"RENAMED\" -> \"AGAIN\"",
         "Player imported!", nullptr, shows(true, 5, "LIOR AGAIN", 19, 3)},
        {"type typed into txtLastname, Tab, see NEW in cmbTeam, see LIOR TYPED in cmbPlayer",
         "player 19.3 last: \"AGAIN\" -> \"TYPED\"", "", nullptr, shows(true, 5, "LIOR TYPED", 19, 3)},
    });
}

// A new league or an imported project reloads an open window (a project's slot naming player 255
// shows empty); closing it then leaves the new rosters in the league.
TEST_F(AllStar, AnOpenWindowReloadsForAnotherLeague) {
    openDemo();
    clsProject other = league();
    other.setEastAllStar(7, 0, 255);
    other.setWestAllStar(1, 3, 4);
    ASSERT_EQ(ProjectFile::exportProject(other, file("l.tpr")), Result::Ok);
    play({
        {"click cmdEditAllStar, click row 1 of lstWEST, choose 9 in cmbTeam, click cmdChangeWest, answer Discard, "
         "open game.nes",
         "", "ask: Save changes to game.nes?\nFile successfully loaded!", "", shows(false, 0, "EMRY GALRICK", 0, 2)},
        {"click row 1 of lstWEST, file l.tpr, menu menuProjectImport",
         "west all-star 1: 1.1 -> 3.4\neast all-star 7: 21.2 -> 0.255", "Team imported!", nullptr,
         [this] {
             shows(false, 1, "CALE SALSON", 3, 4)();
             EXPECT_EQ(window()->lstEAST->item(7)->text(), "");
             EXPECT_TRUE(statusText().contains("All-star slots need mending: east 7")) << statusText().toStdString();
         }},
        {"close frmAllStar, wait", "", "", nullptr, [this] { EXPECT_EQ(window(), nullptr); }},
    });
}

// The shared damaged image, west 3 naming team 92 and east 0 player 12 of team 4: the status bar
// flags both in red after the regions' figures, a save is refused naming both, the window shows
// two empty entries; each is replaced and then the save succeeds with the window still open.
TEST_F(AllStar, SlotsNamingNoPlayerAreFlaggedShownEmptyAndMended) {
    const RomImage image = testsupport::withDamagedAllStars(DemoRom::makeNes(), Console::Nes);
    const auto roster = std::size_t(OffsetSet::nesDefaults()[OffsetSet::allStarRosterTable]);
    openImage(image, "game.nes");
    // The warning after the figures, in red.
    EXPECT_TRUE(
        statusText().contains(QRegularExpression(R"(Players \d+/\d+ +All-star slots need mending: west 3, east 0$)")))
        << statusText().toStdString();
    EXPECT_EQ(w->spaceStatus().warnings().palette().color(QPalette::WindowText), QColor(200, 0, 0));
    const QLabel& warnings = w->spaceStatus().warnings();  // after the figures, whole
    EXPECT_GT(warnings.x(), warnings.width());
    EXPECT_EQ(warnings.size(), QSize(warnings.sizeHint().width(), w->spaceStatus().height()));
    play({
        {"menu menuFileSave", "",
         "warning: Unknown error! | " +
             QString::fromStdString(testsupport::kDamagedSlots).replace('\n', " | ").toStdString(),
         nullptr, [&] { EXPECT_EQ(testsupport::readBytes(rom), image); }},
        {"click cmdEditAllStar, click row 3 of lstWEST", "", "", nullptr, shows(false, 3, "", 0, 0)},
        {"choose 5 in cmbPlayer, choose 9 in cmbTeam, click cmdChangeWest", "west all-star 3: 92.11 -> 9.5", "",
         nullptr, shows(false, 3, "ZEB LORZER", 9, 5)},
        {"click row 0 of lstEAST", "", "", nullptr, shows(true, 0, "", 4, 0)},
        {"choose 6 in cmbPlayer, choose 10 in cmbTeam, click cmdChangeEast, menu menuFileSave",
         "east all-star 0: 4.12 -> 10.6", "File successfully saved!", nullptr,
         [&] {
             EXPECT_FALSE(statusText().contains("need mending"));
             const auto saved = testsupport::readBytes(rom);  // the indexes doubled
             EXPECT_EQ((std::array{saved[roster + 6], saved[roster + 7], saved[roster + 24], saved[roster + 25]}),
                       (std::array<std::uint8_t, 4>{0x12, 0x0A, 0x14, 0x0C}));
         }},
    });
}
