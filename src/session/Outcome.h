#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/ResultCode.h"

// How an open or a save ended, and the one sentence the window and tamsel-cli show for
// it. The numbers 0..5 of a save are the encoder's results; 1 and 2 of an open are the
// file reader's.
enum class LoadOutcome : std::int16_t {
    Loaded = 0,            // "File successfully loaded!"
    FileUnreadable = 1,    // "Error loading file!"
    NotThisEdition = 2,    // "Invalid rom!"
    UnknownReadError = 3,  // "Unknown Error!"
    DataUnreadable = 4,    // "Error reading data!": the league does not decode with these offsets
};

enum class SaveOutcome : std::int16_t {
    Saved = 0,                 // "File successfully saved!"
    EncodeFailed = 1,          // "Unknown error!"
    AbbreviationsTooLong = 2,  // "Abbreviations are too long!"
    CitiesTooLong = 3,         // "City names are too long!"
    MascotsTooLong = 4,        // "Mascot names are too long!"
    PlayersTooLong = 5,        // "Player names are too long!"
    WriteFailed = 6,           // "Error writing to disk!"
    NoValidRom = 7,            // "Load a valid rom!"
    FileChanged = 8,           // "The file was changed by another program!": not the file read, so not written
    BackupFailed = 9,          // "Error writing the backup!": the file's bytes could not be kept, so not written
};

const char* message(LoadOutcome outcome);
const char* message(SaveOutcome outcome);

// Whether the outcome is a failure (the message then carries a warning icon).
bool isFailure(LoadOutcome outcome);
bool isFailure(SaveOutcome outcome);

// The outcome of RomFile::readRomFile's result: 0 Loaded (the league is still to be
// decoded), 1 FileUnreadable, 2 NotThisEdition, anything else UnknownReadError.
LoadOutcome loadOutcomeOfRead(ResultCode readResult);
// The outcome of saveProjectToRom's result: 0..5 as they are, anything else EncodeFailed.
SaveOutcome saveOutcomeOfEncode(ResultCode encodeResult);

// An open's outcome and, for FileUnreadable, the cause and the file ("No such file or
// directory: /roms/game.nes"); for DataUnreadable, which offset region does not fit the
// image ("scheduleTable overlaps pointsTable"; empty when the offsets fit and a table or
// pointer of the image itself is at fault).
struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    std::string detail;

    bool ok() const { return outcome == LoadOutcome::Loaded; }
};

// A save's outcome with what a person needs to mend it: for WriteFailed the system's
// cause and the file ("No space left on device: /roms/game.nes"); for FileChanged the
// file; for BackupFailed why, as for WriteFailed; for EncodeFailed the
// offset region that does not fit the image, if one does not, and one line for each
// all-star slot that names no player ("west all-star 3 names team 92").
struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    std::string detail;
    std::vector<std::string> damagedSlots;

    bool ok() const { return outcome == SaveOutcome::Saved; }
};
