// The fixed buffers of the writer at their exact limits, and the leagues it refuses.
#include <gtest/gtest.h>

#include <functional>

#include "codec/LeagueMaker.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"

using namespace leaguemaker;

namespace {

OffsetSet defaultsFor(ConsoleKind kind) { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }

RomImage patternImage(ConsoleKind kind) {
    RomImage rom(kind == Console::Nes ? 0x60010 : 0x100000);
    for (std::size_t i = 0; i < rom.size(); ++i) rom[i] = static_cast<std::uint8_t>((i * 13 + 5) & 0xFF);
    return rom;
}

bool sameBytes(const RomImage& a, const RomImage& b, std::int64_t at, std::int64_t n) {
    return std::equal(a.begin() + at, a.begin() + at + n, b.begin() + at);
}

struct TableLimit {
    Text which;
    int teamBytes;
    ResultCode expected;
    int ptrEntry, textEntry, ptrSize, textSize;
};

const TableLimit kTableLimits[] = {
    {Text::Abbreviation, 135, 0, OffsetSet::abrevPtrTable, OffsetSet::abrevTextArea, 68, 171},
    {Text::Abbreviation, 142, 0, OffsetSet::abrevPtrTable, OffsetSet::abrevTextArea, 68, 171},
    {Text::Abbreviation, 143, 2, OffsetSet::abrevPtrTable, OffsetSet::abrevTextArea, 68, 171},
    {Text::Abbreviation, 400, 2, OffsetSet::abrevPtrTable, OffsetSet::abrevTextArea, 68, 171},
    {Text::City, 249, 0, OffsetSet::cityPtrTable, OffsetSet::cityTextArea, 58, 259},
    {Text::City, 250, 3, OffsetSet::cityPtrTable, OffsetSet::cityTextArea, 58, 259},
    {Text::Mascot, 208, 0, OffsetSet::mascotPtrTable, OffsetSet::mascotTextArea, 58, 218},
    {Text::Mascot, 209, 4, OffsetSet::mascotPtrTable, OffsetSet::mascotTextArea, 58, 218},
};

class NameTableLimits : public ::testing::TestWithParam<std::tuple<ConsoleKind, TableLimit>> {};

TEST_P(NameTableLimits, FillToTheLastByteOrLeaveTheRegionUntouched) {
    auto [kind, row] = GetParam();
    clsProject project = plainLeague();
    setTextBytes(project, row.which, row.teamBytes);
    const OffsetSet o = defaultsFor(kind);
    const RomImage before = patternImage(kind);
    RomImage rom = before;
    ASSERT_EQ(saveProjectToRom(project, rom, o, kind), row.expected);
    if (row.expected != 0) {
        EXPECT_TRUE(sameBytes(rom, before, o[row.ptrEntry], row.ptrSize));
        EXPECT_TRUE(sameBytes(rom, before, o[row.textEntry], row.textSize));
        return;
    }
    // The texts read back, and an exactly full table ends with its last terminator.
    clsProject back;
    ASSERT_EQ(loadProjectFromRom(back, rom, o, kind), 0);
    for (int t = 0; t < 27; ++t) {
        EXPECT_EQ(back.getTeamRef(t)->getAbrev(), project.getTeamRef(t)->getAbrev());
        EXPECT_EQ(back.getTeamRef(t)->getCity(), project.getTeamRef(t)->getCity());
        EXPECT_EQ(back.getTeamRef(t)->getMascot(), project.getTeamRef(t)->getMascot());
    }
    int fixedBytes = row.which == Text::Abbreviation ? 29 : 10;
    if (row.teamBytes + fixedBytes == row.textSize) {
        EXPECT_EQ(rom[static_cast<std::size_t>(o[row.textEntry] + row.textSize - 1)], 0xFF);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, NameTableLimits,
                         ::testing::Combine(::testing::Values(Console::Nes, Console::Snes), ::testing::ValuesIn(kTableLimits)));

// NES: 27 pointer blocks of 24 bytes and 324 records must fit in 6915 bytes.
TEST(PlayerArea, NesFitsExactlyAndOneByteMoreGives5) {
    const OffsetSet o = OffsetSet::nesDefaults();
    for (int total : {6915 - 648, 6916 - 648, 7400 - 648}) {
        clsProject project = plainLeague();
        setRecordBytes(project, 0, 26, total);
        const RomImage before = patternImage(Console::Nes);
        RomImage rom = before;
        ResultCode r = saveProjectToRom(project, rom, o, Console::Nes);
        if (total + 648 <= 6915) {
            ASSERT_EQ(r, 0);
            // The last record's 3PT byte is the area's last byte: 32 / 4.
            EXPECT_EQ(rom[static_cast<std::size_t>(o[OffsetSet::playerDataArea] + 6914)], 8);
            clsProject back;
            ASSERT_EQ(loadProjectFromRom(back, rom, o, Console::Nes), 0);
            EXPECT_EQ(back.getTeamRef(26)->getPlayerRef(11)->getFullname(), project.getTeamRef(26)->getPlayerRef(11)->getFullname());
        } else {
            EXPECT_EQ(r, 5) << total;
            EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::playerDataArea], 6915));
            EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::teamPtrTable], 54));
            EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::attributeTable], 1944));
        }
    }
}

