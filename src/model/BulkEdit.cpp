#include "model/BulkEdit.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "base/TextNumber.h"
#include "model/PlayerBoxes.h"

namespace BulkEdit {

namespace {

// Presses a button n times; true when a press changed nothing, the rating at its limit,
// where every later press changes nothing either.
bool press(clsPlayer& player, const Rating& rating, bool up, int times) {
    for (int i = 0; i < times; ++i) {
        const clsPlayer before = player;
        up ? rating.stepUp(player) : rating.stepDown(player);
        if (player == before) return true;
    }
    return false;
}

// The box a number field is typed into.
PlayerBoxes::Box boxOf(int field) {
    using PlayerBoxes::Box;
    switch (field) {
        case PlayerField::Jersey:
            return Box::Jersey;
        case PlayerField::Feet:
            return Box::Feet;
        case PlayerField::Inch:
            return Box::Inches;
        case PlayerField::Fg:
            return Box::FieldGoals;
        case PlayerField::Ft:
            return Box::FreeThrows;
        case PlayerField::Threept:
            return Box::ThreePointers;
        default:
            break;
    }
    return Box::Weight;
}

// What a number typed into a box and the box left stores.
std::int64_t boxed(PlayerBoxes::Box box, std::int64_t number) {
    return PlayerBoxes::storedFromNumber(box, static_cast<double>(number));
}

// Stores a height in inches through the feet and inch boxes, held first within the
// greatest height the two show.
void setHeight(clsPlayer& player, std::int64_t inches) {
    using PlayerBoxes::Box;
    const std::int64_t tallest = boxed(Box::Feet, INT_MAX) * 12 + boxed(Box::Inches, INT_MAX);
    inches = std::clamp<std::int64_t>(inches, 0, tallest);
    player.setFeet(static_cast<std::uint8_t>(boxed(Box::Feet, inches / 12)));
    player.setInch(static_cast<std::uint8_t>(boxed(Box::Inches, inches % 12)));
}

int fieldOf(std::string_view name) {
    if (const PlayerField* field = PlayerField::find(name)) return static_cast<int>(field - kPlayerFields.data());
    const std::string_view height = "height";
    return std::equal(name.begin(), name.end(), height.begin(), height.end(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; })
               ? kHeight
               : -1;
}

// Brings the rating to the bottom of its range from wherever it stands: one "+" takes a
// value above the range to its top, then "-" runs down to the bottom (a value below the
// range jumps to it at once).
void toBottom(clsPlayer& player, const Rating& rating) {
    press(player, rating, true, 1);
    press(player, rating, false, rating.rawMax - rating.rawMin + 1);
}

}  // namespace

Result applyRating(clsPlayer& player, Rating::Index index, const Change& change) {
    const Rating& rating = kRatings[index];
    const clsPlayer before = player;
    Result result;
    switch (change.op) {
        case Op::Keep:
            return result;
        case Op::Add:
        case Op::Subtract:
            result.clamped = press(player, rating, change.op == Op::Add, change.amount);
            break;
        case Op::Set: {
            // The steps from the bottom run through every value the rating can hold, the
            // stored value rising by one each time.
            clsPlayer probe = player;
            toBottom(probe, rating);
            int bestSteps = 0, bestShown = rating.value(probe);
            for (int steps = 1; steps <= rating.rawMax - rating.rawMin; ++steps) {
                press(probe, rating, true, 1);
                const int shown = rating.value(probe);
                const int distance = std::abs(shown - change.amount),
                          bestDistance = std::abs(bestShown - change.amount);
                if (distance < bestDistance || (distance == bestDistance && shown < bestShown)) {
                    bestSteps = steps;
                    bestShown = shown;
                }
            }
            toBottom(player, rating);
            press(player, rating, true, bestSteps);
            result.clamped = bestShown != change.amount;
            break;
        }
    }
    result.changed = !(player == before);
    return result;
}

std::string_view key(int field) { return field == kHeight ? "height" : kPlayerFields[field].key; }

std::int64_t shown(const clsPlayer& player, int field) {
    return field == kHeight ? PlayerField::height(player) : kPlayerFields[field].shown(player);
}

Result apply(clsPlayer& player, int field, const Change& change) {
    Result result;
    if (field < 0 || field >= kFields || change.op == Op::Keep) return result;
    if (field != kHeight && kPlayerFields[field].rating != Rating::Count)
        return applyRating(player, kPlayerFields[field].rating, change);
    const clsPlayer before = player;
    if (field == PlayerField::Pos) {
        const int code = change.op == Op::Set ? std::clamp(change.amount, 0, 4) : player.getPosition();
        player.setPosition(static_cast<std::uint8_t>(code));
        result.clamped = change.op != Op::Set || code != change.amount;
    } else {
        const std::int64_t old = shown(player, field);
        const std::int64_t asked = change.op == Op::Set   ? change.amount
                                   : change.op == Op::Add ? old + change.amount
                                                          : old - change.amount;
        if (field == kHeight)
            setHeight(player, asked);
        else
            kPlayerFields[field].set(player, boxed(boxOf(field), asked));
        result.clamped = shown(player, field) != asked;
    }
    result.changed = !(player == before);
    return result;
}

std::optional<FieldChange> parse(std::string_view text, std::string& fault) {
    const auto refuse = [&fault](std::string why) -> std::optional<FieldChange> {
        fault = std::move(why);
        return std::nullopt;
    };
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return refuse("'" + std::string(text) + "' is not FIELD=VALUE, +N or -N");
    const std::string_view name = text.substr(0, equals), value = text.substr(equals + 1);
    FieldChange out;
    out.field = fieldOf(name);
    if (out.field < 0) return refuse("unknown field '" + std::string(name) + "'");
    const char sign = value.empty() ? ' ' : value.front();
    out.change.op = sign == '+' ? Op::Add : sign == '-' ? Op::Subtract : Op::Set;
    const std::string_view digits = out.change.op == Op::Set ? value : value.substr(1);
    const std::optional<std::int64_t> amount = TextNumber::strictWhole(digits, 0, INT_MAX);
    if (!amount) return refuse("'" + std::string(digits) + "' is not a whole number");
    out.change.amount = static_cast<int>(*amount);
    if (out.field == PlayerField::Pos && (out.change.op != Op::Set || out.change.amount > 4))
        return refuse("pos takes a code 0..4");
    return out;
}

std::vector<Entry> applyAll(clsProject& league, const std::vector<Trade::Place>& places,
                            const std::vector<FieldChange>& changes) {
    std::vector<Entry> entries;
    for (const Trade::Place& at : places) {
        if (!Trade::isRosterPlace(at)) continue;
        clsPlayer& player = *league.getTeamRef(at.team)->getPlayerRef(at.slot);
        for (const FieldChange& c : changes) {
            Entry entry{at, c.field, shown(player, c.field)};
            entry.clamped = apply(player, c.field, c.change).clamped;
            entry.after = shown(player, c.field);
            entries.push_back(entry);
        }
    }
    return entries;
}

std::string label(std::size_t players) {
    return "Edit " + std::to_string(players) + (players == 1 ? " Player" : " Players");
}

}  // namespace BulkEdit
