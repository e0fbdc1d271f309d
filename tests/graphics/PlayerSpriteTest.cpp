#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/modGraphics.h"
#include "model/SnesColorWord.h"

namespace {

constexpr std::uint32_t rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r + 256 * g + 65536 * b); }
constexpr std::uint32_t kUntouched = rgb(1, 2, 3);

struct Pos {
    int x, y;
};

// Where each tile of the figure goes, in decoding order.
const std::array<Pos, 12> kNesLayout = {{{8, 0}, {8, 8}, {0, 0}, {0, 8}, {8, 16}, {8, 24},
                                         {0, 16}, {0, 24}, {8, 32}, {8, 40}, {0, 32}, {0, 40}}};
const std::array<Pos, 12> kSnesLayout = {{{0, 0}, {8, 0}, {0, 16}, {8, 16},                     // run 1
                                          {0, 8}, {8, 8}, {0, 24}, {8, 24}, {0, 32}, {8, 32},   // run 2
                                          {0, 40}, {8, 40}}};                                   // run 3
const std::array<std::int32_t, 3> kRunOffsets = {0x88180, 0x88380, 0x88600};
const std::array<int, 3> kRunTiles = {4, 6, 2};

// A pixel value for each tile k of the figure that tells the tiles apart: row 0 spells k
// in binary (value 1 for a set bit, 0 for a clear one, bit 0 leftmost); (r, x) elsewhere
// cycles through the values the format has.
int patternValue(int k, int r, int x, int values) {
    if (r == 0) return x < 4 ? ((k >> x) & 1) : 0;
    return (r * 8 + x + k) % values;
}

std::vector<std::uint8_t> nesTileBytes(int k) {
    std::vector<std::uint8_t> b(16, 0);
    for (int r = 0; r < 8; ++r)
        for (int x = 0; x < 8; ++x) {
            int v = patternValue(k, r, x, 4);
            if (v & 1) b[r] |= static_cast<std::uint8_t>(1 << x);
            if (v & 2) b[8 + r] |= static_cast<std::uint8_t>(1 << x);
        }
    return b;
}

std::vector<std::uint8_t> snesTileBytes(int k) {
    std::vector<std::uint8_t> b(32, 0);
    const int planeAt[4] = {0, 1, 16, 17};
    for (int r = 0; r < 8; ++r)
        for (int x = 0; x < 8; ++x) {
            int v = patternValue(k, r, x, 16);
            for (int p = 0; p < 4; ++p)
                if (v & (1 << p)) b[planeAt[p] + 2 * r] |= static_cast<std::uint8_t>(0x80 >> x);
        }
    return b;
}

void place(RomImage& rom, std::size_t at, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) rom[at + i] = bytes[i];
}

RomImage nesImage() {
    RomImage rom(0x40710 + 12 * 16 + 7, 0x5A);
    for (int k = 0; k < 12; ++k) place(rom, 0x40710 + 16 * static_cast<std::size_t>(k), nesTileBytes(k));
    return rom;
}

RomImage snesImage() {
    RomImage rom(0x88600 + 2 * 32 + 9, 0xA5);
    int k = 0;
    for (int run = 0; run < 3; ++run)
        for (int t = 0; t < kRunTiles[run]; ++t, ++k)
            place(rom, static_cast<std::size_t>(kRunOffsets[run]) + 32 * static_cast<std::size_t>(t), snesTileBytes(k));
    return rom;
}

// The 16 x 48 figure of pixel values the layout gives.
std::array<std::array<int, 16>, 48> figureValues(const std::array<Pos, 12>& layout, int values) {
    std::array<std::array<int, 16>, 48> fig{};
    for (auto& row : fig) row.fill(-1);
    for (int k = 0; k < 12; ++k)
        for (int r = 0; r < 8; ++r)
            for (int x = 0; x < 8; ++x) fig[layout[k].y + r][layout[k].x + x] = patternValue(k, r, x, values);
    return fig;
}

// Every pixel of the 32 x 96 picture against the coloured figure, each figure pixel a
// 2 x 2 block; the border of the 34 x 98 surface stays as it was.
template <typename ColourOf>
void expectDoubledFigure(const PixelImage& surface, const std::array<Pos, 12>& layout, int values,
                         ColourOf colourOf, const std::string& what) {
    const auto fig = figureValues(layout, values);
    int wrong = 0;
    for (int y = 0; y < 98; ++y)
        for (int x = 0; x < 34; ++x) {
            const std::uint32_t want = (x < 32 && y < 96) ? colourOf(fig[y / 2][x / 2]) : kUntouched;
            if (surface.get(x, y) != want && ++wrong <= 5)
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") is " << std::hex << surface.get(x, y)
                              << ", want " << want;
        }
    EXPECT_EQ(wrong, 0) << what;
}

