#include <gtest/gtest.h>

#include <string>

#include "codec/RomReader.h"
#include "graphics/modGraphics.h"
#include "model/clsProject.h"
#include "settings/OffsetSet.h"
#include "support/TestSupport.h"

namespace {

struct FixtureRow {
    const char* folder;
    const char* image;
    ConsoleKind kind;
    int variants;
};

const FixtureRow kFixtures[] = {
    {"nes-1", "game.nes", Console::Nes, 4},
    {"snes-1", "game.smc", Console::Snes, 8},
    {"snes-overflow-2", "game.smc", Console::Snes, 8},
};

// Team 0 of each reference image, decoded by the ROM reader, drawn in every variant into
// the editor's 34 x 98 surface: the 32 x 96 picture equals the reference byte for byte.
TEST(PlayerSpriteFixtures, EveryVariantOfTeamZeroMatchesTheReferencePicture) {
    REQUIRE_FIXTURES();
    for (const FixtureRow& f : kFixtures) {
        const std::string dir = std::string(f.folder) + "/";
        const RomImage rom = testsupport::readBytes(testsupport::fixture(dir + f.image));
        const OffsetSet offsets = f.kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults();
        clsProject project;
        ASSERT_EQ(loadProjectFromRom(project, rom, offsets, f.kind), Result::Ok) << f.folder;
        const clsTeam& team = *project.getTeamRef(0);
        for (int v = 0; v < f.variants; ++v) {
            PixelImage surface(34, 98);
            ASSERT_EQ(modGraphics::drawPlayerSprite(surface, f.kind, team, v, rom), 0) << f.folder << " variant " << v;
            const auto expected =
                testsupport::readBytes(testsupport::fixture(dir + "expected/sprite_" + std::to_string(v) + ".ppm"));
            EXPECT_EQ(modGraphics::toPpm(surface, 32, 96), expected) << f.folder << " variant " << v;
        }
    }
}

}  // namespace