std::uint16_t wordAt(const RomImage& rom, std::int64_t at) {
    return static_cast<std::uint16_t>(rom[static_cast<std::size_t>(at)] | rom[static_cast<std::size_t>(at + 1)] << 8);
}

// SNES: teams 0..25 take 6864 bytes; the last team's block starts there, its first
// record fills the main area to its last byte, records 1..11 spill into the overflow.
TEST(PlayerArea, SnesLastTeamSpillsIntoTheOverflow) {
    const OffsetSet o = OffsetSet::snesDefaults();
    const std::int64_t o1 = o[OffsetSet::playerDataArea], o2 = o[OffsetSet::playerOverflowArea];
    for (int spill : {200, 768, 769}) {
        SCOPED_TRACE(spill);
        clsProject project = plainLeague();
        setRecordBytes(project, 0, 25, 26 * 12 * 20);                                // c = 26 * 264 = 6864
        shapePlayer(*project.getTeamRef(26)->getPlayerRef(0), 6915 - 6864 - 24, 1);  // 27 bytes, to 6914
        std::vector<int> lens = lengthsSummingTo(spill, 11, 9);
        for (int p = 1; p < 12; ++p) shapePlayer(*project.getTeamRef(26)->getPlayerRef(p), lens[static_cast<std::size_t>(p - 1)], p);
        const RomImage before = patternImage(Console::Snes);
        RomImage rom = before;
        ResultCode r = saveProjectToRom(project, rom, o, Console::Snes);
        if (spill > 768) {
            EXPECT_EQ(r, 5);
            EXPECT_TRUE(sameBytes(rom, before, o1, 6915));
            EXPECT_TRUE(sameBytes(rom, before, o2, 768));
            EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::teamPtrTable], 54));
            continue;
        }
        ASSERT_EQ(r, 0);
        EXPECT_EQ(wordAt(rom, o[OffsetSet::teamPtrTable] + 52), 0x8000 + ((o1 + 6864) & 0x7FFF));
        EXPECT_EQ(wordAt(rom, o1 + 6864), 0x8000 + ((o1 + 6864 + 24) & 0x7FFF));
        std::int64_t at = 0;
        for (int p = 1; p < 12; ++p) {
            EXPECT_EQ(wordAt(rom, o1 + 6864 + 2 * p), 0x8000 + ((o2 + at) & 0x7FFF)) << p;
            std::vector<std::uint8_t> rec;
            ASSERT_TRUE(project.getTeamRef(26)->getPlayerRef(p)->getDataArray(rec));
            EXPECT_TRUE(std::equal(rec.begin(), rec.end(), rom.begin() + o2 + at)) << p;
            EXPECT_EQ(project.getTeamRef(26)->getPlayerRef(p)->getDataPtr(), 0x8000 + ((o2 + at) & 0x7FFF));
            at += static_cast<std::int64_t>(rec.size());
        }
        EXPECT_EQ(at, spill);
        for (std::int64_t k = at; k < 768; ++k) ASSERT_EQ(rom[static_cast<std::size_t>(o2 + k)], 0) << k;
        clsProject back;
        ASSERT_EQ(loadProjectFromRom(back, rom, o, Console::Snes), 0);
        for (int p = 0; p < 12; ++p)
            EXPECT_EQ(back.getTeamRef(26)->getPlayerRef(p)->getFullname(), project.getTeamRef(26)->getPlayerRef(p)->getFullname());
    }
}

