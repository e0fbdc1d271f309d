// The all-star editor: replacing a slot through the team and player lists, writing the
// rosters back when the window closes, reloading when another league is opened or imported,
// following the names edited or imported meanwhile, and slots naming no player (a damaged
// roster table): flagged, shown empty, mended.

#include <QRegularExpression>

#include "UiHarness.h"

namespace {

// The west slots 0..11, then the east slots 0..11.
std::vector<clsProject::Pair> rosters() {
    std::vector<clsProject::Pair> r;
    for (int i = 0; i < 24; ++i) r.push_back(i < 12 ? league().getWestAllStar(i) : league().getEastAllStar(i - 12));
    return r;
}

// The full name of the slot's player; empty for a slot naming no player.
QString fullName(clsProject::Pair slot) {
    return slot[0] < 27 && slot[1] < 12 ? qs(player(slot[0], slot[1]).getFullname()) : QString();
}

// The window's two lists name the players of the league's rosters.
void expectLists(frmAllStar* a) {
    const auto r = rosters();
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ((i < 12 ? a->lstWEST : a->lstEAST)->item(i % 12)->text(), fullName(r[std::size_t(i)]));
}

// Replaces west slot 1 in the window without closing it.
void changeWest1(frmAllStar* a) {
    UiTest::clickRow(a->lstWEST, 1);
    UiTest::choose(a->cmbTeam, (rosters()[1][0] + 3) % 27);
    QTest::mouseClick(a->cmdChangeWest, Qt::LeftButton);
}

}  // namespace

using AllStarEditor = UiTest;

// A slot replaced with "^" is a step of its own at once, which the caption and Save see while
// the window stays open; closing the window adds nothing.
TEST_F(AllStarEditor, AReplacedSlotIsStoredAtOnce) {
    for (const ConsoleKind kind : {Console::Nes, Console::Snes}) {
        SCOPED_TRACE(kind == Console::Nes ? "NES" : "SNES");
        openDemo(kind);
        const clsProject opened = league();
        frmAllStar* a = showAllStar();
        ASSERT_NE(a, nullptr);
        expectLists(a);
        const clsProject::Pair east5 = rosters()[17];
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
        const Lines changed = {"east all-star 5: " + std::to_string(east5[0]) + "." + std::to_string(east5[1]) +
                               " -> " + std::to_string(slot[0]) + "." + std::to_string(slot[1])};
        EXPECT_EQ(diffSince(opened), changed);
        EXPECT_EQ(menus().menuEditUndo->text(), "&Undo All-Stars");
        EXPECT_TRUE(caption().endsWith("*"));
        EXPECT_EQ(save(), "File successfully saved!");
        EXPECT_EQ(diffLines(opened, testsupport::decoded(testsupport::readBytes(rom), kind, opened)), changed);
        a->close();
        EXPECT_EQ(steps(), 1u);
    }
}

// Open and Import Project replace the league: an open window reloads its slots (an edit made
// in it is dropped with the old league), and closing it leaves the new rosters in the league,
// a slot naming no player (player 255, as a project file may hold) included.
TEST_F(AllStarEditor, AnOpenWindowReloadsWhenAnotherLeagueIsOpenedOrImported) {
    struct Row {
        const char* name;
        bool import;
    };
    for (const Row& row : {Row{"another image opened", false}, Row{"a project imported", true}}) {
        SCOPED_TRACE(row.name);
        openDemo();
        frmAllStar* a = showAllStar();
        ASSERT_NE(a, nullptr);
        changeWest1(a);
        if (row.import) {
            clsProject other = league();
            for (int i = 0; i < 12; ++i) {
                other.setWestAllStar(i, std::uint8_t((2 * i + 1) % 27), std::uint8_t((i + 5) % 12));
                other.setEastAllStar(i, std::uint8_t((3 * i + 2) % 27), std::uint8_t((i + 7) % 12));
            }
            other.setEastAllStar(7, 0, 255);
            EXPECT_EQ(menu(menus().menuProjectImport, exportRecord(Record::Project, other, 0, 0, file("other.tpr"))),
                      "Team imported!");
            ASSERT_EQ(rosters()[19], (clsProject::Pair{0, 255}));
            EXPECT_EQ(a->lstEAST->item(7)->text(), "");
            EXPECT_TRUE(statusText().contains("All-star slots need mending: east 7")) << str(statusText());
        } else {
            open(place(DemoRom::makeSnes(), "game.smc"));
        }
        const auto loaded = rosters();
        expectLists(a);
        EXPECT_EQ(a->lstWEST->currentRow(), 0);
        a->close();
        EXPECT_EQ(rosters(), loaded);
        settle();
        EXPECT_EQ(w->allStarWindow(false), nullptr);
    }
}

