// The main window's shell: start-up and shut-down with the settings file, opening and
// saving ROM images with their messages, and the project tree with its selection.
#include <QDir>
#include <QLabel>
#include <QToolButton>
#include <filesystem>

#include "UiHarness.h"

namespace fs = std::filesystem;
using Shell = UiTest;
using ProjectTree = UiTest;

TEST_F(Shell, MissingSettingsFileIsOfferedAndWrittenAtClose) {
    start();
    fs::create_directory(file("tamsel.ini"));  // a folder where the file should go
    w->close();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "Unable to save tamsel.ini.");
    fs::remove(file("tamsel.ini"));
    for (bool yes : {false, true}) {
        messages.shown.clear();
        messages.yes = yes;
        w = std::make_unique<frmMain>(&messages, &dialogs);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].first, "Error loading tamsel.ini! Create a default tamsel.ini file?");
        EXPECT_EQ(fs::exists(file("tamsel.ini")), yes);
        EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [...]");
        EXPECT_FALSE(w->menuFileSave->isEnabled() || w->cmdFileSave->isEnabled() || w->txtFirstname->isEnabled());
        fs::remove(file("tamsel.ini"));
        w->close();  // the settings are written at every close
        EXPECT_TRUE(fs::remove(file("tamsel.ini")));
    }
}

