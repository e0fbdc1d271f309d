#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/clsProject.h"
#include "session/LeagueEvent.h"

// The steps that changed a league, to go back and forth through. A step keeps one whole
// league: while it can be undone, the league as it was before the step; once undone, the
// league as the step left it. A league is some 43 KB, so the kLimit steps kept take a few
// megabytes at the most; the oldest step goes when a new one would pass the limit.
class UndoHistory {
public:
    static constexpr std::size_t kLimit = 200;

    struct Step {
        std::string label;    // "City", "Rating", "Import Project", ...
        LeagueChange change;  // what the step changed, and so what taking it back changes
        clsProject other;     // the league on the far side of the step
    };

    // A step that turned `before` into the league now held; whatever could be redone is
    // dropped.
    void record(std::string label, LeagueChange change, clsProject before);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The label of the step that undo or redo would take; empty when there is none.
    std::string undoLabel() const { return canUndo() ? undo_.back().label : std::string(); }
    std::string redoLabel() const { return canRedo() ? redo_.back().label : std::string(); }
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

    // What undo or redo took: the step's label and change.
    struct Taken {
        std::string label;
        LeagueChange change;
    };

    // Takes the league back over the last step (or forward over the last undone one):
    // league and the step's snapshot change places. Nothing (league untouched) when there
    // is no step to take.
    std::optional<Taken> undo(clsProject& league);
    std::optional<Taken> redo(clsProject& league);

    void clear();

private:
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};
