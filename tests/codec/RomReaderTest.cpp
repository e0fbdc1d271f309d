// The reader on images assembled by hand, both editions (whole images are compared with the reference decoding
// elsewhere), and on damaged images: non-zero, never a read outside the bytes. Pointers follow the game's views: NES
// file offset X is seen at X - 0x10; SNES bank $04 at (X - 0x40000) | 0x8000, abbreviations in bank $00 at (X - 0x4000) | 0x8000.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "codec/RomReader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using E = OffsetSet;
constexpr ConsoleKind kBoth[] = {Console::Nes, Console::Snes};
std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v); }

// Filler bytes, then for every team t its 12 pointers at list(t) to the records "F L<p>" (position
// p % 5, jersey p, 6'10", 212 lb, FG 44, FT 80, 3PT 32) and its text pointers to CITY, MAS, AB.
struct HandImage {
    ConsoleKind kind;
    OffsetSet o;
    RomImage rom;
    std::int64_t scratch;  // free bytes that player pointers reach

    explicit HandImage(ConsoleKind k)
        : kind(k), o(snes() ? E::snesDefaults() : E::nesDefaults()), rom(snes() ? 0x50000 : 0x20000), scratch(snes() ? 0x45000 : 0xB000) {
        for (std::size_t i = 0; i < rom.size(); ++i) rom[i] = u8(static_cast<int>(i * 7 + 3));
        for (int p = 0; p < 12; ++p)
            put(list(27) + 16 * p, {'F', ' ', 'L', u8('A' + p), u8(0x80 | p % 5), u8(p / 10 * 16 + p % 10), 0x6A, 53, 11, 20, 8});
        for (auto [table, text] : {std::pair{E::cityPtrTable, "CITY"}, {E::mascotPtrTable, "MAS"}, {E::abrevPtrTable, "AB"}})
            putText(o[table + 1], text);  // each text area entry follows its pointer table's
        for (int t = 0; t < 27; ++t) {
            putWord(o[E::teamPtrTable] + 2 * t, ptr(list(t)));
            for (int p = 0; p < 12; ++p) putWord(list(t) + 2 * p, ptr(list(27) + 16 * p));
            for (int table : {E::cityPtrTable, E::mascotPtrTable, E::abrevPtrTable})
                putWord(o[table] + 2 * t, ptr(o[table + 1], table == E::abrevPtrTable));
        }
    }
    bool snes() const { return kind == Console::Snes; }
    std::uint8_t& at(int entry, std::int64_t k) { return rom.at(o[entry] + k); }
    int ptr(std::int64_t off, bool abbrev = false) const {
        return static_cast<int>(snes() ? (off - (abbrev ? 0x4000 : 0x40000)) | 0x8000 : off - 0x10);
    }
    void put(std::int64_t off, const Bytes& b) { std::copy(b.begin(), b.end(), rom.begin() + off); }
    void putWord(std::int64_t off, int w) { put(off, {u8(w), u8(w >> 8)}); }
    void putText(std::int64_t off, const std::string& s) { put(off, Bytes(s.begin(), s.end())), rom.at(off + std::ssize(s)) = 0xFF; }
    std::int64_t list(int t) const { return o[E::playerDataArea] + 24 * t; }
    // Places a record in the scratch area and points player p of team t at it.
    std::int64_t placeRecord(int t, int p, const Bytes& record) {
        put(scratch, record), putWord(list(t) + 2 * p, ptr(scratch));
        return (scratch += std::ssize(record)) - std::ssize(record);
    }
};

ResultCode load(clsProject& pr, const HandImage& h, ConsoleKind kind) { return loadProjectFromRom(pr, h.rom, h.o, kind); }
// Names, position, jersey, feet, inches, weight, FG, FT, 3PT.
std::string show(const clsPlayer& p) {
    std::string s = p.getFirst() + "|" + p.getLast();
    for (int v : std::initializer_list<int>{p.getPosition(), p.getJersey(), p.getFeet(), p.getInch(), p.getWeight(),
                                            p.getFGpercent(), p.getFTpercent(), p.get3PTpercent()})
        s += " " + std::to_string(v);
    return s;
}

