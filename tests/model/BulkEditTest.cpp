// A field changed for many players: a rating's "+" and "-" pressed as the buttons do, held at its ends, and a
// value set to the nearest one it can show, from within and beyond the range; every other field takes the new
// number as its box stores a typed one, the height split into feet and inches. The preview of many players.
#include <gtest/gtest.h>

#include "model/BulkEdit.h"
#include "model/PlayerField.h"

namespace {

using BulkEdit::Op;

TEST(BulkEdit, EachFieldChangesAsThePlayerEditorChangesIt) {
    // name, field, the stored value before and after (the height in inches), the change, whether it was held
    const std::tuple<const char*, int, int, BulkEdit::Change, int, bool> rows[] = {
        {"run speed past 60 shows 40", PlayerField::Rspeed, 14, {Op::Add, 2}, 16, false},
        {"run speed at the top", PlayerField::Rspeed, 30, {Op::Add, 3}, 31, true},
        {"run speed 40: the lower stored of 10 and 16", PlayerField::Rspeed, 31, {Op::Set, 40}, 10, false},
        {"jump at the bottom", PlayerField::Jump, 145, {Op::Subtract, 2}, 144, true},
        {"jump 59: 58 and 60 as near, the lower", PlayerField::Jump, 211, {Op::Set, 59}, 183, true},
        {"jump 58 exactly", PlayerField::Jump, 100, {Op::Set, 58}, 183, false},
        {"steal 2 shows for 3, 4 and 5", PlayerField::Steal, 200, {Op::Set, 2}, 3, false},
        {"steal 10 shows for 19 and 20; from beyond the range", PlayerField::Steal, 255, {Op::Set, 10}, 19, false},
        {"block keeps the face", PlayerField::Block, 0x53, {Op::Set, 50}, 0x56, true},
        {"shot range 35: 30 before 40, race kept, bits 4-6 off", PlayerField::Shoot, 0xF5, {Op::Set, 35}, 0x83, true},
        {"shot range at the bottom", PlayerField::Shoot, 0x80, {Op::Subtract, 1}, 0x80, true},
        {"stamina below its lowest shown value", PlayerField::Stam, 50, {Op::Set, 0}, 0, true},
        {"kept", PlayerField::Stam, 150, {Op::Keep, 0}, 150, false},
        {"weight cut to a multiple of 4", PlayerField::Weight, 100, {Op::Set, 203}, 200, true},
        {"weight held at 1020", PlayerField::Weight, 1016, {Op::Add, 8}, 1020, true},
        {"fg reaches 1020", PlayerField::Fg, 1016, {Op::Add, 4}, 1020, false},
        {"ft held at 1020", PlayerField::Ft, 400, {Op::Set, 1023}, 1020, true},
        {"jersey held at 99", PlayerField::Jersey, 7, {Op::Set, 100}, 99, true},
        {"inches shown up to 11", PlayerField::Inch, 10, {Op::Add, 2}, 11, true},
        {"feet held at 15", PlayerField::Feet, 6, {Op::Set, 16}, 15, true},
        {"height 83 is 6 ft 11", BulkEdit::kHeight, 70, {Op::Set, 83}, 83, false},
        {"height over a foot", BulkEdit::kHeight, 83, {Op::Add, 1}, 84, false},
        {"height held at 15 ft 11", BulkEdit::kHeight, 70, {Op::Set, 200}, 191, true},
        {"height held at 0", BulkEdit::kHeight, 70, {Op::Subtract, 100}, 0, true},
        {"position set", PlayerField::Pos, 0, {Op::Set, 4}, 4, false},
        {"position takes no steps", PlayerField::Pos, 2, {Op::Add, 1}, 2, true},
    };
    for (const auto& [name, field, before, change, after, clamped] : rows) {
        SCOPED_TRACE(name);
        const bool height = field == BulkEdit::kHeight;
        clsPlayer player;
        player.setFeet(static_cast<std::uint8_t>(before / 12));
        player.setInch(static_cast<std::uint8_t>(before % 12));
        if (!height) kPlayerFields[field].set(player, before);
        const BulkEdit::Result result = BulkEdit::apply(player, field, change);
        EXPECT_EQ(height ? PlayerField::height(player) : kPlayerFields[field].get(player), after);
        EXPECT_EQ(result.clamped, clamped);
        EXPECT_EQ(result.changed, before != after);
    }
}

TEST(BulkEdit, EveryChangeOfEveryPlayerIsPreviewedInOrder) {
    clsProject league;
    league.getTeamRef(5)->getPlayerRef(0)->setWeight(1016);
    const int weight = PlayerField::Weight;
    const std::vector<BulkEdit::Entry> expected = {{{3, 4}, weight, 0, 8, false},
                                                   {{3, 4}, weight, 8, 4, true},
                                                   {{5, 0}, weight, 1016, 1020, true},
                                                   {{5, 0}, weight, 1020, 4, true}};
    EXPECT_EQ(BulkEdit::applyAll(league, {{3, 4}, {5, 0}}, {{weight, {Op::Add, 8}}, {weight, {Op::Set, 5}}}), expected);
}

}  // namespace
