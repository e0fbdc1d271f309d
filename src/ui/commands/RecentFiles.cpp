#include "ui/commands/RecentFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QThreadPool>

#include "session/modGlobals.h"
#include "ui/platform/LocalPath.h"

namespace {

const QString kGroup = QStringLiteral("RecentFiles");
const QString kPath = QStringLiteral("path");
const QString kEdition = QStringLiteral("edition");

// The file's bytes, or none when it cannot be read; the list is a few hundred bytes.
QByteArray bytesOf(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

}  // namespace

RecentFiles::RecentFiles(QString file) : file_(std::move(file)), writer_(std::make_unique<QThreadPool>()) {
    writer_->setMaxThreadCount(1);
}

RecentFiles::~RecentFiles() { settle(); }

void RecentFiles::settle() const { writer_->waitForDone(); }

QString RecentFiles::defaultFile() {
    return QFileInfo(LocalPath::fromLocal(modGlobals::settingsPath())).absolutePath() + QStringLiteral("/recent.ini");
}

QList<RecentFiles::Entry> RecentFiles::entries() const {
    if (file_.isEmpty()) return {};
    // A list being written is what the file is about to hold: the window does not wait for the
    // disk. Otherwise the file is parsed only when its bytes are not those last seen here
    // (reading them is much quicker than parsing them).
    {
        const std::lock_guard lock(mutex_);
        if (queued_ > 0) return known_.entries;
    }
    const QByteArray bytes = bytesOf(file_);
    {
        const std::lock_guard lock(mutex_);
        if (queued_ > 0 || (!bytes.isEmpty() && bytes == known_.bytes)) return known_.entries;
    }
    QSettings settings(file_, QSettings::IniFormat);
    QList<Entry> out;
    const int n = settings.beginReadArray(kGroup);
    for (int i = 0; i < n && out.size() < kLimit; ++i) {
        settings.setArrayIndex(i);
        const QString path = settings.value(kPath).toString();
        bool number = false;
        const int kind = settings.value(kEdition).toInt(&number);
        if (path.isEmpty() || !number || (kind != Console::Nes && kind != Console::Snes)) continue;
        out << Entry{path, static_cast<ConsoleKind>(kind)};
    }
    settings.endArray();
    const std::lock_guard lock(mutex_);
    if (queued_ == 0) known_ = {bytes, out};
    return out;
}

void RecentFiles::add(const QString& path, ConsoleKind kind) {
    const QString file = LocalPath::absolute(path);
    const QList<Entry> before = entries();
    QList<Entry> list = before;
    list.removeIf([&file](const Entry& e) { return e.path == file; });
    list.prepend({file, kind});
    while (list.size() > kLimit) list.removeLast();
    if (list != before) write(list);  // the file already at the top leaves the list as it is
}

void RecentFiles::remove(const QString& path) {
    const QString file = LocalPath::absolute(path);
    QList<Entry> list = entries();
    if (list.removeIf([&file](const Entry& e) { return e.path == file; }) > 0) write(list);
}

// QSettings writes the file whole through a temporary file, so a failed write leaves the
// old list in place. A list that cannot be written is no cause for a message: the list is
// a convenience, and the files themselves are untouched. Until the write has ended, the list
// is answered from memory.
void RecentFiles::write(const QList<Entry>& list) {
    if (file_.isEmpty()) return;
    quint64 number = 0;
    {
        const std::lock_guard lock(mutex_);
        ++queued_;
        number = ++written_;
        known_ = {QByteArray(), list};
    }
    writer_->start([this, file = file_, list, number] {
        QSettings settings(file, QSettings::IniFormat);
        settings.remove(kGroup);
        settings.beginWriteArray(kGroup, static_cast<int>(list.size()));
        for (int i = 0; i < list.size(); ++i) {
            settings.setArrayIndex(i);
            settings.setValue(kPath, list[i].path);
            settings.setValue(kEdition, static_cast<int>(list[i].kind));
        }
        settings.endArray();
        settings.sync();
        // A write that failed leaves the old file, which the next reading parses.
        const QByteArray bytes = settings.status() == QSettings::NoError ? bytesOf(file) : QByteArray();
        const std::lock_guard lock(mutex_);
        --queued_;
        if (number == written_) known_ = {bytes, list};
    });
}
