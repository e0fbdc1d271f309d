#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "model/clsProject.h"
#include "base/OffsetSet.h"
#include "base/ResultCode.h"
#include "base/RomImage.h"

// What every tamsel-cli command shares: its parsed command line, the messages of the
// editor, and loading and saving a ROM exactly as the editor's Open and Save do.
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
    std::vector<std::string> positional;     // the command's own arguments
};

// Parses the options that follow the command name. Returns false with a message in
// error on an unknown option or a missing option value.
bool parseOptions(const std::vector<std::string>& args, Options& out, std::string& error);

// The offsets a command uses: --settings FILE, else the editor's tamsel.ini (found as the
// editor finds it, modGlobals::settingsPath) when it reads cleanly, else the defaults. The
// tool never writes the settings file.
bool offsetsFor(const Options& opts, ConsoleKind kind, OffsetSet& out, std::string& error);

// The edition of a file: --nes / --snes, else the file name as "All Supported Types" does.
ConsoleKind kindFor(const Options& opts, const std::string& path);

// An image opened and decoded the way the editor's Open does.
struct LoadedRom {
    std::string path;
    ConsoleKind kind = Console::None;
    RomImage image;
    OffsetSet offsets;
    clsProject project;
};

// Reads and decodes. On failure prints the editor's message ("Error loading file!",
// "Invalid rom!", "Unknown Error!", "Error reading data!") to err and returns false; an
// offset set that does not fit the image is named after the message
// ("Error reading data! (scheduleTable overlaps pointsTable)"), as is the fault of an
// explicit settings file ("Error loading FILE! (line 5: '12abc' is not a whole number ...)").
bool loadRom(const Options& opts, const std::string& path, LoadedRom& rom, std::ostream& err);

// Encodes the league and writes the image over rom.path, or to opts.output when given.
// Prints the editor's save message to out on success, to err otherwise: a failed write
// with its cause ("Error writing to disk! (No space left on device: PATH)"), and for
// "Unknown error!" one line for each all-star slot that names no player; returns the
// exit status.
int saveRom(const Options& opts, LoadedRom& rom, std::ostream& out, std::ostream& err);

// " (detail)", or nothing for an empty detail: how a cause follows a message.
std::string withDetail(const std::string& detail);

// What is wrong with the offsets for the loaded image ("" when nothing is).
std::string offsetProblem(const LoadedRom& rom);

// The save messages of the editor for an encoder result.
const char* saveMessage(ResultCode encodeResult);

// Parses an integer argument within [lo, hi].
bool parseIndex(const std::string& text, int lo, int hi, int& out);

}  // namespace cli
