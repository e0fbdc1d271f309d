#pragma once
#include <functional>

#include "model/Trade.h"

class QWidget;
class Session;
struct EditorSelection;

// The window's trades: Project > Swap Players and a player node of the tree dropped onto
// another. A trade swaps the two players whole, all-star slots following them
// (Trade::swapPlayers), as one step of the history ("Swap Players"). The selection follows
// the player it showed: a selected player who is traded is shown at his new place.
class RosterCommands {
public:
    // beforeTrade stores what the window holds apart from the league (the editors' texts),
    // so that it travels with its player.
    RosterCommands(Session& session, EditorSelection& selection, std::function<void()> beforeTrade, QWidget* parent);

    // Asks with the Swap Players dialogue for the player to trade the selected one with.
    void chooseAndSwap();
    // Trades the players of the two places; the same place twice, or a place outside the
    // rosters, does nothing.
    void swap(Trade::Place a, Trade::Place b);

private:
    Session& session_;
    EditorSelection& selection_;
    std::function<void()> beforeTrade_;
    QWidget* parent_;
};
