// Every export and report of each decoded reference league equals the reference file; the league's own export
// read back and saved leaves the image unchanged; edit.tpr read and saved gives the reference edited image.
#include <gtest/gtest.h>

#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "interchange/AttributeReport.h"
#include "interchange/PlayerFile.h"
#include "interchange/ProjectFile.h"
#include "interchange/TeamFile.h"
#include "support/ReferenceImages.h"

namespace {

TEST(InterchangeFixtures, DecodedLeaguesGiveTheReferenceOutputs) {
    REQUIRE_FIXTURES();
    for (const testsupport::Reference& f : testsupport::kReferences) {
        SCOPED_TRACE(f.folder);
        RomImage rom = f.image();
        const RomImage original = rom;
        const OffsetSet o = testsupport::defaultOffsets(f.kind);
        clsProject league;  // a fresh league, as right after start-up
        ASSERT_EQ(loadProjectFromRom(league, rom, o, f.kind), Result::Ok);
        const std::string dir = testsupport::freshDir("fixture_" + f.folder) + "/";
        const clsTeam& t0 = *league.getTeamRef(0);
        const clsTeam& t26 = *league.getTeamRef(26);
        std::vector<std::pair<std::string, ResultCode>> outputs = {
            {"league.tpr", ProjectFile::exportProject(league, dir + "league.tpr")},
            {"team0.tte", TeamFile::exportTeam(t0, dir + "team0.tte")},
            {"team26.tte", TeamFile::exportTeam(t26, dir + "team26.tte")},
            {"player_0_0.tpl", PlayerFile::exportPlayer(*t0.getPlayerRef(0), dir + "player_0_0.tpl")},
            {"player_26_11.tpl", PlayerFile::exportPlayer(*t26.getPlayerRef(11), dir + "player_26_11.tpl")}};
        for (int a = 0; a < 12; ++a) {
            const std::string name = "report_" + std::to_string(a / 2) + (a % 2 ? "_bypos.txt" : "_plain.txt");
            outputs.emplace_back(name, AttributeReport::writeSortedList(league, dir + name, a / 2, a % 2));
        }
        for (const auto& [name, result] : outputs) {
            SCOPED_TRACE(name);
            ASSERT_EQ(result, Result::Ok);
            EXPECT_TRUE(testsupport::readText(dir + name) == testsupport::readText(f.path("expected/" + name)));
        }
        ASSERT_EQ(ProjectFile::importProject(league, dir + "league.tpr"), Result::Ok);
        ASSERT_EQ(saveProjectToRom(league, rom, o, f.kind), Result::Ok);
        EXPECT_TRUE(rom == original);
        ASSERT_EQ(ProjectFile::importProject(league, f.path("edit.tpr")), Result::Ok);
        ASSERT_EQ(saveProjectToRom(league, rom, o, f.kind), Result::Ok);
        EXPECT_TRUE(rom == testsupport::readBytes(f.path("expected/edited" + f.ext())));
    }
}

}  // namespace
