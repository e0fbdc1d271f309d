#include <gtest/gtest.h>

#include <string>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "settings/OffsetSet.h"
#include "support/TestSupport.h"

namespace {

struct Image {
    const char* folder;
    const char* file;
    ConsoleKind kind;
};

const Image kImages[] = {
    {"nes-1", "game.nes", Console::Nes},
    {"snes-1", "game.smc", Console::Snes},
    {"snes-overflow-2", "game.smc", Console::Snes},
};

std::string expectedFile(const Image& img, const std::string& name) {
    return testsupport::fixture(std::string(img.folder) + "/expected/" + name);
}

OffsetSet offsetsOf(ConsoleKind kind) { return kind == Console::Nes ? OffsetSet::nesDefaults() : OffsetSet::snesDefaults(); }

// The image decoded into a fresh league, as right after start-up.
void decode(const Image& img, RomImage& rom, clsProject& league) {
    rom = testsupport::readBytes(testsupport::fixture(std::string(img.folder) + "/" + img.file));
    ASSERT_EQ(loadProjectFromRom(league, rom, offsetsOf(img.kind), img.kind), Result::Ok);
}

TEST(InterchangeFixtures, ExportsMatchTheReferenceFiles) {
    REQUIRE_FIXTURES();
    for (const Image& img : kImages) {
        SCOPED_TRACE(img.folder);
        RomImage rom;
        clsProject league;
        ASSERT_NO_FATAL_FAILURE(decode(img, rom, league));
        const std::string dir = testsupport::freshDir(std::string("fixture_exports_") + img.folder);

        struct Output {
            std::string name;
            ResultCode result;
        };
        const Output outputs[] = {
            {"league.tpr", ProjectFile::exportProject(league, dir + "/league.tpr")},
            {"team0.tte", TeamFile::exportTeam(*league.getTeamRef(0), dir + "/team0.tte")},
            {"team26.tte", TeamFile::exportTeam(*league.getTeamRef(26), dir + "/team26.tte")},
            {"player_0_0.tpl", PlayerFile::exportPlayer(*league.getTeamRef(0)->getPlayerRef(0), dir + "/player_0_0.tpl")},
            {"player_26_11.tpl",
             PlayerFile::exportPlayer(*league.getTeamRef(26)->getPlayerRef(11), dir + "/player_26_11.tpl")},
        };
        for (const auto& o : outputs) {
            ASSERT_EQ(o.result, Result::Ok) << o.name;
            EXPECT_TRUE(testsupport::readText(dir + "/" + o.name) == testsupport::readText(expectedFile(img, o.name)))
                << o.name << " differs";
        }
        for (int a = 0; a < 6; ++a) {
            for (bool bypos : {false, true}) {
                const std::string name = "report_" + std::to_string(a) + (bypos ? "_bypos.txt" : "_plain.txt");
                ASSERT_EQ(AttributeReport::writeSortedList(league, dir + "/" + name, a, bypos), Result::Ok) << name;
                EXPECT_TRUE(testsupport::readText(dir + "/" + name) == testsupport::readText(expectedFile(img, name)))
                    << name << " differs";
            }
        }
    }
}

TEST(InterchangeFixtures, ImportingTheEditedLeagueGivesTheEditedImage) {
    REQUIRE_FIXTURES();
    for (const Image& img : kImages) {
        SCOPED_TRACE(img.folder);
        RomImage rom;
        clsProject league;
        ASSERT_NO_FATAL_FAILURE(decode(img, rom, league));
        ASSERT_EQ(ProjectFile::importProject(league, testsupport::fixture(std::string(img.folder) + "/edit.tpr")), Result::Ok);
        ASSERT_EQ(saveProjectToRom(league, rom, offsetsOf(img.kind), img.kind), Result::Ok);
        const std::string edited = img.kind == Console::Nes ? "edited.nes" : "edited.smc";
        EXPECT_TRUE(rom == testsupport::readBytes(expectedFile(img, edited))) << edited << " differs";
    }
}

TEST(InterchangeFixtures, ExportThenImportReproducesTheImage) {
    REQUIRE_FIXTURES();
    for (const Image& img : kImages) {
        SCOPED_TRACE(img.folder);
        RomImage rom;
        clsProject league;
        ASSERT_NO_FATAL_FAILURE(decode(img, rom, league));
        const RomImage original = rom;
        const std::string path = testsupport::freshDir(std::string("fixture_roundtrip_") + img.folder) + "/league.tpr";
        ASSERT_EQ(ProjectFile::exportProject(league, path), Result::Ok);
        ASSERT_EQ(ProjectFile::importProject(league, path), Result::Ok);
        ASSERT_EQ(saveProjectToRom(league, rom, offsetsOf(img.kind), img.kind), Result::Ok);
        EXPECT_TRUE(rom == original);
    }
}

}  // namespace
