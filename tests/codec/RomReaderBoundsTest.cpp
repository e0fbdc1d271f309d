// Truncated and foreign images, pointers and offsets that lead outside the image: the
// reader answers with a non-zero result and never reads beyond the bytes (the sanitizer
// build runs these too).
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "codec/HandImage.h"
#include "codec/RomReader.h"

using handimage::HandImage;

namespace {

struct Damage {
    const char* what;
    ConsoleKind kind;
    std::function<void(HandImage&)> apply;
};

// Cuts the image so that its last byte is the one before offset.
void cutAt(HandImage& h, std::int64_t offset) { h.rom.resize(static_cast<std::size_t>(offset)); }

const std::vector<Damage>& damages() {
    static const std::vector<Damage> list = {
        {"empty image", Console::Nes, [](HandImage& h) { h.rom.clear(); }},
        {"empty SNES image", Console::Snes, [](HandImage& h) { h.rom.clear(); }},
        {"NES image of 16 bytes", Console::Nes, [](HandImage& h) { cutAt(h, 16); }},
        {"cut inside the team pointer table", Console::Nes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::teamPtrTable] + 53); }},
        {"cut inside the player area", Console::Snes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::playerDataArea] + 3000); }},
        {"cut inside the rating table", Console::Nes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::attributeTable] + 1943); }},
        {"cut inside the SNES rating table", Console::Snes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::attributeTable] + 2267); }},
        {"cut inside the schedule", Console::Nes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::scheduleTable] + 2213); }},
        {"cut inside the SNES uniforms", Console::Snes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::uniformTable] + 27 * 256 - 1); }},
        {"cut before the second NES uniform table", Console::Nes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::uniformTable] + 29 + 26); }},
        {"cut inside the points table", Console::Nes, [](HandImage& h) { cutAt(h, h.o[OffsetSet::pointsTable] + 27 + 26); }},
        {"team pointer to a list off the end", Console::Snes,
         [](HandImage& h) {
             h.putWord(h.o[OffsetSet::teamPtrTable] + 2 * 26, 0xFFF0);  // list at 0x47FF0
             cutAt(h, 0x47FF0 + 10);
         }},
        {"player pointer off the end", Console::Snes,
         [](HandImage& h) {
             h.putWord(h.listOffset(13) + 2 * 11, 0xFFFF);  // record at 0x47FFF
             cutAt(h, 0x47FFF);
         }},
        {"record whose name runs to the end", Console::Snes,
         [](HandImage& h) {
             std::int64_t at = h.placeRecord(2, 2, std::vector<std::uint8_t>(40, 'N'));
             cutAt(h, at + 40);
         }},
        {"record cut inside its seven figure bytes", Console::Snes,
         [](HandImage& h) {
             std::int64_t at = h.placeRecord(2, 2, {'N', 0x80, 0x12, 0x60});
             cutAt(h, at + 4);
         }},
        {"city text without terminator up to the end", Console::Snes,
         [](HandImage& h) {
             h.put(0x43F00, std::vector<std::uint8_t>(0x100, 'C'));
             h.putWord(h.o[OffsetSet::cityPtrTable] + 2 * 5, 0x3F00);
             cutAt(h, 0x44000);  // the SNES schedule and all after it are lost too, but the city comes first
         }},
        {"abbreviation text running off a short image", Console::Nes,
         [](HandImage& h) {
             h.put(0xFFF0, std::vector<std::uint8_t>(16, 'A'));
             h.putWord(h.o[OffsetSet::abrevPtrTable], 0xFFE0);  // 0x3FE0 + 0xC010 = 0xFFF0
             cutAt(h, 0x10000);
         }},
        {"rating table offset beyond the end", Console::Nes, [](HandImage& h) { h.o[OffsetSet::attributeTable] = 0x7FFFFFF0; }},
        {"roster table offset negative", Console::Nes, [](HandImage& h) { h.o[OffsetSet::allStarRosterTable] = -5; }},
        {"schedule reaching one byte past the end", Console::Snes,
         [](HandImage& h) { h.o[OffsetSet::scheduleTable] = static_cast<std::int32_t>(h.rom.size()) - 2213; }},
        {"team pointer table at the last byte", Console::Nes,
         [](HandImage& h) { h.o[OffsetSet::teamPtrTable] = static_cast<std::int32_t>(h.rom.size()) - 1; }},
        {"uniform table offset of -1", Console::Snes, [](HandImage& h) { h.o[OffsetSet::uniformTable] = -1; }},
        {"city pointer table far past the end", Console::Snes, [](HandImage& h) { h.o[OffsetSet::cityPtrTable] = 0x7FFFFFFF; }},
        {"points table at the lowest offset", Console::Nes, [](HandImage& h) { h.o[OffsetSet::pointsTable] = INT32_MIN; }},
    };
    return list;
}

TEST(ReaderBounds, DamagedImagesGiveNonZero) {
    for (const Damage& d : damages()) {
        HandImage h(d.kind);
        d.apply(h);
        h.rom.shrink_to_fit();  // so that the sanitizer sees every byte past the end
        clsProject project;
        EXPECT_NE(loadProjectFromRom(project, h.rom, h.o, d.kind), 0) << d.what;
    }
}

// The undamaged images decode, so each failure above is the damage's doing.
TEST(ReaderBounds, UndamagedImagesDecode) {
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        HandImage h(kind);
        clsProject project;
        EXPECT_EQ(loadProjectFromRom(project, h.rom, h.o, kind), 0);
    }
}

// An image that ends exactly after the last byte the reader needs still decodes.
TEST(ReaderBounds, ImageEndingAtTheLastNeededByteDecodes) {
    HandImage h(Console::Nes);
    std::int64_t end = h.o[OffsetSet::uniformTable] + 29 + 27;
    h.rom.resize(static_cast<std::size_t>(end));
    h.rom.shrink_to_fit();
    clsProject project;
    EXPECT_EQ(loadProjectFromRom(project, h.rom, h.o, h.kind), 0);
}

// Random damage of many kinds: whatever the result, nothing is read outside the image.
TEST(ReaderBounds, RandomlyDamagedImagesNeverReadOutside) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 120; ++round) {
        ConsoleKind kind = round % 2 ? Console::Snes : Console::Nes;
        HandImage h(kind);
        std::uniform_int_distribution<std::size_t> pos(0, h.rom.size() - 1);
        for (int k = 0; k < 400; ++k) h.rom[pos(rng)] = static_cast<std::uint8_t>(rng());
        // Scramble pointer tables wholesale in some rounds.
        if (round % 3 == 0)
            for (int e : {OffsetSet::teamPtrTable, OffsetSet::cityPtrTable, OffsetSet::abrevPtrTable})
                for (int k = 0; k < 54; ++k) h.rom[static_cast<std::size_t>(h.o[e] + k)] = static_cast<std::uint8_t>(rng());
        h.rom.resize(pos(rng));
        h.rom.shrink_to_fit();
        clsProject project;
        ResultCode r = loadProjectFromRom(project, h.rom, h.o, kind);
        EXPECT_TRUE(r == 0 || r == 1) << r;
    }
}

}  // namespace
