#pragma once
#include <QPersistentModelIndex>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "model/Trade.h"

class Session;
class SessionSignals;
class clsPlayer;
struct EditorSelection;
struct LeagueEvent;

// The project tree tvProject: the root "NBA", the 27 teams under it and the 12 players
// under each team, with node texts from the session's league. A click on a team or player
// node, or a node reached with the keyboard, is reported as a choice; the root is none.
// A player node dragged onto another player node is reported as a trade of the two; a drop
// anywhere else does nothing. Before the first league the tree says where to begin and lists
// the recent files, which open on a double click. It follows the session's events itself: a
// new league is shown as a build shows it, at the selection, and a change renames only the nodes
// of the teams and players it touched, every node staying open or closed and current as it was.
// Nodes are selected several at once with Ctrl and Shift (Ctrl+A every node shown); a drag of
// several players is refused, a trade takes one.
class ProjectTreePanel : public QTreeWidget {
    Q_OBJECT
public:
    // What a dragged player node carries: its key ("Player25").
    static constexpr const char* kPlayerMimeType = "application/x-tamsel-player";

    ProjectTreePanel(const Session& session, const EditorSelection& selection, SessionSignals& events,
                     QWidget* parent = nullptr);

    // Rebuilds every node from the league: keys Project, Team0..Team26, Player0..Player323.
    void build();
    // No league yet: a hint where to begin, then the files given (the recent ones) to open.
    void showStart(const QStringList& recentFiles);
    // The node by creation index from 1: the root, then each team followed by its players.
    QTreeWidgetItem* node(int index) const;

    // The league's present texts of one node: a team node names the city in upper case and
    // the mascot, a player node the jersey in two digits and the full name.
    void relabelTeam(int team);
    void relabelPlayer(int team, int player);
    // Every node's text as a build gives it, keeping which nodes are open and current.
    void relabelAll();
    // Opens the way to a team's node or a player's node and makes it the current node,
    // without choosing it (the window has chosen it already, or a trade moved it).
    void showTeam(int team);
    void showPlayer(int team, int player);
    // The players the selection names, in team and slot order: each selected player node,
    // and every player node of a selected team node; only the nodes a filter shows.
    std::vector<Trade::Place> selectedPlayers() const;
    // A filter: only the player nodes of the places given are shown, under their team nodes,
    // opened; the other teams are hidden. Null shows every node again, each team open or
    // closed as it was before the filter.
    void showOnlyPlayers(const std::vector<Trade::Place>* places);

signals:
    void teamChosen(int team);
    void playerChosen(int team, int player);
    // The player node of one place was dropped onto the player node of another.
    void playerDropped(int team, int player, int ontoTeam, int ontoPlayer);
    // The recent file of that index (in the list showStart was given) was double-clicked.
    void recentChosen(int index);
    // A drag of several selected players was refused.
    void severalDragged(int players);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void showChange(const LeagueEvent& event);
    void showAnew();
    void nodeChosen(QTreeWidgetItem* node);
    QString playerText(int team, int player) const;
    QString teamText(int team) const;
    void showNode(QTreeWidgetItem* node);
    // Whether the focus changes no more of the tree than the current node's focus frame.
    bool onlyTheCurrentNodeShowsTheFocus() const;
    void repaintFocusMarks();
    void setNodeText(int index, const QString& text);
    // The roster place of a player node; none for the root, a team node or no node.
    static std::optional<Trade::Place> placeOf(const QTreeWidgetItem* node);
    // The places a drag carries and the node under the cursor names, when the drop would
    // trade two players.
    bool tradeAt(const QDropEvent* e, Trade::Place& from, Trade::Place& onto) const;

    const Session& session_;
    const EditorSelection& selection_;
    std::vector<QTreeWidgetItem*> nodes_;  // by creation index - 1
    QPersistentModelIndex beforePress_;    // the current node before the last mouse press
    bool shownSinceDrag_ = false;          // showPlayer ran while a drag was under way
    std::vector<char> openBeforeFilter_;   // by creation index - 1, while a filter is on
};
