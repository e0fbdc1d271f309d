#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Bytes written as two upper-case hexadecimal digits, and read back in pairs of characters.
namespace HexPairs {

// Appends the byte as two upper-case hexadecimal digits (0x0F -> "0F").
void appendByte(std::string& out, std::uint8_t byte);

// The byte that characters 2*index and 2*index + 1 of text stand for, either letter case.
// A pair missing because text is short, or whose first character is not a hexadecimal
// digit, gives 0; a pair whose second character is missing or not a hexadecimal digit
// gives the value of its first digit.
std::uint8_t readPair(std::string_view text, std::size_t index);

}  // namespace HexPairs
