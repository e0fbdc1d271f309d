#include "ui/ProjectTreeView.h"

#include <QKeyEvent>

void ProjectTreeView::keyPressEvent(QKeyEvent* e) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(e);
    QTreeWidgetItem* after = currentItem();
    if (after != nullptr && after != before) emit keyboardSelected(after);
}
