// The main window's shell: menus and tool strip, start-up and shut-down, opening and
// saving ROM images with their messages, the project tree and the space status.
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <filesystem>

#include "MainWindowHarness.h"
#include "settings/Settings.h"
#include "ui/frmAllStar.h"

using namespace uitest;
namespace fs = std::filesystem;

namespace {

const QString kRomFilter = "All Supported Types|*.nes;*.smc|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc|";

std::string settingsText(const std::string& folder) {
    SettingsData d;
    d.lastFolder = folder;
    return Settings::format(d);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Window design

using WindowDesign = MainWindowTest;

TEST_F(WindowDesign, MenusCarryTheirNamesCaptionsAndOrder) {
    start(false);
    struct Item {
        const char* menu;
        std::vector<std::pair<const char*, const char*>> items;  // objectName, caption ("" for a separator)
    };
    const std::vector<Item> menus = {
        {"menuFile", {{"menuFileOpen", "Open"}, {"menuFileSave", "Save"}, {"menuSeparator0", ""}, {"menuFileExit", "Exit"}}},
        {"menuProject",
         {{"menuProjectImport", "Import Project"},
          {"menuProjectExport", "Export Project"},
          {"menuSeparator2", ""},
          {"menuProjectImportTeam", "Import Team"},
          {"menuProjectExportTeam", "Export Team"},
          {"menuSeparator1", ""},
          {"meunProjectImportPlayer", "Import Player"},
          {"menuProjectExportPlayer", "Export Player"}}},
        {"menuAnalysis",
         {{"menuAnalysisAtt_0", "Run Speed"},
          {"menuAnalysisAtt_1", "Jumping"},
          {"menuAnalysisAtt_2", "Stealing"},
          {"menuAnalysisAtt_3", "Blocking"},
          {"menuAnalysisAtt_4", "Shooting Range"},
          {"menuAnalysisAtt_5", "Stamina"},
          {"menuSeparator3", ""},
          {"menuAnalysisSortByPos", "Sort by Position"}}},
    };
    const QList<QAction*> bar = w->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3);
    const char* titles[3] = {"File", "Project", "Analysis"};
    for (std::size_t m = 0; m < menus.size(); ++m) {
        QMenu* menu = w->findChild<QMenu*>(menus[m].menu);
        ASSERT_NE(menu, nullptr) << menus[m].menu;
        EXPECT_EQ(bar[static_cast<int>(m)]->menu(), menu);
        EXPECT_EQ(menu->title(), titles[m]);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(menus[m].items.size())) << menus[m].menu;
        for (std::size_t i = 0; i < static_cast<std::size_t>(actions.size()); ++i) {
            QAction* a = actions[static_cast<int>(i)];
            EXPECT_EQ(a->objectName(), menus[m].items[i].first);
            if (*menus[m].items[i].second == '\0')
                EXPECT_TRUE(a->isSeparator()) << menus[m].items[i].first;
            else
                EXPECT_EQ(a->text(), menus[m].items[i].second);
        }
    }
    EXPECT_TRUE(w->menuAnalysisSortByPos->isCheckable());
    EXPECT_TRUE(w->menuAnalysisSortByPos->isChecked());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w->menuAnalysisAtt[static_cast<std::size_t>(i)]->objectName(), QStringLiteral("menuAnalysisAtt_%1").arg(i));
}

TEST_F(WindowDesign, ToolStripHoldsThreePictureButtons) {
    start();
    ASSERT_NE(w->frameMenubar, nullptr);
    EXPECT_EQ(w->frameMenubar->objectName(), "frameMenubar");
    const std::vector<QToolButton*> buttons = {w->cmdFileLoad, w->cmdFileSave, w->cmdExitApp};
    const char* names[3] = {"cmdFileLoad", "cmdFileSave", "cmdExitApp"};
    int lastX = -1;
    for (int i = 0; i < 3; ++i) {
        QToolButton* b = buttons[static_cast<std::size_t>(i)];
        EXPECT_EQ(b->objectName(), names[i]);
        EXPECT_EQ(b->parentWidget(), w->frameMenubar);
        EXPECT_TRUE(b->text().isEmpty());
        EXPECT_FALSE(b->icon().isNull());
        QPixmap pm = b->icon().pixmap(16, 16);
        EXPECT_EQ(pm.size(), QSize(16, 16));
        EXPECT_GT(b->x(), lastX) << "left to right: open, save, exit";
        lastX = b->x();
    }
    EXPECT_EQ(w->cmdExitApp->toolTip(), "Exit Program");
    // A click on the save button takes the focus from a text box being edited.
    EXPECT_TRUE(w->cmdFileSave->focusPolicy() & Qt::ClickFocus);
    EXPECT_EQ(w->frameProjectEditor->title(), "League");
    EXPECT_EQ(w->frameTeamEditor->title(), "Team Editor");
    EXPECT_EQ(w->framePlayerEdit->title(), "Player Editor");
    EXPECT_EQ(w->lblSpace->parentWidget(), w->statusBar());
}

