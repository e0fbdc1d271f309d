// The reader against images assembled by hand from explicit bytes, both editions.
#include <gtest/gtest.h>

#include "codec/HandImage.h"
#include "codec/RomReader.h"

using handimage::HandImage;

namespace {

class EveryEdition : public ::testing::TestWithParam<ConsoleKind> {};

TEST_P(EveryEdition, DecodesEveryFieldOfAHandPlacedLeague) {
    HandImage h(GetParam());
    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, h.rom, h.o, h.kind), 0);
    for (int t = 0; t < 27; ++t) {
        SCOPED_TRACE("team " + std::to_string(t));
        const clsTeam& team = *project.getTeamRef(t);
        EXPECT_EQ(team.getCity(), HandImage::city(t));
        EXPECT_EQ(team.getMascot(), HandImage::mascot(t));
        EXPECT_EQ(team.getAbrev(), HandImage::abrev(t));
        EXPECT_EQ(team.getPointsScored(), 100 + t);
        EXPECT_EQ(team.getPointsGiven(), 60 + t);
        if (h.snes()) {
            EXPECT_TRUE(team.uniformSNES_vaild);
            EXPECT_FALSE(team.uniformNES_vaild);
            for (int k = 0; k < 256; ++k) EXPECT_EQ(team.getUniformData(k), (t * 3 + k) & 0x7F);
        } else {
            EXPECT_TRUE(team.uniformNES_vaild);
            EXPECT_FALSE(team.uniformSNES_vaild);
            EXPECT_EQ(team.getUniformColor_NES_0(), t);
            EXPECT_EQ(team.getUniformColor_NES_1(), 0x20 + t);
        }
        for (int p = 0; p < 12; ++p) {
            const clsPlayer& pl = *team.getPlayerRef(p);
            EXPECT_EQ(pl.getFirst(), HandImage::first(t));
            EXPECT_EQ(pl.getLast(), HandImage::last(p));
            EXPECT_EQ(pl.getPosition(), p % 5);
            EXPECT_EQ(pl.getJersey(), (t + p) % 100);
            EXPECT_EQ(pl.getFeet(), 6);
            EXPECT_EQ(pl.getInch(), 10);
            EXPECT_EQ(pl.getWeight(), 212);
            EXPECT_EQ(pl.getFGpercent(), 44);
            EXPECT_EQ(pl.getFTpercent(), 80);
            EXPECT_EQ(pl.get3PTpercent(), 32);
            // Rating record order: run speed, jump, shot range, stamina, steal, block.
            EXPECT_EQ(pl.getRunSpeed(), HandImage::ratingByte(t, p, 0));
            EXPECT_EQ(pl.getJump(), HandImage::ratingByte(t, p, 1));
            EXPECT_EQ(pl.getShotRangeByte(), HandImage::ratingByte(t, p, 2));
            EXPECT_EQ(pl.getStamina(), HandImage::ratingByte(t, p, 3));
            EXPECT_EQ(pl.getSteal(), HandImage::ratingByte(t, p, 4));
            EXPECT_EQ(pl.getBlockByte(), HandImage::ratingByte(t, p, 5));
            EXPECT_EQ(pl.getUnknownByte(), h.snes() ? HandImage::ratingByte(t, p, 6) : 0);
        }
    }
    for (int i = 0; i < 2214; ++i) ASSERT_EQ(project.schedule()[static_cast<std::size_t>(i)], 0x80 | ((i * 5) % 27));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(project.getWestAllStar(i), (clsProject::Pair{static_cast<std::uint8_t>((2 * i) % 12), static_cast<std::uint8_t>((2 * i + 1) % 12)}));
        EXPECT_EQ(project.getEastAllStar(i), (clsProject::Pair{static_cast<std::uint8_t>((24 + 2 * i) % 12), static_cast<std::uint8_t>((25 + 2 * i) % 12)}));
    }
}

// Fields the image does not carry keep what the project held before.
TEST_P(EveryEdition, LeavesFieldsTheImageDoesNotCarry) {
    HandImage h(GetParam());
    clsProject project;
    clsPlayer& pl = *project.getTeamRef(4)->getPlayerRef(7);
    pl.setUnknownByte(0x5A);
    pl.setDataPtr(1234);
    project.getTeamRef(4)->setUniformColor_NES(0x11, 0x22);
    project.getTeamRef(4)->setUniformColor_2Bytes(3, 0x44, 0x55);
    ASSERT_EQ(loadProjectFromRom(project, h.rom, h.o, h.kind), 0);
    EXPECT_EQ(pl.getDataPtr(), 1234);
    EXPECT_EQ(pl.getUnknownByte(), h.snes() ? HandImage::ratingByte(4, 7, 6) : 0x5A);
    if (h.snes())
        EXPECT_EQ(project.getTeamRef(4)->getUniformColor_NES_1(), 0x22);
    else
        EXPECT_EQ(project.getTeamRef(4)->getUniformData(7), 0x55);
}

