// The space accounting predicts the save: same result, and the region that failed is the
// one shown over its size.
#include <gtest/gtest.h>

#include <random>

#include "codec/LeagueMaker.h"
#include "codec/RomWriter.h"
#include "codec/SpaceReport.h"

using namespace leaguemaker;

namespace {

const SpaceRegion& region(const SpaceReport& r, const std::string& name) {
    for (const SpaceRegion& g : r.regions)
        if (g.name == name) return g;
    throw std::runtime_error("no region " + name);
}

TEST(SpaceReport, CountsThePlainLeague) {
    for (ConsoleKind kind : {Console::Nes, Console::Snes}) {
        SpaceReport r = computeSpace(plainLeague(), kind);
        EXPECT_EQ(r.expectedResult, 0);
        // 27 one-letter texts with terminators, plus the fixed entries.
        EXPECT_EQ(region(r, "Abbreviations").used, 54 + 29);
        EXPECT_EQ(region(r, "Abbreviations").available, 171);
        EXPECT_EQ(region(r, "Cities").used, 54 + 10);
        EXPECT_EQ(region(r, "Cities").available, 259);
        EXPECT_EQ(region(r, "Mascots").used, 54 + 10);
        EXPECT_EQ(region(r, "Mascots").available, 218);
        EXPECT_EQ(region(r, "Players").used, 27 * 24 + 324 * 10);
        EXPECT_EQ(region(r, "Players").available, 6915);
        if (kind == Console::Snes) {
            EXPECT_EQ(region(r, "Player overflow").used, 0);
            EXPECT_EQ(region(r, "Player overflow").available, 768);
        }
        EXPECT_EQ(r.regions.size(), kind == Console::Snes ? 5u : 4u);
    }
}

TEST(SpaceReport, ShowsHowFarARegionIsOver) {
    clsProject project = plainLeague();
    setTextBytes(project, Text::City, 300);
    setRecordBytes(project, 0, 26, 7000);
    SpaceReport r = computeSpace(project, Console::Nes);
    EXPECT_EQ(r.expectedResult, 3);
    EXPECT_EQ(region(r, "Cities").used, 310);
    EXPECT_FALSE(region(r, "Cities").fits());
    EXPECT_EQ(region(r, "Players").used, 648 + 7000);
}

// Random leagues near every limit, both editions: the prediction equals what the save
// returns, and a "too long" result names the first region over its size.
TEST(SpaceReport, PredictsTheSaveNearEveryLimit) {
    std::mt19937 rng(7781);
    auto near = [&](int limit, int spread) { return limit + static_cast<int>(rng() % (2 * spread + 1)) - spread; };
    RomImage nes(0x60010, 0x5A), snes(0x100000, 0x5A);
    int seen[6] = {};
    for (int round = 0; round < 400; ++round) {
        ConsoleKind kind = round % 2 ? Console::Snes : Console::Nes;
        clsProject project = plainLeague();
        int pick = static_cast<int>(rng() % 8);
        if (pick == 0 || rng() % 4 == 0) setTextBytes(project, Text::Abbreviation, near(142, 2));
        if (pick == 1 || rng() % 4 == 0) setTextBytes(project, Text::City, near(249, 2));
        if (pick == 2 || rng() % 4 == 0) setTextBytes(project, Text::Mascot, near(208, 2));
        if (pick == 3) setRecordBytes(project, 0, 26, near(6915 - 648, 3));
        if (pick == 4) {
            // Main area filled by teams 0..25 and the last team's first record; the rest spills.
            int mainTeams = near(6870, 6) - 26 * 24;
            setRecordBytes(project, 0, 25, mainTeams);
            int c = 26 * 24 + mainTeams;
            int r0 = std::max(9, 6915 - c - 24 + static_cast<int>(rng() % 3) - 1);
            shapePlayer(*project.getTeamRef(26)->getPlayerRef(0), r0, 3);
            setRecordBytes(project, 26, 26, r0 + near(768, 3));
            shapePlayer(*project.getTeamRef(26)->getPlayerRef(0), r0, 3);
        }
        if (pick == 5) setRecordBytes(project, 0, 25, near(6915 - 26 * 24 - 120, 4));
        if (pick == 6 && rng() % 2) project.getTeamRef(static_cast<int>(rng() % 27))->getPlayerRef(static_cast<int>(rng() % 12))->setJersey(100);
        if (pick == 7 && rng() % 2) project.getTeamRef(static_cast<int>(rng() % 27))->setMascot("\xFF");
        RomImage rom = kind == Console::Nes ? nes : snes;
        SpaceReport predicted = computeSpace(project, kind);
        ResultCode actual = saveProjectToRom(project, rom, kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(), kind);
        ASSERT_EQ(predicted.expectedResult, actual) << "round " << round;
        ++seen[actual];
        const char* order[] = {"Abbreviations", "Cities", "Mascots"};
        if (actual == 0) {
            for (const SpaceRegion& g : predicted.regions) EXPECT_TRUE(g.fits()) << g.name << " round " << round;
        } else if (actual >= 2 && actual <= 4) {
            for (int k = 0; k < actual - 2; ++k) EXPECT_TRUE(region(predicted, order[k]).fits());
            EXPECT_FALSE(region(predicted, order[actual - 2]).fits()) << "round " << round;
        } else if (actual == 5) {
            for (const char* name : order) EXPECT_TRUE(region(predicted, name).fits());
            EXPECT_FALSE(region(predicted, kind == Console::Nes ? "Players" : "Player overflow").fits()) << "round " << round;
        }
    }
    // Every outcome came up.
    for (int code = 0; code <= 5; ++code) EXPECT_GT(seen[code], 0) << "result " << code;
}

TEST(SpaceReport, OtherKindsArePredictedAsFailures) {
    EXPECT_EQ(computeSpace(plainLeague(), 0).expectedResult, 1);
    EXPECT_EQ(computeSpace(plainLeague(), 3).expectedResult, 1);
}

}  // namespace
