// The uniform preview figure: 16 x 48 pixels from the game's own tiles in the team's
// colours, doubled to 32 x 96.
#include <array>

#include "graphics/FigureLayout.h"
#include "graphics/modGraphics.h"

namespace modGraphics {
namespace {

using FigureLayout::Corner;
using FigureLayout::TileRun;
constexpr int kFigureWidth = FigureLayout::kWidth;
constexpr int kFigureHeight = FigureLayout::kHeight;
constexpr int kSide = FigureLayout::kTileSide;

// Skin tones and the fixed colours of the NES figure (NES colour indexes).
constexpr std::uint8_t kNesBackground = 0x11;
constexpr std::uint8_t kNesOutline = 0x0F;
constexpr std::uint8_t kNesSkinLight = 0x27;
constexpr std::uint8_t kNesSkinDark = 0x17;

void drawTile(PixelImage& surface, const std::vector<std::uint8_t>& pixels, int tile, Corner at, const auto& colourOf) {
    for (int r = 0; r < kSide; ++r)
        for (int x = 0; x < kSide; ++x)
            surface.set(at.x + x, at.y + r,
                        colourOf(pixels[static_cast<std::size_t>(kSide * kSide * tile + kSide * r + x)]));
}

// Decodes the edition's runs in order and draws each run's tiles; false (the tiles drawn so
// far kept) when the image ends inside a run.
bool drawRuns(PixelImage& surface, ConsoleKind kind, const auto& colourOf, const RomImage& rom) {
    std::vector<std::uint8_t> pixels;
    for (const TileRun& run : FigureLayout::runs(kind)) {
        const bool decoded = kind == Console::Nes ? decodeNesTiles(rom, run.offset, run.count, pixels)
                                                  : decodeSnesTiles(rom, run.offset, run.count, pixels);
        if (!decoded) return false;
        for (int t = 0; t < run.count; ++t)
            drawTile(surface, pixels, t, run.corners[static_cast<std::size_t>(t)], colourOf);
    }
    return true;
}

int drawNes(PixelImage& surface, const clsTeam& team, int variant, const RomImage& rom) {
    const std::array<std::uint32_t, 4> palette = {
        nesColorToRGB(kNesBackground, false, 0),
        nesColorToRGB(kNesOutline, false, 0),
        nesColorToRGB((variant & 1) ? kNesSkinDark : kNesSkinLight, false, 0),
        nesColorToRGB((variant & 2) ? team.getUniformColor_NES_1() : team.getUniformColor_NES_0(), false, 0),
    };
    auto colourOf = [&](std::uint8_t v) { return palette[v & 3]; };
    return drawRuns(surface, Console::Nes, colourOf, rom) ? 0 : 2;
}

int drawSnes(PixelImage& surface, const clsTeam& team, int variant, const RomImage& rom) {
    const int base = variant * 16;  // variant 0..7: entries 0..127
    // Value 0 is black in every palette; getUniformColor_RGB ignores bit 15 of the word.
    auto colourOf = [&](std::uint8_t v) -> std::uint32_t {
        return v == 0 ? 0 : team.getUniformColor_RGB(base + (v & 15));
    };
    return drawRuns(surface, Console::Snes, colourOf, rom) ? 0 : 2;
}

// Stretches the figure in the top-left corner to twice its size in place: each pixel
// becomes a 2 x 2 block. The source is taken whole first, since the target covers it.
void doubleFigure(PixelImage& surface) {
    std::array<std::uint32_t, kFigureWidth * kFigureHeight> figure{};
    for (int y = 0; y < kFigureHeight; ++y)
        for (int x = 0; x < kFigureWidth; ++x)
            figure[static_cast<std::size_t>(y * kFigureWidth + x)] = surface.get(x, y);
    for (int y = 0; y < 2 * kFigureHeight; ++y)
        for (int x = 0; x < 2 * kFigureWidth; ++x)
            surface.set(x, y, figure[static_cast<std::size_t>((y / 2) * kFigureWidth + x / 2)]);
}

}  // namespace

int lastVariant(ConsoleKind kind) { return kind == Console::Snes ? 7 : 3; }

int drawPlayerSprite(PixelImage& surface, ConsoleKind kind, const clsTeam& team, int variant, const RomImage& rom) {
    // A variant the edition does not have draws nothing: its palette would lie outside the
    // team's colours (and variant * 16 could overflow).
    if ((kind == Console::Nes || kind == Console::Snes) && (variant < 0 || variant > lastVariant(kind)))
        return kBadVariant;
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
