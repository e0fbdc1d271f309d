// Every numeric text reader on any text, with bounds chosen by the input: no undefined
// behaviour, no NaN, rounded results whole and within their bounds, and the strict
// reader agreeing with the lenient one wherever it accepts the text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/TextNumber.h"

namespace {

struct Bounds {
    std::int64_t lo, hi;
};

// The ranges the program reads into, the widest ones and small ones from the input.
Bounds bounds(FuzzInput& in) {
    constexpr std::int64_t min64 = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t max64 = std::numeric_limits<std::int64_t>::max();
    const Bounds fixed[] = {{0, 255}, {-32768, 32767}, {INT32_MIN, INT32_MAX}, {min64, max64}, {0, max64}, {min64, 0}};
    const std::uint8_t choice = in.byte();
    if (choice < 6) return fixed[choice];
    const auto a = static_cast<std::int16_t>(in.word());
    const auto b = static_cast<std::int16_t>(in.word());
    return a <= b ? Bounds{a, b} : Bounds{b, a};
}

bool whole(double x) { return std::isinf(x) || x == std::floor(x); }

}  // namespace

int FuzzTextNumber(const std::uint8_t* data, std::size_t size) {
    using FuzzCheck::require;
    FuzzInput in(data, size);
    const Bounds b = bounds(in);
    const std::string text = in.rest();

    const double v = TextNumber::value(text);
    require(!std::isnan(v), "value gave NaN");
    const double r = TextNumber::roundHalfEven(v);
    require(whole(r), "roundHalfEven gave a fraction");
    require(std::isinf(v) || std::fabs(r - v) <= 0.5, "roundHalfEven moved more than one half");

    const std::int64_t clamped = TextNumber::roundedClamped(text, b.lo, b.hi);
    require(clamped >= b.lo && clamped <= b.hi, "roundedClamped left its bounds");
    if (r > static_cast<double>(b.lo) && r < static_cast<double>(b.hi))
        require(static_cast<double>(clamped) == r, "roundedClamped changed a value inside its bounds");

    const auto strict = TextNumber::strict(text);
    if (strict) {
        require(*strict == v, "strict and value read the same text differently");
        const auto inRange = TextNumber::strictInRange(text, b.lo, b.hi);
        const double rs = TextNumber::roundHalfEven(*strict);
        if (inRange) {
            require(*inRange >= b.lo && *inRange <= b.hi, "strictInRange left its bounds");
            require(static_cast<double>(*inRange) == rs, "strictInRange is not the rounded strict value");
        } else {
            require(!(rs > static_cast<double>(b.lo) && rs < static_cast<double>(b.hi)),
                    "strictInRange refused a value inside its bounds");
        }
        const auto truth = TextNumber::truth(text);
        require(truth.has_value() && *truth == (*strict != 0.0), "truth disagrees with the strict number");
    } else {
        require(!TextNumber::strictInRange(text, b.lo, b.hi), "strictInRange read what strict refused");
    }

    for (char c : text) {
        const int d = TextNumber::hexDigit(c);
        const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        require(hex ? d >= 0 && d < 16 : d == -1, "hexDigit misread a character");
    }
    return 0;
}
