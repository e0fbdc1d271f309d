// The main window's shell: start-up and shut-down with the settings file, opening and
// saving ROM images with their messages, the tab order, and the project tree with its
// selection.
#include <QDir>
#include <QLabel>
#include <QToolButton>
#include <filesystem>

#include "UiHarness.h"
#include "codec/SpaceReport.h"

namespace fs = std::filesystem;
using Shell = UiTest;
using ProjectTree = UiTest;

namespace {

// "Cities 312/330": the status bar's part for one region of the league as it now stands.
QString regionText(const char* region) {
    for (const SpaceRegion& r : computeSpace(league(), Console::Nes).regions)
        if (r.name == region) return QStringLiteral("%1 %2/%3").arg(region).arg(r.used).arg(r.available);
    return QString();
}

}  // namespace

TEST_F(Shell, MissingSettingsFileIsOfferedAndWrittenAtClose) {
    start();
    fs::create_directory(file("tamsel.ini"));  // a folder where the file should go
    w->close();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Unable to save tamsel.ini.");
    fs::remove(file("tamsel.ini"));
    struct Row {
        const char* name;
        bool yes;
    };
    for (const Row& row : {Row{"No to a default file", false}, Row{"Yes to a default file", true}}) {
        SCOPED_TRACE(row.name);
        messages.shown.clear();
        messages.yes = row.yes;
        w = std::make_unique<frmMain>(&messages, &dialogs);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, "Error loading tamsel.ini! Create a default tamsel.ini file?");
        EXPECT_EQ(fs::exists(file("tamsel.ini")), row.yes);
        EXPECT_EQ(w->windowTitle(), "Tamsel v0.21.0 [...]");
        EXPECT_FALSE(menus().menuFileSave->isEnabled());
        EXPECT_FALSE(menus().cmdFileSave->isEnabled());
        EXPECT_FALSE(playerUi().txtFirstname->isEnabled());
        fs::remove(file("tamsel.ini"));
        w->close();  // the settings are written at every close
        EXPECT_TRUE(fs::remove(file("tamsel.ini")));
    }
}

