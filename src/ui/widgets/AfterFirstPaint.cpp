#include "ui/widgets/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

void AfterFirstPaint::run(QWidget* window, std::function<void()> task) { new AfterFirstPaint(window, std::move(task)); }

AfterFirstPaint::AfterFirstPaint(QWidget* window, std::function<void()> task)
    : QObject(window), task_(std::move(task)) {
    window->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Paint && task_) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            // The task may wait in an event loop of its own (a message box): it runs from here.
            const std::function<void()> task = std::exchange(task_, {});
            deleteLater();
            task();
        });
    }
    return QObject::eventFilter(watched, e);
}
