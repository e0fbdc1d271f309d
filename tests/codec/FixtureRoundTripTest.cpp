// Decoding the independent reference images and encoding them again: the league must
// match the reference decoding field by field, and the image must come back byte for byte.
#include <gtest/gtest.h>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "codec/JsonValue.h"
#include "support/TestSupport.h"

namespace {

struct FixtureCase {
    const char* folder;
    const char* image;
    ConsoleKind kind;
};

const FixtureCase kFixtures[] = {
    {"nes-1", "game.nes", Console::Nes},
    {"snes-1", "game.smc", Console::Snes},
    {"snes-overflow-2", "game.smc", Console::Snes},
};

OffsetSet defaultsFor(ConsoleKind kind) { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }

class FixtureRoundTrip : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(FixtureRoundTrip, DecodedLeagueMatchesReference) {
    REQUIRE_FIXTURES();
    const FixtureCase& fc = GetParam();
    RomImage rom = testsupport::readBytes(testsupport::fixture(std::string(fc.folder) + "/" + fc.image));
    testjson::Value ref = testjson::parse(testsupport::readText(testsupport::fixture(std::string(fc.folder) + "/expected/decoded.json")));

    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, rom, defaultsFor(fc.kind), fc.kind), 0);
    ASSERT_EQ(ref["teams"].size(), 27u);
    for (int t = 0; t < 27; ++t) {
        SCOPED_TRACE("team " + std::to_string(t));
        const testjson::Value& jt = ref["teams"][static_cast<std::size_t>(t)];
        const clsTeam& team = *project.getTeamRef(t);
        EXPECT_EQ(team.getCity(), jt["city"].s);
        EXPECT_EQ(team.getMascot(), jt["mascot"].s);
        EXPECT_EQ(team.getAbrev(), jt["abrev"].s);
        EXPECT_EQ(team.getPointsScored(), jt["points_scored"].asInt());
        EXPECT_EQ(team.getPointsGiven(), jt["points_given"].asInt());
        if (fc.kind == Console::Nes) {
            EXPECT_EQ(team.getUniformColor_NES_0(), jt["uniform_nes"][0].asInt());
            EXPECT_EQ(team.getUniformColor_NES_1(), jt["uniform_nes"][1].asInt());
            EXPECT_TRUE(team.uniformNES_vaild);
        } else {
            for (int k = 0; k < 256; ++k) EXPECT_EQ(team.getUniformData(k), jt["uniform_snes"][static_cast<std::size_t>(k)].asInt());
            EXPECT_TRUE(team.uniformSNES_vaild);
        }
        for (int p = 0; p < 12; ++p) {
            SCOPED_TRACE("player " + std::to_string(p));
            const testjson::Value& jp = jt["players"][static_cast<std::size_t>(p)];
            const clsPlayer& pl = *team.getPlayerRef(p);
            EXPECT_EQ(pl.getFirst(), jp["first"].s);
            EXPECT_EQ(pl.getLast(), jp["last"].s);
            EXPECT_EQ(pl.getFullname(), jp["fullname"].s);
            EXPECT_EQ(pl.getJersey(), jp["jersey"].asInt());
            EXPECT_EQ(pl.getFeet(), jp["feet"].asInt());
            EXPECT_EQ(pl.getInch(), jp["inches"].asInt());
            EXPECT_EQ(pl.getWeight(), jp["weight"].asInt());
            EXPECT_EQ(pl.getPosition(), jp["position"].asInt());
            EXPECT_EQ(pl.getFGpercent(), jp["fg"].asInt());
            EXPECT_EQ(pl.getFTpercent(), jp["ft"].asInt());
            EXPECT_EQ(pl.get3PTpercent(), jp["threept"].asInt());
            EXPECT_EQ(pl.getRunSpeed(), jp["run_speed"].asInt());
            EXPECT_EQ(pl.getJump(), jp["jump"].asInt());
            EXPECT_EQ(pl.getSteal(), jp["steal"].asInt());
            EXPECT_EQ(pl.getBlockByte(), jp["block_byte"].asInt());
            EXPECT_EQ(pl.getShotRangeByte(), jp["shot_byte"].asInt());
            EXPECT_EQ(pl.getStamina(), jp["stamina"].asInt());
            if (fc.kind == Console::Snes) {
                EXPECT_EQ(pl.getUnknownByte(), jp["unknown"].asInt());
            }
        }
    }
    for (int i = 0; i < clsProject::kScheduleBytes; ++i)
        ASSERT_EQ(project.schedule()[static_cast<std::size_t>(i)], ref["schedule"][static_cast<std::size_t>(i)].asInt()) << "byte " << i;
    for (int g = 0; g <= clsProject::getNumberOfGames(); ++g)
        ASSERT_EQ(project.getMatchupStr(g), ref["matchups"][static_cast<std::size_t>(g)].s) << "game " << g;
    for (int i = 0; i < 12; ++i) {
        const testjson::Value& w = ref["west_all_stars"][static_cast<std::size_t>(i)];
        const testjson::Value& e = ref["east_all_stars"][static_cast<std::size_t>(i)];
        EXPECT_EQ(project.getWestAllStar(i)[0], w[0].asInt());
        EXPECT_EQ(project.getWestAllStar(i)[1], w[1].asInt());
        EXPECT_EQ(project.getEastAllStar(i)[0], e[0].asInt());
        EXPECT_EQ(project.getEastAllStar(i)[1], e[1].asInt());
    }
}

// Index of the first differing byte, or -1.
long firstDifference(const RomImage& a, const RomImage& b) {
    if (a.size() != b.size()) return static_cast<long>(std::min(a.size(), b.size()));
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return static_cast<long>(i);
    return -1;
}

TEST_P(FixtureRoundTrip, EncodingTheDecodedLeagueGivesTheSameImage) {
    REQUIRE_FIXTURES();
    const FixtureCase& fc = GetParam();
    const RomImage original = testsupport::readBytes(testsupport::fixture(std::string(fc.folder) + "/" + fc.image));
    RomImage rom = original;
    clsProject project;
    ASSERT_EQ(loadProjectFromRom(project, rom, defaultsFor(fc.kind), fc.kind), 0);
    ASSERT_EQ(saveProjectToRom(project, rom, defaultsFor(fc.kind), fc.kind), 0);
    EXPECT_EQ(firstDifference(rom, original), -1);
    // A second save without edits changes nothing either.
    ASSERT_EQ(saveProjectToRom(project, rom, defaultsFor(fc.kind), fc.kind), 0);
    EXPECT_EQ(firstDifference(rom, original), -1);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FixtureRoundTrip, ::testing::ValuesIn(kFixtures),
                         [](const auto& info) {
                             std::string n = info.param.folder;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

}  // namespace
