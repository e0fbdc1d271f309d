// The Project and Analysis menus: dialogues and messages, stores before the exports,
// refreshes after the imports, failed imports that change nothing, and the reports.
#include <QDir>

#include "UiHarness.h"
#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"

using InterchangeMenu = UiTest;

namespace {

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
    for (int i = 1; w.treeNode(i) != nullptr; ++i) out << w.treeNode(i)->text(0);
    return out;
}
// The league with the editors stored once, so that storing them again changes nothing.
clsProject settled(frmMain& w) {
    w.storePlayerFields();
    w.storeTeamFields();
    return league();
}

}  // namespace

TEST_F(InterchangeMenu, EveryFileCommandAsksWithItsFilterCancelChangesNothingAndWriteFailuresAreNamed) {
    openDemo();
    clickNode(playerNode(2, 4));
    const clsProject before = settled(*w);
    const QStringList nodes = nodeTexts(*w);
    struct Row { QAction* item; bool save; QString filter; };
    std::vector<Row> rows = {
        {w->menuProjectExport, true, "Tamsel Project File (*.tpr)| *.tpr"}, {w->menuProjectImport, false, "Tamsel Project File (*.tpr)| *.tpr"},
        {w->menuProjectExportTeam, true, "Tamsel Team File (*.tte)| *.tte"}, {w->menuProjectImportTeam, false, "Tamsel Team File (*.tte)| *.tte"},
        {w->menuProjectExportPlayer, true, "Tamsel Player File (*.tpl)| *.tpl"}, {w->meunProjectImportPlayer, false, "Tamsel Player File (*.tpl)| *.tpl"},
    };
    for (QAction* a : w->menuAnalysisAtt) rows.push_back({a, true, "Text File (*.txt)| *.txt"});
    for (const Row& row : rows) {
        SCOPED_TRACE(str(row.item->text()));
        dialogs.requests.clear();
        EXPECT_EQ(menu(row.item), "");
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].save, row.save);
        EXPECT_EQ(dialogs.requests[0].filter, row.filter);
        EXPECT_EQ(dialogs.requests[0].folder, qs(dir));
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(nodeTexts(*w), nodes);
        if (!row.save) continue;
        EXPECT_EQ(menu(row.item, file("no-such-folder/out")), "Error writing file!");
        EXPECT_EQ(messages.shown[0].second, MessageSink::Icon::Exclamation);
    }
    EXPECT_TRUE(QDir(qs(dir)).entryList({"*.tpr", "*.tte", "*.tpl", "*.txt"}).isEmpty());
}

TEST_F(InterchangeMenu, ExportChangeAndImportBringsTheRecordBack) {
    struct Row { QAction* frmMain::*exportItem; QAction* frmMain::*importItem; int node; QString exported, imported; };
    for (const Row& row : {Row{&frmMain::menuProjectExportTeam, &frmMain::menuProjectImportTeam, teamNode(5), "Team exported!", "Team imported!"},
                           Row{&frmMain::menuProjectExportPlayer, &frmMain::meunProjectImportPlayer, playerNode(5, 3), "Player exported!", "Player imported!"},
                           Row{&frmMain::menuProjectExport, &frmMain::menuProjectImport, playerNode(5, 3), "Project exported!", "Team imported!"}}) {
        SCOPED_TRACE(str(row.exported));
        openDemo();
        clickNode(row.node);
        type(w->txtLastname, "smith");  // still in its box: the export stores the editors first
        const std::string path = file("record");
        EXPECT_EQ(menu((*w).*row.exportItem, path), row.exported);
        clickNode(row.node);
        const std::string savedTeam = teamText(team(5)), savedPlayer = playerText(*w->selectedPlayerRef());
        const bool wholeTeam = row.imported == "Team imported!", wholeLeague = row.exported == "Project exported!";
        const QStringList nodes = nodeTexts(*w);

        type(w->txtCity, "elsewhere");
        type(w->txtLastname, "jones");
        type(w->txtJersey, "77");
        clickNode(row.node);
        league().setMatchupBytes(5, 1, 2);
        ASSERT_NE(nodeTexts(*w), nodes);
        EXPECT_EQ(menu((*w).*row.importItem, path), row.imported);
        EXPECT_EQ(playerText(*w->selectedPlayerRef()), savedPlayer);
        EXPECT_EQ(w->selectedTeam, 5);
        EXPECT_EQ(w->txtLastname->text(), "SMITH");
        EXPECT_EQ(w->treeNode(row.node)->text(0), nodes[row.node - 1]);
        // A player import leaves the team around the player as it was, a team import the league.
        EXPECT_EQ(teamText(team(5)) == savedTeam, wholeTeam);
        EXPECT_EQ(nodeTexts(*w) == nodes, wholeTeam);
        EXPECT_EQ(team(5).getCity() == "ELSEWHERE", !wholeTeam);
        EXPECT_EQ(ProjectFile::projectText(league()) == testsupport::readText(path), wholeLeague);
        EXPECT_EQ(w->lstSchedule->item(5)->text() == qs(league().getMatchupStr(5)), wholeTeam);
    }
}