// When even the last team's first record misses the main area, the overflow offset
// counts from where the previous team's records ended, so 24 bytes stay free first.
TEST(PlayerArea, SnesWholeLastTeamInTheOverflowStartsAt24) {
    const OffsetSet o = OffsetSet::snesDefaults();
    const std::int64_t o1 = o[OffsetSet::playerDataArea], o2 = o[OffsetSet::playerOverflowArea];
    clsProject project = plainLeague();
    setRecordBytes(project, 0, 25, 26 * 12 * 20);
    shapePlayer(*project.getTeamRef(26)->getPlayerRef(0), 28, 1);  // one byte too many for the main area
    RomImage rom = patternImage(Console::Snes);
    ASSERT_EQ(saveProjectToRom(project, rom, o, Console::Snes), 0);
    EXPECT_EQ(wordAt(rom, o1 + 6864), 0x8000 + ((o2 + 24) & 0x7FFF));
    for (int k = 0; k < 24; ++k) EXPECT_EQ(rom[static_cast<std::size_t>(o2 + k)], 0);
    EXPECT_EQ(rom[static_cast<std::size_t>(o2 + 24)], 'B');
    clsProject back;
    ASSERT_EQ(loadProjectFromRom(back, rom, o, Console::Snes), 0);
    EXPECT_EQ(back.getTeamRef(26)->getPlayerRef(0)->getFullname(), project.getTeamRef(26)->getPlayerRef(0)->getFullname());
}

// A record of an earlier team reaching the overflow, or a last team whose pointers no
// longer fit the main area, gives 1 and leaves the player regions alone.
TEST(PlayerArea, SnesOverflowBeforeTheLastTeamGives1) {
    const OffsetSet o = OffsetSet::snesDefaults();
    struct Row {
        const char* what;
        std::function<void(clsProject&)> shape;
    };
    const Row rows[] = {
        {"team 25 spills", [](clsProject& p) { setRecordBytes(p, 0, 25, 7000 - 26 * 24); }},
        {"team 0 spills", [](clsProject& p) { setRecordBytes(p, 0, 0, 6900); }},
        {"last team's pointers reach past the main area",
         [](clsProject& p) { setRecordBytes(p, 0, 25, 6900 - 26 * 24); }},
    };
    for (const Row& row : rows) {
        clsProject project = plainLeague();
        row.shape(project);
        const RomImage before = patternImage(Console::Snes);
        RomImage rom = before;
        EXPECT_EQ(saveProjectToRom(project, rom, o, Console::Snes), 1) << row.what;
        EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::playerDataArea], 6915)) << row.what;
        EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::playerOverflowArea], 768)) << row.what;
        EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::teamPtrTable], 54)) << row.what;
    }
}

// Leagues the save refuses before writing anything: the whole image stays as it was.
struct Refusal {
    const char* what;
    ConsoleKind kind;
    bool atPlayerBlocks;  // a record that cannot be built shows only once the name tables are written
    std::function<void(clsProject&, RomImage&, OffsetSet&)> apply;
};

clsPlayer& somePlayer(clsProject& p) { return *p.getTeamRef(13)->getPlayerRef(6); }

