// The Project and Analysis menus: dialogues and messages, stores before the exports,
// refreshes after the imports, failed imports that change nothing, and the reports.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <algorithm>

#include "UiHarness.h"
#include "interchange/AttributeReport.h"
#include "model/Rating.h"

using InterchangeMenu = UiTest;

namespace {

using Item = QAction* MainMenus::*;

// What the interchange files hold of a team and of a player.
std::string teamText(const clsTeam& t) {
    std::string out;
    TeamFile::writeToFile(t, out);
    TeamFile::writePlayerBlocks(t, out);
    return out;
}
std::string playerText(const clsPlayer& p) {
    std::string out;
    PlayerFile::writeToFile(p, out);
    return out;
}
QStringList nodeTexts(frmMain& w) {
    QStringList out;
    for (int i = 1; w.tree().node(i) != nullptr; ++i) out << w.tree().node(i)->text(0);
    return out;
}
// The league with the editors stored once, so that storing them again changes nothing.
clsProject settled(frmMain& w) {
    w.playerEditor().store();
    w.teamEditor().store();
    return league();
}

}  // namespace

TEST_F(InterchangeMenu, EveryFileCommandAsksWithItsFilterCancelChangesNothingAndWriteFailuresAreNamed) {
    openDemo();
    clickNode(playerNode(2, 4));
    const clsProject before = settled(*w);
    const QStringList nodes = nodeTexts(*w);
    struct Row {
        QString name;
        QAction* item;
        bool save;
        QString filter;
    };
    std::vector<Row> rows = {
        {"Export Project", menus().menuProjectExport, true, "Tamsel Project File (*.tpr)| *.tpr"},
        {"Import Project", menus().menuProjectImport, false, "Tamsel Project File (*.tpr)| *.tpr"},
        {"Export Team", menus().menuProjectExportTeam, true, "Tamsel Team File (*.tte)| *.tte"},
        {"Import Team", menus().menuProjectImportTeam, false, "Tamsel Team File (*.tte)| *.tte"},
        {"Export Player", menus().menuProjectExportPlayer, true, "Tamsel Player File (*.tpl)| *.tpl"},
        {"Import Player", menus().meunProjectImportPlayer, false, "Tamsel Player File (*.tpl)| *.tpl"},
        {"Import Players from CSV", menus().menuProjectImportCsv, false, "CSV Table (*.csv)|*.csv|"},
        {"Export Players as CSV", menus().menuProjectExportCsv, true, "CSV Table (*.csv)|*.csv|"},
    };
    for (std::size_t i = 0; i < kRatings.size(); ++i)
        rows.push_back({kRatings[i].reportName, menus().menuAnalysisAtt[i], true, "Text File (*.txt)| *.txt"});
    for (const Row& row : rows) {
        SCOPED_TRACE(str(row.name));
        dialogs.requests.clear();
        EXPECT_EQ(menu(row.item), "");
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].save, row.save);
        EXPECT_EQ(dialogs.requests[0].filter, row.filter);
        EXPECT_EQ(dialogs.requests[0].folder, qs(dir));
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(nodeTexts(*w), nodes);
        if (!row.save) continue;
        EXPECT_EQ(menu(row.item, file("no-such-folder/out.x")), "Error writing file!");
        EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
        EXPECT_EQ(messages.shown[0].detail, qs("No such file or directory: " + file("no-such-folder/out.x")));
    }
    EXPECT_TRUE(QDir(qs(dir)).entryList({"*.tpr", "*.tte", "*.tpl", "*.txt", "*.csv"}).isEmpty());
}

// Every save dialogue settles the name first (a bare name gets the chosen filter line's
// extension) and asks before it replaces a file of that name: No shows the dialogue again,
// Yes writes.
TEST_F(InterchangeMenu, EverySaveDialogueAsksBeforeReplacingAFile) {
    openDemo();
    struct Row {
        const char* name;
        QAction* item;
        std::string extension;
        QString written;
    };
    const Row rows[] = {
        {"Export Patch", menus().menuFileExportPatch, ".bps", "Patch exported!"},
        {"Export Project", menus().menuProjectExport, ".tpr", "Project exported!"},
        {"Export Team", menus().menuProjectExportTeam, ".tte", "Team exported!"},
        {"Export Player", menus().menuProjectExportPlayer, ".tpl", "Player exported!"},
        {"Export Players as CSV", menus().menuProjectExportCsv, ".csv", "Players exported!"},
        {"a report", menus().menuAnalysisAtt[2], ".txt", "Analysis complete!"},
        {"Save As", menus().menuFileSaveAs, ".nes", "File successfully saved!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string taken = file("taken" + row.extension);
        testsupport::writeText(taken, "kept");
        const QString question = qs("taken" + row.extension + " already exists. Replace it?");
        for (const bool yes : {false, true}) {
            messages.yes = yes;
            dialogs.requests.clear();
            EXPECT_EQ(menu(row.item, file("taken")), yes ? row.written : question);
            EXPECT_EQ(messages.shown[0].text, question);
            EXPECT_EQ(dialogs.requests.size(), yes ? 1u : 2u);  // No: the dialogue again, then Cancel
            EXPECT_EQ(testsupport::readText(taken) == "kept", !yes);
        }
    }
}

// The Qt message box answers a Yes/No question No when Escape is pressed, and the Qt save
// dialogue leaves the question about an existing file to the program.
TEST_F(InterchangeMenu, TheQtQuestionTakesEscapeAsNoAndTheQtDialogueDoesNotAsk) {
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_FALSE(QtMessageSink().askYesNo(nullptr, "taken.csv already exists. Replace it?"));
    bool dialogueAsks = true;
    QTimer::singleShot(0, [&dialogueAsks] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        dialogueAsks = !dialogue->testOption(QFileDialog::DontConfirmOverwrite);
        dialogue->reject();
    });
    EXPECT_EQ(QtFileDialogs().saveFile(nullptr, "CSV Table (*.csv)|*.csv|", qs(dir)).fileName, "");
    EXPECT_FALSE(dialogueAsks);
}

