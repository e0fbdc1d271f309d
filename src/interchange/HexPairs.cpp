#include "interchange/HexPairs.h"

#include "base/TextNumber.h"

namespace HexPairs {

void appendByte(std::string& out, std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0x0F]);
}

std::uint8_t readPair(std::string_view text, std::size_t index) {
    if (index >= text.size()) return 0;  // keeps 2 * index from overflowing
    std::size_t at = 2 * index;
    if (at >= text.size()) return 0;
    int high = TextNumber::hexDigit(text[at]);
    if (high < 0) return 0;
    if (at + 1 >= text.size()) return static_cast<std::uint8_t>(high);
    int low = TextNumber::hexDigit(text[at + 1]);
    if (low < 0) return static_cast<std::uint8_t>(high);
    return static_cast<std::uint8_t>(high * 16 + low);
}

}  // namespace HexPairs
