#pragma once
#include <bitset>
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/ResultCode.h"
#include "model/clsPlayer.h"

// The player file (.tpl): sixteen key=value lines, CR LF ended.
namespace PlayerFile {

// The sixteen keys, in the order the writer writes them and a line is tested against
// them: "first=", "last=", "jersey=", ..., "stam=". A record read back needs all of them.
inline constexpr int kKeyCount = 16;

// The keys a record read so far has carried, by their place in that order.
using KeySet = std::bitset<kKeyCount>;
// The name of the first key missing from seen ("stam"), or "" when none is.
std::string firstMissing(const KeySet& seen);

// Writes the sixteen lines. A player whose names hold a byte the reader refuses is not
// written: the cause of the failure names it (see nameFault).
ResultCode exportPlayer(const clsPlayer& player, const std::string& filename);
ResultCode exportPlayer(const clsPlayer& player, const std::string& filename, FileIO::WriteError& error);
// Why the player's names cannot travel in a file ("last: byte 0x0D is a control
// character"), or "" (KeyLines::nameFault for first, then last).
std::string nameFault(const clsPlayer& player);
// Appends the sixteen lines to out.
void writeToFile(const clsPlayer& player, std::string& out);

// Key k (0..15) of that order by itself, for other forms that carry the same sixteen
// values (the league's CSV table): its name without "=" ("weight"), the value text the
// writer writes for it, and reading a value for it with the rules of a line, the range
// check included. readValue gives false with why ("weight: 'abc' is not a number") and
// the player untouched when the value is refused.
std::string_view keyName(int k);
std::string valueText(const clsPlayer& player, int k);
bool readValue(clsPlayer& player, int k, std::string_view value, std::string& why);

// All or nothing: on failure (result 1) the player is exactly as before. A file that
// lacks any of the sixteen keys fails like one with a bad value; the second form says
// where and why.
ResultCode importPlayer(clsPlayer& player, const std::string& filename);
ResultCode importPlayer(clsPlayer& player, const std::string& filename, LineReport& report);

// Applies one line (without its line end), line number lineNo of its file, and notes
// its key in seen. False with the report filled when a numeric value is bad or a name
// would carry a byte the ROM cannot hold; a line without a key changes nothing.
bool applyLine(clsPlayer& player, std::string_view instring, int lineNo, KeySet& seen, LineReport& report);

// The text of a player file held in memory: the reset player (initPlayer) with every line
// applied. All or nothing, as importPlayer.
ResultCode importPlayerText(clsPlayer& player, std::string text);
ResultCode importPlayerText(clsPlayer& player, std::string text, LineReport& report);

}  // namespace PlayerFile
