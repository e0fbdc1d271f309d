#include "ui/commands/InterchangeCommands.h"

#include "interchange/AttributeReport.h"
#include "interchange/PlayerCsv.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "session/Session.h"
#include "ui/commands/SaveDialog.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"
#include "ui/widgets/UiText.h"

namespace {

const QString kProjectFilter = QStringLiteral("Tamsel Project File (*.tpr)| *.tpr");
const QString kTeamFilter = QStringLiteral("Tamsel Team File (*.tte)| *.tte");
const QString kPlayerFilter = QStringLiteral("Tamsel Player File (*.tpl)| *.tpl");
const QString kReportFilter = QStringLiteral("Text File (*.txt)| *.txt");
const QString kCsvFilter = QStringLiteral("CSV Table (*.csv)|*.csv|");

const QString kWriteError = QStringLiteral("Error writing file!");
const QString kReadError = QStringLiteral("Error reading file!");

// A refused import: "line 5: reason"; the reason quotes the file's own single-byte text.
bool refused(const LineReport& report, QString& why) {
    why = UiText::fromRom(report.text());
    return false;
}

bool written(ResultCode result, const FileIO::WriteError& error, QString& why) {
    if (result == Result::Ok) return true;
    // A write refused before the file was reached (no such team) has no cause to tell.
    if (!error.cause.empty()) why = LocalPath::fromLocal(error.text());
    return false;
}

bool imported(const ImportResult& result, QString& why) { return result.imported || refused(result.report, why); }

}  // namespace

InterchangeCommands::InterchangeCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, QWidget* parent)
    : session_(session), messages_(messages), dialogs_(dialogs), parent_(parent) {}

void InterchangeCommands::run(bool save, const QString& filter, const Operation& operation, const QString& success) {
    const FileChoice choice = save ? SaveDialog::choose(dialogs_, messages_, parent_, filter, folder_)
                                   : dialogs_.openFile(parent_, filter, folder_);
    if (choice.fileName.isEmpty()) return;
    QString why;
    if (operation(LocalPath::toLocal(choice.fileName), why))
        messages_.message(parent_, success, iconFor(false));
    else
        messages_.message(parent_, save ? kWriteError : kReadError, iconFor(true), why);
}

void InterchangeCommands::exportProject() {
    run(
        true, kProjectFilter,
        [this](const std::string& f, QString& why) {
            FileIO::WriteError error;
            return written(ProjectFile::exportProject(session_.league(), f, error), error, why);
        },
        QStringLiteral("Project exported!"));
}

// The message of a project import names a team, as it always has.
void InterchangeCommands::importProject() {
    run(
        false, kProjectFilter,
        [this](const std::string& f, QString& why) { return imported(session_.importProject(f), why); },
        QStringLiteral("Team imported!"));
}

void InterchangeCommands::exportTeam(int team) {
    run(
        true, kTeamFilter,
        [this, team](const std::string& f, QString& why) {
            const clsTeam* t = session_.league().getTeamRef(team);
            FileIO::WriteError error;
            return t != nullptr && written(TeamFile::exportTeam(*t, f, error), error, why);
        },
        QStringLiteral("Team exported!"));
}

void InterchangeCommands::importTeam(int team) {
    run(
        false, kTeamFilter,
        [this, team](const std::string& f, QString& why) { return imported(session_.importTeam(team, f), why); },
        QStringLiteral("Team imported!"));
}

void InterchangeCommands::exportPlayer(int team, int player) {
    run(
        true, kPlayerFilter,
        [this, team, player](const std::string& f, QString& why) {
            const clsTeam* t = session_.league().getTeamRef(team);
            const clsPlayer* p = t != nullptr ? t->getPlayerRef(player) : nullptr;
            FileIO::WriteError error;
            return p != nullptr && written(PlayerFile::exportPlayer(*p, f, error), error, why);
        },
        QStringLiteral("Player exported!"));
}

void InterchangeCommands::importPlayer(int team, int player) {
    run(
        false, kPlayerFilter,
        [this, team, player](const std::string& f, QString& why) {
            return imported(session_.importPlayer(team, player, f), why);
        },
        QStringLiteral("Player imported!"));
}

void InterchangeCommands::writeReport(int attribute, bool byPosition) {
    run(
        true, kReportFilter,
        [this, attribute, byPosition](const std::string& f, QString& why) {
            FileIO::WriteError error;
            return written(AttributeReport::writeSortedList(session_.league(), f, attribute, byPosition, error), error,
                           why);
        },
        QStringLiteral("Analysis complete!"));
}

void InterchangeCommands::exportPlayersCsv() {
    run(
        true, kCsvFilter,
        [this](const std::string& f, QString& why) {
            FileIO::WriteError error;
            return written(PlayerCsv::exportPlayers(session_.league(), f, error), error, why);
        },
        QStringLiteral("Players exported!"));
}

// All or nothing: a refused table leaves the league as it was, and no step is recorded.
void InterchangeCommands::importPlayersCsv() {
    run(
        false, kCsvFilter,
        [this](const std::string& f, QString& why) {
            LineReport report;
            ResultCode read = Result::Failed;
            session_.edit("Import Players from CSV", LeagueChange::ofEveryPlayer(),
                          [&](clsProject& league) { read = PlayerCsv::importPlayers(league, f, report); });
            return read == Result::Ok || refused(report, why);
        },
        QStringLiteral("Players imported!"));
}
