#include "model/BulkEdit.h"

#include <cstdlib>

namespace BulkEdit {

namespace {

// Presses a button n times; true when a press changed nothing, the rating at its limit.
bool press(clsPlayer& player, const Rating& rating, bool up, int times) {
    bool held = false;
    for (int i = 0; i < times; ++i) {
        const clsPlayer before = player;
        up ? rating.stepUp(player) : rating.stepDown(player);
        held = held || player == before;
    }
    return held;
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

}  // namespace BulkEdit
