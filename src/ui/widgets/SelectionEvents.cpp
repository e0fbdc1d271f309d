#include "ui/widgets/SelectionEvents.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWidget>

ListClick::ListClick(QListWidget* list, std::function<void()> handler)
    : QObject(list), list_(list), handler_(std::move(handler)) {
    connect(list_, &QListWidget::currentRowChanged, this, [this](int) {
        if (!silent_) handler_();
    });
    // A press on the row that is already current changes nothing, so the row-change
    // notification stays away; the click handling still runs, as for any click.
    viewport_ = list_->viewport();
    viewport_->installEventFilter(this);
    connect(list_, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        int before = rowAtPress_;
        rowAtPress_ = -2;
        if (index.isValid() && index.row() == before && !silent_) handler_();
    });
}

bool ListClick::eventFilter(QObject* watched, QEvent* e) {
    // The viewport also sees events while the list is being destroyed: look at the list
    // only for a press.
    if (e->type() == QEvent::MouseButtonPress && watched == viewport_ &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        rowAtPress_ = list_->currentRow();
    return QObject::eventFilter(watched, e);
}

void ListClick::select(int row) {
    silent_ = true;
    list_->setCurrentRow(row);
    silent_ = false;
    handler_();
}

ComboClick::ComboClick(QComboBox* combo, std::function<void()> handler)
    : QObject(combo), combo_(combo), handler_(std::move(handler)) {
    // activated comes from the user only (popup, keys, wheel), also for the entry shown.
    connect(combo_, &QComboBox::activated, this, [this](int) { handler_(); });
}

void ComboClick::select(int index) {
    {
        QSignalBlocker block(combo_);
        combo_->setCurrentIndex(index);
    }
    handler_();
}

FocusLossFilter::FocusLossFilter(QObject* watched, std::function<void()> handler)
    : QObject(watched), handler_(std::move(handler)) {
    watched->installEventFilter(this);
}

bool FocusLossFilter::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusOut) {
        auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) handler_();
    }
    return QObject::eventFilter(watched, e);
}

void PressReleaseClick::press(const QMouseEvent* e) { pressed_ = e->button() == Qt::LeftButton; }

bool PressReleaseClick::release(const QMouseEvent* e, const QWidget& widget) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    return wasPressed && e->button() == Qt::LeftButton && widget.rect().contains(e->position().toPoint()) &&
           widget.isEnabled();
}
