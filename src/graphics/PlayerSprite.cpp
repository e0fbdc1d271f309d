// The uniform preview figure: 16 x 48 pixels from the game's own tiles in the team's
// colours, doubled to 32 x 96.
#include <array>

#include "graphics/modGraphics.h"

namespace modGraphics {
namespace {

struct Pos {
    int x, y;
};

// Top-left corner of each NES tile in the figure.
constexpr std::array<Pos, 12> kNesLayout = {{
    {8, 0}, {8, 8}, {0, 0}, {0, 8}, {8, 16}, {8, 24}, {0, 16}, {0, 24}, {8, 32}, {8, 40}, {0, 32}, {0, 40},
}};

// The SNES figure comes in three runs of tiles, each with its own place in the figure.
struct SnesRun {
    std::int32_t offset;
    int count;
    std::array<Pos, 6> layout;
};

constexpr std::array<SnesRun, 3> kSnesRuns = {{
    {kSnesRun1, 4, {{{0, 0}, {8, 0}, {0, 16}, {8, 16}}}},
    {kSnesRun2, 6, {{{0, 8}, {8, 8}, {0, 24}, {8, 24}, {0, 32}, {8, 32}}}},
    {kSnesRun3, 2, {{{0, 40}, {8, 40}}}},
}};

constexpr int kFigureWidth = 16;
constexpr int kFigureHeight = 48;

// Skin tones and the fixed colours of the NES figure (NES colour indexes).
constexpr std::uint8_t kNesBackground = 0x11;
constexpr std::uint8_t kNesOutline = 0x0F;
constexpr std::uint8_t kNesSkinLight = 0x27;
constexpr std::uint8_t kNesSkinDark = 0x17;

void drawTile(PixelImage& surface, const std::vector<std::uint8_t>& pixels, int tile, Pos at,
              const auto& colourOf) {
    for (int r = 0; r < 8; ++r)
        for (int x = 0; x < 8; ++x)
            surface.set(at.x + x, at.y + r, colourOf(pixels[static_cast<std::size_t>(64 * tile + 8 * r + x)]));
}

int drawNes(PixelImage& surface, const clsTeam& team, int variant, const RomImage& rom) {
    std::vector<std::uint8_t> pixels;
    if (!decodeNesTiles(rom, kNesTiles, static_cast<int>(kNesLayout.size()), pixels)) return 2;
    const std::array<std::uint32_t, 4> palette = {
        nesColorToRGB(kNesBackground, false, 0),
        nesColorToRGB(kNesOutline, false, 0),
        nesColorToRGB((variant & 1) ? kNesSkinDark : kNesSkinLight, false, 0),
        nesColorToRGB((variant & 2) ? team.getUniformColor_NES_1() : team.getUniformColor_NES_0(), false, 0),
    };
    auto colourOf = [&](std::uint8_t v) { return palette[v & 3]; };
    for (int t = 0; t < static_cast<int>(kNesLayout.size()); ++t) drawTile(surface, pixels, t, kNesLayout[t], colourOf);
    return 0;
}

int drawSnes(PixelImage& surface, const clsTeam& team, int variant, const RomImage& rom) {
    const int base = variant * 16;  // variant 0..7: entries 0..127
    // Value 0 is black in every palette; getUniformColor_RGB ignores bit 15 of the word.
    auto colourOf = [&](std::uint8_t v) -> std::uint32_t {
        return v == 0 ? 0 : team.getUniformColor_RGB(base + (v & 15));
    };
    std::vector<std::uint8_t> pixels;
    for (const SnesRun& run : kSnesRuns) {
        if (!decodeSnesTiles(rom, run.offset, run.count, pixels)) return 2;
        for (int t = 0; t < run.count; ++t) drawTile(surface, pixels, t, run.layout[static_cast<std::size_t>(t)], colourOf);
    }
    return 0;
}

// Stretches the figure in the top-left corner to twice its size in place: each pixel
// becomes a 2 x 2 block. The source is taken whole first, since the target covers it.
void doubleFigure(PixelImage& surface) {
    std::array<std::uint32_t, kFigureWidth * kFigureHeight> figure{};
    for (int y = 0; y < kFigureHeight; ++y)
        for (int x = 0; x < kFigureWidth; ++x) figure[static_cast<std::size_t>(y * kFigureWidth + x)] = surface.get(x, y);
    for (int y = 0; y < 2 * kFigureHeight; ++y)
        for (int x = 0; x < 2 * kFigureWidth; ++x)
            surface.set(x, y, figure[static_cast<std::size_t>((y / 2) * kFigureWidth + x / 2)]);
}

}  // namespace

int lastVariant(ConsoleKind kind) { return kind == Console::Snes ? 7 : 3; }

int drawPlayerSprite(PixelImage& surface, ConsoleKind kind, const clsTeam& team, int variant, const RomImage& rom) {
    // A variant the edition does not have draws nothing: its palette would lie outside the
    // team's colours (and variant * 16 could overflow).
    if ((kind == Console::Nes || kind == Console::Snes) && (variant < 0 || variant > lastVariant(kind))) return kBadVariant;
    int result = 0;
    if (kind == Console::Nes) {
        result = drawNes(surface, team, variant, rom);
    } else if (kind == Console::Snes) {
        result = drawSnes(surface, team, variant, rom);
    }
    // A figure cut short by the end of the image is not enlarged: the caller keeps it hidden.
    if (result != 0) return result;
    doubleFigure(surface);
    return 0;
}

}  // namespace modGraphics
