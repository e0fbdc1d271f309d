// The writer's buffers at their exact limits, the all-star tables and the leagues it refuses, each save predicted
// by the space accounting. (Where every byte of an unedited league goes is checked against the reference images.)
#include <gtest/gtest.h>

#include <functional>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "codec/SpaceReport.h"

namespace {

using E = OffsetSet;
using Edit = std::function<void(clsProject&)>;

// A player whose data record is exactly length bytes (at least 9); 3PT 32 makes its last byte 8.
void shape(clsPlayer& p, int length, int seed) {
    const std::size_t chars = static_cast<std::size_t>(length - 8);
    p.setFirst(std::string(chars / 2, static_cast<char>('A' + seed % 26)));
    p.setLast(std::string(chars - chars / 2, static_cast<char>('Z' - seed % 26)));
    p.set3PTpercent(32);
}
// The teams' texts of one table (named by its pointer table entry) with terminators take total bytes.
void setTextBytes(clsProject& pr, int table, int total) {
    for (int t = 0; t < 27; ++t) {
        const std::string s(static_cast<std::size_t>(total / 27 + (t < total % 27) - 1),
                            static_cast<char>('A' + t % 26));
        clsTeam& team = *pr.getTeamRef(t);
        if (table == E::abrevPtrTable) team.setAbrev(s);
        if (table == E::cityPtrTable) team.setCity(s);
        if (table == E::mascotPtrTable) team.setMascot(s);
    }
}
// The records from slot `slot` of team `first` to the end of team `last` take total bytes.
void setRecordBytes(clsProject& pr, int first, int last, int total, int slot = 0) {
    const int n = (last - first + 1) * 12 - slot;
    for (int i = slot; i < slot + n; ++i)
        shape(*pr.getTeamRef(first + i / 12)->getPlayerRef(i % 12), total / n + (i - slot < total % n), first * 12 + i);
}

struct Saved {
    clsProject pr;
    OffsetSet o;
    RomImage before, rom;
    ResultCode result = 0;
    int operator()(int entry, std::int64_t k) const { return rom.at(o[entry] + k); }
};

// A league of one-letter texts and 10-byte records (other fields at their defaults), after an edit, saved over
// filler bytes of a whole image of the kind (an NES image for other kinds); the rom keeps no spare capacity, so
// that the sanitizer sees a stray write. The space accounting predicts the result and, for "too long", that
// region and no earlier one over (the SNES overflow standing for the players); a refused save leaves the image
// untouched; everything read back from a saved one equals the league saved (its names blanked first).
Saved save(ConsoleKind kind, const Edit& edit) {
    const bool snes = kind == Console::Snes;
    Saved s{.pr = {},
            .o = snes ? E::snesDefaults() : E::nesDefaults(),
            .before = RomImage(snes ? 0x100000 : 0x60010),
            .rom = {}};
    for (int t = 0; t < 27; ++t) {
        clsTeam& team = *s.pr.getTeamRef(t);
        team.setCity("C"), team.setMascot("M"), team.setAbrev("A");
        team.uniformNES_vaild = team.uniformSNES_vaild = true;
        for (int p = 0; p < 12; ++p) shape(*team.getPlayerRef(p), 10, t * 12 + p);
    }
    for (std::size_t i = 0; i < s.before.size(); ++i) s.before[i] = static_cast<std::uint8_t>(i * 13 + 5);
    edit(s.pr);
    s.rom = RomImage(s.before.begin(), s.before.end());
    s.result = saveProjectToRom(s.pr, s.rom, s.o, kind);
    const SpaceReport space = computeSpace(s.pr, kind);
    EXPECT_EQ(space.expectedResult, s.result) << "the space accounting's prediction";
    const int tables = s.result == 0 ? 4 : s.result == 1 ? 0 : s.result - 1;  // the regions the save got to
    for (int k = 0; k < tables; ++k) {
        const std::size_t region = static_cast<std::size_t>(k + (k == 3 && snes));
        EXPECT_EQ(space.regions[region].fits(), s.result == 0 || k < s.result - 2) << space.regions[region].name;
    }
    if (s.result != 0) {
        EXPECT_TRUE(s.rom == s.before) << "a refused save leaves the image untouched";
        return s;
    }
    clsProject back = s.pr;
    for (int t = 0; t < 27; ++t) {
        back.getTeamRef(t)->setCity(""), back.getTeamRef(t)->setMascot(""), back.getTeamRef(t)->setAbrev("");
        for (int p = 0; p < 12; ++p)
            back.getTeamRef(t)->getPlayerRef(p)->setFirst(""), back.getTeamRef(t)->getPlayerRef(p)->setLast("");
    }
    EXPECT_EQ(loadProjectFromRom(back, s.rom, s.o, kind), 0);
    EXPECT_TRUE(back == s.pr);
    return s;
}

// Every outcome of a save. A table fills to its last byte and one byte more gives its code; the NES
// player area holds 6915 bytes; on SNES (teams 0..25 take 6864 bytes here) the last team's records
// that miss the main area go to the 768-byte overflow, counted from where the main area's records
// ended, and anything else spilling gives 1. A failure leaves the whole image untouched; a success
// reads back. Pins (entry, offset, byte) fix single bytes: an all-star entry is the pointer its
// team's list holds for the record, the team, and both indexes doubled, west first. Slot 12 is
// outside the roster: its record is never placed, so it has no pointer to give, and the save refuses it.
TEST(RomWriter, SavesEachLeagueOrLeavesTheImageUntouched) {
    auto text = [](int table, int total) -> Edit { return [=](clsProject& p) { setTextBytes(p, table, total); }; };
    auto records = [](int first, int last, int total) -> Edit {
        return [=](clsProject& p) { setRecordBytes(p, first, last, total); };
    };
    auto spill = [](int firstRecord, int rest) -> Edit {
        return [=](clsProject& p) {
            setRecordBytes(p, 0, 25, 6240);
            shape(*p.getTeamRef(26)->getPlayerRef(0), firstRecord, 1);
            setRecordBytes(p, 26, 26, rest, 1);
        };
    };
    auto player = [](std::function<void(clsPlayer&)> e) -> Edit {
        return [=](clsProject& p) { e(*p.getTeamRef(13)->getPlayerRef(6)); };
    };
    using Pins = std::vector<std::array<int, 3>>;
    auto star = [](int at, int team, int player, int pointer) -> Pins {  // all-star entry `at`, east entries from 12
        return {{E::allStarPtrTable, 2 * at, pointer & 0xFF},
                {E::allStarPtrTable, 2 * at + 1, pointer >> 8},
                {E::teamOfAllStarTable, at, team},
                {E::allStarRosterTable, 2 * at, 2 * team},
                {E::allStarRosterTable, 2 * at + 1, 2 * player}};
    };
    // The main area's last byte, the last team's pointer to its first record in the overflow, the overflow's end.
    const int D = E::playerDataArea, V = E::playerOverflowArea;
    const Pins spilt768 = {{D, 6914, 8}, {D, 6866, 0xD0}, {D, 6867, 0xFC}, {V, 767, 8}};
    const Pins spiltTeam = {{D, 6914, 0}, {D, 6864, 0xE8}, {D, 6865, 0xFC}, {V, 23, 0}, {V, 24, 'B'}};
    const std::vector<ConsoleKind> both = {Console::Nes, Console::Snes}, nes = {Console::Nes}, snes = {Console::Snes};
    struct Row {
        const char* name;
        std::vector<ConsoleKind> kinds;
        Edit edit;
        ResultCode result;
        Pins pins = {};
    };
    const Row rows[] = {
        {"abbreviations of 135 bytes", both, text(E::abrevPtrTable, 135), 0, {{E::abrevTextArea, 170, 0}}},
        {"abbreviations of 142 bytes", both, text(E::abrevPtrTable, 142), 0, {{E::abrevTextArea, 170, 0xFF}}},
        {"abbreviations of 143 bytes", both, text(E::abrevPtrTable, 143), 2},
        {"cities of 249 bytes", both, text(E::cityPtrTable, 249), 0, {{E::cityTextArea, 258, 0xFF}}},
        {"cities of 250 bytes", both, text(E::cityPtrTable, 250), 3},
        {"mascots of 208 bytes", both, text(E::mascotPtrTable, 208), 0, {{E::mascotTextArea, 217, 0xFF}}},
        {"mascots of 209 bytes", both, text(E::mascotPtrTable, 209), 4},
        {"cities and mascots too long", snes,
         [](clsProject& p) { setTextBytes(p, E::cityPtrTable, 250), setTextBytes(p, E::mascotPtrTable, 400); }, 3},
        {"NES players full to the last byte", nes, records(0, 26, 6915 - 648), 0, {{E::playerDataArea, 6914, 8}}},
        {"NES players one byte over", nes, records(0, 26, 6916 - 648), 5},
        {"SNES spill of 768", snes, spill(27, 768), 0, spilt768},
        {"SNES spill of 769", snes, spill(27, 769), 5},
        {"SNES whole last team spills", snes, spill(28, 110), 0, spiltTeam},
        {"team 25 spills", snes, records(0, 25, 7000 - 26 * 24), 1},
        {"last team's pointers past the main area", snes, records(0, 25, 6900 - 26 * 24), 1},
        {"last name byte 0x80", snes, player([](clsPlayer& p) { p.setLast("REN\x80"); }), 1},
        {"city with 0xFF", nes, [](clsProject& p) { p.getTeamRef(26)->setCity("A\xFF"); }, 1},
        {"0xFF city, abbreviations too long", nes,
         [](clsProject& p) { setTextBytes(p, E::abrevPtrTable, 300), p.getTeamRef(1)->setCity("\xFF"); }, 1},
        {"a player record that cannot be built: jersey 100", nes, player([](clsPlayer& p) { p.setJersey(100); }), 1},
        {"name byte 0x7F", both, player([](clsPlayer& p) { p.setFirst("A\x7F"); }), 0},
        {"city bytes 0x80 0xFE", both, [](clsProject& p) { p.getTeamRef(3)->setCity("\x80\xFE"); }, 0},
        {"west all-star 0 of team 5 slot 3", snes, [](clsProject& p) { p.setWestAllStar(0, 5, 3); }, 0,
         star(0, 5, 3, 0x9732)},
        {"east all-star 7 of team 20 slot 11", nes, [](clsProject& p) { p.setEastAllStar(7, 20, 11); }, 0,
         star(19, 20, 11, 0x8C31)},
        {"editions other than NES and SNES", {0, 3}, [](clsProject&) {}, 1},
    };
    for (const Row& row : rows) {
        for (ConsoleKind kind : row.kinds) {
            SCOPED_TRACE(std::string(row.name) + " (kind " + std::to_string(kind) + ")");
            const Saved s = save(kind, row.edit);
            EXPECT_EQ(s.result, row.result);
            for (auto [entry, offset, byte] : row.pins) EXPECT_EQ(s(entry, offset), byte) << entry << " + " << offset;
        }
    }
}

}  // namespace
