#pragma once
#include <QObject>
#include <functional>

class QWidget;

// Runs a task once, as soon as a window has painted itself (the next paint from now, which for
// a window on its way to the screen is its first), after that paint has ended. The task goes
// with the window if the window goes first.
class AfterFirstPaint : public QObject {
public:
    static void run(QWidget* window, std::function<void()> task);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    AfterFirstPaint(QWidget* window, std::function<void()> task);

    std::function<void()> task_;
};
