#include "session/UndoHistory.h"

#include <utility>

namespace {

// Moves the newest step of `from` to `to`, exchanging its snapshot with the league.
std::optional<UndoHistory::Taken> carry(std::deque<UndoHistory::Step>& from, std::deque<UndoHistory::Step>& to,
                                        clsProject& league) {
    if (from.empty()) return std::nullopt;
    to.push_back(std::move(from.back()));
    from.pop_back();
    std::swap(to.back().other, league);
    return UndoHistory::Taken{to.back().label, to.back().change};
}

}  // namespace

void UndoHistory::record(std::string label, LeagueChange change, clsProject before) {
    redo_.clear();
    undo_.push_back({std::move(label), std::move(change), std::move(before)});
    while (undo_.size() > kLimit) undo_.pop_front();
}

std::optional<UndoHistory::Taken> UndoHistory::undo(clsProject& league) { return carry(undo_, redo_, league); }

std::optional<UndoHistory::Taken> UndoHistory::redo(clsProject& league) { return carry(redo_, undo_, league); }

void UndoHistory::clear() {
    undo_.clear();
    redo_.clear();
}
