// A rating changed for many players: "+" and "-" pressed as the buttons do, held at the ends of the ratings, and
// a value set to the nearest one the rating can show, from within and beyond the range.
#include <gtest/gtest.h>

#include "model/BulkEdit.h"
#include "model/PlayerField.h"

namespace {

using BulkEdit::Op;

TEST(BulkEdit, RatingsMoveInTheirStepsAndSetToTheNearestShownValue) {
    const struct {
        const char* name;
        Rating::Index rating;
        int before;  // the stored byte
        BulkEdit::Change change;
        int after;
        bool clamped;
    } rows[] = {
        {"run speed past 60 shows 40", Rating::RunSpeed, 14, {Op::Add, 2}, 16, false},
        {"run speed at the top", Rating::RunSpeed, 30, {Op::Add, 3}, 31, true},
        {"run speed 40: the lower stored of 10 and 16", Rating::RunSpeed, 31, {Op::Set, 40}, 10, false},
        {"jump at the bottom", Rating::Jumping, 145, {Op::Subtract, 2}, 144, true},
        {"jump 59: 58 and 60 as near, the lower", Rating::Jumping, 211, {Op::Set, 59}, 183, true},
        {"jump 58 exactly", Rating::Jumping, 100, {Op::Set, 58}, 183, false},
        {"steal 2 shows for 3, 4 and 5", Rating::Stealing, 200, {Op::Set, 2}, 3, false},
        {"steal 10 shows for 19 and 20; from beyond the range", Rating::Stealing, 255, {Op::Set, 10}, 19, false},
        {"block keeps the face", Rating::Blocking, 0x53, {Op::Set, 50}, 0x56, true},
        {"shot range 35: 30 before 40, race kept, bits 4-6 cleared",
         Rating::ShootingRange,
         0xF5,
         {Op::Set, 35},
         0x83,
         true},
        {"shot range at the bottom", Rating::ShootingRange, 0x80, {Op::Subtract, 1}, 0x80, true},
        {"stamina below its lowest shown value", Rating::Stamina, 50, {Op::Set, 0}, 0, true},
        {"kept", Rating::Stamina, 150, {Op::Keep, 0}, 150, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PlayerField& field = kPlayerFields[PlayerField::Rspeed + int{row.rating}];
        clsPlayer player;
        field.set(player, row.before);
        const BulkEdit::Result result = BulkEdit::applyRating(player, row.rating, row.change);
        EXPECT_EQ(field.get(player), row.after);
        EXPECT_EQ(result.clamped, row.clamped);
        EXPECT_EQ(result.changed, row.before != row.after);
    }
}

}  // namespace
