// A rating changed for many players: "+" and "-" pressed as the buttons do, held at the ends of the ratings, and
// a value set to the nearest one the rating can show, from within and beyond the range. The other fields take the
// new number as their box stores it, the height split into feet and inches; the preview of many players.
#include <gtest/gtest.h>

#include <climits>

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
        {"stamina pressed far past its top", Rating::Stamina, 98, {Op::Add, INT_MAX}, 99, true},
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

TEST(BulkEdit, OtherFieldsStoreTheNewNumberAsTheirBoxesDo) {
    const struct {
        const char* name;
        int field;
        int before;  // the stored value; the height in inches
        BulkEdit::Change change;
        int after;  // the shown value
        bool clamped;
    } rows[] = {
        {"weight cut to a multiple of 4", PlayerField::Weight, 100, {Op::Set, 203}, 200, true},
        {"weight held at 1020", PlayerField::Weight, 1016, {Op::Add, 8}, 1020, true},
        {"weight held at 0", PlayerField::Weight, 8, {Op::Subtract, 10}, 0, true},
        {"fg reaches 1020", PlayerField::Fg, 1016, {Op::Add, 4}, 1020, false},
        {"ft held at 1020", PlayerField::Ft, 400, {Op::Set, 1023}, 1020, true},
        {"threept down to 0", PlayerField::Threept, 4, {Op::Subtract, 4}, 0, false},
        {"jersey held at 99", PlayerField::Jersey, 7, {Op::Set, 100}, 99, true},
        {"jersey up 2", PlayerField::Jersey, 7, {Op::Add, 2}, 9, false},
        {"inches shown up to 11", PlayerField::Inch, 10, {Op::Add, 2}, 11, true},
        {"feet held at 15", PlayerField::Feet, 6, {Op::Set, 16}, 15, true},
        {"height 83 is 6 ft 11", BulkEdit::kHeight, 70, {Op::Set, 83}, 83, false},
        {"height over a foot", BulkEdit::kHeight, 83, {Op::Add, 1}, 84, false},
        {"height held at 15 ft 11", BulkEdit::kHeight, 70, {Op::Set, 200}, 191, true},
        {"height held at 0", BulkEdit::kHeight, 70, {Op::Subtract, 100}, 0, true},
        {"position set", PlayerField::Pos, 0, {Op::Set, 4}, 4, false},
        {"position takes no steps", PlayerField::Pos, 2, {Op::Add, 1}, 2, true},
        {"a rating steps", PlayerField::Jump, 144, {Op::Add, 2}, 3, false},
        {"kept", PlayerField::Weight, 203, {Op::Keep, 0}, 203, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clsPlayer player;
        if (row.field == BulkEdit::kHeight) {
            player.setFeet(static_cast<std::uint8_t>(row.before / 12));
            player.setInch(static_cast<std::uint8_t>(row.before % 12));
        } else {
            kPlayerFields[row.field].set(player, row.before);
        }
        const int shownBefore = static_cast<int>(BulkEdit::shown(player, row.field));
        const BulkEdit::Result result = BulkEdit::apply(player, row.field, row.change);
        EXPECT_EQ(BulkEdit::shown(player, row.field), row.after);
        EXPECT_EQ(result.clamped, row.clamped);
        EXPECT_EQ(result.changed, shownBefore != row.after);
    }
}

TEST(BulkEdit, EveryChangeOfEveryPlayerIsPreviewedInOrder) {
    clsProject league;
    league.getTeamRef(3)->getPlayerRef(4)->setWeight(200);
    league.getTeamRef(5)->getPlayerRef(0)->setWeight(1016);
    const auto entries = BulkEdit::applyAll(league, {{3, 4}, {5, 0}},
                                            {{PlayerField::Weight, {Op::Add, 8}}, {PlayerField::Weight, {Op::Set, 4}}});
    const struct {
        int team, before, after;
        bool clamped;
    } expected[] = {{3, 200, 208, false}, {3, 208, 4, false}, {5, 1016, 1020, true}, {5, 1020, 4, false}};
    ASSERT_EQ(entries.size(), 4u);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].place.team, expected[i].team);
        EXPECT_EQ(entries[i].before, expected[i].before);
        EXPECT_EQ(entries[i].after, expected[i].after);
        EXPECT_EQ(entries[i].clamped, expected[i].clamped);
    }
}

}  // namespace
