#pragma once
#include <cstdint>

// SNES colour words: 15 bits, red in bits 0-4, green in 5-9, blue in 10-14. Bit 15 is not
// part of a colour and is ignored wherever a word becomes a colour.
namespace SnesColor {

// A display colour as red + 256 * green + 65536 * blue.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}
constexpr int red(int word) { return word & 0x1F; }
constexpr int green(int word) { return (word & 0x3E0) / 32; }
constexpr int blue(int word) { return (word & 0x7C00) / 1024; }
constexpr std::int16_t compose(int r, int g, int b) {
    return static_cast<std::int16_t>(((b * 1024) | (g * 32) | r) & 0x7FFF);
}
// Each channel times 8: 0..248; the low three bits are not filled.
constexpr Rgb toRgb(int word) { return rgb(red(word) * 8, green(word) * 8, blue(word) * 8); }

}  // namespace SnesColor
