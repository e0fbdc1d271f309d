#pragma once
#include <QObject>

class QAbstractItemView;

// A list or tree repaints every visible row when its window becomes active or inactive, in
// case the rows look different then. Where the view's palette is the same for an active and
// an inactive window they cannot: this filter then hands the event on to the view's own
// widgets (viewport, scroll bars, header, editors), as the view would, without the repaint.
class SteadyActivation : public QObject {
public:
    explicit SteadyActivation(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QAbstractItemView* view_;
};
