#pragma once
#include <QLineEdit>

class ProjectTreePanel;
class QLabel;
class Session;
class SessionSignals;
struct LeagueEvent;

// The filter box txtFilter above the project tree. The tree shows only the players a query
// typed here matches (PlayerQuery: every term must hold), under their teams, opened; the
// status bar's label lblFilter tells how many ("12 of 324 players") or why a term cannot be
// read ("unknown field 'jmp'", in red), the tree then staying as the last query that could be
// read left it. Ctrl+F comes here from anywhere in the window, Down goes on to the tree, Escape
// clears the box and the tree shows every node again. The query runs at every keystroke, on Enter and when a new
// league comes in or players change places; an edit of a player keeps the nodes shown, so
// that a player being edited never vanishes from under the user.
class PlayerFilterBox : public QLineEdit {
    Q_OBJECT
public:
    PlayerFilterBox(const Session& session, ProjectTreePanel& tree, SessionSignals& events, QWidget* parent = nullptr);

    // The status bar's label, for the window to place there.
    QLabel* countLabel() const { return lblFilter_; }

    // Runs the query in the box over the league and shows what it found.
    void apply();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void showChange(const LeagueEvent& event);

    const Session& session_;
    ProjectTreePanel& tree_;
    QLabel* lblFilter_ = nullptr;
};