// West 3 names team 92 (roster byte 184), east 0 player 12 of team 4 (byte 25): the status bar
// flags both from the open on, a save is refused with the file untouched and names both below
// its message, the window shows two empty entries; each is replaced through the lists and,
// once both are, the flag goes and the save succeeds with the window still open.
TEST_F(AllStarEditor, SlotsNamingNoPlayerAreFlaggedShownEmptyAndMended) {
    start();
    RomImage image = DemoRom::makeNes();
    const std::size_t roster = static_cast<std::size_t>(OffsetSet::nesDefaults()[OffsetSet::allStarRosterTable]);
    for (const auto& [at, byte] : {std::pair<std::size_t, std::uint8_t>{6, 184}, {7, 6}, {24, 8}, {25, 25}})
        image[roster + at] = byte;
    rom = place(image, "game.nes");
    open(rom);
    // Only the warning is red, after the regions' figures.
    EXPECT_TRUE(statusText().contains(
        QRegularExpression(R"(^[^<]*Players \d+/\d+(&nbsp;)+<span style="color: rgb\(200, 0, 0\);[^>]*>)"
                           R"(All-star slots need mending: west 3, east 0</span>$)")))
        << str(statusText());
    EXPECT_EQ(w->spaceStatus().styleSheet(), "");
    EXPECT_EQ(save(), "Unknown error!");
    EXPECT_EQ(messages.shown.back().detail, "west all-star 3 names team 92\neast all-star 0 names player 12 of team 4");
    EXPECT_TRUE(testsupport::readBytes(rom) == image);

    frmAllStar* a = showAllStar();
    ASSERT_NE(a, nullptr);
    struct Row {
        const char* name;
        QListWidget* frmAllStar::*list;
        QPushButton* frmAllStar::*change;
        int entry;
        int teamShown;  // the slot's team when the league has it, else team 0; always its player 0
        clsProject::Pair replacement;
    };
    const Row rows[] = {
        {"west 3, team 92", &frmAllStar::lstWEST, &frmAllStar::cmdChangeWest, 3, 0, {9, 5}},
        {"east 0, player 12 of team 4", &frmAllStar::lstEAST, &frmAllStar::cmdChangeEast, 0, 4, {10, 6}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QListWidget* list = a->*row.list;
        EXPECT_EQ(list->item(row.entry)->text(), "");
        clickRow(list, row.entry);
        EXPECT_EQ(a->cmbTeam->currentIndex(), row.teamShown);
        EXPECT_EQ(a->cmbPlayer->count(), 12);
        EXPECT_EQ(a->cmbPlayer->currentIndex(), 0);
        choose(a->cmbPlayer, row.replacement[1]);
        choose(a->cmbTeam, row.replacement[0]);
        EXPECT_EQ(a->cmbPlayer->currentIndex(), row.replacement[1]);  // another team, the position shown
        QTest::mouseClick(a->*row.change, Qt::LeftButton);
        EXPECT_EQ(list->item(row.entry)->text(), fullName(row.replacement));
        EXPECT_EQ(list->currentRow(), row.entry);
    }
    EXPECT_FALSE(statusText().contains("need mending")) << str(statusText());
    EXPECT_EQ(save(), "File successfully saved!");
    const auto saved = testsupport::readBytes(rom);
    // West 3 and east 0 with their indexes doubled.
    EXPECT_EQ(testsupport::hexBytes("12 0A"), std::vector<std::uint8_t>(saved.begin() + std::ptrdiff_t(roster + 6),
                                                                        saved.begin() + std::ptrdiff_t(roster + 8)));
    EXPECT_EQ(testsupport::hexBytes("14 0C"), std::vector<std::uint8_t>(saved.begin() + std::ptrdiff_t(roster + 24),
                                                                        saved.begin() + std::ptrdiff_t(roster + 26)));
}

// Imports and the editors' stores keep the slots and the choice below them, and the window
// shows the players' and teams' new names.
TEST_F(AllStarEditor, ImportsAndEditsShowTheirNewNames) {
    using Change = std::function<void(UiTest&, int t, int p)>;
    // The slot's team with the abbreviation NEW and its player with the last name RENAMED, imported.
    const auto import = [](Record kind, QAction* MainMenus::*item, int node) {
        return [=](UiTest& u, int t, int p) {
            clsProject changed = league();
            changed.getTeamRef(t)->setAbrev("NEW");
            changed.getTeamRef(t)->getPlayerRef(p)->setLast("RENAMED");
            u.clickNode(node == 0 ? teamNode(t) : playerNode(t, p));
            u.menu(u.menus().*item, exportRecord(kind, changed, t, p, u.file("changed")));
        };
    };
    struct Row {
        const char* name;
        Change change;
        bool renamesPlayer;        // the slot's player is now called ... RENAMED
        bool renamesAbbreviation;  // the slot's team is now called NEW
    };
    const Row rows[] = {
        {"Import Team", import(Record::Team, &MainMenus::menuProjectImportTeam, 0), true, true},
        {"Import Player", import(Record::Player, &MainMenus::meunProjectImportPlayer, 1), true, false},
        {"last name typed into the main window's editor",
         [](UiTest& u, int t, int p) {
             u.w->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(u.w.get()));
             u.clickNode(playerNode(t, p));
             u.typeAndLeave(u.playerUi().txtLastname, "renamed", u.playerUi().txtFirstname);
         },
         true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        frmAllStar* a = showAllStar();
        ASSERT_NE(a, nullptr);
        const auto before = rosters();
        const clsProject::Pair west0 = before[0];  // the window opens on it
        const QString nameBefore = fullName(west0);
        const QString abbreviationBefore = qs(team(west0[0]).getAbrev());
        ASSERT_NO_FATAL_FAILURE(row.change(*this, west0[0], west0[1]));
        const QString name = row.renamesPlayer ? qs(player(west0[0], west0[1]).getFirst()) + " RENAMED" : nameBefore;
        EXPECT_EQ(a->lstWEST->item(0)->text(), name);
        expectLists(a);
        EXPECT_EQ(a->lstWEST->currentRow(), 0);
        EXPECT_EQ(a->cmbTeam->currentIndex(), west0[0]);
        EXPECT_EQ(a->cmbPlayer->currentIndex(), west0[1]);
        EXPECT_EQ(a->cmbTeam->itemText(west0[0]), row.renamesAbbreviation ? QString("NEW") : abbreviationBefore);
        EXPECT_EQ(a->cmbPlayer->itemText(west0[1]), name);
        a->close();
        EXPECT_EQ(rosters(), before);
    }
}
