// The program-wide names of modGlobals: bound to the one session of the program, and its settings
// beside the program.
#include <gtest/gtest.h>

#include "session/modGlobals.h"
#include "support/TestSupport.h"

namespace {

using testsupport::freshDir;
using testsupport::readText;

// Answers No to the question about a default file; counts both messages.
struct Prompt : SettingsPrompt {
    bool askCreateDefault() override {
        ++questions;
        return false;
    }
    void reportSaveFailed() override { ++saveFailures; }
    int questions = 0;
    int saveFailures = 0;
};

TEST(ModGlobals, SettingsBesideTheProgramReloadAsSavedWithNesEntry2StillMinus1) {
    const std::string folder = freshDir("globals-settings");
    modGlobals::setProgramFolder(folder);
    testsupport::writeText(folder + "/tamsel.ini", std::string(5000, '7'));  // replaced as a whole, nothing of it stays
    modGlobals::applyDefaultSettings();
    modGlobals::lastFolder = "/roms/nes";
    Prompt prompt;
    ASSERT_EQ(modGlobals::saveSettings(prompt), Result::Ok);
    EXPECT_EQ(readText(folder + "/tamsel.ini"), Settings::format(SettingsData{"/roms/nes"}));
    modGlobals::nesOffsets = OffsetSet{};
    modGlobals::snesOffsets = OffsetSet{};
    modGlobals::lastFolder.clear();
    modGlobals::loadSettings(prompt);
    EXPECT_EQ(prompt.questions, 0);
    EXPECT_EQ(prompt.saveFailures, 0);
    EXPECT_EQ(modGlobals::session().settings(), SettingsData{"/roms/nes"});
    EXPECT_EQ(modGlobals::nesOffsets[OffsetSet::playerOverflowArea], -1);
    modGlobals::setProgramFolder("");
}

TEST(ModGlobals, TheNamesAreTheProgramSessionsStorage) {
    const std::string path = freshDir("globals-names") + "/game.nes";
    Session& session = modGlobals::session();
    session.settings() = SettingsData{};
    struct Row {
        const char* name;
        RomImage bytes;
        ConsoleKind kind;
        ResultCode result;
        OffsetSet active;  // after a read with `marked` active and the NES defaults in the settings
    };
    OffsetSet marked{};
    marked[0] = 1;
    const Row rows[] = {
        {"an image of the other edition", RomImage(0x8000, 'N'), Console::Snes, 2, marked},
        {"an NES header", {'N', 'E', 'S', 0x1A, 0}, Console::Nes, 0, OffsetSet::nesDefaults()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        session.settings().nesOffsets = marked;
        session.selectOffsetSet(Console::Nes);
        session.settings().nesOffsets = OffsetSet::nesDefaults();
        testsupport::writeBytes(path, row.bytes);
        EXPECT_EQ(modGlobals::readRomFile(path, row.kind), row.result);
        EXPECT_TRUE(modGlobals::romData == row.bytes);
        EXPECT_TRUE(session.image() == row.bytes);
        EXPECT_EQ(modGlobals::romLength, static_cast<std::int32_t>(row.bytes.size()));
        EXPECT_EQ(modGlobals::activeOffsets, row.active);
        EXPECT_EQ(modGlobals::checkConsole(row.kind), row.result == 0);
    }
    modGlobals::lastFolder = "/somewhere";
    EXPECT_EQ(session.settings().lastFolder, "/somewhere");
    modGlobals::project().getTeamRef(0)->setCity("BOUND");
    EXPECT_EQ(session.league().getTeamRef(0)->getCity(), "BOUND");
}

TEST(OffsetSelection, OnlyTheNesAndSnesKindsSelectASet) {
    SettingsData settings;
    settings.nesOffsets[0] = 1;
    settings.snesOffsets[0] = 2;
    OffsetSet before{};
    before[0] = 3;
    struct Row {
        const char* name;
        ConsoleKind kind;
        OffsetSet expected;
    };
    const Row rows[] = {{"NES", Console::Nes, settings.nesOffsets},
                        {"SNES", Console::Snes, settings.snesOffsets},
                        {"none", Console::None, before},
                        {"3", 3, before},
                        {"-1", -1, before}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        session.settings().nesOffsets = before;
        session.selectOffsetSet(Console::Nes);
        session.settings() = settings;
        session.selectOffsetSet(row.kind);
        EXPECT_EQ(session.activeOffsets(), row.expected);
    }
}

}  // namespace