INSTANTIATE_TEST_SUITE_P(Editions, EveryEdition, ::testing::Values(Console::Nes, Console::Snes),
                         [](const auto& info) { return info.param == Console::Nes ? std::string("Nes") : std::string("Snes"); });

struct RecordCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* first;
    const char* last;
    int position, jersey, feet, inch, weight, fg, ft, tp;
};

const RecordCase kRecords[] = {
    {"two names", {0x41, 0x42, 0x20, 0x43, 0x44, 0x45, 0x80, 0x32, 0x69, 0x37, 0x0C, 0x15, 0x05}, "AB", "CDE", 0, 32, 6, 9, 220, 48, 84, 20},
    {"starts with the position byte", {0x84, 0x07, 0x70, 0x40, 0x00, 0xFF, 0x01}, "", "", 4, 7, 7, 0, 256, 0, 1020, 4},
    {"no space: all in the first name", {'S', 'O', 'L', 'O', 0x82, 0x11, 0x60, 0x30, 10, 20, 30}, "SOLO", "", 2, 11, 6, 0, 192, 40, 80, 120},
    {"A B C: further spaces dropped", {'A', ' ', 'B', ' ', 'C', 0x81, 0x10, 0x5B, 40, 11, 19, 9}, "A", "BC", 1, 10, 5, 11, 160, 44, 76, 36},
    {"empty first name", {' ', 'L', 'E', 'E', 0x83, 0x45, 0x6F, 60, 12, 20, 9}, "", "LEE", 3, 45, 6, 15, 240, 48, 80, 36},
    {"jersey 0x00", {'X', 0x80, 0x00, 0x60, 0, 0, 0, 0}, "X", "", 0, 0, 6, 0, 0, 0, 0, 0},
    {"jersey 0x99", {'X', 0x80, 0x99, 0x60, 0, 0, 0, 0}, "X", "", 0, 99, 6, 0, 0, 0, 0, 0},
    {"jersey 0x1A stops at the digit A", {'X', 0x80, 0x1A, 0x60, 0, 0, 0, 0}, "X", "", 0, 1, 6, 0, 0, 0, 0, 0},
    {"jersey 0xA5 reads 0", {'X', 0x80, 0xA5, 0x60, 0, 0, 0, 0}, "X", "", 0, 0, 6, 0, 0, 0, 0, 0},
    {"position keeps its low three bits", {'Q', 0xFF, 0x23, 0x76, 75, 50, 50, 50}, "Q", "", 7, 23, 7, 6, 300, 200, 200, 200},
};

class PlayerRecords : public ::testing::TestWithParam<std::tuple<ConsoleKind, RecordCase>> {};

TEST_P(PlayerRecords, DecodeAsPlaced) {
    auto [kind, rc] = GetParam();
    HandImage h(kind);
    h.placeRecord(9, 5, rc.bytes);
    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, h.rom, h.o, kind), 0);
    const clsPlayer& pl = *project.getTeamRef(9)->getPlayerRef(5);
    EXPECT_EQ(pl.getFirst(), rc.first);
    EXPECT_EQ(pl.getLast(), rc.last);
    EXPECT_EQ(pl.getPosition(), rc.position);
    EXPECT_EQ(pl.getJersey(), rc.jersey);
    EXPECT_EQ(pl.getFeet(), rc.feet);
    EXPECT_EQ(pl.getInch(), rc.inch);
    EXPECT_EQ(pl.getWeight(), rc.weight);
    EXPECT_EQ(pl.getFGpercent(), rc.fg);
    EXPECT_EQ(pl.getFTpercent(), rc.ft);
    EXPECT_EQ(pl.get3PTpercent(), rc.tp);
    // The neighbours are untouched by the odd record.
    EXPECT_EQ(project.getTeamRef(9)->getPlayerRef(4)->getLast(), HandImage::last(4));
    EXPECT_EQ(project.getTeamRef(9)->getPlayerRef(6)->getLast(), HandImage::last(6));
}

INSTANTIATE_TEST_SUITE_P(Records, PlayerRecords,
                         ::testing::Combine(::testing::Values(Console::Nes, Console::Snes), ::testing::ValuesIn(kRecords)));

// Roster bytes hold doubled indexes; odd ones halve to the even neighbour.
TEST(RosterBytes, HalveWithHalvesToEven) {
    const std::pair<std::uint8_t, std::uint8_t> rows[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4},
                                                          {9, 4}, {10, 5}, {11, 6}, {22, 11}, {53, 26}, {255, 128}};
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        HandImage h(kind);
        std::int64_t at = h.o[OffsetSet::allStarRosterTable];
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            h.rom[static_cast<std::size_t>(at + 2 * i)] = rows[i].first;      // west pair i, team byte
            h.rom[static_cast<std::size_t>(at + 25 + 2 * i)] = rows[i].first;  // east pair i, player byte
        }
        clsProject project;
        ASSERT_EQ(loadProjectFromRom(project, h.rom, h.o, kind), 0);
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            EXPECT_EQ(project.getWestAllStar(static_cast<int>(i))[0], rows[i].second) << "byte " << int(rows[i].first);
            EXPECT_EQ(project.getEastAllStar(static_cast<int>(i))[1], rows[i].second) << "byte " << int(rows[i].first);
        }
    }
}

