// The uniform preview figure and the tile decoders on small arbitrary images: the input
// gives the team's colours, the variant, the surface size and the tile bytes, which the
// image holds at the figure's tile offset and ends with. Drawing succeeds exactly when the
// image holds all tiles, and then every pixel of the doubled figure is a 2 x 2 block of a
// colour the figure may use. The decoders are also run at any offset and count.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "graphics/FigureLayout.h"
#include "graphics/modGraphics.h"

namespace {

using FuzzCheck::require;

constexpr int kWidth = 32;
constexpr int kHeight = 96;

// Bytes of tile data each edition's figure reads, from its first tile offset on.
constexpr std::int64_t kNesTileBytes = FigureLayout::endByte(Console::Nes) - FigureLayout::firstByte(Console::Nes);
constexpr std::int64_t kSnesTileBytes = FigureLayout::endByte(Console::Snes) - FigureLayout::firstByte(Console::Snes);

// The colours a figure pixel may take.
std::vector<std::uint32_t> allowedColours(ConsoleKind kind, const clsTeam& team, int variant) {
    using modGraphics::nesColorToRGB;
    if (kind == Console::Nes)
        return {nesColorToRGB(0x11, false, 0), nesColorToRGB(0x0F, false, 0),
                nesColorToRGB((variant & 1) ? 0x17 : 0x27, false, 0),
                nesColorToRGB((variant & 2) ? team.getUniformColor_NES_1() : team.getUniformColor_NES_0(), false, 0)};
    std::vector<std::uint32_t> colours = {0};
    for (int v = 1; v < 16; ++v) colours.push_back(team.getUniformColor_RGB(variant * 16 + v));
    return colours;
}

void checkDrawing(ConsoleKind kind, const clsTeam& team, int variant, const RomImage& rom, std::int64_t tileStart) {
    constexpr std::uint32_t kUntouched = 0xABCDEF;
    PixelImage surface(34, 98, kUntouched);
    const int result = modGraphics::drawPlayerSprite(surface, kind, team, variant, rom);
    if (kind != Console::Nes && kind != Console::Snes) {
        require(result == 0 && surface == PixelImage(34, 98, kUntouched), "a figure of no edition drew something");
        return;
    }
    const std::int64_t tileBytes = kind == Console::Nes ? kNesTileBytes : kSnesTileBytes;
    const bool complete = static_cast<std::int64_t>(rom.size()) >= tileStart + tileBytes;
    require((result == 0) == complete, "the figure's result does not tell whether the image holds its tiles");
    if (result != 0) return;
    const std::vector<std::uint32_t> allowed = allowedColours(kind, team, variant);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const std::uint32_t c = surface.get(x, y);
            require(std::find(allowed.begin(), allowed.end(), c) != allowed.end(),
                    "a figure pixel has a foreign colour");
            require(c == surface.get(x & ~1, y & ~1), "a figure pixel is not part of its 2 x 2 block");
        }
    require(surface.get(kWidth, 0) == kUntouched && surface.get(0, kHeight) == kUntouched,
            "the figure drew beyond 32 x 96");
}

// A decoder at any offset and count over the image: it succeeds exactly when every tile
// lies in the image, and writes only pixel values of its format into an array of room.
void checkDecoder(bool nes, const RomImage& rom, std::int32_t offset, int count, std::size_t arraySize) {
    std::vector<std::uint8_t> pixels(arraySize, 0xEE);
    const bool ok = nes ? modGraphics::decodeNesTiles(rom, offset, count, pixels)
                        : modGraphics::decodeSnesTiles(rom, offset, count, pixels);
    const std::int64_t tileBytes = nes ? 16 : 32;
    const bool inside =
        count <= 0 || (offset >= 0 && offset + tileBytes * count <= static_cast<std::int64_t>(rom.size()));
    require(ok == inside, "a decoder's result does not tell whether the tiles lie in the image");
    if (!ok || count <= 0) return;
    require(pixels.size() >= 64 * static_cast<std::size_t>(count), "a decoder's pixel array is too small");
    for (std::size_t i = 0; i < 64 * static_cast<std::size_t>(count); ++i)
        require(pixels[i] < (nes ? 4 : 16), "a decoder wrote a pixel value its format cannot hold");
}

}  // namespace

int FuzzFigure(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t mode = in.byte();
    const ConsoleKind kinds[] = {Console::Nes, Console::Snes, Console::None, 3};
    const ConsoleKind kind = kinds[mode & 3];
    // The editor steps the NES figure through variants 0..3 and the SNES figure through
    // its eight palettes 0..7; drawPlayerSprite is only ever asked for those.
    const int variant = (mode >> 2) & (kind == Console::Snes ? 7 : 3);
    const bool decodeNes = (mode & 0x20) == 0;
    const auto decodeOffset = static_cast<std::int8_t>(in.byte());
    const auto decodeCount = static_cast<std::int8_t>(in.byte());
    const std::size_t decodeArray = in.byte();

    clsTeam team;
    team.setUniformColor_NES(in.byte(), in.byte());
    const std::string snes = in.take(256);
    for (std::size_t k = 0; k < snes.size(); ++k)
        team.setSnesByte(static_cast<int>(k), static_cast<std::uint8_t>(snes[k]));

    // The image: the rest of the input from the figure's first tile offset on, ending with
    // the input. One image per edition is kept between runs, so that only its tail is
    // written; the zeros before the tiles are never read.
    static RomImage nesRom, snesRom;
    RomImage& rom = kind == Console::Snes ? snesRom : nesRom;
    const std::int64_t tileStart = FigureLayout::firstByte(kind);
    const std::string tiles = in.take(static_cast<std::size_t>(std::max(kNesTileBytes, kSnesTileBytes)));
    rom.resize(static_cast<std::size_t>(tileStart) + tiles.size(), 0);
    std::copy(tiles.begin(), tiles.end(), rom.begin() + tileStart);
    checkDrawing(kind, team, variant, rom, tileStart);

    // The decoders over the last bytes of the image, at offsets around them.
    const RomImage small(rom.end() - static_cast<std::ptrdiff_t>(tiles.size()), rom.end());
    checkDecoder(decodeNes, small, decodeOffset, decodeCount, decodeArray);
    return 0;
}
