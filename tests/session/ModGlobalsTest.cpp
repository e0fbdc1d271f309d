// The program-wide names of modGlobals: bound to the one session of the program, and its settings
// beside the program.
#include <gtest/gtest.h>

#include "session/modGlobals.h"
#include "support/CountingPrompt.h"
#include "support/TestSupport.h"

namespace {

TEST(ModGlobals, SettingsBesideTheProgramReloadAsSaved) {
    const std::string folder = testsupport::freshDir("globals-settings");
    modGlobals::setProgramFolder(folder);
    modGlobals::applyDefaultSettings();
    modGlobals::lastFolder = "/roms/nes";
    testsupport::CountingPrompt prompt(false);
    ASSERT_EQ(modGlobals::saveSettings(prompt), Result::Ok);
    EXPECT_EQ(testsupport::readText(folder + "/tamsel.ini"), Settings::format(SettingsData{"/roms/nes"}));
    modGlobals::nesOffsets = OffsetSet{};
    modGlobals::lastFolder.clear();
    modGlobals::loadSettings(prompt);
    EXPECT_EQ(prompt.questions, 0);
    EXPECT_EQ(prompt.saveFailures, 0);
    EXPECT_EQ(modGlobals::session().settings(), SettingsData{"/roms/nes"});
    modGlobals::setProgramFolder("");
}

// A read of an image of the other edition leaves the offset set that was active; an NES image selects the NES set.
TEST(ModGlobals, TheNamesAreTheProgramSessionsStorage) {
    const std::string path = testsupport::freshDir("globals-names") + "/game.nes";
    Session& session = modGlobals::session();
    session.settings() = SettingsData{};
    OffsetSet marked{};
    marked[0] = 1;
    const std::tuple<const char*, RomImage, ConsoleKind, ResultCode, OffsetSet> rows[] = {
        {"an image of the other edition", RomImage(0x8000, 'N'), Console::Snes, 2, marked},
        {"an NES header", {'N', 'E', 'S', 0x1A, 0}, Console::Nes, 0, OffsetSet::nesDefaults()}};
    for (const auto& [name, bytes, kind, result, active] : rows) {
        SCOPED_TRACE(name);
        session.settings().nesOffsets = marked;
        session.selectOffsetSet(Console::Nes);
        session.settings().nesOffsets = OffsetSet::nesDefaults();
        testsupport::writeBytes(path, bytes);
        EXPECT_EQ(modGlobals::readRomFile(path, kind), result);
        EXPECT_TRUE(modGlobals::romData == bytes);
        EXPECT_TRUE(session.image() == bytes);
        EXPECT_EQ(modGlobals::romLength, static_cast<std::int32_t>(bytes.size()));
        EXPECT_EQ(modGlobals::checkConsole(kind), result == 0);
        EXPECT_EQ(modGlobals::activeOffsets, active);
    }
    modGlobals::lastFolder = "/somewhere";
    EXPECT_EQ(session.settings().lastFolder, "/somewhere");
    modGlobals::project().getTeamRef(0)->setCity("BOUND");
    EXPECT_EQ(session.league().getTeamRef(0)->getCity(), "BOUND");
}

}  // namespace
