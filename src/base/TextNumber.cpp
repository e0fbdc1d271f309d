#include "base/TextNumber.h"

#include <cstdio>

#include <cctype>
#include <cmath>
#include <string>

namespace TextNumber {

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// A signed decimal number with one optional decimal point at the start of s: its value,
// where it stops, and whether it held a digit.
struct Scan {
    double value = 0;
    std::size_t end = 0;
    bool digits = false;
};

Scan scanDecimal(std::string_view s) {
    Scan r;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    double scale = 1;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            r.digits = true;
            if (seenPoint) {
                scale /= 10;
                r.value += (c - '0') * scale;
            } else {
                r.value = r.value * 10 + (c - '0');
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    r.end = i;
    if (negative) r.value = -r.value;
    return r;
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string hexText(std::int64_t v, int minDigits) {
    char buf[32];
    const unsigned long long magnitude =
        v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    std::snprintf(buf, sizeof buf, "%s0x%0*llX", v < 0 ? "-" : "", minDigits, magnitude);
    return buf;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

double value(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isSkipped(c)) s.push_back(c);

    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        double v = 0;
        for (std::size_t i = 2; i < s.size(); ++i) {
            int d = hexDigit(s[i]);
            if (d < 0) break;
            v = v * 16 + d;
        }
        return v;
    }
    return scanDecimal(s).value;
}

double roundHalfEven(double x) {
    if (!std::isfinite(x)) return x;
    double f = std::floor(x);
    double d = x - f;
    if (d > 0.5) return f + 1;
    if (d < 0.5) return f;
    return std::fmod(f, 2.0) == 0.0 ? f : f + 1;
}

std::int64_t roundedClamped(std::string_view text, std::int64_t lo, std::int64_t hi) {
    double r = roundHalfEven(value(text));
    if (r <= static_cast<double>(lo)) return lo;
    // Compared with >= so that a bound of 2^63 - 1, which becomes 2^63 as a double, never
    // lets 2^63 through to the conversion.
    if (r >= static_cast<double>(hi)) return hi;
    return static_cast<std::int64_t>(r);
}

std::optional<double> strict(std::string_view text) {
    std::string_view s = trimBlanks(text);
    Scan r = scanDecimal(s);
    if (!r.digits || r.end != s.size()) return std::nullopt;
    return r.value;
}

std::optional<std::int64_t> strictInRange(std::string_view text, std::int64_t lo, std::int64_t hi) {
    auto v = strict(text);
    if (!v) return std::nullopt;
    double r = roundHalfEven(*v);
    if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) return std::nullopt;
    // A bound of 2^63 - 1 becomes 2^63 as a double; that value does not convert.
    if (r >= 9223372036854775808.0) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::optional<std::int64_t> strictWhole(std::string_view text, std::int64_t lo, std::int64_t hi) {
    std::string_view s = trimBlanks(text);
    bool hex = s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h');
    bool negative = false;
    if (hex) {
        s.remove_prefix(2);
    } else if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    // Beyond 2^60 the value is out of every range a caller asks for; the digits are still
    // checked to the end, so that "1234567890123456789012x" is refused as malformed too.
    constexpr std::uint64_t kCap = std::uint64_t{1} << 60;
    std::uint64_t v = 0;
    bool tooLarge = false;
    for (char c : s) {
        int d = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) return std::nullopt;
        if (!tooLarge) v = v * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
        if (v > kCap) tooLarge = true;
    }
    if (tooLarge) return std::nullopt;
    std::int64_t r = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
    if (r < lo || r > hi) return std::nullopt;
    return r;
}

std::optional<bool> truth(std::string_view text) {
    std::string_view s = trimBlanks(text);
    std::string lower;
    for (char c : s) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (lower == "true") return true;
    if (lower == "false") return false;
    auto v = strict(s);
    if (!v) return std::nullopt;
    return *v != 0.0;
}

}  // namespace TextNumber
