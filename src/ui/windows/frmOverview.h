#pragma once
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "model/LeagueStats.h"

class FileDialogs;
class MessageSink;
class QComboBox;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class Session;
class SpreadChart;
class StrengthChart;
struct LeagueEvent;

// Analysis > League Overview: the league at a glance, in a window of its own beside the main
// window. The table of each team's figures (LeagueStats), sorted by any column with a click
// on its header, numbers by their value; a click on a row chooses that team. A bar chart of
// the teams' strength, strongest first, each bar in the colour of the team's first uniform
// swatch of the open edition (grey while that uniform is not set) over its abbreviation; and
// the spread of a chosen rating over the league's players by position. "Export Table..."
// writes the table as CSV (TeamFiguresCsv), "Save Chart..." both charts as a PNG picture.
// While it is shown it follows the league: players changed make the figures anew and show
// the rows and bars that changed, names and uniforms only relabel and recolour.
class frmOverview : public QWidget {
    Q_OBJECT
public:
    enum Column : int {
        Team,
        Abbreviation,
        City,
        Mascot,
        Figures,
        Strength = Figures + LeagueStats::Count,
        Rank,
        Columns
    };
    // The colour of a bar whose team's uniform is not set for the open edition.
    static const QColor kUnsetColour;

    frmOverview(Session& session, MessageSink& messages, FileDialogs& dialogs, const QString& folder,
                QWidget* parent = nullptr);
    ~frmOverview() override;
    frmOverview(const frmOverview&) = delete;
    frmOverview& operator=(const frmOverview&) = delete;

    // Shows the league as it now is.
    void refresh();

    // Controls, named as their objectName.
    QTableWidget* tblFigures = nullptr;
    StrengthChart* chtStrength = nullptr;
    QComboBox* cmbRating = nullptr;
    SpreadChart* chtSpread = nullptr;
    QPushButton* cmdExportTable = nullptr;
    QPushButton* cmdSaveChart = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    // A row of the table was clicked.
    void teamChosen(int team);

private:
    void build();
    void showChange(const LeagueEvent& event);
    // The figures anew, into the cells and bars that changed (every: into all of them).
    void showFigures(bool every = false);
    void showNames(int team);
    void showStrength();
    void showSpread();
    void exportTable();
    void saveChart();

    Session& session_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    QString folder_;
    QWidget* charts_ = nullptr;
    LeagueStats::Figures figures_;
    std::array<std::array<QTableWidgetItem*, Columns>, clsProject::kTeams> cells_{};  // by team
    int observer_ = 0;
};
