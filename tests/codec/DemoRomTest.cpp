// The demo images: a complete invented league at the default offsets that decodes,
// encodes back to the same bytes, and carries the preview figure in both tile formats.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "codec/DemoRom.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "codec/SpaceReport.h"
#include "support/TestSupport.h"

namespace {

struct Edition {
    ConsoleKind kind;
    RomImage (*make)();
    std::size_t size;
};

const Edition kEditions[] = {{Console::Nes, DemoRom::makeNes, 0x60010}, {Console::Snes, DemoRom::makeSnes, 0x100000}};

OffsetSet defaultsFor(ConsoleKind kind) { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }

class DemoImages : public ::testing::TestWithParam<Edition> {};

TEST_P(DemoImages, AreRecognisedAndDeterministic) {
    const Edition& e = GetParam();
    RomImage rom = e.make();
    ASSERT_EQ(rom.size(), e.size);
    EXPECT_TRUE(RomFile::checkConsole(rom, e.kind));
    EXPECT_FALSE(RomFile::checkConsole(rom, e.kind == Console::Nes ? Console::Snes : Console::Nes));
    if (e.kind == Console::Nes) {
        EXPECT_EQ(rom[3], 0x1A);
    }
    EXPECT_TRUE(rom == e.make());
}

TEST_P(DemoImages, DecodeAndEncodeBackByteForByte) {
    const Edition& e = GetParam();
    const RomImage original = e.make();
    RomImage rom = original;
    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, rom, defaultsFor(e.kind), e.kind), 0);
    ASSERT_EQ(saveProjectToRom(project, rom, defaultsFor(e.kind), e.kind), 0);
    EXPECT_TRUE(rom == original);
}

