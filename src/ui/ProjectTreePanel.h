#pragma once
#include <QTreeWidget>
#include <vector>

class Session;

// The project tree tvProject: the root "NBA", the 27 teams under it and the 12 players
// under each team, with node texts from the session's league. A click on a team or player
// node, or a node reached with the keyboard, is reported as a choice; the root is none.
class ProjectTreePanel : public QTreeWidget {
    Q_OBJECT
public:
    explicit ProjectTreePanel(const Session& session, QWidget* parent = nullptr);

    // Rebuilds every node from the league: keys Project, Team0..Team26, Player0..Player323.
    void build();
    // The node by creation index from 1: the root, then each team followed by its players.
    QTreeWidgetItem* node(int index) const;
    // Expands the first team and makes its first player the current node.
    void showFirstPlayer();

    // The league's present texts of one node: a team node names the city in upper case and
    // the mascot, a player node the jersey in two digits and the full name.
    void relabelTeam(int team);
    void relabelPlayer(int team, int player);
    // Every node's text as a build gives it, keeping which nodes are open and current.
    void relabelAll();
    // Opens the way to a team's node or a player's node and makes it the current node,
    // without choosing it (the window has chosen it already).
    void showTeam(int team);
    void showPlayer(int team, int player);

signals:
    void teamChosen(int team);
    void playerChosen(int team, int player);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void nodeChosen(QTreeWidgetItem* node);
    QString playerText(int team, int player) const;
    QString teamText(int team) const;
    void showNode(QTreeWidgetItem* node);
    void setNodeText(int index, const QString& text);

    const Session& session_;
    std::vector<QTreeWidgetItem*> nodes_;  // by creation index - 1
};