TEST_F(InterchangeMenu, ProjectExportOfTheReferenceImageMatchesTheReferenceFile) {
    REQUIRE_FIXTURES();
    start();
    open(placeFixture("nes-1/game.nes"));
    EXPECT_EQ(menu(w->menuProjectExport, file("out.tpr")), "Project exported!");
    EXPECT_EQ(testsupport::readBytes(file("out.tpr")), testsupport::readBytes(testsupport::fixture("nes-1/expected/league.tpr")));
}

TEST_F(InterchangeMenu, FailedImportsChangeNothingAndTheNextTreeClickWritesNothingStale) {
    struct Row { QAction* frmMain::*exportItem; QAction* frmMain::*importItem; std::string key, bad; };
    const Row rows[] = {
        {&frmMain::menuProjectExport, &frmMain::menuProjectImport, "stam=", "abc"},
        {&frmMain::menuProjectExportTeam, &frmMain::menuProjectImportTeam, "pg=", "300"},
        {&frmMain::menuProjectExportPlayer, &frmMain::meunProjectImportPlayer, "stam=", "-1"},
        {nullptr, &frmMain::menuProjectImportTeam, "missing", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key + row.bad);
        openDemo();
        const std::string path = file(row.key + row.bad);
        if (row.exportItem != nullptr) {  // another team's data with its last such line spoiled
            clickNode(playerNode(9, 1));
            menu((*w).*row.exportItem, path);
            std::string text = testsupport::readText(path);
            const std::size_t at = text.rfind("\r\n" + row.key) + 2;
            testsupport::writeText(path, text.replace(at, text.find("\r\n", at) - at, row.key + row.bad));
        }
        clickNode(playerNode(4, 6));
        const clsProject before = settled(*w);
        const QStringList nodes = nodeTexts(*w);
        EXPECT_EQ(menu((*w).*row.importItem, path), "Error reading file!");
        EXPECT_EQ(messages.shown[0].second, MessageSink::Icon::Exclamation);
        EXPECT_TRUE(league() == before);
        clickNode(teamNode(20));  // stores the editors into the selection
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(nodeTexts(*w), nodes);
    }
}

TEST_F(InterchangeMenu, ReportsMatchTheCoreAndSortByPositionToggles) {
    openDemo();
    EXPECT_TRUE(w->menuAnalysisSortByPos->isChecked());
    for (bool byPosition : {true, false}) {
        for (int att = 0; att < 6; ++att) {
            const std::string out = file("report.txt"), ref = file("reference.txt");
            EXPECT_EQ(menu(w->menuAnalysisAtt[std::size_t(att)], out), "Analysis complete!");
            ASSERT_EQ(AttributeReport::writeSortedList(league(), ref, att, byPosition), Result::Ok);
            EXPECT_EQ(testsupport::readBytes(out), testsupport::readBytes(ref)) << att << " " << byPosition;
        }
        w->menuAnalysisSortByPos->trigger();
        EXPECT_EQ(w->menuAnalysisSortByPos->isChecked(), !byPosition);
    }
}
