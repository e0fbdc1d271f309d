#pragma once
#include <QLabel>

class Session;

// The status bar's label lblSpace: the bytes used and available in each ROM region that a
// save rebuilds, and the all-star slots that name no player; red and bold while either
// stops a save. Empty while no image is open for saving.
class SpaceStatusLabel : public QLabel {
    Q_OBJECT
public:
    explicit SpaceStatusLabel(QWidget* parent = nullptr);

    // Shows the session's league as it now stands.
    void showFor(const Session& session);
};