TEST_P(DemoImages, CarryAPlausibleLeague) {
    const Edition& e = GetParam();
    RomImage rom = e.make();
    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, rom, defaultsFor(e.kind), e.kind), 0);
    std::set<std::string> cities, mascots, abbrevs;
    int minRun = 99, maxRun = 0, minJump = 999, maxJump = 0, minSteal = 999, maxSteal = 0, minBlock = 99, maxBlock = 0,
        minRange = 99, maxRange = 0, minStam = 999, maxStam = 0;
    std::set<int> positions;
    for (int t = 0; t < 27; ++t) {
        const clsTeam& team = *project.getTeamRef(t);
        cities.insert(team.getCity());
        mascots.insert(team.getMascot());
        abbrevs.insert(team.getAbrev());
        EXPECT_FALSE(team.getCity().empty());
        std::set<int> jerseys;
        for (int p = 0; p < 12; ++p) {
            const clsPlayer& pl = *team.getPlayerRef(p);
            SCOPED_TRACE(pl.getFullname());
            EXPECT_FALSE(pl.getFirst().empty());
            EXPECT_FALSE(pl.getLast().empty());
            jerseys.insert(pl.getJersey());
            int inches = pl.getFeet() * 12 + pl.getInch();
            EXPECT_GE(inches, 69);
            EXPECT_LE(inches, 88);
            EXPECT_LT(pl.getInch(), 12);
            EXPECT_GE(pl.getWeight(), 160);
            EXPECT_LE(pl.getWeight(), 300);
            EXPECT_GE(pl.getFGpercent(), 36);
            EXPECT_LE(pl.getFGpercent(), 60);
            EXPECT_GE(pl.getFTpercent(), 50);
            EXPECT_LE(pl.getFTpercent(), 95);
            EXPECT_LE(pl.get3PTpercent(), 48);
            EXPECT_LE(pl.getPosition(), 4);
            positions.insert(pl.getPosition());
            EXPECT_LE(pl.getRunSpeed(), 31);
            EXPECT_GE(pl.getJump(), 144);
            EXPECT_LE(pl.getJump(), 211);
            EXPECT_LE(pl.getSteal(), 200);
            EXPECT_LE(pl.getBlock(), 12);
            EXPECT_LE(pl.getShotRange(), 10);
            EXPECT_LE(pl.getStamina(), 99);
            minRun = std::min<int>(minRun, pl.getRunSpeed()), maxRun = std::max<int>(maxRun, pl.getRunSpeed());
            minJump = std::min<int>(minJump, pl.getJump()), maxJump = std::max<int>(maxJump, pl.getJump());
            minSteal = std::min<int>(minSteal, pl.getSteal()), maxSteal = std::max<int>(maxSteal, pl.getSteal());
            minBlock = std::min<int>(minBlock, pl.getBlock()), maxBlock = std::max<int>(maxBlock, pl.getBlock());
            minRange = std::min<int>(minRange, pl.getShotRange()), maxRange = std::max<int>(maxRange, pl.getShotRange());
            minStam = std::min<int>(minStam, pl.getStamina()), maxStam = std::max<int>(maxStam, pl.getStamina());
        }
        EXPECT_EQ(jerseys.size(), 12u) << team.getCity();
    }
    EXPECT_EQ(cities.size(), 27u);
    EXPECT_EQ(mascots.size(), 27u);
    EXPECT_EQ(abbrevs.size(), 27u);
    EXPECT_EQ(positions.size(), 5u);
    // The ratings reach across the game's ranges.
    EXPECT_LE(minRun, 2);
    EXPECT_GE(maxRun, 29);
    EXPECT_LE(minJump, 150);
    EXPECT_GE(maxJump, 205);
    EXPECT_LE(minSteal, 10);
    EXPECT_GE(maxSteal, 190);
    EXPECT_EQ(minBlock, 0);
    EXPECT_EQ(maxBlock, 12);
    EXPECT_EQ(minRange, 0);
    EXPECT_EQ(maxRange, 10);
    EXPECT_LE(minStam, 45);
    EXPECT_EQ(maxStam, 99);

    // 1107 games, every byte marked, each team 41 at home and 41 away, never against itself.
    int home[27] = {}, away[27] = {};
    for (int g = 0; g <= clsProject::getNumberOfGames(); ++g) {
        std::uint8_t h = project.schedule()[static_cast<std::size_t>(2 * g)], v = project.schedule()[static_cast<std::size_t>(2 * g + 1)];
        ASSERT_TRUE((h & 0x80) && (v & 0x80)) << g;
        ASSERT_LT(h & 0x7F, 27);
        ASSERT_LT(v & 0x7F, 27);
        ASSERT_NE(h, v);
        ++home[h & 31];
        ++away[v & 31];
    }
    for (int t = 0; t < 27; ++t) {
        EXPECT_EQ(home[t], 41);
        EXPECT_EQ(away[t], 41);
    }
    std::set<std::pair<int, int>> stars;
    for (int i = 0; i < 12; ++i)
        for (auto pair : {project.getWestAllStar(i), project.getEastAllStar(i)}) {
            EXPECT_LT(pair[0], 27);
            EXPECT_LT(pair[1], 12);
            stars.insert({pair[0], pair[1]});
        }
    EXPECT_EQ(stars.size(), 24u);

    // Names fit with room to spare in every region.
    SpaceReport space = computeSpace(project, e.kind);
    EXPECT_EQ(space.expectedResult, 0);
    for (const SpaceRegion& r : space.regions)
        if (r.name != "Player overflow") {
            EXPECT_LE(r.used, r.available - r.available / 40) << r.name;
        }
}

INSTANTIATE_TEST_SUITE_P(Editions, DemoImages, ::testing::ValuesIn(kEditions),
                         [](const auto& info) { return info.param.kind == Console::Nes ? std::string("Nes") : std::string("Snes"); });

