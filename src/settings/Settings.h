#pragma once
#include <string>

#include "base/LineReport.h"
#include "base/OffsetSet.h"
#include "base/ResultCode.h"

// The settings file "tamsel.ini": the folder of the last ROM opened and the two offset
// sets, 33 lines ended by CR LF.
struct SettingsData {
    std::string lastFolder;
    OffsetSet nesOffsets = OffsetSet::nesDefaults();
    OffsetSet snesOffsets = OffsetSet::snesDefaults();
    bool operator==(const SettingsData&) const = default;
};

// How the settings file speaks to the user; the window supplies message boxes, tests and
// the batch tool supply their own answers.
class SettingsPrompt {
public:
    virtual ~SettingsPrompt() = default;
    // "Error loading tamsel.ini! Create a default tamsel.ini file?" Yes gives true.
    virtual bool askCreateDefault() = 0;
    // "Unable to save tamsel.ini."
    virtual void reportSaveFailed() = 0;
};

namespace Settings {

inline constexpr const char* kFileName = "tamsel.ini";
inline constexpr const char* kLoadQuestion = "Error loading tamsel.ini! Create a default tamsel.ini file?";
inline constexpr const char* kSaveFailed = "Unable to save tamsel.ini.";
// The folder below the user's configuration folder that holds tamsel.ini there.
inline constexpr const char* kConfigSubfolder = "tamsel";

// Where tamsel.ini lives. Beside the program when a tamsel.ini is already there or a new
// file can be created in the program folder (a copy unpacked into a folder of its own);
// otherwise "<configFolder>/tamsel/tamsel.ini" (an installed copy in a system folder). The
// inside of a macOS application bundle is no place for it, writable or not. An empty
// configFolder keeps the file beside the program.
std::string settingsPath(const std::string& programFolder, const std::string& configFolder);
// Whether tamsel.ini lives beside the program by that rule: a portable copy.
bool besideProgram(const std::string& programFolder, const std::string& configFolder);

// Where the backups of replaced ROM files are kept: "<programFolder>/backups" for a copy that
// keeps tamsel.ini beside it (and when dataFolder is empty), else "<dataFolder>/tamsel/backups".
std::string backupFolder(const std::string& programFolder, const std::string& configFolder,
                         const std::string& dataFolder);

// The user's configuration folder: $XDG_CONFIG_HOME when it holds an absolute path, else
// $HOME/.config; empty when HOME is unset or empty. On macOS $HOME/Library/Application
// Support (the same XDG_CONFIG_HOME first); on Windows %APPDATA% when it holds an absolute
// path, else empty.
std::string userConfigFolder();

// The user's data folder: $XDG_DATA_HOME when it holds an absolute path, else
// $HOME/.local/share; empty when HOME is unset or empty. On macOS $HOME/Library/Application
// Support; on Windows %LOCALAPPDATA% when it holds an absolute path, else empty.
std::string userDataFolder();

// How help texts name "<the user's configuration folder>/tamsel" and the backup folder of an
// installed copy on this platform.
#if defined(_WIN32)
inline constexpr const char* kUserFolderText = "%APPDATA%\\tamsel";
inline constexpr const char* kBackupFolderText = "%LOCALAPPDATA%\\tamsel\\backups";
#elif defined(__APPLE__)
inline constexpr const char* kUserFolderText = "~/Library/Application Support/tamsel";
inline constexpr const char* kBackupFolderText = "~/Library/Application Support/tamsel/backups";
#else
inline constexpr const char* kUserFolderText = "~/.config/tamsel";
inline constexpr const char* kBackupFolderText = "~/.local/share/tamsel/backups";
#endif

inline constexpr std::size_t kLines = 33;

// Parses the text of a settings file. Lines end with CR LF, a lone CR or a lone LF; the
// first line is the folder, whatever it holds. Each offset line must hold one whole
// number and nothing else: blanks (spaces, tabs) around an optionally signed decimal
// number or a "&H" hexadecimal one, within the 32-bit range. Fails on fewer than 33
// lines, an offset line that reads otherwise, or a NUL byte anywhere (not a text file);
// lines after the 33rd are ignored. The second form says why in report; out is only
// changed on success.
ResultCode parse(const std::string& text, SettingsData& out);
ResultCode parse(const std::string& text, SettingsData& out, LineReport& report);
// The file text: the folder line, then each offset as decimal, a blank before a
// non-negative value, every line ended by CR LF.
std::string format(const SettingsData& data);

// Reads the file (a UTF-8 byte-order mark at its start is skipped) and parses it.
ResultCode readFile(const std::string& path, SettingsData& out);
ResultCode readFile(const std::string& path, SettingsData& out, LineReport& report);
ResultCode writeFile(const std::string& path, const SettingsData& data);

// Program folder and default offsets; writes nothing.
void applyDefaultSettings(SettingsData& data, const std::string& programFolder);

// Reads the file; on any failure asks whether to create a default file and either way
// continues with the defaults (writing them on Yes).
void loadSettings(const std::string& path, const std::string& programFolder, SettingsData& data,
                  SettingsPrompt& prompt);
// Writes the file, creating its folder when missing; on failure tells the user and keeps the
// settings in memory.
ResultCode saveSettings(const std::string& path, const SettingsData& data, SettingsPrompt& prompt);

// The folder to start the file dialogue in: lastFolder while it holds at least one file,
// else the program folder.
std::string checkedFolder(const std::string& lastFolder, const std::string& programFolder);

}  // namespace Settings
