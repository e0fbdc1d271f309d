#pragma once
#include <QLabel>

class Session;

// The status bar's label lblSpace: the bytes used and available in each ROM region that a
// save rebuilds, then, in red and bold, what stops a save: the regions too long, the all-star
// slots that name no player. Empty while no image is open for saving.
class SpaceStatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpaceStatusLabel(QWidget* parent = nullptr);

    // Shows the session's league as it now stands.
    void showFor(const Session& session);
};
