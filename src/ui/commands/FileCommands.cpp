#include "ui/commands/FileCommands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <utility>

#include "base/RomImage.h"
#include "session/Session.h"
#include "ui/commands/CommandRunner.h"
#include "ui/commands/SaveDetail.h"
#include "ui/commands/SaveDialog.h"
#include "ui/platform/FileChangeWatch.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"
#include "ui/widgets/UiText.h"
#include "ui/windows/MainMenus.h"

namespace {

// One edition's line of a file filter: "NES Rom (*.nes)|*.nes|".
QString editionFilter(ConsoleKind kind) {
    const QString extension = QString::fromLatin1(RomFile::extensionOf(kind));
    const QString name = kind == Console::Nes ? QStringLiteral("NES") : QStringLiteral("SNES");
    return QStringLiteral("%1 Rom (*%2)|*%2|").arg(name, extension);
}

// "All Supported Types|*.nes;*.smc|NES Rom (*.nes)|*.nes|SNES Rom (*.smc)|*.smc|"
QString openFilter() {
    return QStringLiteral("All Supported Types|*%1;*%2|")
               .arg(QString::fromLatin1(RomFile::extensionOf(Console::Nes)),
                    QString::fromLatin1(RomFile::extensionOf(Console::Snes))) +
           editionFilter(Console::Nes) + editionFilter(Console::Snes);
}

const QString kFileGone = QStringLiteral("The file no longer exists!");

}  // namespace

FileCommands::FileCommands(Session& session, MessageSink& messages, FileDialogs& dialogs, MainMenus& menus,
                           CommandRunner& runner, QWidget* window)
    : QObject(window),
      session_(session),
      messages_(messages),
      dialogs_(dialogs),
      menus_(menus),
      runner_(runner),
      window_(window),
      recent_(RecentFiles::defaultFile()) {
    // Another window of the program may have opened files meanwhile.
    connect(menus_.menuFileRecent, &QMenu::aboutToShow, this, &FileCommands::fillRecentMenu);
    fillRecentMenu();
    changes_ = new FileChangeWatch(
        session_, messages_, window_, [this] { saveAs(); },
        [this] { openPath(LocalPath::fromLocal(session_.path()), session_.kind()); });
}

// ---------------------------------------------------------------------------------------
// Opening

void FileCommands::open() {
    if (!settleUnsavedEdits()) return;
    const FileChoice choice = dialogs_.openFile(window_, openFilter(), folder_);
    if (choice.fileName.isEmpty()) {
        discarded_ = false;  // nothing was opened: the edits stay
        return;
    }

    ConsoleKind kind = Console::Snes;
    if (choice.filterIndex == 2)
        kind = Console::Nes;
    else if (choice.filterIndex == 3)
        kind = Console::Snes;
    else
        kind = RomFile::kindFromFileName(UiText::toRom(choice.fileName));
    openPath(choice.fileName, kind);
}

void FileCommands::openNamed(const QString& path) {
    const ConsoleKind kind = RomFile::kindFromExtension(LocalPath::toLocal(path));
    if (kind == Console::None) {
        messages_.message(window_, QString::fromLatin1(message(LoadOutcome::NotThisEdition)), iconFor(true));
        return;
    }
    if (!settleUnsavedEdits()) return;
    openPath(LocalPath::absolute(path), kind);
}

void FileCommands::openRecent(const RecentFiles::Entry& entry) {
    if (!QFileInfo::exists(entry.path)) {
        recent_.remove(entry.path);
        fillRecentMenu();
        messages_.message(window_, kFileGone, iconFor(true), entry.path);
        return;
    }
    if (!settleUnsavedEdits()) return;
    openPath(entry.path, entry.kind);
}

// A league read from the file refreshes the window while the session opens it. An open
// that fails leaves the file open before as it was, except for the edits the user chose
// to discard for the open.
void FileCommands::openPath(const QString& path, ConsoleKind kind) {
    const LoadResult result = session_.open(LocalPath::toLocal(path), kind);
    if (result.ok()) {
        emit fileNamed(QFileInfo(path).fileName());
        recent_.add(path, kind);
        fillRecentMenu();
    } else {
        if (std::exchange(discarded_, false)) session_.revert();
        emit openFailed();
    }
    messages_.message(window_, QString::fromLatin1(message(result.outcome)), iconFor(isFailure(result.outcome)),
                      QString::fromStdString(result.detail));
}

