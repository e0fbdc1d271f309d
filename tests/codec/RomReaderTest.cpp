// The reader on images assembled by hand, both editions: text pointers through each table's view, and damaged
// images, which give non-zero and are never read outside their bytes (whole images, every player record included,
// are compared with the reference decoding elsewhere; random damage is the fuzzing harness's work). Pointers follow
// the game's views: NES file offset X is seen at X - 0x10; SNES bank $04 at (X - 0x40000) | 0x8000, abbreviations
// in bank $00 at (X - 0x4000) | 0x8000.
#include <gtest/gtest.h>

#include <functional>

#include "codec/RomReader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using E = OffsetSet;
std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v); }

// Filler bytes, then for every team t its 12 pointers at list(t) to the records "F L<p>" (position
// p % 5, jersey p, 6'10", 212 lb, FG 44, FT 80, 3PT 32) and its text pointers to CITY, MAS, AB.
struct HandImage {
    ConsoleKind kind;
    OffsetSet o;
    RomImage rom;
    std::int64_t scratch;  // free bytes that player pointers reach

    explicit HandImage(ConsoleKind k)
        : kind(k),
          o(snes() ? E::snesDefaults() : E::nesDefaults()),
          rom(snes() ? 0x50000 : 0x20000),
          scratch(snes() ? 0x45000 : 0xB000) {
        for (std::size_t i = 0; i < rom.size(); ++i) rom[i] = u8(static_cast<int>(i * 7 + 3));
        for (int p = 0; p < 12; ++p)
            put(list(27) + 16 * p,
                {'F', ' ', 'L', u8('A' + p), u8(0x80 | p % 5), u8(p / 10 * 16 + p % 10), 0x6A, 53, 11, 20, 8});
        for (auto [table, text] :
             {std::pair{E::cityPtrTable, "CITY"}, {E::mascotPtrTable, "MAS"}, {E::abrevPtrTable, "AB"}})
            putText(o[table + 1], text);  // each text area entry follows its pointer table's
        for (int t = 0; t < 27; ++t) {
            putWord(o[E::teamPtrTable] + 2 * t, ptr(list(t)));
            for (int p = 0; p < 12; ++p) putWord(list(t) + 2 * p, ptr(list(27) + 16 * p));
            for (int table : {E::cityPtrTable, E::mascotPtrTable, E::abrevPtrTable})
                putWord(o[table] + 2 * t, ptr(o[table + 1], table == E::abrevPtrTable));
        }
    }
    bool snes() const { return kind == Console::Snes; }
    int ptr(std::int64_t off, bool abbrev = false) const {
        return static_cast<int>(snes() ? (off - (abbrev ? 0x4000 : 0x40000)) | 0x8000 : off - 0x10);
    }
    void put(std::int64_t off, const Bytes& b) { std::copy(b.begin(), b.end(), rom.begin() + off); }
    void putWord(std::int64_t off, int w) { put(off, {u8(w), u8(w >> 8)}); }
    void putText(std::int64_t off, const std::string& s) {
        put(off, Bytes(s.begin(), s.end()));
        rom.at(off + std::ssize(s)) = 0xFF;
    }
    std::int64_t list(int t) const { return o[E::playerDataArea] + 24 * t; }
    // Places a record in the scratch area and points player p of team t at it.
    std::int64_t placeRecord(int t, int p, const Bytes& record) {
        const std::int64_t at = scratch;
        put(at, record);
        putWord(list(t) + 2 * p, ptr(at));
        scratch += std::ssize(record);
        return at;
    }
};