TEST(RomReader, PlayerRecordsDecodeAsPlaced) {
    const std::pair<Bytes, const char*> rows[] = {
        {{}, "F|LF 0 5 6 10 212 44 80 32"},  // as the image was built
        {{0x41, 0x42, 0x20, 0x43, 0x44, 0x45, 0x80, 0x32, 0x69, 0x37, 0x0C, 0x15, 0x05}, "AB|CDE 0 32 6 9 220 48 84 20"},
        {{0x84, 0x07, 0x70, 0x40, 0x00, 0xFF, 0x01}, "| 4 7 7 0 256 0 1020 4"},  // starts with the position byte
        {{'S', 'O', 'L', 'O', 0x82, 0x11, 0x60, 0x30, 10, 20, 30}, "SOLO| 2 11 6 0 192 40 80 120"},
        {{'A', ' ', 'B', ' ', 'C', 0x81, 0x10, 0x5B, 40, 11, 19, 9}, "A|BC 1 10 5 11 160 44 76 36"},
        {{' ', 'L', 'E', 'E', 0x83, 0x45, 0x6F, 60, 12, 20, 9}, "|LEE 3 45 6 15 240 48 80 36"},
        {{'X', 0x80, 0x00, 0x60, 0, 0, 0, 0}, "X| 0 0 6 0 0 0 0 0"},
        {{'X', 0x80, 0x99, 0x60, 0, 0, 0, 0}, "X| 0 99 6 0 0 0 0 0"},
        {{'Q', 0xFF, 0x23, 0x76, 75, 50, 50, 50}, "Q| 7 23 7 6 300 200 200 200"},
    };
    for (ConsoleKind kind : kBoth)
        for (const auto& [bytes, want] : rows) {
            HandImage h(kind);
            if (!bytes.empty()) h.placeRecord(9, 5, bytes);
            clsProject pr;
            ASSERT_EQ(load(pr, h, kind), 0);
            EXPECT_EQ(show(*pr.getTeamRef(9)->getPlayerRef(5)), want);
            EXPECT_EQ(pr.getTeamRef(9)->getPlayerRef(6)->getLast() + pr.getTeamRef(10)->getPlayerRef(5)->getLast(), "LGLF");  // neighbours
        }
}

// Roster bytes hold doubled indexes, west pairs first, team byte first; odd ones halve to the even neighbour.
TEST(RomReader, RosterBytesHalveWithHalvesToEven) {
    const int rows[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4}, {9, 4}, {10, 5}, {11, 6}, {22, 11}, {53, 26}, {255, 128}};
    for (ConsoleKind kind : kBoth) {
        HandImage h(kind);
        for (int i = 0; i < 12; ++i) h.at(E::allStarRosterTable, 2 * i) = h.at(E::allStarRosterTable, 25 + 2 * i) = u8(rows[i][0]);
        h.at(E::allStarRosterTable, 1) = 8, h.at(E::allStarRosterTable, 24) = 6;
        clsProject pr;
        ASSERT_EQ(load(pr, h, kind), 0);
        EXPECT_EQ(pr.getWestAllStar(0)[1] * 100 + pr.getEastAllStar(0)[0], 403);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(std::pair(pr.getWestAllStar(i)[0], pr.getEastAllStar(i)[1]), std::pair(u8(rows[i][1]), u8(rows[i][1]))) << rows[i][0];
    }
}

// One pointer lands on different texts through the NES city and abbreviation views; SNES text
// pointers ignore bits 14 and 15. Texts end at 0xFF or after 256 characters.
TEST(RomReader, TextPointersUseEachTablesBase) {
    const std::tuple<ConsoleKind, int, int, int, int> rows[] = {  // kind, table, pointer, where the text is, its length
        {Console::Nes, E::cityPtrTable, 0x9BA8, 0x9BB8, 4},      {Console::Nes, E::abrevPtrTable, 0x9BA8, 0xDBB8, 4},
        {Console::Nes, E::mascotPtrTable, 0xF000, 0xB010, 4},    {Console::Nes, E::abrevPtrTable, 0x2385, 0xE395, 4},
        {Console::Snes, E::cityPtrTable, 0xC123, 0x40123, 4},    {Console::Snes, E::cityPtrTable, 0x4123, 0x40123, 4},
        {Console::Snes, E::mascotPtrTable, 0x7FFF, 0x43FFF, 4},  {Console::Snes, E::abrevPtrTable, 0xDAB5, 0x5AB5, 4},
        {Console::Snes, E::abrevPtrTable, 0x5A00, 0x5A00, 4},    {Console::Nes, E::cityPtrTable, 0xB7F0, 0xB800, 0},
        {Console::Nes, E::cityPtrTable, 0xB7F0, 0xB800, 256},    {Console::Nes, E::cityPtrTable, 0xB7F0, 0xB800, 257}};
    for (const auto& [kind, table, pointer, target, length] : rows) {
        HandImage h(kind);
        h.putText(target, std::string(static_cast<std::size_t>(length), 'Q')), h.putWord(h.o[table] + 2 * 3, pointer);
        clsProject pr;
        ASSERT_EQ(load(pr, h, kind), 0);
        const clsTeam& tm = *pr.getTeamRef(3);
        const std::string q(static_cast<std::size_t>(std::min(length, 256)), 'Q');
        EXPECT_EQ(tm.getCity() + "|" + tm.getMascot() + "|" + tm.getAbrev(),
                  table == E::cityPtrTable ? q + "|MAS|AB" : table == E::mascotPtrTable ? "CITY|" + q + "|AB" : "CITY|MAS|" + q)
            << std::hex << pointer << " length " << std::dec << length;
    }
}

