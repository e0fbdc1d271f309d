// Colours as the editor shows and reads them in text.
#include "graphics/modGraphics.h"

#include "base/TextNumber.h"

namespace modGraphics {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::string nesIndexText(int index) {
    // The last two digits of the hexadecimal form: the low byte.
    unsigned v = static_cast<unsigned>(index) & 0xFF;
    return {kHexDigits[v >> 4], kHexDigits[v & 15]};
}

std::string snesWordText(int word) {
    // Bit 15 is not part of a colour; the text shows the word the colour comes from.
    unsigned v = static_cast<unsigned>(word) & 0x7FFF;
    std::string out;
    do {
        out.insert(out.begin(), kHexDigits[v & 15]);
        v >>= 4;
    } while (v != 0);
    return out;
}

std::int16_t readHexWord(std::string_view text) {
    // Digits up to the first character that is not one; the low 16 bits of the value as
    // a two's-complement number ("FFFF" is -1, "8000" is -32768).
    std::uint32_t v = 0;
    for (char c : text) {
        int d = TextNumber::hexDigit(c);
        if (d < 0) break;
        v = ((v << 4) | static_cast<std::uint32_t>(d)) & 0xFFFF;
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
}

std::optional<int> snesWordOfText(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty() || text.size() > 4) return std::nullopt;
    int word = 0;
    for (char c : text) {
        const int d = TextNumber::hexDigit(c);
        if (d < 0) return std::nullopt;
        word = word * 16 + d;
    }
    if (word > 0x7FFF) return std::nullopt;
    return word;
}

}  // namespace modGraphics
