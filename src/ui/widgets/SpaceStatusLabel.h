#pragma once
#include <QWidget>

class QLabel;
class Session;

// The status bar's space report: lblSpace shows the bytes used and available in each ROM region
// that a save rebuilds, and lblSpaceWarnings after it, in red and bold, what stops a save: the
// regions too long, the all-star slots that name no player. Empty while no image is open for
// saving. Both are plain text, which lays itself out far quicker than formatted text.
//
// The two labels are placed here, not by a layout: a layout passes each change of their text
// up to the window, which then lays out its status bar again and paints it a second time. The
// report takes the width the status bar gives it and needs none: a narrow window cuts it short.
class SpaceStatusLabel : public QWidget {
    Q_OBJECT
public:
    explicit SpaceStatusLabel(QWidget* parent = nullptr);

    // Shows the session's league as it now stands.
    void showFor(const Session& session);
    // The figures, then the warnings after a gap of three blanks, as shown.
    QString text() const;
    const QLabel& warnings() const { return *warnings_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // The figures at the left, the warnings (when there are any) after them, each as wide as
    // its text and as high as the report.
    void place();

    QLabel* figures_ = nullptr;
    QLabel* warnings_ = nullptr;
};
