// The Project and Analysis menus: export and import of the league, the selected team and
// the selected player as text files, and the ranking reports of one rating.
#include <QAction>
#include <QFile>

#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "settings/modGlobals.h"
#include "ui/TextBox.h"
#include "ui/UiText.h"
#include "ui/frmMain.h"

namespace {

const QString kProjectFilter = QStringLiteral("Tamsel Project File (*.tpr)| *.tpr");
const QString kTeamFilter = QStringLiteral("Tamsel Team File (*.tte)| *.tte");
const QString kPlayerFilter = QStringLiteral("Tamsel Player File (*.tpl)| *.tpl");
const QString kReportFilter = QStringLiteral("Text File (*.txt)| *.txt");

const QString kWriteError = QStringLiteral("Error writing file!");
const QString kReadError = QStringLiteral("Error reading file!");

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString frmMain::askFile(bool save, const QString& filter) {
    FileChoice choice = save ? dialogs().saveFile(this, filter, dialogFolder()) : dialogs().openFile(this, filter, dialogFolder());
    return choice.fileName;
}

// The selected team's node and its twelve player nodes, after the team was replaced.
void frmMain::relabelTeamNodes() {
    const clsTeam* team = selectedTeamRef();
    if (team == nullptr) return;
    setTeamNodeText(selectedTeam, UiText::fromRom(team->getCity()).toUpper() + QLatin1Char(' ') +
                                      UiText::fromRom(team->getMascot()));
    for (int p = 0; p < clsTeam::kRoster; ++p) setPlayerNodeText(selectedTeam, p, playerNodeText(selectedTeam, p));
}

void frmMain::menuProjectExport_Click() {
    storePlayerFields();
    storeTeamFields();
    QString file = askFile(true, kProjectFilter);
    if (file.isEmpty()) return;
    if (ProjectFile::exportProject(modGlobals::project(), localPath(file)) == Result::Ok)
        messages().message(this, QStringLiteral("Project exported!"), MessageSink::Icon::None);
    else
        messages().message(this, kWriteError, MessageSink::Icon::Exclamation);
}

void frmMain::menuProjectImport_Click() {
    QString file = askFile(false, kProjectFilter);
    if (file.isEmpty()) return;
    // The import replaces the league only when the whole file was read.
    if (ProjectFile::importProject(modGlobals::project(), localPath(file)) != Result::Ok) {
        messages().message(this, kReadError, MessageSink::Icon::Exclamation);
        return;
    }
    messages().message(this, QStringLiteral("Team imported!"), MessageSink::Icon::None);
    refreshEditors(true);
    buildProjectTree();
    updateSpaceStatus();
}

void frmMain::menuProjectExportTeam_Click() {
    storePlayerFields();
    storeTeamFields();
    QString file = askFile(true, kTeamFilter);
    if (file.isEmpty()) return;
    const clsTeam* team = selectedTeamRef();
    if (team != nullptr && TeamFile::exportTeam(*team, localPath(file)) == Result::Ok)
        messages().message(this, QStringLiteral("Team exported!"), MessageSink::Icon::None);
    else
        messages().message(this, kWriteError, MessageSink::Icon::Exclamation);
}

void frmMain::menuProjectImportTeam_Click() {
    QString file = askFile(false, kTeamFilter);
    if (file.isEmpty()) return;
    clsTeam* team = selectedTeamRef();
    if (team == nullptr || TeamFile::importTeam(*team, localPath(file)) != Result::Ok) {
        messages().message(this, kReadError, MessageSink::Icon::Exclamation);
        return;
    }
    messages().message(this, QStringLiteral("Team imported!"), MessageSink::Icon::None);
    refreshEditors(true);
    relabelTeamNodes();
    updateSpaceStatus();
}

void frmMain::menuProjectExportPlayer_Click() {
    storePlayerFields();
    QString file = askFile(true, kPlayerFilter);
    if (file.isEmpty()) return;
    const clsPlayer* player = selectedPlayerRef();
    if (player != nullptr && PlayerFile::exportPlayer(*player, localPath(file)) == Result::Ok)
        messages().message(this, QStringLiteral("Player exported!"), MessageSink::Icon::None);
    else
        messages().message(this, kWriteError, MessageSink::Icon::Exclamation);
}

void frmMain::meunProjectImportPlayer_Click() {
    QString file = askFile(false, kPlayerFilter);
    if (file.isEmpty()) return;
    clsPlayer* player = selectedPlayerRef();
    if (player == nullptr || PlayerFile::importPlayer(*player, localPath(file)) != Result::Ok) {
        messages().message(this, kReadError, MessageSink::Icon::Exclamation);
        return;
    }
    messages().message(this, QStringLiteral("Player imported!"), MessageSink::Icon::None);
    fillPlayerPanel();
    fillTeamPanel();
    setPlayerNodeText(selectedTeam, selectedPlayer, playerNodeText(selectedTeam, selectedPlayer));
    updateSpaceStatus();
}

void frmMain::menuAnalysisAtt_Click(int index) {
    storePlayerFields();
    storeTeamFields();
    QString file = askFile(true, kReportFilter);
    if (file.isEmpty()) return;
    bool byPosition = menuAnalysisSortByPos->isChecked();
    if (AttributeReport::writeSortedList(modGlobals::project(), localPath(file), index, byPosition) == Result::Ok)
        messages().message(this, QStringLiteral("Analysis complete!"), MessageSink::Icon::None);
    else
        messages().message(this, kWriteError, MessageSink::Icon::Exclamation);
}

// "Sort by Position" is a checkable item: choosing it has already flipped its check mark
// when this runs, and the reports read the mark when they are written. Nothing else
// depends on it.
void frmMain::menuAnalysisSortByPos_Click() {}
