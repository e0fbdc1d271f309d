#pragma once
#include <QObject>
#include <functional>

class QAbstractButton;
class QAction;

// Runs the window's commands: every menu item with its keys, every tool button, a drop onto
// the window or the tree and each command a dialogue or a panel asks for comes here. First
// what the controls still hold goes into the league, the box being typed into finished as
// leaving it would and then every editor stored; then the command runs, on the league as the
// screen shows it.
class CommandRunner : public QObject {
    Q_OBJECT
public:
    // storeFirst is what every command runs first.
    CommandRunner(std::function<void()> storeFirst, QObject* parent);

    void run(const std::function<void()>& command);
    // What run does first, on its own: before the Edit menu opens, so that Undo names the
    // step it would take.
    void storeFirst() const { storeFirst_(); }

    // Triggering the item (by the menu or its keys), or clicking the button, runs the command.
    void bind(QAction* item, std::function<void()> command);
    void bind(QAbstractButton* button, std::function<void()> command);

private:
    std::function<void()> storeFirst_;
};
