#pragma once
#include <string>

// What an edit touched: a team, and a player of it; -1 where none (the whole league, or
// the whole team).
struct EditTarget {
    int team = -1;
    int player = -1;
    bool operator==(const EditTarget&) const = default;
};

// What the observers of a session hear: the league was replaced (an open, a project
// import), changed (an edit, a team or player import), restored to an earlier or later
// state (undo, redo: the label is the step's, the target what the step touched) or saved.
struct LeagueEvent {
    enum class Kind { Replaced, Changed, Restored, Saved };
    Kind kind = Kind::Changed;
    std::string label;  // "Open", "Import Team", the editor's name for an edit, "Save"
    EditTarget target;
    bool operator==(const LeagueEvent&) const = default;
};
