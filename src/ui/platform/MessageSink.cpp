#include "ui/platform/MessageSink.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

#include "ui/widgets/AfterFirstPaint.h"

namespace {

constexpr int kMessageWidth = 420;

QMessageBox::Icon boxIcon(MessageSink::Icon icon) {
    switch (icon) {
        case MessageSink::Icon::Information:
            return QMessageBox::Information;
        case MessageSink::Icon::Exclamation:
            return QMessageBox::Warning;
        case MessageSink::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

void showMessage(QWidget* parent, const QString& text, MessageSink::Icon icon, const QString& detail) {
    QMessageBox box(boxIcon(icon), kAppTitle, text, QMessageBox::Ok, parent);
    if (!detail.isEmpty()) {
        box.setInformativeText(detail);
        // Each line of the detail (a file's line and its fault, a path) stays whole.
        if (auto* lines = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            lines->setWordWrap(false);
    }
    // Wide enough that a sentence does not break word by word.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(kMessageWidth, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), grid->rowCount(),
                      0, 1, grid->columnCount());
    box.exec();
}

}  // namespace

// What the command changed is painted before its message stands over it. A window still on its
// way to the screen (a file opened at the start) gets its message once it has painted itself,
// and the call returns at once; otherwise what waits to be painted is painted first, and the box
// then waits for its answer.
void QtMessageSink::message(QWidget* parent, const QString& text, Icon icon, const QString& detail) {
    QWidget* window = parent != nullptr ? parent->window() : nullptr;
    if (window != nullptr && window->isVisible() && !window->isMinimized() && window->windowHandle() != nullptr &&
        !window->windowHandle()->isExposed()) {
        AfterFirstPaint::run(
            window, [parent = QPointer(parent), text, icon, detail] { showMessage(parent, text, icon, detail); });
        return;
    }
    if (window != nullptr) QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    showMessage(parent, text, icon, detail);
}

bool QtMessageSink::askYesNo(QWidget* parent, const QString& text) { return askGoOn(parent, text, QString()); }

bool QtMessageSink::askGoOn(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, kAppTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(detail);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

MessageSink::SaveAnswer QtMessageSink::askSaveChanges(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kAppTitle, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveAnswer::Save;
        case QMessageBox::Discard:
            return SaveAnswer::Discard;
        default:
            return SaveAnswer::Cancel;
    }
}

MessageSink::ChangedAnswer QtMessageSink::askFileChanged(QWidget* parent, const QString& text, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, kAppTitle, text, QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    QPushButton* saveAs = box.addButton(QStringLiteral("Save As..."), QMessageBox::AcceptRole);
    QPushButton* reload = box.addButton(QStringLiteral("Reload"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(saveAs);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == saveAs) return ChangedAnswer::SaveAs;
    if (box.clickedButton() == reload) return ChangedAnswer::Reload;
    return ChangedAnswer::Cancel;
}