// The rows run one after another in one window: a failed open keeps the file opened last.
TEST_F(Shell, EditionFollowsTheFilterLineOrTheFileNameAndFailuresNameTheirCause) {
    start();
    const std::vector<std::uint8_t> stub = {'N', 'E', 'S', 0x1A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    struct Row {
        std::string name;
        std::vector<std::uint8_t> bytes;
        int line;
        QString message;
        ConsoleKind kind;
        QString caption;
        QString detail;
    };
    const Row rows[] = {
        {"game.nes", DemoRom::makeNes(), 1, "File successfully loaded!", Console::Nes, "[game.nes]", ""},
        {"game.bin", DemoRom::makeNes(), 2, "File successfully loaded!", Console::Nes, "[game.bin]", ""},
        {"game.smc", DemoRom::makeSnes(), 1, "File successfully loaded!", Console::Snes, "[game.smc]", ""},
        {"wrong.nes", DemoRom::makeNes(), 3, "Invalid rom!", Console::Snes, "[game.smc]", ""},
        {"stub.nes", stub, 1, "Error reading data!", Console::Snes, "[game.smc]",
         "teamPtrTable (0x8011, 54 bytes) lies outside the image of 0x10 bytes"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(openWith(place(row.bytes, row.name), row.line), row.message);
        EXPECT_EQ(messages.shown[0].icon, iconFor(row.message != "File successfully loaded!"));
        EXPECT_EQ(messages.shown[0].detail, row.detail);
        EXPECT_EQ(session().kind(), row.kind);
        EXPECT_TRUE(session().valid());  // a failed open keeps the file open before
        EXPECT_EQ(caption(), "Tamsel v0.21.0 " + row.caption);
        EXPECT_EQ(dialogs.requests.back().filter,
                  "All Supported Types|*.nes;*.smc|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc|");
        EXPECT_EQ(dialogs.requests.back().folder, qs(dir));
    }
}

TEST_F(Shell, CancelChangesNothing) {
    openDemo();
    playerUi().txtWeight->setText("123");
    EXPECT_EQ(menu(menus().menuFileOpen), "");  // no answer queued: Cancel, and no message
    // Open stored the weight before it asked about the edit (answered Discard).
    EXPECT_EQ(caption(), "Tamsel v0.21.0 [game.nes]*");
    EXPECT_TRUE(session().valid());
    EXPECT_EQ(playerUi().txtWeight->text(), "123");
}

// The Tab key follows the controls as they stand: tool strip, tree, League, Team Editor,
// Player Editor with its rating rows top to bottom.
TEST_F(Shell, TabOrderFollowsTheFrames) {
    openDemo();
    QStringList expected = {"cmdFileLoad",  "cmdFileSave",   "cmdExitApp",     "tvProject", "lstSchedule",
                            "cmbAway",      "cmbHome",       "cmdEditAllStar", "txtCity",   "txtMascot",
                            "txtAbrev",     "txtPPGhome",    "txtPPGaway",     "txtJersey", "txtFirstname",
                            "txtLastname",  "txtFeet",       "txtInches",      "txtWeight", "cmbPosition",
                            "txtFGpercent", "txtTPTpercent", "txtFTpercent"};
    for (int i = 0; i < 6; ++i)
        expected << QStringLiteral("cmdDecAtt_%1").arg(i) << QStringLiteral("cmdIncAtt_%1").arg(i);
    QStringList chain;
    for (QWidget* next = w->nextInFocusChain(); next != w.get(); next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisibleTo(w.get())) chain << next->objectName();
    EXPECT_EQ(chain, expected);
}

TEST_F(ProjectTree, NodesNameTheirRecordsAndClicksSelect) {
    openDemo(Console::Snes);
    QTreeWidgetItem* root = node(1);
    ASSERT_EQ(root->childCount(), 27);
    EXPECT_EQ(root->text(0), "NBA");
    EXPECT_EQ(w->tree().currentItem(), node(playerNode(0, 0)));
    EXPECT_EQ(str(node(teamNode(26))->text(0)), team(26).getCity() + " " + team(26).getMascot());
    struct Row {
        const char* name;
        int node;
        int team;
        int player;
    };
    const Row rows[] = {
        {"Player25", playerNode(2, 1), 2, 1}, {"Player323", playerNode(26, 11), 26, 11}, {"Team5", teamNode(5), 5, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        clickNode(row.node);
        EXPECT_EQ(w->selection().team, row.team);
        EXPECT_EQ(w->selection().player, row.player);
        EXPECT_EQ(str(playerUi().txtLastname->text()), player(row.team, row.player).getLast());
    }
    const clsProject before = league();
    playerUi().txtFirstname->setText("NOTSTORED");  // the root changes and stores nothing
    clickNode(1);
    EXPECT_EQ(w->selection().team, 5);
    EXPECT_TRUE(league() == before);
    // A player node keeps the figure variants, a team node starts them again.
    w->selection().nesFigureVariant = 3;
    w->selection().snesFigureVariant = 5;
    clickNode(playerNode(4, 2));
    EXPECT_EQ(w->selection().snesFigureVariant, 5);
    clickNode(teamNode(4));
    EXPECT_EQ(w->selection().nesFigureVariant, 0);
    EXPECT_EQ(w->selection().snesFigureVariant, 0);
}

// What is typed goes to the selection it was typed for. A store (the city, as its box is
// left) shows in the tree and the status bar but refills no editor, so the weight typed
// before stays as tidied; the rest is stored when the tree is clicked.
TEST_F(ProjectTree, TypedValuesGoToThePreviousSelectionBeforeSwitching) {
    openDemo();
    clickNode(playerNode(1, 2));
    const std::int16_t weight = player(1, 2).getWeight();
    const QString citiesBefore = regionText("Cities");
    type(playerUi().txtWeight, "151");
    typeAndLeave(teamUi().txtCity, "a much longer", playerUi().txtFeet);  // the weight box is left: tidied, not stored
    EXPECT_EQ(playerUi().txtWeight->text(), "148");
    EXPECT_EQ(player(1, 2).getWeight(), weight);
    EXPECT_EQ(str(node(teamNode(1))->text(0)), "A MUCH LONGER " + team(1).getMascot());
    EXPECT_NE(regionText("Cities"), citiesBefore);
    EXPECT_TRUE(statusText().contains(regionText("Cities"))) << str(statusText());
    type(playerUi().txtFeet, "6");
    type(playerUi().txtWeight, "203");  // still focused when the tree is clicked
    clickNode(playerNode(7, 9));
    EXPECT_EQ(player(1, 2).getWeight(), 200);  // normalised on leaving the box, then stored
    EXPECT_EQ(player(1, 2).getFeet(), 6);
    // The keyboard moves the selection as a click does.
    type(playerUi().txtWeight, "151");
    w->tree().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&w->tree(), Qt::Key_Down);
    EXPECT_EQ(player(7, 9).getWeight(), 148);
    EXPECT_EQ(w->selection().player, 10);
}

TEST_F(ProjectTree, ScreenshotOfTheWindowOnTheDemoLeague) {
    openDemo();
    settle();
    QDir().mkpath(TAMSEL_BUILD_DIR "/screenshots");
    EXPECT_TRUE(w->grab().toImage().save(TAMSEL_BUILD_DIR "/screenshots/main-window.png"));
}
