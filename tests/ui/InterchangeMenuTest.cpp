// The Project and Analysis menus driven through their menu items: dialogues and filters,
// messages, stores before the exports, refreshes and relabelling after the imports,
// failed imports that change nothing, and the ranking reports.
#include <QDir>
#include <QListWidget>

#include "TeamTestWindow.h"
#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"

using namespace teamtest;

namespace {

const QString kProjectFilter = "Tamsel Project File (*.tpr)| *.tpr";
const QString kTeamFilter = "Tamsel Team File (*.tte)| *.tte";
const QString kPlayerFilter = "Tamsel Player File (*.tpl)| *.tpl";
const QString kReportFilter = "Text File (*.txt)| *.txt";

using Icon = MessageSink::Icon;

// Writes the editors into the records once, so that the league no longer changes when
// the same editors are stored again.
clsProject settled(frmMain& w) {
    w.storePlayerFields();
    w.storeTeamFields();
    return league();
}

std::vector<QString> teamNodeTexts(frmMain& w, int t) {
    std::vector<QString> out;
    for (int i = 0; i < 13; ++i) out.push_back(w.treeNode(2 + 13 * t + i)->text(0));
    return out;
}

std::vector<QString> allNodeTexts(frmMain& w) {
    std::vector<QString> out;
    for (int i = 1; i <= 1 + 27 * 13; ++i) out.push_back(w.treeNode(i)->text(0));
    return out;
}

// What the interchange files hold of a record, as the core writes it.
std::string fileText(const clsTeam& t, const std::string& dir) {
    std::string path = dir + "/probe.tte";
    EXPECT_EQ(TeamFile::exportTeam(t, path), Result::Ok);
    return testsupport::readText(path);
}
std::string fileText(const clsPlayer& p) {
    std::string out;
    PlayerFile::writeToFile(p, out);
    return out;
}

// The tree texts a league gives its team t: city and mascot, then jersey and name per player.
std::vector<QString> expectedNodeTexts(const clsTeam& t) {
    std::vector<QString> out{QString::fromStdString(t.getCity() + " " + t.getMascot())};
    for (int p = 0; p < 12; ++p) {
        const clsPlayer* pl = t.getPlayerRef(p);
        out.push_back(QString::asprintf("%02d", pl->getJersey() % 100) + "-" + QString::fromStdString(pl->getFullname()));
    }
    return out;
}

// Replaces the value of the last line starting with key by one the reader refuses.
void spoilLastLine(const std::string& path, const std::string& key, const std::string& bad) {
    std::string text = testsupport::readText(path);
    std::size_t at = text.rfind("\r\n" + key);
    ASSERT_NE(at, std::string::npos) << key;
    std::size_t end = text.find("\r\n", at + 2);
    text.replace(at + 2, end - at - 2, key + bad);
    testsupport::writeText(path, text);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Dialogues

TEST(InterchangeMenu, EveryFileCommandAsksWithItsFilterAndCancelChangesNothing) {
    TestWindow tw("menu-cancel");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(3 + 13 * 2 + 4);
    const clsProject before = settled(w);
    const std::vector<QString> nodes = allNodeTexts(w);
    struct Row {
        QAction* action;
        bool save;
        QString filter;
    };
    std::vector<Row> rows = {
        {w.menuProjectExport, true, kProjectFilter},       {w.menuProjectImport, false, kProjectFilter},
        {w.menuProjectExportTeam, true, kTeamFilter},      {w.menuProjectImportTeam, false, kTeamFilter},
        {w.menuProjectExportPlayer, true, kPlayerFilter},  {w.meunProjectImportPlayer, false, kPlayerFilter},
    };
    for (QAction* a : w.menuAnalysisAtt) rows.push_back({a, true, kReportFilter});
    for (const Row& row : rows) {
        tw.dialogs.requests.clear();
        tw.dialogs.queueCancel();
        row.action->trigger();
        ASSERT_EQ(tw.dialogs.requests.size(), 1u) << row.action->text().toStdString();
        EXPECT_EQ(tw.dialogs.requests[0].save, row.save) << row.action->text().toStdString();
        EXPECT_EQ(tw.dialogs.requests[0].filter, row.filter) << row.action->text().toStdString();
        EXPECT_EQ(tw.dialogs.requests[0].folder, w.dialogFolder());
        EXPECT_TRUE(tw.messages.shown.empty()) << row.action->text().toStdString();
        EXPECT_TRUE(league() == before) << row.action->text().toStdString();
        EXPECT_EQ(str(allNodeTexts(w)), str(nodes));
        EXPECT_EQ(w.selectedTeam, 2);
        EXPECT_EQ(w.selectedPlayer, 4);
    }
    EXPECT_TRUE(QDir(QString::fromStdString(tw.dir)).entryList({"*.tpr", "*.tte", "*.tpl", "*.txt"}).isEmpty());
}

TEST(InterchangeMenu, FailedWritesReportWithTheExclamationIcon) {
    TestWindow tw("menu-write-fail");
    tw.open(Console::Nes);
    frmMain& w = *tw.w;
    const QString nowhere = QString::fromStdString(tw.dir + "/no-such-folder/out.x");
    for (QAction* a : {w.menuProjectExport, w.menuProjectExportTeam, w.menuProjectExportPlayer, w.menuAnalysisAtt[3]}) {
        tw.messages.clear();
        tw.dialogs.queue(nowhere);
        a->trigger();
        ASSERT_EQ(tw.messages.shown.size(), 1u) << a->text().toStdString();
        EXPECT_EQ(str(tw.messages.shown[0].text), "Error writing file!");
        EXPECT_EQ(tw.messages.shown[0].icon, Icon::Exclamation);
    }
}

// ---------------------------------------------------------------------------------------
// Teams

TEST(InterchangeTeam, ExportChangeAndImportBringsTheTeamBack) {
    TestWindow tw("menu-team-roundtrip");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(2 + 13 * 5);
    // An edit still in its box reaches the file: the export stores the editors first.
    TestWindow::type(w.txtMascot, "owls");
    const std::string path = tw.file("team5.tte");
    tw.dialogs.queue(qpath(path));
    w.menuProjectExportTeam->trigger();
    ASSERT_EQ(str(tw.messages.last()), "Team exported!");
    EXPECT_EQ(tw.messages.shown.back().icon, Icon::None);
    EXPECT_EQ(team(5).getMascot(), "owls");  // stored as typed; the file writes upper case
    EXPECT_NE(testsupport::readText(path).find("mascot=OWLS\r\n"), std::string::npos);

    tw.clickNode(2 + 13 * 5);  // leaves the box: OWLS
    const clsTeam saved = team(5);
    const std::vector<QString> otherNodes = teamNodeTexts(w, 6);

    // Change the team through the editors and the records.
    TestWindow::type(w.txtCity, "elsewhere");
    TestWindow::type(w.txtPPGhome, "12");
    tw.clickNode(3 + 13 * 5 + 2);
    TestWindow::type(w.txtLastname, "changed");
    tw.clickNode(2 + 13 * 5);
    team(5).setUniformColor_NES(0x01, 0x02);
    ASSERT_NE(fileText(team(5), tw.dir), fileText(saved, tw.dir));

    tw.messages.clear();
    tw.dialogs.queue(qpath(path));
    w.menuProjectImportTeam->trigger();
    ASSERT_EQ(tw.messages.shown.size(), 1u);
    EXPECT_EQ(str(tw.messages.last()), "Team imported!");
    EXPECT_EQ(tw.messages.shown[0].icon, Icon::None);
    // Everything the file holds is back (the codec's own bookkeeping is not in the file).
    EXPECT_EQ(fileText(team(5), tw.dir), fileText(saved, tw.dir));
    EXPECT_EQ(team(5).getCity(), saved.getCity());
    EXPECT_EQ(team(5).getPointsScored(), saved.getPointsScored());
    EXPECT_EQ(team(5).getUniformColor_NES(), saved.getUniformColor_NES());
    EXPECT_EQ(team(5).getPlayerRef(2)->getLast(), saved.getPlayerRef(2)->getLast());
    EXPECT_EQ(w.txtCity->text().toStdString(), saved.getCity());
    EXPECT_EQ(str(w.txtMascot->text()), "OWLS");
    EXPECT_EQ(str(w.txtPPGhome->text()), str(QString::number(saved.getPointsScored())));
    EXPECT_EQ(str(w.lblnespal[0]->text()), str(QString::asprintf("%02X", saved.getUniformColor_NES_0())));
    EXPECT_EQ(str(teamNodeTexts(w, 5)), str(expectedNodeTexts(saved)));
    EXPECT_EQ(str(teamNodeTexts(w, 6)), str(otherNodes));
}

TEST(InterchangeTeam, ImportIntoAnotherSlotRenamesThatTeamAndItsTwelvePlayers) {
    TestWindow tw("menu-team-other-slot");
    tw.open(Console::Snes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(2 + 13 * 8);
    const std::string path = tw.file("team8.tte");
    tw.dialogs.queue(qpath(path));
    w.menuProjectExportTeam->trigger();
    ASSERT_EQ(str(tw.messages.last()), "Team exported!");
    const clsTeam eight = team(8);
    const std::vector<QString> eightNodes = teamNodeTexts(w, 8);

    tw.clickNode(3 + 13 * 11 + 7);  // a player of team 11
    tw.dialogs.queue(qpath(path));
    w.menuProjectImportTeam->trigger();
    ASSERT_EQ(str(tw.messages.last()), "Team imported!");
    EXPECT_EQ(fileText(team(11), tw.dir), fileText(eight, tw.dir));
    EXPECT_EQ(str(teamNodeTexts(w, 11)), str(expectedNodeTexts(eight)));
    EXPECT_EQ(str(teamNodeTexts(w, 8)), str(eightNodes));
    EXPECT_EQ(w.selectedTeam, 11);
    EXPECT_EQ(w.selectedPlayer, 7);
    EXPECT_EQ(w.txtFirstname->text().toStdString() + " " + w.txtLastname->text().toStdString(),
              eight.getPlayerRef(7)->getFullname());
    // The SNES figure now wears the imported colours.
    EXPECT_EQ(figureOf(*w.picPlayerRenderSNES), expectedFigure(*w.picPlayerRenderSNES, Console::Snes, eight, 0));
}

// ---------------------------------------------------------------------------------------
// Players

TEST(InterchangePlayer, ExportRightAfterTypingWritesTheNewNameAndImportRestores) {
    TestWindow tw("menu-player");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(3 + 13 * 1 + 3);
    TestWindow::type(w.txtLastname, "smith");
    const std::string path = tw.file("p.tpl");
    tw.dialogs.queue(qpath(path));
    w.menuProjectExportPlayer->trigger();
    ASSERT_EQ(str(tw.messages.last()), "Player exported!");
    EXPECT_EQ(tw.messages.shown.back().icon, Icon::None);
    EXPECT_NE(testsupport::readText(path).find("last=SMITH\r\n"), std::string::npos);

    tw.clickNode(3 + 13 * 1 + 3);
    const clsPlayer saved = *team(1).getPlayerRef(3);
    TestWindow::type(w.txtLastname, "jones");
    TestWindow::type(w.txtJersey, "77");
    tw.clickNode(3 + 13 * 1 + 3);
    ASSERT_NE(fileText(*team(1).getPlayerRef(3)), fileText(saved));
    const clsTeam teamBefore = team(1);

    tw.messages.clear();
    tw.dialogs.queue(qpath(path));
    w.meunProjectImportPlayer->trigger();
    ASSERT_EQ(tw.messages.shown.size(), 1u);
    EXPECT_EQ(str(tw.messages.last()), "Player imported!");
    EXPECT_EQ(fileText(*team(1).getPlayerRef(3)), fileText(saved));
    EXPECT_EQ(str(w.txtLastname->text()), "SMITH");
    EXPECT_EQ(w.txtJersey->text().toInt(), saved.getJersey());
    EXPECT_EQ(str(w.treeNode(3 + 13 * 1 + 3)->text(0)), str(expectedNodeTexts(team(1))[4]));
    // The team around the player is untouched.
    EXPECT_EQ(team(1).getCity(), teamBefore.getCity());
    EXPECT_TRUE(*team(1).getPlayerRef(4) == *teamBefore.getPlayerRef(4));
}

// ---------------------------------------------------------------------------------------
// Whole league

TEST(InterchangeProject, ImportSaysTeamImportedKeepsTheSelectionAndRebuildsTheTree) {
    TestWindow tw("menu-project");
    tw.open(Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    tw.clickNode(3 + 13 * 2 + 3);
    const std::string path = tw.file("league.tpr");
    tw.dialogs.queue(qpath(path));
    w.menuProjectExport->trigger();
    ASSERT_EQ(str(tw.messages.last()), "Project exported!");
    EXPECT_EQ(tw.messages.shown.back().icon, Icon::None);
    const clsProject saved = settled(w);
    const std::vector<QString> nodes = allNodeTexts(w);

    TestWindow::type(w.txtCity, "nowhere");
    tw.clickNode(2);
    TestWindow::type(w.txtMascot, "others");
    tw.clickNode(3 + 13 * 2 + 3);
    league().setMatchupBytes(5, 1, 2);
    ASSERT_FALSE(league() == saved);

    tw.messages.clear();
    tw.dialogs.queue(qpath(path));
    w.menuProjectImport->trigger();
    ASSERT_EQ(tw.messages.shown.size(), 1u);
    EXPECT_EQ(str(tw.messages.last()), "Team imported!");
    EXPECT_EQ(tw.messages.shown[0].icon, Icon::None);
    // Everything the file holds is back (the codec's own bookkeeping is not in the file).
    const std::string again = tw.file("again.tpr");
    ASSERT_EQ(ProjectFile::exportProject(league(), again), Result::Ok);
    EXPECT_EQ(testsupport::readBytes(again), testsupport::readBytes(path));
    EXPECT_EQ(league().schedule(), saved.schedule());
    EXPECT_EQ(team(0).getMascot(), saved.getTeamRef(0)->getMascot());
    EXPECT_EQ(str(allNodeTexts(w)), str(nodes));
    EXPECT_EQ(w.selectedTeam, 2);
    EXPECT_EQ(w.selectedPlayer, 3);
    EXPECT_EQ(w.txtCity->text().toStdString(), saved.getTeamRef(2)->getCity());
    EXPECT_EQ(w.lstSchedule->item(5)->text().toStdString(), saved.getMatchupStr(5));
}

TEST(InterchangeProject, MenuExportsOfTheReferenceImageMatchTheReferenceFiles) {
    REQUIRE_FIXTURES();
    TestWindow tw("menu-reference");
    std::string rom = tw.file("game.nes");
    testsupport::writeBytes(rom, testsupport::readBytes(testsupport::fixture("nes-1/game.nes")));
    tw.openFile(rom, Console::Nes);
    tw.show();
    frmMain& w = *tw.w;
    struct Row {
        QAction* action;
        int node;
        const char* expected;
    };
    for (Row row : {Row{w.menuProjectExport, 3, "league.tpr"}, Row{w.menuProjectExportTeam, 2, "team0.tte"},
                    Row{w.menuProjectExportTeam, 2 + 13 * 26, "team26.tte"},
                    Row{w.menuProjectExportPlayer, 3, "player_0_0.tpl"},
                    Row{w.menuProjectExportPlayer, 3 + 13 * 26 + 11, "player_26_11.tpl"}}) {
        tw.clickNode(row.node);
        std::string out = tw.file(std::string("out-") + row.expected);
        tw.dialogs.queue(qpath(out));
        row.action->trigger();
        EXPECT_EQ(testsupport::readBytes(out),
                  testsupport::readBytes(testsupport::fixture(std::string("nes-1/expected/") + row.expected)))
            << row.expected;
    }
}

// ---------------------------------------------------------------------------------------
// Failed imports

TEST(InterchangeFailure, FailedImportsChangeNothingAndTheNextTreeClickWritesNothingStale) {
    struct Row {
        const char* name;
        QAction* frmMain::*exportAction;
        QAction* frmMain::*importAction;
        const char* spoiledKey;
        const char* bad;
    };
    const Row rows[] = {
        {"project", &frmMain::menuProjectExport, &frmMain::menuProjectImport, "stam=", "abc"},
        {"team", &frmMain::menuProjectExportTeam, &frmMain::menuProjectImportTeam, "stam=", "abc"},
        {"team-points", &frmMain::menuProjectExportTeam, &frmMain::menuProjectImportTeam, "pg=", "300"},
        {"player", &frmMain::menuProjectExportPlayer, &frmMain::meunProjectImportPlayer, "stam=", "-1"},
        {"missing-project", nullptr, &frmMain::menuProjectImport, nullptr, nullptr},
        {"missing-team", nullptr, &frmMain::menuProjectImportTeam, nullptr, nullptr},
        {"missing-player", nullptr, &frmMain::meunProjectImportPlayer, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestWindow tw(std::string("menu-fail-") + row.name);
        tw.open(Console::Nes);
        tw.show();
        frmMain& w = *tw.w;
        // Export another team's data, so that a half-done import would show.
        const std::string path = tw.file("in.file");
        if (row.exportAction != nullptr) {
            tw.clickNode(3 + 13 * 9 + 1);
            tw.dialogs.queue(qpath(path));
            (w.*row.exportAction)->trigger();
            spoilLastLine(path, row.spoiledKey, row.bad);
        }
        tw.clickNode(3 + 13 * 4 + 6);
        const clsProject before = settled(w);
        const std::vector<QString> nodes = allNodeTexts(w);
        const QString city = w.txtCity->text();
        const QString last = w.txtLastname->text();

        tw.messages.clear();
        tw.dialogs.queue(qpath(path));
        (w.*row.importAction)->trigger();
        ASSERT_EQ(tw.messages.shown.size(), 1u);
        EXPECT_EQ(str(tw.messages.last()), "Error reading file!");
        EXPECT_EQ(tw.messages.shown[0].icon, Icon::Exclamation);
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(str(w.txtCity->text()), str(city));
        EXPECT_EQ(str(w.txtLastname->text()), str(last));
        EXPECT_EQ(str(allNodeTexts(w)), str(nodes));

        // The next tree click stores the editors into the selection: still the same league.
        tw.clickNode(3 + 13 * 20);
        EXPECT_TRUE(league() == before);
        EXPECT_EQ(str(allNodeTexts(w)), str(nodes));
    }
}

// ---------------------------------------------------------------------------------------
// Reports

TEST(InterchangeReports, ReportsMatchTheCoreAndSortByPositionToggles) {
    TestWindow tw("menu-reports");
    tw.open(Console::Nes);
    frmMain& w = *tw.w;
    ASSERT_TRUE(w.menuAnalysisSortByPos->isCheckable());
    EXPECT_TRUE(w.menuAnalysisSortByPos->isChecked());
    for (bool byPosition : {true, false}) {
        for (int att = 0; att < 6; ++att) {
            std::string out = tw.file("report" + std::to_string(att) + (byPosition ? "p" : "") + ".txt");
            std::string ref = tw.file("reference.txt");
            tw.messages.clear();
            tw.dialogs.queue(qpath(out));
            w.menuAnalysisAtt[static_cast<std::size_t>(att)]->trigger();
            ASSERT_EQ(str(tw.messages.last()), "Analysis complete!");
            EXPECT_EQ(tw.messages.shown.back().icon, Icon::None);
            ASSERT_EQ(AttributeReport::writeSortedList(league(), ref, att, byPosition), Result::Ok);
            EXPECT_EQ(testsupport::readBytes(out), testsupport::readBytes(ref)) << att << " " << byPosition;
        }
        w.menuAnalysisSortByPos->trigger();
        EXPECT_EQ(w.menuAnalysisSortByPos->isChecked(), !byPosition);
    }
    w.menuAnalysisSortByPos->trigger();
    EXPECT_FALSE(w.menuAnalysisSortByPos->isChecked());
}

TEST(InterchangeReports, MenuReportsOfTheReferenceImageMatchTheReferenceFiles) {
    REQUIRE_FIXTURES();
    TestWindow tw("menu-reports-reference");
    std::string rom = tw.file("game.smc");
    testsupport::writeBytes(rom, testsupport::readBytes(testsupport::fixture("snes-1/game.smc")));
    tw.openFile(rom, Console::Snes);
    frmMain& w = *tw.w;
    for (const char* mode : {"bypos", "plain"}) {
        for (int att = 0; att < 6; ++att) {
            std::string out = tw.file("r.txt");
            tw.dialogs.queue(qpath(out));
            w.menuAnalysisAtt[static_cast<std::size_t>(att)]->trigger();
            std::string expected = "snes-1/expected/report_" + std::to_string(att) + "_" + mode + ".txt";
            EXPECT_EQ(testsupport::readBytes(out), testsupport::readBytes(testsupport::fixture(expected))) << expected;
        }
        w.menuAnalysisSortByPos->trigger();
    }
}