// ---------------------------------------------------------------------------------------
// Start-up and shut-down

using StartUp = MainWindowTest;

TEST_F(StartUp, NoRomStateWithEverythingThatNeedsARomDisabled) {
    start();
    EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [...]");
    EXPECT_EQ(w->consoleKind, Console::None);
    EXPECT_FALSE(w->romValid);
    EXPECT_EQ(w->tvProject->topLevelItemCount(), 0);
    EXPECT_FALSE(w->menuFileSave->isEnabled());
    EXPECT_FALSE(w->menuProject->menuAction()->isEnabled());
    EXPECT_FALSE(w->menuAnalysis->menuAction()->isEnabled());
    EXPECT_FALSE(w->cmdFileSave->isEnabled());
    EXPECT_TRUE(w->menuFileOpen->isEnabled());
    EXPECT_TRUE(w->menuFileExit->isEnabled());
    EXPECT_TRUE(w->cmdFileLoad->isEnabled());
    EXPECT_TRUE(w->cmdExitApp->isEnabled());
    for (QWidget* c : std::initializer_list<QWidget*>{w->txtJersey, w->txtFirstname, w->txtWeight, w->cmbPosition,
                                                      w->cmdIncAtt[0], w->cmdDecAtt[5], w->lstSchedule, w->cmbHome,
                                                      w->cmbAway, w->cmdEditAllStar})
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    EXPECT_EQ(w->txtFirstname->text(), "FIRST");
    EXPECT_EQ(w->txtLastname->text(), "LAST");
    EXPECT_EQ(w->txtJersey->text(), "00");
    EXPECT_EQ(w->txtFeet->text(), "0");
    EXPECT_EQ(w->txtWeight->text(), "000");
}

TEST_F(StartUp, MissingSettingsFileAsksAndGoesOnWithTheDefaults) {
    for (bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        fs::remove(file("tamsel.ini"));
        messages.clear();
        messages.yesNoAnswers = {yes};
        w = std::make_unique<frmMain>(&messages, &dialogs);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Error loading tamsel.ini! Create a default tamsel.ini file?");
        EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
        EXPECT_EQ(fs::exists(file("tamsel.ini")), yes);
        EXPECT_EQ(modGlobals::lastFolder, dir);
        EXPECT_EQ(w->dialogFolder(), qpath(dir));
        w.reset();
    }
}

TEST_F(StartUp, DialogueStartsInTheRememberedFolderWhileItHoldsFiles) {
    std::string roms = testsupport::freshDir("ui_StartUp_roms");
    std::string empty = testsupport::freshDir("ui_StartUp_empty");
    testsupport::writeText(roms + "/some.nes", "x");
    struct Row {
        std::string folder;
        std::string expected;
    };
    for (const Row& row : {Row{roms, roms}, Row{empty, dir}, Row{dir + "/missing", dir}}) {
        SCOPED_TRACE(row.folder);
        testsupport::writeText(file("tamsel.ini"), settingsText(row.folder));
        messages.clear();
        w = std::make_unique<frmMain>(&messages, &dialogs);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(w->dialogFolder(), qpath(row.expected));
        dialogs.queueCancel();
        w->openRom();
        ASSERT_FALSE(dialogs.requests.empty());
        EXPECT_EQ(dialogs.requests.back().folder, qpath(row.expected));
        EXPECT_EQ(dialogs.requests.back().filter, kRomFilter);
        EXPECT_FALSE(dialogs.requests.back().save);
        w.reset();
    }
}

