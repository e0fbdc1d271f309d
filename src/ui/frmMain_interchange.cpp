// The Project and Analysis menus: export and import of the league, the selected team and
// the selected player as text files, and the ranking reports of one rating.
#include <QAction>
#include <functional>

#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "session/modGlobals.h"
#include "ui/LocalPath.h"
#include "ui/TextBox.h"
#include "ui/UiText.h"
#include "ui/frmAllStar.h"
#include "ui/frmMain.h"

namespace {

const QString kProjectFilter = QStringLiteral("Tamsel Project File (*.tpr)| *.tpr");
const QString kTeamFilter = QStringLiteral("Tamsel Team File (*.tte)| *.tte");
const QString kPlayerFilter = QStringLiteral("Tamsel Player File (*.tpl)| *.tpl");
const QString kReportFilter = QStringLiteral("Text File (*.txt)| *.txt");

const QString kWriteError = QStringLiteral("Error writing file!");
const QString kReadError = QStringLiteral("Error reading file!");

}  // namespace

QString frmMain::askFile(bool save, const QString& filter) {
    FileChoice choice = save ? dialogs().saveFile(this, filter, dialogFolder()) : dialogs().openFile(this, filter, dialogFolder());
    return choice.fileName;
}

// Asks for a file, runs the operation on it and shows the command's one message: the
// success text without an icon, the failure text with the exclamation icon. A cancelled
// dialogue shows nothing. True when the operation succeeded.
bool frmMain::runFileCommand(bool save, const QString& filter, const std::function<ResultCode(const std::string&)>& op,
                             const QString& success) {
    QString file = askFile(save, filter);
    if (file.isEmpty()) return false;
    if (op(LocalPath::toLocal(file)) != Result::Ok) {
        messages().message(this, save ? kWriteError : kReadError, MessageSink::Icon::Exclamation);
        return false;
    }
    messages().message(this, success, MessageSink::Icon::None);
    return true;
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
    runFileCommand(true, kProjectFilter,
                   [](const std::string& f) { return ProjectFile::exportProject(modGlobals::project(), f); },
                   QStringLiteral("Project exported!"));
}

void frmMain::menuProjectImport_Click() {
    // The import replaces the league only when the whole file was read.
    if (!runFileCommand(false, kProjectFilter,
                        [](const std::string& f) { return ProjectFile::importProject(modGlobals::project(), f); },
                        QStringLiteral("Team imported!")))
        return;
    refreshEditors(true);
    buildProjectTree();
    // An open all-star window would otherwise write the old rosters over the imported ones
    // when it closes.
    if (frmAllStar* allStar = allStarWindow(false)) allStar->reloadFromLeague();
    updateSpaceStatus();
}

void frmMain::menuProjectExportTeam_Click() {
    storePlayerFields();
    storeTeamFields();
    const clsTeam* team = selectedTeamRef();
    runFileCommand(true, kTeamFilter,
                   [team](const std::string& f) { return team ? TeamFile::exportTeam(*team, f) : Result::Failed; },
                   QStringLiteral("Team exported!"));
}

void frmMain::menuProjectImportTeam_Click() {
    clsTeam* team = selectedTeamRef();
    if (!runFileCommand(false, kTeamFilter,
                        [team](const std::string& f) { return team ? TeamFile::importTeam(*team, f) : Result::Failed; },
                        QStringLiteral("Team imported!")))
        return;
    refreshEditors(true);
    relabelTeamNodes();
    if (frmAllStar* allStar = allStarWindow(false)) allStar->refreshNames();
    updateSpaceStatus();
}

void frmMain::menuProjectExportPlayer_Click() {
    storePlayerFields();
    const clsPlayer* player = selectedPlayerRef();
    runFileCommand(
        true, kPlayerFilter,
        [player](const std::string& f) { return player ? PlayerFile::exportPlayer(*player, f) : Result::Failed; },
        QStringLiteral("Player exported!"));
}

void frmMain::meunProjectImportPlayer_Click() {
    clsPlayer* player = selectedPlayerRef();
    if (!runFileCommand(
            false, kPlayerFilter,
            [player](const std::string& f) { return player ? PlayerFile::importPlayer(*player, f) : Result::Failed; },
            QStringLiteral("Player imported!")))
        return;
    fillPlayerPanel();
    fillTeamPanel();
    setPlayerNodeText(selectedTeam, selectedPlayer, playerNodeText(selectedTeam, selectedPlayer));
    if (frmAllStar* allStar = allStarWindow(false)) allStar->refreshNames();
    updateSpaceStatus();
}

void frmMain::menuAnalysisAtt_Click(int index) {
    storePlayerFields();
    storeTeamFields();
    bool byPosition = menuAnalysisSortByPos->isChecked();
    runFileCommand(
        true, kReportFilter,
        [index, byPosition](const std::string& f) {
            return AttributeReport::writeSortedList(modGlobals::project(), f, index, byPosition);
        },
        QStringLiteral("Analysis complete!"));
}

// "Sort by Position" is a checkable item: choosing it has already flipped its check mark
// when this runs, and the reports read the mark when they are written. Nothing else
// depends on it.
void frmMain::menuAnalysisSortByPos_Click() {}
