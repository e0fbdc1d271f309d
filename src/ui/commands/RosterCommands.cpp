#include "ui/commands/RosterCommands.h"

#include "session/Session.h"
#include "ui/panels/EditorSelection.h"
#include "ui/windows/SwapDialog.h"

RosterCommands::RosterCommands(Session& session, EditorSelection& selection, QWidget* parent)
    : session_(session), selection_(selection), parent_(parent) {}

void RosterCommands::chooseAndSwap() {
    const Trade::Place first{selection_.team, selection_.player};
    if (!Trade::isRosterPlace(first)) return;
    SwapDialog dialog(session_.league(), first, parent_);
    if (dialog.exec() == QDialog::Accepted) swap(first, dialog.chosen());
}

void RosterCommands::swap(Trade::Place a, Trade::Place b) {
    if (!Trade::isRosterPlace(a) || !Trade::isRosterPlace(b) || a == b) return;
    // The selection moves before the league changes: the refresh that the session's
    // observers run then shows it at its new place.
    const EditorSelection before = selection_;
    const Trade::Place shown{selection_.team, selection_.player};
    const Trade::Place follows = shown == a ? b : shown == b ? a : shown;
    selection_.team = follows.team;
    selection_.player = follows.slot;
    if (!session_.edit("Swap Players", LeagueChange::ofTrade(a, b),
                       [&](clsProject& league) { Trade::swapPlayers(league, a, b); }))
        selection_ = before;  // two equal records: nothing changed, nothing moves
}
