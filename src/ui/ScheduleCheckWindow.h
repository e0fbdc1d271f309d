#pragma once
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class Session;

// Analysis > Check Schedule: what the season schedule gives each team and what is wrong
// with it (ScheduleCheck). A table of the 27 teams (abbreviation, games, home, away) and
// the list of problems, or "No problems". It is a window of its own that does not block
// the main window and changes nothing; it reads the league anew when it is shown and
// after each change of the league while it is open. It opens showing the whole table where
// the screen allows.
class ScheduleCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleCheckWindow(const Session& session, QWidget* parent = nullptr);

    // Shows the league as it now is.
    void refresh();

    // Controls, named as their objectName.
    QTableWidget* tblTeams = nullptr;
    QLabel* lblUsualGames = nullptr;
    QListWidget* lstProblems = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void openAtFullHeight();

    const Session& session_;
};
