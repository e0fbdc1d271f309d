#include "ui/commands/RomDropFilter.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "base/RomImage.h"
#include "ui/platform/LocalPath.h"

RomDropFilter::RomDropFilter(QWidget* window, std::function<void(const QString&)> open)
    : QObject(window), open_(std::move(open)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) control->installEventFilter(this);
}

QString RomDropFilter::romFileOf(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return RomFile::kindFromExtension(LocalPath::toLocal(path)) != Console::None ? path : QString();
}

bool RomDropFilter::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(e);
            if (romFileOf(drag->mimeData()).isEmpty()) break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            const QString path = romFileOf(drop->mimeData());
            if (path.isEmpty()) break;
            drop->acceptProposedAction();
            QTimer::singleShot(0, this, [this, path] { open_(path); });
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, e);
}
