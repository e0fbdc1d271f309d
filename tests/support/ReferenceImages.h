#pragma once
#include <gtest/gtest.h>

#include <string>

#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "codec/RomReader.h"
#include "support/TestSupport.h"

// The reference fixtures' images (from an independent implementation, with its outputs for them)
// and the offsets each edition's tables start at.
namespace testsupport {

inline OffsetSet defaultOffsets(ConsoleKind kind) {
    return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults();
}

// The league that decoding an image with the edition's default offsets gives on top of a league in memory.
inline clsProject decoded(const RomImage& image, ConsoleKind kind, clsProject onTopOf = {}) {
    EXPECT_EQ(loadProjectFromRom(onTopOf, image, defaultOffsets(kind), kind), Result::Ok);
    return onTopOf;
}

// One folder of the fixtures: game.nes or game.smc, and the files beside it ("expected/league.tpr").
struct Reference {
    std::string folder;
    ConsoleKind kind;
    std::string ext() const { return kind == Console::Nes ? ".nes" : ".smc"; }
    std::string path(const std::string& name) const { return fixture(folder + "/" + name); }
    RomImage image() const { return readBytes(path("game" + ext())); }
};
inline const Reference kReferences[] = {
    {"nes-1", Console::Nes}, {"snes-1", Console::Snes}, {"snes-overflow-2", Console::Snes}};

// A damaged image's all-star slots: roster bytes that name no player. West 3 names team 92 (byte 184), east 0
// player 12 of team 4 (bytes 8 and 25, an odd byte halving to the even neighbour). The reader takes them; a
// save refuses them and names them as kDamagedSlots does.
inline const std::string kDamagedSlots = "west all-star 3 names team 92\neast all-star 0 names player 12 of team 4";
inline RomImage withDamagedAllStars(RomImage image, ConsoleKind kind) {
    const auto roster = static_cast<std::size_t>(defaultOffsets(kind)[OffsetSet::allStarRosterTable]);
    image.at(roster + 6) = 184;
    image.at(roster + 24) = 8;
    image.at(roster + 25) = 25;
    return image;
}

}  // namespace testsupport
