// The program-wide session's settings beside the program.
#include <gtest/gtest.h>

#include "session/modGlobals.h"
#include "support/CountingPrompt.h"
#include "support/TestSupport.h"

namespace {

TEST(ModGlobals, SettingsBesideTheProgramReloadAsSaved) {
    const std::string folder = testsupport::freshDir("globals-settings");
    modGlobals::setProgramFolder(folder);
    modGlobals::session().settings() = SettingsData{"/roms/nes"};
    testsupport::CountingPrompt prompt(false);
    ASSERT_EQ(modGlobals::saveSettings(prompt), Result::Ok);
    EXPECT_EQ(testsupport::readText(folder + "/tamsel.ini"), Settings::format(SettingsData{"/roms/nes"}));
    modGlobals::session().settings() = SettingsData{};
    modGlobals::loadSettings(prompt);
    EXPECT_EQ(prompt.questions + prompt.saveFailures, 0);
    EXPECT_EQ(modGlobals::session().settings(), SettingsData{"/roms/nes"});
    modGlobals::setProgramFolder("");
}

}  // namespace
