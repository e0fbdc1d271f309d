#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "base/ResultCode.h"

// Where the uniform preview figure lies in each edition's image, at fixed offsets that are
// not part of the offset set, and where each of its 8 x 8 tiles goes in the 16 x 48
// figure. The figure drawing and the demo images both place tiles by it. NES: one run of 12 tiles of 2 bits a pixel, 16
// bytes a tile. SNES: three runs of 4 bits a pixel, 32 bytes a tile.
namespace FigureLayout {

inline constexpr int kWidth = 16;
inline constexpr int kHeight = 48;
inline constexpr int kTileSide = 8;

// The top-left corner of a tile in the figure.
struct Corner {
    int x;
    int y;
};

// Tiles that follow each other in the image, from offset on; tile t goes to corners[t].
struct TileRun {
    std::int32_t offset;
    int count;
    std::array<Corner, 12> corners;
};

inline constexpr std::array<TileRun, 1> kNesRuns = {{
    {0x40710,
     12,
     {{{8, 0}, {8, 8}, {0, 0}, {0, 8}, {8, 16}, {8, 24}, {0, 16}, {0, 24}, {8, 32}, {8, 40}, {0, 32}, {0, 40}}}},
}};

inline constexpr std::array<TileRun, 3> kSnesRuns = {{
    {0x88180, 4, {{{0, 0}, {8, 0}, {0, 16}, {8, 16}}}},
    {0x88380, 6, {{{0, 8}, {8, 8}, {0, 24}, {8, 24}, {0, 32}, {8, 32}}}},
    {0x88600, 2, {{{0, 40}, {8, 40}}}},
}};

// The runs of an edition, in the order they are drawn; none for another kind.
constexpr std::span<const TileRun> runs(ConsoleKind kind) {
    if (kind == Console::Nes) return kNesRuns;
    if (kind == Console::Snes) return kSnesRuns;
    return {};
}

// Bytes of one tile: NES 16, SNES 32; 0 for another kind.
constexpr int tileBytes(ConsoleKind kind) { return kind == Console::Nes ? 16 : kind == Console::Snes ? 32 : 0; }

// Where the figure's tile data begins in the image, and one past its last byte; both 0 for
// another kind.
constexpr std::int64_t firstByte(ConsoleKind kind) { return runs(kind).empty() ? 0 : runs(kind).front().offset; }
constexpr std::int64_t endByte(ConsoleKind kind) {
    return runs(kind).empty() ? 0 : runs(kind).back().offset + std::int64_t{runs(kind).back().count} * tileBytes(kind);
}

}  // namespace FigureLayout
