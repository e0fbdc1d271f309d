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

}  // namespace testsupport
