#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The number boxes of the player editor and what each can hold: the text a box shows for
// a value of the player record, how its text is tidied when the box is left, and the value
// a text stores into the record. Numbers are read from texts and rounded half to even as
// every numeric field does (TextNumber).
//
//   box            stores      shown after leaving
//   jersey         0..99       two digits, 7 as 07
//   feet           0..15       the number
//   inches         0..15       0..11
//   weight         0..1020     cut toward zero to a multiple of 4
//   percentages    0..1020     cut to a multiple of 4; three digits (44 as 044), four from 1000
//
// Weights and percentages are held in the image as a byte times 4, so 1020 is the most
// they can be.
namespace PlayerBoxes {

enum class Box { Jersey, Feet, Inches, Weight, FieldGoals, ThreePointers, FreeThrows };

// The value the record receives from the box's text as it stands, tidied or not: the
// text's number rounded, held within what the field stores (a minus sign stores 0).
std::int64_t storedFromText(Box box, std::string_view text);

// The value the record receives for a number typed into the box and the box then left:
// rounded, held within what the box shows after leaving, cut as the box cuts it.
std::int64_t storedFromNumber(Box box, double number);

// The text the box shows for a value of the record.
std::string shown(Box box, std::int64_t value);

// The text the box shows once it is left with text typed into it.
std::string tidied(Box box, std::string_view text);

}  // namespace PlayerBoxes
