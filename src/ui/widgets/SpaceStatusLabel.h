#pragma once
#include <QWidget>

class QLabel;
class Session;

// The status bar's space report: lblSpace shows the bytes used and available in each ROM region
// that a save rebuilds, and lblSpaceWarnings after it, in red and bold, what stops a save: the
// regions too long, the all-star slots that name no player. Empty while no image is open for
// saving. Both are plain text, which lays itself out far quicker than formatted text.
class SpaceStatusLabel : public QWidget {
    Q_OBJECT
public:
    explicit SpaceStatusLabel(QWidget* parent = nullptr);

    // Shows the session's league as it now stands.
    void showFor(const Session& session);
    // The figures, then the warnings after a gap of three blanks, as shown.
    QString text() const;
    const QLabel& warnings() const { return *warnings_; }

private:
    QLabel* figures_ = nullptr;
    QLabel* warnings_ = nullptr;
};