// The same pointer value lands on different texts through the city and the abbreviation
// views of the NES image; SNES text pointers ignore bits 14 and 15.
TEST(TextPointers, UseEachTablesBase) {
    struct Row {
        ConsoleKind kind;
        int table;             // pointer table entry of the offset set
        std::uint16_t pointer;  // as stored for team 3
        std::int64_t target;   // where the text must be read from
    };
    const Row rows[] = {
        {Console::Nes, OffsetSet::cityPtrTable, 0x9BA8, 0x9BB8},
        {Console::Nes, OffsetSet::abrevPtrTable, 0x9BA8, 0xDBB8},
        {Console::Nes, OffsetSet::mascotPtrTable, 0xF000, 0xB010},
        {Console::Nes, OffsetSet::abrevPtrTable, 0x2385, 0xE395},
        {Console::Snes, OffsetSet::cityPtrTable, 0xC123, 0x40123},
        {Console::Snes, OffsetSet::cityPtrTable, 0x4123, 0x40123},
        {Console::Snes, OffsetSet::mascotPtrTable, 0x7FFF, 0x43FFF},
        {Console::Snes, OffsetSet::abrevPtrTable, 0xDAB5, 0x5AB5},
        {Console::Snes, OffsetSet::abrevPtrTable, 0x5A00, 0x5A00},
    };
    for (const Row& r : rows) {
        HandImage h(r.kind);
        h.putText(r.target, "HERE");
        h.putWord(h.o[r.table] + 2 * 3, r.pointer);
        clsProject project;
        ASSERT_EQ(loadProjectFromRom(project, h.rom, h.o, r.kind), 0);
        const clsTeam& team = *project.getTeamRef(3);
        const std::string& got = r.table == OffsetSet::cityPtrTable     ? team.getCity()
                                 : r.table == OffsetSet::mascotPtrTable ? team.getMascot()
                                                                        : team.getAbrev();
        EXPECT_EQ(got, "HERE") << "pointer " << std::hex << r.pointer;
    }
}

TEST(TextPointers, TextsStopAtTheTerminatorOrAt256Characters) {
    const std::pair<std::size_t, std::size_t> rows[] = {{0, 0}, {1, 1}, {255, 255}, {256, 256}, {257, 256}, {400, 256}};
    for (auto [length, expected] : rows) {
        HandImage h(Console::Nes);
        std::string text(length, 'Q');
        h.placeCity(0, text);
        clsProject project;
        ASSERT_EQ(loadProjectFromRom(project, h.rom, h.o, h.kind), 0);
        EXPECT_EQ(project.getTeamRef(0)->getCity(), std::string(expected, 'Q')) << length;
    }
}

// A kind without a pointer mapping reads the first team with pointers taken as offsets,
// leaves its uniforms alone and stops with 2.
TEST(OtherKinds, StopAfterTheFirstTeamWithResult2) {
    for (ConsoleKind kind : {ConsoleKind{0}, ConsoleKind{3}, ConsoleKind{-1}}) {
        HandImage h(Console::Nes);
        // Team 0 addressed with plain offsets.
        std::int64_t list = h.listOffset(0);
        h.putWord(h.o[OffsetSet::teamPtrTable], static_cast<std::uint16_t>(list));
        for (int p = 0; p < 12; ++p) h.putWord(list + 2 * p, static_cast<std::uint16_t>(0xB100 + 16 * p));
        for (int p = 0; p < 12; ++p) h.put(0xB100 + 16 * p, HandImage::record(0, p));
        h.putText(0xB300, "PLAIN");
        h.putWord(h.o[OffsetSet::cityPtrTable], 0xB300);
        h.putWord(h.o[OffsetSet::mascotPtrTable], 0xB300);
        h.putWord(h.o[OffsetSet::abrevPtrTable], 0xB300);
        clsProject project;
        EXPECT_EQ(loadProjectFromRom(project, h.rom, h.o, kind), 2);
        EXPECT_EQ(project.getTeamRef(0)->getCity(), "PLAIN");
        EXPECT_EQ(project.getTeamRef(0)->getPointsScored(), 100);
        EXPECT_FALSE(project.getTeamRef(0)->uniformNES_vaild);
        EXPECT_EQ(project.getTeamRef(1)->getCity(), "");
    }
}

}  // namespace
