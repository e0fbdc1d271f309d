#include "model/PlayerBoxes.h"

#include <algorithm>
#include <cmath>

#include "base/TextNumber.h"

namespace PlayerBoxes {

namespace {

struct Rule {
    std::int64_t storedMax;  // what the field of the record holds
    std::int64_t shownMax;   // what the box holds once it is left
    bool byFour;             // cut toward zero to a multiple of 4 when the box is left
    int digits;              // shown with leading zeros to this many digits; 0: as it is
};

Rule ruleOf(Box box) {
    switch (box) {
        case Box::Jersey:
            return {99, 99, false, 2};
        case Box::Feet:
            return {15, 15, false, 0};
        case Box::Inches:
            return {15, 11, false, 0};
        case Box::Weight:
            return {1020, 1020, true, 0};
        case Box::FieldGoals:
        case Box::ThreePointers:
        case Box::FreeThrows:
            break;
    }
    return {1020, 1020, true, 3};
}

}  // namespace

std::int64_t storedFromText(Box box, std::string_view text) {
    return TextNumber::roundedClamped(text, 0, ruleOf(box).storedMax);
}

std::int64_t storedFromNumber(Box box, double number) {
    const Rule rule = ruleOf(box);
    const double rounded = std::isnan(number) ? 0 : TextNumber::roundHalfEven(number);
    const auto v = static_cast<std::int64_t>(std::clamp(rounded, 0.0, static_cast<double>(rule.shownMax)));
    return rule.byFour ? v - v % 4 : v;
}

std::string shown(Box box, std::int64_t value) {
    std::string digits = std::to_string(value);
    const auto width = static_cast<std::size_t>(ruleOf(box).digits);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string tidied(Box box, std::string_view text) {
    return shown(box, storedFromNumber(box, TextNumber::value(text)));
}

}  // namespace PlayerBoxes