TEST_F(StartUp, ClosingByCloseBoxOrExitWritesTheSettings) {
    std::string rom = placeRom(Console::Nes, "game.nes");
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        fs::remove(file("tamsel.ini"));
        start();
        openOk(rom);
        if (way == 0) w->close();
        if (way == 1) w->menuFileExit->trigger();
        if (way == 2) QTest::mouseClick(w->cmdExitApp, Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
        ASSERT_TRUE(fs::exists(file("tamsel.ini")));
        SettingsData d;
        ASSERT_EQ(Settings::readFile(file("tamsel.ini"), d), Result::Ok);
        EXPECT_EQ(d.lastFolder, dir);
        EXPECT_TRUE(messages.shown.empty());
        w.reset();
    }
}

TEST_F(StartUp, UnwritableSettingsFileIsReportedAtClose) {
    start();
    fs::create_directory(file("tamsel.ini"));  // a folder where the file should go
    w->close();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Unable to save tamsel.ini.");
    EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
}

// ---------------------------------------------------------------------------------------
// Opening

using OpenRom = MainWindowTest;

TEST_F(OpenRom, SuccessfulOpenShowsTheLeague) {
    start();
    std::string rom = placeRom(Console::Nes, "game.nes");
    openOk(rom);
    EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [game.nes]");
    EXPECT_EQ(modGlobals::lastFolder, dir);
    EXPECT_EQ(w->romPath, qpath(rom));
    EXPECT_TRUE(w->romValid);
    EXPECT_EQ(w->consoleKind, Console::Nes);
    EXPECT_EQ(w->selectedTeam, 0);
    EXPECT_EQ(w->selectedPlayer, 0);
    EXPECT_TRUE(w->menuFileSave->isEnabled());
    EXPECT_TRUE(w->menuProject->menuAction()->isEnabled());
    EXPECT_TRUE(w->menuAnalysis->menuAction()->isEnabled());
    EXPECT_TRUE(w->cmdFileSave->isEnabled());
    EXPECT_TRUE(w->txtFirstname->isEnabled());
    EXPECT_TRUE(w->lstSchedule->isEnabled());
    EXPECT_EQ(w->txtFirstname->text(), QString::fromStdString(player(0, 0).getFirst()));
    EXPECT_EQ(w->lstSchedule->count(), 1107);
    // The dialogue's folder was set at start-up only.
    EXPECT_EQ(w->dialogFolder(), qpath(dir));
}

TEST_F(OpenRom, EditionFollowsTheFilterLineOrTheFileName) {
    start();
    const std::string nes = testsupport::fixture("nes-1/game.nes");
    const std::string smc = testsupport::fixture("snes-1/game.smc");
    REQUIRE_FIXTURES();
    struct Row {
        std::string source;
        std::string name;
        int filter;
        const char* message;
        ConsoleKind kind;
    };
    const std::vector<Row> rows = {
        {nes, "game.nes", 1, "File successfully loaded!", Console::Nes},
        {nes, "GAME.Nes", 1, "File successfully loaded!", Console::Nes},
        {nes, "game.bin", 2, "File successfully loaded!", Console::Nes},
        {smc, "game.smc", 1, "File successfully loaded!", Console::Snes},
        {smc, "game.bin", 1, "File successfully loaded!", Console::Snes},
        {smc, "game.sfc", 3, "File successfully loaded!", Console::Snes},
        {smc, "wrong.smc", 2, "Invalid rom!", Console::Nes},
        {nes, "wrong.nes", 3, "Invalid rom!", Console::Snes},
        {nes, "wrong.smc", 1, "Invalid rom!", Console::Snes},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name + " line " + std::to_string(row.filter));
        std::string path = place(testsupport::readBytes(row.source), row.name);
        EXPECT_EQ(openWith(path, row.filter), row.message);
        EXPECT_EQ(w->consoleKind, row.kind);
        EXPECT_EQ(w->romPath, qpath(path));
        EXPECT_EQ(w->romValid, QString(row.message) == "File successfully loaded!");
    }
}

