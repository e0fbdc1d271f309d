#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/SettingsTestSupport.h"
#include "settings/modGlobals.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using settingstest::defaultSettingsText;
using settingstest::RecordingPrompt;

namespace {

OffsetSet numbered(std::int32_t base) {
    OffsetSet s;
    for (int i = 0; i < OffsetSet::Count; ++i) s[i] = base + i;
    return s;
}

// Every test starts from known program-wide state and a program folder of its own.
class ModGlobals : public ::testing::Test {
protected:
    void SetUp() override {
        folder = testsupport::freshDir(std::string("globals-") +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
        modGlobals::setProgramFolder(folder);
        modGlobals::nesOffsets = numbered(100);
        modGlobals::snesOffsets = numbered(200);
        modGlobals::activeOffsets = numbered(300);
        modGlobals::lastFolder = "/old";
        modGlobals::romData.clear();
        modGlobals::romLength = 0;
    }
    void TearDown() override { modGlobals::setProgramFolder(""); }

    std::string folder;
};

TEST_F(ModGlobals, SelectOffsetSetCopiesTheSetOfKind1Or2AndIgnoresOtherKinds) {
    const struct {
        ConsoleKind kind;
        std::int32_t expectedBase;
    } rows[] = {{0, 300}, {3, 300}, {-1, 300}, {255, 300}, {1, 100}, {2, 200}};
    for (const auto& r : rows) {
        modGlobals::activeOffsets = numbered(300);
        modGlobals::selectOffsetSet(r.kind);
        EXPECT_EQ(modGlobals::activeOffsets, numbered(r.expectedBase)) << "kind " << r.kind;
    }
    // another kind after a real one leaves that one in place
    modGlobals::selectOffsetSet(Console::Snes);
    modGlobals::selectOffsetSet(0);
    EXPECT_EQ(modGlobals::activeOffsets, numbered(200));
}

TEST_F(ModGlobals, ReadRomFileSwitchesTheActiveSetOnlyOnSuccess) {
    std::vector<std::uint8_t> nes(0x100, 0x11);
    nes[0] = 'N', nes[1] = 'E', nes[2] = 'S', nes[3] = 0x1A;
    std::vector<std::uint8_t> notSnes(0x9000, 0x22);
    std::string nesPath = folder + "/game.nes";
    std::string badPath = folder + "/game.smc";
    testsupport::writeBytes(nesPath, nes);
    testsupport::writeBytes(badPath, notSnes);

    EXPECT_EQ(modGlobals::readRomFile(nesPath, Console::Nes), 0);
    EXPECT_EQ(modGlobals::romData, nes);
    EXPECT_EQ(modGlobals::romLength, 0x100);
    EXPECT_EQ(modGlobals::activeOffsets, numbered(100));
    EXPECT_TRUE(modGlobals::checkConsole(Console::Nes));

    // wrong edition: the image is replaced, the active set stays
    EXPECT_EQ(modGlobals::readRomFile(badPath, Console::Snes), 2);
    EXPECT_EQ(modGlobals::romData, notSnes);
    EXPECT_EQ(modGlobals::romLength, 0x9000);
    EXPECT_EQ(modGlobals::activeOffsets, numbered(100));
    EXPECT_FALSE(modGlobals::checkConsole(Console::Snes));

    // missing file: nothing changes
    EXPECT_EQ(modGlobals::readRomFile(folder + "/none.nes", Console::Nes), 1);
    EXPECT_EQ(modGlobals::romData, notSnes);
    EXPECT_EQ(modGlobals::romLength, 0x9000);
    EXPECT_EQ(modGlobals::activeOffsets, numbered(100));

    // and the image written back is the file read
    EXPECT_EQ(modGlobals::readRomFile(nesPath, Console::Nes), 0);
    EXPECT_EQ(modGlobals::writeRomFile(nesPath), 0);
    EXPECT_EQ(testsupport::readBytes(nesPath), nes);
}

TEST_F(ModGlobals, SettingsLiveBesideTheProgram) {
    EXPECT_EQ(modGlobals::programFolder(), folder);
    EXPECT_EQ(modGlobals::settingsPath(), folder + "/tamsel.ini");
}

TEST_F(ModGlobals, MissingSettingsWithNoUseTheDefaultsAndWriteNothing) {
    RecordingPrompt prompt(false);
    modGlobals::loadSettings(prompt);
    EXPECT_EQ(prompt.questions, 1);
    EXPECT_EQ(modGlobals::lastFolder, folder);
    EXPECT_EQ(modGlobals::nesOffsets, OffsetSet::nesDefaults());
    EXPECT_EQ(modGlobals::snesOffsets, OffsetSet::snesDefaults());
    EXPECT_EQ(modGlobals::activeOffsets, numbered(300)) << "loading settings does not pick a set";
    EXPECT_FALSE(fs::exists(modGlobals::settingsPath()));

    // program end writes them
    EXPECT_EQ(modGlobals::saveSettings(prompt), 0);
    EXPECT_EQ(testsupport::readText(modGlobals::settingsPath()), defaultSettingsText(folder));
}

TEST_F(ModGlobals, SettingsWithOnlyTheFolderLineAndYesWriteTheDefaults) {
    testsupport::writeText(modGlobals::settingsPath(), "/roms\r\n");
    RecordingPrompt prompt(true);
    modGlobals::loadSettings(prompt);
    EXPECT_EQ(prompt.questions, 1);
    EXPECT_EQ(prompt.saveFailures, 0);
    EXPECT_EQ(modGlobals::lastFolder, folder);
    EXPECT_EQ(modGlobals::nesOffsets, OffsetSet::nesDefaults());
    EXPECT_EQ(testsupport::readText(modGlobals::settingsPath()), defaultSettingsText(folder));
}

TEST_F(ModGlobals, SavedSettingsLoadBackUnchanged) {
    RecordingPrompt prompt(false);
    modGlobals::lastFolder = "/roms/snes";
    ASSERT_EQ(modGlobals::saveSettings(prompt), 0);
    modGlobals::nesOffsets = numbered(0);
    modGlobals::snesOffsets = numbered(0);
    modGlobals::lastFolder.clear();
    modGlobals::loadSettings(prompt);
    EXPECT_EQ(prompt.questions, 0);
    EXPECT_EQ(modGlobals::lastFolder, "/roms/snes");
    EXPECT_EQ(modGlobals::nesOffsets, numbered(100));
    EXPECT_EQ(modGlobals::snesOffsets, numbered(200));
}

TEST_F(ModGlobals, ApplyDefaultSettingsWritesNothing) {
    modGlobals::applyDefaultSettings();
    EXPECT_EQ(modGlobals::lastFolder, folder);
    EXPECT_EQ(modGlobals::nesOffsets, OffsetSet::nesDefaults());
    EXPECT_EQ(modGlobals::snesOffsets, OffsetSet::snesDefaults());
    EXPECT_EQ(modGlobals::nesOffsets[OffsetSet::playerOverflowArea], -1);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(ModGlobals, SaveIntoAFolderInPlaceOfTheFileReportsTheFailure) {
    fs::create_directories(modGlobals::settingsPath());
    RecordingPrompt prompt(true);
    EXPECT_EQ(modGlobals::saveSettings(prompt), 1);
    EXPECT_EQ(prompt.saveFailures, 1);
    EXPECT_EQ(modGlobals::nesOffsets, numbered(100));
}

}  // namespace
