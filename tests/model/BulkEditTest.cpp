// A rating changed for many players: "+" and "-" pressed as the buttons do, at both ends of every rating and past
// them, and a value set to the nearest one the rating can show; the change texts of the command line.
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
        {"run speed above the range, one step", Rating::RunSpeed, 200, {Op::Subtract, 1}, 199, false},
        {"jump at the bottom", Rating::Jumping, 145, {Op::Subtract, 2}, 144, true},
        {"jump below the range, one step up", Rating::Jumping, 100, {Op::Add, 1}, 101, false},
        {"jump 59: 58 and 60 as near, the lower", Rating::Jumping, 211, {Op::Set, 59}, 183, true},
        {"jump 58 exactly", Rating::Jumping, 100, {Op::Set, 58}, 183, false},
        {"jump above the top", Rating::Jumping, 150, {Op::Set, 200}, 211, true},
        {"steal 2 shows for 3, 4 and 5", Rating::Stealing, 200, {Op::Set, 2}, 3, false},
        {"steal 10 shows for 19 and 20; from beyond the range", Rating::Stealing, 255, {Op::Set, 10}, 19, false},
        {"steal at the top", Rating::Stealing, 200, {Op::Add, 1}, 200, true},
        {"block keeps the face", Rating::Blocking, 0x53, {Op::Set, 50}, 0x56, true},
        {"block at the top", Rating::Blocking, 0x5C, {Op::Add, 1}, 0x5C, true},
        {"shot range 35: 30 before 40, race kept, bits 4-6 cleared",
         Rating::ShootingRange,
         0xF5,
         {Op::Set, 35},
         0x83,
         true},
        {"shot range at the bottom", Rating::ShootingRange, 0x80, {Op::Subtract, 1}, 0x80, true},
        {"stamina below its lowest shown value", Rating::Stamina, 50, {Op::Set, 0}, 0, true},
        {"stamina up to the top", Rating::Stamina, 97, {Op::Add, 2}, 99, false},
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

TEST(BulkEdit, ChangeTexts) {
    using C = BulkEdit::Change;
    const std::pair<const char*, std::optional<C>> rows[] = {
        {"58", C{Op::Set, 58}}, {"+2", C{Op::Add, 2}}, {"-12", C{Op::Subtract, 12}}, {"", std::nullopt},
        {"+", std::nullopt},    {"5.5", std::nullopt}, {"x", std::nullopt},          {"40000", std::nullopt},
    };
    for (const auto& [text, change] : rows) EXPECT_EQ(BulkEdit::parseChange(text), change) << text;
}

}  // namespace
