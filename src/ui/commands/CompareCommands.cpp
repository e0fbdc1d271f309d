#include "ui/commands/CompareCommands.h"

#include <QFileInfo>

#include "base/RomImage.h"
#include "session/OtherLeague.h"
#include "session/Session.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"
#include "ui/windows/frmCompare.h"
#include "ui/windows/frmRestoreBackup.h"

namespace {

// "NES Rom or Project (*.nes;*.tpr)|*.nes;*.tpr|NES Rom (*.nes)|*.nes|Project (*.tpr)|*.tpr|All Files (*)|*|"
QString compareFilter(ConsoleKind kind) {
    const QString ext = QString::fromLatin1(RomFile::extensionOf(kind));
    const QString name = kind == Console::Nes ? QStringLiteral("NES") : QStringLiteral("SNES");
    return QStringLiteral(
               "%1 Rom or Project (*%2;*.tpr)|*%2;*.tpr|%1 Rom (*%2)|*%2|Project (*.tpr)|*.tpr|"
               "All Files (*)|*|")
        .arg(name, ext);
}

}  // namespace

CompareCommands::CompareCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, CommandRunner& runner,
                                 QWidget* window)
    : QObject(window), session_(session), messages_(messages), dialogs_(dialogs), runner_(runner), window_(window) {}

void CompareCommands::compareWith() {
    if (!session_.valid()) return;
    const FileChoice choice = dialogs_.openFile(window_, compareFilter(session_.kind()), folder_);
    if (choice.fileName.isEmpty()) return;
    OtherLeague other = readOtherLeague(session_, LocalPath::toLocal(choice.fileName));
    if (!other.ok()) {
        messages_.message(window_, QString::fromLatin1(message(other.outcome)), iconFor(true),
                          QString::fromStdString(other.detail));
        return;
    }
    // One comparison at a time: the new one takes the place of the one before.
    if (compare_ != nullptr) compare_->close();
    compare_ =
        new frmCompare(session_, runner_, std::move(other.league), QFileInfo(choice.fileName).fileName(), window_);
    connect(compare_, &frmCompare::teamRequested, this, &CompareCommands::teamRequested);
    connect(compare_, &frmCompare::playerRequested, this, &CompareCommands::playerRequested);
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
}

void CompareCommands::restoreBackup() {
    if (!session_.valid()) return;
    frmRestoreBackup dialog(session_, window_);
    dialog.exec();
}
