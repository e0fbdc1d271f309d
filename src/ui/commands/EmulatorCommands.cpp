#include "ui/commands/EmulatorCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>

#include "base/FileIO.h"
#include "base/PathText.h"
#include "session/BackupStore.h"
#include "session/Session.h"
#include "ui/commands/EmulatorChoice.h"
#include "ui/commands/SaveDetail.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"
#include "ui/platform/ProgramStarter.h"
#include "ui/windows/frmEmulators.h"

namespace {

const QString kNotStarted = QStringLiteral("The emulator could not be started!");
const QString kFailed = QStringLiteral("The emulator ended with a failure!");

}  // namespace

EmulatorCommands::EmulatorCommands(Session& session, MessageSink& messages, FileDialogs& dialogs,
                                   ProgramStarter& programs, QWidget* window)
    : QObject(window),
      session_(session),
      messages_(messages),
      dialogs_(dialogs),
      programs_(programs),
      window_(window) {}

EmulatorCommands::~EmulatorCommands() = default;

bool EmulatorCommands::chooseEmulators(ConsoleKind edition) {
    frmEmulators dialog(programs_, dialogs_, edition, window_);
    return dialog.exec() == QDialog::Accepted;
}

QString EmulatorCommands::temporaryImage() const {
    if (folder_ == nullptr || !session_.valid()) return {};
    const BackupStore names(LocalPath::toLocal(folder_->path()));
    const std::string folder = names.folderFor(session_.path());
    return LocalPath::fromLocal(
        PathText::join(folder, LocalPath::toLocal(QFileInfo(LocalPath::fromLocal(session_.path())).fileName())));
}

bool EmulatorCommands::writeTemporaryImage(QString& written) {
    RomImage image;
    const SaveResult encoded = session_.encodeCopy(image);
    if (!encoded.ok()) {
        messages_.message(window_, QString::fromLatin1(message(encoded.outcome)), iconFor(true), saveDetail(encoded));
        return false;
    }
    if (folder_ == nullptr) folder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tamsel-"));
    written = temporaryImage();
    const std::string path = LocalPath::toLocal(written);
    FileIO::FileError why;
    if (!folder_->isValid() ||
        FileIO::makeFolders(LocalPath::toLocal(QFileInfo(written).absolutePath())) != Result::Ok ||
        FileIO::writeFileAtomically(path, image.data(), image.size(), false, why) != Result::Ok) {
        if (why.path.empty())
            why = {"Cannot make the folder", LocalPath::toLocal(QFileInfo(written).absolutePath()), {}};
        messages_.message(window_, QString::fromLatin1(message(SaveOutcome::WriteFailed)), iconFor(true),
                          QString::fromStdString(why.text()));
        return false;
    }
    return true;
}

void EmulatorCommands::testInEmulator() {
    if (!session_.valid()) return;
    const ConsoleKind edition = session_.kind();
    EmulatorChoice choice = EmulatorChoice::load(edition);
    if (!choice.isSet()) {
        if (!chooseEmulators(edition)) return;
        choice = EmulatorChoice::load(edition);
        if (!choice.isSet()) return;
    }
    QString image;
    if (!writeTemporaryImage(image)) return;
    const EmulatorChoice::Command command = choice.command(image);
    QPointer<QWidget> window = window_;
    MessageSink& messages = messages_;
    programs_.start(command.program, command.arguments, kWatchMs,
                    [window, &messages, line = command.text()](const ProgramStarter::Failure& failure) {
                        if (window == nullptr) return;
                        QStringList detail{line, failure.why};
                        detail += failure.lastLines;
                        messages.message(window, failure.notStarted ? kNotStarted : kFailed, iconFor(true),
                                         detail.join(QLatin1Char('\n')));
                    });
}