TEST_F(Shell, EditionFollowsTheFilterLineOrTheFileNameAndFailuresNameTheirCause) {
    start();
    const auto nes = DemoRom::makeNes(), smc = DemoRom::makeSnes();
    const std::vector<std::uint8_t> stub = {'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    struct Row { const std::vector<std::uint8_t>* bytes; std::string name; int line; QString message; ConsoleKind kind; QString detail = ""; };
    const Row rows[] = {
        {&nes, "game.nes", 1, "File successfully loaded!", Console::Nes},
        {&nes, "GAME.Nes", 1, "File successfully loaded!", Console::Nes},
        {&nes, "game.bin", 2, "File successfully loaded!", Console::Nes},
        {&smc, "game.smc", 1, "File successfully loaded!", Console::Snes},
        {&smc, "wrong.smc", 2, "Invalid rom!", Console::Nes},
        {&nes, "wrong.nes", 3, "Invalid rom!", Console::Snes},
        {nullptr, "missing.nes", 1, "Error loading file!", Console::Nes},
        {&stub, "stub.nes", 1, "Error reading data!", Console::Nes, "teamPtrTable (0x8011, 54 bytes) lies outside the image of 0x10 bytes"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = row.bytes ? place(*row.bytes, row.name) : file(row.name);
        EXPECT_EQ(openWith(path, row.line), row.message);
        EXPECT_EQ(messages.shown[0].second, MessageSink::Icon::None);
        EXPECT_EQ(messages.lastDetail, row.detail);
        EXPECT_EQ(w->consoleKind, row.kind);
        EXPECT_EQ(w->romValid, row.message == "File successfully loaded!");
        if (w->romValid) {
            EXPECT_EQ(w->windowTitle(), qs("Tamsel v0.21.0 [" + row.name + "]"));
        }
        EXPECT_EQ(dialogs.requests.back().filter, "All Supported Types|*.nes;*.smc|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc|");
        EXPECT_EQ(dialogs.requests.back().folder, qs(dir));
    }
}

TEST_F(Shell, SavingAnUnchangedLeagueWritesTheSameBytes) {
    REQUIRE_FIXTURES();
    start();
    for (const std::string name : {"nes-1/game.nes", "snes-1/game.smc", "snes-overflow-2/game.smc"}) {
        SCOPED_TRACE(name);
        const std::string path = placeFixture(name);
        open(path);
        EXPECT_EQ(save(), "File successfully saved!");
        EXPECT_EQ(testsupport::readBytes(path), testsupport::readBytes(testsupport::fixture(name)));
    }
}

TEST_F(Shell, CancelChangesNothingAndSaveRefusalsLeaveTheFile) {
    openDemo();
    const auto before = testsupport::readBytes(rom);
    w->txtWeight->setText("123");
    EXPECT_EQ(menu(w->menuFileOpen), "");  // no answer queued: Cancel, and no message
    EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [game.nes]");
    EXPECT_TRUE(w->romValid);
    EXPECT_EQ(w->txtWeight->text(), "123");
    const std::string smc = place(DemoRom::makeSnes(), "game.smc");
    EXPECT_EQ(openWith(smc, 2), "Invalid rom!");  // the league stays shown, but cannot be saved
    EXPECT_EQ(save(), "Load a valid rom!");
    EXPECT_EQ(testsupport::readBytes(smc), DemoRom::makeSnes());

    open(rom);
    fs::permissions(rom, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    w->txtFirstname->setText("CHANGED");
    EXPECT_EQ(save(), "Error writing to disk!");
    EXPECT_EQ(messages.lastDetail, qs("Permission denied: " + rom));
    fs::permissions(rom, fs::perms::owner_all);
    EXPECT_EQ(testsupport::readBytes(rom), before);

    EXPECT_FALSE(w->lblSpace->text().contains("too long"));
    for (int t = 0; t < 27; ++t)  // more than the player area holds
        for (int p = 0; p < 12; ++p) player(t, p).setLast("MNOPQRSTUVWX");
    w->refreshEditors(false);
    EXPECT_TRUE(w->lblSpace->text().contains("too long")) << str(w->lblSpace->text());
    EXPECT_EQ(save(), "Player names are too long!");
    EXPECT_EQ(testsupport::readBytes(rom), before);
}

TEST_F(ProjectTree, NodesNameTheirRecordsAndClicksSelect) {
    openDemo(Console::Snes);
    QTreeWidgetItem* root = w->treeNode(1);
    ASSERT_EQ(root->childCount(), 27);
    EXPECT_EQ(root->text(0), "NBA");
    EXPECT_EQ(w->tvProject->currentItem(), w->treeNode(playerNode(0, 0)));
    EXPECT_EQ(str(w->treeNode(teamNode(26))->text(0)), team(26).getCity() + " " + team(26).getMascot());
    player(3, 4).setJersey(7);
    w->buildProjectTree();
    EXPECT_EQ(str(w->treeNode(playerNode(3, 4))->text(0)), "07-" + player(3, 4).getFullname());

    for (auto [node, t, p] : {std::tuple{playerNode(2, 1), 2, 1}, {playerNode(26, 11), 26, 11}, {teamNode(5), 5, 0}}) {
        clickNode(node);
        EXPECT_EQ(w->selectedTeam * 12 + w->selectedPlayer, t * 12 + p);
        EXPECT_EQ(str(w->txtLastname->text()), player(t, p).getLast());
    }
    const clsProject before = league();
    w->txtFirstname->setText("NOTSTORED");  // the root changes and stores nothing
    clickNode(1);
    EXPECT_EQ(w->selectedTeam, 5);
    EXPECT_TRUE(league() == before);
    // A player node keeps the figure variants, a team node starts them again.
    w->nesSpriteVariant = 3;
    w->snesSpriteVariant = 5;
    clickNode(playerNode(4, 2));
    EXPECT_EQ(w->snesSpriteVariant, 5);
    clickNode(teamNode(4));
    EXPECT_EQ(w->nesSpriteVariant + w->snesSpriteVariant, 0);
}

TEST_F(ProjectTree, TypedValuesGoToThePreviousSelectionBeforeSwitching) {
    openDemo();
    clickNode(playerNode(1, 2));
    type(w->txtCity, "springfield");
    type(w->txtFeet, "6");
    type(w->txtWeight, "203");  // still focused when the tree is clicked
    clickNode(playerNode(7, 9));
    EXPECT_EQ(player(1, 2).getWeight(), 200);  // normalised on leaving the box, then stored
    EXPECT_EQ(player(1, 2).getFeet(), 6);
    EXPECT_EQ(team(1).getCity(), "SPRINGFIELD");
    EXPECT_EQ(str(w->treeNode(teamNode(1))->text(0)), "SPRINGFIELD " + team(1).getMascot());
    // The keyboard moves the selection as a click does.
    type(w->txtWeight, "151");
    w->tvProject->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->tvProject, Qt::Key_Down);
    EXPECT_EQ(player(7, 9).getWeight(), 148);
    EXPECT_EQ(w->selectedPlayer, 10);
}

TEST_F(ProjectTree, ScreenshotOfTheWindowOnTheDemoLeague) {
    openDemo();
    settle();
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(w->grab().toImage().save(TAMSEL_BUILD_DIR "/screenshots/main-window.png"));
}
