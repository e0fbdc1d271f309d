#include <gtest/gtest.h>

#include <climits>

#include "codec/RomReader.h"
#include "graphics/modGraphics.h"
#include "support/ReferenceImages.h"

namespace {

using SnesColor::rgb;

// NES: plane 0 in bytes 0-7, plane 1 in bytes 8-15, bit 0 leftmost. SNES: row r in bytes 2r,
// 2r + 1, 16 + 2r, 17 + 2r weighing 1, 2, 4, 8, bit 7 leftmost.
const struct {
    const char* name;
    bool (*decode)(const RomImage&, std::int32_t, int, std::vector<std::uint8_t>&);
    std::string tile, picture;
} kFormats[] = {
    {"NES", modGraphics::decodeNesTiles, "\x01\x02\x04\x08\x10\x20\x40\x80\x0F\x0F\x0F\x0F\xF0\xF0\xF0\xF0",
     "3222000023220000223200002223000000003222000023220000223200002223"},
    {"SNES", modGraphics::decodeSnesTiles,
     std::string("\x80\xFF\x40\x01\x20\x02\x10\x04\x08\x08\x04\x10\x02\x20\x01\x40\xF0\x00\xF0\xFF\x0F\x00\x0F\x0F\x00"
                 "\xF0\x00\x00\xAA\x55\x55\xAA",
                 32),
     "76662222CDCC888A001044640001CECC88883000000201004868485886848485"},
};

// Tiles decode in order until the image ends. An array below 64 * count + 1 entries is
// replaced (old contents dropped); a larger one keeps its size and the entries beyond the tiles.
TEST(TileDecoders, HandMadeTilesInOrderUntilTheImageEnds) {
    for (const auto& f : kFormats) {
        std::string want = f.picture;  // the pixel values, row by row
        for (char& c : want) c = static_cast<char>(std::stoi(std::string(1, c), nullptr, 16));
        const std::size_t n = f.tile.size(), all = 3 + 4 * n;
        RomImage rom(3, 0xFF);  // filler, then four copies of the tile
        for (int i = 0; i < 4; ++i) rom.insert(rom.end(), f.tile.begin(), f.tile.end());
        // name, the image's length, offset, count, whether all decode, tiles in the array afterwards, entries of the
        // array before and after, its last entry afterwards
        const std::tuple<const char*, std::size_t, std::int64_t, int, bool, int, std::size_t, std::size_t, int> rows[] =
            {
                {"four whole tiles into an empty array", all, 3, 4, true, 4, 0, 257, 0},
                {"the last tile a byte short", all - 1, 3, 4, false, 3, 256, 257, 0},
                {"the third tile cut in half, the array kept", 3 + 2 * n + n / 2, 3, 4, false, 2, 257, 257, 0xEE},
                {"a larger array keeps its size and its tail", all, 3, 4, true, 4, 600, 600, 0xEE},
                {"at the image's end", all, static_cast<std::int64_t>(all), 1, false, 0, 0, 65, 0},
                {"at -1", all, -1, 1, false, 0, 0, 65, 0},
                {"a count no image holds", all, 3, INT_MAX, false, 0, 5, 5, 0xEE},
            };
        for (const auto& [name, length, offset, count, ok, decoded, before, after, tail] : rows) {
            SCOPED_TRACE(std::string(f.name) + ", " + name);
            std::vector<std::uint8_t> pixels(before, 0xEE);
            const RomImage image(rom.begin(), rom.begin() + static_cast<std::ptrdiff_t>(length));
            EXPECT_EQ(f.decode(image, static_cast<std::int32_t>(offset), count, pixels), ok);
            ASSERT_EQ(pixels.size(), after);
            EXPECT_TRUE(after == 0 || pixels.back() == tail);
            for (int t = 0; t < decoded; ++t)
                EXPECT_EQ(std::string(pixels.begin() + 64 * t, pixels.begin() + 64 * t + 64), want) << "tile " << t;
        }
    }
}

// A variant the edition does not have draws nothing and says so; the last one of each draws, within 32 x 96.
// Tile data one byte short of the last tile gives 2. (Where each tile goes, in which colours, is the reference
// figures' test.)
TEST(DrawPlayerSprite, VariantsOutsideTheEditionDrawNothingAndCutTilesGive2) {
    const RomImage rom(0x88600 + 64, 0x5A);  // tiles of both editions, all of one pattern
    clsTeam team;
    const PixelImage blank(34, 98, rgb(1, 2, 3));
    const std::tuple<const char*, ConsoleKind, int, int> rows[] = {
        {"NES 3", Console::Nes, 3, 0},
        {"NES 4", Console::Nes, 4, modGraphics::kBadVariant},
        {"NES -1", Console::Nes, -1, modGraphics::kBadVariant},
        {"SNES 7", Console::Snes, 7, 0},
        {"SNES 8", Console::Snes, 8, modGraphics::kBadVariant},
    };
    for (const auto& [name, kind, variant, result] : rows) {
        SCOPED_TRACE(name);
        PixelImage surface = blank;
        EXPECT_EQ(modGraphics::drawPlayerSprite(surface, kind, team, variant, rom), result);
        EXPECT_EQ(surface == blank, result != 0);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 32; ++x) surface.set(x, y, rgb(1, 2, 3));
        EXPECT_TRUE(surface == blank) << "drawn outside 32 x 96";
    }
    for (const auto& [kind, end] : {std::pair{Console::Nes, 0x40710 + 192}, {Console::Snes, 0x88600 + 64}}) {
        PixelImage surface(34, 98);
        EXPECT_EQ(modGraphics::drawPlayerSprite(surface, kind, team, 0, RomImage(rom.begin(), rom.begin() + end)), 0)
            << kind;
        EXPECT_EQ(modGraphics::drawPlayerSprite(surface, kind, team, 0, RomImage(rom.begin(), rom.begin() + end - 1)),
                  2)
            << kind;
    }
}

// Team 0 of each reference image in every variant: the 32 x 96 picture equals the reference.
TEST(DrawPlayerSprite, ReferenceFigures) {
    REQUIRE_FIXTURES();
    for (const testsupport::Reference& f : testsupport::kReferences) {
        const RomImage rom = f.image();
        clsProject league;
        ASSERT_EQ(loadProjectFromRom(league, rom, testsupport::defaultOffsets(f.kind), f.kind), Result::Ok) << f.folder;
        for (int v = 0; v < (f.kind == Console::Nes ? 4 : 8); ++v) {
            PixelImage surface(34, 98);
            ASSERT_EQ(modGraphics::drawPlayerSprite(surface, f.kind, *league.getTeamRef(0), v, rom), 0);
            const std::string reference = f.path("expected/sprite_" + std::to_string(v) + ".ppm");
            EXPECT_TRUE(modGraphics::toPpm(surface, 32, 96) == testsupport::readBytes(reference)) << reference;
        }
    }
}

}  // namespace
