#pragma once
#include <QTimer>
#include <QWidget>
#include <set>
#include <string>
#include <vector>

#include "model/LeagueDiff.h"
#include "model/clsProject.h"

class CommandRunner;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class Session;

// File > Compare With...: the differences between the open league and another one (an image
// of the same edition or a project file, read by readOtherLeague), as tamsel-cli diff lists
// them, in a tree of groups: Teams (each team's own fields, team by team), Players (team by
// team), Schedule, All-Stars; each group and team names how many lines it holds. The filter
// box keeps the lines holding its text (in any case). Every line, team and group has a check
// box; Take Selected brings the checked lines shown from the other league into the open one
// as one step ("Take 14 Changes"). The window follows every change of the open league, lines
// taken leave it, and the lines checked stay checked (a take undone brings its lines back
// checked). A double-click on a team's or player's
// line asks the main window to choose that team or player. It is a window of its own that
// does not block the main window and closes when another file's league is opened; the other
// file is only read, once.
class frmCompare : public QWidget {
    Q_OBJECT
public:
    frmCompare(Session& session, CommandRunner& runner, clsProject other, const QString& otherName,
               QWidget* parent = nullptr);
    ~frmCompare() override;
    frmCompare(const frmCompare&) = delete;
    frmCompare& operator=(const frmCompare&) = delete;

    // Lists the differences against the open league as it now is.
    void refresh();

    // Controls, named as their objectName.
    QLineEdit* txtDiffFilter = nullptr;
    QTreeWidget* tvwDifferences = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* cmdTake = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    void teamRequested(int team);
    void playerRequested(int team, int player);

private:
    QTreeWidgetItem* groupNode(LeagueDiff::Group group);
    void applyFilter();
    void noteChecks();
    void takeChecked();
    void lineChosen(QTreeWidgetItem* item);

    Session& session_;
    CommandRunner& runner_;
    clsProject other_;
    int observer_ = 0;
    std::vector<LeagueDiff::Difference> differences_;
    std::set<std::string> checked_;  // the lines checked, by their text
    std::set<QString> folded_;       // the groups and teams shown folded, by their key
    bool building_ = false;
    QTimer checksLater_;
};
