#pragma once
#include <cstdint>
#include <string>

#include "base/FileIO.h"
#include "model/clsProject.h"
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "settings/Settings.h"

// The program-wide state of the editor: the open image, the league, the remembered folder
// and the offset sets. Every function here is a thin wrapper over the explicit forms in
// the settings, codec and model code, which take their data as arguments.
namespace modGlobals {

extern RomImage romData;
extern std::int32_t romLength;
extern std::string lastFolder;
extern OffsetSet nesOffsets;
extern OffsetSet snesOffsets;
extern OffsetSet activeOffsets;

clsProject& project();

// The folder of the running program.
std::string programFolder();
void setProgramFolder(const std::string& folder);
// tamsel.ini beside the program or in the user's configuration folder (Settings::settingsPath).
std::string settingsPath();

void loadSettings(SettingsPrompt& prompt);
ResultCode saveSettings(SettingsPrompt& prompt);
void applyDefaultSettings();
void selectOffsetSet(ConsoleKind kind);
bool fileExists(const std::string& path);

ResultCode readRomFile(const std::string& path, ConsoleKind kind);
ResultCode writeRomFile(const std::string& path);
ResultCode writeRomFile(const std::string& path, FileIO::WriteError& error);
bool checkConsole(ConsoleKind kind);

ResultCode loadProjectFromRom(ConsoleKind kind);
ResultCode saveProjectToRom(ConsoleKind kind);
// What is wrong with activeOffsets for romData in the kind ("" when nothing is): why a
// load or save refused them.
std::string offsetProblem(ConsoleKind kind);

}  // namespace modGlobals