// The menu is made anew only when the list differs from the one it shows.
void FileCommands::fillRecentMenu() {
    QMenu* menu = menus_.menuFileRecent;
    const QList<RecentFiles::Entry> entries = recent_.entries();
    if (recentShown_ && *recentShown_ == entries) {
        emit recentChanged();
        return;
    }
    recentShown_ = entries;
    menu->clear();
    for (int i = 0; i < entries.size(); ++i) {
        const RecentFiles::Entry entry = entries[i];
        QString shown = QDir::toNativeSeparators(entry.path);
        QAction* item = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setObjectName(QStringLiteral("menuFileRecent_%1").arg(i));
        runner_.bind(item, [this, entry] { openRecent(entry); });
    }
    menu->menuAction()->setEnabled(!entries.isEmpty());
    emit recentChanged();
}

// ---------------------------------------------------------------------------------------
// Saving

SaveResult FileCommands::writeWithBackup(const std::function<SaveResult(BackupChoice)>& write, bool& declined) {
    declined = false;
    const SaveResult result = write(BackupChoice::Keep);
    if (result.outcome != SaveOutcome::BackupFailed) return result;
    const QString question = QString::fromLatin1(message(result.outcome)) + QStringLiteral(" Go on without one?");
    if (messages_.askGoOn(window_, question, QString::fromStdString(result.detail)))
        return write(BackupChoice::GoOnWithout);
    declined = true;
    return result;
}

void FileCommands::save() {
    bool declined = false;
    const SaveResult result = writeWithBackup([this](BackupChoice backup) { return session_.save(backup); }, declined);
    if (declined) return;
    if (result.outcome == SaveOutcome::FileChanged)
        changes_->settleRefusedSave();
    else
        showSaveResult(result);
}

void FileCommands::saveAs() {
    if (!session_.valid()) {
        showSaveResult({SaveOutcome::NoValidRom, {}, {}});
        return;
    }
    const FileChoice choice = SaveDialog::choose(dialogs_, messages_, window_, editionFilter(session_.kind()), folder_);
    if (choice.fileName.isEmpty()) return;
    const QString path = choice.fileName;

    bool declined = false;
    const SaveResult result = writeWithBackup(
        [this, &path](BackupChoice backup) { return session_.saveAs(LocalPath::toLocal(path), backup); }, declined);
    if (declined) return;
    if (result.ok()) {
        emit fileNamed(QFileInfo(path).fileName());
        recent_.add(path, session_.kind());
        fillRecentMenu();
    }
    showSaveResult(result);
}

void FileCommands::showSaveResult(const SaveResult& result) {
    messages_.message(window_, QString::fromLatin1(message(result.outcome)), iconFor(isFailure(result.outcome)),
                      saveDetail(result));
}

// ---------------------------------------------------------------------------------------
// Unsaved edits

bool FileCommands::settleUnsavedEdits() {
    discarded_ = false;
    // Only a league opened from a file can be saved; without one there is nothing to ask.
    if (!session_.valid() || !session_.modified()) return true;
    const QString name = QFileInfo(LocalPath::fromLocal(session_.path())).fileName();
    switch (messages_.askSaveChanges(window_, QStringLiteral("Save changes to %1?").arg(name))) {
        case MessageSink::SaveAnswer::Save: {
            bool declined = false;
            const SaveResult result =
                writeWithBackup([this](BackupChoice backup) { return session_.save(backup); }, declined);
            if (result.ok()) return true;
            if (declined) return false;
            if (result.outcome == SaveOutcome::FileChanged) return changes_->settleRefusedSave();
            showSaveResult(result);
            return false;
        }
        case MessageSink::SaveAnswer::Discard:
            discarded_ = true;
            return true;
        case MessageSink::SaveAnswer::Cancel:
            break;
    }
    return false;
}
