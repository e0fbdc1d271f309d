// Where the writer puts each byte: pointer forms, records, fixed name entries, ratings,
// all-star tables, uniforms, and the bytes it must leave alone. Expectations are literal
// values worked out from the game's tables, not taken from the writer.
#include <gtest/gtest.h>

#include "codec/LeagueMaker.h"
#include "codec/RomWriter.h"

using namespace leaguemaker;

namespace {

OffsetSet defaultsFor(ConsoleKind kind) { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }

RomImage patternImage(ConsoleKind kind) {
    RomImage rom(kind == Console::Nes ? 0x60010 : 0x100000);
    for (std::size_t i = 0; i < rom.size(); ++i) rom[i] = static_cast<std::uint8_t>((i * 13 + 5) & 0xFF);
    return rom;
}

std::uint16_t wordAt(const RomImage& rom, std::int64_t at) {
    return static_cast<std::uint16_t>(rom[static_cast<std::size_t>(at)] | rom[static_cast<std::size_t>(at + 1)] << 8);
}

std::string textAt(const RomImage& rom, std::int64_t at) {
    std::string s;
    while (rom[static_cast<std::size_t>(at)] != 0xFF) s.push_back(static_cast<char>(rom[static_cast<std::size_t>(at++)]));
    return s;
}

// The league of the record example: team 0 player 0 is AB CDE, jersey 32, 6'9", 220 lb.
clsProject exampleLeague() {
    clsProject project = plainLeague();
    clsPlayer& p = *project.getTeamRef(0)->getPlayerRef(0);
    p.setFirst("AB");
    p.setLast("CDE");
    p.setJersey(32);
    p.setFeet(6);
    p.setInch(9);
    p.setWeight(220);
    p.setPosition(0);
    p.setFGpercent(48);
    p.setFTpercent(84);
    p.set3PTpercent(20);
    return project;
}

struct PointerRow {
    ConsoleKind kind;
    int table;
    int index;
    std::uint16_t expected;
};

TEST(WriterPointers, TakeTheGamesForms) {
    const PointerRow rows[] = {
        {Console::Nes, OffsetSet::teamPtrTable, 0, 0x806B},   // 0x807B
        {Console::Nes, OffsetSet::cityPtrTable, 0, 0x9BA8},   // 0x9BB8
        {Console::Nes, OffsetSet::mascotPtrTable, 0, 0x9CE5}, // 0x9CF5
        {Console::Nes, OffsetSet::abrevPtrTable, 0, 0xA385},  // 0xE395
        {Console::Nes, OffsetSet::abrevPtrTable, 1, 0xA387},  // after "A" and its terminator
        {Console::Snes, OffsetSet::teamPtrTable, 0, 0x942C},  // 0x4142C
        {Console::Snes, OffsetSet::cityPtrTable, 0, 0xAF6A},  // 0x42F6A
        {Console::Snes, OffsetSet::mascotPtrTable, 0, 0xB0A7},// 0x430A7
        {Console::Snes, OffsetSet::abrevPtrTable, 0, 0xDAB5}, // 0x5AB5
        {Console::Snes, OffsetSet::cityPtrTable, 2, 0xAF6E},
    };
    for (const PointerRow& r : rows) {
        clsProject project = exampleLeague();
        RomImage rom = patternImage(r.kind);
        const OffsetSet o = defaultsFor(r.kind);
        ASSERT_EQ(saveProjectToRom(project, rom, o, r.kind), 0);
        EXPECT_EQ(wordAt(rom, o[r.table] + 2 * r.index), r.expected) << "table " << r.table << " entry " << r.index;
    }
}

TEST(WriterRecords, TeamBlocksArePointersThenRecords) {
    const std::vector<std::uint8_t> example = {0x41, 0x42, 0x20, 0x43, 0x44, 0x45, 0x80, 0x32, 0x69, 0x37, 0x0C, 0x15, 0x05};
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        clsProject project = exampleLeague();
        RomImage rom = patternImage(kind);
        const OffsetSet o = defaultsFor(kind);
        const std::int64_t o1 = o[OffsetSet::playerDataArea];
        ASSERT_EQ(saveProjectToRom(project, rom, o, kind), 0);
        std::uint16_t base = kind == Console::Nes ? 0x7FF0 : 0x8000;
        // Team 0: its 12 pointers, then AB CDE (13 bytes), then 11 records of 10 bytes.
        EXPECT_EQ(wordAt(rom, o1), base + ((o1 + 24) & 0x7FFF));
        EXPECT_EQ(wordAt(rom, o1 + 2), base + ((o1 + 37) & 0x7FFF));
        EXPECT_EQ(wordAt(rom, o1 + 22), base + ((o1 + 37 + 100) & 0x7FFF));
        EXPECT_TRUE(std::equal(example.begin(), example.end(), rom.begin() + o1 + 24));
        EXPECT_EQ(project.getTeamRef(0)->getPlayerRef(0)->getDataPtr(), base + ((o1 + 24) & 0x7FFF));
        // Team 1 starts right after: 24 + 13 + 110 = 147 bytes.
        EXPECT_EQ(wordAt(rom, o[OffsetSet::teamPtrTable] + 2), base + ((o1 + 147) & 0x7FFF));
        EXPECT_EQ(wordAt(rom, o1 + 147), base + ((o1 + 171) & 0x7FFF));
        // 27 blocks: 27 * 24 + 13 + 323 * 10 bytes, then zeros to the end of the area.
        const std::int64_t used = 27 * 24 + 13 + 323 * 10;
        EXPECT_NE(rom[static_cast<std::size_t>(o1 + used - 1)], 0);
        for (std::int64_t k = used; k < 6915; ++k) ASSERT_EQ(rom[static_cast<std::size_t>(o1 + k)], 0) << k;
        if (kind == Console::Snes) {
            for (std::int64_t k = 0; k < 768; ++k) ASSERT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::playerOverflowArea] + k)], 0);
        }
    }
}

