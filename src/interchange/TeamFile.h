#pragma once
#include <bitset>
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "base/LineReport.h"
#include "base/ResultCode.h"
#include "interchange/TextLines.h"
#include "model/clsTeam.h"

// The team file (.tte): twelve team lines, then twelve player blocks "#slot" ... "#END".
namespace TeamFile {

// The twelve team keys in the order the writer writes them: "city=", "mascot=", "abrev=",
// "ps=", "pg=", "unifnes=", "unifpalnes=", "unifsnes=", "unifpalsnes0=" .. "unifpalsnes3=".
inline constexpr int kKeyCount = 12;

// What a team record read so far has carried: its keys (by their place in that order) and the roster
// slots whose player block was complete (all sixteen player keys, closed by "#END").
struct Progress {
    std::bitset<kKeyCount> keys;
    std::bitset<clsTeam::kRoster> blocks;
};

// Writes the team lines and the player blocks; a team whose names, or whose roster
// players' names, hold a byte the reader refuses is not written (see nameFault).
ResultCode exportTeam(const clsTeam& team, const std::string& filename);
ResultCode exportTeam(const clsTeam& team, const std::string& filename, FileIO::WriteError& error);
// The first name of the team, then of its roster players, that cannot travel in a file,
// with why, or "": "city: byte 0x0D is a control character", "player 3 first: ...";
// teamIndex 0 and up puts "team 5 " in front, as the league's reasons do.
std::string nameFault(const clsTeam& team, int teamIndex);
// Appends the twelve team lines (no player blocks) to out.
void writeToFile(const clsTeam& team, std::string& out);
// Appends the blocks "#0" ... "#END" to "#11" ... "#END" of the roster players.
void writePlayerBlocks(const clsTeam& team, std::string& out);

// All or nothing: on failure (result 1) the team is exactly as before. A file that lacks
// a team key or a complete block for any of the slots 0..11 fails like one with a bad
// value (a block #12 stays optional); the second form says where and why.
ResultCode importTeam(clsTeam& team, const std::string& filename);
ResultCode importTeam(clsTeam& team, const std::string& filename, LineReport& report);

// Applies one line, the last one lines gave; a line opening a player block reads the
// block from lines. teamIndex names the team in reasons: -1 for a team file of its own
// ("player 3 has no key stam", "the team has no key ps"), else its index in the league
// ("team 5 player 3 has no key stam", "team 5 has no key ps").
bool applyLine(clsTeam& team, LineReader& lines, std::string_view instring, int teamIndex, Progress& progress,
               LineReport& report);
// True when progress holds every team key and every roster block; otherwise the report
// names the first missing one, at line.
bool complete(const Progress& progress, int teamIndex, int line, LineReport& report);

// The text of a team file held in memory: the reset team (initTeam) with every line
// applied. All or nothing, as importTeam.
ResultCode importTeamText(clsTeam& team, std::string text);
ResultCode importTeamText(clsTeam& team, std::string text, LineReport& report);

}  // namespace TeamFile
