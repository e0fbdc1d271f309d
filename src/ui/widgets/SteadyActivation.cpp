#include "ui/widgets/SteadyActivation.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QStyle>

#include "ui/widgets/LazyIconStyle.h"

SteadyActivation::SteadyActivation(QAbstractItemView* view) : QObject(view), view_(view) {
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);  // the rows repaint from the viewport's events
}

bool SteadyActivation::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::WindowActivate && e->type() != QEvent::WindowDeactivate) return false;
    if (watched != view_ && watched != view_->viewport()) return false;
    // Fusion draws the rows from the palette alone; other styles may draw an inactive window's
    // selection their own way.
    if (!LazyIconStyle::isFusion(view_->style())) return false;
    if (!view_->palette().isEqual(QPalette::Active, QPalette::Inactive)) return false;
    for (QObject* child : watched->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w != nullptr && w->isVisible() && !w->isWindow()) QCoreApplication::sendEvent(w, e);
    }
    return true;
}