// The figure, decoded here from each tile format and put together by each layout: both
// editions show the same outline, the NES one in its four colours.
TEST(DemoFigure, BothEditionsDrawTheSameFigure) {
    RomImage nes = DemoRom::makeNes(), snes = DemoRom::makeSnes();
    int nesFig[48][16] = {}, snesFig[48][16] = {};
    const int nesPos[12][2] = {{8, 0}, {8, 8}, {0, 0}, {0, 8}, {8, 16}, {8, 24}, {0, 16}, {0, 24}, {8, 32}, {8, 40}, {0, 32}, {0, 40}};
    for (int t = 0; t < 12; ++t)
        for (int r = 0; r < 8; ++r)
            for (int x = 0; x < 8; ++x) {
                std::size_t at = 0x40710 + 16 * static_cast<std::size_t>(t);
                int v = ((nes[at + static_cast<std::size_t>(r)] >> x) & 1) | (((nes[at + 8 + static_cast<std::size_t>(r)] >> x) & 1) << 1);
                nesFig[nesPos[t][1] + r][nesPos[t][0] + x] = v;
            }
    struct Tile {
        std::size_t at;
        int x, y;
    };
    const Tile snesTiles[12] = {{0x88180, 0, 0},  {0x881A0, 8, 0},  {0x881C0, 0, 16}, {0x881E0, 8, 16},
                                {0x88380, 0, 8},  {0x883A0, 8, 8},  {0x883C0, 0, 24}, {0x883E0, 8, 24},
                                {0x88400, 0, 32}, {0x88420, 8, 32}, {0x88600, 0, 40}, {0x88620, 8, 40}};
    std::set<int> used;
    for (const Tile& tile : snesTiles)
        for (int r = 0; r < 8; ++r)
            for (int x = 0; x < 8; ++x) {
                std::size_t row = tile.at + 2 * static_cast<std::size_t>(r);
                int v = 0;
                const std::size_t planes[4] = {row, row + 1, row + 16, row + 17};
                for (int k = 0; k < 4; ++k) v |= ((snes[planes[k]] >> (7 - x)) & 1) << k;
                snesFig[tile.y + r][tile.x + x] = v;
                used.insert(v);
            }
    EXPECT_EQ(used.size(), 16u);  // every palette entry has its part of the figure
    int drawn = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(nesFig[y][x] == 0, snesFig[y][x] == 0) << x << "," << y;
            drawn += nesFig[y][x] != 0;
        }
    EXPECT_GT(drawn, 250);
    // Head on top, shoes at the bottom: the outline colour frames both.
    EXPECT_EQ(nesFig[1][6], 1);
    EXPECT_EQ(snesFig[5][6], 13);  // an eye
}

TEST(DemoFigure, SnesPalettesHoldMeaningfulColours) {
    RomImage rom = DemoRom::makeSnes();
    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, rom, OffsetSet::snesDefaults(), Console::Snes), 0);
    for (int t = 0; t < 27; ++t)
        for (int p = 0; p < 8; ++p) {
            const clsTeam& team = *project.getTeamRef(t);
            EXPECT_EQ(team.getUniformColor_1Word(16 * p), 0);
            std::set<int> colours;
            for (int k = 1; k < 16; ++k) {
                int w = team.getUniformColor_1Word(16 * p + k);
                EXPECT_NE(w, 0);
                EXPECT_LT(w, 0x8000);
                colours.insert(w);
            }
            EXPECT_GE(colours.size(), 9u);  // shorts repeat the jersey colours
        }
}

TEST(DemoFiles, WriteBothImagesIntoANewFolder) {
    std::string dir = testsupport::freshDir("demo-files") + "/nested/deeper";
    ASSERT_EQ(DemoRom::writeDemoRoms(dir), 0);
    EXPECT_TRUE(testsupport::readBytes(dir + "/demo.nes") == DemoRom::makeNes());
    EXPECT_TRUE(testsupport::readBytes(dir + "/demo.smc") == DemoRom::makeSnes());
    // A folder that cannot be made: a file stands in its way.
    std::string blocked = testsupport::freshDir("demo-blocked") + "/file";
    testsupport::writeText(blocked, "x");
    EXPECT_EQ(DemoRom::writeDemoRoms(blocked + "/sub"), 1);
}

}  // namespace
