// The player editor's number boxes: the text typed, what the box shows once it is left, and
// what the record receives from the text as typed and from the text as tidied. A number given
// as such (a bulk edit) stores what typing it and leaving the box stores; a value of the
// record shows as the box shows it after leaving.
#include <gtest/gtest.h>

#include "base/TextNumber.h"
#include "model/PlayerBoxes.h"

using PlayerBoxes::Box;

TEST(PlayerBoxes, TypedTextIsTidiedStoredAndShownAsTheFieldHoldsIt) {
    // name, box, the text typed and tidied, what a store while the box still has the focus stores and what one after
    // the box was left stores
    const std::tuple<const char*, Box, const char*, const char*, std::int64_t, std::int64_t> rows[] = {
        {"weight cut to a multiple of 4", Box::Weight, "203", "200", 203, 200},
        {"weight rounded half to even, then cut", Box::Weight, "206.5", "204", 206, 204},
        {"percentage cut to a multiple of 4", Box::FieldGoals, "455", "452", 455, 452},
        {"percentage cut to 0", Box::ThreePointers, "3", "000", 3, 0},
        {"percentage padded to three digits", Box::FreeThrows, "45", "044", 45, 44},
        {"jersey padded to two digits", Box::Jersey, "7", "07", 7, 7},
        {"jersey rounded half to even", Box::Jersey, "8.5", "08", 8, 8},
        {"percentage 1000 in four digits", Box::FieldGoals, "1000", "1000", 1000, 1000},
        {"percentage 1019 cut to 1016", Box::ThreePointers, "1019", "1016", 1019, 1016},
        {"percentage held at 1020", Box::FieldGoals, "1023", "1020", 1020, 1020},
        {"weight held at 1020", Box::Weight, "9999", "1020", 1020, 1020},
        {"jersey held at 99", Box::Jersey, "100", "99", 99, 99},
        {"feet held at 15", Box::Feet, "17", "15", 15, 15},
        {"inches shown up to 11, stored up to 15", Box::Inches, "14", "11", 14, 11},
        {"inches held at 15 when stored as typed", Box::Inches, "16", "11", 15, 11},
        {"jersey negative", Box::Jersey, "-5", "00", 0, 0},
        {"feet a minus sign alone", Box::Feet, "-", "0", 0, 0},
        {"weight without a number", Box::Weight, "abc", "0", 0, 0},
        {"percentage with a leading number", Box::FieldGoals, "48x9", "048", 48, 48},
    };
    for (const auto& [name, box, typed, tidied, storedAsTyped, storedTidied] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(PlayerBoxes::tidied(box, typed), tidied);
        EXPECT_EQ(PlayerBoxes::storedFromText(box, typed), storedAsTyped);
        EXPECT_EQ(PlayerBoxes::storedFromText(box, tidied), storedTidied);
        EXPECT_EQ(PlayerBoxes::storedFromNumber(box, TextNumber::value(typed)), storedTidied);
        EXPECT_EQ(PlayerBoxes::shown(box, storedTidied), tidied);
    }
}
