#include "session/modGlobals.h"

#include "base/FileIO.h"
#include "base/Platform.h"
#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"

namespace modGlobals {

Session& session() {
    static Session instance;
    return instance;
}

RomImage& romData = session().image();
std::int32_t romLength = 0;
std::string& lastFolder = session().settings().lastFolder;
OffsetSet& nesOffsets = session().settings().nesOffsets;
OffsetSet& snesOffsets = session().settings().snesOffsets;
const OffsetSet& activeOffsets = session().activeOffsets();

namespace {
std::string g_programFolder;
}  // namespace

clsProject& project() { return session().league(); }

std::string programFolder() {
    if (g_programFolder.empty()) g_programFolder = Platform::programFolder();
    return g_programFolder;
}

void setProgramFolder(const std::string& folder) { g_programFolder = folder; }

std::string settingsPath() { return Settings::settingsPath(programFolder(), Settings::userConfigFolder()); }

std::string backupFolder() {
    return Settings::backupFolder(programFolder(), Settings::userConfigFolder(), Settings::userDataFolder());
}

void loadSettings(SettingsPrompt& prompt) {
    Settings::loadSettings(settingsPath(), programFolder(), session().settings(), prompt);
}

ResultCode saveSettings(SettingsPrompt& prompt) {
    return Settings::saveSettings(settingsPath(), session().settings(), prompt);
}

void applyDefaultSettings() { Settings::applyDefaultSettings(session().settings(), programFolder()); }

void selectOffsetSet(ConsoleKind kind) { session().selectOffsetSet(kind); }

bool fileExists(const std::string& path) { return FileIO::fileExists(path); }

ResultCode readRomFile(const std::string& path, ConsoleKind kind) {
    ResultCode r = RomFile::readRomFile(path, kind, romData);
    romLength = static_cast<std::int32_t>(romData.size());
    if (r == Result::Ok) selectOffsetSet(kind);
    return r;
}

ResultCode writeRomFile(const std::string& path) { return RomFile::writeRomFile(path, romData); }

ResultCode writeRomFile(const std::string& path, FileIO::WriteError& error) {
    return RomFile::writeRomFile(path, romData, error);
}

bool checkConsole(ConsoleKind kind) { return RomFile::checkConsole(romData, kind); }

ResultCode loadProjectFromRom(ConsoleKind kind) {
    return ::loadProjectFromRom(project(), romData, activeOffsets, kind);
}

ResultCode saveProjectToRom(ConsoleKind kind) { return ::saveProjectToRom(project(), romData, activeOffsets, kind); }

std::string offsetProblem(ConsoleKind kind) {
    return OffsetCheck::check(activeOffsets, kind, static_cast<std::int64_t>(romData.size())).describe();
}

}  // namespace modGlobals
