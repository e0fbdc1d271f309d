#pragma once
#include <cstdint>
#include <string>

#include "model/clsProject.h"
#include "session/Session.h"

// A second league to compare the open one with and take differences from: an image of the
// open image's edition, decoded with the open league's offsets, or a project file (.tpr),
// read over a copy of the open league exactly as Import Project reads it. Either is read
// over a copy of the open league, so what it does not hold (an NES image's SNES uniforms,
// the players' seventh rating bytes) stays as the open league has it. The file is only
// read.
enum class OtherLeagueOutcome : std::int16_t {
    Read = 0,
    FileUnreadable = 1,  // "Error loading file!"
    NotThisEdition = 2,  // "Invalid rom!": no image of either edition
    OtherEdition = 3,    // "Image of the other edition!": its uniforms and stored bytes are not ours
    DataUnreadable = 4,  // "Error reading data!": the league does not decode with the open offsets
    FileRefused = 5,     // "Error reading file!": the project file's fault, by line
};

const char* message(OtherLeagueOutcome outcome);

struct OtherLeague {
    OtherLeagueOutcome outcome = OtherLeagueOutcome::Read;
    // What follows the message: the project file's line and fault ("line 5: weight: 'abc'
    // is not a number"), the other image's edition, or the offset region at fault.
    std::string detail;
    clsProject league;

    bool ok() const { return outcome == OtherLeagueOutcome::Read; }
};

// Reads the league of the file at path beside the session's open league (which must be
// valid); a name ending in .tpr, in any case, is a project file.
OtherLeague readOtherLeague(const Session& open, const std::string& path);
