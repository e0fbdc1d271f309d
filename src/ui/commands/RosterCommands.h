#pragma once
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
    RosterCommands(Session& session, EditorSelection& selection, QWidget* parent);

    // Asks with the Swap Players dialogue for the player to trade the selected one with.
    void chooseAndSwap();
    // Trades the players of the two places; the same place twice, or a place outside the
    // rosters, does nothing.
    void swap(Trade::Place a, Trade::Place b);

private:
    Session& session_;
    EditorSelection& selection_;
    QWidget* parent_;
};
