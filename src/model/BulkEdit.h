#pragma once
#include "model/Rating.h"
#include "model/clsPlayer.h"

// One change made to many players at once, each player's field changed by the editor's own
// rules: a rating moves in its buttons' steps.
namespace BulkEdit {

enum class Op { Keep, Set, Add, Subtract };

struct Change {
    Op op = Op::Keep;
    int amount = 0;  // the number to set, add or subtract
    bool operator==(const Change&) const = default;
};

// What a change did to one player: whether the field moved, and whether it was held back
// by the field's limits (a button press that changed nothing; a rating set to the nearest
// value it can show instead of the one asked for).
struct Result {
    bool changed = false;
    bool clamped = false;
};

// Add n presses the rating's "+" n times, Subtract n its "-" n times, exactly as the
// buttons do, so that a step may show a lower value (running speed past 60). Set v takes,
// of all the values the rating can hold, the one whose shown value is nearest v; on a tie
// the lower shown value, then the lower stored value. The bits a rating shares its byte
// with are kept as the steps keep them.
Result applyRating(clsPlayer& player, Rating::Index rating, const Change& change);

}  // namespace BulkEdit
