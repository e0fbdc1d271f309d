#pragma once
#include <cstdint>
#include <string>

#include "base/FileIO.h"
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"
#include "model/clsProject.h"
#include "session/Session.h"
#include "settings/Settings.h"

// The program-wide state of the editor under its long-standing names: one Session for the
// whole run, with the image, the league, the remembered folder and the offset sets as
// names bound to that session's storage. New code and tests use a Session directly.
namespace modGlobals {

// The one session of the running program.
Session& session();

extern RomImage& romData;
// The length of the image as the last readRomFile here read it.
extern std::int32_t romLength;
extern std::string& lastFolder;
extern OffsetSet& nesOffsets;
extern OffsetSet& snesOffsets;
extern const OffsetSet& activeOffsets;

clsProject& project();

// The folder of the running program.
std::string programFolder();
void setProgramFolder(const std::string& folder);
// tamsel.ini beside the program or in the user's configuration folder (Settings::settingsPath).
std::string settingsPath();
// Where saves keep the backups of the files they replace, by the rule settingsPath follows:
// beside the program for a portable copy, else in the user's data folder (Settings::backupFolder).
std::string backupFolder();

void loadSettings(SettingsPrompt& prompt);
ResultCode saveSettings(SettingsPrompt& prompt);
void applyDefaultSettings();
void selectOffsetSet(ConsoleKind kind);
bool fileExists(const std::string& path);

// The steps of an open and a save one by one, on the session's image, league and active
// offset set (Session::open and Session::save run them whole).
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
