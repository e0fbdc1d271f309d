// The NES master palette as the editor shows it, with the emphasis and monochrome rules.
#include <algorithm>
#include <array>

#include "base/TextNumber.h"
#include "graphics/modGraphics.h"

namespace modGraphics {
namespace {

struct Triple {
    int r, g, b;
};

// Indexed by the colour index: high digit = brightness row, low digit = hue column.
constexpr std::array<Triple, 64> kMasterPalette = {{
    {128, 128, 128}, {0, 61, 166},    {0, 18, 176},    {68, 0, 150},     // 0x00-0x03
    {161, 0, 94},    {199, 0, 40},    {186, 6, 0},     {140, 23, 0},     // 0x04-0x07
    {92, 47, 0},     {16, 69, 0},     {5, 74, 0},      {0, 71, 46},      // 0x08-0x0B
    {0, 65, 102},    {0, 0, 0},       {5, 5, 5},       {5, 5, 5},        // 0x0C-0x0F
    {199, 199, 199}, {0, 119, 255},   {33, 85, 255},   {130, 55, 250},   // 0x10-0x13
    {235, 47, 181},  {255, 41, 80},   {255, 34, 0},    {214, 50, 0},     // 0x14-0x17
    {196, 98, 0},    {53, 128, 0},    {5, 143, 0},     {0, 138, 85},     // 0x18-0x1B
    {0, 153, 204},   {33, 33, 33},    {9, 9, 9},       {9, 9, 9},        // 0x1C-0x1F
    {255, 255, 255}, {15, 215, 255},  {105, 162, 255}, {212, 128, 255},  // 0x20-0x23
    {255, 69, 243},  {255, 97, 139},  {255, 136, 51},  {255, 156, 18},   // 0x24-0x27
    {250, 188, 32},  {159, 227, 14},  {43, 240, 53},   {12, 240, 164},   // 0x28-0x2B
    {5, 251, 255},   {94, 94, 94},    {13, 13, 13},    {13, 13, 13},     // 0x2C-0x2F
    {255, 255, 255}, {166, 252, 255}, {179, 236, 255}, {218, 171, 235},  // 0x30-0x33
    {255, 168, 249}, {255, 171, 179}, {255, 210, 176}, {255, 239, 166},  // 0x34-0x37
    {255, 247, 156}, {215, 232, 149}, {166, 237, 175}, {162, 242, 218},  // 0x38-0x3B
    {153, 255, 252}, {221, 221, 221}, {17, 17, 17},    {17, 17, 17},     // 0x3C-0x3F
}};

struct Factors {
    double r, g, b;
};

// Indexed by the emphasis bits: bit 0 red, bit 1 green, bit 2 blue.
constexpr std::array<Factors, 8> kEmphasis = {{
    {1.0, 1.0, 1.0},
    {1.0, 0.8, 0.81},
    {0.78, 0.94, 0.66},
    {0.79, 0.77, 0.63},
    {0.82, 0.83, 1.12},
    {0.81, 0.71, 0.87},
    {0.68, 0.79, 0.79},
    {0.7, 0.7, 0.7},
}};

int scaled(int value, double factor) {
    // The product in double precision, to the nearest integer with halves to even;
    // only the blue factor 1.12 can push a channel past 255.
    double v = TextNumber::roundHalfEven(static_cast<double>(value) * factor);
    return std::min(static_cast<int>(v), 255);
}

}  // namespace

std::uint32_t nesColorToRGB(std::uint8_t index, bool monochrome, std::uint8_t emphasis) {
    Factors f = kEmphasis[0];
    if (monochrome) {
        index &= 0x30;  // the brightness row's grey; emphasis does not apply
    } else {
        f = kEmphasis[emphasis & 7];
    }
    if (index > 0x3F) return 0;
    const Triple& t = kMasterPalette[index];
    return SnesColor::rgb(scaled(t.r, f.r), scaled(t.g, f.g), scaled(t.b, f.b));
}

std::optional<std::uint32_t> uniformSwatchRgb(const clsTeam& team, ConsoleKind kind, int swatch) {
    if (kind == Console::Nes && team.uniformNES_vaild)
        return nesColorToRGB(team.getUniformColor_NES_single(swatch), false, 0);
    if (kind == Console::Snes && team.uniformSNES_vaild) return team.getUniformColor_RGB(swatch);
    return std::nullopt;
}

}  // namespace modGraphics
