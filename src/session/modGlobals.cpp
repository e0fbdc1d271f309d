#include "session/modGlobals.h"

#include <filesystem>
#include <system_error>

#include "codec/OffsetCheck.h"
#include "codec/RomReader.h"
#include "codec/RomWriter.h"
#include "base/FileIO.h"

namespace modGlobals {

RomImage romData;
std::int32_t romLength = 0;
std::string lastFolder;
OffsetSet nesOffsets = OffsetSet::nesDefaults();
OffsetSet snesOffsets = OffsetSet::snesDefaults();
OffsetSet activeOffsets{};

namespace {
std::string g_programFolder;

SettingsData currentSettings() { return SettingsData{lastFolder, nesOffsets, snesOffsets}; }

void takeSettings(const SettingsData& d) {
    lastFolder = d.lastFolder;
    nesOffsets = d.nesOffsets;
    snesOffsets = d.snesOffsets;
}
}  // namespace

clsProject& project() {
    static clsProject instance;
    return instance;
}

std::string programFolder() {
    if (g_programFolder.empty()) {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        g_programFolder = ec ? std::filesystem::current_path(ec).string() : exe.parent_path().string();
    }
    return g_programFolder;
}

void setProgramFolder(const std::string& folder) { g_programFolder = folder; }

std::string settingsPath() { return Settings::settingsPath(programFolder(), Settings::userConfigFolder()); }

void loadSettings(SettingsPrompt& prompt) {
    SettingsData d = currentSettings();
    Settings::loadSettings(settingsPath(), programFolder(), d, prompt);
    takeSettings(d);
}

ResultCode saveSettings(SettingsPrompt& prompt) { return Settings::saveSettings(settingsPath(), currentSettings(), prompt); }

void applyDefaultSettings() {
    SettingsData d;
    Settings::applyDefaultSettings(d, programFolder());
    takeSettings(d);
}

void selectOffsetSet(ConsoleKind kind) {
    if (kind == Console::Nes) activeOffsets = nesOffsets;
    if (kind == Console::Snes) activeOffsets = snesOffsets;
}

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

ResultCode loadProjectFromRom(ConsoleKind kind) { return ::loadProjectFromRom(project(), romData, activeOffsets, kind); }

ResultCode saveProjectToRom(ConsoleKind kind) { return ::saveProjectToRom(project(), romData, activeOffsets, kind); }

std::string offsetProblem(ConsoleKind kind) {
    return OffsetCheck::check(activeOffsets, kind, static_cast<std::int64_t>(romData.size())).describe();
}

}  // namespace modGlobals
