#pragma once
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/ResultCode.h"
#include "session/BackupStore.h"
#include "session/Session.h"
#include "settings/Settings.h"

// What every tamsel-cli command shares: its parsed command line, and loading and saving
// a ROM through a session exactly as the editor's Open and Save do.
namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

struct Options {
    ConsoleKind forcedKind = Console::None;  // --nes / --snes
    std::string settingsFile;                // --settings FILE
    std::string output;                      // -o OUT
    bool byPosition = false;                 // --by-position
    std::string rom;                         // --rom ROM (check)
    std::string team;                        // --team T (check), as given
    std::string player;                      // --player P (check), as given
    bool csv = false;                        // --csv (stats)
    bool dryRun = false;                     // --dry-run (merge, edit)
    bool noBackup = false;                   // --no-backup: write over ROM without keeping a backup
    std::vector<std::string> only;           // --only PATTERN, each one given (merge)
    std::vector<std::string> sets;           // --set FIELD=VALUE, each one given (edit)
    std::vector<std::string> positional;     // the command's own arguments
};

// Parses the options that follow the command name. Returns false with a message in
// error on an unknown option or a missing or empty option value.
bool parseOptions(const std::vector<std::string>& args, Options& out, std::string& error);

// The settings a command uses: --settings FILE, else the editor's tamsel.ini (found as the
// editor finds it, modGlobals::settingsPath) when it reads cleanly, else the defaults. The
// tool never writes the settings file.
bool settingsFor(const Options& opts, SettingsData& out, std::string& error);

// The edition of a file: --nes / --snes, else the file name as "All Supported Types" does.
ConsoleKind kindFor(const Options& opts, const std::string& path);

// Opens the image in the session with the command's settings. On failure prints the
// editor's message ("Error loading file!", "Invalid rom!", "Unknown Error!", "Error
// reading data!") to err and returns false; the open's detail follows the message ("Error
// loading file! (No such file or directory: PATH)", "Error reading data! (scheduleTable
// overlaps pointsTable)"), as does the fault of an explicit settings file ("Error loading
// FILE! (line 5: '12abc' is not a whole number ...)").
bool loadRom(const Options& opts, const std::string& path, Session& session, std::ostream& err);

// Whether the command writes over ROM: no -o, or an OUT that names the same file.
bool writesInPlace(const Options& opts, const std::string& rom);

// The backups of this copy of the program (modGlobals::backupFolder).
BackupStore backupStore();

// Before a write over ROM: keeps bytes, what ROM holds, as its newest backup, unless
// --no-backup. When that fails, says why and how to write without one, and returns false:
// nothing may be written then.
bool keepBackup(const Options& opts, const std::string& rom, const std::vector<std::uint8_t>& bytes, std::ostream& err);

// Reads a whole file; on failure prints the load message with the cause and the file.
bool readInput(const std::string& path, std::vector<std::uint8_t>& bytes, FileIO::FileStamp& stamp, std::ostream& err);

// Replaces the file at path with bytes, whole, while it is still the file the stamp was taken
// of (an empty stamp: whatever it holds); on failure prints the save message with the cause
// (for a changed file, changedName) and returns false.
bool writeWhole(const std::string& path, const std::vector<std::uint8_t>& bytes, FileIO::FileStamp& stamp,
                const std::string& changedName, std::ostream& err);

// Saves the session over its file, or to opts.output when given, keeping a backup of the file
// first when it writes over ROM (see keepBackup). Prints the editor's save
// message to out on success, to err otherwise: a failed write with its cause ("Error
// writing to disk! (No space left on device: PATH)"), a file another program changed since
// it was read with its name ("The file was changed by another program! (PATH)"), and for
// "Unknown error!" one line for each all-star slot that names no player; returns the exit
// status.
int saveRom(const Options& opts, Session& session, std::ostream& out, std::ostream& err);

// " (detail)", or nothing for an empty detail: how a cause follows a message.
std::string withDetail(const std::string& detail);

// Parses an integer argument within [lo, hi].
bool parseIndex(const std::string& text, int lo, int hi, int& out);

}  // namespace cli
