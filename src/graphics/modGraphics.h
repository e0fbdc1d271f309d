#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "graphics/PixelImage.h"
#include "model/clsTeam.h"

// Console colour models and the uniform preview figure.
namespace modGraphics {

// NES colour index to display colour. Monochrome keeps only the brightness row and
// ignores emphasis; emphasis bits 0/1/2 intensify red/green/blue. Indexes above 0x3F
// give black.
std::uint32_t nesColorToRGB(std::uint8_t index, bool monochrome, std::uint8_t emphasis);

// The display colour of a team's uniform swatch as the team editor shows it for the
// edition: NES swatch 0..1, the colour index at full brightness without emphasis; SNES
// swatch 0..127, the colour word. None when the team's uniform of that edition has not been
// set, or for another kind.
std::optional<std::uint32_t> uniformSwatchRgb(const clsTeam& team, ConsoleKind kind, int swatch);

// Tile decoders: pixel (r, x) of tile t goes to pixels[64t + 8r + x]. The array grows to
// 64 * count + 1 entries when it is smaller. False when the image ends inside the tiles
// (the tiles before that are decoded).
bool decodeNesTiles(const RomImage& rom, std::int32_t offset, int count, std::vector<std::uint8_t>& pixels);
bool decodeSnesTiles(const RomImage& rom, std::int32_t offset, int count, std::vector<std::uint8_t>& pixels);

// (value / 2^n) & 255.
std::uint8_t shiftRight(int value, int n);

// The highest figure variant of an edition: NES 3 (skin tone and uniform colour), SNES 7
// (the team's eight palettes).
int lastVariant(ConsoleKind kind);

// drawPlayerSprite's result for a variant outside 0..lastVariant(kind).
inline constexpr int kBadVariant = 1;

// Draws the 16 x 48 figure (its tiles placed as FigureLayout says) of the team in the given variant into the top-left
// corner of surface, then doubles it to 32 x 96 (each pixel a 2 x 2 block). 0 when drawn, 2 when the image ends inside
// the tile data (the figure is then incomplete), kBadVariant (the surface untouched) for a variant the edition does not
// have. Other kinds draw nothing but the doubling.
int drawPlayerSprite(PixelImage& surface, ConsoleKind kind, const clsTeam& team, int variant, const RomImage& rom);

// Text forms of colours: two upper-case hex digits for an NES index ("0F"); an SNES word
// in upper-case hex without leading zeros ("7FFF", "0").
std::string nesIndexText(int index);
std::string snesWordText(int word);
// Hex digits up to the first non-hex character, as a 16-bit two's-complement value
// ("FFFF" -> -1); no digits give 0. Callers wanting a colour word keep & 0x7FFF.
std::int16_t readHexWord(std::string_view text);
// An SNES colour word typed as text: one to four hex digits in either letter case, with
// blanks around them, naming 0 to 7FFF; any other text is no colour.
std::optional<int> snesWordOfText(std::string_view text);

// The 32 x 96 figure as a binary PPM (P6) file's bytes.
std::vector<std::uint8_t> toPpm(const PixelImage& image, int width, int height);

}  // namespace modGraphics