// One pointer lands on different texts through the NES city and abbreviation views; SNES text
// pointers ignore bits 14 and 15. Texts end at 0xFF or after 256 characters.
TEST(RomReader, TextPointersUseEachTablesBase) {
    // name, edition, the pointer table, the pointer, where the text of Qs is, its length
    const std::tuple<const char*, ConsoleKind, int, int, int, int> rows[] = {
        {"NES city", Console::Nes, E::cityPtrTable, 0x9BA8, 0x9BB8, 4},
        {"NES abbreviation, the same pointer", Console::Nes, E::abrevPtrTable, 0x9BA8, 0xDBB8, 4},
        {"NES mascot, bits 14 and 15 masked", Console::Nes, E::mascotPtrTable, 0xF000, 0xB010, 4},
        {"NES abbreviation in its own bank", Console::Nes, E::abrevPtrTable, 0x2385, 0xE395, 4},
        {"SNES city with bit 15", Console::Snes, E::cityPtrTable, 0xC123, 0x40123, 4},
        {"SNES mascot at the window's end", Console::Snes, E::mascotPtrTable, 0x7FFF, 0x43FFF, 4},
        {"SNES abbreviation", Console::Snes, E::abrevPtrTable, 0xDAB5, 0x5AB5, 4},
        {"an empty text", Console::Nes, E::cityPtrTable, 0xB7F0, 0xB800, 0},
        {"257 letters are cut at 256", Console::Nes, E::cityPtrTable, 0xB7F0, 0xB800, 257},
    };
    for (const auto& [name, kind, table, pointer, target, length] : rows) {
        SCOPED_TRACE(name);
        HandImage h(kind);
        h.putText(target, std::string(static_cast<std::size_t>(length), 'Q'));
        h.putWord(h.o[table] + 2 * 3, pointer);
        clsProject pr;
        ASSERT_EQ(loadProjectFromRom(pr, h.rom, h.o, kind), 0);
        const clsTeam& tm = *pr.getTeamRef(3);
        const std::string q(static_cast<std::size_t>(std::min(length, 256)), 'Q');
        EXPECT_EQ(tm.getCity(), table == E::cityPtrTable ? q : "CITY");
        EXPECT_EQ(tm.getMascot(), table == E::mascotPtrTable ? q : "MAS");
        EXPECT_EQ(tm.getAbrev(), table == E::abrevPtrTable ? q : "AB");
    }
}

// The image ends at 0x10000 (the uniforms moved below it) with an abbreviation of so many letters
// in its last 16 bytes.
void endWithText(HandImage& h, std::size_t letters) {
    h.o[E::uniformTable] = 0x2000;
    h.put(0xFFF0, Bytes(16, 0xFF));
    h.put(0xFFF0, Bytes(letters, 'A'));
    h.putWord(h.o[E::abrevPtrTable], 0xFFE0);
    h.rom.resize(0x10000);
}

TEST(RomReader, DamagedImagesGiveNonZeroAndEdgesStillDecode) {
    const std::tuple<const char*, ConsoleKind, std::function<void(HandImage&)>, ResultCode> rows[] = {
        {"team list off the end", Console::Snes,
         [](HandImage& h) { h.putWord(h.o[0] + 52, 0xFFF0), h.rom.resize(0x47FFA); }, 1},
        {"player record off the end", Console::Snes,
         [](HandImage& h) { h.putWord(h.list(13) + 22, 0xFFFF), h.rom.resize(0x47FFF); }, 1},
        {"name running to the end", Console::Snes,
         [](HandImage& h) { h.rom.resize(h.placeRecord(2, 2, Bytes(40, 'N')) + 40); }, 1},
        {"record cut in its figures", Console::Nes,
         [](HandImage& h) {
             h.rom.resize(h.placeRecord(2, 2, {'N', 0x80, 0x12, 0x60}) + 4);
         },
         1},
        {"abbreviation running off the end", Console::Nes, [](HandImage& h) { endWithText(h, 16); }, 1},
        {"abbreviation ending at the last byte", Console::Nes, [](HandImage& h) { endWithText(h, 15); }, 0},
        {"kind 3: pointers taken as offsets, no uniforms", 3, [](HandImage&) {}, 2},
    };
    for (const auto& [name, kind, apply, result] : rows) {
        SCOPED_TRACE(name);
        HandImage h(kind);
        apply(h);
        h.rom.shrink_to_fit();  // so that the sanitizer sees every byte past the end
        clsProject pr;
        EXPECT_EQ(loadProjectFromRom(pr, h.rom, h.o, kind), result);
    }
}

}  // namespace