TEST(DrawPlayerSprite, NesVariantsPickSkinToneAndUniformColour) {
    const RomImage rom = nesImage();
    const struct {
        std::uint8_t colour0, colour1;
        int variant;
        std::uint32_t skin, uniform;
    } rows[] = {
        {0x16, 0x2A, 0, rgb(255, 156, 18), rgb(255, 34, 0)},  // 0x16 (255, 34, 0), 0x2A (43, 240, 53)
        {0x16, 0x2A, 1, rgb(214, 50, 0), rgb(255, 34, 0)},
        {0x16, 0x2A, 2, rgb(255, 156, 18), rgb(43, 240, 53)},
        {0x16, 0x2A, 3, rgb(214, 50, 0), rgb(43, 240, 53)},
        {0x16, 0x2A, 4, rgb(255, 156, 18), rgb(255, 34, 0)},  // only the low two bits count
        {0x16, 0x2A, 7, rgb(214, 50, 0), rgb(43, 240, 53)},
        {0x40, 0xFF, 0, rgb(255, 156, 18), 0},  // beyond the palette: black
        {0x40, 0xFF, 2, rgb(255, 156, 18), 0},
    };
    for (const auto& row : rows) {
        clsTeam team;
        team.setUniformColor_NES(row.colour0, row.colour1);
        PixelImage surface(34, 98, kUntouched);
        ASSERT_EQ(modGraphics::drawPlayerSprite(surface, Console::Nes, team, row.variant, rom), 0);
        const std::array<std::uint32_t, 4> palette = {rgb(0, 119, 255), rgb(5, 5, 5), row.skin, row.uniform};
        expectDoubledFigure(surface, kNesLayout, 4, [&](int v) { return palette.at(static_cast<std::size_t>(v)); },
                            "NES colour " + std::to_string(row.colour0) + ", variant " + std::to_string(row.variant));
    }
}

// Entry i holds a colour of its own: word i + 1 (so entry 0 is not black either).
clsTeam snesTeam() {
    clsTeam team;
    for (int i = 0; i < 128; ++i) team.setUniformColor_1Word(i, i + 1);
    return team;
}

TEST(DrawPlayerSprite, SnesPaletteNumberSelectsSixteenEntriesAndValueZeroIsBlack) {
    const RomImage rom = snesImage();
    const clsTeam team = snesTeam();
    for (int variant = 0; variant < 8; ++variant) {
        PixelImage surface(34, 98, kUntouched);
        ASSERT_EQ(modGraphics::drawPlayerSprite(surface, Console::Snes, team, variant, rom), 0);
        expectDoubledFigure(
            surface, kSnesLayout, 16,
            [&](int v) { return v == 0 ? 0u : SnesColor::toRgb(16 * variant + v + 1); },
            "SNES palette " + std::to_string(variant));
    }
}

TEST(DrawPlayerSprite, SnesPaletteSevenValueFifteenTakesTheLastEntry) {
    // one solid tile of value 15 at the head of run 1 (drawn at 0,0), the rest value 0
    RomImage rom(0x88600 + 64, 0);
    place(rom, 0x88180, std::vector<std::uint8_t>(32, 0xFF));
    clsTeam team;
    team.setUniformColor_1Word(127, 0x7C1F);
    team.setUniformColor_1Word(112, 0x03E0);      // entry base + 0 must never show
    team.setUniformColor_2Bytes(15, 0xFF, 0xFF);  // bit 15 stored: ignored
    team.setUniformColor_2Bytes(31, 0x1F, 0x80);
    const struct {
        int variant;
        std::uint32_t solid;
    } rows[] = {{7, rgb(248, 0, 248)}, {15, rgb(248, 0, 248)}, {0, rgb(248, 248, 248)}, {1, rgb(248, 0, 0)}};
    for (const auto& row : rows) {
        PixelImage surface(34, 98, kUntouched);
        ASSERT_EQ(modGraphics::drawPlayerSprite(surface, Console::Snes, team, row.variant, rom), 0);
        EXPECT_EQ(surface.get(0, 0), row.solid) << row.variant;
        EXPECT_EQ(surface.get(15, 15), row.solid) << row.variant;
        EXPECT_EQ(surface.get(16, 0), 0u) << row.variant;  // tile 1.1: value 0 is black
        EXPECT_EQ(surface.get(31, 95), 0u) << row.variant;
    }
}

