// Offset sets checked against the image before Open decodes and before Save encodes: a region outside the image
// or two regions on the same bytes refuse both, leaving league and image as they were; unusual sets that fit
// pass. (The defaults pass on every reference and demo image in the round-trip tests.)
#include <gtest/gtest.h>

#include <functional>

#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "demo/DemoRom.h"
#include "support/ReferenceImages.h"

namespace {

using E = OffsetSet;
using Problem = OffsetCheck::Outcome::Problem;

// Where each region ends, counted from its entry's offset: 27 team pointers, 6915 bytes of player blocks, 768 of
// SNES overflow, 324 rating records of 6 or 7 bytes, 29 city and mascot and 34 abbreviation pointers and their
// text buffers, 1107 games of 2 bytes, 27 + 27 points, the uniforms (NES: two 27-byte tables 29 bytes apart), 24
// all-star pointers, 24 all-star teams, 24 roster pairs.
std::int64_t regionEnd(ConsoleKind kind, int entry) {
    const bool snes = kind == Console::Snes;
    const std::int64_t ends[] = {54,  6915, 768, snes ? 2268 : 1944, 58, 259, 58, 218, 68,
                                 171, 2214, 54,  snes ? 6912 : 56,   48, 24,  48};
    return ends[entry];
}

struct Case {
    std::string name;
    ConsoleKind kind;
    std::function<void(OffsetSet&, std::int64_t imageSize)> change;
    Problem problem;
    int entry = 0;  // the region named (Outside), or the lower one of the pair (Overlap)
    int other = 0;  // the higher one of the pair (Overlap)
};

std::vector<Case> cases() {
    std::vector<Case> rows;
    for (ConsoleKind kind : {Console::Nes, Console::Snes})
        for (int entry = 0; entry < E::Count; ++entry) {
            if (kind == Console::Nes && entry == E::playerOverflowArea) continue;
            const std::string name = (kind == Console::Nes ? "NES " : "SNES ") + std::string(E::entryName(entry));
            const std::int64_t end = regionEnd(kind, entry);
            auto at = [=](std::int64_t fromEnd) {
                return [=](OffsetSet& o, std::int64_t size) { o[entry] = static_cast<std::int32_t>(size - fromEnd); };
            };
            rows.push_back({name + " one byte past the end", kind, at(end - 1), Problem::Outside, entry});
            rows.push_back({name + " ending at the last byte", kind, at(end), Problem::None});
            rows.push_back(
                {name + " at -1", kind, [=](OffsetSet& o, std::int64_t) { o[entry] = -1; }, Problem::Outside, entry});
        }
    const ConsoleKind N = Console::Nes, S = Console::Snes;
    auto move = [](int entry, int onto, std::int64_t by) {
        return [=](OffsetSet& o, std::int64_t) { o[entry] = static_cast<std::int32_t>(o[onto] + by); };
    };
    const Case more[] = {
        {"points on the schedule's last byte", N, move(E::pointsTable, E::scheduleTable, 2213), Problem::Overlap,
         E::scheduleTable, E::pointsTable},
        {"points right after the schedule", N, move(E::pointsTable, E::scheduleTable, 2214), Problem::None},
        {"points on the last byte of the second NES uniform table", N, move(E::pointsTable, E::uniformTable, 55),
         Problem::Overlap, E::pointsTable, E::uniformTable},
        {"points right after the second NES uniform table", N, move(E::pointsTable, E::uniformTable, 56),
         Problem::None},
        {"all-star teams ending where the SNES uniforms begin", S, move(E::teamOfAllStarTable, E::uniformTable, -24),
         Problem::None},
        {"NES overflow entry on the team pointers: unused", N, move(E::playerOverflowArea, E::teamPtrTable, 0),
         Problem::None},
        {"SNES overflow on the last byte of the player area", S, move(E::playerOverflowArea, E::playerDataArea, 6914),
         Problem::Overlap, E::playerDataArea, E::playerOverflowArea},
        {"ratings over the abbreviation pointers", N, move(E::attributeTable, E::abrevPtrTable, -1000),
         Problem::Overlap, E::attributeTable, E::abrevPtrTable},
        {"two text areas at one offset", S, move(E::mascotTextArea, E::cityTextArea, 0), Problem::Overlap,
         E::cityTextArea, E::mascotTextArea},
        {"every region in reverse order far from the defaults", N,
         [](OffsetSet& o, std::int64_t) {
             std::int32_t at = 0x30000;
             for (int entry = E::Count - 1; entry >= 0; --entry) {
                 o[entry] = at;
                 at += static_cast<std::int32_t>(regionEnd(Console::Nes, entry)) + 3;
             }
         },
         Problem::None},
    };
    rows.insert(rows.end(), std::begin(more), std::end(more));
    return rows;
}

// Open refuses with 1 before it decodes anything; Save with 1 before it writes anything; a set that passes saves
// the league (a set that only fits is not read back: its pointers are foreign).
TEST(OffsetCheck, RegionsOutsideTheImageOrOnEachOtherRefuseOpenAndSave) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const RomImage original = c.kind == Console::Nes ? DemoRom::makeNes() : DemoRom::makeSnes();
        clsProject league;
        ASSERT_EQ(loadProjectFromRom(league, original, testsupport::defaultOffsets(c.kind), c.kind), Result::Ok);
        OffsetSet o = testsupport::defaultOffsets(c.kind);
        c.change(o, std::ssize(original));
        const OffsetCheck::Outcome outcome = OffsetCheck::check(o, c.kind, std::ssize(original));
        EXPECT_EQ(outcome.problem, c.problem) << outcome.describe();
        RomImage rom = original;
        EXPECT_EQ(saveProjectToRom(league, rom, o, c.kind), c.problem == Problem::None ? Result::Ok : Result::Failed);
        if (c.problem == Problem::None) continue;
        EXPECT_EQ(outcome.region.entry, c.entry);
        if (c.problem == Problem::Overlap)
            EXPECT_EQ(outcome.describe(), std::string(E::entryName(c.entry)) + " overlaps " + E::entryName(c.other));
        EXPECT_TRUE(rom == original) << "the image is written only after the check";
        clsProject opened;
        opened.getTeamRef(0)->setCity("UNTOUCHED");
        const clsProject before = opened;
        EXPECT_EQ(loadProjectFromRom(opened, original, o, c.kind), Result::Failed);
        EXPECT_TRUE(opened == before) << "nothing is decoded";
    }
}

}  // namespace