TEST(WriterNames, FixedEntriesFollowTheTeams) {
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        clsProject project = plainLeague();
        RomImage rom = patternImage(kind);
        const OffsetSet o = defaultsFor(kind);
        ASSERT_EQ(saveProjectToRom(project, rom, o, kind), 0);
        auto text = [&](int ptrTable, int textArea, int i) {
            // Texts are packed from the start of their area: offset = area + (pointer - pointer 0).
            std::int64_t delta = wordAt(rom, o[ptrTable] + 2 * i) - wordAt(rom, o[ptrTable]);
            return textAt(rom, o[textArea] + delta);
        };
        const char* labels[] = {"1WC", "1EC", "2WC", "2EC", "WCF", "ECF", "NBAF"};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(text(OffsetSet::abrevPtrTable, OffsetSet::abrevTextArea, 27 + i), labels[i]);
        EXPECT_EQ(text(OffsetSet::cityPtrTable, OffsetSet::cityTextArea, 27), "WEST");
        EXPECT_EQ(text(OffsetSet::cityPtrTable, OffsetSet::cityTextArea, 28), "EAST");
        EXPECT_EQ(text(OffsetSet::mascotPtrTable, OffsetSet::mascotTextArea, 27), "ALL-STARS");
        EXPECT_EQ(wordAt(rom, o[OffsetSet::mascotPtrTable] + 56), wordAt(rom, o[OffsetSet::mascotPtrTable] + 54));
        // Texts "A"/"C"/"M" of 27 teams take 54 bytes; then the fixed entries, then zeros.
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::abrevTextArea] + 54 + 29)], 0);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::abrevTextArea] + 54 + 28)], 0xFF);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::cityTextArea] + 258)], 0);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::mascotTextArea] + 54 + 9)], 0xFF);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::mascotTextArea] + 54 + 10)], 0);
    }
}

struct AllStarRow {
    bool east;
    int index;
    std::uint8_t team, player;
};

TEST(WriterAllStars, PointerTeamAndDoubledRoster) {
    const AllStarRow rows[] = {{false, 0, 5, 3}, {false, 11, 26, 11}, {true, 0, 0, 0}, {true, 7, 20, 11}, {false, 4, 13, 12}};
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        for (const AllStarRow& r : rows) {
            clsProject project = plainLeague();
            project.getTeamRef(13)->getPlayerRef(12)->setDataPtr(0x1234);  // slot 12 is never placed
            if (r.east)
                project.setEastAllStar(r.index, r.team, r.player);
            else
                project.setWestAllStar(r.index, r.team, r.player);
            RomImage rom = patternImage(kind);
            const OffsetSet o = defaultsFor(kind);
            ASSERT_EQ(saveProjectToRom(project, rom, o, kind), 0);
            int side = r.east ? 1 : 0;
            EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::allStarRosterTable] + 24 * side + 2 * r.index)], 2 * r.team);
            EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::allStarRosterTable] + 24 * side + 2 * r.index + 1)], 2 * r.player);
            EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::teamOfAllStarTable] + 12 * side + r.index)], r.team);
            // The pointer is the one stored in the team's own pointer list.
            std::uint16_t expected = 0x1234;
            if (r.player < 12) {
                std::uint16_t list = wordAt(rom, o[OffsetSet::teamPtrTable] + 2 * r.team);
                std::int64_t listAt = kind == Console::Nes ? ((list + 0x10) & 0x3FFF) + 0x8000 : (list & 0x7FFF) + 0x40000;
                expected = wordAt(rom, listAt + 2 * r.player);
            }
            EXPECT_EQ(wordAt(rom, o[OffsetSet::allStarPtrTable] + 24 * side + 2 * r.index), expected)
                << (r.east ? "east " : "west ") << r.index;
        }
    }
}

