#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/modGraphics.h"

namespace {

using Picture = std::array<std::array<int, 8>, 8>;  // [row][column]

// The decoded picture of tile t.
Picture tileOf(const std::vector<std::uint8_t>& pixels, int t) {
    Picture p{};
    for (int r = 0; r < 8; ++r)
        for (int x = 0; x < 8; ++x) p[r][x] = pixels.at(static_cast<std::size_t>(64 * t + 8 * r + x));
    return p;
}

std::string show(const Picture& p) {
    std::string s;
    for (const auto& row : p) {
        for (int v : row) s += "0123456789ABCDEF"[v & 15];
        s += '\n';
    }
    return s;
}

struct TileRow {
    const char* name;
    std::vector<std::uint8_t> bytes;  // one tile
    Picture expected;
};

// NES tiles: plane 0 in bytes 0-7, plane 1 in bytes 8-15, bit 0 the leftmost column.
std::vector<TileRow> nesRows() {
    std::vector<TileRow> rows;
    {
        TileRow t{"diagonal in plane 0", std::vector<std::uint8_t>(16, 0), {}};
        for (int r = 0; r < 8; ++r) {
            t.bytes[r] = static_cast<std::uint8_t>(1 << r);
            t.expected[r][r] = 1;
        }
        rows.push_back(t);
    }
    {
        TileRow t{"one bit per plane", std::vector<std::uint8_t>(16, 0), {}};
        t.bytes[2] = 0x80;      // plane 0, row 2, bit 7 -> rightmost column
        t.bytes[8 + 5] = 0x01;  // plane 1, row 5, bit 0 -> leftmost column
        t.expected[2][7] = 1;
        t.expected[5][0] = 2;
        rows.push_back(t);
    }
    {
        TileRow t{"all four values", std::vector<std::uint8_t>(16, 0), {}};
        for (int r = 0; r < 8; ++r) {
            t.bytes[r] = 0xAA;
            t.bytes[8 + r] = 0xCC;
            t.expected[r] = {0, 1, 2, 3, 0, 1, 2, 3};
        }
        rows.push_back(t);
    }
    {
        TileRow t{"solid value 3", std::vector<std::uint8_t>(16, 0xFF), {}};
        for (auto& row : t.expected) row.fill(3);
        rows.push_back(t);
    }
    return rows;
}

// SNES tiles: row r has planes at bytes 2r, 2r+1, 16+2r, 17+2r; bit 7 the leftmost column.
std::vector<TileRow> snesRows() {
    std::vector<TileRow> rows;
    {
        TileRow t{"diagonal in plane 0", std::vector<std::uint8_t>(32, 0), {}};
        for (int r = 0; r < 8; ++r) {
            t.bytes[2 * r] = static_cast<std::uint8_t>(0x80 >> r);
            t.expected[r][r] = 1;
        }
        rows.push_back(t);
    }
    {
        TileRow t{"one bit per plane", std::vector<std::uint8_t>(32, 0), {}};
        t.bytes[2] = 0x80;   // plane 0, row 1, column 0
        t.bytes[7] = 0x01;   // plane 1, row 3, column 7
        t.bytes[26] = 0x10;  // plane 2, row 5, column 3
        t.bytes[31] = 0x08;  // plane 3, row 7, column 4
        t.expected[1][0] = 1;
        t.expected[3][7] = 2;
        t.expected[5][3] = 4;
        t.expected[7][4] = 8;
        rows.push_back(t);
    }
    {
        TileRow t{"all sixteen values", std::vector<std::uint8_t>(32, 0), {}};
        // rows 0 and 1 count 0..7 and 8..15 from the left
        for (int r = 0; r < 2; ++r) {
            t.bytes[2 * r] = 0x55;
            t.bytes[2 * r + 1] = 0x33;
            t.bytes[16 + 2 * r] = 0x0F;
            t.bytes[17 + 2 * r] = r == 1 ? 0xFF : 0x00;
            for (int x = 0; x < 8; ++x) t.expected[r][x] = 8 * r + x;
        }
        rows.push_back(t);
    }
    {
        TileRow t{"solid value 15", std::vector<std::uint8_t>(32, 0xFF), {}};
        for (auto& row : t.expected) row.fill(15);
        rows.push_back(t);
    }
    return rows;
}

using Decoder = bool (*)(const RomImage&, std::int32_t, int, std::vector<std::uint8_t>&);

struct Format {
    const char* name;
    Decoder decode;
    int tileBytes;
    std::vector<TileRow> (*rows)();
};

const Format kFormats[] = {
    {"NES", modGraphics::decodeNesTiles, 16, nesRows},
    {"SNES", modGraphics::decodeSnesTiles, 32, snesRows},
};

TEST(TileDecoders, HandMadeTilesGiveTheirPictures) {
    for (const Format& f : kFormats) {
        for (const TileRow& row : f.rows()) {
            // the tile at a non-zero offset, between filler bytes
            RomImage rom(5, 0xFF);
            rom.insert(rom.end(), row.bytes.begin(), row.bytes.end());
            rom.push_back(0xFF);
            std::vector<std::uint8_t> pixels;
            ASSERT_TRUE(f.decode(rom, 5, 1, pixels)) << f.name << " " << row.name;
            EXPECT_EQ(show(tileOf(pixels, 0)), show(row.expected)) << f.name << " " << row.name;
        }
    }
}

TEST(TileDecoders, PixelArrayGrowsOnlyWhenTooSmall) {
    const struct {
        std::size_t before;
        int count;
        std::size_t after;
        bool oldTailKept;
    } rows[] = {
        {0, 2, 129, false},    // empty: 0 .. 64 * count
        {100, 2, 129, false},  // too small: replaced, old contents dropped
        {128, 2, 129, false},  // upper bound 127 is still below 128
        {129, 2, 129, true},   // exactly large enough: kept
        {500, 2, 500, true},   // larger: keeps its size and the entries beyond the tiles
    };
    for (const Format& f : kFormats) {
        const RomImage rom(static_cast<std::size_t>(2 * f.tileBytes), 0xFF);  // two solid tiles
        for (const auto& r : rows) {
            std::vector<std::uint8_t> pixels(r.before, 0xEE);
            ASSERT_TRUE(f.decode(rom, 0, r.count, pixels)) << f.name;
            EXPECT_EQ(pixels.size(), r.after) << f.name << " from " << r.before;
            EXPECT_EQ(pixels[127], f.tileBytes == 16 ? 3 : 15) << f.name << " from " << r.before;
            EXPECT_EQ(pixels[128], r.oldTailKept ? 0xEE : 0) << f.name << " from " << r.before;
            if (r.after > 129) {
                EXPECT_EQ(pixels.back(), 0xEE) << f.name;
            }
        }
        // The dropped contents show where a cut-short decode leaves the array unwritten.
        const RomImage oneTile(static_cast<std::size_t>(f.tileBytes), 0xFF);
        std::vector<std::uint8_t> pixels(100, 0xEE);
        ASSERT_FALSE(f.decode(oneTile, 0, 2, pixels)) << f.name;
        ASSERT_EQ(pixels.size(), 129u) << f.name;
        for (std::size_t i = 64; i < 129; ++i) ASSERT_EQ(pixels[i], 0) << f.name << " entry " << i;
    }
}

TEST(TileDecoders, FailAtTheEndOfTheImageWithEarlierTilesDecoded) {
    for (const Format& f : kFormats) {
        const auto rows = f.rows();
        RomImage full;
        for (const TileRow& row : rows) full.insert(full.end(), row.bytes.begin(), row.bytes.end());
        const std::size_t tb = static_cast<std::size_t>(f.tileBytes);
        const struct {
            const char* what;
            std::size_t length;  // image length
            std::int32_t offset;
            int count;
            bool ok;
            int decodedTiles;  // leading tiles that must be in the array
        } cases[] = {
            {"image ends exactly after the last tile", 4 * tb, 0, 4, true, 4},
            {"image ends inside the third tile", 2 * tb + tb / 2, 0, 4, false, 2},
            {"image ends one byte short", 4 * tb - 1, 0, 4, false, 3},
            {"offset at the end", 4 * tb, static_cast<std::int32_t>(4 * tb), 1, false, 0},
            {"offset far beyond the end", 4 * tb, 0x7FFFFFF0, 2, false, 0},
            {"negative offset", 4 * tb, -1, 1, false, 0},
            {"negative offset by a whole tile", 4 * tb, -f.tileBytes, 2, false, 0},
            {"no tiles asked for", 0, 0, 0, true, 0},
        };
        for (const auto& c : cases) {
            const RomImage rom(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.length));
            std::vector<std::uint8_t> pixels;
            EXPECT_EQ(f.decode(rom, c.offset, c.count, pixels), c.ok) << f.name << ": " << c.what;
            for (int t = 0; t < c.decodedTiles; ++t)
                EXPECT_EQ(show(tileOf(pixels, t)), show(rows[static_cast<std::size_t>(t)].expected))
                    << f.name << ": " << c.what << ", tile " << t;
            // the tile the image cuts short is not half-written
            if (!c.ok && c.decodedTiles < c.count && pixels.size() > static_cast<std::size_t>(64 * c.decodedTiles)) {
                EXPECT_EQ(show(tileOf(pixels, c.decodedTiles)), show(Picture{})) << f.name << ": " << c.what;
            }
        }
    }
}