TEST_F(OpenRom, FailuresNameTheirCause) {
    start();
    std::string empty = file("empty.nes");
    testsupport::writeText(empty, "");
    // An NES header with nothing behind it: the league cannot be decoded.
    std::string stub = place({'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "stub.nes");
    struct Row {
        std::string path;
        const char* message;
    };
    for (const Row& row : {Row{file("missing.nes"), "Error loading file!"}, Row{empty, "Error loading file!"},
                           Row{stub, "Error reading data!"}}) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(openWith(row.path), row.message);
        EXPECT_FALSE(w->romValid);
    }
    // The stub was read, so its title is in the caption, though the league failed.
    EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [stub.nes]");
}

TEST_F(OpenRom, CancelChangesNothing) {
    start();
    std::string rom = placeRom(Console::Nes, "game.nes");
    openOk(rom);
    w->txtWeight->setText("123");
    dialogs.queueCancel();
    w->openRom();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [game.nes]");
    EXPECT_EQ(w->romPath, qpath(rom));
    EXPECT_TRUE(w->romValid);
    EXPECT_EQ(w->consoleKind, Console::Nes);
    EXPECT_EQ(w->txtWeight->text(), "123");
}

TEST_F(OpenRom, FailedOpenKeepsTheLeagueShownButRefusesToSave) {
    REQUIRE_FIXTURES();
    start();
    std::string rom = placeFixture("nes-1/game.nes", "game.nes");
    std::string smc = placeFixture("snes-1/game.smc", "game.smc");
    openOk(rom);
    const QString shownName = w->txtFirstname->text();
    const auto before = testsupport::readBytes(rom);
    EXPECT_EQ(openWith(smc, 2), "Invalid rom!");
    EXPECT_EQ(w->txtFirstname->text(), shownName);
    EXPECT_EQ(w->tvProject->topLevelItemCount(), 1);
    EXPECT_TRUE(w->menuFileSave->isEnabled());
    EXPECT_EQ(saveByMenu(), "Load a valid rom!");
    EXPECT_EQ(testsupport::readBytes(rom), before);
    EXPECT_EQ(testsupport::readBytes(smc), testsupport::readBytes(testsupport::fixture("snes-1/game.smc")));
}

TEST_F(OpenRom, OpenThroughToolButtonAndMenuItem) {
    start();
    std::string rom = placeRom(Console::Snes, "game.smc");
    dialogs.queue(qpath(rom), 1);
    QTest::mouseClick(w->cmdFileLoad, Qt::LeftButton);
    EXPECT_EQ(messages.last(), "File successfully loaded!");
    messages.clear();
    dialogs.queue(qpath(rom), 1);
    w->menuFileOpen->trigger();
    EXPECT_EQ(messages.last(), "File successfully loaded!");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::None);
}

// ---------------------------------------------------------------------------------------
// Saving

using SaveRom = MainWindowTest;

TEST_F(SaveRom, UnchangedLeagueWritesTheSameBytes) {
    REQUIRE_FIXTURES();
    start();
    for (const char* name : {"nes-1/game.nes", "snes-1/game.smc", "snes-overflow-2/game.smc"}) {
        SCOPED_TRACE(name);
        std::string rom = placeFixture(name, fs::path(name).filename().string());
        openOk(rom);
        EXPECT_EQ(saveByMenu(), "File successfully saved!");
        EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::None);
        EXPECT_EQ(testsupport::readBytes(rom), testsupport::readBytes(testsupport::fixture(name)));
    }
}

TEST_F(SaveRom, WithoutAnyRomAsksForOne) {
    start();
    EXPECT_FALSE(w->menuFileSave->isEnabled());
    w->saveRom();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.last(), "Load a valid rom!");
}

