#include "ui/InterchangeCommands.h"

#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "session/Session.h"
#include "ui/LocalPath.h"
#include "ui/UiPlatform.h"

namespace {

const QString kProjectFilter = QStringLiteral("Tamsel Project File (*.tpr)| *.tpr");
const QString kTeamFilter = QStringLiteral("Tamsel Team File (*.tte)| *.tte");
const QString kPlayerFilter = QStringLiteral("Tamsel Player File (*.tpl)| *.tpl");
const QString kReportFilter = QStringLiteral("Text File (*.txt)| *.txt");

const QString kWriteError = QStringLiteral("Error writing file!");
const QString kReadError = QStringLiteral("Error reading file!");

}  // namespace

InterchangeCommands::InterchangeCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, QWidget* parent)
    : session_(session), messages_(messages), dialogs_(dialogs), parent_(parent) {}

void InterchangeCommands::run(bool save, const QString& filter, const Operation& operation, const QString& success) {
    const FileChoice choice =
        save ? dialogs_.saveFile(parent_, filter, folder_) : dialogs_.openFile(parent_, filter, folder_);
    if (choice.fileName.isEmpty()) return;
    if (operation(LocalPath::toLocal(choice.fileName)))
        messages_.message(parent_, success, iconFor(false));
    else
        messages_.message(parent_, save ? kWriteError : kReadError, iconFor(true));
}

void InterchangeCommands::exportProject() {
    run(true, kProjectFilter,
        [this](const std::string& f) { return ProjectFile::exportProject(session_.league(), f) == Result::Ok; },
        QStringLiteral("Project exported!"));
}

// The message of a project import names a team, as it always has.
void InterchangeCommands::importProject() {
    run(false, kProjectFilter, [this](const std::string& f) { return session_.importProject(f).imported; },
        QStringLiteral("Team imported!"));
}

void InterchangeCommands::exportTeam(int team) {
    run(true, kTeamFilter,
        [this, team](const std::string& f) {
            const clsTeam* t = session_.league().getTeamRef(team);
            return t != nullptr && TeamFile::exportTeam(*t, f) == Result::Ok;
        },
        QStringLiteral("Team exported!"));
}

void InterchangeCommands::importTeam(int team) {
    run(false, kTeamFilter, [this, team](const std::string& f) { return session_.importTeam(team, f).imported; },
        QStringLiteral("Team imported!"));
}

void InterchangeCommands::exportPlayer(int team, int player) {
    run(true, kPlayerFilter,
        [this, team, player](const std::string& f) {
            const clsTeam* t = session_.league().getTeamRef(team);
            const clsPlayer* p = t != nullptr ? t->getPlayerRef(player) : nullptr;
            return p != nullptr && PlayerFile::exportPlayer(*p, f) == Result::Ok;
        },
        QStringLiteral("Player exported!"));
}

void InterchangeCommands::importPlayer(int team, int player) {
    run(false, kPlayerFilter,
        [this, team, player](const std::string& f) { return session_.importPlayer(team, player, f).imported; },
        QStringLiteral("Player imported!"));
}

void InterchangeCommands::writeReport(int attribute, bool byPosition) {
    run(true, kReportFilter,
        [this, attribute, byPosition](const std::string& f) {
            return AttributeReport::writeSortedList(session_.league(), f, attribute, byPosition) == Result::Ok;
        },
        QStringLiteral("Analysis complete!"));
}