TEST(DrawPlayerSprite, ImageEndingInsideTheTilesGivesResultTwo) {
    const RomImage nes = nesImage();
    const RomImage snes = snesImage();
    const clsTeam team = snesTeam();
    const struct {
        const char* what;
        ConsoleKind kind;
        std::size_t length;
        int result;
        int runsDrawn;  // SNES runs already in the picture (undoubled)
    } rows[] = {
        {"NES: image ends just before the tiles", Console::Nes, 0x40710, 2, 0},
        {"NES: image ends inside the last tile", Console::Nes, 0x40710 + 12 * 16 - 1, 2, 0},
        {"NES: image ends with the last tile", Console::Nes, 0x40710 + 12 * 16, 0, 0},
        {"NES: tiny image", Console::Nes, 16, 2, 0},
        {"SNES: image ends before run 1", Console::Snes, 0x88180, 2, 0},
        {"SNES: image ends inside run 2", Console::Snes, 0x88380 + 3 * 32 + 5, 2, 1},
        {"SNES: image ends inside run 3", Console::Snes, 0x88600 + 63, 2, 2},
        {"SNES: image ends with run 3", Console::Snes, 0x88600 + 64, 0, 3},
        {"SNES: empty image", Console::Snes, 0, 2, 0},
    };
    for (const auto& row : rows) {
        const RomImage& full = row.kind == Console::Nes ? nes : snes;
        const RomImage rom(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(row.length));
        PixelImage surface(34, 98, kUntouched);
        EXPECT_EQ(modGraphics::drawPlayerSprite(surface, row.kind, team, 0, rom), row.result) << row.what;
        if (row.result == 0) continue;
        // Nothing is doubled; only the runs decoded before the failure are in the figure.
        const auto fig = figureValues(kSnesLayout, 16);
        int firstTile = 0;
        for (int run = 0; run < 3; ++run) {
            for (int t = 0; t < kRunTiles[run]; ++t) {
                const Pos at = kSnesLayout[firstTile + t];
                const bool drawn = run < row.runsDrawn;
                const int v = fig[at.y + 1][at.x + 1];
                const std::uint32_t want = drawn ? (v == 0 ? 0u : SnesColor::toRgb(v + 1)) : kUntouched;
                EXPECT_EQ(surface.get(at.x + 1, at.y + 1), want) << row.what << ", run " << run + 1 << " tile " << t;
            }
            firstTile += kRunTiles[run];
        }
        for (int y = 0; y < 98; ++y)
            for (int x = 16; x < 34; ++x) ASSERT_EQ(surface.get(x, y), kUntouched) << row.what << " at " << x << "," << y;
    }
}

TEST(DrawPlayerSprite, OtherConsoleKindsOnlyDoubleWhatIsThere) {
    PixelImage surface(34, 98, kUntouched);
    surface.set(3, 5, rgb(9, 8, 7));
    surface.set(15, 47, rgb(200, 0, 0));
    surface.set(20, 60, rgb(0, 0, 200));  // outside the figure: covered by the doubling
    clsTeam team;
    EXPECT_EQ(modGraphics::drawPlayerSprite(surface, Console::None, team, 0, RomImage{}), 0);
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            EXPECT_EQ(surface.get(6 + dx, 10 + dy), rgb(9, 8, 7));
            EXPECT_EQ(surface.get(30 + dx, 94 + dy), rgb(200, 0, 0));
        }
    EXPECT_EQ(surface.get(20, 60), kUntouched);
    EXPECT_EQ(surface.get(33, 97), kUntouched);
}

TEST(Ppm, HeaderThenRgbBytesRowByRow) {
    PixelImage image(34, 98, kUntouched);
    image.set(0, 0, rgb(0x10, 0x20, 0x30));
    image.set(1, 0, rgb(0xFF, 0x00, 0x7F));
    image.set(0, 1, rgb(0x01, 0x02, 0x03));
    image.set(31, 95, rgb(0xAA, 0xBB, 0xCC));
    const auto ppm = modGraphics::toPpm(image, 32, 96);
    const std::string header = "P6\n32 96\n255\n";
    ASSERT_EQ(ppm.size(), header.size() + 32 * 96 * 3);
    EXPECT_EQ(std::string(ppm.begin(), ppm.begin() + static_cast<std::ptrdiff_t>(header.size())), header);
    const std::size_t h = header.size();
    const struct {
        std::size_t at;
        std::uint8_t r, g, b;
    } rows[] = {
        {h, 0x10, 0x20, 0x30},
        {h + 3, 0xFF, 0x00, 0x7F},
        {h + 6, 1, 2, 3},        // (2, 0) keeps the fill colour
        {h + 32 * 3, 1, 2, 3},   // (0, 1)
        {h + 32 * 95 * 3 + 31 * 3, 0xAA, 0xBB, 0xCC},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(ppm[r.at], r.r) << r.at;
        EXPECT_EQ(ppm[r.at + 1], r.g) << r.at;
        EXPECT_EQ(ppm[r.at + 2], r.b) << r.at;
    }
    // pixels beyond a smaller picture read as black
    const auto wide = modGraphics::toPpm(PixelImage(1, 1, rgb(5, 6, 7)), 2, 1);
    EXPECT_EQ(wide, (std::vector<std::uint8_t>{'P', '6', '\n', '2', ' ', '1', '\n', '2', '5', '5', '\n', 5, 6, 7, 0, 0, 0}));
}

}  // namespace
