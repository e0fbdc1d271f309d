#pragma once
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class Session;
struct LeagueEvent;

// Analysis > Check Schedule: what the season schedule gives each team and what is wrong
// with it (ScheduleCheck). A table of the 27 teams (abbreviation, games, home, away) and
// the list of problems, or "No problems". It is a window of its own that does not block
// the main window and changes nothing; it reads the league anew when it is shown and,
// while it is open, after each change of the schedule or of the teams' abbreviations. It opens showing the whole table
// where the screen allows.
class ScheduleCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScheduleCheckWindow(Session& session, QWidget* parent = nullptr);
    ~ScheduleCheckWindow() override;
    ScheduleCheckWindow(const ScheduleCheckWindow&) = delete;
    ScheduleCheckWindow& operator=(const ScheduleCheckWindow&) = delete;

    // Shows the league as it now is.
    void refresh();
    // Fills, polishes and lays out the hidden window, so that showing it later only paints it.
    void prepare();

    // Controls, named as their objectName.
    QTableWidget* tblTeams = nullptr;
    QLabel* lblUsualGames = nullptr;
    QListWidget* lstProblems = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void openAtFullHeight();
    void showChange(const LeagueEvent& event);

    Session& session_;
    int observer_ = 0;
};
