#pragma once
#include <QObject>
#include <functional>

class QComboBox;
class QEvent;
class QListWidget;
class QMouseEvent;
class QWidget;

// The editor's lists and drop-down lists run their click handling exactly once for every
// way an entry gets chosen: a mouse click (also on the entry already chosen), the
// keyboard, or a selection made by the program itself through select().

// A list box: the handler runs when the current row changes by mouse or keyboard, and when
// the mouse presses the row that is already current.
class ListClick : public QObject {
    Q_OBJECT
public:
    ListClick(QListWidget* list, std::function<void()> handler);
    // Makes row the current entry and runs the handler once.
    void select(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QListWidget* list_;
    QObject* viewport_ = nullptr;
    std::function<void()> handler_;
    bool silent_ = false;
    int rowAtPress_ = -2;
};

// A drop-down list: the handler runs when the user chooses an entry (mouse, keyboard or
// wheel, also the entry already shown) and when the program selects one through select().
class ComboClick : public QObject {
    Q_OBJECT
public:
    ComboClick(QComboBox* combo, std::function<void()> handler);
    void select(int index);

private:
    QComboBox* combo_;
    std::function<void()> handler_;
};

// Calls handler when the watched widget loses the focus to another control of the
// program; opening a pop-up or switching to another window does not count.
class FocusLossFilter : public QObject {
    Q_OBJECT
public:
    FocusLossFilter(QObject* watched, std::function<void()> handler);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    std::function<void()> handler_;
};

// A click on a widget that reports its own clicks (a colour swatch, a picture box): the
// left button pressed and then released inside the widget while it is enabled. The widget
// passes its press and release events on.
class PressReleaseClick {
public:
    void press(const QMouseEvent* e);
    // True when this release completes a click.
    bool release(const QMouseEvent* e, const QWidget& widget);

private:
    bool pressed_ = false;
};
