#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reading numbers out of texts, the way every numeric field and file reader does.
namespace TextNumber {

// The leading number of a text. Blanks, tabs and line feeds are skipped wherever they
// stand; an optional sign, digits and one decimal point follow; "&H" starts hexadecimal
// digits (read unsigned). Reading stops at the first character that cannot continue the
// number; a text without a number gives 0.
double value(std::string_view text);

// The value of a hexadecimal digit in either letter case, or -1.
int hexDigit(char c);

// "0x" and the number's hexadecimal digits in upper case, at least minDigits of them (zeros in
// front); a number below zero has its minus sign before the "0x".
std::string hexText(std::int64_t v, int minDigits = 1);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double x);

// value() rounded half to even and clamped into [lo, hi].
std::int64_t roundedClamped(std::string_view text, std::int64_t lo, std::int64_t hi);

// A strict decimal number: optional blanks around it, optional sign, digits with an
// optional decimal point, nothing else. Empty or malformed text gives no value.
std::optional<double> strict(std::string_view text);

// strict() rounded half to even, provided the result lies within [lo, hi].
std::optional<std::int64_t> strictInRange(std::string_view text, std::int64_t lo, std::int64_t hi);

// A whole number written as one token: optional blanks (spaces, tabs) around either an
// optional sign and decimal digits, or "&H" (either case) and hexadecimal digits, the two
// forms value() reads. Anything else in the text (a second number, a letter, a decimal
// point) gives no value; so does a number outside [lo, hi].
std::optional<std::int64_t> strictWhole(std::string_view text, std::int64_t lo, std::int64_t hi);

// "True" or "False" in any letter case, or a strict number (0 false, anything else true).
std::optional<bool> truth(std::string_view text);

}  // namespace TextNumber