TEST(WriterTables, RatingsPointsScheduleAndUniforms) {
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        clsProject project = plainLeague();
        clsPlayer& p = *project.getTeamRef(7)->getPlayerRef(9);
        p.setRunSpeed(0x1F);
        p.setJump(0xD3);
        p.setShotRange(0x8A);  // race flag and range 10
        p.setStamina(0x63);
        p.setSteal(0xC8);
        p.setBlock(0x5C);  // face 5, block 12
        p.setUnknownByte(0xEE);
        project.setMatchupBytes(1106, 26, 3);
        const RomImage before = patternImage(kind);
        RomImage rom = before;
        const OffsetSet o = defaultsFor(kind);
        ASSERT_EQ(saveProjectToRom(project, rom, o, kind), 0);
        std::int64_t at = o[OffsetSet::attributeTable] + (kind == Console::Nes ? 7 * 72 + 9 * 6 : 7 * 84 + 9 * 7);
        std::vector<std::uint8_t> expected = {0x1F, 0xD3, 0x8A, 0x63, 0xC8, 0x5C};
        if (kind == Console::Snes) expected.push_back(0xEE);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), rom.begin() + at));
        // The byte after an NES record is the next player's run speed, not the unknown byte.
        if (kind == Console::Nes) {
            EXPECT_EQ(rom[static_cast<std::size_t>(at + 6)], project.getTeamRef(7)->getPlayerRef(10)->getRunSpeed());
        }
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::pointsTable] + 26)], 90 + 26);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::pointsTable] + 27)], 80);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::scheduleTable] + 2212)], 0x80 | 26);
        EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::scheduleTable] + 2213)], 0x80 | 3);
        std::int64_t u = o[OffsetSet::uniformTable];
        if (kind == Console::Nes) {
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 26)], 26);
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 29 + 26)], 0x30 + 26);
            // The two bytes between the tables are not the league's.
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 27)], before[static_cast<std::size_t>(u + 27)]);
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 28)], before[static_cast<std::size_t>(u + 28)]);
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 56)], before[static_cast<std::size_t>(u + 56)]);
        } else {
            int word = (5 * 1000 + 100 * 7) & 0x7FFF;
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 256 * 5 + 200)], word & 0xFF);
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 256 * 5 + 201)], word >> 8);
            EXPECT_EQ(rom[static_cast<std::size_t>(u + 27 * 256)], before[static_cast<std::size_t>(u + 27 * 256)]);
        }
    }
}

// Only the league's regions change: every other byte of the image stays.
TEST(WriterTables, BytesOutsideTheRegionsStay) {
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        const OffsetSet o = defaultsFor(kind);
        const bool snes = kind == Console::Snes;
        std::vector<std::pair<std::int64_t, std::int64_t>> regions = {
            {o[0], 54}, {o[1], 6915}, {o[3], snes ? 2268 : 1944}, {o[4], 58}, {o[5], 259}, {o[6], 58}, {o[7], 218},
            {o[8], 68}, {o[9], 171}, {o[10], 2214}, {o[11], 54}, {o[13], 48}, {o[14], 24}, {o[15], 48}};
        if (snes) {
            regions.push_back({o[2], 768});
            regions.push_back({o[12], 6912});
        } else {
            regions.push_back({o[12], 27});
            regions.push_back({o[12] + 29, 27});
        }
        std::vector<bool> inside(snes ? 0x100000 : 0x60010, false);
        for (auto [at, n] : regions)
            for (std::int64_t k = 0; k < n; ++k) inside[static_cast<std::size_t>(at + k)] = true;
        clsProject project = plainLeague();
        const RomImage before = patternImage(kind);
        RomImage rom = before;
        ASSERT_EQ(saveProjectToRom(project, rom, o, kind), 0);
        std::size_t changedOutside = 0;
        for (std::size_t i = 0; i < rom.size(); ++i)
            if (!inside[i] && rom[i] != before[i]) ++changedOutside;
        EXPECT_EQ(changedOutside, 0u);
    }
}

}  // namespace