TEST_F(SaveRom, ReadOnlyFileIsReported) {
    start();
    std::string rom = placeRom(Console::Nes, "game.nes");
    openOk(rom);
    const auto before = testsupport::readBytes(rom);
    fs::permissions(rom, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    w->txtFirstname->setText("CHANGED");
    EXPECT_EQ(saveByMenu(), "Error writing to disk!");
    fs::permissions(rom, fs::perms::owner_all);
    EXPECT_EQ(testsupport::readBytes(rom), before);
}

TEST_F(SaveRom, NamesThatDoNotFitAreNamedAndShownBeforeSaving) {
    start();
    std::string rom = placeRom(Console::Nes, "game.nes");
    openOk(rom);
    EXPECT_FALSE(w->lblSpace->text().isEmpty());
    EXPECT_TRUE(w->lblSpace->text().contains("Players"));
    EXPECT_FALSE(w->lblSpace->styleSheet().contains("color"));
    const auto before = testsupport::readBytes(rom);

    // Long names for every player: more than the player area holds.
    for (int t = 0; t < clsProject::kTeams; ++t)
        for (int p = 0; p < clsTeam::kRoster; ++p) {
            player(t, p).setFirst("ABCDEFGHIJKL");
            player(t, p).setLast("MNOPQRSTUVWX");
        }
    w->refreshEditors(false);
    EXPECT_TRUE(w->lblSpace->styleSheet().contains("color")) << w->lblSpace->text().toStdString();
    EXPECT_TRUE(w->lblSpace->text().contains("too long")) << w->lblSpace->text().toStdString();
    EXPECT_EQ(saveByMenu(), "Player names are too long!");
    EXPECT_EQ(testsupport::readBytes(rom), before);
}

// ---------------------------------------------------------------------------------------
// Project tree

using ProjectTree = MainWindowTest;

TEST_F(ProjectTree, NodesInCreationOrderWithKeysAndTexts) {
    start();
    openOk(placeRom(Console::Nes, "game.nes"));
    QTreeWidgetItem* root = w->treeNode(1);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(w->tvProject->topLevelItemCount(), 1);
    EXPECT_EQ(root->text(0), "NBA");
    EXPECT_EQ(root->data(0, Qt::UserRole).toString(), "Project");
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(root->childCount(), 27);
    for (int t = 0; t < 27; ++t) {
        QTreeWidgetItem* tn = w->treeNode(2 + 13 * t);
        ASSERT_NE(tn, nullptr);
        EXPECT_EQ(tn->parent(), root);
        EXPECT_EQ(root->child(t), tn);
        EXPECT_EQ(tn->data(0, Qt::UserRole).toString(), QStringLiteral("Team%1").arg(t));
        EXPECT_EQ(tn->text(0), QString::fromStdString(team(t).getCity() + " " + team(t).getMascot()));
        EXPECT_EQ(tn->isExpanded(), t == 0);
        for (int p = 0; p < 12; ++p) {
            QTreeWidgetItem* pn = w->treeNode(3 + 13 * t + p);
            ASSERT_NE(pn, nullptr);
            EXPECT_EQ(pn->parent(), tn);
            EXPECT_EQ(pn->data(0, Qt::UserRole).toString(), QStringLiteral("Player%1").arg(12 * t + p));
            const clsPlayer& pl = player(t, p);
            QString jersey = QString::number(pl.getJersey()).rightJustified(2, '0').right(2);
            EXPECT_EQ(pn->text(0), jersey + "-" + QString::fromStdString(pl.getFullname()));
        }
    }
    EXPECT_EQ(w->treeNode(1 + 27 * 13 + 1), nullptr);
    EXPECT_EQ(w->treeNode(0), nullptr);
    EXPECT_EQ(w->tvProject->currentItem(), w->treeNode(3));
}

TEST_F(ProjectTree, ClickingANodeSelectsItsTeamAndPlayer) {
    start();
    openOk(placeRom(Console::Snes, "game.smc"));
    struct Row {
        int node;
        int team;
        int player;
    };
    // Player25 is node 3 + 13*2 + 1; Player323 the last node; team nodes select player 0.
    for (const Row& row : {Row{3 + 13 * 2 + 1, 2, 1}, Row{3 + 13 * 26 + 11, 26, 11}, Row{2 + 13 * 5, 5, 0},
                           Row{3 + 13 * 5 + 7, 5, 7}, Row{2, 0, 0}}) {
        SCOPED_TRACE(row.node);
        clickNode(row.node);
        EXPECT_EQ(w->selectedTeam, row.team);
        EXPECT_EQ(w->selectedPlayer, row.player);
        EXPECT_EQ(w->tvProject->currentItem(), w->treeNode(row.node));
        EXPECT_EQ(w->txtFirstname->text(), QString::fromStdString(player(row.team, row.player).getFirst()));
        EXPECT_EQ(w->txtLastname->text(), QString::fromStdString(player(row.team, row.player).getLast()));
    }
}

TEST_F(ProjectTree, KeyboardMovesSelectLikeClicks) {
    start();
    openOk(placeRom(Console::Nes, "game.nes"));
    type(w->txtWeight, "151");
    w->tvProject->setFocus(Qt::TabFocusReason);  // the box normalises: 148
    QTest::keyClick(w->tvProject, Qt::Key_Down);
    EXPECT_EQ(player(0, 0).getWeight(), 148);
    EXPECT_EQ(w->selectedTeam, 0);
    EXPECT_EQ(w->selectedPlayer, 1);
    EXPECT_EQ(w->txtFirstname->text(), QString::fromStdString(player(0, 1).getFirst()));
    QTest::keyClick(w->tvProject, Qt::Key_End);  // the last node shown: the last team
    EXPECT_EQ(w->tvProject->currentItem(), w->treeNode(2 + 13 * 26));
    EXPECT_EQ(w->selectedTeam, 26);
    EXPECT_EQ(w->selectedPlayer, 0);
    QTest::keyClick(w->tvProject, Qt::Key_Home);  // the root: nothing changes
    EXPECT_EQ(w->tvProject->currentItem(), w->treeNode(1));
    EXPECT_EQ(w->selectedTeam, 26);
}

TEST_F(ProjectTree, TeamNodesResetTheFigureVariantsAndPlayerNodesKeepThem) {
    start();
    openOk(placeRom(Console::Nes, "game.nes"));
    w->nesSpriteVariant = 3;
    w->snesSpriteVariant = 5;
    clickNode(3 + 13 * 4 + 2);
    EXPECT_EQ(w->nesSpriteVariant, 3);
    EXPECT_EQ(w->snesSpriteVariant, 5);
    clickNode(2 + 13 * 4);
    EXPECT_EQ(w->nesSpriteVariant, 0);
    EXPECT_EQ(w->snesSpriteVariant, 0);
}

TEST_F(ProjectTree, RootClickChangesAndStoresNothing) {
    start();
    openOk(placeRom(Console::Nes, "game.nes"));
    clickNode(3 + 13 * 3 + 4);
    const clsPlayer before = player(3, 4);
    w->txtFirstname->setText("NOTSTORED");  // shown, but no focus change stores it
    clickNode(1);
    EXPECT_EQ(w->selectedTeam, 3);
    EXPECT_EQ(w->selectedPlayer, 4);
    EXPECT_EQ(player(3, 4), before);
    EXPECT_EQ(w->txtFirstname->text(), "NOTSTORED");
}

TEST_F(ProjectTree, TypedValuesGoToThePreviousSelectionBeforeSwitching) {
    start();
    openOk(placeRom(Console::Nes, "game.nes"));
    clickNode(3 + 13 * 1 + 2);
    type(w->txtCity, "springfield");
    type(w->txtFeet, "6");
    type(w->txtWeight, "203");  // still focused when the tree is clicked
    clickNode(3 + 13 * 7 + 9);
    EXPECT_EQ(player(1, 2).getWeight(), 200);  // normalised on leaving the box, then stored
    EXPECT_EQ(player(1, 2).getFeet(), 6);
    EXPECT_EQ(team(1).getCity(), "SPRINGFIELD");
    EXPECT_EQ(w->selectedTeam, 7);
    EXPECT_EQ(w->selectedPlayer, 9);
    EXPECT_EQ(w->txtWeight->text(), QString::number(player(7, 9).getWeight()));
    EXPECT_EQ(w->treeNode(2 + 13)->text(0), QString::fromStdString("SPRINGFIELD " + team(1).getMascot()));
}

TEST_F(ProjectTree, NodeTextsFollowTheEditors) {
    start();
    openOk(placeRom(Console::Nes, "game.nes"));
    clickNode(3 + 13 * 6 + 3);
    type(w->txtJersey, "7");
    type(w->txtFirstname, "john");
    type(w->txtLastname, "doe");
    QTest::keyClick(w->txtLastname, Qt::Key_Tab);
    EXPECT_EQ(w->treeNode(3 + 13 * 6 + 3)->text(0), "07-JOHN DOE");
    EXPECT_EQ(player(6, 3).getFullname(), "JOHN DOE");
    EXPECT_EQ(player(6, 3).getJersey(), 7);
    w->setPlayerNodeText(6, 4, "X");
    w->setTeamNodeText(6, "Y");
    EXPECT_EQ(w->treeNode(3 + 13 * 6 + 4)->text(0), "X");
    EXPECT_EQ(w->treeNode(2 + 13 * 6)->text(0), "Y");
    w->setPlayerNodeText(27, 0, "out of range");  // ignored
    w->setTeamNodeText(-1, "out of range");
}

TEST_F(ProjectTree, ScreenshotOfTheWindowOnTheDemoLeague) {
    start();
    openOk(placeRom(Console::Nes, "demo.nes"));
    settle();
    QImage shot = w->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(shot.save(TAMSEL_BUILD_DIR "/screenshots/main-window.png"));
}
