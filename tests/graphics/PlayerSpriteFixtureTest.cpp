#include <gtest/gtest.h>

#include <string>

#include "graphics/modGraphics.h"
#include "settings/OffsetSet.h"
#include "support/TestSupport.h"

namespace {

// Team 0's uniform, read straight from the image at the default uniform table offset.
clsTeam teamZeroByHand(const RomImage& rom, ConsoleKind kind) {
    clsTeam team;
    if (kind == Console::Nes) {
        const std::size_t o = static_cast<std::size_t>(OffsetSet::nesDefaults()[OffsetSet::uniformTable]);
        team.setUniformColor_NES(rom.at(o), rom.at(o + 29));
    } else {
        const std::size_t o = static_cast<std::size_t>(OffsetSet::snesDefaults()[OffsetSet::uniformTable]);
        for (int c = 0; c < 128; ++c) team.setUniformColor_2Bytes(c, rom.at(o + 2 * c), rom.at(o + 2 * c + 1));
    }
    return team;
}

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

TEST(PlayerSpriteFixtures, EveryVariantOfTeamZeroMatchesTheReferencePicture) {
    REQUIRE_FIXTURES();
    for (const FixtureRow& f : kFixtures) {
        const std::string dir = std::string(f.folder) + "/";
        const RomImage rom = testsupport::readBytes(testsupport::fixture(dir + f.image));
        const clsTeam team = teamZeroByHand(rom, f.kind);
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