// A last name typed and still in its box is exported; the record is then changed and the
// import brings back what the file holds, and only that.
TEST_F(InterchangeMenu, ExportChangeAndImportBringsTheRecordBack) {
    struct Row {
        const char* name;
        Item exportItem;
        Item importItem;
        int node;
        std::string file;
        QString exported;
        QString imported;
        bool teamRestored;      // the whole team, not the player alone, is as exported
        bool fileIsTheLeague;   // the file holds the league as it now is
        bool scheduleRefilled;  // the schedule list shows the game changed before the import
    };
    const Row rows[] = {
        {"team", &MainMenus::menuProjectExportTeam, &MainMenus::menuProjectImportTeam, teamNode(5), "team.tte",
         "Team exported!", "Team imported!", true, false, true},
        {"player", &MainMenus::menuProjectExportPlayer, &MainMenus::meunProjectImportPlayer, playerNode(5, 3),
         "player.tpl", "Player exported!", "Player imported!", false, false, false},
        {"project", &MainMenus::menuProjectExport, &MainMenus::menuProjectImport, playerNode(5, 3), "league.tpr",
         "Project exported!", "Team imported!", true, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        clickNode(row.node);
        type(playerUi().txtLastname, "smith");  // still in its box: the export stores the editors first
        const std::string path = file(row.file);
        EXPECT_EQ(menu(menus().*row.exportItem, path), row.exported);
        clickNode(row.node);
        const std::string savedTeam = teamText(team(5));
        const std::string savedPlayer = playerText(selectedPlayer());
        const QStringList nodes = nodeTexts(*w);

        type(teamUi().txtCity, "elsewhere");
        type(playerUi().txtLastname, "jones");
        type(playerUi().txtJersey, "77");
        clickNode(row.node);
        session().edit("Schedule", {}, [](clsProject& l) { l.setMatchupBytes(5, 1, 2); });
        ASSERT_NE(nodeTexts(*w), nodes);
        EXPECT_EQ(menu(menus().*row.importItem, path), row.imported);
        EXPECT_EQ(playerText(selectedPlayer()), savedPlayer);
        EXPECT_EQ(w->selection().team, 5);
        EXPECT_EQ(playerUi().txtLastname->text(), "SMITH");
        EXPECT_EQ(node(row.node)->text(0), nodes[row.node - 1]);
        EXPECT_EQ(teamText(team(5)) == savedTeam, row.teamRestored);
        EXPECT_EQ(nodeTexts(*w) == nodes, row.teamRestored);
        EXPECT_EQ(str(teamUi().txtCity->text()), team(5).getCity());
        EXPECT_EQ(team(5).getCity() == "ELSEWHERE", !row.teamRestored);
        EXPECT_EQ(ProjectFile::projectText(league()) == testsupport::readText(path), row.fileIsTheLeague);
        EXPECT_EQ(scheduleUi().lstSchedule->item(5)->text() == qs(league().getMatchupStr(5)), row.scheduleRefilled);
    }
}

// The message box names the line at fault and why below its message.
TEST_F(InterchangeMenu, FailedImportsChangeNothingAndTheNextTreeClickWritesNothingStale) {
    struct Row {
        const char* name;
        Record record;  // the file is player 9.1's record with its last such line spoiled
        Item importItem;
        std::string key;
        std::string bad;
        std::string reason;  // after "line N: "
    };
    const Row rows[] = {
        {"project with a rating that is no number", Record::Project, &MainMenus::menuProjectImport, "stam=", "abc",
         "stam: 'abc' is not a number"},
        {"team with points beyond a byte", Record::Team, &MainMenus::menuProjectImportTeam, "pg=", "300",
         "pg: '300' is outside 0..255"},
        {"player with a negative rating", Record::Player, &MainMenus::meunProjectImportPlayer, "stam=", "-1",
         "stam: '-1' is outside 0..255"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        openDemo();
        const std::string path = file(row.key + row.bad);
        std::string text = testsupport::readText(exportRecord(row.record, league(), 9, 1, path));
        const std::size_t at = text.rfind("\r\n" + row.key) + 2;
        testsupport::writeText(path, text.replace(at, text.find("\r\n", at) - at, row.key + row.bad));
        const auto line = std::count(text.begin(), text.begin() + std::ptrdiff_t(at), '\n') + 1;
        clickNode(playerNode(4, 6));
        const clsProject before = settled(*w);
        const QStringList nodes = nodeTexts(*w);
        EXPECT_EQ(menu(menus().*row.importItem, path), "Error reading file!");
        EXPECT_EQ(messages.shown[0].icon, MessageSink::Icon::Exclamation);
        EXPECT_EQ(str(messages.shown[0].detail), "line " + std::to_string(line) + ": " + row.reason);
        EXPECT_TRUE(league() == before);
        clickNode(teamNode(20));  // stores the editors into the selection
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(nodeTexts(*w), nodes);
    }
}

TEST_F(InterchangeMenu, ReportsMatchTheCoreAndSortByPositionToggles) {
    openDemo();
    messages.yes = true;  // the report replaces the one before
    EXPECT_TRUE(menus().menuAnalysisSortByPos->isChecked());
    struct Order {
        const char* name;
        bool byPosition;
    };
    for (const Order& order : {Order{"by position", true}, Order{"overall", false}}) {
        for (std::size_t att = 0; att < kRatings.size(); ++att) {
            SCOPED_TRACE(std::string(kRatings[att].reportName) + ", " + order.name);
            const std::string out = file("report.txt");
            const std::string ref = file("reference.txt");
            EXPECT_EQ(menu(menus().menuAnalysisAtt[att], out), "Analysis complete!");
            ASSERT_EQ(AttributeReport::writeSortedList(league(), ref, int(att), order.byPosition), Result::Ok);
            EXPECT_EQ(testsupport::readBytes(out), testsupport::readBytes(ref));
        }
        menus().menuAnalysisSortByPos->trigger();
        EXPECT_EQ(menus().menuAnalysisSortByPos->isChecked(), !order.byPosition);
    }
}

// The players as a CSV table: the export stores the editors first; the import brings the
// table's players back as one step of the history and shows them in the tree, the editors
// and an open all-star window; a broken table is refused with its line and changes nothing.
TEST_F(InterchangeMenu, PlayersGoOutAsACsvTableAndComeBackWhole) {
    openDemo();
    const clsProject::Pair star = league().getWestAllStar(0);
    w->allStarWindow()->show();
    clickNode(playerNode(star[0], star[1]));
    type(playerUi().txtLastname, "SMITH");  // still in its box
    const std::string path = file("players.csv");
    EXPECT_EQ(menu(menus().menuProjectExportCsv, path), "Players exported!");
    EXPECT_EQ(player(star[0], star[1]).getLast(), "SMITH");
    const clsProject exported = league();
    const std::string table = testsupport::readText(path);
    EXPECT_NE(table.find(",SMITH,"), std::string::npos);

    type(playerUi().txtLastname, "JONES");
    clickNode(playerNode(5, 5));  // stores the name
    const QString weight = playerUi().txtWeight->text();
    session().edit("Weight", {5, 5}, [](clsProject& l) { l.getTeamRef(5)->getPlayerRef(5)->setWeight(300); });
    type(playerUi().txtWeight, "222");  // still in its box: the import shows the table's weight
    const std::size_t taken = steps();
    EXPECT_EQ(menu(menus().menuProjectImportCsv, path), "Players imported!");
    EXPECT_TRUE(league() == exported);
    EXPECT_EQ(steps(), taken + 1);
    EXPECT_EQ(session().history().undoLabel(), "Import Players from CSV");
    EXPECT_TRUE(node(playerNode(star[0], star[1]))->text(0).endsWith(" SMITH"));
    EXPECT_EQ(playerUi().txtWeight->text(), weight);
    EXPECT_TRUE(w->allStarWindow(false)->lstWEST->item(0)->text().endsWith(" SMITH"));

    // SMITH renamed in his row, then a row of two fields: refused whole, naming the line.
    std::string renamed = table;
    renamed.replace(renamed.find(",SMITH,"), 7, ",CHANGED,");
    const std::string head = table.substr(0, table.find("\r\n"));
    testsupport::writeText(path, renamed + "x,y\r\n");
    EXPECT_EQ(menu(menus().menuProjectImportCsv, path), "Error reading file!");
    EXPECT_EQ(str(messages.shown[0].detail), "line " +
                                                 std::to_string(std::count(table.begin(), table.end(), '\n') + 1) +
                                                 ": the row has 2 fields, the header " +
                                                 std::to_string(std::count(head.begin(), head.end(), ',') + 1));
    EXPECT_TRUE(league() == exported);
    EXPECT_EQ(steps(), taken + 1);
}
