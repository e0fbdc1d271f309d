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
constexpr ConsoleKind kBoth[] = {Console::Nes, Console::Snes};

// A player whose data record is exactly length bytes (at least 9); 3PT 32 makes its last byte 8.
void shape(clsPlayer& p, int length, int seed) {
    const std::size_t chars = static_cast<std::size_t>(length - 8);
    p.setFirst(std::string(chars / 2, static_cast<char>('A' + seed % 26)));
    p.setLast(std::string(chars - chars / 2, static_cast<char>('Z' - seed % 26))), p.set3PTpercent(32);
}
// The teams' texts of one table (named by its pointer table entry) with terminators take total bytes.
void setTextBytes(clsProject& pr, int table, int total) {
    for (int t = 0; t < 27; ++t) {
        const std::string s(static_cast<std::size_t>(total / 27 + (t < total % 27) - 1), static_cast<char>('A' + t % 26));
        clsTeam& team = *pr.getTeamRef(t);
        table == E::abrevPtrTable ? team.setAbrev(s) : table == E::cityPtrTable ? team.setCity(s) : team.setMascot(s);
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
    bool untouched(int e, std::int64_t n) const { return std::equal(rom.begin() + o[e], rom.begin() + o[e] + n, before.begin() + o[e]); }
};
// Saves a league of one-letter texts and 10-byte records (other fields at their defaults), after an
// edit, over filler bytes; the rom keeps no spare capacity, so that the sanitizer sees a stray write.
// On a whole image the space accounting predicts the result and, for "too long", that region and
// no earlier one over (the SNES overflow standing for the players).
Saved save(ConsoleKind kind, const Edit& edit, const std::function<void(RomImage&, OffsetSet&)>& setup = nullptr, ConsoleKind as = -9) {
    const bool snes = kind == Console::Snes;
    Saved s{.pr = {}, .o = snes ? E::snesDefaults() : E::nesDefaults(), .before = RomImage(snes ? 0x100000 : 0x60010), .rom = {}};
    for (int t = 0; t < 27; ++t) {
        clsTeam& team = *s.pr.getTeamRef(t);
        team.setCity("C"), team.setMascot("M"), team.setAbrev("A"), team.uniformNES_vaild = team.uniformSNES_vaild = true;
        for (int p = 0; p < 12; ++p) shape(*team.getPlayerRef(p), 10, t * 12 + p);
    }
    for (std::size_t i = 0; i < s.before.size(); ++i) s.before[i] = static_cast<std::uint8_t>(i * 13 + 5);
    if (setup) setup(s.before, s.o);
    edit(s.pr), s.rom = RomImage(s.before.begin(), s.before.end()), as = as == -9 ? kind : as;
    const SpaceReport space = computeSpace(s.pr, as);
    s.result = saveProjectToRom(s.pr, s.rom, s.o, as);
    EXPECT_TRUE(setup || space.expectedResult == s.result) << "predicted " << space.expectedResult << ", saved " << s.result;
    for (int k = 0; !setup && s.result != 1 && k < (s.result == 0 ? 4 : s.result - 1); ++k)
        EXPECT_EQ(space.regions[static_cast<std::size_t>(k + (k == 3 && snes))].fits(), s.result == 0 || k < s.result - 2);
    return s;
}
// Everything read back from the saved image equals the league saved (its names blanked first).
void expectReadBack(const Saved& s, ConsoleKind kind) {
    clsProject back = s.pr;
    for (int i = 0; i < 27 * 13; ++i) {
        clsTeam& t = *back.getTeamRef(i / 13);
        i % 13 == 12 ? (t.setCity(""), t.setMascot(""), t.setAbrev("")) : (t.getPlayerRef(i % 13)->setFirst(""), t.getPlayerRef(i % 13)->setLast(""));
    }
    ASSERT_EQ(loadProjectFromRom(back, s.rom, s.o, kind), 0);
    EXPECT_TRUE(back == s.pr);
}

// Every outcome of a save. A table fills to its last byte and one byte more gives its code; the NES
// player area holds 6915 bytes; on SNES (teams 0..25 take 6864 bytes here) the last team's records
// that miss the main area go to the 768-byte overflow, counted from where the main area's records
// ended, and anything else spilling gives 1. A failure leaves every region untouched, the earlier
// name tables too (a refusal of 1 the whole image); a success reads back. Triples (entry, offset,
// byte) pin bytes: an all-star entry is the pointer its team's list holds for the record, the team,
// and both indexes doubled, west first. Slot 12 is outside the roster: its record is never placed,
// so it has no pointer to give, and the save refuses it.
TEST(RomWriter, SavesEachLeagueOrLeavesTheFailingRegionUntouched) {
    auto text = [](int table, int total) -> Edit { return [=](clsProject& p) { setTextBytes(p, table, total); }; };
    auto records = [](int first, int last, int total) -> Edit { return [=](clsProject& p) { setRecordBytes(p, first, last, total); }; };
    auto spill = [](int firstRecord, int rest) -> Edit {
        return [=](clsProject& p) {
            setRecordBytes(p, 0, 25, 6240), shape(*p.getTeamRef(26)->getPlayerRef(0), firstRecord, 1), setRecordBytes(p, 26, 26, rest, 1);
        };
    };
    auto player = [](std::function<void(clsPlayer&)> e) -> Edit { return [=](clsProject& p) { e(*p.getTeamRef(13)->getPlayerRef(6)); }; };
    const ConsoleKind both = -1;
    using Pins = std::vector<std::array<int, 3>>;
    auto star = [](int at, int team, int player, int pointer) -> Pins {  // all-star entry `at`, east entries from 12
        return {{E::allStarPtrTable, 2 * at, pointer & 0xFF}, {E::allStarPtrTable, 2 * at + 1, pointer >> 8}, {E::teamOfAllStarTable, at, team},
                {E::allStarRosterTable, 2 * at, 2 * team}, {E::allStarRosterTable, 2 * at + 1, 2 * player}};
    };
    const std::tuple<const char*, ConsoleKind, Edit, int, Pins> rows[] = {  // result -1: 1 from the player layout
        {"abbreviations of 135 bytes", both, text(E::abrevPtrTable, 135), 0, {{E::abrevTextArea, 170, 0}}},
        {"abbreviations of 142 bytes", both, text(E::abrevPtrTable, 142), 0, {{E::abrevTextArea, 170, 0xFF}}},
        {"abbreviations of 143 bytes", both, text(E::abrevPtrTable, 143), 2, {}},
        {"abbreviations of 400 bytes", both, text(E::abrevPtrTable, 400), 2, {}},
        {"cities of 249 bytes", both, text(E::cityPtrTable, 249), 0, {{E::cityTextArea, 258, 0xFF}}},
        {"cities of 250 bytes", both, text(E::cityPtrTable, 250), 3, {}},
        {"mascots of 208 bytes", both, text(E::mascotPtrTable, 208), 0, {{E::mascotTextArea, 217, 0xFF}}},
        {"mascots of 209 bytes", both, text(E::mascotPtrTable, 209), 4, {}},
        {"cities and mascots too long", Console::Snes,
         [](clsProject& p) { setTextBytes(p, E::cityPtrTable, 250), setTextBytes(p, E::mascotPtrTable, 400); }, 3, {}},
        {"NES players full to the last byte", Console::Nes, records(0, 26, 6915 - 648), 0, {{E::playerDataArea, 6914, 8}}},
        {"NES players one byte over", Console::Nes, records(0, 26, 6916 - 648), 5, {}},
        {"SNES spill of 768", Console::Snes, spill(27, 768), 0,
         {{E::playerDataArea, 6914, 8}, {E::playerDataArea, 6866, 0xD0}, {E::playerDataArea, 6867, 0xFC}, {E::playerOverflowArea, 767, 8}}},
        {"SNES spill of 769", Console::Snes, spill(27, 769), 5, {}},
        {"SNES whole last team spills", Console::Snes, spill(28, 110), 0,
         {{E::playerDataArea, 6914, 0}, {E::playerDataArea, 6864, 0xE8}, {E::playerDataArea, 6865, 0xFC},
          {E::playerOverflowArea, 23, 0}, {E::playerOverflowArea, 24, 'B'}}},
        {"team 25 spills", Console::Snes, records(0, 25, 7000 - 26 * 24), -1, {}},
        {"last team's pointers past the main area", Console::Snes, records(0, 25, 6900 - 26 * 24), -1, {}},
        {"first name byte 0x80", Console::Nes, player([](clsPlayer& p) { p.setFirst("JO\x80"); }), 1, {}},
        {"last name byte 0xE9", Console::Snes, player([](clsPlayer& p) { p.setLast("REN\xE9"); }), 1, {}},
        {"city with 0xFF", Console::Nes, [](clsProject& p) { p.getTeamRef(26)->setCity("A\xFF" "B"); }, 1, {}},
        {"abbreviation with 0xFF", Console::Snes, [](clsProject& p) { p.getTeamRef(5)->setAbrev("AB\xFF"); }, 1, {}},
        {"0xFF city, abbreviations too long", Console::Nes,
         [](clsProject& p) { setTextBytes(p, E::abrevPtrTable, 300), p.getTeamRef(1)->setCity("\xFF"); }, 1, {}},
        {"west all-star of team 27", Console::Nes, [](clsProject& p) { p.setWestAllStar(3, 27, 0); }, 1, {}},
        {"east all-star of slot 13", Console::Snes, [](clsProject& p) { p.setEastAllStar(11, 2, 13); }, 1, {}},
        {"jersey 100", Console::Nes, player([](clsPlayer& p) { p.setJersey(100); }), -1, {}},
        {"FG 1022 rounds to 256", Console::Snes, player([](clsPlayer& p) { p.setFGpercent(1022); }), -1, {}},
        {"FT -3 rounds to -1", Console::Nes, player([](clsPlayer& p) { p.setFTpercent(-3); }), -1, {}},
        {"name byte 0x7F", both, player([](clsPlayer& p) { p.setFirst("A\x7F"); }), 0, {}},
        {"city bytes 0x80 0xFE", both, [](clsProject& p) { p.getTeamRef(3)->setCity("\x80\xFE"); }, 0, {}},
        {"west all-star 0 of team 5 slot 3", Console::Nes, [](clsProject& p) { p.setWestAllStar(0, 5, 3); }, 0, star(0, 5, 3, 0x8371)},
        {"west all-star 0 of team 5 slot 3", Console::Snes, [](clsProject& p) { p.setWestAllStar(0, 5, 3); }, 0, star(0, 5, 3, 0x9732)},
        {"east all-star 7 of team 20 slot 11", Console::Nes, [](clsProject& p) { p.setEastAllStar(7, 20, 11); }, 0, star(19, 20, 11, 0x8C31)},
        {"all-star of slot 12", both, [](clsProject& p) { p.getTeamRef(13)->getPlayerRef(12)->setDataPtr(0x1234), p.setWestAllStar(4, 13, 12); },
         1, {}},
    };
    // The regions in the order the save writes them: abbreviations, cities, mascots, players.
    const std::vector<std::pair<int, int>> regions[] = {
        {{E::abrevPtrTable, 68}, {E::abrevTextArea, 171}}, {{E::cityPtrTable, 58}, {E::cityTextArea, 259}},
        {{E::mascotPtrTable, 58}, {E::mascotTextArea, 218}},
        {{E::teamPtrTable, 54}, {E::playerDataArea, 6915}, {E::attributeTable, 1944}, {E::playerOverflowArea, 768}}};
    for (const auto& [what, only, edit, expected, pins] : rows)
        for (ConsoleKind kind : kBoth) {
            if (only != both && only != kind) continue;
            SCOPED_TRACE(std::string(what) + (kind == Console::Nes ? " (NES)" : " (SNES)"));
            Saved s = save(kind, edit);
            ASSERT_EQ(s.result, std::abs(expected));
            if (expected == 1) { EXPECT_TRUE(s.rom == s.before); }
            for (int g = expected == 0 ? 4 : 0; g < 4; ++g)
                for (auto [entry, n] : regions[g]) {
                    EXPECT_TRUE((entry == E::playerOverflowArea && kind == Console::Nes) || s.untouched(entry, n)) << entry;
                }
            if (expected == 0) { expectReadBack(s, kind); }
            for (auto [entry, offset, byte] : pins) EXPECT_EQ(s(entry, offset), byte) << entry << " + " << offset;
        }
}

// Images and offsets the save cannot use, and other kinds: 1, the image untouched.
TEST(RomWriter, RefusesRegionsOutsideTheImage) {
    const std::tuple<ConsoleKind, int, std::int32_t, std::size_t> rows[] = {  // kind, entry, offset or -1 to keep it, length or 0 to keep it
        {Console::Nes, 0, -1, 0x1DC0C + 55}, {Console::Snes, 0, -1, 0x47CD0 + 767}, {Console::Snes, E::playerOverflowArea, -1, 0},
        {Console::Nes, E::playerDataArea, 0x60010 - 6914, 0}, {Console::Snes, E::scheduleTable, -2000, 0},
        {Console::Nes, E::allStarPtrTable, 0x7FFFFFF0, 0}};
    for (const auto& [kind, entry, offset, length] : rows) {
        Saved s = save(kind, [](clsProject&) {}, [&](RomImage& rom, OffsetSet& o) { length ? rom.resize(length) : void(o[entry] = offset); });
        EXPECT_TRUE(s.result == 1 && s.rom == s.before) << entry << " " << offset << " " << length;
    }
    EXPECT_EQ(save(Console::Nes, [](clsProject&) {}, nullptr, 0).result + save(Console::Nes, [](clsProject&) {}, nullptr, 3).result, 2);
}

}  // namespace
