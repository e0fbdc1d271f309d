#pragma once
#include <QTreeWidget>

// The project tree. Besides the click notification of every tree, it reports a node that
// became the current one through the keyboard (arrow keys, page keys, typing a name), so
// the editors can follow the highlighted node just as they follow a click.
class ProjectTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProjectTreeView(QWidget* parent = nullptr) : QTreeWidget(parent) {}

signals:
    void keyboardSelected(QTreeWidgetItem* node);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
