#include "ui/platform/FileChangeWatch.h"

#include <QFileInfo>
#include <QWidget>

#include "session/Session.h"
#include "ui/platform/LocalPath.h"
#include "ui/platform/MessageSink.h"

namespace {

QString changedText() { return QString::fromLatin1(message(SaveOutcome::FileChanged)); }

}  // namespace

FileChangeWatch::FileChangeWatch(Session& session, MessageSink& messages, QWidget* window, std::function<void()> saveAs,
                                 std::function<void()> reload)
    : QObject(window),
      session_(session),
      messages_(messages),
      window_(window),
      saveAs_(std::move(saveAs)),
      reload_(std::move(reload)) {
    observer_ = session_.observe([this](const LeagueEvent& event) {
        // A save writes the file anew; a league read anew may come from another file.
        if (event.nature == LeagueEvent::Nature::Saved || event.nature == LeagueEvent::Nature::Replaced) watch();
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FileChangeWatch::changedOnDisk);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileChangeWatch::changedOnDisk);
    watch();
}

FileChangeWatch::~FileChangeWatch() { session_.forget(observer_); }

void FileChangeWatch::watch() {
    told_ = false;
    // A save or a reload writes or reads a file anew, so its watch is set again; the folder's watch
    // stays while the folder does, since setting one costs the system a walk over every file in it.
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    const QString file = session_.valid() ? LocalPath::fromLocal(session_.path()) : QString();
    const QStringList folder = file.isEmpty() ? QStringList() : QStringList(QFileInfo(file).absolutePath());
    if (watcher_.directories() != folder) {
        if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
        if (!folder.isEmpty()) watcher_.addPaths(folder);
    }
    if (!file.isEmpty()) watcher_.addPath(file);
}

void FileChangeWatch::changedOnDisk() {
    if (!session_.valid()) return;
    // A file replaced by a rename is a new one: the watch moves to it.
    const QString file = LocalPath::fromLocal(session_.path());
    if (!watcher_.files().contains(file) && QFileInfo::exists(file)) watcher_.addPath(file);
    if (told_ || !session_.changedOnDisk()) return;
    told_ = true;
    messages_.message(window_, changedText(), MessageSink::Icon::Exclamation, file);
}

bool FileChangeWatch::settleRefusedSave() {
    told_ = true;  // the question says it
    const QString file = LocalPath::fromLocal(session_.path());
    switch (messages_.askFileChanged(window_, changedText(), file)) {
        case MessageSink::ChangedAnswer::SaveAs: {
            bool saved = false;
            const int id =
                session_.observe([&saved](const LeagueEvent& e) { saved |= e.nature == LeagueEvent::Nature::Saved; });
            saveAs_();
            session_.forget(id);
            return saved;
        }
        case MessageSink::ChangedAnswer::Reload:
            reload_();
            return false;
        case MessageSink::ChangedAnswer::Cancel:
            break;
    }
    return false;
}