const std::vector<Refusal>& refusals() {
    static const std::vector<Refusal> list = {
        {"first name byte 0x80", Console::Nes, false, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).setFirst("JO\x80"); }},
        {"last name byte 0xE9", Console::Snes, false, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).setLast("REN\xE9"); }},
        {"last name byte 0xFF", Console::Nes, false, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).setLast("\xFF"); }},
        {"city with 0xFF", Console::Nes, false, [](clsProject& p, RomImage&, OffsetSet&) { p.getTeamRef(26)->setCity("A\xFF" "B"); }},
        {"mascot with 0xFF", Console::Snes, false, [](clsProject& p, RomImage&, OffsetSet&) { p.getTeamRef(0)->setMascot("\xFF"); }},
        {"abbreviation with 0xFF", Console::Nes, false, [](clsProject& p, RomImage&, OffsetSet&) { p.getTeamRef(5)->setAbrev("AB\xFF"); }},
        {"0xFF text even with too-long abbreviations", Console::Nes, false,
         [](clsProject& p, RomImage&, OffsetSet&) {
             setTextBytes(p, Text::Abbreviation, 300);
             p.getTeamRef(1)->setCity("\xFF");
         }},
        {"west all-star of team 27", Console::Nes, false, [](clsProject& p, RomImage&, OffsetSet&) { p.setWestAllStar(3, 27, 0); }},
        {"east all-star of player slot 13", Console::Snes, false, [](clsProject& p, RomImage&, OffsetSet&) { p.setEastAllStar(11, 2, 13); }},
        {"jersey 100", Console::Nes, true, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).setJersey(100); }},
        {"FG 1022 rounds to 256", Console::Snes, true, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).setFGpercent(1022); }},
        {"FT -3 rounds to -1", Console::Nes, true, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).setFTpercent(-3); }},
        {"3PT 1024", Console::Snes, true, [](clsProject& p, RomImage&, OffsetSet&) { somePlayer(p).set3PTpercent(1024); }},
        {"kind 0", Console::None, false, [](clsProject&, RomImage&, OffsetSet&) {}},
        {"image ends one byte before the NES uniforms' end", Console::Nes, false,
         [](clsProject&, RomImage& rom, OffsetSet& o) { rom.resize(static_cast<std::size_t>(o[OffsetSet::uniformTable] + 55)); }},
        {"image ends inside the SNES overflow area", Console::Snes, false,
         [](clsProject&, RomImage& rom, OffsetSet&) { rom.resize(0x47CD0 + 767); }},
        {"SNES overflow area not configured", Console::Snes, false, [](clsProject&, RomImage&, OffsetSet& o) { o[OffsetSet::playerOverflowArea] = -1; }},
        {"player area crossing the end", Console::Nes, false,
         [](clsProject&, RomImage& rom, OffsetSet& o) { o[OffsetSet::playerDataArea] = static_cast<std::int32_t>(rom.size()) - 6914; }},
        {"schedule at a negative offset", Console::Snes, false, [](clsProject&, RomImage&, OffsetSet& o) { o[OffsetSet::scheduleTable] = -2000; }},
        {"all-star pointer table past the end", Console::Nes, false, [](clsProject&, RomImage&, OffsetSet& o) { o[OffsetSet::allStarPtrTable] = 0x7FFFFFF0; }},
    };
    return list;
}

TEST(Refusals, LeaveTheWholeImageUntouched) {
    for (const Refusal& r : refusals()) {
        clsProject project = plainLeague();
        OffsetSet o = defaultsFor(r.kind == Console::None ? Console::Nes : r.kind);
        RomImage rom = patternImage(r.kind == Console::None ? Console::Nes : r.kind);
        r.apply(project, rom, o);
        rom.shrink_to_fit();
        const RomImage before = rom;
        EXPECT_EQ(saveProjectToRom(project, rom, o, r.kind), 1) << r.what;
        if (r.atPlayerBlocks) {
            EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::playerDataArea], 6915)) << r.what;
            EXPECT_TRUE(sameBytes(rom, before, o[OffsetSet::attributeTable], 27 * 12 * 6)) << r.what;
        } else {
            EXPECT_TRUE(rom == before) << r.what;
        }
    }
}

// Values at the edge of what the game holds still save.
TEST(Refusals, EdgeValuesThatStillSave) {
    const std::vector<std::function<void(clsProject&)>> edits = {
        [](clsProject& p) { somePlayer(p).setFirst("A\x7F"); },
        [](clsProject& p) { p.getTeamRef(3)->setCity("\x80\xFE"); },
        [](clsProject& p) { somePlayer(p).setJersey(99); },
        [](clsProject& p) { somePlayer(p).setFGpercent(1021); },
        [](clsProject& p) { somePlayer(p).setFTpercent(-2); },
        [](clsProject& p) { somePlayer(p).setWeight(32000); },
        [](clsProject& p) { p.setWestAllStar(0, 26, 12); },
        [](clsProject& p) { somePlayer(p).setFirst("JO ANN"); },
    };
    for (std::size_t i = 0; i < edits.size(); ++i) {
        for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
            clsProject project = plainLeague();
            edits[i](project);
            RomImage rom = patternImage(kind);
            EXPECT_EQ(saveProjectToRom(project, rom, defaultsFor(kind), kind), 0) << "edit " << i;
        }
    }
}

}  // namespace
