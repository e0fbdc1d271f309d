#include "ui/commands/CommandRunner.h"

#include <QAbstractButton>
#include <QAction>

CommandRunner::CommandRunner(std::function<void()> storeFirst, QObject* parent)
    : QObject(parent), storeFirst_(std::move(storeFirst)) {}

void CommandRunner::run(const std::function<void()>& command) {
    storeFirst_();
    command();
}

void CommandRunner::bind(QAction* item, std::function<void()> command) {
    connect(item, &QAction::triggered, this, [this, command = std::move(command)] { run(command); });
}

void CommandRunner::bind(QAbstractButton* button, std::function<void()> command) {
    connect(button, &QAbstractButton::clicked, this, [this, command = std::move(command)] { run(command); });
}