TEST(RomReader, DamagedImagesGiveNonZeroAndEdgesStillDecode) {
    using Damage = std::function<void(HandImage&)>;
    auto lastText = [](std::size_t letters) -> Damage {  // the image ends at 0x10000 (the uniforms moved below), the text before
        return [=](HandImage& h) { h.o[E::uniformTable] = 0x2000, h.put(0xFFF0, Bytes(16, 0xFF)), h.put(0xFFF0, Bytes(letters, 'A')),
                                   h.putWord(h.o[E::abrevPtrTable], 0xFFE0), h.rom.resize(0x10000); };
    };
    std::vector<std::tuple<std::string, ConsoleKind, Damage, int>> rows = {
        {"empty image", Console::Snes, [](HandImage& h) { h.rom.clear(); }, 1},
        {"team list off the end", Console::Snes, [](HandImage& h) { h.putWord(h.o[0] + 52, 0xFFF0), h.rom.resize(0x47FFA); }, 1},
        {"player record off the end", Console::Snes, [](HandImage& h) { h.putWord(h.list(13) + 22, 0xFFFF), h.rom.resize(0x47FFF); }, 1},
        {"name running to the end", Console::Snes, [](HandImage& h) { h.rom.resize(h.placeRecord(2, 2, Bytes(40, 'N')) + 40); }, 1},
        {"record cut in its figures", Console::Nes, [](HandImage& h) { h.rom.resize(h.placeRecord(2, 2, {'N', 0x80, 0x12, 0x60}) + 4); }, 1},
        {"abbreviation running off the end", Console::Nes, lastText(16), 1},
        {"abbreviation ending at the last byte", Console::Nes, lastText(15), 0},
        {"kind 3: pointers taken as offsets, no uniforms", 3, [](HandImage&) {}, 2},
    };
    // Images cut at table entry + n, or tables moved to offset n (the SNES image ends at 0x50000): (cut, kind, entry, n, result).
    const ConsoleKind N = Console::Nes, S = Console::Snes;
    const std::tuple<bool, ConsoleKind, int, std::int64_t, int> places[] = {
        {true, N, E::teamPtrTable, 53, 1},    {true, S, E::playerDataArea, 30, 1},  {true, N, E::attributeTable, 1943, 1},
        {true, N, E::scheduleTable, 2213, 1}, {true, N, E::pointsTable, 53, 1},     {true, S, E::uniformTable, 6911, 1},
        {true, S, E::uniformTable, 6912, 0},  {true, N, E::uniformTable, 55, 1},    {true, N, E::uniformTable, 56, 0},
        {false, N, E::attributeTable, 0x7FFFFFF0, 1}, {false, N, E::allStarRosterTable, -5, 1}, {false, S, E::uniformTable, -1, 1},
        {false, S, E::allStarRosterTable, 0x4FFD1, 1}, {false, S, E::allStarRosterTable, 0x4FFD0, 0}, {false, N, E::pointsTable, INT32_MIN, 1}};
    for (auto [cut, kind, entry, n, result] : places)
        rows.emplace_back((cut ? "cut at entry " : "entry ") + std::to_string(entry) + (cut ? " + " : " at ") + std::to_string(n), kind,
                          [=](HandImage& h) { cut ? h.rom.resize(h.o[entry] + n) : void(h.o[entry] = static_cast<int>(n)); }, result);
    for (const auto& [what, kind, apply, expected] : rows) {
        HandImage h(kind);
        apply(h), h.rom.shrink_to_fit();  // so that the sanitizer sees every byte past the end
        clsProject pr;
        EXPECT_EQ(load(pr, h, kind), expected) << what;
    }
    std::mt19937 rng(20240611);  // random damage: whatever the result, nothing is read outside
    for (int round = 0; round < 120; ++round) {
        HandImage h(kBoth[round % 2]);
        std::uniform_int_distribution<std::size_t> pos(0, h.rom.size() - 1);
        for (int k = 0; k < 400; ++k) h.rom[pos(rng)] = u8(static_cast<int>(rng()));
        for (int k = 0; k < (round % 3 ? 0 : 54); ++k) h.at(E::teamPtrTable, k) = h.at(E::abrevPtrTable, k) = u8(static_cast<int>(rng()));
        h.rom.resize(pos(rng)), h.rom.shrink_to_fit();
        clsProject pr;
        const ResultCode r = load(pr, h, h.kind);
        EXPECT_TRUE(r == 0 || r == 1) << r;
    }
}

}  // namespace