TEST(TileDecoders, AbsurdTileCountsAreRefusedWithoutSizingTheArray) {
    const RomImage rom(64, 0);
    for (const Format& f : kFormats) {
        std::vector<std::uint8_t> pixels(3, 7);
        EXPECT_FALSE(f.decode(rom, 0, INT_MAX, pixels)) << f.name;
        EXPECT_EQ(pixels.size(), 3u) << f.name;
    }
}

TEST(ShiftRight, DividesByPowersOfTwoAndKeepsTheLowByte) {
    const struct {
        int value, n, expected;
    } rows[] = {
        {0x80, 0, 0x80}, {0x80, 1, 0x40}, {0x80, 2, 0x20}, {0x80, 3, 0x10}, {0x80, 4, 0x08},
        {0x80, 5, 0x04}, {0x80, 6, 0x02}, {0x80, 7, 0x01}, {0x80, 8, 0x00}, {0x1234, 4, 0x23},
        {0x1234, 0, 0x34}, {0xFFFF, 8, 0xFF}, {-256, 4, 0xF0}, {-1, 1, 0x00}, {-3, 1, 0xFF},
        {INT_MAX, 31, 0x00}, {INT_MIN, 31, 0xFF}, {0x80, 40, 0x00},
    };
    for (const auto& r : rows)
        EXPECT_EQ(modGraphics::shiftRight(r.value, r.n), r.expected) << r.value << " >> " << r.n;
}

}  // namespace
