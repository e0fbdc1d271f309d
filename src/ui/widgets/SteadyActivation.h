#pragma once
#include <QObject>

class QAbstractItemView;

// A list or tree repaints every visible row when its window becomes active or inactive, in
// case the rows look different then. Drawn by the Fusion style from a palette that is the same
// for an active and an inactive window, they cannot: this filter then hands the event on to the
// view's own widgets (viewport, scroll bars, header, editors), as the view would, without the
// repaint. A change of the focus still repaints what it changes.
class SteadyActivation : public QObject {
public:
    explicit SteadyActivation(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QAbstractItemView* view_;
};
