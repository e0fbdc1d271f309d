#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PlayerField.h"
#include "model/Rating.h"
#include "model/Trade.h"
#include "model/clsPlayer.h"
#include "model/clsProject.h"

// One change made to many players at once, each player's field changed by the editor's own
// rules: a rating moves in its buttons' steps, a number goes through its box.
namespace BulkEdit {

enum class Op { Keep, Set, Add, Subtract };

struct Change {
    Op op = Op::Keep;
    int amount = 0;  // the number to set, add or subtract
    bool operator==(const Change&) const = default;
};

// What a change did to one player: whether the field moved, and whether it was held back
// by the field's limits (a button press that changed nothing; a rating set to the nearest
// value it can show instead of the one asked for; a box that stores another number than
// the one asked for).
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

// The fields a bulk edit changes: the player file's numeric keys (PlayerField::Index) and
// kHeight, the height in inches.
inline constexpr int kHeight = PlayerField::Count;
inline constexpr int kFields = PlayerField::Count + 1;

// "jump", "height".
std::string_view key(int field);
// The value a person reads for the field: PlayerField::shown, the height in inches.
std::int64_t shown(const clsPlayer& player, int field);

// Changes one field of a player. Ratings as applyRating. The other numbers take the new
// number (the one set, or the shown value plus or minus the amount) as if it were typed
// into the field's box and the box left (PlayerBoxes: weight and percentages cut to a
// multiple of 4 up to 1020, jersey up to 99, inches up to 11); clamped when the field then
// holds another number. The height is first held within what the two boxes show, 0 to
// 15 ft 11 in, then split into feet and inches. Position takes only Set, a code 0..4 as the
// position list holds it; anything else is clamped there and Add or Subtract changes nothing.
Result apply(clsPlayer& player, int field, const Change& change);

// A field and what to do to it: what "--set jump=+2" says.
struct FieldChange {
    int field = 0;
    Change change;
    bool operator==(const FieldChange&) const = default;
};

// Reads "FIELD=VALUE", "FIELD=+N" or "FIELD=-N" (keys in any letter case, whole numbers).
// On a text it cannot read, nothing, and why in fault: "unknown field 'jmp'", "'x' is not a
// whole number", "pos takes a code 0..4", "'jump' is not FIELD=VALUE, +N or -N".
std::optional<FieldChange> parse(std::string_view text, std::string& fault);

// One line of a preview: what a change did to one field of one player, in shown values.
struct Entry {
    Trade::Place place;
    int field = 0;
    std::int64_t before = 0, after = 0;
    bool clamped = false;
    bool operator==(const Entry&) const = default;
};

// Applies the changes, in their order, to each player at the places. One entry for every
// player and change, in the places' order and then the changes'.
std::vector<Entry> applyAll(clsProject& league, const std::vector<Trade::Place>& places,
                            const std::vector<FieldChange>& changes);

// The name of a bulk edit of n players as one step: "Edit 12 Players", "Edit 1 Player".
std::string label(std::size_t players);

}  // namespace BulkEdit
